// Whole-file replacement that never leaves a half-written file behind.
#pragma once

#include <filesystem>
#include <string_view>

namespace tarnel {

// Writes `bytes` to a new file beside `file`, flushes it to disk and renames it over `file`.
// False (and `file` untouched) when any step fails, or when `file` exists but may not be written:
// such a file counts as read-only and is left alone.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tarnel
