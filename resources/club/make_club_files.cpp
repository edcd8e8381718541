// Lays the installation's two club files into the program folder. A club file already there is
// kept: it holds the players' standings.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/file_system.h"
#include "records/club_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_club_files PROGRAM_FOLDER STAMP_FILE\n";
    return 2;
  }
  std::filesystem::path folder = argv[1];
  tarnel::PosixFileSystem fs;
  if (!fs.MakeFolder(folder)) {
    std::cerr << "make_club_files: cannot create " << folder << "\n";
    return 1;
  }
  struct Club {
    const char* Name;
    const char* Label;
  };
  for (Club club : {Club{tarnel::kClubFileName, "LOC"}, Club{tarnel::kNetClubFileName, "NET"}}) {
    std::filesystem::path path = folder / club.Name;
    if (fs.Exists(path)) continue;
    if (!fs.ReplaceFile(path, tarnel::NewClubFile(club.Label))) {
      std::cerr << "make_club_files: cannot write " << path << "\n";
      return 1;
    }
  }
  std::ofstream(argv[2]) << "club files in " << folder.string() << "\n";
  return 0;
}
