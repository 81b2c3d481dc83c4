// The month grid: an empty line, a header with the month's abbreviation and
// the year, then the days in lines of seven three-character cells, Sunday
// first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace tyx {

// Indexed by month - 1; February's leap day is added by month_length.
inline constexpr std::array<std::uint32_t, 12> days_in_month{31, 28, 31, 30, 31, 30,
                                                             31, 31, 30, 31, 30, 31};

inline constexpr std::array<const char *, 12> month_abbreviations{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Enough for the empty line, a header with any 32-bit year (ten digits at
// most) and six grid lines of 21 characters, each with its newline.
inline constexpr std::size_t month_text_capacity = 1 + 21 + 6 * 22;

using month_text = std::array<char, month_text_capacity>;

// Each function here requires 1 <= month <= 12 and a year of the calendar's
// domain (calendar.hpp).
std::uint32_t month_length(std::uint32_t year, std::uint32_t month) noexcept;

// Lays out the month in `text` and returns the number of characters used.
std::size_t format_month(std::uint32_t year, std::uint32_t month, month_text &text) noexcept;

// Writes the month to `out` with a single write to the stream. Errors are left
// in the stream's state for the caller to check.
void print_month(std::FILE *out, std::uint32_t year, std::uint32_t month) noexcept;

// The same on standard output.
void print_month(std::uint32_t year, std::uint32_t month) noexcept;

// Flushes `out`; returns 0 if everything written to it has arrived, otherwise
// the error number of the write that failed. An unbuffered or line-buffered
// stream may have failed before the flush, so its error flag counts too.
int finish_output(std::FILE *out) noexcept;

// Whether the write that failed went to a pipe whose reader has gone away.
// POSIX ends the process on SIGPIPE before such a write can fail; Windows
// fails it, and its C runtime calls that EINVAL, which names no cause.
bool reader_gone() noexcept;

} // namespace tyx
