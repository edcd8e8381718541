// Every club request against the real server process, read back with the client's own readers.
#include <curl/curl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <mutex>
#include <thread>

#include "club/address_cipher.h"
#include "club/club_addresses.h"
#include "club/club_http.h"
#include "club/club_wire.h"
#include "platform/file_system.h"
#include "server/club_server_process.h"
#include "server/ftp_server_process.h"

namespace tarnel {
namespace {

std::filesystem::path FreshFolder(const std::string& name) {
  auto path = std::filesystem::temp_directory_path() /
              ("tarnel-club-" + name + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(path);
  return path;
}

// Status and body of one raw request, for what the client library would hide.
struct Raw {
  long Status = 0;
  std::string Body;
};
size_t Append(char* d, size_t s, size_t n, void* u) {
  static_cast<std::string*>(u)->append(d, s * n);
  return s * n;
}
Raw Request(const std::string& url, const std::string* postBody,
            const char* agent = kClubUserAgent) {
  Raw raw;
  CURL* curl = curl_easy_init();
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
  if (agent) curl_easy_setopt(curl, CURLOPT_USERAGENT, agent);
  if (postBody) {
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, postBody->data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(postBody->size()));
  }
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &raw.Body);
  if (curl_easy_perform(curl) == CURLE_OK)
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &raw.Status);
  curl_easy_cleanup(curl);
  return raw;
}

class ClubServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new test::ClubServerProcess(FreshFolder("suite"));
    std::ofstream(server_->Data() / "photos" / "Ann.jpg") << Jpeg(200, 250);
    std::ofstream(server_->Data() / "photos" / "Big.jpg") << Jpeg(400, 500);
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  // The start of a JPEG up to its frame header: enough for the server's size check.
  static std::string Jpeg(int width, int height) {
    std::string b = "\xFF\xD8\xFF\xE0";
    b += std::string("\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 16);
    b += std::string("\xFF\xC0\x00\x11\x08", 5);
    b += static_cast<char>(height >> 8);
    b += static_cast<char>(height & 255);
    b += static_cast<char>(width >> 8);
    b += static_cast<char>(width & 255);
    b += std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xFF\xD9", 12);
    return b;
  }

  std::string Script(const char* name) { return server_->Base() + "/tarnel/" + name; }
  std::string Text(const char* script, const std::vector<ClubField>& fields) {
    return http_.PostText(Script(script), PostTextBody(fields)).value_or("<failed>");
  }
  std::string Fields(const char* script, const std::vector<ClubField>& fields) {
    return http_.PostFields(Script(script), PostFieldsLines(fields)).value_or("<failed>");
  }
  std::string CreateAccount(const std::string& nick, const std::string& pw,
                            const std::string& city = "Moscow") {
    return Text("account.php", {{"nick", nick},
                                {"pw", pw},
                                {"city", city},
                                {"country1", "Russia"},
                                {"country2", "1-001"},
                                {"sex", "M"},
                                {"email", "a@b.c"},
                                {"dater", "01.02.2024"},
                                {"R01", "xxx"},
                                {"R02", "xxx"},
                                {"R03", "xxx"},
                                {"R04", "0"},
                                {"R05", "0"},
                                {"R06", "0"}});
  }
  std::string WriteGame(const std::string& nick, const std::string& pw, int kon, double rating,
                        int konl = 0, int score = 0) {
    const std::string k = kGameKey;
    return Text("account.php", {{"nick", nick},
                                {"pw", pw},
                                {k + "kon", std::to_string(kon)},
                                {k + "best", "0"},
                                {k + "rating", FormatClubDecimal(rating)},
                                {k + "ses", "0"},
                                {k + "konl", std::to_string(konl)},
                                {k + "score", std::to_string(score)},
                                {k + "R1", "0"},
                                {k + "R2", "#"}});
  }
  std::string WriteBoard(int gid, const std::string& nick, int score, const std::string& r9 = "#",
                         const std::string& r10 = "#") {
    return Text("board.php", {{"gid", std::to_string(gid)},
                              {"nick", nick},
                              {"city", "Kiev"},
                              {"country", "1-046"},
                              {"score", std::to_string(score)},
                              {"R7", "M"},
                              {"R8", "5.7f"},
                              {"R9", r9},
                              {"R10", r10 + "*"}});
  }

  static test::ClubServerProcess* server_;
  ClubHttp http_;
};
test::ClubServerProcess* ClubServer::server_ = nullptr;

