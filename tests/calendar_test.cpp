#include "calendar.hpp"

#include <chrono>
#include <cstdint>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

// Day number 0 on the standard library's time line.
const sys_days day_zero = sys_days{year{1} / January / 1} - days{1};

struct dated_day {
  std::uint32_t year, month, day;
  std::uint32_t number;
  std::uint32_t column; // 0 = Sunday
};

TEST(DayNumber, KnownDatesAndWeekdays) {
  const dated_day cases[] = {
      {1, 1, 1, 1, 1},         {1, 12, 31, 365, 1},      {2, 1, 1, 366, 2},
      {1800, 1, 1, 657072, 3}, {1900, 4, 1, 693686, 0},  {1900, 7, 1, 693777, 0},
      {1900, 9, 1, 693839, 6}, {2000, 2, 29, 730179, 2}, {3000, 12, 31, 1095727, 3},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
    EXPECT_EQ(tyx::day_number(c.year, c.month, c.day), c.number);
    EXPECT_EQ(c.number % 7, c.column);
    const auto expected = sys_days{year{static_cast<int>(c.year)} / month{c.month} / day{c.day}};
    EXPECT_EQ(weekday{expected}.c_encoding(), c.column);
  }
}

TEST(IsLeapYear, AgreesWithChronoForYears1To20000) {
  const std::pair<std::uint32_t, std::uint32_t> named[] = {
      {1800, 0}, {1900, 0}, {3000, 0}, {400, 1}, {100, 0}, {4, 1}, {1, 0}, {2000, 1}};
  for (const auto &[year_number, leap] : named) {
    EXPECT_EQ(tyx::is_leap_year(year_number), leap) << year_number;
  }
  for (int y = 1; y <= 20000; ++y) {
    ASSERT_EQ(tyx::is_leap_year(static_cast<std::uint32_t>(y)), year{y}.is_leap() ? 1U : 0U) << y;
  }
}

// Every day number the conversions accept, both ways, against std::chrono.
TEST(DayNumber, AgreesWithChronoAndRoundTripsForEveryDay) {
  for (std::int32_t number = 1; number <= tyx::max_day_number; ++number) {
    const year_month_day expected{day_zero + days{number}};
    std::uint32_t y = 0;
    std::uint32_t m = 0;
    std::uint32_t d = 0;
    tyx::day_number_to_date(number, y, m, d);
    ASSERT_EQ(y, static_cast<std::uint32_t>(int{expected.year()})) << number;
    ASSERT_EQ(m, unsigned{expected.month()}) << number;
    ASSERT_EQ(d, unsigned{expected.day()}) << number;
    ASSERT_EQ(tyx::day_number(y, m, d), static_cast<std::uint32_t>(number)) << number;
  }
}

// The conversions are usable at compile time.
static_assert(tyx::day_number(1, 1, 1) == 1);
static_assert(tyx::month_offset(12) == 336);

} // namespace
