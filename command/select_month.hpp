// Settling which month to print from the command's arguments and today's
// date: "tyx", "tyx m" or "tyx m y".
#pragma once

#include <cstdint>
#include <cstdio>

namespace tyx {

enum class selection : std::uint8_t {
  valid,           // year and month name a month that can be printed
  invalid,         // the usage text is the answer
  no_current_date, // today's date was needed but could not be had
};

// Where the date comes from when the arguments leave it out; returns a day
// number or one of the sentinels of today.hpp.
using today_source = std::int32_t (*)() noexcept;

// An argument read as strtol reads a decimal number where long has 32 bits:
// leading white space, an optional sign, the digits up to the first other
// character; no digits read as 0 and values past the 32-bit range saturate.
// The value is then held unsigned, so a negative one fails every range check.
std::uint32_t argument_value(const char *argument) noexcept;

// Settles the month from `argc` and `argv` as main receives them (argc may be
// 0), asking `today` only when fewer than two arguments are given. Arguments
// past the second are ignored. On selection::valid, `year` (1800 to 3000,
// with 0 to 99 taken as 1900 to 1999) and `month` (1 to 12) are set.
selection select_month(int argc, const char *const *argv, today_source today, std::uint32_t &year,
                       std::uint32_t &month) noexcept;

// The three lines that explain the command line.
void write_usage(std::FILE *out) noexcept;

// Writes the usage text to standard output and ends the process with status
// -1.
[[noreturn]] void usage() noexcept;

} // namespace tyx
