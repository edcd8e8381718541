#include "club/club_wire.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/cp1251.h"

namespace tarnel {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '~';
}

void PercentEncodeInto(std::string_view utf8, std::string& out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (unsigned char c : utf8) {
    if (IsUnreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
}

}  // namespace

std::string PostTextBody(const std::vector<ClubField>& fields) {
  std::string body;
  for (const auto& [name, value] : fields) {
    if (!body.empty()) body += '&';
    body += name;
    body += '=';
    body += value;
  }
  return body;
}

std::string PostFieldsLines(const std::vector<ClubField>& fields) {
  std::string lines;
  for (const auto& [name, value] : fields) {
    if (!lines.empty()) lines += "\n\r";
    lines += name;
    lines += '=';
    lines += value;
  }
  return lines;
}

std::string PostFieldsBody(std::string_view lines) {
  // Every LF, CR or CRLF ends a line; a break at the very end adds no empty line.
  std::vector<std::string_view> entries;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < lines.size()) {
    if (lines[i] == '\n' || lines[i] == '\r') {
      entries.push_back(lines.substr(start, i - start));
      i += (lines[i] == '\r' && i + 1 < lines.size() && lines[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < lines.size()) entries.push_back(lines.substr(start));

  std::string body;
  for (std::size_t n = 0; n < entries.size(); ++n) {
    if (n > 0) body += '&';
    std::string_view entry = entries[n];
    std::size_t eq = entry.find('=');
    if (eq == std::string_view::npos) {
      PercentEncodeInto(Cp1251ToUtf8(entry), body);
      continue;
    }
    PercentEncodeInto(Cp1251ToUtf8(entry.substr(0, eq)), body);
    body += '=';
    PercentEncodeInto(Cp1251ToUtf8(entry.substr(eq + 1)), body);
  }
  return body;
}

bool FindMarker(std::string_view reply, std::string_view marker) {
  return marker.size() == 2 && reply.find(marker) != std::string_view::npos;
}

int ReadTailNumber(std::string_view reply) {
  if (reply.size() < 2) return -1;
  std::size_t dollar = reply.rfind('$', reply.size() - 2);
  if (dollar == std::string_view::npos) return -1;
  std::size_t end = dollar + 1;
  while (end < reply.size() && IsDigit(reply[end]))
    ++end;
  std::optional<std::int32_t> number = ParseClubInt(reply.substr(dollar + 1, end - dollar - 1));
  return number ? *number : -1;
}

const std::string& ClubRecord::Token(std::size_t number) const {
  static const std::string kEmpty;
  return number >= 1 && number <= Tokens.size() ? Tokens[number - 1] : kEmpty;
}

std::vector<ClubRecord> ReadRecords(std::string_view reply, char terminator, char separator,
                                    int limit) {
  std::vector<ClubRecord> records;
  std::size_t from = 0;
  while (static_cast<int>(records.size()) < limit) {
    std::size_t dollar = reply.find('$', from);
    if (dollar == std::string_view::npos || dollar + 1 >= reply.size()) break;
    std::size_t end = reply.find(terminator, dollar + 1);
    if (end == std::string_view::npos) end = reply.size();
    std::string_view text = reply.substr(dollar + 1, end - dollar - 1);
    ClubRecord record;
    std::size_t start = 0;
    for (;;) {
      std::size_t sep = text.find(separator, start);
      if (sep == std::string_view::npos) {
        record.Tokens.emplace_back(text.substr(start));
        break;
      }
      record.Tokens.emplace_back(text.substr(start, sep - start));
      start = sep + 1;
    }
    records.push_back(std::move(record));
    from = dollar + 1;
  }
  return records;
}

std::optional<std::int32_t> ParseClubInt(std::string_view token) {
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  if (token.empty() || token.front() == '+') return std::nullopt;
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
  return value;
}

std::string FormatClubDecimal(double value) {
  if (!std::isfinite(value) || std::fabs(value) < 0.00001) return "0";
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  std::string out(text);
  for (char& c : out)
    if (c == ',') c = '.';
  return out;
}

std::optional<double> ReadClubDecimal(std::string_view token) {
  if (token.empty()) return 0.0;
  std::string text(token);
  for (char& c : text) {
    if (!IsDigit(c) && c != ' ' && c != '-') {
      c = '.';
      break;
    }
  }
  // Surrounding spaces are allowed, as the platform conversion trims them.
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  std::size_t last = text.find_last_not_of(' ');
  std::string_view core = std::string_view(text).substr(first, last - first + 1);
  double value = 0;
  auto [end, error] = std::from_chars(core.data(), core.data() + core.size(), value);
  if (error != std::errc() || end != core.data() + core.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

bool ReadReportReply(std::string_view reply) {
  if (reply.size() < 2) return false;
  std::size_t dollar = reply.rfind('$', reply.size() - 2);
  if (dollar == std::string_view::npos) return false;
  std::string_view rest = reply.substr(dollar + 1);
  rest = rest.substr(0, rest.find('#'));
  return rest.size() >= 3 && rest.substr(1, 2) == "ok";
}

std::optional<std::string> DirectoryValue(std::string_view directory, std::string_view key) {
  std::size_t at = directory.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t start = at + key.size() + 1;
  if (start > directory.size()) return std::nullopt;
  std::size_t end = directory.find('#', start);
  if (end == std::string_view::npos) return std::nullopt;
  return std::string(directory.substr(start, end - start));
}

}  // namespace tarnel
