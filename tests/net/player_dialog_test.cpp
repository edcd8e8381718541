#include "net/player_dialog.h"

#include <gtest/gtest.h>

#include "records/club_file.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

const std::string kAnnaLine =
    BuildMemberLine("Anna", 12.5, 27, 340, EncodePassword("abc  "));

TEST(PlayerDialogSetup, TheProposedNameFollowsTheSlotTheModeAndTheLastTypedName) {
  struct Case {
    const char* What;
    PlayerDialogInput Input;
    std::string Name;
    bool Editable;
    PlayerField Focus;
    std::size_t Limit;
  };
  const std::string twentyOne(21, 'x');
  const Case cases[] = {
      {"member", {1, false, false, kAnnaLine, "", "Zed", "Mr.X"}, "Anna", false,
       PlayerField::Password, 20},
      {"new player", {6, false, false, "", "", "  Zed ", "Mr.X"}, "Zed", true, PlayerField::Name, 20},
      {"name too long", {6, false, false, "", "", twentyOne, "Mr.X"}, "Mr.X", true,
       PlayerField::Name, 20},
      {"network limit", {6, true, false, "", "", "Tenletters", "Mr.X"}, "Mr.X", true,
       PlayerField::Name, 9},
      {"renaming", {6, false, true, "", "Olga                ", "Zed", "Mr.X"}, "Olga", true,
       PlayerField::Name, 20},
  };
  for (const Case& c : cases) {
    const PlayerDialogSetup setup = SetUpPlayerDialog(c.Input);
    EXPECT_EQ(setup.Name, c.Name) << c.What;
    EXPECT_EQ(setup.NameEditable, c.Editable) << c.What;
    EXPECT_EQ(setup.RepeatEditable, c.Editable) << c.What;
    EXPECT_EQ(setup.Focus, c.Focus) << c.What;
    EXPECT_EQ(setup.NameLimit, c.Limit) << c.What;
  }
  EXPECT_EQ(SetUpPlayerDialog(cases[0].Input).ClientHeight, kPlayerDialogHeight);
  EXPECT_EQ(SetUpPlayerDialog(cases[3].Input).ClientHeight, kPlayerDialogNetworkHeight);
}

TEST(PlayerDialogOk, EachRefusalNamesItsMessageAndField) {
  const PlayerDialogInput member{1, false, false, kAnnaLine, "", "", "Mr.X"};
  const PlayerDialogInput newcomer{6, false, false, "", "", "", "Mr.X"};
  struct Case {
    const char* What;
    const PlayerDialogInput* Input;
    PlayerDialogEntry Entry;
    std::optional<std::string> Stored;
    int Row;
    PlayerField Focus;
  };
  const Case cases[] = {
      {"empty name", &newcomer, {"", "a", "a"}, std::nullopt, rows::kIncorrectName,
       PlayerField::Name},
      {"passwords differ", &newcomer, {"Zed", "abc", "abd"}, std::nullopt,
       rows::kPasswordsDoNotCoincide, PlayerField::Password},
      {"wrong password", &member, {"Anna", "abd", ""}, "abc  ", rows::kIncorrectPassword,
       PlayerField::Password},
      // Padding makes "abc" and "abc " the same, but not "abc" and "abcdef".
      {"longer password", &member, {"Anna", "abc  x", ""}, "abc  ", rows::kIncorrectPassword,
       PlayerField::Password},
      {"unreadable club", &member, {"Anna", "abc", ""}, std::nullopt, rows::kIncorrectPassword,
       PlayerField::Password},
  };
  for (const Case& c : cases) {
    const PlayerDialogVerdict v = ConfirmPlayerDialog(*c.Input, c.Entry, c.Stored);
    EXPECT_FALSE(v.Accepted) << c.What;
    EXPECT_EQ(v.MessageRow, c.Row) << c.What;
    EXPECT_EQ(v.Focus, c.Focus) << c.What;
  }
  // A refused name is not remembered; a refused password keeps the typed name.
  EXPECT_FALSE(ConfirmPlayerDialog(newcomer, {"", "", ""}, std::nullopt).LastTypedName);
  EXPECT_EQ(ConfirmPlayerDialog(newcomer, {"Zed", "1", "2"}, std::nullopt).LastTypedName, "Zed");
}

TEST(PlayerDialogOk, AMemberSitsDownWithHisStoredValuesAndANewcomerFromZero) {
  const PlayerDialogVerdict member = ConfirmPlayerDialog(
      {1, false, false, kAnnaLine, "", "", "Mr.X"}, {"Anna", "abc", ""}, "abc  ");
  ASSERT_TRUE(member.Accepted);
  EXPECT_EQ(member.Admitted.PlayerName, "Anna                ");
  EXPECT_EQ(member.Admitted.EncodedPassword, EncodePassword("abc  "));
  EXPECT_EQ(member.Admitted.GamesText, "     27");
  EXPECT_EQ(member.Admitted.ScoreText, "   340");
  EXPECT_EQ(member.Admitted.MemberLine, kAnnaLine);

  const PlayerDialogVerdict newcomer =
      ConfirmPlayerDialog({6, false, false, "", "", "", "Mr.X"}, {"Zed", "pw", "pw"}, std::nullopt);
  ASSERT_TRUE(newcomer.Accepted);
  EXPECT_EQ(newcomer.Admitted.PlayerName, "Zed                 ");
  EXPECT_EQ(newcomer.Admitted.EncodedPassword, EncodePassword("pw   "));
  EXPECT_EQ(newcomer.Admitted.GamesText, "  0");
  EXPECT_EQ(newcomer.Admitted.ScoreText, "     0");
  EXPECT_TRUE(newcomer.Admitted.MemberLine.empty());
}

}  // namespace
}  // namespace tarnel
