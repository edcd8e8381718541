#include "platform/picture_codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto animation = tarnel::DecodeGif({data, size});
  if (animation) {
    for (const auto& frame : animation->Frames) {
      if (frame.Image.Width != animation->Width || frame.Image.Height != animation->Height)
        __builtin_trap();
    }
  }
  return 0;
}
