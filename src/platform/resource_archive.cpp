#include "platform/resource_archive.h"

#include <zip.h>

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
    case ResourceKind::Midi:
      return {".mid"};
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

// The whole archive, built in memory; nullopt when libzip refuses any part of it.
std::optional<Bytes> BuildArchive(const std::vector<ArchiveEntry>& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_error_fini(&error);
  if (!buffer) return std::nullopt;
  // The buffer outlives the archive: its bytes are read after zip_close.
  zip_source_keep(buffer);
  zip* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
  if (!archive) {
    zip_source_free(buffer);
    zip_source_free(buffer);
    return std::nullopt;
  }
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
  if (!ok || zip_close(archive) != 0) {
    zip_discard(archive);
    zip_source_free(buffer);
    return std::nullopt;
  }

  std::optional<Bytes> bytes;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
      zip_source_open(buffer) == 0) {
    Bytes data(static_cast<std::size_t>(stat.size));
    if (zip_source_read(buffer, data.data(), data.size()) == static_cast<zip_int64_t>(data.size()))
      bytes = std::move(data);
    zip_source_close(buffer);
  }
  zip_source_free(buffer);
  // libzip writes nothing for an archive without entries; there is no library to lay down then.
  if (bytes && bytes->empty()) return std::nullopt;
  return bytes;
}

}  // namespace

bool WriteResourceArchive(FileSystem& fs, const std::filesystem::path& file,
                          const std::vector<ArchiveEntry>& entries) {
  std::optional<Bytes> bytes = BuildArchive(entries);
  if (!bytes) return false;
  return fs
      .ReplaceFile(file,
                   std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()))
      .Ok();
}

bool WriteResourceArchive(const std::filesystem::path& file,
                          const std::vector<ArchiveEntry>& entries) {
  return WriteResourceArchive(RealFileSystem(), file, entries);
}

}  // namespace tarnel
