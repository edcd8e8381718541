// The server's configuration file: "key = value" lines, "#" starts a comment.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "club_service.h"

namespace tarnel::server {

struct ServerConfig {
  ClubConfig Club;
  std::string Storage = "sqlite";  // or "postgresql"
  std::string PostgresConnInfo;    // libpq connection string
  int PostgresConnections = 16;
  bool SqliteFullSync = true;
  int Threads = 160;  // above the connections a club expects: each keep-alive client holds one
  std::filesystem::path Downloads;  // the resource libraries served under /downloads/progr/cards/
  std::filesystem::path Music;      // "_playlist.html" and the tracks
  std::filesystem::path RadioList;  // the station list file
  std::filesystem::path Photos;     // default DATA/photos
};

// Nothing, with `error` set, when a line is not understood.
std::optional<ServerConfig> ParseServerConfig(std::string_view text, std::string& error);

}  // namespace tarnel::server
