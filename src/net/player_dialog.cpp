#include "net/player_dialog.h"

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

}  // namespace tarnel
