#include <gtest/gtest.h>

#include <fstream>

#include "platform/file_system_test_support.h"
#include "platform/resource_library.h"

namespace tarnel {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
  fs::path Path;
  TempFolder() {
    char pattern[] = "/tmp/tarnel-archive-XXXXXX";
    Path = mkdtemp(pattern);
  }
  ~TempFolder() { fs::remove_all(Path); }
};

Bytes ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& file, const Bytes& data) {
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

std::vector<ArchiveEntry> SampleEntries() {
  Picture p(3, 2, Rgb(10, 20, 30), ColourType::Rgb);
  return {
      {"Pi3QOldB.png", EncodePng(p)}, {"FonG.jpg", EncodeJpeg(p)}, {"WTasoKo.wav", Bytes(300, 7)}};
}

TEST(ResourceArchive, FindsResourcesByKindWithoutRegardToCase) {
  TempFolder dir;
  ASSERT_TRUE(WriteResourceArchive(dir.Path / "lib.dll", SampleEntries()));
  auto archive = ResourceArchive::Open(dir.Path / "lib.dll");
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->FileNames().size(), 3u);
  EXPECT_EQ(archive->FindFile("pi3qoldb", ResourceKind::Png), "Pi3QOldB.png");
  EXPECT_EQ(archive->FindFile("FONG", ResourceKind::Jpeg), "FonG.jpg");
  EXPECT_EQ(archive->FindFile("FonG", ResourceKind::Png), std::nullopt);
  EXPECT_EQ(archive->FindFile("wtasoko.WAV", ResourceKind::Any), "WTasoKo.wav");
  auto wave = archive->Read("WTASOKO", ResourceKind::Wave);
  ASSERT_TRUE(wave);
  EXPECT_EQ(*wave, Bytes(300, 7));
  auto png = ReadPng(*archive, "PI3QOLDB");
  ASSERT_TRUE(png);
  EXPECT_EQ(png->At(2, 1), Rgb(10, 20, 30));
  EXPECT_FALSE(ReadPng(*archive, "FonG"));
}

TEST(ResourceArchive, DamagedArchivesAndEntriesFailCleanly) {
  TempFolder dir;
  ASSERT_TRUE(WriteResourceArchive(dir.Path / "lib.dll", SampleEntries()));
  Bytes good = ReadAll(dir.Path / "lib.dll");
  EXPECT_FALSE(ResourceArchive::Open(dir.Path / "missing.dll"));
  EXPECT_FALSE(ResourceArchive::OpenMemory(Bytes{'P', 'K', 3, 4, 0, 0}));
  EXPECT_FALSE(ResourceArchive::OpenMemory(Bytes(good.begin(), good.begin() + good.size() / 2)));

  // A changed byte inside the stored PNG: the archive's checksum refuses it.
  Bytes bad = good;
  const Bytes signature{0x89, 'P', 'N', 'G'};
  auto at = std::search(bad.begin(), bad.end(), signature.begin(), signature.end());
  ASSERT_NE(at, bad.end());
  *(at + 20) ^= 0x01;
  auto archive = ResourceArchive::OpenMemory(bad);
  ASSERT_TRUE(archive);
  EXPECT_FALSE(archive->Read("Pi3QOldB", ResourceKind::Png));
  EXPECT_TRUE(archive->Read("WTasoKo", ResourceKind::Wave));

  for (std::size_t i = 0; i < good.size(); i += 3) {
    Bytes damaged = good;
    damaged[i] ^= 0xA5;
    if (auto a = ResourceArchive::OpenMemory(damaged)) {
      for (const auto& name : a->FileNames())
        (void)a->ReadFile(name);
    }
  }
}

