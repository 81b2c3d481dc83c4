#include "today.hpp"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calendar.hpp"
#include "run_tyx.hpp"

namespace {

using namespace std::chrono;

// In seconds: system_clock's nanoseconds span only a few centuries.
std::time_t instant(year_month_day date, hours hour) {
  const sys_seconds moment = sys_days{date} + hour;
  return static_cast<std::time_t>(moment.time_since_epoch().count());
}

std::int32_t number(int y, unsigned m, unsigned d) {
  return static_cast<std::int32_t>(tyx::day_number(static_cast<std::uint32_t>(y), m, d));
}

// Sets TZ for the test and puts the old value back afterwards.
class local_zone : public testing::Test {
protected:
  void SetUp() override {
    if (const char *old = std::getenv("TZ"); old != nullptr) {
      saved_ = old;
      had_zone_ = true;
    }
  }
  void TearDown() override { tyx_test::set_zone(had_zone_ ? saved_.c_str() : nullptr); }
  static void use(const char *zone) { tyx_test::set_zone(zone); }

private:
  std::string saved_;
  bool had_zone_ = false;
};

// 11:00 UTC on 31 December 2026 is already 2027 at UTC+14 and still the 30th
// at UTC-12. Noon UTC on 29 February 2040 lies past 19 January 2038, where a
// 32-bit time_t runs out. These TZ strings need no zone database, and both
// POSIX's and Windows' C libraries read them.
TEST_F(local_zone, FollowsTheTimeZone) {
  const std::time_t new_years_eve = instant(2026y / December / 31, hours{11});
  const std::time_t leap_day_2040 = instant(2040y / February / 29, hours{12});
  const struct {
    std::time_t instant;
    const char *zone;
    std::int32_t expected;
  } cases[] = {
      {new_years_eve, "ABC-14", number(2027, 1, 1)},
      {new_years_eve, "ABC+12", number(2026, 12, 30)},
      {new_years_eve, "UTC0", number(2026, 12, 31)},
      {leap_day_2040, "ABC-14", number(2040, 3, 1)},
      {leap_day_2040, "ABC+12", number(2040, 2, 29)},
  };
  for (const auto &c : cases) {
    use(c.zone);
    EXPECT_EQ(tyx::day_number_at(c.instant), c.expected) << c.zone << ' ' << c.instant;
  }
}

// Windows' C library converts only the years 1970 to 3000; before and after
// them the date cannot be determined at all.
std::int32_t on_this_system(std::time_t moment, std::int32_t expected) {
  if constexpr (tyx_test::windows) {
    if (moment < 0 || moment >= instant(year{3001} / January / 1, hours{0})) {
      return tyx::no_current_date;
    }
  }
  return expected;
}

TEST_F(local_zone, YearsOutsideTheDayNumbersAreReportedNotConverted) {
  use("UTC0");
  std::uint32_t y = 0;
  std::uint32_t m = 0;
  std::uint32_t d = 0;
  tyx::day_number_to_date(tyx::max_day_number, y, m, d);
  const int last_whole = static_cast<int>(y) - 1;

  const struct {
    std::time_t instant;
    std::int32_t expected;
  } cases[] = {
      {instant(year{1} / January / 1, hours{0}), 1},
      {instant(year{last_whole} / December / 31, hours{12}), number(last_whole, 12, 31)},
      {instant(year{0} / December / 31, hours{23}), tyx::date_beyond_calendar},
      {instant(year{-5000} / June / 1, hours{0}), tyx::date_beyond_calendar},
      {instant(year{last_whole + 1} / January / 1, hours{0}), tyx::date_beyond_calendar},
      {instant(year{1'000'000} / January / 1, hours{0}), tyx::date_beyond_calendar},
      // Too far for the local-time conversion itself.
      {std::numeric_limits<std::time_t>::max(), tyx::no_current_date},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(tyx::day_number_at(c.instant), on_this_system(c.instant, c.expected)) << c.instant;
  }
}

} // namespace
