#include "ui/settings/settings.h"

#include <optional>
#include <vector>

#include "club/address_cipher.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

// Longer lines count as damage: reading stops there. Generous for every value the file holds
// (the longest, an enciphered address, is twice the address).
constexpr size_t kMaxLineLength = 4096;
// Enough for 35 lines of the longest acceptable length.
constexpr size_t kMaxFileBytes = kSettingsLineCount * (kMaxLineLength + 2) + 16;

constexpr char kGifOnByte = '\xE8';
constexpr char kGifOffByte = '\xEB';

// A plain run of 1 to 9 decimal digits; nothing else is a number here.
std::optional<int> Decimal(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Sets `target` when `text` is a number inside [low, high]; otherwise the setting keeps its value.
void ReadNumber(std::string_view text, int low, int high, int& target) {
  std::optional<int> value = Decimal(text);
  if (value && *value >= low && *value <= high) target = *value;
}

// Up to 35 lines. A line ends at CR LF, LF or a lone CR; text after the last line end is a line.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < bytes.size() && lines.size() < static_cast<size_t>(kSettingsLineCount)) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

void ReadGeneral(std::string_view g, Settings& s) {
  auto at = [&](size_t position) { return position <= g.size() ? g[position - 1] : '\0'; };
  auto has = [&](size_t position) { return position <= g.size(); };
  if (has(1)) {
    char c = at(1);
    if (c >= '1' && c <= '9') s.LanguageIndex = static_cast<std::uint8_t>(c - '0');
    if (c >= 'a' && c <= 'k') s.LanguageIndex = static_cast<std::uint8_t>(10 + c - 'a');
  }
  if (has(2)) {
    switch (at(2)) {
      case '0':
        s.SoundOn = false, s.MusicOn = false;
        break;
      case '1':
        s.SoundOn = true, s.MusicOn = true;
        break;
      case '2':
        s.SoundOn = true, s.MusicOn = false;
        break;
      case '3':
        s.SoundOn = false, s.MusicOn = true;
        break;
      default:
        break;
    }
  }
  if (has(3) && at(3) == '0') s.AnimationsOn = false;
  if (has(4) && at(4) == '0') s.FlyCards = false;
  if (has(5) && at(5) == '2') s.ClubDisplay = 2;
  if (has(6) && at(6) == '1') s.NetworkMode = true;
  if (has(7) && at(7) == '0') s.OwnCursor = false;
  if (has(8) && at(8) >= '1' && at(8) <= '6') s.FlySpeed = at(8) - '0';
  if (has(9) && at(9) >= '1' && at(9) <= '5') s.WindowMode = at(9) - '0';
  if (has(10)) s.UniqueStartReported = at(10) == 'R';
  if (has(11)) s.Liked = at(11) == 'L';
  if (has(12)) s.RadioFromServer = at(12) == '0';
  if (has(13)) ReadNumber(g.substr(12, 1), 1, 7, s.CaptionScheme);
  if (has(14)) s.NewButtons = at(14) == '1';
  if (has(15)) s.PurpleDialogs = at(15) == '1';
  if (has(16) && at(16) >= '1' && at(16) <= '3') s.DialogDesign = at(16) - '0';
  auto zeroOne = [&](size_t position, auto apply) {
    if (has(position) && (at(position) == '0' || at(position) == '1')) apply(at(position) == '1');
  };
  zeroOne(17, [&](bool on) { s.MainMenuDesign = on ? 1 : 0; });
  zeroOne(18, [&](bool on) { s.TableDesign = on ? 1 : 0; });
  zeroOne(19, [&](bool on) { s.SaluteButtons = on; });
  zeroOne(20, [&](bool on) { s.SaluteCards = on; });
}

// An address line replaces the address only when it deciphers; a damaged one keeps the address
// in force, so the club services stay reachable.
void ReadAddress(std::string_view line, std::uint16_t key, std::string& enciphered,
                 std::string& plain) {
  std::optional<std::string> deciphered = DecipherAddress(line, key);
  if (!deciphered || deciphered->empty()) return;
  enciphered = std::string(line);
  plain = std::move(*deciphered);
}

char Flag(bool on) {
  return on ? '1' : '0';
}

}  // namespace

