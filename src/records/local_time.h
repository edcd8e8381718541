// Local civil time and the program's short date format ("dd.mm.yyyy", "yyyy mm dd", ...).
#pragma once

#include <string>
#include <string_view>

namespace tarnel {

struct LocalTime {
  int Year = 2000;
  int Month = 1;  // 1..12
  int Day = 1;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

LocalTime LocalNow();
LocalTime LocalTimeOf(long long unixSeconds);

// The date format a fresh program uses until something switches it (round recording sets
// "yyyy mm dd").
inline constexpr std::string_view kDefaultShortDateFormat = "dd.mm.yyyy";

// Formats a date with d, dd, m, mm, yy and yyyy (any case); text in single or double quotes and
// every other character stand for themselves.
std::string FormatShortDate(std::string_view format, const LocalTime& t);

}  // namespace tarnel
