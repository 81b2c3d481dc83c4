// The built command, run as a user runs it.
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "oracle.hpp"
#include "run_tyx.hpp"

namespace {

using namespace std::chrono;
using tyx_test::as_written;
using tyx_test::output_to;
using tyx_test::run_tyx;

const std::string tyx = TYX_BINARY;

// What tyx prints for `month` (0: the current one) in the year of `now`.
std::string calendar_at(unsigned month, sys_seconds now) {
  const year_month_day today{floor<days>(now)};
  return tyx_test::expected_month(int{today.year()}, month == 0 ? unsigned{today.month()} : month);
}

// Runs tyx in UTC and compares it with the calendar of today, looked up
// before and after the run in case the date changed meanwhile.
void expect_today(const std::vector<std::string> &arguments, unsigned month) {
  const std::string before = calendar_at(month, floor<seconds>(system_clock::now()));
  const auto run = run_tyx(tyx, arguments);
  const std::string after = calendar_at(month, floor<seconds>(system_clock::now()));
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_TRUE(run.out == as_written(before) || run.out == as_written(after)) << run.out;
  EXPECT_EQ(run.err, "");
}

// Stops the clock of the programs started from now on at `now` (seconds since
// 1970), or lets it run (null), preloading a stand-in for the C library's: qemu
// hands the preload to the program it runs. cannot_preload: why not, if not.
#if defined(_WIN32)
const char *const cannot_preload = "Windows cannot preload a stand-in for the C library";
void stop_clock(const char * /*now*/) {}
#else
const char *const cannot_preload =
    TYX_STATIC != 0 ? "static build: tyx loads no library, so none can stand in for the C library"
                    : nullptr;
void stop_clock(const char *now) {
  const char *variable = tyx_test::emulated() ? "QEMU_SET_ENV" : "LD_PRELOAD";
  const std::string value = std::string{tyx_test::emulated() ? "LD_PRELOAD=" : ""} + FIXED_CLOCK;
  EXPECT_EQ(now == nullptr ? unsetenv(variable) : setenv(variable, value.c_str(), 1), 0);
  EXPECT_EQ(now == nullptr ? unsetenv("TYX_TEST_NOW") : setenv("TYX_TEST_NOW", now, 1), 0);
}
#endif

constexpr unsigned usage = 13; // a month that stands for the usage text

TEST(Tyx, ArgumentsAsAUserTypesThem) {
  const struct {
    std::vector<std::string> arguments;
    int year;       // 0 for this year
    unsigned month; // 0 for this month, `usage` for the usage text
  } cases[] = {
      {{"2"}, 0, 2},
      {{"1800"}, 0, usage},
      {{"word"}, 0, usage},
      {{""}, 0, usage},
      {{"1", "1800"}, 1800, 1},
      {{"2", "0"}, 1900, 2},
      {{"2", "99"}, 1999, 2},
      {{"2", "100"}, 0, usage},
      {{"2", "1799"}, 0, usage},
      {{"1", "3000"}, 3000, 1},
      {{"1", "3001"}, 0, usage},
      {{"13", "1900"}, 0, usage},
      {{"0", "1900"}, 0, usage},
      {{"-1", "1900"}, 0, usage},
      {{"5", "word"}, 1900, 5},
      {{"1x", "1800"}, 1800, 1},
      {{"+7", "1900"}, 1900, 7},
      {{"  7", "1900"}, 1900, 7},
      {{"0x7", "1900"}, 0, usage},
      {{"1", "1800", "junk"}, 1800, 1},
      {{"4294967297", "1900"}, 0, usage},
      {{"1", "-4294965496"}, 0, usage},
      // Look-alikes of digits are no digits: fullwidth 1, and 1800.
      {{"\xef\xbc\x91", "1900"}, 0, usage},
      {{"1", "\xef\xbc\x91\xef\xbc\x98\xef\xbc\x90\xef\xbc\x90"}, 1900, 1},
      // Each word arrives whole, whatever Windows makes of a command line.
      {{"2 1800"}, 0, 2},
      {{"2\t1800"}, 0, 2},
      {{"2\" 1800"}, 0, 2},
      {{"3 \\", "1800"}, 1800, 3},
  };
  for (const auto &c : cases) {
    std::string shown = "tyx";
    for (const auto &argument : c.arguments) {
      shown += " '" + argument + "'";
    }
    SCOPED_TRACE(shown);
    if (c.month == usage) {
      const auto run = run_tyx(tyx, c.arguments);
      EXPECT_EQ(run.exit_status, tyx_test::usage_status);
      EXPECT_EQ(run.out, as_written(tyx_test::usage_text));
      EXPECT_EQ(run.err, "");
    } else if (c.year == 0) {
      expect_today(c.arguments, c.month);
    } else {
      const auto run = run_tyx(tyx, c.arguments);
      EXPECT_EQ(run.exit_status, 0);
      EXPECT_EQ(run.out, as_written(tyx_test::expected_month(c.year, c.month)));
      EXPECT_EQ(run.err, "");
    }
  }
}

// With the clock stopped at noon UTC on the last day of 2023, it is 2024 at
// UTC+14 and still 2023 at UTC-12: a tyx that ignored TZ would print the same
// month in both.
TEST(Tyx, DefaultsToTodayInTheLocalTimeZone) {
  if (cannot_preload != nullptr) {
    GTEST_SKIP() << cannot_preload;
  }
  const sys_seconds stopped = sys_days{2023y / December / 31} + 12h;
  stop_clock(std::to_string(stopped.time_since_epoch().count()).c_str());
  for (const auto &[zone, offset] : {std::pair{"ABC-14", 14h}, std::pair{"ABC+12", -12h}}) {
    for (const auto &[arguments, month] :
         {std::pair{std::vector<std::string>{}, 0U}, {{"3"}, 3U}}) {
      const auto run = run_tyx(tyx, arguments, zone);
      EXPECT_EQ(run.exit_status, 0) << zone;
      EXPECT_EQ(run.out, calendar_at(month, stopped + offset)) << zone;
    }
  }
  stop_clock(nullptr);
}

std::string write_error(int error) {
  return as_written(std::string{"tyx: write error: "} + std::strerror(error) + '\n');
}

TEST(Tyx, ReportsAFailedWrite) {
  const struct {
    const char *what;
    std::vector<std::string> arguments;
    std::string err;
    output_to output;
    int exit_status;
  } cases[] = {
      {"full device", {"1", "1800"}, write_error(ENOSPC), output_to::full_device, 1},
      {"closed output", {"1", "1800"}, write_error(EBADF), output_to::closed, 1},
      {"full device, today", {}, write_error(ENOSPC), output_to::full_device, 1},
      {"usage on a full device", {"13"}, "", output_to::full_device, tyx_test::usage_status},
  };
  for (const auto &c : cases) {
    if (tyx_test::windows && c.output == output_to::full_device) {
      continue; // Windows has no /dev/full; a closed output stands for it
    }
    const auto run = run_tyx(tyx, c.arguments, "UTC0", c.output);
    EXPECT_EQ(run.exit_status, c.exit_status) << c.what;
    EXPECT_EQ(run.err, c.err) << c.what;
  }
}

// A clock beyond the years that struct tm holds: the local time cannot be
// worked out.
TEST(Tyx, SaysSoWhenTodayCannotBeDetermined) {
  if (cannot_preload != nullptr) {
    GTEST_SKIP() << cannot_preload;
  }
  stop_clock(BEYOND_STRUCT_TM);
  const auto today = run_tyx(tyx, {});
  const auto this_year = run_tyx(tyx, {"2"});
  const auto given = run_tyx(tyx, {"2", "1900"});
  stop_clock(nullptr);
  for (const auto &run : {today, this_year}) {
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tyx: cannot determine the current date\n");
  }
  // With both arguments the date is not needed.
  EXPECT_EQ(given.exit_status, 0);
  EXPECT_EQ(given.out, tyx_test::expected_month(1900, 2));
}

// A reader that has gone away ends tyx quietly and unsuccessfully: on SIGPIPE
// where there is one, otherwise with status 1.
TEST(Tyx, EndsQuietlyOnAClosedPipe) {
  const auto run = run_tyx(tyx, {"1", "1800"}, "UTC0", output_to::closed_pipe);
#if defined(_WIN32)
  EXPECT_EQ(run.exit_status, 1);
#else
  EXPECT_EQ(run.signal, SIGPIPE);
#endif
  EXPECT_EQ(run.err, "");
}

// The years from `first` to `last`. qemu takes tens of milliseconds to start
// a program and Wine up to a second on a busy machine, so under them the first
// year of each of the fourteen kinds (the weekday of 1 January, leap or not),
// every one of which lays its months out differently, will do, with both ends:
// the in-process tests cover every month.
std::vector<int> years(int first, int last) {
  std::vector<int> sample;
  std::vector<bool> seen(14);
  for (int number = first; number <= last; ++number) {
    const year y{number};
    const auto kind =
        weekday{sys_days{y / January / 1}}.c_encoding() * 2U + (y.is_leap() ? 1U : 0U);
    if (!tyx_test::emulated() || !seen[kind] || number == last) {
      sample.push_back(number);
      seen[kind] = true;
    }
  }
  return sample;
}

// Every month the command accepts, through the whole program.
TEST(Tyx, EveryAcceptedMonth) {
  if (!std::string_view{TYX_SANITIZERS}.empty()) {
    GTEST_SKIP() << "sanitizer build: 15,600 starts, each costing tens of milliseconds; the fuzz "
                    "run drives the same path under the same sanitizers";
  }
  for (const int year : years(1800, 3000)) {
    for (unsigned month = 1; month <= 12; ++month) {
      const auto run = run_tyx(tyx, {std::to_string(month), std::to_string(year)});
      ASSERT_EQ(run.exit_status, 0) << year << '-' << month;
      ASSERT_EQ(run.out, as_written(tyx_test::expected_month(year, month))) << year << '-' << month;
    }
  }
  for (const int full : years(1900, 1999)) {
    const int two_digits = full - 1900;
    for (unsigned month = 1; month <= 12; ++month) {
      const auto run = run_tyx(tyx, {std::to_string(month), std::to_string(two_digits)});
      ASSERT_EQ(run.exit_status, 0) << two_digits << '-' << month;
      ASSERT_EQ(run.out, as_written(tyx_test::expected_month(full, month)))
          << two_digits << '-' << month;
    }
  }
}

} // namespace
