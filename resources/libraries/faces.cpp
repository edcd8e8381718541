#include <set>

#include "card_designs.h"
#include "libraries.h"
#include "ui/pictures/picture_loader.h"

namespace tarnel::libraries {
namespace {

// The design whose own pictures a name of `code` means, within one library: designs share
// number cards and aces with the design of that code.
int OwnerOf(const std::string& code, const std::string& libraryFile, int asking) {
  for (int d = 1; d < kDesignCount; ++d)
    if (FaceLibrary(d) == libraryFile && DesignCode(d) == code) return d;
  return asking;
}

Picture Stored(Picture face) {
  // The libraries keep faces with an inverted ellipse; the loader inverts it back.
  InvertEllipse(face, 10, 10, face.Width - 10, face.Height - 10);
  return face;
}

}  // namespace

void AddFaces(art::Sink& sink, const std::string& libraryFile) {
  std::set<std::string> made;
  for (int design = 1; design < kDesignCount; ++design) {
    if (FaceLibrary(design) != libraryFile) continue;
    for (int i = 0; i < 36; ++i) {
      for (int cls : {kSmallPictures, kLargePictures}) {
        std::string name = FaceName(i, design, cls);
        if (!made.insert(AsciiLower(name)).second) continue;
        std::string code = name.substr(4, 3);
        int owner = OwnerOf(code, libraryFile, design);
        Picture face = RenderFace(owner, i, cls == kLargePictures);
        if (face.Empty()) {
          std::fprintf(stderr, "libraries: no picture for %s (is %s installed?)\n", name.c_str(),
                       SvgDeckFile(owner).c_str());
          std::exit(1);
        }
        sink.Png(name, Stored(std::move(face)), cls == kLargePictures ? 0xFF00FF : 0);
      }
    }
    for (int suit = 0; suit < 4; ++suit) {
      for (bool large : {false, true}) {
        std::string name = SuitSymbolName(suit, design, large);
        if (!made.insert(AsciiLower(name)).second) continue;
        int owner = OwnerOf(SuitSymbolCode(design), libraryFile, design);
        sink.Png(name, RenderSuitSymbol(owner, suit, large), large ? 0 : kSilver);
      }
    }
  }
}

}  // namespace tarnel::libraries
