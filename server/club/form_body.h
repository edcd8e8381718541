// Request bodies of the club scripts. Two styles reach the server: raw Windows-1251 name=value
// pairs joined by "&" (values unescaped), and percent-encoded UTF-8 entries with an empty entry
// between every two fields. A body with an empty entry is the encoded style; a one-field encoded
// body reads the same either way, since its names and numbers are plain ASCII.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnel::server {

struct FormFields {
  std::vector<std::pair<std::string, std::string>> Entries;  // Windows-1251, in body order

  // The first value of `name`, if present.
  const std::string* Find(std::string_view name) const;
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
};

// Nothing when the body is not a form: a NUL byte, a bad percent escape, an entry without "=" in
// the raw style, or more fields than any request has.
std::optional<FormFields> ParseFormBody(std::string_view body);

}  // namespace tarnel::server
