#include "club_service.h"

#include <sodium.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "club/address_cipher.h"
#include "club/club_wire.h"
#include "core/cp1251.h"

namespace tarnel::server {
namespace {

ScriptReply Ok(std::string body) {
  return {200, std::move(body)};
}
ScriptReply Bad() {
  return {400, "bad request"};
}
ScriptReply Denied() {
  return {403, "no"};
}

// Texts are kept as UTF-8 in the database (PostgreSQL insists on a valid encoding) and travel as
// Windows-1251.
std::vector<SqlRow> Query(SqlSession& s, const std::string& sql, std::vector<SqlParam> params) {
  for (SqlParam& p : params)
    if (auto* text = std::get_if<std::string>(&p)) *text = Cp1251ToUtf8(*text);
  std::vector<SqlRow> rows = s.Run(sql, params);
  for (SqlRow& row : rows)
    for (std::string& cell : row)
      cell = Utf8ToCp1251(cell);
  return rows;
}

long long Number(const std::string& cell) {
  try {
    return std::stoll(cell);
  } catch (...) {
    return 0;
  }
}

// Counters are read as 32-bit integers by the client; a sum beyond that stays at the maximum.
std::string Counter(const std::string& cell) {
  return std::to_string(std::clamp<long long>(Number(cell), INT_MIN, INT_MAX));
}

bool IsLocalLetter(unsigned char c) {
  return c >= 0xC0 || c == 0xA8 || c == 0xB8;
}

// The characters the program lets a member type into a nick, password, city or e-mail.
bool IsNameCharacter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::strchr("!(),-.@_", c) != nullptr || IsLocalLetter(c);
}

std::optional<std::string> NameField(const FormFields& f, std::string_view name, std::size_t min,
                                     std::size_t max) {
  const std::string* v = f.Find(name);
  if (!v || v->size() < min || v->size() > max) return std::nullopt;
  for (unsigned char c : *v)
    if (!IsNameCharacter(c) || c == 0) return std::nullopt;
  return *v;
}

// A text that travels inside a space-separated record: record characters and spaces become "_",
// an empty text "#".
std::optional<std::string> WordField(const FormFields& f, std::string_view name, std::size_t max,
                                     bool required = true) {
  const std::string* v = f.Find(name);
  if (!v) return required ? std::nullopt : std::optional<std::string>("#");
  if (v->size() > max) return std::nullopt;
  std::string out = *v;
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == ' ' || c == '$' || c == '*' || c == '~')
      c = '_';
  return out.empty() ? "#" : out;
}

std::optional<long long> IntField(const FormFields& f, std::string_view name, long long min,
                                  long long max) {
  const std::string* v = f.Find(name);
  if (!v) return std::nullopt;
  std::optional<std::int32_t> n = ParseClubInt(*v);
  if (!n || *n < min || *n > max) return std::nullopt;
  return *n;
}

// Nicks are unique without regard to case, Latin and Cyrillic alike.
std::string NickKey(std::string nick) {
  for (char& ch : nick) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 'A' && c <= 'Z') c += 32;
    if (c >= 0xC0 && c <= 0xDF) c += 32;
    if (c == 0xA8) c = 0xB8;
    ch = static_cast<char>(c);
  }
  return nick;
}

constexpr int kProfileTexts = 14;
constexpr const char* kProfileFields[kProfileTexts] = {
    "namei", "name2", "about",    "telephone", "emailo",  "website",    "skype",
    "ok",    "vk",    "telegram", "facebook",  "twitter", "instagramm", "youtube"};
constexpr std::size_t kProfileLimits[kProfileTexts] = {20, 20, 50, 20, 50, 50, 50,
                                                       50, 50, 50, 60, 50, 50, 50};

