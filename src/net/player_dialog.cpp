#include "net/player_dialog.h"

#include <algorithm>

#include "records/club_file.h"
#include "ui/words/word_rows.h"

namespace tarnel {

std::string PadRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string TrimSpaces(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

PlayerDialogSetup SetUpPlayerDialog(const PlayerDialogInput& input) {
  PlayerDialogSetup setup;
  setup.NameLimit = input.NetworkMode ? kNetNameLimit : kNameLimit;
  setup.NetworkSection = input.NetworkMode;
  setup.ClientHeight = input.NetworkMode ? kPlayerDialogNetworkHeight : kPlayerDialogHeight;
  if (input.SelectedPlayer >= 1 && input.SelectedPlayer <= kMemberSlots) {
    setup.Name = TrimSpaces(std::string(MemberName(input.MemberLine)));
    setup.NameEditable = setup.RepeatEditable = false;
    setup.Focus = PlayerField::Password;
    return setup;
  }
  if (input.Renaming) {
    setup.Name = TrimSpaces(input.PlayerName);
  } else {
    const bool fits = input.LastTypedName.size() <= setup.NameLimit;
    setup.Name = TrimSpaces(fits ? input.LastTypedName : input.MrX);
  }
  setup.Focus = PlayerField::Name;
  return setup;
}

PlayerDialogVerdict ConfirmPlayerDialog(const PlayerDialogInput& input,
                                        const PlayerDialogEntry& entry,
                                        const std::optional<std::string>& storedPassword) {
  PlayerDialogVerdict verdict;
  if (entry.Name.empty()) {
    verdict.MessageRow = rows::kIncorrectName;
    verdict.Focus = PlayerField::Name;
    return verdict;
  }
  verdict.LastTypedName = entry.Name;
  const bool member = input.SelectedPlayer >= 1 && input.SelectedPlayer <= kMemberSlots;
  if (!member && entry.Password != entry.Repeat) {
    verdict.MessageRow = rows::kPasswordsDoNotCoincide;
    verdict.Focus = PlayerField::Password;
    return verdict;
  }
  // A typed password longer than the stored five characters can never match.
  const std::string typed = PadRight(entry.Password, kPasswordLength);
  if (member) {
    if (!storedPassword || typed != *storedPassword) {
      verdict.MessageRow = rows::kIncorrectPassword;
      verdict.Focus = PlayerField::Password;
      return verdict;
    }
    const std::string_view line = input.MemberLine;
    verdict.Admitted.PlayerName = std::string(MemberName(line));
    verdict.Admitted.EncodedPassword = std::string(MemberPasswordText(line));
    verdict.Admitted.GamesText = std::string(MemberGamesText(line));
    verdict.Admitted.ScoreText = std::string(MemberScoreText(line));
    verdict.Admitted.MemberLine = input.MemberLine;
  } else {
    verdict.Admitted.PlayerName = PadRight(entry.Name.substr(0, kNameLimit), kNameLimit);
    verdict.Admitted.EncodedPassword = EncodePassword(typed.substr(0, kPasswordLength));
    verdict.Admitted.GamesText = "  0";
    verdict.Admitted.ScoreText = "     0";
  }
  verdict.Accepted = true;
  return verdict;
}

namespace {

bool OnlyOf(const std::string& text, bool allowDot) {
  for (const char c : text) {
    if (c >= '0' && c <= '9') continue;
    if (allowDot && c == '.') continue;
    return false;
  }
  return true;
}

}  // namespace

std::string FilterAddressField(const std::string& text, int role, std::string& serverAddress) {
  if (!OnlyOf(text, true)) return serverAddress;
  if (role == kClientRole && !text.empty()) serverAddress = text;
  return text;
}

std::string FilterPortField(const std::string& text, std::string& serverPort) {
  const std::string kept = OnlyOf(text, false) ? text : serverPort;
  serverPort = kept;
  return kept;
}

bool IsAcceptedAddress(const std::string& text) {
  int dots = 0;
  std::size_t group = 0;
  for (const char c : text) {
    if (c == '.') {
      if (group < 1 || group > 3) return false;
      ++dots;
      group = 0;
    } else {
      ++group;
    }
  }
  return dots == 3 && group >= 1 && group <= 3;
}

NetworkVerdict ConfirmNetworkSection(int role, const std::string& address,
                                     const std::string& port) {
  NetworkVerdict verdict;
  if (role == kClientRole && !IsAcceptedAddress(address)) {
    verdict.MessageRow = rows::kIncorrectIpAddress;
    verdict.Focus = PlayerField::Address;
    return verdict;
  }
  // A port beyond 65535 cannot be listened on or reached; it is refused like an empty one.
  if (port.empty() || port.size() > 5 || std::stoul(port) > 65535) {
    verdict.MessageRow = rows::kIncorrectPort;
    verdict.Focus = PlayerField::Port;
  }
  return verdict;
}

std::vector<AddressBox> FillAddressBoxes(const std::vector<std::string>& local,
                                         const std::string& external, const std::string& clubServer,
                                         const std::string& loopHint) {
  std::vector<AddressBox> boxes(kAddressBoxes);
  const std::size_t count = std::min(local.size(), boxes.size());
  for (std::size_t i = 0; i < count; ++i)
    boxes[i].Text = local[i];
  // The external and loop-back entries take the boxes after the local ones; with five local
  // addresses both fall into the last box (the loop-back stays), with six neither is shown, so a
  // local address is never covered.
  if (count < boxes.size()) {
    boxes[count] = {external, clubServer};
    boxes[std::min(count + 1, boxes.size() - 1)] = {kLoopbackAddress, loopHint};
  }
  return boxes;
}

}  // namespace tarnel
