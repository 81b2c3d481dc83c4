// Runs the built tyx the way a shell does and collects what it did.
#pragma once

#include <string>
#include <vector>

namespace tyx_test {

enum class output_to { capture, full_device, closed, closed_pipe };

struct run_result {
  int exit_status = -1; // as a POSIX shell sees it, 0 to 255, or Windows' whole
                        // exit code; -1 if killed by a signal
  int signal = 0;       // the signal that ended it, if any
  std::string out;      // standard output, when captured
  std::string err;      // standard error
};

#if defined(_WIN32)
inline constexpr bool windows = true;
// Windows keeps the whole exit code.
inline constexpr int usage_status = -1;
#else
inline constexpr bool windows = false;
// exit(-1), of which a POSIX parent sees the low 8 bits.
inline constexpr int usage_status = 255;
#endif

// `text` as a text stream writes it: Windows ends each line with CR LF.
std::string as_written(const std::string &text);

// Whether programs run through an emulator: TYX_EMULATOR names it with its
// options (for instance "qemu-aarch64 -L /usr/aarch64-linux-gnu") when the
// tests run a cross-built tyx. Under Wine the tests themselves run in it, and
// start tyx with Windows' own process creation.
bool emulated();

// Sets TZ, or unsets it if `zone` is null, for this process (after tzset)
// and for the programs it starts.
void set_zone(const char *zone);

// Runs `program` with `arguments` (after its name) and TZ set to `zone`,
// through the emulator if there is one.
run_result run_tyx(const std::string &program, const std::vector<std::string> &arguments,
                   const char *zone = "UTC0", output_to output = output_to::capture);

} // namespace tyx_test
