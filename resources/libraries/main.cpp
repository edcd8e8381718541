// tarnel-libraries LIBRARY OUTPUT: writes one of the resource libraries (card faces, backs,
// table cloths, window designs) under its file name.
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

#include "libraries.h"
#include "platform/resource_archive.h"

int main(int argc, char** argv) {
  using namespace tarnel;
  if (argc != 3) {
    std::fprintf(stderr, "usage: tarnel-libraries LIBRARY-NAME OUTPUT-FILE\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::string library = argv[1];
  art::Sink sink;
  if (library == kCardsLibraryA || library == kCardsLibraryC) {
    libraries::AddFaces(sink, library);
  } else if (library == kCardsLibraryB) {
    libraries::AddFaces(sink, library);
    libraries::AddBacks(sink);
  } else if (library == kBackgroundLibrary) {
    libraries::AddCloths(sink);
  } else if (library == kGraphicsLibrary) {
    libraries::AddGraphics(sink);
  } else {
    std::fprintf(stderr, "tarnel-libraries: unknown library %s\n", argv[1]);
    return 2;
  }
  if (!WriteResourceArchive(argv[2], sink.Entries())) {
    std::fprintf(stderr, "tarnel-libraries: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
