// Where resource libraries are found and the helpers that fetch one picture by name.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/resource_archive.h"

namespace tarnel {

// The program's own pictures: generated at build time and laid beside the executable.
inline constexpr const char* kBuiltinLibrary = "Tarnel.res";

struct ResourceLocator {
  std::filesystem::path ProgramFolder;

  // A library file by its bare name in the program folder, then in the folder above it, the
  // name matched without regard to case; nullopt when neither holds it.
  std::optional<std::filesystem::path> FindLibrary(std::string_view libraryFile) const;
  // The opened library; an empty name opens the program's own resources. nullptr when the file
  // is missing or damaged.
  std::unique_ptr<ResourceArchive> OpenLibrary(std::string_view libraryFile) const;
  bool LibraryPresent(std::string_view libraryFile) const {
    return FindLibrary(libraryFile).has_value();
  }
};

// The folder of the running executable (its own resources and libraries lie there).
std::filesystem::path ExecutableFolder();

// Decoding helpers on an opened library: nullopt when the resource is absent or damaged.
std::optional<Picture> ReadPng(const ResourceArchive& library, std::string_view name);
std::optional<Picture> ReadJpeg(const ResourceArchive& library, std::string_view name);
std::optional<Animation> ReadGif(const ResourceArchive& library, std::string_view name);

// Each opens the library (empty name: the program's own resources), reads one resource and
// closes the library again. False, with the target untouched, when the library cannot be opened
// or the resource is absent or damaged.
bool LoadPngResource(const ResourceLocator& locator, std::string_view resourceName,
                     std::string_view libraryFile, Picture& picture);
bool LoadJpegResource(const ResourceLocator& locator, std::string_view resourceName,
                      std::string_view libraryFile, Picture& picture);
bool LoadGifResource(const ResourceLocator& locator, std::string_view resourceName,
                     std::string_view libraryFile, Animation& animation);

}  // namespace tarnel
