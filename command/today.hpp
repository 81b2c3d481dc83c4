// Today's date in local time, as a day number.
#pragma once

#include <cstdint>
#include <ctime>

namespace tyx {

// What the functions below return instead of a day number.
// The clock or the local-time conversion failed.
inline constexpr std::int32_t no_current_date = 0;
// The local year lies before year 1 or past the day numbers' range.
inline constexpr std::int32_t date_beyond_calendar = -1;

// The day number of the local date at `instant`, in the time zone that TZ (or
// the system's default) names.
std::int32_t day_number_at(std::time_t instant) noexcept;

// The day number of today's local date.
std::int32_t current_day_number() noexcept;

} // namespace tyx