Settings::Settings() {
  BoardAddress = BuiltInBoardAddress();
  BoardAddressPlain = AddressCipher(BoardAddress, kBoardAddressKey);
  StatAddress = BuiltInStatAddress();
  StatAddressPlain = AddressCipher(StatAddress, kStatAddressKey);
}

void SetSettingDefaults(Settings& settings) {
  Settings defaults;
  defaults.PassportNick = settings.PassportNick;
  defaults.PassportCountry = settings.PassportCountry;
  defaults.PassportCity = settings.PassportCity;
  defaults.PassportSex = settings.PassportSex;
  defaults.BoardAddress = settings.BoardAddress;
  defaults.BoardAddressPlain = settings.BoardAddressPlain;
  defaults.StatAddress = settings.StatAddress;
  defaults.StatAddressPlain = settings.StatAddressPlain;
  defaults.SaluteButtons = settings.SaluteButtons;
  defaults.SaluteCards = settings.SaluteCards;
  settings = std::move(defaults);
}

void SetPassportDefaults(Settings& settings) {
  Settings fresh;
  settings.PassportNick = "Incognito";
  settings.PassportCountry = "1-001";
  settings.PassportCity = "Moscow";
  settings.PassportSex = "M";
  settings.BoardAddress = fresh.BoardAddress;
  settings.BoardAddressPlain = fresh.BoardAddressPlain;
  settings.StatAddress = fresh.StatAddress;
  settings.StatAddressPlain = fresh.StatAddressPlain;
}

bool ValidCountryCode(std::string_view code) {
  // Highest country index of each region: Europe, Asia, North America, South America, Oceania,
  // Africa.
  constexpr int kLastCountry[6] = {48, 51, 35, 14, 23, 54};
  if (code.size() != 5 || code[1] != '-' || code[0] < '1' || code[0] > '6') return false;
  std::optional<int> number = Decimal(code.substr(2));
  return number && *number <= kLastCountry[code[0] - '1'];
}

