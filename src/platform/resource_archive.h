// A resource library: a zip archive holding one file per named resource ("Pi3QOldB.png",
// "FonG.jpg", "GifMenu1.gif", "WTasoKo.wav"). Names match without regard to case.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/picture_codecs.h"

struct zip;

namespace tarnel {

enum class ResourceKind { Png, Jpeg, Gif, Wave, Midi, Any };

class ResourceArchive {
 public:
  // nullptr when the file is missing or is not a readable zip archive.
  static std::unique_ptr<ResourceArchive> Open(const std::filesystem::path& file);
  // The archive in memory; `data` must outlive the archive.
  static std::unique_ptr<ResourceArchive> OpenMemory(ByteView data);
  ~ResourceArchive();
  ResourceArchive(const ResourceArchive&) = delete;
  ResourceArchive& operator=(const ResourceArchive&) = delete;

  // Stored file names, in archive order.
  const std::vector<std::string>& FileNames() const { return names_; }
  // The stored file for a resource name of a kind: "pi3qoldb" as Png finds "Pi3QOldB.png"; the
  // bare name is tried when no file carries the kind's extension.
  std::optional<std::string> FindFile(std::string_view resourceName, ResourceKind kind) const;
  // The bytes of a stored file (exact name, any case); nullopt when absent, damaged or larger
  // than kMaxResourceBytes.
  std::optional<Bytes> ReadFile(std::string_view fileName) const;
  std::optional<Bytes> Read(std::string_view resourceName, ResourceKind kind) const;

  static constexpr std::uint64_t kMaxResourceBytes = 64ull * 1024 * 1024;

 private:
  explicit ResourceArchive(zip* archive);
  zip* archive_;
  std::vector<std::string> names_;
  std::map<std::string, std::int64_t> indexByLowerName_;
};

struct ArchiveEntry {
  std::string FileName;
  Bytes Data;
};

// Writes a whole archive with FileSystem::ReplaceFile, so a failure never leaves half an archive.
// Returns false (and the old file stays) on failure.
bool WriteResourceArchive(FileSystem& fs, const std::filesystem::path& file,
                          const std::vector<ArchiveEntry>& entries);
// The same on the real disk.
bool WriteResourceArchive(const std::filesystem::path& file,
                          const std::vector<ArchiveEntry>& entries);

// The file name extension(s) of a kind, lower case with the dot.
std::vector<std::string_view> KindExtensions(ResourceKind kind);
std::string AsciiLower(std::string_view text);

}  // namespace tarnel
