#include "today.hpp"

#include <ctime>

#include "calendar.hpp"

namespace tyx {
namespace {

// The last year whose every day has a day number within max_day_number,
// worked out by the compiler rather than on every run.
constexpr std::int64_t last_whole_year = [] {
  std::uint32_t year = 0;
  std::uint32_t month = 0;
  std::uint32_t day = 0;
  day_number_to_date(max_day_number, year, month, day);
  return std::int64_t{year} - 1;
}();

// The clock and the local-time conversion are all that differs between the
// systems tyx runs on. Both conversions call tzset first: POSIX does not
// promise that localtime_r reads TZ by itself.
#if defined(_WIN32)
bool read_clock(std::time_t &now) noexcept {
  return std::time(&now) != static_cast<std::time_t>(-1);
}

bool to_local_time(std::time_t instant, std::tm &local) noexcept {
  _tzset();
  return localtime_s(&local, &instant) == 0;
}
#else
bool read_clock(std::time_t &now) noexcept {
  std::timespec clock{};
  if (std::timespec_get(&clock, TIME_UTC) != TIME_UTC) {
    return false;
  }
  now = clock.tv_sec;
  return true;
}

bool to_local_time(std::time_t instant, std::tm &local) noexcept {
  tzset();
  return localtime_r(&instant, &local) != nullptr;
}
#endif

} // namespace

std::int32_t day_number_at(std::time_t instant) noexcept {
  std::tm local{};
  if (!to_local_time(instant, local)) {
    return no_current_date;
  }
  const std::int64_t year = std::int64_t{local.tm_year} + 1900;
  if (year < 1 || year > last_whole_year) {
    return date_beyond_calendar;
  }
  return static_cast<std::int32_t>(day_number(static_cast<std::uint32_t>(year),
                                              static_cast<std::uint32_t>(local.tm_mon + 1),
                                              static_cast<std::uint32_t>(local.tm_mday)));
}

std::int32_t current_day_number() noexcept {
  std::time_t now{};
  if (!read_clock(now)) {
    return no_current_date;
  }
  return day_number_at(now);
}

} // namespace tyx
