#include "net/player_dialog.h"

#include <gtest/gtest.h>

#include "records/club_file.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

const std::string kAnnaLine = BuildMemberLine("Anna", 12.5, 27, 340, EncodePassword("abc  "));

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
      {"member",
       {1, false, false, kAnnaLine, "", "Zed", "Mr.X"},
       "Anna",
       false,
       PlayerField::Password,
       20},
      {"new player",
       {6, false, false, "", "", "  Zed ", "Mr.X"},
       "Zed",
       true,
       PlayerField::Name,
       20},
      {"name too long",
       {6, false, false, "", "", twentyOne, "Mr.X"},
       "Mr.X",
       true,
       PlayerField::Name,
       20},
      {"network limit",
       {6, true, false, "", "", "Tenletters", "Mr.X"},
       "Mr.X",
       true,
       PlayerField::Name,
       9},
      {"renaming",
       {6, false, true, "", "Olga                ", "Zed", "Mr.X"},
       "Olga",
       true,
       PlayerField::Name,
       20},
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
      {"empty name",
       &newcomer,
       {"", "a", "a"},
       std::nullopt,
       rows::kIncorrectName,
       PlayerField::Name},
      {"passwords differ",
       &newcomer,
       {"Zed", "abc", "abd"},
       std::nullopt,
       rows::kPasswordsDoNotCoincide,
       PlayerField::Password},
      {"wrong password",
       &member,
       {"Anna", "abd", ""},
       "abc  ",
       rows::kIncorrectPassword,
       PlayerField::Password},
      // Padding makes "abc" and "abc " the same, but not "abc" and "abcdef".
      {"longer password",
       &member,
       {"Anna", "abc  x", ""},
       "abc  ",
       rows::kIncorrectPassword,
       PlayerField::Password},
      {"unreadable club",
       &member,
       {"Anna", "abc", ""},
       std::nullopt,
       rows::kIncorrectPassword,
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

TEST(PlayerDialogNetwork, TheFiltersPutBackTheStoredValueOnABadCharacter) {
  struct Case {
    const char* What;
    int Role;
    std::string Typed;
    std::string Shown;
    std::string Stored;
  };
  const Case addressCases[] = {
      {"client keeps and stores", kClientRole, "10.0.0.7", "10.0.0.7", "10.0.0.7"},
      {"a letter restores", kClientRole, "10.0.0.x", "192.168.1.2", "192.168.1.2"},
      {"empty is not stored", kClientRole, "", "", "192.168.1.2"},
      {"server never stores", kServerRole, "10.1", "10.1", "192.168.1.2"},
  };
  for (const Case& c : addressCases) {
    std::string stored = "192.168.1.2";
    EXPECT_EQ(FilterAddressField(c.Typed, c.Role, stored), c.Shown) << c.What;
    EXPECT_EQ(stored, c.Stored) << c.What;
  }
  std::string port = "25666";
  EXPECT_EQ(FilterPortField("2566a", port), "25666");
  EXPECT_EQ(FilterPortField("2.5", port), "25666");
  EXPECT_EQ(FilterPortField("", port), "");
  EXPECT_EQ(port, "");
  EXPECT_EQ(FilterPortField("4000", port), "4000");
  EXPECT_EQ(port, "4000");
}

TEST(PlayerDialogNetwork, OkChecksTheClientsAddressShapeThenThePort) {
  struct Case {
    int Role;
    std::string Address;
    std::string Port;
    int Row;
    PlayerField Focus;
  };
  const Case cases[] = {
      {kClientRole, "127.0.0.1", "25666", rows::kNone, PlayerField::Address},
      {kClientRole, "999.999.999.999", "1", rows::kNone, PlayerField::Address},
      {kClientRole, "1.2.3", "25666", rows::kIncorrectIpAddress, PlayerField::Address},
      {kClientRole, "1.2.3.4.", "25666", rows::kIncorrectIpAddress, PlayerField::Address},
      {kClientRole, "1.2.3.", "25666", rows::kIncorrectIpAddress, PlayerField::Address},
      {kClientRole, "1..3.4", "25666", rows::kIncorrectIpAddress, PlayerField::Address},
      {kClientRole, "1234.2.3.4", "25666", rows::kIncorrectIpAddress, PlayerField::Address},
      {kClientRole, "", "25666", rows::kIncorrectIpAddress, PlayerField::Address},
      {kClientRole, "1.2.3.4", "", rows::kIncorrectPort, PlayerField::Port},
      {kServerRole, "", "", rows::kIncorrectPort, PlayerField::Port},
      {kServerRole, "", "65536", rows::kIncorrectPort, PlayerField::Port},
      {kServerRole, "", "99999999999999999999", rows::kIncorrectPort, PlayerField::Port},
      {kServerRole, "", "65535", rows::kNone, PlayerField::Address},
  };
  for (const Case& c : cases) {
    const NetworkVerdict verdict = ConfirmNetworkSection(c.Role, c.Address, c.Port);
    EXPECT_EQ(verdict.MessageRow, c.Row) << c.Address << " " << c.Port;
    if (c.Row != rows::kNone) {
      EXPECT_EQ(verdict.Focus, c.Focus) << c.Address << " " << c.Port;
    }
  }
}

TEST(PlayerDialogNetwork, TheExternalAndLoopBackEntriesFollowTheLocalAddresses) {
  const auto texts = [](const std::vector<AddressBox>& boxes) {
    std::vector<std::string> out;
    for (const AddressBox& b : boxes)
      out.push_back(b.Text + "|" + b.Hint);
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(texts(FillAddressBoxes({}, "", "http://club", "Loop")),
            (V{"|http://club", "127.0.0.1|Loop", "|", "|", "|", "|"}));
  EXPECT_EQ(texts(FillAddressBoxes({"10.0.0.2", "172.16.0.9"}, "8.8.4.4", "http://club", "Loop")),
            (V{"10.0.0.2|", "172.16.0.9|", "8.8.4.4|http://club", "127.0.0.1|Loop", "|", "|"}));
  EXPECT_EQ(texts(FillAddressBoxes({"a", "b", "c", "d", "e"}, "x", "h", "Loop")),
            (V{"a|", "b|", "c|", "d|", "e|", "127.0.0.1|Loop"}));
  EXPECT_EQ(texts(FillAddressBoxes({"a", "b", "c", "d", "e", "f"}, "x", "h", "Loop")),
            (V{"a|", "b|", "c|", "d|", "e|", "f|"}));
}

}  // namespace
}  // namespace tarnel
