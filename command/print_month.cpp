#include "print_month.hpp"

#include <cerrno>
#include <string_view>

#if defined(_WIN32)
#include <cstdlib>

#include <winerror.h>
#endif

#include "calendar.hpp"

namespace tyx {
namespace {

constexpr std::uint32_t days_in_week = 7;

// The writers below append to `text` at `length` and advance it; the capacity
// of month_text covers every month.

void put(month_text &text, std::size_t &length, char character) noexcept {
  text[length++] = character;
}

void put(month_text &text, std::size_t &length, const char *characters) noexcept {
  for (const char character : std::string_view{characters}) {
    put(text, length, character);
  }
}

char digit(std::uint32_t value) noexcept {
  return static_cast<char>('0' + static_cast<int>(value));
}

void put_decimal(month_text &text, std::size_t &length, std::uint32_t value) noexcept {
  std::uint32_t scale = 1;
  while (value / scale >= 10U) {
    scale *= 10U;
  }
  for (; scale != 0U; scale /= 10U) {
    put(text, length, digit(value / scale % 10U));
  }
}

// A day right-aligned in two characters, then the cell's space.
void put_day_cell(month_text &text, std::size_t &length, std::uint32_t day) noexcept {
  put(text, length, day < 10U ? ' ' : digit(day / 10U));
  put(text, length, digit(day % 10U));
  put(text, length, ' ');
}

} // namespace

std::uint32_t month_length(std::uint32_t year, std::uint32_t month) noexcept {
  const std::uint32_t length = days_in_month[month - 1U];
  return month == 2U ? length + is_leap_year(year) : length;
}

std::size_t format_month(std::uint32_t year, std::uint32_t month, month_text &text) noexcept {
  std::size_t length = 0;
  put(text, length, "\n      ");
  put(text, length, month_abbreviations[month - 1U]);
  put(text, length, ' ');
  put_decimal(text, length, year);
  put(text, length, '\n');

  const std::uint32_t first_column = day_number(year, month, 1U) % days_in_week;
  for (std::uint32_t column = 0; column < first_column; ++column) {
    put(text, length, "   ");
  }
  std::uint32_t column = first_column;
  const std::uint32_t last_day = month_length(year, month);
  for (std::uint32_t day = 1; day <= last_day; ++day) {
    // A new grid line begins with each Sunday, but never before day 1.
    if (column == 0U && day != 1U) {
      put(text, length, '\n');
    }
    put_day_cell(text, length, day);
    column = (column + 1U) % days_in_week;
  }
  for (; column != 0U; column = (column + 1U) % days_in_week) {
    put(text, length, "   ");
  }
  put(text, length, '\n');
  return length;
}

void print_month(std::FILE *out, std::uint32_t year, std::uint32_t month) noexcept {
  month_text text{};
  // A short write leaves the stream's error flag set for finish_output.
  static_cast<void>(std::fwrite(text.data(), 1, format_month(year, month, text), out));
}

void print_month(std::uint32_t year, std::uint32_t month) noexcept {
  print_month(stdout, year, month);
}

int finish_output(std::FILE *out) noexcept {
  if (std::fflush(out) == 0 && std::ferror(out) == 0) {
    return 0;
  }
  return errno != 0 ? errno : EIO;
}

bool reader_gone() noexcept {
#if defined(_WIN32)
  // The system's own error for the failed write, which the C runtime keeps:
  // a pipe being closed, broken, or with nobody at the other end.
  const unsigned long error = _doserrno;
  return error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED;
#else
  return false;
#endif
}

} // namespace tyx
