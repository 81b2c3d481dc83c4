// Runs the built tyx the way a shell does and collects what it did.
#pragma once

#include <string>
#include <vector>

namespace tyx_test {

enum class output_to { capture, full_device, closed, closed_pipe };

struct run_result {
  int exit_status = -1; // as a shell sees it, 0 to 255; -1 if killed
  int signal = 0;       // the signal that ended it, if any
  std::string out;      // standard output, when captured
  std::string err;      // standard error
};

// Whether programs run through an emulator: TYX_EMULATOR names it with its
// options (for instance "qemu-aarch64 -L /usr/aarch64-linux-gnu") when the
// tests run a cross-built tyx.
bool emulated();

// Runs `program` with `arguments` (after its name) and TZ set to `zone`,
// through the emulator if there is one.
run_result run_tyx(const std::string &program, const std::vector<std::string> &arguments,
                   const char *zone = "UTC0", output_to output = output_to::capture);

} // namespace tyx_test
