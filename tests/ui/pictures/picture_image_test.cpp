#include <gtest/gtest.h>

#include <QGuiApplication>

#include <fstream>

#include "platform/picture_codecs.h"
#include "ui/pictures/contact_sheet.h"
#include "ui/pictures/picture_image.h"

namespace tarnel {
namespace {

TEST(PictureImage, QtSeesTheSamePixelsWithoutACopy) {
  Picture p(3, 2, Argb(255, 10, 20, 30));
  p.At(2, 1) = Argb(128, 200, 100, 50);
  QImage view = PictureImage(p);
  ASSERT_EQ(view.format(), QImage::Format_ARGB32);
  EXPECT_EQ(view.constBits(), reinterpret_cast<const uchar*>(p.Pixels.data()));
  EXPECT_EQ(view.pixel(0, 0), qRgba(10, 20, 30, 255));
  EXPECT_EQ(view.pixel(2, 1), qRgba(200, 100, 50, 128));

  QImage premultiplied = view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Picture back = PictureFromImage(premultiplied);
  EXPECT_EQ(back.At(0, 0), p.At(0, 0));
  EXPECT_EQ(AlphaOf(back.At(2, 1)), 128);
  EXPECT_NEAR(RedOf(back.At(2, 1)), 200, 2);
  EXPECT_TRUE(PictureImage(Picture()).isNull());
}

// The library only draws: without the caller's application it writes nothing and starts none.
TEST(ContactSheet, NeedsTheCallersApplication) {
  ASSERT_EQ(QGuiApplication::instance(), nullptr);
  char pattern[] = "/tmp/tarnel-sheet-XXXXXX";
  std::filesystem::path dir = mkdtemp(pattern);
  ASSERT_TRUE(WriteResourceArchive(dir / "lib.dll", {{"Big.png", EncodePng(Picture(5, 4))}}));
  auto library = ResourceArchive::Open(dir / "lib.dll");
  ASSERT_TRUE(library);
  std::string error;
  EXPECT_FALSE(WriteContactSheet(*library, dir / "sheet.png", error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "sheet.png"));
  EXPECT_EQ(QGuiApplication::instance(), nullptr);
  std::filesystem::remove_all(dir);
}

TEST(ContactSheet, DrawsEveryPictureOfALibrary) {
  int argc = 3;
  char name[] = "test", platform[] = "-platform", offscreen[] = "offscreen";
  char* argv[] = {name, platform, offscreen, nullptr};
  QGuiApplication app(argc, argv);
  char pattern[] = "/tmp/tarnel-sheet-XXXXXX";
  std::filesystem::path dir = mkdtemp(pattern);
  Animation a;
  a.Width = 30;
  a.Height = 20;
  a.Frames = {{Picture(30, 20, Rgb(200, 0, 0)), 100}, {Picture(30, 20, Rgb(0, 200, 0)), 100}};
  ASSERT_TRUE(WriteResourceArchive(dir / "lib.dll",
                                   {{"Big.png", EncodePng(Picture(500, 400, Rgb(0, 0, 200)))},
                                    {"Photo.jpg", EncodeJpeg(Picture(40, 30, Rgb(9, 9, 9)))},
                                    {"Moving.gif", EncodeGif(a)},
                                    {"Broken.png", Bytes(20, 3)},
                                    {"Sound.wav", Bytes(20, 3)}}));
  auto library = ResourceArchive::Open(dir / "lib.dll");
  ASSERT_TRUE(library);
  std::string error;
  ASSERT_TRUE(WriteContactSheet(*library, dir / "sheet.png", error)) << error;
  std::ifstream in(dir / "sheet.png", std::ios::binary);
  Bytes bytes((std::istreambuf_iterator<char>(in)), {});
  auto sheet = DecodePng(bytes);
  ASSERT_TRUE(sheet);
  EXPECT_GT(sheet->Width, 300);
  // The large picture is shown reduced, in its own colour.
  bool sawBlue = false;
  for (auto px : sheet->Pixels)
    sawBlue = sawBlue || px == Rgb(0, 0, 200);
  EXPECT_TRUE(sawBlue);

  ASSERT_TRUE(WriteResourceArchive(dir / "sounds.dll", {{"Sound.wav", Bytes(20, 3)}}));
  auto sounds = ResourceArchive::Open(dir / "sounds.dll");
  EXPECT_FALSE(WriteContactSheet(*sounds, dir / "none.png", error));
  EXPECT_FALSE(std::filesystem::exists(dir / "none.png"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tarnel