TEST_F(ClubServer, AccountsAreCreatedOnceAndLogInWithTheirRecord) {
  EXPECT_EQ(CreateAccount("Walter", "secret1"), "ok");
  // Taken without regard to case; the reply carries "is" and no "ok".
  std::string again = CreateAccount("WALTER", "other1");
  EXPECT_TRUE(FindMarker(again, "is"));
  EXPECT_FALSE(FindMarker(again, "ok"));

  std::string login =
      Fields("account.php", {{"nick", "Walter"}, {"pw", "secret1"}, {"label0", "0"}});
  ASSERT_FALSE(FindMarker(login, "no")) << login;
  auto records = ReadRecords(login, '$', ' ', 1);
  ASSERT_EQ(records.size(), 1u);
  const ClubRecord& r = records[0];
  EXPECT_EQ(r.Token(1), "Moscow");
  EXPECT_EQ(r.Token(2), "Russia");
  EXPECT_EQ(r.Token(3), "1-001");
  EXPECT_EQ(r.Token(4), "M");
  EXPECT_EQ(r.Token(5), "a@b.c");
  EXPECT_EQ(r.Token(6), "01.02.2024");
  EXPECT_EQ(r.Token(9), "xxx");
  EXPECT_EQ(ParseClubInt(r.Token(12)), 0);

  EXPECT_TRUE(FindMarker(
      Fields("account.php", {{"nick", "Walter"}, {"pw", "wrong"}, {"label0", "0"}}), "no"));
  EXPECT_TRUE(FindMarker(
      Fields("account.php", {{"nick", "Nobody"}, {"pw", "secret1"}, {"label0", "0"}}), "no"));
  EXPECT_GE(ReadTailNumber(Text("account.php", {{"label1", "0"}})), 1);
}

TEST_F(ClubServer, LocalLettersTravelInBothBodyStyles) {
  const std::string nick = "\xC8\xE2\xE0\xED";  // Windows-1251 "Иван"
  EXPECT_EQ(CreateAccount(nick, "pass1", "\xCA\xE8\xE5\xE2"), "ok");
  // PostFields sends UTF-8, PostText Windows-1251; both name the same account.
  std::string login = Fields("account.php", {{"nick", nick}, {"pw", "pass1"}, {"label0", "0"}});
  auto records = ReadRecords(login, '$', ' ', 1);
  ASSERT_EQ(records.size(), 1u) << login;
  EXPECT_EQ(records[0].Token(1), "\xCA\xE8\xE5\xE2");
}

TEST_F(ClubServer, ProfilesAreSavedAndReadInTheirFourteenRows) {
  ASSERT_EQ(CreateAccount("Prof", "secret"), "ok");
  std::vector<ClubField> fields{{"nick", "Prof"}, {"labelinfosave", "0"}};
  const char* names[] = {"namei",    "name2",   "about",      "telephone", "emailo",
                         "website",  "skype",   "ok",         "vk",        "telegram",
                         "facebook", "twitter", "instagramm", "youtube"};
  for (const char* name : names)
    fields.push_back({name, std::string("v-") + name});
  fields[4].second = "likes $ and ~ and spaces";  // about
  fields[5].second = "";                          // telephone
  EXPECT_EQ(Text("account.php", fields), "ok");

  auto records =
      ReadRecords(Fields("account.php", {{"nick", "Prof"}, {"labelinforead", "0"}}), '$', '~', 1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Tokens.size(), 14u);
  EXPECT_EQ(records[0].Token(1), "v-namei");
  EXPECT_EQ(records[0].Token(3), "likes   and   and spaces");
  EXPECT_EQ(records[0].Token(4), "");
  EXPECT_EQ(records[0].Token(6), "v-website");
  EXPECT_EQ(records[0].Token(14), "v-youtube");
  // Unknown member: "no"; a wrong password, when one is sent, refuses the save.
  EXPECT_TRUE(FindMarker(Fields("account.php", {{"nick", "Ghost"}, {"labelinforead", "0"}}), "no"));
  fields.insert(fields.begin() + 1, {"pw", "wrong"});
  EXPECT_FALSE(FindMarker(Text("account.php", fields), "ok"));
}