// A rating as the program sends it: sign, digits, one point; the client's own reader is more
// lenient ("1e400" would read as 1.4), the server is not.
std::optional<double> RatingValue(const std::string* text) {
  if (!text || text->empty() || text->size() > 32) return std::nullopt;
  std::string_view t = *text;
  if (t.front() == '-') t.remove_prefix(1);
  std::size_t point = t.find_first_of(".,");
  std::string_view whole = t.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? "" : t.substr(point + 1);
  auto digits = [](std::string_view d) {
    return std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (whole.empty() || !digits(whole) || !digits(fraction) ||
      (point != std::string_view::npos && fraction.empty()))
    return std::nullopt;
  return ReadClubDecimal(*text);
}

bool IsGameKey(std::string_view key) {
  if (key.empty() || key.size() > 20) return false;
  return std::all_of(key.begin(), key.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The game key of a request whose field `suffix` carries it ("crdtarnelbest" -> "crdtarnel").
std::optional<std::string> KeyOf(const FormFields& f, std::string_view suffix) {
  for (const auto& [name, value] : f.Entries) {
    if (name.size() > suffix.size() && name.ends_with(suffix)) {
      std::string key = name.substr(0, name.size() - suffix.size());
      if (IsGameKey(key)) return key;
    }
  }
  return std::nullopt;
}

const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS accounts (nick_key TEXT PRIMARY KEY, nick TEXT NOT NULL, "
    "pwhash TEXT NOT NULL, city TEXT NOT NULL, country1 TEXT NOT NULL, country2 TEXT NOT NULL, "
    "sex TEXT NOT NULL, email TEXT NOT NULL, dater TEXT NOT NULL, r01 TEXT NOT NULL, "
    "r02 TEXT NOT NULL, r03 TEXT NOT NULL, r04 INTEGER NOT NULL, r05 INTEGER NOT NULL, "
    "r06 INTEGER NOT NULL, profile TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS games (nick_key TEXT NOT NULL, gamekey TEXT NOT NULL, "
    "kon INTEGER NOT NULL, best INTEGER NOT NULL, rating DOUBLE PRECISION NOT NULL, "
    "ses INTEGER NOT NULL, konl INTEGER NOT NULL, score INTEGER NOT NULL, r1 INTEGER NOT NULL, "
    "r2 TEXT NOT NULL, PRIMARY KEY (nick_key, gamekey))",
    "CREATE INDEX IF NOT EXISTS games_by_rating ON games (gamekey, rating)",
    "CREATE INDEX IF NOT EXISTS board_by_rank ON board (gid, score, id)",
    "CREATE INDEX IF NOT EXISTS board_by_player ON board (gid, nick, city)",
    "CREATE TABLE IF NOT EXISTS stats (gid INTEGER PRIMARY KEY, stat1 BIGINT NOT NULL DEFAULT 0, "
    "stat2 BIGINT NOT NULL DEFAULT 0, stat3 BIGINT NOT NULL DEFAULT 0, stat4 TEXT NOT NULL "
    "DEFAULT '', x1 BIGINT NOT NULL DEFAULT 0, x2 BIGINT NOT NULL DEFAULT 0, x3 BIGINT NOT NULL "
    "DEFAULT 0, x4 BIGINT NOT NULL DEFAULT 0, x5 BIGINT NOT NULL DEFAULT 0, x6 BIGINT NOT NULL "
    "DEFAULT 0, x7 BIGINT NOT NULL DEFAULT 0, x8 BIGINT NOT NULL DEFAULT 0, x9 BIGINT NOT NULL "
    "DEFAULT 0, x10 BIGINT NOT NULL DEFAULT 0, x11 BIGINT NOT NULL DEFAULT 0, x12 BIGINT NOT NULL "
    "DEFAULT 0, staty BIGINT NOT NULL DEFAULT 0, statz TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE IF NOT EXISTS tour_seats (gid INTEGER NOT NULL, tablenum INTEGER NOT NULL, "
    "seat INTEGER NOT NULL, nick TEXT NOT NULL, score INTEGER NOT NULL, kon INTEGER NOT NULL, "
    "rating INTEGER NOT NULL, country TEXT NOT NULL, city TEXT NOT NULL, sex TEXT NOT NULL, "
    "ip TEXT NOT NULL, PRIMARY KEY (gid, tablenum, seat))",
    "CREATE TABLE IF NOT EXISTS tour_players (gid INTEGER NOT NULL, nick TEXT NOT NULL, "
    "score INTEGER NOT NULL, kon INTEGER NOT NULL, rating INTEGER NOT NULL, city TEXT NOT NULL, "
    "country TEXT NOT NULL, sex TEXT NOT NULL, PRIMARY KEY (gid, nick))",
};

}  // namespace

ClubService::ClubService(std::unique_ptr<SqlBackend> backend, ClubConfig config)
    : db_(std::move(backend)), config_(std::move(config)) {
  if (sodium_init() < 0) throw StoreError("libsodium did not start");
  randombytes_buf(digestKey_, sizeof digestKey_);
  const std::string board = db_->Dialect() == SqlDialect::kSqlite
                                ? "CREATE TABLE IF NOT EXISTS board (id INTEGER PRIMARY KEY, "
                                : "CREATE TABLE IF NOT EXISTS board (id BIGSERIAL PRIMARY KEY, ";
  const std::string boardColumns =
      "gid INTEGER NOT NULL, score INTEGER NOT NULL, nick TEXT NOT NULL, country TEXT NOT NULL, "
      "city TEXT NOT NULL, r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL, "
      "r10 TEXT NOT NULL)";
  db_->Write([&](SqlSession& s) {
    if (db_->Dialect() == SqlDialect::kPostgres)  // several processes may start at once
      s.Run("SELECT pg_advisory_xact_lock(3333)", {});
    s.Run(board + boardColumns, {});
    for (const char* sql : kSchema)
      s.Run(sql, {});
  });
}

bool ClubService::CheckPassword(const std::string& nick, const std::string& pw) {
  const std::string key = NickKey(nick);
  unsigned char digest[32];
  crypto_generichash(digest, sizeof digest, reinterpret_cast<const unsigned char*>(pw.data()),
                     pw.size(), digestKey_, sizeof digestKey_);
  const std::string digestText(reinterpret_cast<char*>(digest), sizeof digest);
  {
    std::lock_guard lock(verifiedMutex_);
    auto found = verified_.find(key);
    if (found != verified_.end() && found->second == digestText) return true;
  }
  std::string hash;
  db_->Read([&](SqlSession& s) {
    auto rows = Query(s, "SELECT pwhash FROM accounts WHERE nick_key = $1", {key});
    if (!rows.empty()) hash = rows[0][0];
  });
  if (hash.empty() || crypto_pwhash_str_verify(hash.c_str(), pw.data(), pw.size()) != 0)
    return false;
  std::lock_guard lock(verifiedMutex_);
  if (verified_.size() > 200000) verified_.clear();
  verified_[key] = digestText;
  return true;
}

ScriptReply ClubService::Account(const FormFields& f) {
  if (f.Has("label0")) return LogIn(f);
  if (f.Has("label1")) {
    std::string count;
    db_->Read([&](SqlSession& s) { count = Query(s, "SELECT count(*) FROM accounts", {})[0][0]; });
    return Ok("$" + count);
  }
  if (f.Has("labelinforead")) return ReadProfile(f);
  if (f.Has("labelinfosave")) return SaveProfile(f);
  if (f.Has("country2")) return CreateAccount(f);
  if (f.Has("nick")) {
    std::optional<std::string> key = KeyOf(f, "best");
    if (!key) return Bad();
    return f.Has(*key + "rating") ? WriteGame(f, *key) : ReadGame(f, *key);
  }
  if (f.Entries.size() == 1) {
    if (std::optional<std::string> key = KeyOf(f, "kon")) return RatingTopTen(*key);
    if (std::optional<std::string> key = KeyOf(f, "rating"))
      return RatingPlace(*key, f.Entries[0].second);
  }
  return Bad();
}

ScriptReply ClubService::CreateAccount(const FormFields& f) {
  auto nick = NameField(f, "nick", 2, 12);
  auto pw = NameField(f, "pw", 4, 12);
  auto city = NameField(f, "city", 2, 15);
  auto email = NameField(f, "email", 2, 30);
  auto country1 = WordField(f, "country1", 20);
  auto country2 = WordField(f, "country2", 5);
  auto sex = WordField(f, "sex", 1);
  auto dater = WordField(f, "dater", 12);
  auto r01 = WordField(f, "R01", 20), r02 = WordField(f, "R02", 20), r03 = WordField(f, "R03", 20);
  auto r04 = IntField(f, "R04", INT_MIN, INT_MAX), r05 = IntField(f, "R05", INT_MIN, INT_MAX),
       r06 = IntField(f, "R06", INT_MIN, INT_MAX);
  if (!nick || !pw || !city || !email || !country1 || !country2 || !sex || !dater || !r01 || !r02 ||
      !r03 || !r04 || !r05 || !r06 || email->find('@') == std::string::npos ||
      (*sex != "M" && *sex != "W"))
    return Bad();
  char hash[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(hash, pw->data(), pw->size(), config_.HashOps, config_.HashMemory) != 0)
    return {503, "server busy"};
  if (*country1 == "#") *country1 = "";  // an empty short name stays empty
  bool created = false;
  db_->Write([&](SqlSession& s) {
    created =
        !Query(s,
               "INSERT INTO accounts VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, "
               "$12, $13, $14, $15, $16) ON CONFLICT (nick_key) DO NOTHING RETURNING nick",
               {NickKey(*nick), *nick, std::string(hash), *city, *country1, *country2, *sex, *email,
                *dater, *r01, *r02, *r03, *r04, *r05, *r06, std::string(kProfileTexts - 1, '~')})
             .empty();
  });
  return Ok(created ? "ok" : "is");
}

ScriptReply ClubService::LogIn(const FormFields& f) {
  const std::string* nick = f.Find("nick");
  const std::string* pw = f.Find("pw");
  if (!nick || !pw || nick->size() > 12 || pw->size() > 12) return Bad();
  if (!CheckPassword(*nick, *pw)) return Ok("no");
  std::vector<SqlRow> rows;
  db_->Read([&](SqlSession& s) {
    rows = Query(s,
                 "SELECT city, country1, country2, sex, email, dater, r01, r02, r03, r04, r05, "
                 "r06 FROM accounts WHERE nick_key = $1",
                 {NickKey(*nick)});
  });
  if (rows.empty()) return Ok("no");
  std::string reply = "$";
  for (std::size_t i = 0; i < rows[0].size(); ++i)
    reply += (i ? " " : "") + rows[0][i];
  return Ok(reply + "$");
}

ScriptReply ClubService::ReadProfile(const FormFields& f) {
  const std::string* nick = f.Find("nick");
  if (!nick || nick->size() > 12) return Bad();
  std::vector<SqlRow> rows;
  db_->Read([&](SqlSession& s) {
    rows = Query(s, "SELECT profile FROM accounts WHERE nick_key = $1", {NickKey(*nick)});
  });
  if (rows.empty()) return Ok("no");
  return Ok("$" + rows[0][0] + "$");
}

ScriptReply ClubService::SaveProfile(const FormFields& f) {
  const std::string* nick = f.Find("nick");
  if (!nick || nick->size() > 12) return Bad();
  // The program sends no password with its profile; one that is sent must be right.
  if (const std::string* pw = f.Find("pw"); pw && !CheckPassword(*nick, *pw)) return Denied();
  std::string profile;
  for (int i = 0; i < kProfileTexts; ++i) {
    const std::string* v = f.Find(kProfileFields[i]);
    std::string text = v ? *v : "";
    if (text.size() > kProfileLimits[i]) return Bad();
    for (char& c : text)
      if (c == '$' || c == '~' || static_cast<unsigned char>(c) < 0x20) c = ' ';
    profile += (i ? "~" : "") + text;
  }
  bool saved = false;
  db_->Write([&](SqlSession& s) {
    saved = !Query(s, "UPDATE accounts SET profile = $2 WHERE nick_key = $1 RETURNING nick",
                   {NickKey(*nick), profile})
                 .empty();
  });
  return Ok(saved ? "ok" : "no account");
}

ScriptReply ClubService::ReadGame(const FormFields& f, const std::string& key) {
  const std::string* nick = f.Find("nick");
  const std::string* pw = f.Find("pw");
  if (!nick || !pw) return Bad();
  if (!CheckPassword(*nick, *pw)) return Denied();
  std::vector<SqlRow> rows;
  db_->Read([&](SqlSession& s) {
    rows = Query(s,
                 "SELECT kon, best, rating, ses, konl, score, r1, r2 FROM games "
                 "WHERE nick_key = $1 AND gamekey = $2",
                 {NickKey(*nick), key});
  });
  if (rows.empty()) return Ok("$0 0 0 0 0 0 0 #$");
  const SqlRow& r = rows[0];
  return Ok("$" + r[0] + " " + r[1] + " " + FormatClubDecimal(std::stod(r[2])) + " " + r[3] + " " +
            r[4] + " " + r[5] + " " + r[6] + " " + r[7] + "$");
}

ScriptReply ClubService::WriteGame(const FormFields& f, const std::string& key) {
  const std::string* nick = f.Find("nick");
  const std::string* pw = f.Find("pw");
  auto kon = IntField(f, key + "kon", 0, INT_MAX);
  auto best = IntField(f, key + "best", INT_MIN, INT_MAX);
  auto ses = IntField(f, key + "ses", 0, INT_MAX);
  auto konl = IntField(f, key + "konl", 0, INT_MAX);
  auto score = IntField(f, key + "score", INT_MIN, INT_MAX);
  auto r1 = IntField(f, key + "R1", INT_MIN, INT_MAX);
  auto r2 = WordField(f, key + "R2", 20);
  const std::string* ratingText = f.Find(key + "rating");
  std::optional<double> rating = RatingValue(ratingText);
  if (!nick || !pw || !kon || !best || !ses || !konl || !score || !r1 || !r2 || !rating)
    return Bad();
  if (!CheckPassword(*nick, *pw)) return Denied();
  db_->Write([&](SqlSession& s) {
    Query(s,
          "INSERT INTO games VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10) "
          "ON CONFLICT (nick_key, gamekey) DO UPDATE SET kon = excluded.kon, best = "
          "excluded.best, rating = excluded.rating, ses = excluded.ses, konl = excluded.konl, "
          "score = excluded.score, r1 = excluded.r1, r2 = excluded.r2",
          {NickKey(*nick), key, *kon, *best, *rating, *ses, *konl, *score, *r1, *r2});
  });
  return Ok("ok");
}

ScriptReply ClubService::RatingTopTen(const std::string& key) {
  std::vector<SqlRow> rows;
  db_->Read([&](SqlSession& s) {
    rows = Query(s,
                 "SELECT a.nick, a.city, a.country1, a.country2, a.sex, g.rating FROM games g "
                 "JOIN accounts a ON a.nick_key = g.nick_key WHERE g.gamekey = $1 AND g.kon > 0 "
                 "ORDER BY g.rating DESC, g.kon DESC, a.nick_key LIMIT 10",
                 {key});
  });
  std::string reply;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SqlRow& r = rows[i];
    reply += "$" + std::to_string(i + 1) + " " + r[0] + " " + r[1] + " " + r[2] + " " + r[3] + " " +
             r[4] + " " + FormatClubDecimal(std::stod(r[5])) + "*";
  }
  return Ok(reply);
}

ScriptReply ClubService::RatingPlace(const std::string& key, const std::string& ratingText) {
  std::optional<double> rating = RatingValue(&ratingText);
  if (!rating) return Bad();
  std::string above;
  db_->Read([&](SqlSession& s) {
    above = Query(s, "SELECT count(*) FROM games WHERE gamekey = $1 AND kon > 0 AND rating > $2",
                  {key, *rating})[0][0];
  });
  return Ok("$" + std::to_string(Number(above) + 1));
}

ScriptReply ClubService::Board(const FormFields& f) {
  constexpr long long kMaxBoard = 100000;
  if (f.Has("rgid")) {
    auto gid = IntField(f, "rgid", 0, kMaxBoard);
    if (!gid) return Bad();
    std::string count;
    db_->Read([&](SqlSession& s) {
      count = Query(s, "SELECT count(*) FROM board WHERE gid = $1", {*gid})[0][0];
    });
    return Ok("$" + count);
  }
  auto gid = IntField(f, "gid", 0, kMaxBoard);
  if (!gid) return Bad();
  const std::string columns = "id, score, nick, country, city, r07, r08, r09, r10";
  auto records = [](const std::vector<SqlRow>& rows, auto place) {
    std::string reply;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const SqlRow& r = rows[i];
      reply += "$" + place(i, r) + " " + r[0] + " " + r[1];
      for (std::size_t c = 2; c < 9; ++c)
        reply += " " + r[c];
      reply += "*";
    }
    return reply;
  };

  if (f.Has("score")) {
    auto nick = WordField(f, "nick", 12);
    auto city = WordField(f, "city", 15);
    auto country = WordField(f, "country", 20);
    auto score = IntField(f, "score", INT_MIN, INT_MAX);
    auto r7 = WordField(f, "R7", 2, false), r8 = WordField(f, "R8", 10, false);
    auto r9 = WordField(f, "R9", 80, false);
    // The write closes its last field with "*".
    std::string r10Text = f.Find("R10") ? *f.Find("R10") : "#";
    if (r10Text.ends_with('*')) r10Text.pop_back();
    FormFields r10Field{{{"R10", r10Text}}};
    auto r10 = WordField(r10Field, "R10", 200);
    if (!nick || !city || !country || !score || !r7 || !r8 || !r9 || !r10) return Bad();
    std::string place;
    db_->Write([&](SqlSession& s) {
      std::string id = Query(s,
                             "INSERT INTO board (gid, score, nick, country, city, r07, r08, r09, "
                             "r10) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9) RETURNING id",
                             {*gid, *score, *nick, *country, *city, *r7, *r8, *r9, *r10})[0][0];
      place = Query(s,
                    "SELECT count(*) FROM board WHERE gid = $1 AND (score > $2 OR (score = $2 "
                    "AND id <= $3))",
                    {*gid, *score, Number(id)})[0][0];
    });
    return Ok("$" + place);
  }

  if (f.Has("nick")) {
    const std::string* nick = f.Find("nick");
    const std::string* city = f.Find("city");
    if (nick->size() > 12 || (city && city->size() > 15)) return Bad();
    std::vector<SqlRow> rows;
    db_->Read([&](SqlSession& s) {
      rows = Query(s,
                   "SELECT " + columns +
                       ", (SELECT count(*) FROM board o WHERE o.gid = b.gid AND (o.score > "
                       "b.score OR (o.score = b.score AND o.id <= b.id))) FROM board b WHERE "
                       "b.gid = $1 AND b.nick = $2 AND ($3 = '' OR b.city = $3) ORDER BY "
                       "b.score DESC, b.id LIMIT 10",
                   {*gid, *nick, city ? *city : std::string()});
    });
    return Ok(records(rows, [](std::size_t, const SqlRow& r) { return r[9]; }));
  }

  std::vector<SqlRow> rows;
  db_->Read([&](SqlSession& s) {
    rows = Query(s,
                 "SELECT " + columns +
                     " FROM board WHERE gid = $1 ORDER BY score DESC, id "
                     "LIMIT 10",
                 {*gid});
  });
  return Ok(records(rows, [](std::size_t i, const SqlRow&) { return std::to_string(i + 1); }));
}

