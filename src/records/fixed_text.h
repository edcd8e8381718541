// Fixed-width text fields shared by the club and history files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel::fixed {

// Lines ended by CR LF (a bare LF is accepted too); a last line without an ending counts.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// text cut to width, or padded with spaces on the right.
std::string Left(std::string_view text, std::size_t width);
// text right-aligned with spaces in width (longer text is kept whole).
std::string Right(std::string_view text, std::size_t width);
// A whole number right-aligned in width, clamped to the largest and smallest values that fit.
std::string Number(long long value, std::size_t width);

// A decimal number with optional spaces around it and an optional sign; nothing else.
std::optional<long long> ParseNumber(std::string_view text);
// A decimal fraction written with a comma (or a point), spaces around it allowed.
std::optional<double> ParseDecimal(std::string_view text);

// Control characters would break the line structure of the files: they become spaces.
std::string Printable(std::string_view text);

// Positions from..to (counted from 1) of a line known to be long enough.
inline std::string_view Field(std::string_view line, std::size_t from, std::size_t to) {
  return line.substr(from - 1, to - from + 1);
}

}  // namespace tarnel::fixed
