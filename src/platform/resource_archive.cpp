#include "platform/resource_archive.h"

#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include <cstdio>

namespace tarnel {

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::vector<std::string_view> KindExtensions(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::Png:
      return {".png"};
    case ResourceKind::Jpeg:
      return {".jpg", ".jpeg"};
    case ResourceKind::Gif:
      return {".gif"};
    case ResourceKind::Wave:
      return {".wav"};
    case ResourceKind::Any:
      break;
  }
  return {};
}

ResourceArchive::ResourceArchive(zip* archive) : archive_(archive) {
  zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    if (!name) continue;
    names_.emplace_back(name);
    // The first of two names that differ only in case wins, as a case-blind lookup must pick one.
    indexByLowerName_.emplace(AsciiLower(name), i);
  }
}

ResourceArchive::~ResourceArchive() {
  zip_discard(archive_);
}

std::unique_ptr<ResourceArchive> ResourceArchive::Open(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return nullptr;
  int error = 0;
  zip* archive = zip_open(file.c_str(), ZIP_RDONLY, &error);
  if (!archive) return nullptr;
  return std::unique_ptr<ResourceArchive>(new ResourceArchive(archive));
}

std::unique_ptr<ResourceArchive> ResourceArchive::OpenMemory(ByteView data) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(data.data(), data.size(), 0, &error);
  if (!source) {
    zip_error_fini(&error);
    return nullptr;
  }
  zip* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(source);
    return nullptr;
  }
  return std::unique_ptr<ResourceArchive>(new ResourceArchive(archive));
}

std::optional<std::string> ResourceArchive::FindFile(std::string_view resourceName,
                                                     ResourceKind kind) const {
  std::string lower = AsciiLower(resourceName);
  for (auto ext : KindExtensions(kind)) {
    auto it = indexByLowerName_.find(lower + std::string(ext));
    if (it != indexByLowerName_.end()) return names_[static_cast<std::size_t>(it->second)];
  }
  auto it = indexByLowerName_.find(lower);
  if (it != indexByLowerName_.end()) return names_[static_cast<std::size_t>(it->second)];
  return std::nullopt;
}

std::optional<Bytes> ResourceArchive::ReadFile(std::string_view fileName) const {
  auto it = indexByLowerName_.find(AsciiLower(fileName));
  if (it == indexByLowerName_.end()) return std::nullopt;
  auto index = static_cast<zip_uint64_t>(it->second);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, index, 0, &stat) != 0) return std::nullopt;
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > kMaxResourceBytes) return std::nullopt;
  zip_file_t* file = zip_fopen_index(archive_, index, 0);
  if (!file) return std::nullopt;
  Bytes data;
  // The stored size may lie; read in pieces and stop at the limit whatever it says.
  std::uint8_t chunk[64 * 1024];
  bool ok = true;
  for (;;) {
    zip_int64_t n = zip_fread(file, chunk, sizeof chunk);
    if (n < 0) {
      ok = false;
      break;
    }
    if (n == 0) break;
    if (data.size() + static_cast<std::size_t>(n) > kMaxResourceBytes) {
      ok = false;
      break;
    }
    data.insert(data.end(), chunk, chunk + n);
  }
  if (zip_fclose(file) != 0) ok = false;  // a CRC mismatch shows up here
  if (!ok) return std::nullopt;
  return data;
}

std::optional<Bytes> ResourceArchive::Read(std::string_view resourceName, ResourceKind kind) const {
  auto file = FindFile(resourceName, kind);
  if (!file) return std::nullopt;
  return ReadFile(*file);
}

namespace {

bool SyncFile(const std::filesystem::path& file) {
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool WriteResourceArchive(const std::filesystem::path& file,
                          const std::vector<ArchiveEntry>& entries) {
  std::filesystem::path temp = file;
  temp += ".part";
  std::error_code ec;
  std::filesystem::remove(temp, ec);
  int error = 0;
  zip* archive = zip_open(temp.c_str(), ZIP_CREATE | ZIP_EXCL, &error);
  if (!archive) return false;
  bool ok = true;
  for (const auto& entry : entries) {
    zip_source_t* source = zip_source_buffer(archive, entry.Data.data(), entry.Data.size(), 0);
    if (!source) {
      ok = false;
      break;
    }
    zip_int64_t index = zip_file_add(archive, entry.FileName.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      ok = false;
      break;
    }
    // Pictures are compressed already; storing them keeps reading fast.
    std::string lower = AsciiLower(entry.FileName);
    bool packed = lower.ends_with(".png") || lower.ends_with(".jpg") || lower.ends_with(".gif");
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                             packed ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
  }
  if (!ok) {
    zip_discard(archive);
    std::filesystem::remove(temp, ec);
    return false;
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    std::filesystem::remove(temp, ec);
    return false;
  }
  if (!SyncFile(temp)) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  SyncFolder(file.parent_path());
  return true;
}

}  // namespace tarnel
