// tyx: prints the calendar of one month.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "print_month.hpp"
#include "select_month.hpp"
#include "today.hpp"

namespace {

int fail(const char *what, const char *detail = nullptr) noexcept {
  if (detail == nullptr) {
    static_cast<void>(std::fprintf(stderr, "tyx: %s\n", what));
  } else {
    static_cast<void>(std::fprintf(stderr, "tyx: %s: %s\n", what, detail));
  }
  return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[]) {
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
    return fail("write error", std::strerror(error));
  }
  return EXIT_SUCCESS;
}
