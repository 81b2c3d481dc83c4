#include "select_month.hpp"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar.hpp"
#include "today.hpp"

namespace {

TEST(ArgumentValue, ReadsDecimalLikeA32BitStrtol) {
  const struct {
    const char *argument;
    std::uint32_t value;
  } cases[] = {
      {"7", 7},
      {"+7", 7},
      {" \t\n\v\f\r7", 7},
      {"0012", 12},
      {"1x", 1},
      {"12.5", 12},
      {"0x1A", 0},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"+-1", 0},
      {"- 1", 0},
      {"\xa0"
       "5",
       0}, // not white space in the C locale
      {"-1", 0xFFFFFFFFU},
      {"-0", 0},
      {"2147483647", 2147483647U},
      {"2147483648", 2147483647U},
      {"4294967297", 2147483647U}, // its low 32 bits would read as 1
      {"99999999999999999999999", 2147483647U},
      {"-2147483648", 0x80000000U},
      {"-4294965496", 0x80000000U}, // its low 32 bits would read as 1800
      {"-99999999999999999999999", 0x80000000U},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(tyx::argument_value(c.argument), c.value) << '"' << c.argument << '"';
  }
}

// 8 December 2026, and how often it was asked for.
int today_calls = 0;
std::int32_t fixed_today() noexcept {
  ++today_calls;
  return static_cast<std::int32_t>(tyx::day_number(2026, 12, 8));
}

// The edge cases of the command line as a whole are run through the binary;
// what only shows in here is when the clock is asked.
TEST(SelectMonth, AsksTheClockOnlyWhenArgumentsLeaveTheDateOut) {
  const struct {
    int argc;
    std::uint32_t year, month;
    int today_calls;
  } cases[] = {{1, 2026, 12, 1}, {2, 2026, 2, 1}, {3, 1999, 2, 0}, {4, 1999, 2, 0}};
  const char *const argv[] = {"tyx", "2", "99", "junk", nullptr};
  for (const auto &c : cases) {
    today_calls = 0;
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    EXPECT_EQ(tyx::select_month(c.argc, argv, fixed_today, year, month), tyx::selection::valid);
    EXPECT_EQ(year, c.year) << c.argc;
    EXPECT_EQ(month, c.month) << c.argc;
    EXPECT_EQ(today_calls, c.today_calls) << c.argc;
  }
}

TEST(SelectMonth, NoArgumentStringsAtAllMeansToday) {
  const char *const argv[] = {nullptr};
  std::uint32_t year = 0;
  std::uint32_t month = 0;
  EXPECT_EQ(tyx::select_month(0, argv, fixed_today, year, month), tyx::selection::valid);
  EXPECT_EQ(year, 2026U);
  EXPECT_EQ(month, 12U);
}

template <std::uint32_t Year> std::int32_t today_in() noexcept {
  return static_cast<std::int32_t>(tyx::day_number(Year, 6, 15));
}
std::int32_t first_day() noexcept { return 1; } // 1 January of year 1
std::int32_t unknown_today() noexcept { return tyx::no_current_date; }
std::int32_t today_beyond_calendar() noexcept { return tyx::date_beyond_calendar; }

// Today's date goes through the same checks as the arguments.
TEST(SelectMonth, ValidatesTodayLikeAnArgument) {
  using tyx::selection;
  const struct {
    const char *what;
    tyx::today_source today;
    const char *month_argument; // or none
    selection result;
    std::uint32_t year, month;
  } cases[] = {
      {"year 50 reads as 1950", today_in<50>, nullptr, selection::valid, 1950, 6},
      {"day number 1 reads as 1901", first_day, nullptr, selection::valid, 1901, 1},
      {"first year", today_in<1800>, nullptr, selection::valid, 1800, 6},
      {"last year", today_in<3000>, "2", selection::valid, 3000, 2},
      {"year before the range", today_in<1799>, nullptr, selection::invalid, 0, 0},
      {"year after the range", today_in<3001>, "2", selection::invalid, 0, 0},
      {"year the day numbers cannot hold", today_beyond_calendar, nullptr, selection::invalid, 0,
       0},
      {"clock failed", unknown_today, nullptr, selection::no_current_date, 0, 0},
      {"clock failed, bad month", unknown_today, "13", selection::no_current_date, 0, 0},
  };
  for (const auto &c : cases) {
    const char *const argv[] = {"tyx", c.month_argument, nullptr};
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    const auto result =
        tyx::select_month(c.month_argument == nullptr ? 1 : 2, argv, c.today, year, month);
    EXPECT_EQ(result, c.result) << c.what;
    if (result == selection::valid) {
      EXPECT_EQ(year, c.year) << c.what;
      EXPECT_EQ(month, c.month) << c.what;
    }
  }
}

} // namespace