void ReadSettings(std::string_view fileBytes, Settings& s) {
  std::vector<std::string_view> lines = SplitLines(fileBytes);
  if (lines.size() < static_cast<size_t>(kSettingsLineCount)) return;
  // Each step asks for its line; an overlong line ends the reading like a short one.
  auto line = [&](int number) -> std::optional<std::string_view> {
    std::string_view text = lines[number - 1];
    if (text.size() > kMaxLineLength) return std::nullopt;
    return text;
  };
  // Line `number` with at least `minimum` characters, or nothing (the chain stops).
  auto atLeast = [&](int number, size_t minimum) -> std::optional<std::string_view> {
    std::optional<std::string_view> text = line(number);
    if (!text || text->size() < minimum) return std::nullopt;
    return text;
  };

  auto general = line(2);
  if (!general) return;
  ReadGeneral(*general, s);

  auto cards = line(4);
  if (!cards) return;
  ReadNumber(*cards, 0, 47, s.CardDesign);

  auto decks = atLeast(6, 3);
  if (!decks) return;
  ReadNumber(decks->substr(0, 2), 0, 12, s.BackSet);
  s.AlwaysOneBack = (*decks)[2] == '1';

  auto rules = line(8);
  if (!rules) return;
  s.HandSizeOption = !rules->empty() && (*rules)[0] == '1' ? 10 : 6;

  std::string* fonts[4] = {&s.LargeFont, &s.SmallFont, &s.SpecialFont1, &s.SpecialFont2};
  for (int i = 0; i < 4; ++i) {
    auto name = atLeast(10 + i, 2);
    if (!name) return;
    *fonts[i] = std::string(*name);
  }
  int* scales[4] = {&s.LargeFontScale, &s.SmallFontScale, &s.SpecialFont1Scale,
                    &s.SpecialFont2Scale};
  for (int i = 0; i < 4; ++i) {
    auto scale = atLeast(14 + i, 1);
    if (!scale) return;
    ReadNumber(*scale, 50, 150, *scales[i]);
  }

  auto address = line(19);
  if (!atLeast(18, 1) || !address) return;
  s.ServerAddress = std::string(*address);
  auto port = atLeast(20, 1);
  if (!port) return;
  s.ServerPort = std::string(*port);

  auto background = atLeast(22, 1);
  if (!atLeast(21, 1) || !background) return;
  ReadNumber(background->substr(0, 2), 0, 10, s.BackgroundIndex);
  if (background->size() >= 3) ReadNumber(background->substr(2, 1), 0, 6, s.BackgroundColour);

  auto name = atLeast(24, 1);
  if (!atLeast(23, 1) || !name) return;
  s.LastTypedName = std::string(*name);
  SetPassportDefaults(s);

  auto board = atLeast(26, 1);
  if (!board) return;
  ReadAddress(*board, kBoardAddressKey, s.BoardAddress, s.BoardAddressPlain);

  auto nick = atLeast(27, 1);
  if (!nick) return;
  s.PassportNick = std::string(nick->substr(0, 12));

  auto country = line(28);
  if (!country || country->size() != 5) return;
  if (ValidCountryCode(*country)) s.PassportCountry = std::string(*country);

  auto city = atLeast(29, 1);
  if (!city) return;
  s.PassportCity = std::string(city->substr(0, 15));

  auto sex = atLeast(30, 1);
  if (!sex) return;
  s.PassportSex = (*sex)[0] == 'W' ? "W" : "M";

  auto stat = line(31);
  if (!stat) return;
  ReadAddress(*stat, kStatAddressKey, s.StatAddress, s.StatAddressPlain);

  auto gif = line(33);
  if (!gif) return;
  s.SaveGif = *gif == std::string_view(&kGifOnByte, 1);
  auto source = line(34);
  if (!source) return;
  ReadNumber(*source, 1, 2, s.GifSource);
  auto delay = line(35);
  if (!delay) return;
  ReadNumber(*delay, 10, 5000, s.GifDelay);
}

