// Expected calendars computed independently of the product, from the standard
// library's Gregorian calendar.
#pragma once

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace tyx_test {

// The month as tyx lays it out, built cell by cell from std::chrono.
inline std::string expected_month(int year_number, unsigned month_number) {
  using namespace std::chrono;
  const year_month month_of_year{year{year_number}, month{month_number}};
  const unsigned blanks = weekday{sys_days{month_of_year / 1}}.c_encoding();
  const unsigned length = unsigned{(month_of_year / last).day()};

  std::tm only_month{};
  only_month.tm_mon = static_cast<int>(month_number) - 1;
  char name[8] = {};
  static_cast<void>(std::strftime(name, sizeof name, "%b", &only_month));

  std::vector<std::string> cells(blanks, "   ");
  for (unsigned day = 1; day <= length; ++day) {
    char cell[8] = {};
    static_cast<void>(std::snprintf(cell, sizeof cell, "%2u ", day));
    cells.emplace_back(cell);
  }
  while (cells.size() % 7 != 0) {
    cells.emplace_back("   ");
  }

  std::string text = "\n      " + std::string{name} + ' ' + std::to_string(year_number) + '\n';
  for (std::size_t i = 0; i < cells.size(); ++i) {
    text += cells[i];
    if (i % 7 == 6) {
      text += '\n';
    }
  }
  return text;
}

inline const std::string usage_text = "usage: tyx [m [y]]\n"
                                      "where: m = month (1 - 12)\n"
                                      "       y = year (1 - 99, 1800 - 3000)\n";

} // namespace tyx_test