TEST_F(ClubServer, GameRecordsRatingTopTenAndPlaces) {
  ASSERT_EQ(CreateAccount("Gamma", "secret"), "ok");
  ASSERT_EQ(CreateAccount("Delta", "secret"), "ok");
  // Before any write the record reads as zeros.
  const std::string k = kGameKey;
  std::string empty =
      Fields("account.php", {{"nick", "Gamma"}, {"pw", "secret"}, {k + "best", "0"}});
  auto records = ReadRecords(empty, '$', ' ', 1);
  ASSERT_EQ(records.size(), 1u) << empty;
  EXPECT_EQ(records[0].Token(1), "0");
  EXPECT_EQ(records[0].Token(8), "#");

  EXPECT_EQ(WriteGame("Gamma", "secret", 1, 150.05, 1, 150), "ok");
  EXPECT_EQ(WriteGame("Delta", "secret", 2, -999.95), "ok");
  EXPECT_EQ(WriteGame("Delta", "wrong", 3, 1e6), "<failed>");  // refused, not stored

  records = ReadRecords(
      Fields("account.php", {{"nick", "Gamma"}, {"pw", "secret"}, {k + "best", "0"}}), '$', ' ', 1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(ParseClubInt(records[0].Token(1)), 1);
  EXPECT_EQ(ReadClubDecimal(records[0].Token(3)), 150.05);
  EXPECT_EQ(ParseClubInt(records[0].Token(5)), 1);
  EXPECT_EQ(ParseClubInt(records[0].Token(6)), 150);
  // A wrong password reads nothing (an error status, not an empty record).
  EXPECT_EQ(Fields("account.php", {{"nick", "Gamma"}, {"pw", "bad"}, {k + "best", "0"}}),
            "<failed>");

  auto top = ReadRecords(Fields("account.php", {{k + "kon", "0"}}), '*', ' ', kClubListLimit);
  ASSERT_GE(top.size(), 2u);
  double previous = 1e18;
  bool sawGamma = false;
  for (const ClubRecord& entry : top) {
    double rating = ReadClubDecimal(entry.Token(7)).value_or(-1e18);
    EXPECT_LE(rating, previous);
    previous = rating;
    if (entry.Token(2) == "Gamma") {
      sawGamma = true;
      EXPECT_EQ(entry.Token(3), "Moscow");
      EXPECT_EQ(entry.Token(5), "1-001");
      EXPECT_EQ(entry.Token(6), "M");
    }
  }
  EXPECT_TRUE(sawGamma);
  // Place of a rating: one more than the members above it.
  int best = ReadTailNumber(Text("account.php", {{k + "rating", "1000000"}}));
  EXPECT_EQ(best, 1);
  int gamma = ReadTailNumber(Text("account.php", {{k + "rating", "150.05"}}));
  int below = ReadTailNumber(Text("account.php", {{k + "rating", "150"}}));
  EXPECT_EQ(below, gamma + 1);
  // Another game's key keeps its own records.
  EXPECT_EQ(ReadRecords(Fields("account.php", {{"crdotherkon", "0"}}), '*', ' ', 10).size(), 0u);
}

TEST_F(ClubServer, BoardsRankWriteAndFindAPlayer) {
  const int gid = 133;
  EXPECT_EQ(ReadTailNumber(Fields("board.php", {{"rgid", "133"}})), 0);
  EXPECT_EQ(ReadTailNumber(WriteBoard(gid, "Ann", 100)), 1);
  EXPECT_EQ(ReadTailNumber(WriteBoard(gid, "Bob", 300)), 1);
  EXPECT_EQ(ReadTailNumber(WriteBoard(gid, "Ann", 200)), 2);
  EXPECT_EQ(ReadTailNumber(WriteBoard(gid, "Cid", 200)), 3);  // ties: the earlier entry first
  for (int i = 0; i < 10; ++i)
    WriteBoard(gid, "Filler" + std::to_string(i), 10 + i);
  EXPECT_EQ(ReadTailNumber(Fields("board.php", {{"rgid", "133"}})), 14);

  auto top = ReadRecords(Fields("board.php", {{"gid", "133"}}), '*', ' ', kClubListLimit);
  ASSERT_EQ(top.size(), 10u);
  EXPECT_EQ(top[0].Token(1), "1");
  EXPECT_EQ(top[0].Token(3), "300");
  EXPECT_EQ(top[0].Token(4), "Bob");
  EXPECT_EQ(top[0].Token(5), "1-046");
  EXPECT_EQ(top[0].Token(6), "Kiev");
  EXPECT_EQ(top[0].Token(7), "M");
  EXPECT_EQ(top[0].Token(8), "5.7f");
  EXPECT_EQ(top[0].Token(10), "#");
  EXPECT_EQ(top[1].Token(4), "Ann");
  EXPECT_EQ(top[2].Token(4), "Cid");

  auto mine = ReadRecords(Text("board.php", {{"gid", "133"}, {"nick", "Ann"}, {"city", "Kiev"}}),
                          '*', ' ', kClubListLimit);
  ASSERT_EQ(mine.size(), 2u);
  EXPECT_EQ(mine[0].Token(1), "2");
  EXPECT_EQ(mine[0].Token(3), "200");
  EXPECT_EQ(mine[1].Token(1), "4");
  EXPECT_EQ(mine[1].Token(3), "100");
}

TEST_F(ClubServer, TheChatIsBoardOneHundredNewestFirst) {
  EXPECT_EQ(ReadTailNumber(WriteBoard(100, "Ann", 1, "12:00_01.02.2024_Tarnel", "hello_all")), 1);
  EXPECT_EQ(ReadTailNumber(WriteBoard(100, "Bob", 2, "12:01_01.02.2024_Tarnel", "hi Ann")), 1);
  auto list = ReadRecords(Fields("board.php", {{"gid", "100"}}), '*', ' ', kClubListLimit);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Token(3), "2");
  EXPECT_EQ(list[0].Token(9), "12:01_01.02.2024_Tarnel");
  EXPECT_EQ(list[0].Token(10), "hi_Ann");  // a space would split the record: kept as "_"
  EXPECT_EQ(list[1].Token(10), "hello_all");
}

