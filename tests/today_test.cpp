#include "today.hpp"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calendar.hpp"

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
  void TearDown() override {
    if (had_zone_) {
      setenv("TZ", saved_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  static void use(const char *zone) {
    setenv("TZ", zone, 1);
    tzset();
  }

private:
  std::string saved_;
  bool had_zone_ = false;
};

// 11:00 UTC on 31 December 2026 is already 2027 at UTC+14 and still the 30th
// at UTC-12. Noon UTC on 29 February 2040 lies past 19 January 2038, where a
// 32-bit time_t runs out. POSIX TZ strings need no zone database.
TEST_F(local_zone, FollowsTheTimeZone) {
  const std::time_t new_years_eve = instant(2026y / December / 31, hours{11});
  const std::time_t leap_day_2040 = instant(2040y / February / 29, hours{12});
  const struct {
    std::time_t instant;
    const char *zone;
    std::int32_t expected;
  } cases[] = {
      {new_years_eve, "<+14>-14", number(2027, 1, 1)},
      {new_years_eve, "<-12>12", number(2026, 12, 30)},
      {new_years_eve, "UTC0", number(2026, 12, 31)},
      {leap_day_2040, "<+14>-14", number(2040, 3, 1)},
      {leap_day_2040, "<-12>12", number(2040, 2, 29)},
  };
  for (const auto &c : cases) {
    use(c.zone);
    EXPECT_EQ(tyx::day_number_at(c.instant), c.expected) << c.zone << ' ' << c.instant;
  }
}

TEST_F(local_zone, YearsOutsideTheDayNumbersAreReportedNotConverted) {
  use("UTC0");
  std::uint32_t y = 0;
  std::uint32_t m = 0;
  std::uint32_t d = 0;
  tyx::day_number_to_date(tyx::max_day_number, y, m, d);
  const int last_whole = static_cast<int>(y) - 1;

  EXPECT_EQ(tyx::day_number_at(instant(year{1} / January / 1, hours{0})), 1);
  EXPECT_EQ(tyx::day_number_at(instant(year{last_whole} / December / 31, hours{12})),
            number(last_whole, 12, 31));
  EXPECT_EQ(tyx::day_number_at(instant(year{0} / December / 31, hours{23})),
            tyx::date_beyond_calendar);
  EXPECT_EQ(tyx::day_number_at(instant(year{-5000} / June / 1, hours{0})),
            tyx::date_beyond_calendar);
  EXPECT_EQ(tyx::day_number_at(instant(year{last_whole + 1} / January / 1, hours{0})),
            tyx::date_beyond_calendar);
  EXPECT_EQ(tyx::day_number_at(instant(year{1'000'000} / January / 1, hours{0})),
            tyx::date_beyond_calendar);
  // Too far for the local-time conversion itself.
  EXPECT_EQ(tyx::day_number_at(std::numeric_limits<std::time_t>::max()), tyx::no_current_date);
}

} // namespace
