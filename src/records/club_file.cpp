#include "records/club_file.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/cp1251.h"
#include "core/scoring.h"
#include "records/fixed_text.h"

namespace tarnel {
namespace {

// A club file is about 1 KB; anything far larger is not one.
constexpr std::size_t kClubFileMaxBytes = 4096;
constexpr int kStampLine = 15;  // 0-based index of line 16
constexpr int kLabelLine = 16;  // line 17
constexpr int kFirstTopTen = 5;

std::size_t LineWidth(int index) {
  if (index < kMemberSlots) return kMemberLineWidth;
  if (index < kMemberSlots + kTopTenPlaces) return kTopTenLineWidth;
  return kStampLineWidth;
}

std::string ChecksumText(const std::array<long, 3>& sums) {
  std::string text;
  for (long s : sums) {
    std::string digits = std::to_string(s);
    text += std::string(digits.size() < 6 ? 6 - digits.size() : 0, '0') + digits;
  }
  return text;
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

// Sort keys: a field that does not read as a number ranks below every real value.
double RatingKey(std::string_view line) {
  return MemberRating(line).value_or(-std::numeric_limits<double>::infinity());
}

std::string PathText(const std::filesystem::path& path) {
  return path.string();
}

RecordsResult Failure(RecordsMessageKind kind, const std::filesystem::path& path) {
  RecordsResult result;
  result.Ok = false;
  result.Message = RecordsMessage{kind, PathText(path)};
  return result;
}

// Every writer starts from the file as it is on disk now, and only from an intact one: a file
// damaged or edited since start-up is not given a fresh checksum.
std::optional<ClubLines> LoadForChange(FileSystem& fs, const std::filesystem::path& path,
                                       RecordsResult& failure) {
  FileRead read = fs.ReadFile(path, kClubFileMaxBytes, Oversize::kRefuse);
  if (!read) {
    failure = Failure(
        fs.Exists(path) ? RecordsMessageKind::IncorrectFile : RecordsMessageKind::FileMissing,
        path);
    return std::nullopt;
  }
  ClubParse parse = ParseClubFile(read.Bytes);
  if (!parse.Intact) {
    failure = Failure(RecordsMessageKind::IncorrectFile, path);
    return std::nullopt;
  }
  return parse.Lines;
}

RecordsResult Save(FileSystem& fs, const std::filesystem::path& path, ClubLines& lines,
                   const ClubState& state) {
  UpdateClubChecksum(lines);
  RecordsResult result;
  if (state.ClubReadOnly) return result;
  if (!fs.ReplaceFile(path, SerializeClubFile(lines))) {
    return Failure(RecordsMessageKind::DiskWriteError, path);
  }
  result.Written = true;
  return result;
}

}  // namespace

// --- the format -----------------------------------------------------------------------------

std::array<long, 3> ClubChecksum(const ClubLines& lines) {
  std::array<long, 3> sums{0, 0, 0};
  std::size_t position = 0;  // counted from 1 over the concatenated lines 1..16
  for (int i = 0; i < kClubLineCount - 1 && position < kChecksumSpan; ++i) {
    for (unsigned char byte : lines[i]) {
      if (++position > kChecksumSpan) break;
      sums[0] += byte;
      if (position % 2 == 0) sums[1] += byte;
      if (position % 3 == 0) sums[2] += byte;
    }
  }
  return sums;
}

void UpdateClubChecksum(ClubLines& lines) {
  std::string& label = lines[kLabelLine];
  label = fixed::Left(label, 10) + ChecksumText(ClubChecksum(lines));
}

std::string SerializeClubFile(const ClubLines& lines) {
  std::string bytes;
  for (const std::string& line : lines)
    bytes += line + "\r\n";
  return bytes;
}

ClubParse ParseClubFile(std::string_view bytes) {
  ClubParse parse;
  if (bytes.size() > kClubFileMaxBytes) {
    parse.Reason = "the file is far too long";
    return parse;
  }
  std::vector<std::string_view> lines = fixed::SplitLines(bytes);
  if (lines.size() != kClubLineCount) {
    parse.Reason = "the file has " + std::to_string(lines.size()) + " lines, not 17";
    return parse;
  }
  for (int i = 0; i < kClubLineCount; ++i) {
    if (lines[i].size() != LineWidth(i)) {
      parse.Reason = "line " + std::to_string(i + 1) + " has " + std::to_string(lines[i].size()) +
                     " characters, not " + std::to_string(LineWidth(i));
      return parse;
    }
    parse.Lines[i] = std::string(lines[i]);
  }
  const std::string& stamp = parse.Lines[kStampLine];
  if (static_cast<unsigned char>(stamp[0]) != kStampByte || stamp[1] != '}') {
    parse.Reason = "line 16 does not carry the stamp";
    return parse;
  }
  std::string_view stored = std::string_view(parse.Lines[kLabelLine]).substr(10);
  if (!AllDigits(stored)) {
    parse.Reason = "the checksum in line 17 is not a number";
    return parse;
  }
  if (stored != ChecksumText(ClubChecksum(parse.Lines))) {
    parse.Reason = "the checksum does not match";
    return parse;
  }
  parse.Intact = true;
  return parse;
}

bool ClubFileWellFormed(std::string_view bytes) {
  if (bytes.size() > kClubFileMaxBytes) return false;
  std::vector<std::string_view> lines = fixed::SplitLines(bytes);
  if (lines.size() != kClubLineCount) return false;
  for (int i = 0; i < kClubLineCount; ++i) {
    if (lines[i].size() != LineWidth(i)) return false;
  }
  return true;
}

ClubShape CheckClubShape(FileSystem& fs, const std::filesystem::path& path) {
  ClubShape shape;
  FileRead read = fs.ReadFile(path, kClubFileMaxBytes, Oversize::kRefuse);
  shape.Exists = read.Ok() || fs.Exists(path);
  if (!read || !ClubFileWellFormed(read.Bytes)) return shape;
  shape.WellFormed = true;
  shape.RussianLabel = fixed::SplitLines(read.Bytes)[kLabelLine].front() == '1';
  return shape;
}

std::string NewClubFile(std::string_view label) {
  static constexpr std::array<std::string_view, kTopTenPlaces> kNames = {
      "Alexander", "Barbara", "Constantin", "Daria", "Eugene",
      "Filip",     "Galina",  "Herman",     "Irina", "Jaroslav"};
  ClubLines lines;
  for (int i = 0; i < kMemberSlots; ++i)
    lines[i] = std::string(kEmptyMember);
  for (int p = 0; p < kTopTenPlaces; ++p) {
    lines[kFirstTopTen + p] = fixed::Left(kNames[p], kNameLength) + fixed::Number(900 - 100 * p, 6);
  }
  lines[kStampLine] = std::string(1, static_cast<char>(kStampByte)) + "}" +
                      fixed::Left("Tarnel club", kStampLineWidth - 2 - 2) + "33";
  // Line 17 must not begin with "1": that marks a Russian installation.
  lines[kLabelLine] = "0-0570" + fixed::Left(fixed::Printable(label), 3) + " ";
  UpdateClubChecksum(lines);
  return SerializeClubFile(lines);
}

// --- member lines ---------------------------------------------------------------------------

std::string EncodePassword(std::string_view password) {
  std::string padded = fixed::Left(password, kPasswordLength);
  std::string digits;
  for (unsigned char c : padded)
    digits += std::to_string(c + kPasswordOffset);
  return digits;
}

std::optional<std::string> DecodePassword(std::string_view digits) {
  if (digits.size() != 3 * kPasswordLength || !AllDigits(digits)) return std::nullopt;
  std::string password;
  for (std::size_t i = 0; i < kPasswordLength; ++i) {
    int code = (digits[3 * i] - '0') * 100 + (digits[3 * i + 1] - '0') * 10 +
               (digits[3 * i + 2] - '0') - kPasswordOffset;
    if (code < 0 || code > 255) return std::nullopt;
    password += static_cast<char>(code);
  }
  return password;
}

std::string FormatMemberRating(double rating) {
  // Ten characters hold -99.999999 .. 999.999999; ratings stay within +-99.99 anyway.
  if (std::isnan(rating)) rating = 0.0;
  rating = std::clamp(rating, -99.999999, 999.999999);
  long long v = std::llround(rating * 1e6);
  long long magnitude = v < 0 ? -v : v;
  std::string fraction = std::to_string(magnitude % 1000000);
  fraction.insert(0, 6 - fraction.size(), '0');
  std::string text = (v < 0 ? "-" : "") + std::to_string(magnitude / 1000000) + "," + fraction;
  return fixed::Right(text, 10);
}

std::string BuildMemberLine(std::string_view name, double rating, long long games, long long score,
                            std::string_view encodedPassword) {
  return fixed::Left(fixed::Printable(name), kNameLength) + FormatMemberRating(rating) +
         fixed::Number(games, 7) + " " + fixed::Number(score, 6) +
         fixed::Left(fixed::Printable(encodedPassword), 3 * kPasswordLength);
}

bool IsEmptySlot(std::string_view memberLine) {
  return memberLine.size() < 37 || memberLine[36] == '#';
}

namespace {
std::string_view SafeField(std::string_view line, std::size_t from, std::size_t to) {
  if (line.size() < to) return {};
  return fixed::Field(line, from, to);
}
}  // namespace

std::string_view MemberName(std::string_view l) {
  return SafeField(l, 1, 20);
}
std::string_view MemberRatingText(std::string_view l) {
  return SafeField(l, 21, 30);
}
std::string_view MemberGamesText(std::string_view l) {
  return SafeField(l, 31, 37);
}
std::string_view MemberScoreText(std::string_view l) {
  return SafeField(l, 39, 44);
}
std::string_view MemberPasswordText(std::string_view l) {
  return SafeField(l, 45, 59);
}

std::optional<double> MemberRating(std::string_view memberLine) {
  return fixed::ParseDecimal(MemberRatingText(memberLine));
}

std::optional<long long> MemberScore(std::string_view memberLine) {
  return fixed::ParseNumber(MemberScoreText(memberLine));
}

std::string_view TopTenName(std::string_view entry) {
  return SafeField(entry, 1, 20);
}
std::string_view TopTenScore(std::string_view entry) {
  return SafeField(entry, 21, 26);
}

// --- changes in memory ----------------------------------------------------------------------

void RemoveMemberLine(ClubLines& lines, int slot) {
  if (slot < 1 || slot > kMemberSlots) return;
  for (int i = slot - 1; i < kMemberSlots - 1; ++i)
    lines[i] = lines[i + 1];
  lines[kMemberSlots - 1] = std::string(kEmptyMember);
}

StoreOutcome StoreMemberLine(ClubLines& lines, std::string line, bool cycleComplete) {
  StoreOutcome outcome;
  line = fixed::Left(line, kMemberLineWidth);
  if (cycleComplete) {
    long long score = MemberScore(line).value_or(0);
    for (int place = 1; place <= kTopTenPlaces; ++place) {
      int index = kFirstTopTen + place - 1;
      std::optional<long long> entry = fixed::ParseNumber(TopTenScore(lines[index]));
      if (entry && score < *entry) continue;
      for (int k = kFirstTopTen + kTopTenPlaces - 1; k > index; --k)
        lines[k] = lines[k - 1];
      lines[index] = std::string(MemberName(line)) + std::string(MemberScoreText(line));
      outcome.TopTenPlace = place;
      break;
    }
    outcome.CycleResult = score;
    line.replace(38, 6, "     0");
  }
  double rating = RatingKey(line);
  for (int slot = 0; slot < kMemberSlots; ++slot) {
    if (!IsEmptySlot(lines[slot]) && rating < RatingKey(lines[slot])) continue;
    for (int k = kMemberSlots - 1; k > slot; --k)
      lines[k] = lines[k - 1];
    lines[slot] = line;
    outcome.Stored = true;
    break;
  }
  return outcome;
}

// --- operations on the file -----------------------------------------------------------------

RecordsResult VerifyClubFile(FileSystem& fs, const std::filesystem::path& path, ClubState& state) {
  if (!fs.Exists(path)) return Failure(RecordsMessageKind::FileMissing, path);
  FileRead read = fs.ReadFile(path, kClubFileMaxBytes, Oversize::kRefuse);
  ClubParse parse = read ? ParseClubFile(read.Bytes) : ClubParse{};
  if (!parse.Intact) return Failure(RecordsMessageKind::IncorrectFile, path);
  state.InstallationLabel = parse.Lines[kLabelLine].substr(6, 3);
  state.ClubReadOnly = !fs.IsWritable(path);
  RecordsResult result;
  if (state.ClubReadOnly) {
    result.Message = RecordsMessage{RecordsMessageKind::IncorrectAttributes, PathText(path)};
  }
  return result;
}

std::optional<ClubLines> ReadClubFile(FileSystem& fs, const std::filesystem::path& path) {
  RecordsResult ignored;
  return LoadForChange(fs, path, ignored);
}

std::optional<std::string> ReadMember(FileSystem& fs, const std::filesystem::path& path, int slot) {
  if (slot < 1 || slot > kMemberSlots) return std::nullopt;
  std::optional<ClubLines> lines = ReadClubFile(fs, path);
  if (!lines) return std::nullopt;
  return (*lines)[slot - 1];
}

std::optional<std::string> DecodePassword(FileSystem& fs, const std::filesystem::path& path,
                                          int slot) {
  std::optional<std::string> line = ReadMember(fs, path, slot);
  if (!line || IsEmptySlot(*line)) return std::nullopt;
  return DecodePassword(MemberPasswordText(*line));
}

RecordsResult RemoveMember(FileSystem& fs, const std::filesystem::path& path, int slot,
                           const ClubState& state) {
  if (slot < 1 || slot > kMemberSlots) return RecordsResult{};
  RecordsResult failure;
  std::optional<ClubLines> lines = LoadForChange(fs, path, failure);
  if (!lines) return failure;
  RemoveMemberLine(*lines, slot);
  return Save(fs, path, *lines, state);
}

namespace {

// Takes the line out of `removeSlot` (none when outside 1..5) and stores `line` in its sorted
// place, with the cycle's top-ten entry, in one rewrite: a crash between two rewrites would lose
// the member.
RecordsResult StoreInOneRewrite(FileSystem& fs, const std::filesystem::path& path, std::string line,
                                int removeSlot, ClubState& state) {
  RecordsResult failure;
  std::optional<ClubLines> lines = LoadForChange(fs, path, failure);
  if (!lines) {
    if (state.CycleComplete) {
      state.TopTenPlace = 0;
      state.CycleResult = static_cast<int>(MemberScore(line).value_or(0));
    }
    return failure;
  }
  RemoveMemberLine(*lines, removeSlot);
  StoreOutcome outcome = StoreMemberLine(*lines, std::move(line), state.CycleComplete);
  if (state.CycleComplete) {
    state.TopTenPlace = outcome.TopTenPlace;
    state.CycleResult = static_cast<int>(outcome.CycleResult);
  }
  return Save(fs, path, *lines, state);
}

}  // namespace

RecordsResult StoreMember(FileSystem& fs, std::string line, const std::filesystem::path& path,
                          ClubState& state) {
  return StoreInOneRewrite(fs, path, std::move(line), 0, state);
}

RecordsResult RecordClubGame(FileSystem& fs, const std::filesystem::path& path,
                             const ClubGameResult& game, ClubState& state) {
  state.CycleComplete = game.GameNo % kGamesPerCycle == 0;
  std::string line = BuildMemberLine(game.PlayerName, game.Rating, game.GameNo, game.GeneralScore,
                                     game.EncodedPassword);
  return StoreInOneRewrite(fs, path, std::move(line), game.SelectedPlayer, state);
}

RecordsResult RenameMember(FileSystem& fs, const std::filesystem::path& path, int slot,
                           std::string lastReadLine, std::string_view newName,
                           std::string_view newEncodedPassword, const ClubState& state) {
  if (slot < 1 || slot > kMemberSlots) return RecordsResult{};
  RecordsResult failure;
  std::optional<ClubLines> lines = LoadForChange(fs, path, failure);
  if (!lines) return failure;
  std::string line = fixed::Left(lastReadLine, kMemberLineWidth);
  line.replace(0, kNameLength, fixed::Left(fixed::Printable(newName), kNameLength));
  line.replace(44, 15, fixed::Left(fixed::Printable(newEncodedPassword), 15));
  RemoveMemberLine(*lines, slot);
  StoreMemberLine(*lines, std::move(line), false);
  return Save(fs, path, *lines, state);
}

// --- the member list ------------------------------------------------------------------------

std::string MemberCaption(std::string_view memberLine, ClubDisplay display,
                          const TextWidth& textWidth, int limit) {
  std::string line = fixed::Left(memberLine, kMemberLineWidth);
  bool empty = IsEmptySlot(line);
  std::string name(MemberName(line));
  std::string rest;
  if (display == ClubDisplay::Score) {
    std::optional<long long> games = fixed::ParseNumber(MemberGamesText(line));
    std::string cycleGames = empty || !games ? "###" : fixed::Number(*games % kGamesPerCycle, 3);
    rest = "    " + cycleGames + "    " + std::string(MemberScoreText(line));
  } else {
    std::optional<double> rating = MemberRating(line);
    std::string ratingText = empty || !rating ? "######" : FormatRating(6, *rating);
    rest = "  " + std::string(MemberGamesText(line)) + "  " + ratingText;
  }
  std::size_t cut = name.size();  // the name keeps positions 1..cut
  bool lostLetters = false;
  while (cut > 4 && textWidth && textWidth(Cp1251ToUtf8(name.substr(0, cut) + rest)) >= limit) {
    char removed = name[cut - 1];
    if (removed != ' ' && removed != '#') lostLetters = true;
    --cut;
  }
  name.resize(cut);
  if (lostLetters) name.replace(cut - 3, 3, "...");
  return Cp1251ToUtf8(name + rest);
}

}  // namespace tarnel
