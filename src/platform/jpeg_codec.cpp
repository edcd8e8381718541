// JPEG through libjpeg. libjpeg reports errors by calling error_exit, which must not return:
// we longjmp back, so everything touched after setjmp lives on the heap behind one pointer.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

#include "platform/picture_codecs.h"

namespace tarnel {
namespace {

struct ErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}
void OnMessage(j_common_ptr, int) {}

// Progressive files may carry any number of scans; a hostile one would take minutes.
constexpr int kMaxScans = 64;

struct ProgressGuard {
  jpeg_progress_mgr Base;
};

void OnProgress(j_common_ptr info) {
  auto* d = reinterpret_cast<j_decompress_ptr>(info);
  if (d->input_scan_number > kMaxScans) OnError(info);
}

struct DecodeState {
  jpeg_decompress_struct Info;
  ErrorManager Error;
  ProgressGuard Progress;
  std::vector<std::uint8_t> Row;
  Picture Result;
};

}  // namespace

std::optional<Picture> DecodeJpeg(ByteView data, std::int64_t maxPixels) {
  if (data.size() < 4) return std::nullopt;
  auto state = std::make_unique<DecodeState>();
  DecodeState* s = state.get();
  s->Info.err = jpeg_std_error(&s->Error.Base);
  s->Error.Base.error_exit = OnError;
  s->Error.Base.emit_message = OnMessage;
  if (setjmp(s->Error.Jump)) {
    jpeg_destroy_decompress(&s->Info);
    return std::nullopt;
  }
  jpeg_create_decompress(&s->Info);
  s->Progress.Base.progress_monitor = OnProgress;
  s->Info.progress = &s->Progress.Base;
  jpeg_mem_src(&s->Info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&s->Info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&s->Info);
    return std::nullopt;
  }
  std::int64_t pixels = std::int64_t(s->Info.image_width) * s->Info.image_height;
  if (pixels <= 0 || pixels > std::min(maxPixels, kMaxPicturePixels)) {
    jpeg_destroy_decompress(&s->Info);
    return std::nullopt;
  }
  bool cmyk = s->Info.jpeg_color_space == JCS_CMYK || s->Info.jpeg_color_space == JCS_YCCK;
  bool grey = s->Info.jpeg_color_space == JCS_GRAYSCALE;
  s->Info.out_color_space = cmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&s->Info);
  int width = static_cast<int>(s->Info.output_width);
  int height = static_cast<int>(s->Info.output_height);
  int channels = s->Info.output_components;
  s->Result = Picture(width, height, Rgb(0, 0, 0), grey ? ColourType::Grey : ColourType::Rgb);
  s->Row.resize(static_cast<std::size_t>(width) * channels);
  while (s->Info.output_scanline < s->Info.output_height) {
    int y = static_cast<int>(s->Info.output_scanline);
    JSAMPROW row = s->Row.data();
    if (jpeg_read_scanlines(&s->Info, &row, 1) != 1) break;
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = s->Row.data() + static_cast<std::size_t>(x) * channels;
      std::uint32_t out;
      if (channels == 1) {
        out = Rgb(p[0], p[0], p[0]);
      } else if (channels == 4) {
        // Adobe writes CMYK inverted; this is the usual conversion for such files.
        int k = p[3];
        out = Rgb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
      } else {
        out = Rgb(p[0], p[1], p[2]);
      }
      s->Result.At(x, y) = out;
    }
  }
  // A truncated file still shows what arrived, as viewers do; the rest stays black.
  jpeg_abort_decompress(&s->Info);
  jpeg_destroy_decompress(&s->Info);
  return std::move(s->Result);
}

Bytes EncodeJpeg(const Picture& picture, int quality) {
  if (picture.Empty()) return {};
  struct EncodeState {
    jpeg_compress_struct Info;
    ErrorManager Error;
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    std::vector<std::uint8_t> Row;
  };
  auto state = std::make_unique<EncodeState>();
  EncodeState* s = state.get();
  s->Info.err = jpeg_std_error(&s->Error.Base);
  s->Error.Base.error_exit = OnError;
  s->Error.Base.emit_message = OnMessage;
  if (setjmp(s->Error.Jump)) {
    jpeg_destroy_compress(&s->Info);
    std::free(s->Buffer);
    return {};
  }
  jpeg_create_compress(&s->Info);
  jpeg_mem_dest(&s->Info, &s->Buffer, &s->Size);
  s->Info.image_width = static_cast<JDIMENSION>(picture.Width);
  s->Info.image_height = static_cast<JDIMENSION>(picture.Height);
  s->Info.input_components = 3;
  s->Info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&s->Info);
  jpeg_set_quality(&s->Info, quality, TRUE);
  jpeg_start_compress(&s->Info, TRUE);
  s->Row.resize(static_cast<std::size_t>(picture.Width) * 3);
  while (s->Info.next_scanline < s->Info.image_height) {
    int y = static_cast<int>(s->Info.next_scanline);
    for (int x = 0; x < picture.Width; ++x) {
      std::uint32_t p = picture.At(x, y);
      s->Row[3 * x] = static_cast<std::uint8_t>(RedOf(p));
      s->Row[3 * x + 1] = static_cast<std::uint8_t>(GreenOf(p));
      s->Row[3 * x + 2] = static_cast<std::uint8_t>(BlueOf(p));
    }
    JSAMPROW row = s->Row.data();
    jpeg_write_scanlines(&s->Info, &row, 1);
  }
  jpeg_finish_compress(&s->Info);
  Bytes out(s->Buffer, s->Buffer + s->Size);
  jpeg_destroy_compress(&s->Info);
  std::free(s->Buffer);
  return out;
}

}  // namespace tarnel
