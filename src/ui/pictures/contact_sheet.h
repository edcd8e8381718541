// A contact sheet of a resource library: every picture with its name and size, for looking at
// a library (the program's own included) as a whole.
#pragma once

#include <filesystem>
#include <string>

#include "platform/resource_archive.h"

namespace tarnel {

// Draws the sheet and writes it as PNG. Needs no display (Qt's offscreen platform is used when
// no application exists yet). False with `error` set when nothing could be written.
bool WriteContactSheet(const ResourceArchive& library, const std::filesystem::path& out,
                       std::string& error);

}  // namespace tarnel
