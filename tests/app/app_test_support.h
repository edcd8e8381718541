// A throw-away program folder with the program's own pictures and two club files, and the
// application object the window tests need.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "build_folders.h"
#include "offscreen_app.h"
#include "records/club_file.h"

namespace tarnel::testing {

inline QApplication& App() { return OffscreenApp(); }

class ProgramFolder {
 public:
  ProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnel-app-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
    std::filesystem::copy_file(build::ProgramFolder() / "Tarnel.res",
                               path_ / "Tarnel.res");
    Write("Tarnel.clb", NewClubFile("001"));
    Write("Tarnel.net", NewClubFile("001"));
  }
  ~ProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  bool Has(const std::string& name) const { return std::filesystem::exists(path_ / name); }

  // A club file with these members in slots 1.. (name, password, games, score), sorted as
  // stored, with its checksum.
  struct Member {
    std::string Name;
    std::string Password;
    long long Games = 0;
    long long Score = 0;
    double Rating = 0;
  };
  void WriteClub(const std::string& name, const std::vector<Member>& members) const {
    ClubLines lines = ParseClubFile(NewClubFile("001")).Lines;
    for (std::size_t i = 0; i < members.size(); ++i) {
      const Member& m = members[i];
      std::string padded = m.Name;
      padded.resize(kNameLength, ' ');
      lines[i] = BuildMemberLine(padded, m.Rating, m.Games, m.Score, EncodePassword(m.Password));
    }
    UpdateClubChecksum(lines);
    Write(name, SerializeClubFile(lines));
  }

 private:
  std::filesystem::path path_;
};

// Lets queued calls and timers run for a while.
inline void Spin(int ms = 50) { QTest::qWait(ms); }

}  // namespace tarnel::testing
