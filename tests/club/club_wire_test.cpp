#include "club/club_wire.h"

#include <gtest/gtest.h>

#include "club/address_cipher.h"
#include "club/club_addresses.h"

namespace tarnel {
namespace {

TEST(ReadTailNumber, ReadsTheDigitsAfterTheLastUsableDollar) {
  struct Case {
    const char* Reply;
    int Expected;
  } cases[] = {
      {"$42", 42},              // ends with its last digit
      {"place $17 of 20", 17},  // stops at the first non-digit
      {"$5 and $7$", 7},        // a final "$" is skipped, the earlier one used
      {"$5 and $x", -1},        // a letter after the last "$": no fall-back to "$5"
      {"$5 and $", 5},
      {"no dollar", -1},
      {"", -1},
      {"$", -1},
      {"$99999999999", -1},  // does not fit
      {"$-3", -1},           // digits only
      {"$2147483647", 2147483647},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadTailNumber(c.Reply), c.Expected) << c.Reply;
}

TEST(FindMarker, MatchesAnywhereCaseSensitively) {
  EXPECT_TRUE(FindMarker("ok", "ok"));
  EXPECT_TRUE(FindMarker("xxokxx", "ok"));
  EXPECT_FALSE(FindMarker("OK", "ok"));
  EXPECT_FALSE(FindMarker("o", "ok"));
  // Registration: "is" inside another word still means the nick is taken.
  EXPECT_TRUE(FindMarker("ok, this one", "is"));
  // A log-in reply with "no" in a field value counts as refused.
  EXPECT_TRUE(FindMarker("$Sonoma Russia 1-001 M a@b", "no"));
}

std::vector<std::string> Tokens(const ClubRecord& r) {
  return r.Tokens;
}

TEST(ReadRecords, SplitsRecordsAndTokensAsTheListsNeedThem) {
  // Consecutive separators give empty tokens; a record runs to its terminator.
  auto records = ReadRecords("junk$1 7 150 ann  Moscow*$2 8 90 bob 1-001 Kiev*", '*', ' ', 10);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(Tokens(records[0]), (std::vector<std::string>{"1", "7", "150", "ann", "", "Moscow"}));
  EXPECT_EQ(records[0].Token(1), "1");
  EXPECT_EQ(records[0].Token(7), "");  // beyond the record
  EXPECT_EQ(records[1].Token(6), "Kiev");

  // A "$" inside a record's text opens a further record.
  records = ReadRecords("$a b$c d*", '*', ' ', 10);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(Tokens(records[0]), (std::vector<std::string>{"a", "b$c", "d"}));
  EXPECT_EQ(Tokens(records[1]), (std::vector<std::string>{"c", "d"}));

  // "$" as terminator: the closing "$" is also the start of the next scan, but a final one
  // opens nothing.
  records = ReadRecords("$Moscow Russia 1-001 M$", '$', ' ', 10);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Token(4), "M");

