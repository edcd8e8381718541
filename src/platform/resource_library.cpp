#include "platform/resource_library.h"

#include <unistd.h>

namespace tarnel {
namespace {

std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder,
                                                  std::string_view fileName) {
  std::error_code ec;
  auto exact = folder / std::string(fileName);
  if (std::filesystem::is_regular_file(exact, ec)) return exact;
  std::string wanted = AsciiLower(fileName);
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (AsciiLower(it->path().filename().string()) == wanted &&
        std::filesystem::is_regular_file(it->path(), ec))
      return it->path();
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> ResourceLocator::FindLibrary(
    std::string_view libraryFile) const {
  if (libraryFile.empty()) libraryFile = kBuiltinLibrary;
  // A library is a bare file name; anything with a folder in it is not ours to open.
  if (libraryFile.find('/') != std::string_view::npos || libraryFile == "." || libraryFile == "..")
    return std::nullopt;
  if (auto found = FindInFolder(ProgramFolder, libraryFile)) return found;
  auto parent = ProgramFolder.parent_path();
  if (!parent.empty() && parent != ProgramFolder) return FindInFolder(parent, libraryFile);
  return std::nullopt;
}

std::unique_ptr<ResourceArchive> ResourceLocator::OpenLibrary(std::string_view libraryFile) const {
  auto file = FindLibrary(libraryFile);
  if (!file) return nullptr;
  return ResourceArchive::Open(*file);
}

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return self.parent_path();
}

std::optional<Picture> ReadPng(const ResourceArchive& library, std::string_view name) {
  auto bytes = library.Read(name, ResourceKind::Png);
  if (!bytes) return std::nullopt;
  return DecodePng(*bytes);
}

std::optional<Picture> ReadJpeg(const ResourceArchive& library, std::string_view name) {
  auto bytes = library.Read(name, ResourceKind::Jpeg);
  if (!bytes) return std::nullopt;
  return DecodeJpeg(*bytes);
}

std::optional<Animation> ReadGif(const ResourceArchive& library, std::string_view name) {
  auto bytes = library.Read(name, ResourceKind::Gif);
  if (!bytes) return std::nullopt;
  return DecodeGif(*bytes);
}

namespace {

template <typename T, typename Reader>
bool LoadResource(const ResourceLocator& locator, std::string_view resourceName,
                  std::string_view libraryFile, T& target, Reader read) {
  auto library = locator.OpenLibrary(libraryFile);
  if (!library) return false;
  auto value = read(*library, resourceName);
  if (!value) return false;
  target = std::move(*value);
  return true;
}

}  // namespace

bool LoadPngResource(const ResourceLocator& locator, std::string_view resourceName,
                     std::string_view libraryFile, Picture& picture) {
  return LoadResource(locator, resourceName, libraryFile, picture, ReadPng);
}

bool LoadJpegResource(const ResourceLocator& locator, std::string_view resourceName,
                      std::string_view libraryFile, Picture& picture) {
  return LoadResource(locator, resourceName, libraryFile, picture, ReadJpeg);
}

bool LoadGifResource(const ResourceLocator& locator, std::string_view resourceName,
                     std::string_view libraryFile, Animation& animation) {
  return LoadResource(locator, resourceName, libraryFile, animation, ReadGif);
}

}  // namespace tarnel
