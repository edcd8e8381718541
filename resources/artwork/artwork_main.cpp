// tarnel-artwork OUTPUT: draws the program's own pictures, cues and menu song into one
// resource library.
#include <QGuiApplication>

#include <cstdio>

#include "art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarnel-artwork OUTPUT-ARCHIVE\n");
    return 2;
  }
  // Pictures are drawn without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  tarnel::art::Sink sink;
  tarnel::art::AddCards(sink);
  tarnel::art::AddTable(sink);
  tarnel::art::AddDialogs(sink);
  tarnel::art::AddAnimations(sink);
  tarnel::art::AddPeriphery(sink);
  tarnel::art::AddSounds(sink);
  if (!tarnel::WriteResourceArchive(argv[1], sink.Entries())) {
    std::fprintf(stderr, "artwork: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
