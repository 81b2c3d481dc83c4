// Gregorian calendar arithmetic (proleptic: no Julian calendar, no change-over
// gap, no year 0) for the days from 1 January of year 1 to max_day_number,
// the domain of every function below.
//
// A day number counts days with 1 January of year 1 as day 1. That day was a
// Monday, so a day number modulo 7 is its weekday column, 0 = Sunday.
#pragma once

#include <cstdint>
#include <limits>

namespace tyx {

// Days before the first of `month` (1-12) in a year whose February had 30
// days. The line through (1, 0) and (12, 336) with slope 30.57 rounds down to
// every such offset: 0, 31, 61, 92, ... 336. Callers correct March onwards by
// 2 days (1 in a leap year).
constexpr std::uint32_t month_offset(std::uint32_t month) noexcept {
  return (month * 3057U - 3007U) / 100U;
}

// 1 for a leap year, 0 otherwise. Every 4th year leaps, except every 100th,
// except every 400th. The result is an integer so that it can be added.
constexpr std::uint32_t is_leap_year(std::uint32_t year) noexcept {
  if (year % 400U == 0U) {
    return 1U;
  }
  if ((year & 3U) != 0U) {
    return 0U;
  }
  return year % 100U != 0U ? 1U : 0U;
}

// Days from 1 January of year 1 up to the end of `year`: 365 a year plus the
// leap days of the rule above.
constexpr std::uint32_t days_through_year(std::uint32_t year) noexcept {
  return 365U * year + year / 4U - year / 100U + year / 400U;
}

// Requires a date of the domain.
constexpr std::uint32_t day_number(std::uint32_t year, std::uint32_t month,
                                   std::uint32_t day) noexcept {
  std::uint32_t in_year = month_offset(month) + day;
  if (month > 2U) {
    in_year -= 2U - is_leap_year(year);
  }
  return in_year + days_through_year(year - 1U);
}

// The end of the domain: day_number_to_date multiplies by 400 in signed
// 32-bit arithmetic, and this is the last day number for which that product
// fits (a day in year 14699).
inline constexpr std::int32_t max_day_number = std::numeric_limits<std::int32_t>::max() / 400;

// The inverse of day_number, for a day number of the domain.
constexpr void day_number_to_date(std::int32_t number, std::uint32_t &year, std::uint32_t &month,
                                  std::uint32_t &day) noexcept {
  // A 400-year cycle has exactly 146097 days, so this estimate lags the true
  // year by at most two.
  auto estimate = static_cast<std::uint32_t>(number * 400 / 146097);
  while (static_cast<std::int32_t>(days_through_year(estimate)) < number) {
    ++estimate;
  }
  year = estimate;

  auto in_year = static_cast<std::uint32_t>(number) - days_through_year(year - 1U);
  // Move to the year with a 30-day February that month_offset describes.
  if (in_year > 59U) {
    in_year += 2U;
    if (is_leap_year(year) == 1U) {
      in_year -= in_year <= 62U ? 2U : 1U;
    }
  }
  // The inverse of month_offset's line, rounding down to the month.
  month = (in_year * 100U + 3007U) / 3057U;
  day = in_year - month_offset(month);
}

} // namespace tyx
