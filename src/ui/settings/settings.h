// The user's settings and their file "Tarnel.ini" in the program folder: exactly 35 lines of
// Windows-1251 text, each ended by CR LF. Texts are kept as Windows-1251 bytes, as the file holds
// them; they become UTF-8 only where they are shown.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "ui/words/word_rows.h"

namespace tarnel {

inline constexpr char SettingsFileName[] = "Tarnel.ini";
inline constexpr int kSettingsLineCount = 35;

struct Settings {
  std::uint8_t LanguageIndex = 0;  // 0-9; a file may hold 10-20, which reads as English
  bool SoundOn = true;
  bool MusicOn = true;
  bool AnimationsOn = true;
  bool FlyCards = true;
  int ClubDisplay = 1;  // 1 score view, 2 rating view
  bool NetworkMode = false;
  bool OwnCursor = true;
  int FlySpeed = 4;    // 1-6
  int WindowMode = 1;  // 1-5
  bool UniqueStartReported = true;
  bool Liked = true;
  bool RadioFromServer = true;
  int CaptionScheme = 1;  // 1-7
  bool NewButtons = false;
  bool PurpleDialogs = false;
  int DialogDesign = 2;    // 1 gray concise, 2 gray aristocratic, 3 gray with red ribbons
  int MainMenuDesign = 0;  // 0 customizable, 1 purple
  int TableDesign = 0;     // 0 customizable, 1 purple
  bool SaluteButtons = true;
  bool SaluteCards = true;
  int CardDesign = 0;  // 0-47
  int BackSet = 0;     // 0-12
  bool AlwaysOneBack = false;
  int HandSizeOption = 6;  // 6 or 10
  std::string LargeFont = "Comic Sans MS";
  std::string SmallFont = "Comic Sans MS";
  std::string SpecialFont1 = "FixedSys";
  std::string SpecialFont2 = "Courier New";
  int LargeFontScale = 100;  // percent, 50-150
  int SmallFontScale = 100;
  int SpecialFont1Scale = 100;
  int SpecialFont2Scale = 100;
  std::string ServerAddress = "127.0.0.1";
  std::string ServerPort = "25666";
  int BackgroundIndex = 2;   // 0-10; 0 keeps the current picture
  int BackgroundColour = 0;  // 0-6
  std::string LastTypedName;
  std::string BoardAddress;       // enciphered
  std::string BoardAddressPlain;  // deciphered copy
  std::string StatAddress;        // enciphered
  std::string StatAddressPlain;   // deciphered copy
  std::string PassportNick;       // at most 12 characters
  std::string PassportCountry;    // "R-NNN"
  std::string PassportCity;       // at most 15 characters
  std::string PassportSex;        // "M" or "W"
  bool SaveGif = false;
  int GifSource = 1;    // 1 client area, 2 screen inside the window's outer rectangle
  int GifDelay = 1000;  // milliseconds per recorded frame

  // Start values: the defaults, the passport empty, the two addresses built in.
  Settings();
};

// Everything LoadSettings resets: every default except the passport, the two addresses and the
// salute flags, which keep what they hold.
void SetSettingDefaults(Settings& settings);

// The passport a player gets once a name has been typed.
void SetPassportDefaults(Settings& settings);

// Reads the file's bytes over `settings` (after SetSettingDefaults). Files of fewer than 35
// lines change nothing; reading stops at the first line that is too short for its value.
void ReadSettings(std::string_view fileBytes, Settings& settings);

// The 35 lines of the file, without their line ends.
std::array<std::string, kSettingsLineCount> SettingsLines(const Settings& settings);
// The whole file: the 35 lines, each ended by CR LF.
std::string SettingsFileBytes(const Settings& settings);

// A country code R-NNN the boards know: region 1-6, NNN inside the region's country table.
bool ValidCountryCode(std::string_view code);

std::filesystem::path SettingsPath(const std::filesystem::path& programFolder);

// Defaults, then the file; a missing or unreadable file leaves the defaults (no message).
void LoadSettings(FileSystem& fs, const std::filesystem::path& file, Settings& settings);
// The same on the real disk.
void LoadSettings(const std::filesystem::path& file, Settings& settings);

struct SaveSettingsContext {
  // Deleted before anything else; a failure is ignored. Empty when there is none.
  std::filesystem::path TemporaryMusicFile;
  // True when a club file failed a start-up check in this run: nothing is written then.
  std::function<bool()> ClubFileCheckFailed;
};

enum class SaveSettingsOutcome {
  kSaved,
  kSkipped,  // a club file failed its check: the file is left alone
  kFailed,   // could not be written twice; show ErrorRow
};

struct SaveSettingsResult {
  SaveSettingsOutcome Outcome = SaveSettingsOutcome::kSaved;
  int ErrorRow = rows::kNone;  // word-table row of the message to show
};

// Replaces the file as a whole (FileSystem::ReplaceFile), so the old file stays intact whenever
// the new one cannot be written.
SaveSettingsResult SaveSettings(FileSystem& fs, const std::filesystem::path& file,
                                const Settings& settings, const SaveSettingsContext& context = {});
// The same on the real disk.
SaveSettingsResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                                const SaveSettingsContext& context = {});

}  // namespace tarnel