  // The profile record is split at "~"; empty rows stay in place.
  records = ReadRecords("$Ann~~about me~", '$', '~', 1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(Tokens(records[0]), (std::vector<std::string>{"Ann", "", "about me", ""}));

  EXPECT_TRUE(ReadRecords("no records here", '*', ' ', 10).empty());
  EXPECT_TRUE(ReadRecords("$", '*', ' ', 10).empty());
}

TEST(ReadRecords, ListsStopAtTheirLimit) {
  std::string reply;
  for (int i = 1; i <= 13; ++i)
    reply += "$" + std::to_string(i) + " x*";
  auto records = ReadRecords(reply, '*', ' ', kClubListLimit);
  ASSERT_EQ(records.size(), 10u);
  EXPECT_EQ(records[9].Token(1), "10");
  EXPECT_EQ(ReadRecords(reply, '*', ' ', 1).size(), 1u);
}

TEST(ParseClubInt, AcceptsOnlyWholeSignedNumbers) {
  EXPECT_EQ(ParseClubInt("0"), 0);
  EXPECT_EQ(ParseClubInt("-1000"), -1000);
  EXPECT_EQ(ParseClubInt("+5"), 5);
  for (const char* bad : {"", "-", "1.5", "12a", " 1", "2147483648", "++1"})
    EXPECT_FALSE(ParseClubInt(bad)) << bad;
}

TEST(ClubDecimal, SentWithAPointAndReadWithAnySeparator) {
  EXPECT_EQ(FormatClubDecimal(150.05), "150.05");
  EXPECT_EQ(FormatClubDecimal(-999.95), "-999.95");
  EXPECT_EQ(FormatClubDecimal(0.000001), "0");
  EXPECT_EQ(FormatClubDecimal(-0.000009), "0");
  EXPECT_EQ(FormatClubDecimal(7), "7");
  EXPECT_EQ(FormatClubDecimal(1.0 / 3), "0.333333333333333");

  EXPECT_EQ(ReadClubDecimal("150.05"), 150.05);
  EXPECT_EQ(ReadClubDecimal("150,05"), 150.05);
  EXPECT_EQ(ReadClubDecimal("-999.95"), -999.95);
  EXPECT_EQ(ReadClubDecimal(""), 0.0);
  EXPECT_EQ(ReadClubDecimal("12"), 12.0);
  EXPECT_FALSE(ReadClubDecimal("abc"));
  EXPECT_FALSE(ReadClubDecimal("1.2.3"));
}

TEST(PostBodies, RawTextAndFormEncodedEntriesWithTheirEmptyEntries) {
  EXPECT_EQ(PostTextBody({{"gid", "33"}, {"nick", "\xC0\xED\xFF"}}), "gid=33&nick=\xC0\xED\xFF");
  // Three fields: two ampersands between each pair; Windows-1251 goes out as UTF-8.
  std::string lines = PostFieldsLines({{"nick", "\xC0 b"}, {"pw", "a&b=c"}, {"label0", "0"}});
  EXPECT_EQ(lines, "nick=\xC0 b\n\rpw=a&b=c\n\rlabel0=0");
  EXPECT_EQ(PostFieldsBody(lines), "nick=%D0%90%20b&&pw=a%26b%3Dc&&label0=0");
  EXPECT_EQ(PostFieldsBody("gid=33"), "gid=33");
  EXPECT_EQ(PostFieldsBody("a=1\r\nb=2\n"), "a=1&b=2");  // CRLF is one break, a final one none
}

TEST(ReportReply, NeedsOneCharacterBeforeOk) {
  EXPECT_TRUE(ReadReportReply("$ ok#"));
  EXPECT_TRUE(ReadReportReply("<html>$ ok"));
  EXPECT_FALSE(ReadReportReply("$ok#"));
  EXPECT_FALSE(ReadReportReply("$ no#"));
  EXPECT_FALSE(ReadReportReply("ok"));
  EXPECT_TRUE(ReadReportReply("$xok#$"));  // a final "$" is skipped
}

TEST(ServiceDirectory, ValuesRunFromOneSeparatorToTheNextHash) {
  EXPECT_EQ(DirectoryValue("a StatPath=ABCD# b", "StatPath"), "ABCD");
  EXPECT_EQ(DirectoryValue("StatPath:#", "StatPath"), "");
  EXPECT_FALSE(DirectoryValue("StatPath=ABCD", "StatPath"));  // not closed
  EXPECT_FALSE(DirectoryValue("StatPat=ABCD#", "StatPath"));
  EXPECT_FALSE(DirectoryValue("StatPath", "StatPath"));
}

TEST(ServiceDirectory, ReplacesOnlyWhatTheDocumentHolds) {
  const std::string board = EncipherAddress("http://club.example/board.php", kBoardAddressKey);
  const std::string stat = EncipherAddress("http://club.example/stat.php", kStatAddressKey);
  const std::string account = EncipherAddress("http://club.example/acc.php", kAccountAddressKey);
  struct Case {
    std::optional<std::string> Document;
    bool Boards, Chat;
    std::string Board, Stat, Account;
  };
  const ClubAddresses builtIn = BuiltInClubAddresses();
  const std::string all =
      "WTGamesPatt=" + board + "#\nStatPath=" + stat + "#\nAccPath=" + account + "#\n";
  Case cases[] = {
      {all, true, true, board, stat, account},
      {std::nullopt, true, true, builtIn.BoardAddress, builtIn.StatAddress, builtIn.AccountAddress},
      {"WTGamesPause#\nCTGamesPause#\n" + all, false, false, builtIn.BoardAddress, stat, account},
      {"StatPath=" + stat + "#", true, true, builtIn.BoardAddress, stat, builtIn.AccountAddress},
  };
  for (const Case& c : cases) {
    ClubAddresses a = BuiltInClubAddresses();
    a.BoardsEnabled = !c.Boards;  // the read must set both flags either way
    a.ChatEnabled = !c.Chat;
    int gets = 0;
    ReadServiceDirectory(a, [&](const std::string& address) {
      ++gets;
      EXPECT_EQ(address, AddressCipher(builtIn.DirectoryAddress, kDirectoryAddressKey));
      return c.Document;
    });
    EXPECT_EQ(gets, 3);
    EXPECT_EQ(a.BoardsEnabled, c.Boards);
    EXPECT_EQ(a.ChatEnabled, c.Chat);
    EXPECT_EQ(a.BoardAddress, c.Board);
    EXPECT_EQ(a.BoardAddressPlain, AddressCipher(c.Board, kBoardAddressKey));
    EXPECT_EQ(a.StatAddress, c.Stat);
    EXPECT_EQ(a.StatAddressPlain, AddressCipher(c.Stat, kStatAddressKey));
    EXPECT_EQ(a.AccountAddress, c.Account);
  }
}

}  // namespace
}  // namespace tarnel
