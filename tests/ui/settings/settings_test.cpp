#include "ui/settings/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "club/address_cipher.h"
#include "platform/file_system_test_support.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

namespace fs = std::filesystem;

using Lines = std::array<std::string, kSettingsLineCount>;

std::string Join(const Lines& lines, int count = kSettingsLineCount, const char* end = "\r\n") {
  std::string bytes;
  for (int i = 0; i < count; ++i)
    bytes += (i < kSettingsLineCount ? lines[i] : "extra") + end;
  return bytes;
}

// Settings read from `bytes` the way LoadSettings reads a file.
Settings Read(const std::string& bytes) {
  Settings s;
  SetSettingDefaults(s);
  ReadSettings(bytes, s);
  return s;
}

// Every setting away from its default, each inside its range.
Settings Changed() {
  Settings s;
  s.LanguageIndex = 9;
  s.SoundOn = false;
  s.MusicOn = true;
  s.AnimationsOn = false;
  s.FlyCards = false;
  s.ClubDisplay = 2;
  s.NetworkMode = true;
  s.OwnCursor = false;
  s.FlySpeed = 6;
  s.WindowMode = 5;
  s.UniqueStartReported = false;
  s.Liked = false;
  s.RadioFromServer = false;
  s.CaptionScheme = 7;
  s.NewButtons = true;
  s.PurpleDialogs = true;
  s.DialogDesign = 3;
  s.MainMenuDesign = 1;
  s.TableDesign = 1;
  s.SaluteButtons = false;
  s.SaluteCards = false;
  s.CardDesign = 47;
  s.BackSet = 12;
  s.AlwaysOneBack = true;
  s.HandSizeOption = 10;
  s.LargeFont = "Arial";
  s.SmallFont = "Times New Roman";
  s.SpecialFont1 = "Terminus";
  s.SpecialFont2 = "Liberation Mono";
  s.LargeFontScale = 50;
  s.SmallFontScale = 150;
  s.SpecialFont1Scale = 75;
  s.SpecialFont2Scale = 125;
  s.ServerAddress = "192.168.1.20";
  s.ServerPort = "30000";
  s.BackgroundIndex = 10;
  s.BackgroundColour = 6;
  s.LastTypedName = "\xC8\xE2\xE0\xED";  // a Cyrillic name in Windows-1251
  s.BoardAddress = EncipherAddress("http://example.org/b.php", kBoardAddressKey);
  s.BoardAddressPlain = "http://example.org/b.php";
  s.StatAddress = EncipherAddress("http://example.org/s.php", kStatAddressKey);
  s.StatAddressPlain = "http://example.org/s.php";
  s.PassportNick = "Tester";
  s.PassportCountry = "6-054";
  s.PassportCity = "Cairo";
  s.PassportSex = "W";
  s.SaveGif = true;
  s.GifSource = 2;
  s.GifDelay = 5000;
  return s;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tarnel_settings_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    file_ = SettingsPath(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  std::string FileBytes() const {
    std::ifstream in(file_, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void WriteFile(const std::string& bytes) const {
    std::ofstream(file_, std::ios::binary) << bytes;
  }
  fs::path folder_;
  fs::path file_;
};

TEST(SettingsFormat, DefaultFileLinesAreExact) {
  Lines lines = SettingsLines(Settings());
  EXPECT_EQ(lines[0], "<# General>");
  EXPECT_EQ(lines[1], "011110141RL010020011");
  EXPECT_EQ(lines[3], "0");
  EXPECT_EQ(lines[5], "000");
  EXPECT_EQ(lines[7], "0#####");
  EXPECT_EQ(lines[9], "Comic Sans MS");
  EXPECT_EQ(lines[12], "Courier New");
  EXPECT_EQ(lines[13], "100");
  EXPECT_EQ(lines[17], "<# IP & Port>");
  EXPECT_EQ(lines[18], "127.0.0.1");
  EXPECT_EQ(lines[19], "25666");
  EXPECT_EQ(lines[21], "020");
  EXPECT_EQ(lines[23], "");
  EXPECT_EQ(lines[25], BuiltInBoardAddress());
  EXPECT_EQ(lines[26], "");
  EXPECT_EQ(lines[30], BuiltInStatAddress());
  EXPECT_EQ(lines[31], "<# Save Games as GIF>");
  EXPECT_EQ(lines[32], "\xEB");
  EXPECT_EQ(lines[33], "1");
  EXPECT_EQ(lines[34], "1000");
  std::string bytes = SettingsFileBytes(Settings());
  EXPECT_EQ(bytes.size(), Join(lines).size());
  EXPECT_EQ(bytes.substr(0, 13), "<# General>\r\n");
}

TEST(SettingsFormat, EncodedLinesOfChangedSettings) {
  Settings s = Changed();
  Lines lines = SettingsLines(s);
  EXPECT_EQ(lines[1], "930021065##171131100");
  s.BackSet = 5;
  s.AlwaysOneBack = true;
  s.BackgroundIndex = 10;
  s.BackgroundColour = 3;
  s.LanguageIndex = 20;
  lines = SettingsLines(s);
  EXPECT_EQ(lines[5], "051");
  EXPECT_EQ(lines[7], "1#####");
  EXPECT_EQ(lines[21], "103");
  EXPECT_EQ(lines[32], "\xE8");
  EXPECT_EQ(lines[1][0], 'k');
}

TEST(SettingsFormat, SoundAndMusicShareOnePosition) {
  struct Case {
    char Code;
    bool Sound, Music;
  };
  for (Case c : {Case{'0', false, false}, Case{'1', true, true}, Case{'2', true, false},
                 Case{'3', false, true}}) {
    Settings s;
    s.SoundOn = c.Sound;
    s.MusicOn = c.Music;
    Lines lines = SettingsLines(s);
    EXPECT_EQ(lines[1][1], c.Code);
    Settings read = Read(Join(lines));
    EXPECT_EQ(read.SoundOn, c.Sound) << c.Code;
    EXPECT_EQ(read.MusicOn, c.Music) << c.Code;
  }
  Lines lines = SettingsLines(Settings());
  lines[1][1] = '7';
  Settings read = Read(Join(lines));
  EXPECT_TRUE(read.SoundOn && read.MusicOn);
}

TEST_F(SettingsFileTest, DefaultsRoundTrip) {
  ASSERT_EQ(SaveSettings(file_, Settings()).Outcome, SaveSettingsOutcome::kSaved);
  EXPECT_EQ(FileBytes(), SettingsFileBytes(Settings()));
  Settings loaded = Changed();
  LoadSettings(file_, loaded);
  // The empty name line stops the chain, so the passport and the addresses keep what they held.
  loaded.PassportNick = loaded.PassportCountry = loaded.PassportCity = loaded.PassportSex = "";
  loaded.BoardAddress = BuiltInBoardAddress();
  loaded.StatAddress = BuiltInStatAddress();
  loaded.SaluteButtons = loaded.SaluteCards = true;
  EXPECT_EQ(SettingsLines(loaded), SettingsLines(Settings()));
}

TEST_F(SettingsFileTest, EveryChangedSettingRoundTripsToTheSameBytes) {
  Settings changed = Changed();
  ASSERT_EQ(SaveSettings(file_, changed).Outcome, SaveSettingsOutcome::kSaved);
  std::string first = FileBytes();
  Settings loaded;
  LoadSettings(file_, loaded);
  EXPECT_EQ(SettingsLines(loaded), SettingsLines(changed));
  EXPECT_EQ(loaded.BoardAddressPlain, "http://example.org/b.php");
  EXPECT_EQ(loaded.StatAddressPlain, "http://example.org/s.php");
  ASSERT_EQ(SaveSettings(file_, loaded).Outcome, SaveSettingsOutcome::kSaved);
  EXPECT_EQ(FileBytes(), first);
}

TEST(SettingsRead, OnlyFilesOfAtLeast35LinesAreRead) {
  Lines lines = SettingsLines(Changed());
  EXPECT_EQ(SettingsLines(Read(Join(lines, 34))), SettingsLines(Read("")));
  EXPECT_EQ(Read(Join(lines, 34)).CardDesign, 0);
  EXPECT_EQ(SettingsLines(Read(Join(lines, 36))), lines);
  // The last line may lack its line end.
  std::string unterminated = Join(lines);
  unterminated.resize(unterminated.size() - 2);
  EXPECT_EQ(Read(unterminated).GifDelay, 5000);
}

TEST(SettingsRead, ShortGeneralStringSetsOnlyItsPositions) {
  Lines lines = SettingsLines(Changed());
  lines[1] = "93002106";
  Settings s = Read(Join(lines));
  EXPECT_EQ(s.LanguageIndex, 9);
  EXPECT_FALSE(s.SoundOn);
  EXPECT_TRUE(s.MusicOn);
  EXPECT_FALSE(s.AnimationsOn);
  EXPECT_FALSE(s.FlyCards);
  EXPECT_EQ(s.ClubDisplay, 2);
  EXPECT_TRUE(s.NetworkMode);
  EXPECT_FALSE(s.OwnCursor);
  EXPECT_EQ(s.FlySpeed, 6);
  EXPECT_EQ(s.WindowMode, 1);
  EXPECT_TRUE(s.UniqueStartReported);
  EXPECT_TRUE(s.Liked);
  EXPECT_TRUE(s.RadioFromServer);
  EXPECT_EQ(s.CaptionScheme, 1);
  EXPECT_EQ(s.DialogDesign, 2);
  // The rest of the file is still read.
  EXPECT_EQ(s.CardDesign, 47);
  EXPECT_EQ(s.GifDelay, 5000);
}

TEST(SettingsRead, LanguagePosition) {
  struct Case {
    char Code;
    int Language;
  };
  for (Case c :
       {Case{'7', 7}, Case{'a', 10}, Case{'k', 20}, Case{'l', 0}, Case{'#', 0}, Case{'K', 0}}) {
    Lines lines = SettingsLines(Settings());
    lines[1][0] = c.Code;
    EXPECT_EQ(Read(Join(lines)).LanguageIndex, c.Language) << c.Code;
  }
}

TEST(SettingsRead, TwoCharacterDecksLineStopsTheReading) {
  Lines lines = SettingsLines(Changed());
  lines[5] = "051";
  Settings s = Read(Join(lines));
  EXPECT_EQ(s.BackSet, 5);
  EXPECT_TRUE(s.AlwaysOneBack);

  lines[5] = "05";
  s = Read(Join(lines));
  EXPECT_EQ(s.CardDesign, 47);  // read before line 6
  EXPECT_EQ(s.BackSet, 0);
  EXPECT_EQ(s.HandSizeOption, 6);
  EXPECT_EQ(s.LargeFont, "Comic Sans MS");
  EXPECT_EQ(s.ServerAddress, "127.0.0.1");
  EXPECT_EQ(s.BackgroundIndex, 2);
  EXPECT_EQ(s.PassportNick, "");
  EXPECT_EQ(s.BoardAddress, BuiltInBoardAddress());
  EXPECT_FALSE(s.SaveGif);
  EXPECT_EQ(s.GifDelay, 1000);
}

TEST(SettingsRead, EmptyNameLineStopsBeforeThePassport) {
  Lines lines = SettingsLines(Changed());
  lines[23] = "";
  Settings s = Read(Join(lines));
  EXPECT_EQ(s.BackgroundIndex, 10);  // read before line 24
  EXPECT_EQ(s.LastTypedName, "");
  EXPECT_EQ(s.PassportNick, "");
  EXPECT_EQ(s.PassportCountry, "");
  EXPECT_EQ(s.BoardAddress, BuiltInBoardAddress());
  EXPECT_EQ(s.StatAddress, BuiltInStatAddress());
  EXPECT_FALSE(s.SaveGif);
  EXPECT_EQ(s.GifSource, 1);
}

TEST(SettingsRead, ChainStopsAtTheFirstShortLine) {
  struct Case {
    int Line;  // 1-based line made too short
    std::string Text;
    bool FontsRead, ScalesRead, ServerRead, BackgroundRead, NameRead;
  };
  const Case cases[] = {
      {11, "A", false, false, false, false, false}, {16, "", true, false, false, false, false},
      {18, "", true, true, false, false, false},    {20, "", true, true, false, false, false},
      {21, "", true, true, true, false, false},     {23, "", true, true, true, true, false},
  };
  for (const Case& c : cases) {
    Lines lines = SettingsLines(Changed());
    lines[c.Line - 1] = c.Text;
    Settings s = Read(Join(lines));
    SCOPED_TRACE("line " + std::to_string(c.Line));
    EXPECT_EQ(s.SpecialFont2 == "Liberation Mono", c.FontsRead);
    EXPECT_EQ(s.SpecialFont2Scale == 125, c.ScalesRead);
    EXPECT_EQ(s.ServerPort == "30000", c.ServerRead);
    EXPECT_EQ(s.BackgroundColour == 6, c.BackgroundRead);
    EXPECT_EQ(s.LastTypedName.empty(), !c.NameRead);
    EXPECT_EQ(s.GifDelay, 1000);
  }
}

TEST(SettingsRead, CountryCodes) {
  struct Case {
    std::string Code;
    std::string Country;  // after reading
    bool ChainGoesOn;
  };
  const Case cases[] = {
      {"6-054", "6-054", true},   {"1-048", "1-048", true}, {"7-001", "1-001", true},
      {"1-049", "1-001", true},   {"6-055", "1-001", true}, {"0-001", "1-001", true},
      {"1-0a1", "1-001", true},   {"1+001", "1-001", true}, {"1-01", "1-001", false},
      {"1-0011", "1-001", false},
  };
  for (const Case& c : cases) {
    Lines lines = SettingsLines(Changed());
    lines[27] = c.Code;
    Settings s = Read(Join(lines));
    SCOPED_TRACE(c.Code);
    EXPECT_EQ(s.PassportCountry, c.Country);
    EXPECT_EQ(s.PassportNick, "Tester");
    EXPECT_EQ(s.PassportCity, c.ChainGoesOn ? "Cairo" : "Moscow");
    EXPECT_EQ(s.PassportSex, c.ChainGoesOn ? "W" : "M");
    EXPECT_EQ(s.StatAddress, c.ChainGoesOn ? Changed().StatAddress : BuiltInStatAddress());
    EXPECT_EQ(s.SaveGif, c.ChainGoesOn);
  }
}

TEST(SettingsRead, SexLettersAndPassportLengths) {
  for (auto [letter, sex] :
       {std::pair{"W", "W"}, {"M", "M"}, {"w", "M"}, {"X", "M"}, {"Wo", "W"}}) {
    Lines lines = SettingsLines(Changed());
    lines[29] = letter;
    EXPECT_EQ(Read(Join(lines)).PassportSex, sex) << letter;
  }
  Lines lines = SettingsLines(Changed());
  lines[26] = "ABCDEFGHIJKLMNOP";
  lines[28] = "0123456789ABCDEFGHIJ";
  Settings s = Read(Join(lines));
  EXPECT_EQ(s.PassportNick, "ABCDEFGHIJKL");
  EXPECT_EQ(s.PassportCity, "0123456789ABCDE");
}

TEST(SettingsRead, AddressLinesReplaceTheAddressOnlyWhenTheyDecipher) {
  Lines lines = SettingsLines(Changed());
  lines[25] = "not an address";
  lines[30] = "AbC";
  Settings s = Read(Join(lines));
  EXPECT_EQ(s.BoardAddress, BuiltInBoardAddress());
  EXPECT_EQ(s.BoardAddressPlain, AddressCipher(BuiltInBoardAddress(), kBoardAddressKey));
  EXPECT_EQ(s.StatAddress, BuiltInStatAddress());
  EXPECT_EQ(s.PassportCity, "Cairo");  // the chain goes on
  EXPECT_TRUE(s.SaveGif);
}

TEST(SettingsRead, DamagedFilesLeaveSensibleValues) {
  Lines good = SettingsLines(Changed());

  // Line feeds without carriage returns read like the real thing.
  EXPECT_EQ(SettingsLines(Read(Join(good, 35, "\n"))), good);

  // Numbers that are not numbers, or out of range, keep their defaults; the rest is read.
  Lines numbers = good;
  numbers[3] = "x7";
  numbers[13] = "1e2";
  numbers[14] = "151";
  numbers[21] = "9z9";
  numbers[33] = "";
  numbers[34] = "-100";
  Settings s = Read(Join(numbers));
  EXPECT_EQ(s.CardDesign, 0);
  EXPECT_EQ(s.LargeFontScale, 100);
  EXPECT_EQ(s.SmallFontScale, 100);
  EXPECT_EQ(s.SpecialFont1Scale, 75);
  EXPECT_EQ(s.BackgroundIndex, 2);
  EXPECT_EQ(s.BackgroundColour, 0);
  EXPECT_EQ(s.GifSource, 1);
  EXPECT_EQ(s.GifDelay, 1000);
  EXPECT_EQ(s.PassportCity, "Cairo");
  EXPECT_TRUE(s.SaveGif);

  // An overlong line ends the reading there.
  Lines longLine = good;
  longLine[18] = std::string(100000, '1');
  s = Read(Join(longLine));
  EXPECT_EQ(s.SpecialFont2Scale, 125);
  EXPECT_EQ(s.ServerAddress, "127.0.0.1");
  EXPECT_EQ(s.LastTypedName, "");

  // Binary garbage never crashes and leaves every value inside its range.
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(static_cast<size_t>(random() % 3000), '\0');
    for (char& b : bytes)
      b = static_cast<char>(random() % 5 == 0 ? '\n' : random());
    s = Read(bytes);
    EXPECT_LE(s.LanguageIndex, 20);
    EXPECT_TRUE(s.CardDesign >= 0 && s.CardDesign <= 47);
    EXPECT_TRUE(s.BackSet >= 0 && s.BackSet <= 12);
    EXPECT_TRUE(s.BackgroundIndex >= 0 && s.BackgroundIndex <= 10);
    EXPECT_TRUE(s.BackgroundColour >= 0 && s.BackgroundColour <= 6);
    EXPECT_TRUE(s.CaptionScheme >= 1 && s.CaptionScheme <= 7);
    EXPECT_LE(s.PassportNick.size(), 12u);
    EXPECT_LE(s.PassportCity.size(), 15u);
  }
}

TEST_F(SettingsFileTest, MissingOrUnreadableFileLeavesTheDefaults) {
  Settings s = Changed();
  LoadSettings(file_, s);
  EXPECT_EQ(s.CardDesign, 0);
  EXPECT_EQ(s.LanguageIndex, 0);
  EXPECT_EQ(s.PassportNick, "Tester");  // the passport is not part of the defaults
  EXPECT_FALSE(s.SaluteButtons);        // nor are the salute flags
  fs::create_directory(file_);
  LoadSettings(file_, s);
  EXPECT_EQ(s.CardDesign, 0);
  fs::remove(file_);

  // A good file that cannot be read is tried twice, then the defaults stay.
  WriteFile(SettingsFileBytes(Changed()));
  testing::FaultyFileSystem disk;
  disk.Unreadable.insert(file_);
  s = Changed();
  LoadSettings(disk, file_, s);
  EXPECT_EQ(s.CardDesign, 0);
  EXPECT_EQ(s.LanguageIndex, 0);
  disk.Unreadable.clear();
  LoadSettings(disk, file_, s);
  EXPECT_EQ(s.CardDesign, 47);
}

TEST_F(SettingsFileTest, AFifoUnderTheNameIsNotWaitedOn) {
  ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
  int exitCode = testing::ExitCodeInChild([&] {
    Settings s = Changed();
    LoadSettings(file_, s);
    return s.CardDesign == 0 && s.LanguageIndex == 0 ? 0 : 1;
  });
  EXPECT_EQ(exitCode, 0);
  // Nor is it replaced by a save.
  EXPECT_EQ(SaveSettings(file_, Changed()).ErrorRow, rows::kCantSaveOptions);
  EXPECT_TRUE(fs::is_fifo(file_));
}

TEST_F(SettingsFileTest, LinesAfterThe35thAreNeverRead) {
  // However long the rest of the file, its first 35 lines are the settings.
  WriteFile(SettingsFileBytes(Changed()) + std::string(1 << 20, 'x'));
  Settings s;
  LoadSettings(file_, s);
  EXPECT_EQ(SettingsLines(s), SettingsLines(Changed()));
}

TEST_F(SettingsFileTest, SaveKeepsTheFileModeAndASymbolicLink) {
  // A file shared from elsewhere through a link, readable by its owner only.
  fs::create_directory(folder_ / "shared");
  fs::path shared = folder_ / "shared" / SettingsFileName;
  std::ofstream(shared, std::ios::binary) << "old";
  ASSERT_EQ(::chmod(shared.c_str(), 0600), 0);
  fs::create_symlink(shared, file_);

  ASSERT_EQ(SaveSettings(file_, Changed()).Outcome, SaveSettingsOutcome::kSaved);
  EXPECT_TRUE(fs::is_symlink(file_));
  EXPECT_EQ(FileBytes(), SettingsFileBytes(Changed()));
  struct stat st {};
  ASSERT_EQ(::stat(shared.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  Settings loaded;
  LoadSettings(file_, loaded);
  EXPECT_EQ(SettingsLines(loaded), SettingsLines(Changed()));
}

TEST_F(SettingsFileTest, SaveDeletesTheMusicFileAndRespectsAFailedClubCheck) {
  fs::path music = folder_ / "temp33_25.mid";
  std::ofstream(music) << "MThd";
  WriteFile("old");
  SaveSettingsContext context{music, [] { return true; }};
  SaveSettingsResult result = SaveSettings(file_, Changed(), context);
  EXPECT_EQ(result.Outcome, SaveSettingsOutcome::kSkipped);
  EXPECT_EQ(result.ErrorRow, rows::kNone);
  EXPECT_FALSE(fs::exists(music));
  EXPECT_EQ(FileBytes(), "old");

  context.ClubFileCheckFailed = [] { return false; };
  EXPECT_EQ(SaveSettings(file_, Changed(), context).Outcome, SaveSettingsOutcome::kSaved);
  EXPECT_EQ(FileBytes(), SettingsFileBytes(Changed()));
}

TEST_F(SettingsFileTest, FailedSaveReportsCantSaveOptionsAndKeepsTheOldFile) {
  SaveSettingsResult result = SaveSettings(folder_ / "missing" / SettingsFileName, Settings());
  EXPECT_EQ(result.Outcome, SaveSettingsOutcome::kFailed);
  EXPECT_EQ(result.ErrorRow, rows::kCantSaveOptions);

  // A file that may not be written counts as read-only and is left alone; a write that fails
  // (a full disk) is tried once more. Either way row 96 and the old file stays.
  struct Case {
    const char* Fault;
    bool ReadOnly;
    bool FailWrites;
  };
  for (const Case& c : {Case{"read-only", true, false}, Case{"failing writes", false, true}}) {
    WriteFile("old");
    testing::FaultyFileSystem disk;
    if (c.ReadOnly) disk.ReadOnly.insert(file_);
    disk.FailWrites = c.FailWrites;
    result = SaveSettings(disk, file_, Changed());
    EXPECT_EQ(result.Outcome, SaveSettingsOutcome::kFailed) << c.Fault;
    EXPECT_EQ(result.ErrorRow, rows::kCantSaveOptions) << c.Fault;
    EXPECT_EQ(disk.WriteAttempts, 2) << c.Fault;
    EXPECT_EQ(FileBytes(), "old") << c.Fault;
  }

  // One failure is not yet a failed save.
  testing::FaultyFileSystem disk;
  disk.FailFirstWrites = 1;
  result = SaveSettings(disk, file_, Changed());
  EXPECT_EQ(result.Outcome, SaveSettingsOutcome::kSaved);
  EXPECT_EQ(result.ErrorRow, rows::kNone);
  EXPECT_EQ(disk.WriteAttempts, 2);
  EXPECT_EQ(FileBytes(), SettingsFileBytes(Changed()));

  // No temporary file is left behind.
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(folder_))
    entries += entry.path() != file_;
  EXPECT_EQ(entries, 0);
}

}  // namespace
}  // namespace tarnel
