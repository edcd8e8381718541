// Writes small valid pictures and a library as starting points for the fuzz targets.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/resource_archive.h"
#include "platform/wave_format.h"

namespace fs = std::filesystem;
using namespace tarnel;

static void Write(const fs::path& file, const Bytes& data) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  fs::path out = argv[1];
  Picture rgba(9, 7, 0);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x)
      rgba.At(x, y) = Argb(x * 28, y * 36, 255 - x * 20, 90);
  Picture rgb = rgba;
  rgb.Type = ColourType::Rgb;
  for (auto& p : rgb.Pixels)
    p |= 0xFF000000u;
  Picture grey(5, 5, Rgb(80, 80, 80), ColourType::GreyAlpha);
  Write(out / "png" / "rgba.png", EncodePng(rgba));
  Write(out / "png" / "rgb.png", EncodePng(rgb));
  Write(out / "png" / "grey.png", EncodePng(grey));
  Write(out / "jpeg" / "colour.jpg", EncodeJpeg(rgb, 75));
  Animation animation;
  animation.Width = 9;
  animation.Height = 7;
  animation.Frames = {{rgba, 50}, {rgb, 70}};
  Bytes gif = EncodeGif(animation);
  Write(out / "gif" / "two.gif", gif);
  Write(out / "wave" / "tone.wav", EncodeWave({0.0f, 0.5f, -0.5f, 1.0f, -1.0f}, 22050));
  fs::create_directories(out / "archive");
  if (!WriteResourceArchive(out / "archive" / "library.dll", {{"Pi3QOldB.png", EncodePng(rgba)},
                                                              {"FonG.jpg", EncodeJpeg(rgb)},
                                                              {"GifMenu1.gif", gif},
                                                              {"WTasoKo.wav", Bytes(64, 1)}})) {
    std::fprintf(stderr, "cannot write the archive seed\n");
    return 1;
  }
  return 0;
}
