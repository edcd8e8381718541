#include "form_body.h"

#include "core/cp1251.h"

namespace tarnel::server {
namespace {

constexpr std::size_t kMaxFields = 64;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '+') {
      out += ' ';
    } else if (c == '%') {
      int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
      int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
      if (high < 0 || low < 0) return std::nullopt;
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += c;
    }
  }
  if (out.find('\0') != std::string::npos) return std::nullopt;
  return Utf8ToCp1251(out);
}

}  // namespace

const std::string* FormFields::Find(std::string_view name) const {
  for (const auto& [n, v] : Entries)
    if (n == name) return &v;
  return nullptr;
}

std::optional<FormFields> ParseFormBody(std::string_view body) {
  if (body.find('\0') != std::string_view::npos) return std::nullopt;
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t amp = body.find('&', start);
    parts.push_back(body.substr(start, amp == std::string_view::npos ? amp : amp - start));
    if (amp == std::string_view::npos) break;
    start = amp + 1;
    if (parts.size() > 2 * kMaxFields + 1) return std::nullopt;
  }
  bool encoded = false;
  for (std::string_view p : parts)
    if (p.empty()) encoded = true;

  FormFields fields;
  for (std::string_view p : parts) {
    if (p.empty()) continue;
    std::size_t eq = p.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string name, value;
    if (encoded) {
      std::optional<std::string> n = PercentDecode(p.substr(0, eq));
      std::optional<std::string> v = PercentDecode(p.substr(eq + 1));
      if (!n || !v) return std::nullopt;
      name = std::move(*n);
      value = std::move(*v);
    } else {
      name = std::string(p.substr(0, eq));
      value = std::string(p.substr(eq + 1));
    }
    if (name.empty()) return std::nullopt;
    fields.Entries.emplace_back(std::move(name), std::move(value));
    if (fields.Entries.size() > kMaxFields) return std::nullopt;
  }
  return fields;
}

}  // namespace tarnel::server