TEST_F(ClubServer, StatisticsCountStartsLikesAndGames) {
  const std::vector<ClubField> read{{"gid", "77"}};
  EXPECT_TRUE(ReadReportReply(Text("stat.php", {{"gid", "77"}, {"stat1", "1"}, {"stat2", "1"}})));
  EXPECT_TRUE(ReadReportReply(Text("stat.php", {{"gid", "77"}, {"stat1", "1"}, {"stat2", "0"}})));
  EXPECT_TRUE(ReadReportReply(Text("stat.php", {{"gid", "77"}, {"stat3", "1"}, {"stat4", "Ann"}})));
  std::vector<ClubField> game{{"gid", "77"}};
  for (int i = 1; i <= 12; ++i)
    game.push_back({"R" + std::to_string(i), i == 1 || i == 3 ? "1" : "0"});
  game[3].second = "150";  // R3: points won
  EXPECT_TRUE(ReadReportReply(Text("stat.php", game)));
  EXPECT_TRUE(ReadReportReply(Text("stat.php", game)));

  auto records = ReadRecords(Fields("stat.php", read), '*', ' ', 1);
  ASSERT_EQ(records.size(), 1u);
  const ClubRecord& r = records[0];
  EXPECT_EQ(r.Token(1), "2");
  EXPECT_EQ(r.Token(2), "1");
  EXPECT_EQ(r.Token(3), "1");
  EXPECT_EQ(r.Token(4), "Ann");
  EXPECT_EQ(r.Token(5), "2");    // X1
  EXPECT_EQ(r.Token(7), "300");  // X3
  EXPECT_EQ(r.Token(16), "0");   // X12
  // A negative or absurd counter is refused and counts nothing.
  game[3].second = "-5";
  EXPECT_FALSE(ReadReportReply(Text("stat.php", game)));
  game[3].second = "2000000000";
  EXPECT_FALSE(ReadReportReply(Text("stat.php", game)));
  EXPECT_EQ(ReadRecords(Fields("stat.php", read), '*', ' ', 1)[0].Token(7), "300");
}

