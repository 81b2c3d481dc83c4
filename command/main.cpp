// tyx: prints the calendar of one month.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "print_month.hpp"
#include "select_month.hpp"
#include "today.hpp"

namespace {

int fail(const char *what) noexcept {
  std::fprintf(stderr, "tyx: %s\n", what);
  return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[]) {
  std::uint32_t year = 0;
  std::uint32_t month = 0;
  switch (tyx::select_month(argc, argv, tyx::current_day_number, year, month)) {
  case tyx::selection::valid:
    break;
  case tyx::selection::invalid:
    tyx::usage();
  case tyx::selection::no_current_date:
    return fail("cannot determine the current date");
  }

  tyx::print_month(year, month);
  // Flushing here, not at exit, so that a failed write can still be reported.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    const int error = errno;
    std::fprintf(stderr, "tyx: write error: %s\n", std::strerror(error));
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
