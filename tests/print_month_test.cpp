#include "print_month.hpp"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "oracle.hpp"
#include "run_tyx.hpp"

namespace {

std::string formatted(std::uint32_t year, std::uint32_t month) {
  tyx::month_text text{};
  const std::size_t length = tyx::format_month(year, month, text);
  return {text.data(), length};
}

struct whole_month {
  const char *what;
  std::uint32_t year, month;
  const char *text;
};

// Written out by hand, one per case of the layout.
const whole_month layouts[] = {
    {"starts on a Wednesday", 1800, 1,
     "\n      Jan 1800\n"
     "          1  2  3  4 \n"
     " 5  6  7  8  9 10 11 \n"
     "12 13 14 15 16 17 18 \n"
     "19 20 21 22 23 24 25 \n"
     "26 27 28 29 30 31    \n"},
    {"starts on a Sunday", 1900, 4,
     "\n      Apr 1900\n"
     " 1  2  3  4  5  6  7 \n"
     " 8  9 10 11 12 13 14 \n"
     "15 16 17 18 19 20 21 \n"
     "22 23 24 25 26 27 28 \n"
     "29 30                \n"},
    {"ends on a Saturday", 1900, 3,
     "\n      Mar 1900\n"
     "             1  2  3 \n"
     " 4  5  6  7  8  9 10 \n"
     "11 12 13 14 15 16 17 \n"
     "18 19 20 21 22 23 24 \n"
     "25 26 27 28 29 30 31 \n"},
    {"six grid lines", 1900, 9,
     "\n      Sep 1900\n"
     "                   1 \n"
     " 2  3  4  5  6  7  8 \n"
     " 9 10 11 12 13 14 15 \n"
     "16 17 18 19 20 21 22 \n"
     "23 24 25 26 27 28 29 \n"
     "30                   \n"},
    {"28-day February from a Sunday", 2015, 2,
     "\n      Feb 2015\n"
     " 1  2  3  4  5  6  7 \n"
     " 8  9 10 11 12 13 14 \n"
     "15 16 17 18 19 20 21 \n"
     "22 23 24 25 26 27 28 \n"},
};

TEST(FormatMonth, WholeOutputsByteForByte) {
  for (const auto &layout : layouts) {
    EXPECT_EQ(formatted(layout.year, layout.month), layout.text) << layout.what;
  }
}

// Every month of every year the printer supports, against a layout built from
// std::chrono; this covers the accepted years 1800 to 3000 many times over.
TEST(FormatMonth, AgreesWithChronoForEveryMonthOfYears1To9999) {
  for (std::uint32_t year = 1; year <= 9999; ++year) {
    for (std::uint32_t month = 1; month <= 12; ++month) {
      ASSERT_EQ(formatted(year, month), tyx_test::expected_month(static_cast<int>(year), month))
          << year << '-' << month;
      const std::chrono::year_month_day_last last{
          std::chrono::year{static_cast<int>(year)},
          std::chrono::month_day_last{std::chrono::month{month}}};
      ASSERT_EQ(tyx::month_length(year, month), unsigned{last.day()});
    }
  }
}

TEST(PrintMonth, WritesTheFormattedMonthToTheStream) {
  std::FILE *stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  tyx::print_month(stream, 1900, 9);
  tyx::print_month(stream, 2015, 2);
  ASSERT_EQ(std::fflush(stream), 0);
  std::rewind(stream);
  std::string written(1024, '\0');
  written.resize(std::fread(written.data(), 1, written.size(), stream));
  static_cast<void>(std::fclose(stream));
  EXPECT_EQ(written, tyx_test::expected_month(1900, 9) + tyx_test::expected_month(2015, 2));
}

// However the stream buffers, a failed write is found when the output ends.
TEST(FinishOutput, ReportsAWriteThatFailedBeforeOrAtTheFlush) {
  if (tyx_test::windows) {
    GTEST_SKIP() << "Windows has no /dev/full";
  }
  for (const int buffering : {_IOFBF, _IOLBF, _IONBF}) {
    std::FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    ASSERT_EQ(std::setvbuf(full, nullptr, buffering, BUFSIZ), 0);
    tyx::print_month(full, 1800, 1);
    EXPECT_EQ(tyx::finish_output(full), ENOSPC) << buffering;
    // Whatever errno says by then, the failure stands.
    errno = 0;
    EXPECT_EQ(tyx::finish_output(full), EIO) << buffering;
    static_cast<void>(std::fclose(full));
  }
  std::FILE *file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  tyx::print_month(file, 1800, 1);
  EXPECT_EQ(tyx::finish_output(file), 0);
  static_cast<void>(std::fclose(file));
}

} // namespace