TEST_F(ClubServer, TournamentTablesSeatsAndStandings) {
  auto seat = [&](int table, int s, int can, const std::string& nick) {
    const std::string d = std::to_string(s);
    return Text("tour.php", {{"clienton" + d, "0"},
                             {"gid", "33"},
                             {"num", std::to_string(table)},
                             {"can", std::to_string(can)},
                             {"nick" + d, nick},
                             {"score" + d, "5"},
                             {"kon" + d, "2"},
                             {"rating" + d, "7"},
                             {"country" + d, "Russia"},
                             {"city" + d, "Omsk"},
                             {"sex" + d, "M"},
                             {"ip" + d, "10.0.0.1"}});
  };
  auto tables = [&] {
    return ReadRecords(Fields("tour.php", {{"readtable10", "33"}, {"gid", "33"}}), '*', ' ', 10);
  };
  EXPECT_TRUE(FindMarker(seat(3, 2, 1, "Ann"), "is"));  // nobody waits at seat 1
  EXPECT_EQ(seat(3, 1, 1, "Ann"), "ok");
  EXPECT_TRUE(FindMarker(seat(3, 1, 1, "Bob"), "is"));  // taken
  EXPECT_TRUE(FindMarker(seat(4, 1, 1, "Ann"), "is"));  // nobody sits twice
  EXPECT_EQ(seat(3, 2, 1, "Bob"), "ok");

  auto list = tables();
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list[0].Token(3), "25710");  // the first record is table 10
  const ClubRecord& t3 = list[7];
  EXPECT_EQ(t3.Token(2), "127.0.0.1");
  EXPECT_EQ(t3.Token(7), "Ann");
  EXPECT_EQ(t3.Token(8), "5");
  EXPECT_EQ(t3.Token(14), "10.0.0.1");
  EXPECT_EQ(t3.Token(15), "Bob");
  EXPECT_EQ(list[6].Token(7), "X");  // table 4 empty

  auto one = ReadRecords(Fields("tour.php", {{"readclient1", "0"}, {"gid", "33"}, {"num", "3"}}),
                         '$', ' ', 1);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].Token(1), "Ann");
  EXPECT_EQ(one[0].Token(8), "10.0.0.1");

  EXPECT_EQ(seat(3, 2, 2, "X"), "ok");
  EXPECT_EQ(tables()[7].Token(15), "X");

  auto state =
      ReadRecords(Fields("tour.php", {{"serverinforead", "0"}, {"gid", "33"}}), '$', ' ', 1);
  ASSERT_EQ(state.size(), 1u);
  EXPECT_EQ(state[0].Token(1), "Y");
  auto standing =
      ReadRecords(Text("tour.php", {{"readrating33", "0"}, {"nick", "Ann"}}), '*', ' ', 1);
  ASSERT_EQ(standing.size(), 1u);
  EXPECT_EQ(standing[0].Token(1), "0");
  EXPECT_EQ(ReadTailNumber(Text("tour.php", {{"places33", "0"}, {"score1", "5"}})), 1);
  EXPECT_TRUE(
      ReadRecords(Fields("tour.php", {{"top10k33", "0"}, {"nick", "z"}}), '*', ' ', 10).empty());
}

TEST_F(ClubServer, DirectoryNewsAddressAndFiles) {
  ClubAddresses a = BuiltInClubAddresses();
  a.DirectoryAddress =
      EncipherAddress(server_->Base() + "/tarnel/directory.txt", kDirectoryAddressKey);
  ReadServiceDirectory(a, ClubGet);
  EXPECT_TRUE(a.BoardsEnabled);
  EXPECT_TRUE(a.ChatEnabled);
  EXPECT_EQ(a.BoardAddressPlain, Script("board.php"));
  EXPECT_EQ(a.StatAddressPlain, Script("stat.php"));
  EXPECT_EQ(AddressCipher(a.AccountAddress, kAccountAddressKey), Script("account.php"));

  std::optional<std::string> news = ClubGet(server_->Base() + "/tarnel/news.txt");
  ASSERT_TRUE(news);
  EXPECT_EQ(news->substr(0, 12), "QelNews00000");
  EXPECT_EQ(GetExternalAddress(server_->Base() + "/get_ip.php"), "127.0.0.1");

  EXPECT_EQ(ClubGet(server_->Base() + "/photos/Ann.jpg"), Jpeg(200, 250));
  EXPECT_FALSE(ClubGet(server_->Base() + "/photos/Big.jpg"));  // not a club photo's size
  EXPECT_FALSE(ClubGet(server_->Base() + "/photos/Nobody.jpg"));
}

