// Drives the whole argument path (conversion, validation, printing) with any
// argument vector and any "today", and checks the result against a selection
// computed here independently and a calendar built from std::chrono.
//
// Input: 4 bytes choose today (little-endian; 0 means the date is unknown, a
// negative value a year beyond the day numbers, anything else a day number
// within their range), then up to 4 arguments separated by NUL bytes.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar.hpp"
#include "oracle.hpp"
#include "print_month.hpp"
#include "select_month.hpp"
#include "today.hpp"

namespace {

std::int32_t chosen_today = 0;
int today_calls = 0;

std::int32_t today() noexcept {
  ++today_calls;
  return chosen_today;
}

// An argument as a 32-bit strtol reads it, written out step by step.
std::uint32_t reference_value(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() &&
         std::string_view{" \t\n\v\f\r"}.find(text[at]) != std::string_view::npos) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  std::int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = std::min<std::int64_t>(magnitude * 10 + (text[at] - '0'), std::int64_t{1} << 32);
  }
  std::int64_t value = negative ? -magnitude : magnitude;
  value = std::max<std::int64_t>(value, INT32_MIN);
  value = std::min<std::int64_t>(value, INT32_MAX);
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

[[noreturn]] void fault(const char *what, const std::string &detail = "") {
  static_cast<void>(std::fprintf(stderr, "fuzz_arguments: %s\n%s\n", what, detail.c_str()));
  std::abort();
}

void check(bool holds, const char *what, const std::string &detail = "") {
  if (!holds) {
    fault(what, detail);
  }
}

// What one stream received.
std::string written(void (*write)(std::FILE *, std::uint32_t, std::uint32_t), std::uint32_t year,
                    std::uint32_t month) {
  std::array<char, 1024> buffer{};
  std::FILE *stream = fmemopen(buffer.data(), buffer.size(), "w");
  check(stream != nullptr, "fmemopen failed");
  write(stream, year, month);
  check(tyx::finish_output(stream) == 0, "writing to memory failed");
  const long length = std::ftell(stream);
  static_cast<void>(std::fclose(stream));
  return {buffer.data(), static_cast<std::size_t>(length)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 4) {
    return -1;
  }
  const std::span<const std::uint8_t> input{data, size};
  std::uint32_t raw = 0;
  std::memcpy(&raw, input.data(), sizeof raw);
  const auto choice = static_cast<std::int32_t>(raw);
  chosen_today = choice <= 0 ? (choice == 0 ? tyx::no_current_date : tyx::date_beyond_calendar)
                             : 1 + choice % tyx::max_day_number;

  const std::string rest_bytes(input.begin() + 4, input.end());
  const std::string_view rest{rest_bytes};
  std::vector<std::string> arguments;
  for (std::size_t start = 0; start <= rest.size() && arguments.size() < 4;) {
    const std::size_t end = std::min(rest.find('\0', start), rest.size());
    arguments.emplace_back(rest.substr(start, end - start));
    start = end + 1;
  }
  if (rest.empty()) {
    arguments.clear();
  }
  std::vector<const char *> argv{"tyx"};
  std::transform(arguments.begin(), arguments.end(), std::back_inserter(argv),
                 [](const std::string &argument) { return argument.c_str(); });
  argv.push_back(nullptr);

  // The expected selection.
  bool date_known = true;
  bool expect_valid = true;
  std::uint32_t expected_year = 0;
  std::uint32_t expected_month = 0;
  if (arguments.size() < 2) {
    if (chosen_today == tyx::no_current_date) {
      date_known = false;
    } else if (chosen_today < 0) {
      expect_valid = false;
    } else {
      using namespace std::chrono;
      const year_month_day date{sys_days{year{1} / January / 1} + days{chosen_today - 1}};
      expected_year = static_cast<std::uint32_t>(int{date.year()});
      expected_month = unsigned{date.month()};
    }
  }
  if (!arguments.empty()) {
    expected_month = reference_value(arguments[0]);
  }
  if (arguments.size() >= 2) {
    expected_year = reference_value(arguments[1]);
  }
  if (expected_year < 100) {
    expected_year += 1900;
  }
  expect_valid = expect_valid && expected_month >= 1 && expected_month <= 12 &&
                 expected_year >= 1800 && expected_year <= 3000;

  today_calls = 0;
  std::uint32_t selected_year = 0;
  std::uint32_t selected_month = 0;
  const auto result = tyx::select_month(static_cast<int>(argv.size() - 1), argv.data(), today,
                                        selected_year, selected_month);
  check(today_calls == (arguments.size() < 2 ? 1 : 0), "today consulted wrongly");

  if (!date_known) {
    check(result == tyx::selection::no_current_date, "an unknown date went unreported");
    return 0;
  }
  if (!expect_valid) {
    check(result == tyx::selection::invalid, "an invalid selection was accepted");
    const std::string usage =
        written([](std::FILE *out, std::uint32_t, std::uint32_t) { tyx::write_usage(out); }, 0, 0);
    check(usage == tyx_test::usage_text, "wrong usage text", usage);
    return 0;
  }
  check(result == tyx::selection::valid, "a valid selection was rejected");
  check(selected_year == expected_year && selected_month == expected_month, "wrong month selected",
        std::to_string(selected_year) + '-' + std::to_string(selected_month));

  const std::string calendar =
      written([](std::FILE *out, std::uint32_t y, std::uint32_t m) { tyx::print_month(out, y, m); },
              selected_year, selected_month);
  check(calendar == tyx_test::expected_month(static_cast<int>(expected_year), expected_month),
        "calendar differs from std::chrono's", calendar);
  return 0;
}