TEST(ResourceArchive, RewriteReplacesWholeFileAndAFailedWriteLeavesNothing) {
  TempFolder dir;
  fs::path file = dir.Path / "lib.dll";
  ASSERT_TRUE(WriteResourceArchive(file, SampleEntries()));
  ASSERT_TRUE(WriteResourceArchive(file, {{"Only.png", Bytes(10, 1)}}));
  auto archive = ResourceArchive::Open(file);
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->FileNames(), std::vector<std::string>{"Only.png"});
  EXPECT_FALSE(WriteResourceArchive(dir.Path / "no-such-folder" / "lib.dll", SampleEntries()));
  EXPECT_FALSE(WriteResourceArchive(file, {}));
  testing::FaultyFileSystem failing;
  failing.FailWrites = true;
  EXPECT_FALSE(WriteResourceArchive(failing, file, SampleEntries()));
  EXPECT_EQ(failing.WriteAttempts, 1);
  archive = ResourceArchive::Open(file);
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->FileNames(), std::vector<std::string>{"Only.png"});
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), fs::directory_iterator()), 1);
}

TEST(ResourceArchive, RewriteKeepsALinkedLibraryLinked) {
  TempFolder dir;
  fs::create_directory(dir.Path / "shared");
  ASSERT_TRUE(WriteResourceArchive(dir.Path / "shared" / "lib.dll", SampleEntries()));
  fs::create_symlink("shared/lib.dll", dir.Path / "lib.dll");
  ASSERT_TRUE(WriteResourceArchive(dir.Path / "lib.dll", {{"Only.png", Bytes(10, 1)}}));
  EXPECT_TRUE(fs::is_symlink(dir.Path / "lib.dll"));
  auto archive = ResourceArchive::Open(dir.Path / "shared" / "lib.dll");
  ASSERT_TRUE(archive);
  EXPECT_EQ(archive->FileNames(), std::vector<std::string>{"Only.png"});
}

TEST(ResourceLocator, ProgramFolderFirstThenItsParentAnyCase) {
  TempFolder dir;
  fs::path program = dir.Path / "Tarnel";
  fs::create_directory(program);
  ResourceLocator locator{program};
  Picture own(2, 2, Rgb(1, 1, 1), ColourType::Rgb), parent(2, 2, Rgb(2, 2, 2), ColourType::Rgb),
      local(2, 2, Rgb(3, 3, 3), ColourType::Rgb);
  ASSERT_TRUE(WriteResourceArchive(program / kBuiltinLibrary, {{"X.png", EncodePng(own)}}));
  ASSERT_TRUE(WriteResourceArchive(dir.Path / "qelcards06a.DLL", {{"X.png", EncodePng(parent)}}));

  Picture got(1, 1, Rgb(9, 9, 9));
  EXPECT_TRUE(LoadPngResource(locator, "x", "", got));
  EXPECT_EQ(got.At(0, 0), Rgb(1, 1, 1));
  EXPECT_TRUE(LoadPngResource(locator, "X", "QelCards06A.dll", got));
  EXPECT_EQ(got.At(0, 0), Rgb(2, 2, 2));
  ASSERT_TRUE(WriteResourceArchive(program / "QelCards06A.dll", {{"X.png", EncodePng(local)}}));
  EXPECT_TRUE(LoadPngResource(locator, "X", "QelCards06A.dll", got));
  EXPECT_EQ(got.At(0, 0), Rgb(3, 3, 3));

  // Failures leave the target untouched.
  Picture before = got;
  EXPECT_FALSE(LoadPngResource(locator, "X", "QelCards06C.dll", got));
  EXPECT_FALSE(LoadPngResource(locator, "Y", "QelCards06A.dll", got));
  EXPECT_FALSE(LoadPngResource(locator, "X", "../Tarnel/Tarnel.res", got));
  Animation anim;
  EXPECT_FALSE(LoadGifResource(locator, "X", "", anim));
  EXPECT_EQ(got, before);
  WriteAll(program / "QelCards06B.dll", Bytes{'M', 'Z', 0, 0});
  EXPECT_TRUE(locator.LibraryPresent("QelCards06B.dll"));
  EXPECT_FALSE(locator.OpenLibrary("QelCards06B.dll"));
}

}  // namespace
}  // namespace tarnel
