// Width and height of a baseline or progressive JPEG, read from its frame header; nothing for
// anything that is not a well-formed JPEG start.
#pragma once

#include <optional>
#include <string_view>
#include <utility>

namespace tarnel::server {

std::optional<std::pair<int, int>> JpegSize(std::string_view bytes);

}  // namespace tarnel::server