TEST_F(ClubServer, HostileRequestsAreRefusedWithoutEffect) {
  ASSERT_EQ(CreateAccount("Target", "secret"), "ok");
  const int members = ReadTailNumber(Text("account.php", {{"label1", "0"}}));
  const std::string account = Script("account.php");
  const std::string body = "label1=0";

  EXPECT_EQ(Request(account, &body, "Mozilla/5.0").Status, 403);  // not the program
  EXPECT_EQ(Request(account, &body, nullptr).Status, 403);
  std::string huge(1 << 20, 'a');
  huge = "label1=" + huge;
  EXPECT_EQ(Request(account, &huge).Status, 413);

  const std::vector<std::string> bad = {
      "",                                     // nothing
      "nick=Target&&labelinforead",           // an entry without "="
      std::string("label1=0\0&nick=x", 16),   // NUL byte
      "nick=%00Target&&pw=secret&&label0=0",  // encoded NUL
      "nick=%G1&&label0=0",                   // bad escape
      "gid=abc",                              // not a number
      "nick=Target&pw=secret&crdtarnelkon=x&crdtarnelbest=0&crdtarnelrating=1&crdtarnelses=0"
      "&crdtarnelkonl=0&crdtarnelscore=0&crdtarnelR1=0&crdtarnelR2=#",
      "nick=Target&pw=secret&crdtarnelkon=1&crdtarnelbest=0&crdtarnelrating=1e400"
      "&crdtarnelses=0&crdtarnelkonl=0&crdtarnelscore=0&crdtarnelR1=0&crdtarnelR2=#",
      "crdtarnelrating=abc",
      "nick=x'; DROP TABLE accounts;--&pw=secret&city=Moscow&country1=R&country2=1-001&sex=M"
      "&email=a@b&dater=0&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0",
      "nick=Target' OR '1'='1&&pw=x' OR '1'='1&&label0=0",
      "whatever=1",
  };
  for (const std::string& b : bad) {
    Raw raw = Request(account, &b);
    EXPECT_TRUE(raw.Status == 400 || raw.Status == 403 || raw.Body == "no")
        << raw.Status << " " << raw.Body << " for " << b;
    EXPECT_FALSE(FindMarker(raw.Body, "ok")) << b;
  }
  for (const char* b : {"gid=33&score=x", "gid=-1", "gid=99999999999", "rgid=",
                        "gid=33&nick="
                        "ab&city=c&country=d&score=1&R10=" /* no closing star is fine */}) {
    std::string s = b;
    Raw raw = Request(Script("board.php"), &s);
    EXPECT_NE(raw.Status, 500) << b;
  }
  // SQL in a stored text is just text.
  std::string quoted = WriteBoard(555, "O'Hara", 5, "#", "1;DROP_TABLE_board;--");
  EXPECT_EQ(ReadTailNumber(quoted), 1);
  auto back = ReadRecords(Fields("board.php", {{"gid", "555"}}), '*', ' ', 10);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].Token(4), "O'Hara");
  EXPECT_EQ(back[0].Token(10), "1;DROP_TABLE_board;--");

  for (const char* path :
       {"/photos/../club.sqlite", "/photos/..%2Fclub.sqlite", "/photos/%2E%2E/club.jpg",
        "/downloads/progr/cards/../../club.sqlite", "/downloads/progr/cards/%2E%2E%2Fclub.conf",
        "/musik/..%2F..%2Fetc%2Fpasswd", "/tarnel/../club.conf", "/club.sqlite"}) {
    Raw raw = Request(server_->Base() + path, nullptr);
    EXPECT_TRUE(raw.Status == 404 || raw.Status == 400) << path << " " << raw.Status;
    EXPECT_EQ(raw.Body.find("SQLite"), std::string::npos) << path;
  }

  // Still serving, and nothing changed.
  EXPECT_EQ(ReadTailNumber(Text("account.php", {{"label1", "0"}})), members);
  EXPECT_FALSE(FindMarker(
      Fields("account.php", {{"nick", "Target"}, {"pw", "secret"}, {"label0", "0"}}), "no"));
}

// The client's photo upload goes through a real FTP server into the photo folder; the web server
// then shows it, but only at the club's 200 x 250 size.
TEST_F(ClubServer, PhotosUploadedOverFtpAreServedOnlyAtTheClubSize) {
  if (!test::FtpServerProcess::Available()) GTEST_SKIP() << "vsftpd is not installed";
  test::FtpServerProcess ftp(server_->Data() / "photos", FreshFolder("ftp"));
  const std::string good = Jpeg(200, 250) + std::string(3000, '\x5A');
  ASSERT_TRUE(UploadPhoto(ftp.UploadAddress(), "Upl", good));
  EXPECT_EQ(ClubGet(server_->Base() + "/photos/Upl.jpg"), good);

  // A second upload replaces the first.
  const std::string again = Jpeg(200, 250) + "again";
  ASSERT_TRUE(UploadPhoto(ftp.UploadAddress(), "Upl", again));
  EXPECT_EQ(ClubGet(server_->Base() + "/photos/Upl.jpg"), again);

  ASSERT_TRUE(UploadPhoto(ftp.UploadAddress(), "Wide", Jpeg(640, 480)));
  EXPECT_FALSE(ClubGet(server_->Base() + "/photos/Wide.jpg"));

  // A nick that would climb out of the folder is refused before anything is sent.
  EXPECT_FALSE(UploadPhoto(ftp.UploadAddress(), "../Upl", good));
  EXPECT_FALSE(UploadPhoto(ftp.UploadAddress(), "a/b", good));
  // Nobody listening: a failure, not a hang.
  EXPECT_FALSE(UploadPhoto("ftp://127.0.0.1:1/", "Upl", good));
}

