#include "server_config.h"

#include <charconv>

namespace tarnel::server {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::optional<int> Int(std::string_view v) {
  int n = 0;
  auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
  if (error != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return n;
}

std::optional<bool> Flag(std::string_view v) {
  if (v == "yes" || v == "on" || v == "true" || v == "1") return true;
  if (v == "no" || v == "off" || v == "false" || v == "0") return false;
  return std::nullopt;
}

}  // namespace

std::optional<ServerConfig> ParseServerConfig(std::string_view text, std::string& error) {
  ServerConfig c;
  int lineNumber = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      error = "line " + std::to_string(lineNumber) + ": no \"=\"";
      return std::nullopt;
    }
    std::string_view key = Trim(line.substr(0, eq)), value = Trim(line.substr(eq + 1));
    bool ok = true;
    auto setInt = [&](int& target, int min, int max) {
      std::optional<int> n = Int(value);
      ok = n && *n >= min && *n <= max;
      if (ok) target = *n;
    };
    auto setFlag = [&](bool& target) {
      std::optional<bool> b = Flag(value);
      ok = b.has_value();
      if (ok) target = *b;
    };
    if (key == "storage") {
      ok = value == "sqlite" || value == "postgresql";
      c.Storage = value;
    } else if (key == "postgresql") {
      c.PostgresConnInfo = value;
    } else if (key == "postgresql_connections") {
      setInt(c.PostgresConnections, 1, 1000);
    } else if (key == "sqlite_full_sync") {
      setFlag(c.SqliteFullSync);
    } else if (key == "threads") {
      setInt(c.Threads, 4, 10000);
    } else if (key == "public_base") {
      c.Club.PublicBase = value;
    } else if (key == "pause_boards") {
      setFlag(c.Club.PauseBoards);
    } else if (key == "pause_chat") {
      setFlag(c.Club.PauseChat);
    } else if (key == "announcement") {
      c.Club.Announcement = value;
    } else if (key == "news_number") {
      setInt(c.Club.NewsNumber, 0, 99999);
    } else if (key == "tour_address") {
      c.Club.TourAddress = value;
    } else if (key == "tour_port_base") {
      setInt(c.Club.TourPortBase, 1, 65000);
    } else if (key == "tour_on") {
      setFlag(c.Club.TourOn);
    } else if (key == "tour_welcome") {
      c.Club.TourWelcome = value;
    } else if (key == "downloads") {
      c.Downloads = value;
    } else if (key == "music") {
      c.Music = value;
    } else if (key == "radio_list") {
      c.RadioList = value;
    } else if (key == "photos") {
      c.Photos = value;
    } else if (key == "password_hash_cost") {  // "light" only for tests
      ok = value == "light" || value == "normal";
      if (value == "light") {
        c.Club.HashOps = 1;
        c.Club.HashMemory = 8192;
      }
    } else {
      ok = false;
    }
    if (!ok) {
      error = "line " + std::to_string(lineNumber) + ": bad " + std::string(key);
      return std::nullopt;
    }
  }
  return c;
}

}  // namespace tarnel::server
