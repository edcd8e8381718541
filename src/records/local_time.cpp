#include "records/local_time.h"

#include <cctype>
#include <ctime>

namespace tarnel {

LocalTime LocalTimeOf(long long unixSeconds) {
  std::time_t seconds = static_cast<std::time_t>(unixSeconds);
  std::tm tm{};
  if (localtime_r(&seconds, &tm) == nullptr) return LocalTime{};
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

LocalTime LocalNow() {
  return LocalTimeOf(static_cast<long long>(std::time(nullptr)));
}

namespace {

std::string Padded(int value, std::size_t digits) {
  std::string text = std::to_string(value < 0 ? -value : value);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

// Length of the run of character c (case-insensitive) starting at i.
std::size_t RunLength(std::string_view format, std::size_t i, char c) {
  std::size_t n = 0;
  while (i + n < format.size() && std::tolower(static_cast<unsigned char>(format[i + n])) == c)
    ++n;
  return n;
}

}  // namespace

std::string FormatShortDate(std::string_view format, const LocalTime& t) {
  std::string out;
  for (std::size_t i = 0; i < format.size();) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
    if (c == '\'' || c == '"') {
      std::size_t end = format.find(format[i], i + 1);
      if (end == std::string_view::npos) end = format.size();
      out.append(format.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    if (c == 'd' || c == 'm' || c == 'y') {
      std::size_t n = RunLength(format, i, c);
      i += n;
      if (c == 'd') {
        out += n >= 2 ? Padded(t.Day, 2) : std::to_string(t.Day);
      } else if (c == 'm') {
        out += n >= 2 ? Padded(t.Month, 2) : std::to_string(t.Month);
      } else {
        out += n >= 3 ? Padded(t.Year, 4) : Padded(((t.Year % 100) + 100) % 100, 2);
      }
      continue;
    }
    out += format[i++];
  }
  return out;
}

}  // namespace tarnel
