#include "select_month.hpp"

#include <algorithm>
#include <cstdlib>
#include <span>

#include "calendar.hpp"
#include "today.hpp"

namespace tyx {
namespace {

constexpr std::uint32_t first_year = 1800;
constexpr std::uint32_t last_year = 3000;
constexpr std::uint32_t two_digit_years = 100;
constexpr std::uint32_t two_digit_century = 1900;

// Unsigned comparisons on purpose: negative arguments are huge here.
bool settle(std::uint32_t &year, std::uint32_t month) noexcept {
  if (month == 0U || month > 12U) {
    return false;
  }
  if (year < two_digit_years) {
    year += two_digit_century;
  }
  return year >= first_year && year <= last_year;
}

} // namespace

std::uint32_t argument_value(const char *argument) noexcept {
  // Where long is wider than 32 bits (64-bit Linux, not Windows), clamping
  // gives the saturation that a 32-bit long has by itself.
  const long value = std::strtol(argument, nullptr, 10);
  const auto saturated = static_cast<std::int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
  return static_cast<std::uint32_t>(saturated);
}

selection select_month(int argc, const char *const *argv, today_source today, std::uint32_t &year,
                       std::uint32_t &month) noexcept {
  const std::span<const char *const> words{argv, static_cast<std::size_t>(std::max(argc, 0))};
  const std::size_t given = words.empty() ? 0 : words.size() - 1;
  if (given < 2) {
    const std::int32_t today_number = today();
    if (today_number == no_current_date) {
      return selection::no_current_date;
    }
    if (today_number < 1) {
      return selection::invalid;
    }
    std::uint32_t unused_day = 0;
    day_number_to_date(today_number, year, month, unused_day);
  }
  if (given >= 1) {
    month = argument_value(words[1]);
  }
  if (given >= 2) {
    year = argument_value(words[2]);
  }
  return settle(year, month) ? selection::valid : selection::invalid;
}

void write_usage(std::FILE *out) noexcept {
  static_cast<void>(std::fputs("usage: tyx [m [y]]\n"
                               "where: m = month (1 - 12)\n"
                               "       y = year (1 - 99, 1800 - 3000)\n",
                               out));
}

void usage() noexcept {
  write_usage(stdout);
  std::exit(-1);
}

} // namespace tyx