std::array<std::string, kSettingsLineCount> SettingsLines(const Settings& s) {
  std::string g(20, '#');
  if (s.LanguageIndex <= 9)
    g[0] = static_cast<char>('0' + s.LanguageIndex);
  else if (s.LanguageIndex <= 20)
    g[0] = static_cast<char>('a' + s.LanguageIndex - 10);
  g[1] = s.SoundOn ? (s.MusicOn ? '1' : '2') : (s.MusicOn ? '3' : '0');
  g[2] = Flag(s.AnimationsOn);
  g[3] = Flag(s.FlyCards);
  if (s.ClubDisplay == 1 || s.ClubDisplay == 2) g[4] = static_cast<char>('0' + s.ClubDisplay);
  g[5] = Flag(s.NetworkMode);
  g[6] = Flag(s.OwnCursor);
  if (s.FlySpeed >= 1 && s.FlySpeed <= 6) g[7] = static_cast<char>('0' + s.FlySpeed);
  if (s.WindowMode >= 1 && s.WindowMode <= 5) g[8] = static_cast<char>('0' + s.WindowMode);
  g[9] = s.UniqueStartReported ? 'R' : '#';
  g[10] = s.Liked ? 'L' : '#';
  g[11] = s.RadioFromServer ? '0' : '1';
  if (s.CaptionScheme >= 0) g[12] = std::to_string(s.CaptionScheme)[0];
  g[13] = Flag(s.NewButtons);
  g[14] = Flag(s.PurpleDialogs);
  if (s.DialogDesign >= 1 && s.DialogDesign <= 3) g[15] = static_cast<char>('0' + s.DialogDesign);
  if (s.MainMenuDesign == 0 || s.MainMenuDesign == 1) g[16] = Flag(s.MainMenuDesign == 1);
  if (s.TableDesign == 0 || s.TableDesign == 1) g[17] = Flag(s.TableDesign == 1);
  g[18] = Flag(s.SaluteButtons);
  g[19] = Flag(s.SaluteCards);

  std::string decks = std::to_string(s.BackSet);
  if (decks.size() < 2) decks.insert(0, "0");
  decks += Flag(s.AlwaysOneBack);

  std::string rules(6, '#');
  rules[0] = s.HandSizeOption == 10 ? '1' : '0';

  std::string background = std::to_string(s.BackgroundIndex) + std::to_string(s.BackgroundColour);
  if (background.size() == 2) background.insert(0, "0");

  return {"<# General>",
          g,
          "<# Cards>",
          std::to_string(s.CardDesign),
          "<# Decks>",
          decks,
          "<# Individual>",
          rules,
          "<# Fonts>",
          s.LargeFont,
          s.SmallFont,
          s.SpecialFont1,
          s.SpecialFont2,
          std::to_string(s.LargeFontScale),
          std::to_string(s.SmallFontScale),
          std::to_string(s.SpecialFont1Scale),
          std::to_string(s.SpecialFont2Scale),
          "<# IP & Port>",
          s.ServerAddress,
          s.ServerPort,
          "<# Background>",
          background,
          "<# Name Of Player>",
          s.LastTypedName,
          "<# World Top Ten>",
          s.BoardAddress,
          s.PassportNick,
          s.PassportCountry,
          s.PassportCity,
          s.PassportSex,
          s.StatAddress,
          "<# Save Games as GIF>",
          std::string(1, s.SaveGif ? kGifOnByte : kGifOffByte),
          std::to_string(s.GifSource),
          std::to_string(s.GifDelay)};
}

std::string SettingsFileBytes(const Settings& settings) {
  std::string bytes;
  for (const std::string& line : SettingsLines(settings)) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

std::filesystem::path SettingsPath(const std::filesystem::path& programFolder) {
  return programFolder / SettingsFileName;
}

void LoadSettings(FileSystem& fs, const std::filesystem::path& file, Settings& settings) {
  SetSettingDefaults(settings);
  // Lines after the 35th are never read, so a longer file is read from its start. A FIFO or a
  // device under the name is refused, never waited on.
  FileRead read = fs.ReadFile(file, kMaxFileBytes, Oversize::kKeepStart);
  if (!read) read = fs.ReadFile(file, kMaxFileBytes, Oversize::kKeepStart);
  if (!read) return;
  ReadSettings(read.Bytes, settings);
}

void LoadSettings(const std::filesystem::path& file, Settings& settings) {
  LoadSettings(RealFileSystem(), file, settings);
}

SaveSettingsResult SaveSettings(FileSystem& fs, const std::filesystem::path& file,
                                const Settings& settings, const SaveSettingsContext& context) {
  if (!context.TemporaryMusicFile.empty()) fs.RemoveFile(context.TemporaryMusicFile);
  if (context.ClubFileCheckFailed && context.ClubFileCheckFailed()) {
    return {SaveSettingsOutcome::kSkipped, rows::kNone};
  }
  const std::string bytes = SettingsFileBytes(settings);
  if (fs.ReplaceFile(file, bytes) || fs.ReplaceFile(file, bytes)) {
    return {SaveSettingsOutcome::kSaved, rows::kNone};
  }
  return {SaveSettingsOutcome::kFailed, rows::kCantSaveOptions};
}

SaveSettingsResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                                const SaveSettingsContext& context) {
  return SaveSettings(RealFileSystem(), file, settings, context);
}

}  // namespace tarnel