// A missing library comes from the club's download folder whole, or not at all.
TEST(ClubDownloads, ALibraryIsFetchedWholeAndOnlyByAPlainName) {
  const auto downloads = FreshFolder("downloads");
  std::filesystem::create_directories(downloads);
  std::string library(300000, '\0');
  for (std::size_t i = 0; i < library.size(); ++i)
    library[i] = static_cast<char>(i * 7 + i / 1000);
  std::ofstream(downloads / "QelCGraph1.dll", std::ios::binary) << library;
  test::ClubServerProcess server(FreshFolder("dlserver"),
                                 "downloads = " + downloads.string() + "\n");
  const auto target = FreshFolder("dltarget");
  std::filesystem::create_directories(target);
  PosixFileSystem files;

  ASSERT_TRUE(DownloadLibrary(server.Base(), "QelCGraph1.dll", target / "QelCGraph1.dll", files));
  std::ifstream in(target / "QelCGraph1.dll", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), library);

  for (const char* name : {"QelCards06A.dll", "../club.sqlite", "..", "a%2Fb", ""})
    EXPECT_FALSE(DownloadLibrary(server.Base(), name, target / "x.dll", files)) << name;
  EXPECT_FALSE(std::filesystem::exists(target / "x.dll"));
  server.Stop(SIGTERM);
  EXPECT_FALSE(DownloadLibrary(server.Base(), "QelCGraph1.dll", target / "y.dll", files));
  EXPECT_FALSE(std::filesystem::exists(target / "y.dll"));
  std::filesystem::remove_all(target);
  std::filesystem::remove_all(downloads);
}

TEST(ClubServerCrash, AKilledServerKeepsEveryAcknowledgedWrite) {
  test::ClubServerProcess server(FreshFolder("crash"));
  std::atomic<bool> stop{false};
  std::mutex ackedMutex;
  std::vector<std::string> acked;
  std::vector<std::thread> writers;
  for (int w = 0; w < 4; ++w) {
    writers.emplace_back([&, w] {
      ClubHttp http;
      for (int i = 0; !stop; ++i) {
        std::string nick = "w" + std::to_string(w) + "n" + std::to_string(i);
        std::optional<std::string> reply = http.PostText(server.Base() + "/tarnel/board.php",
                                                         PostTextBody({{"gid", "33"},
                                                                       {"nick", nick},
                                                                       {"city", "C"},
                                                                       {"country", "1-001"},
                                                                       {"score", std::to_string(i)},
                                                                       {"R7", "M"},
                                                                       {"R8", "5.7f"},
                                                                       {"R9", "#"},
                                                                       {"R10", "#*"}}));
        if (!reply) break;  // the server is gone
        if (ReadTailNumber(*reply) > 0) {
          std::lock_guard lock(ackedMutex);
          acked.push_back(nick);
        }
      }
    });
  }
  while (true) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::lock_guard lock(ackedMutex);
    if (acked.size() >= 200) break;
  }
  server.Stop(SIGKILL);
  stop = true;
  for (std::thread& t : writers)
    t.join();

  server.Start();
  ClubHttp http;
  const std::string board = server.Base() + "/tarnel/board.php";
  int size = ReadTailNumber(*http.PostFields(board, "rgid=33"));
  EXPECT_GE(size, static_cast<int>(acked.size()));
  for (const std::string& nick : acked) {
    std::optional<std::string> mine = http.PostText(board, "gid=33&nick=" + nick + "&city=C");
    ASSERT_TRUE(mine);
    ASSERT_EQ(ReadRecords(*mine, '*', ' ', 10).size(), 1u) << nick << " was acknowledged";
  }
}

}  // namespace
}  // namespace tarnel
