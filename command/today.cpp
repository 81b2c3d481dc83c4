#include "today.hpp"

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

} // namespace

std::int32_t day_number_at(std::time_t instant) noexcept {
  std::tm local{};
  if (localtime_r(&instant, &local) == nullptr) {
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
  std::timespec now{};
  if (std::timespec_get(&now, TIME_UTC) != TIME_UTC) {
    return no_current_date;
  }
  return day_number_at(now.tv_sec);
}

} // namespace tyx
