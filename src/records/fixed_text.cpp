#include "records/fixed_text.h"

#include <charconv>
#include <cmath>

namespace tarnel::fixed {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

std::string Left(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string Right(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.insert(0, width - out.size(), ' ');
  return out;
}

std::string Number(long long value, std::size_t width) {
  long long most = 9;
  for (std::size_t i = 1; i < width && most < 100000000000000000LL; ++i)
    most = most * 10 + 9;
  long long least = width < 2 ? 0 : -(most / 10);
  if (value > most) value = most;
  if (value < least) value = least;
  return Right(std::to_string(value), width);
}

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<long long> ParseNumber(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::string copy(Trimmed(text));
  for (char& c : copy) {
    if (c == ',') c = '.';
    // from_chars would also take "inf", "nan" and exponents: only digits, sign and a point.
    else if (!(c == '.' || c == '-' || (c >= '0' && c <= '9')))
      return std::nullopt;
  }
  if (copy.empty()) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(copy.data(), copy.data() + copy.size(), value);
  if (ec != std::errc() || end != copy.data() + copy.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return out;
}

}  // namespace tarnel::fixed
