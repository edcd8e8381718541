// The club's scripts: each request's form fields in, the reply text the client's readers expect
// out. Independent of HTTP, so the same code serves every server process.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "form_body.h"
#include "sql_backend.h"

namespace tarnel::server {

struct ClubConfig {
  std::string PublicBase;  // what the directory hands out; default: where this server listens
  bool PauseBoards = false;
  bool PauseChat = false;
  std::string Announcement;  // "Y#title#text#link#0#" or empty
  int NewsNumber = 0;
  std::string TourAddress = "127.0.0.1";
  int TourPortBase = 25700;  // table t listens on base + t
  bool TourOn = true;
  std::string TourWelcome = "Welcome to the world online tournament!";
  // Cost of the password hash (argon2id); tests lower it.
  unsigned long long HashOps = 2;
  std::size_t HashMemory = 19u << 20;
};

struct ScriptReply {
  int Status = 200;
  std::string Body;
};

class ClubService {
 public:
  ClubService(std::unique_ptr<SqlBackend> backend, ClubConfig config);

  ScriptReply Account(const FormFields& form);
  ScriptReply Board(const FormFields& form);
  ScriptReply Stat(const FormFields& form);
  ScriptReply Tour(const FormFields& form);
  std::string Directory() const;
  void SetPublicBase(std::string base) { config_.PublicBase = std::move(base); }
  std::string News() const;

 private:
  bool CheckPassword(const std::string& nick, const std::string& pw);
  ScriptReply CreateAccount(const FormFields& form);
  ScriptReply LogIn(const FormFields& form);
  ScriptReply ReadProfile(const FormFields& form);
  ScriptReply SaveProfile(const FormFields& form);
  ScriptReply ReadGame(const FormFields& form, const std::string& key);
  ScriptReply WriteGame(const FormFields& form, const std::string& key);
  ScriptReply RatingTopTen(const std::string& key);
  ScriptReply RatingPlace(const std::string& key, const std::string& rating);

  std::unique_ptr<SqlBackend> db_;
  ClubConfig config_;
  // Passwords already verified against their argon2id hash, as keyed digests, so repeated
  // requests of one member do not pay the hash each time.
  std::mutex verifiedMutex_;
  std::unordered_map<std::string, std::string> verified_;
  unsigned char digestKey_[32];
};

}  // namespace tarnel::server