ScriptReply ClubService::Stat(const FormFields& f) {
  auto gid = IntField(f, "gid", 0, 100000);
  if (!gid) return Bad();
  auto ensure = [&](SqlSession& s) {
    Query(s, "INSERT INTO stats (gid) VALUES ($1) ON CONFLICT (gid) DO NOTHING", {*gid});
  };
  if (f.Has("stat1")) {
    auto unique = IntField(f, "stat2", 0, 1);
    if (!unique) return Bad();
    db_->Write([&](SqlSession& s) {
      ensure(s);
      Query(s, "UPDATE stats SET stat1 = stat1 + 1, stat2 = stat2 + $2 WHERE gid = $1",
            {*gid, *unique});
    });
    return Ok("$ ok#");
  }
  if (f.Has("stat3")) {
    auto nick = WordField(f, "stat4", 12);
    if (!nick) return Bad();
    db_->Write([&](SqlSession& s) {
      ensure(s);
      Query(s, "UPDATE stats SET stat3 = stat3 + 1, stat4 = $2 WHERE gid = $1", {*gid, *nick});
    });
    return Ok("$ ok#");
  }
  if (f.Has("R1")) {
    // One game adds at most its own score; larger values would let one report skew the counters.
    std::vector<SqlParam> params{*gid};
    for (int i = 1; i <= 12; ++i) {
      auto c = IntField(f, "R" + std::to_string(i), 0, 100000);
      if (!c) return Bad();
      params.push_back(*c);
    }
    db_->Write([&](SqlSession& s) {
      ensure(s);
      std::string sql = "UPDATE stats SET ";
      for (int i = 1; i <= 12; ++i)
        sql += (i > 1 ? ", x" : "x") + std::to_string(i) + " = x" + std::to_string(i) + " + $" +
               std::to_string(i + 1);
      Query(s, sql + " WHERE gid = $1", params);
    });
    return Ok("$ ok#");
  }
  std::vector<SqlRow> rows;
  db_->Read([&](SqlSession& s) {
    rows = Query(s,
                 "SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, "
                 "x11, x12, staty, statz FROM stats WHERE gid = $1",
                 {*gid});
  });
  SqlRow r = rows.empty() ? SqlRow{"0", "0", "0", "",  "0", "0", "0", "0", "0",
                                   "0", "0", "0", "0", "0", "0", "0", "0", ""}
                          : rows[0];
  std::string reply = "$";
  for (std::size_t i = 0; i < r.size(); ++i)
    reply += (i ? " " : "") + ((i == 3 || i == 17) ? r[i] : Counter(r[i]));
  return Ok(reply + "*");
}

