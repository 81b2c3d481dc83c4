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

struct selection_case {
  std::vector<std::string> arguments; // after the command's name
  tyx::selection result;
  std::uint32_t year, month; // when valid
};

TEST(SelectMonth, SettlesEachFormOfTheCommandLine) {
  using tyx::selection;
  const selection_case cases[] = {
      {{}, selection::valid, 2026, 12},
      {{"2"}, selection::valid, 2026, 2},
      {{"1800"}, selection::invalid, 0, 0},
      {{"word"}, selection::invalid, 0, 0},
      {{"2", "0"}, selection::valid, 1900, 2},
      {{"2", "99"}, selection::valid, 1999, 2},
      {{"2", "100"}, selection::invalid, 0, 0},
      {{"2", "1799"}, selection::invalid, 0, 0},
      {{"1", "1800"}, selection::valid, 1800, 1},
      {{"1", "3000"}, selection::valid, 3000, 1},
      {{"12", "3000"}, selection::valid, 3000, 12},
      {{"1", "3001"}, selection::invalid, 0, 0},
      {{"13", "1900"}, selection::invalid, 0, 0},
      {{"0", "1900"}, selection::invalid, 0, 0},
      {{"-1", "1900"}, selection::invalid, 0, 0},
      {{"5", "word"}, selection::valid, 1900, 5},
      {{"1x", "1800"}, selection::valid, 1800, 1},
      {{"+7", "1900"}, selection::valid, 1900, 7},
      {{"  7", "1900"}, selection::valid, 1900, 7},
      {{"0x7", "1900"}, selection::invalid, 0, 0},
      {{"1", "1800", "junk"}, selection::valid, 1800, 1},
      {{"4294967297", "1900"}, selection::invalid, 0, 0},
      {{"1", "-4294965496"}, selection::invalid, 0, 0},
      {{"1", "-1"}, selection::invalid, 0, 0},
  };
  for (const auto &c : cases) {
    std::vector<const char *> argv{"tyx"};
    std::string shown;
    for (const auto &argument : c.arguments) {
      argv.push_back(argument.c_str());
      shown += " '" + argument + "'";
    }
    argv.push_back(nullptr);
    SCOPED_TRACE("tyx" + shown);

    today_calls = 0;
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    const auto result =
        tyx::select_month(static_cast<int>(argv.size() - 1), argv.data(), fixed_today, year, month);
    ASSERT_EQ(result, c.result);
    if (result == selection::valid) {
      EXPECT_EQ(year, c.year);
      EXPECT_EQ(month, c.month);
    }
    // Two arguments say everything: the clock is not consulted then.
    EXPECT_EQ(today_calls, c.arguments.size() < 2 ? 1 : 0);
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
    std::uint32_t year;
  } cases[] = {
      {"year 50 reads as 1950", today_in<50>, nullptr, selection::valid, 1950},
      {"first year", today_in<1800>, nullptr, selection::valid, 1800},
      {"last year", today_in<3000>, "2", selection::valid, 3000},
      {"year before the range", today_in<1799>, nullptr, selection::invalid, 0},
      {"year after the range", today_in<3001>, "2", selection::invalid, 0},
      {"year the day numbers cannot hold", today_beyond_calendar, nullptr, selection::invalid, 0},
      {"clock failed", unknown_today, nullptr, selection::no_current_date, 0},
      {"clock failed, bad month", unknown_today, "13", selection::no_current_date, 0},
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
      EXPECT_EQ(month, c.month_argument == nullptr ? 6U : 2U) << c.what;
    }
  }
}

} // namespace
