// A contact sheet of a resource library: every picture with its name and size, for looking at
// a library (the program's own included) as a whole.
#pragma once

#include <filesystem>
#include <string>

#include "platform/resource_archive.h"

namespace tarnel {

// Draws the sheet and writes it as PNG. The caller creates the QGuiApplication (any platform:
// tarnel-lab uses the offscreen one, so no display is needed). False with `error` set when
// nothing could be written, also when there is no application.
bool WriteContactSheet(const ResourceArchive& library, const std::filesystem::path& out,
                       std::string& error);

}  // namespace tarnel