std::string ClubService::Directory() const {
  const std::string& base = config_.PublicBase;
  std::string d;
  if (config_.PauseBoards) d += "WTGamesPause#\n";
  if (config_.PauseChat) d += "CTGamesPause#\n";
  d += "WTGamesPatt=" + EncipherAddress(base + "/tarnel/board.php", kBoardAddressKey) + "#\n";
  d += "StatPath=" + EncipherAddress(base + "/tarnel/stat.php", kStatAddressKey) + "#\n";
  d += "AccPath=" + EncipherAddress(base + "/tarnel/account.php", kAccountAddressKey) + "#\n";
  if (!config_.Announcement.empty()) d += "NewsTarnel5.3=" + config_.Announcement + "\n";
  return d;
}

std::string ClubService::News() const {
  char number[16];
  std::snprintf(number, sizeof number, "%05d", std::clamp(config_.NewsNumber, 0, 99999));
  return std::string("QelNews") + number + "\n";
}

namespace {

constexpr int kTables = 10;

// "readrating33", "places33", "top10k33": the request's letter, when the name is `prefix`, an
// optional letter from `letters` and the game number.
std::optional<char> TourRequest(const FormFields& f, std::string_view prefix,
                                std::string_view letters, const std::string& gid) {
  for (const auto& [name, value] : f.Entries) {
    if (!name.starts_with(prefix)) continue;
    std::string_view rest = std::string_view(name).substr(prefix.size());
    char letter = ' ';
    if (!letters.empty()) {
      if (rest.empty() || letters.find(rest[0]) == std::string_view::npos) continue;
      letter = rest[0];
      rest.remove_prefix(1);
    }
    if (rest == gid) return letter;
  }
  return std::nullopt;
}

const char* TourColumn(char letter) {
  return letter == 'r' ? "rating" : letter == 'k' ? "kon" : "score";
}

}  // namespace

