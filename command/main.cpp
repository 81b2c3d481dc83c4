// tyx: prints the calendar of one month.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "print_month.hpp"
#include "select_month.hpp"
#include "today.hpp"

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <array>
#endif

namespace {

int fail(const char *what, const char *detail = nullptr) noexcept {
  if (detail == nullptr) {
    static_cast<void>(std::fprintf(stderr, "tyx: %s\n", what));
  } else {
    static_cast<void>(std::fprintf(stderr, "tyx: %s: %s\n", what, detail));
  }
  return EXIT_FAILURE;
}

int run(int argc, const char *const *argv) noexcept {
  std::uint32_t year = 0;
  std::uint32_t month = 0;
  switch (tyx::select_month(argc, argv, tyx::current_day_number, year, month)) {
  case tyx::selection::valid:
    break;
  case tyx::selection::no_current_date:
    return fail("cannot determine the current date");
  case tyx::selection::invalid:
    tyx::usage(); // does not return: exits with status -1
  }

  // The month goes out in one call, so a buffer would only add an allocation
  // and a copy; unbuffered, it is exactly one write(2).
  static_cast<void>(std::setvbuf(stdout, nullptr, _IONBF, 0));
  tyx::print_month(year, month);
  // Checked here rather than left to exit, so that a failed write is reported.
  if (const int error = tyx::finish_output(stdout); error != 0) {
    // A reader that has gone away ends tyx quietly, as SIGPIPE does elsewhere.
    return tyx::reader_gone() ? EXIT_FAILURE : fail("write error", std::strerror(error));
  }
  return EXIT_SUCCESS;
}

} // namespace

#if defined(_WIN32)
// The C runtime hands main its arguments in the ANSI code page, where "best
// fit" turns what the code page lacks into look-alikes: a fullwidth "１" into
// "1". wmain gets them as typed. In UTF-8 every byte of a character beyond
// ASCII is 0x80 or above, so no such character can pass for a digit, a sign or
// white space, and UTF-8 has no best fit.
int wmain(int argc, wchar_t *argv[]) {
  // Only the month and the year are read. A command line holds at most 32767
  // UTF-16 units, and UTF-8 needs at most three bytes for each.
  constexpr int read = 3;
  static std::array<char, 3 * 32768> text{};
  std::array<const char *, read + 1> words{"tyx", "", "", nullptr};
  std::size_t used = 0;
  for (int i = 1; i < argc && i < read; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, &text[used],
                                         static_cast<int>(text.size() - used), nullptr, nullptr);
    if (size > 0) {
      words[static_cast<std::size_t>(i)] = &text[used];
      used += static_cast<std::size_t>(size);
    }
  }
  return run(argc < read ? argc : read, words.data());
}
#else
int main(int argc, char *argv[]) { return run(argc, argv); }
#endif