ScriptReply ClubService::Tour(const FormFields& f) {
  auto gid = IntField(f, "gid", 0, 100000);

  if (f.Has("readtable10")) {
    auto g = IntField(f, "readtable10", 0, 100000);
    if (!g) return Bad();
    std::vector<SqlRow> rows;
    db_->Read([&](SqlSession& s) {
      rows = Query(s,
                   "SELECT tablenum, seat, nick, score, kon, rating, country, city, sex, ip "
                   "FROM tour_seats WHERE gid = $1",
                   {*g});
    });
    SqlRow seats[kTables + 1][3];
    for (const SqlRow& r : rows) {
      long long t = Number(r[0]), seat = Number(r[1]);
      if (t >= 1 && t <= kTables && (seat == 1 || seat == 2)) seats[t][seat] = r;
    }
    std::string reply;
    for (int t = kTables; t >= 1; --t) {
      int taken = 0;
      std::string players;
      for (int seat = 1; seat <= 2; ++seat) {
        const SqlRow& r = seats[t][seat];
        if (r.empty()) {
          players += " X 0 0 0 X X M 0.0.0.0";
        } else {
          ++taken;
          for (std::size_t c = 2; c < 10; ++c)
            players += " " + r[c];
        }
      }
      const char* state = taken == 0 ? "free" : taken == 1 ? "wait" : "play";
      reply += "$" + std::to_string(t) + " " + config_.TourAddress + " " +
               std::to_string(config_.TourPortBase + t) + " " + state + " 0 #" + players + "*";
    }
    return Ok(reply);
  }

  if (f.Has("serverinforead")) {
    std::string welcome = config_.TourWelcome;
    for (char& c : welcome)
      if (c == ' ' || c == '$' || c == '*' || static_cast<unsigned char>(c) < 0x20) c = '_';
    return Ok(std::string("$") + (config_.TourOn ? "Y" : "N") + " " + welcome + "$");
  }

  for (char seatDigit : {'1', '2'}) {
    const std::string s(1, seatDigit);
    const long long seat = seatDigit - '0';
    if (f.Has("clienton" + s)) {
      auto table = IntField(f, "num", 1, kTables);
      auto can = IntField(f, "can", 0, 2);
      auto nick = WordField(f, "nick" + s, 12);
      auto score = IntField(f, "score" + s, INT_MIN, INT_MAX);
      auto kon = IntField(f, "kon" + s, INT_MIN, INT_MAX);
      auto rating = IntField(f, "rating" + s, INT_MIN, INT_MAX);
      auto country = WordField(f, "country" + s, 20);
      auto city = WordField(f, "city" + s, 15);
      auto sex = WordField(f, "sex" + s, 1);
      auto ip = WordField(f, "ip" + s, 45);
      if (!gid || !table || !can || !nick || !score || !kon || !rating || !country || !city ||
          !sex || !ip)
        return Bad();
      if (*can != 1) {  // giving up a seat, or freeing it after a failure
        db_->Write([&](SqlSession& q) {
          Query(q, "DELETE FROM tour_seats WHERE gid = $1 AND tablenum = $2 AND seat = $3",
                {*gid, *table, seat});
        });
        return Ok("ok");
      }
      if (*nick == "X" || *nick == "#") return Bad();
      bool taken = false;
      db_->Write([&](SqlSession& q) {
        auto here = Query(q, "SELECT seat, nick FROM tour_seats WHERE gid = $1 AND tablenum = $2",
                          {*gid, *table});
        auto elsewhere =
            Query(q, "SELECT 1 FROM tour_seats WHERE gid = $1 AND nick = $2", {*gid, *nick});
        bool seatBusy = false, firstTaken = false;
        for (const SqlRow& r : here) {
          if (Number(r[0]) == seat) seatBusy = true;
          if (Number(r[0]) == 1) firstTaken = true;
        }
        // Seat 2 is only taken opposite somebody waiting at seat 1; nobody sits twice.
        if (seatBusy || !elsewhere.empty() || (seat == 2 && !firstTaken)) return;
        Query(q, "INSERT INTO tour_seats VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11)",
              {*gid, *table, seat, *nick, *score, *kon, *rating, *country, *city, *sex, *ip});
        taken = true;
      });
      return Ok(taken ? "ok" : "is");
    }
    if (f.Has("readclient" + s)) {
      auto table = IntField(f, "num", 1, kTables);
      if (!gid || !table) return Bad();
      std::vector<SqlRow> rows;
      db_->Read([&](SqlSession& q) {
        rows = Query(q,
                     "SELECT nick, score, kon, rating, country, city, sex, ip FROM tour_seats "
                     "WHERE gid = $1 AND tablenum = $2 AND seat = $3",
                     {*gid, *table, seat});
      });
      if (rows.empty()) return Ok("$X 0 0 0 X X M 0.0.0.0");
      std::string reply = "$";
      for (std::size_t c = 0; c < rows[0].size(); ++c)
        reply += (c ? " " : "") + rows[0][c];
      return Ok(reply);
    }
  }

  if (TourRequest(f, "readrating", "", std::to_string(kGameNumber))) {
    const std::string* nick = f.Find("nick");
    if (!nick || nick->size() > 12) return Bad();
    std::vector<SqlRow> rows;
    db_->Read([&](SqlSession& q) {
      rows = Query(q, "SELECT score, kon, rating FROM tour_players WHERE gid = $1 AND nick = $2",
                   {static_cast<long long>(kGameNumber), *nick});
    });
    if (rows.empty()) return Ok("$0 0 0");
    return Ok("$" + rows[0][0] + " " + rows[0][1] + " " + rows[0][2]);
  }

  for (const auto& [name, value] : f.Entries) {
    if (name.starts_with("place") && name.size() == 8) {
      std::optional<char> letter = TourRequest(f, "place", "srk", std::to_string(kGameNumber));
      if (!letter) return Bad();
      const std::string field = *letter == 's' ? "score1" : *letter == 'r' ? "rating1" : "kon1";
      auto v = IntField(f, field, INT_MIN, INT_MAX);
      if (!v) return Bad();
      std::string above;
      db_->Read([&](SqlSession& q) {
        above = Query(q,
                      std::string("SELECT count(*) FROM tour_players WHERE gid = $1 AND ") +
                          TourColumn(*letter) + " > $2",
                      {static_cast<long long>(kGameNumber), *v})[0][0];
      });
      return Ok("$" + std::to_string(Number(above) + 1));
    }
    if (name.starts_with("top10")) {
      std::optional<char> letter = TourRequest(f, "top10", "srk", std::to_string(kGameNumber));
      if (!letter) return Bad();
      const std::string column = TourColumn(*letter);
      std::vector<SqlRow> rows;
      db_->Read([&](SqlSession& q) {
        rows = Query(q,
                     "SELECT nick, city, country, sex, " + column +
                         " FROM tour_players WHERE gid = $1 ORDER BY " + column +
                         " DESC, nick LIMIT 10",
                     {static_cast<long long>(kGameNumber)});
      });
      std::string reply;
      for (std::size_t i = 0; i < rows.size(); ++i)
        reply += "$" + std::to_string(i + 1) + " " + rows[i][0] + " " + rows[i][1] + " " +
                 rows[i][2] + " " + rows[i][3] + " " + rows[i][4] + "*";
      return Ok(reply);
    }
  }
  return Bad();
}

}  // namespace tarnel::server
