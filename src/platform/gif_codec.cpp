// GIF through giflib, record by record, so that sizes can be checked before anything is
// allocated and a truncated file still yields the frames that arrived whole.
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <tuple>
#include <unordered_map>

#include "platform/picture_codecs.h"

namespace tarnel {
namespace {

constexpr int kMaxFrames = 2000;
// All frames together; each frame keeps a whole canvas.
constexpr std::int64_t kMaxAnimationPixels = 48LL * 1024 * 1024;

struct MemoryReader {
  ByteView Data;
  std::size_t Offset = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int wanted) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  std::size_t left = reader->Data.size() - reader->Offset;
  std::size_t n = std::min<std::size_t>(left, wanted < 0 ? 0 : static_cast<std::size_t>(wanted));
  if (n > 0) std::memcpy(out, reader->Data.data() + reader->Offset, n);
  reader->Offset += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

struct FrameControl {
  int Disposal = DISPOSAL_UNSPECIFIED;
  int DelayCs = 0;
  int Transparent = NO_TRANSPARENT_COLOR;
};

// Reads one image record onto the canvas; false when its data is damaged.
bool ReadImage(GifFileType* gif, Picture& canvas, const FrameControl& control) {
  const GifImageDesc& desc = gif->Image;
  if (desc.Width <= 0 || desc.Height <= 0) return false;
  if (std::int64_t(desc.Width) * desc.Height > kMaxPicturePixels) return false;
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  int passes = desc.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    int start = desc.Interlace ? kStart[pass] : 0;
    int step = desc.Interlace ? kStep[pass] : 1;
    for (int row = start; row < desc.Height; row += step) {
      if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return false;
      int y = desc.Top + row;
      if (y < 0 || y >= canvas.Height) continue;
      for (int col = 0; col < desc.Width; ++col) {
        int x = desc.Left + col;
        if (x < 0 || x >= canvas.Width) continue;
        int index = line[col];
        if (index == control.Transparent) continue;
        if (map && index < map->ColorCount) {
          const GifColorType& c = map->Colors[index];
          canvas.At(x, y) = Rgb(c.Red, c.Green, c.Blue);
        } else if (!map) {
          canvas.At(x, y) = Rgb(index, index, index);
        }
      }
    }
  }
  return true;
}

}  // namespace

std::optional<Animation> DecodeGif(ByteView data) {
  MemoryReader reader{data, 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &error));
  if (!gif) return std::nullopt;
  int width = gif->SWidth, height = gif->SHeight;
  std::int64_t canvasPixels = std::int64_t(width) * height;
  if (width <= 0 || height <= 0 || canvasPixels > kMaxPicturePixels) return std::nullopt;

  Animation animation;
  animation.Width = width;
  animation.Height = height;
  animation.LoopCount = 1;  // a file without the loop extension plays once
  Picture canvas(width, height, 0, ColourType::Palette);
  FrameControl control;
  // What the previous frame asks to be done with it before the next one is drawn.
  FrameControl previous;
  int prevLeft = 0, prevTop = 0, prevWidth = 0, prevHeight = 0;
  Picture beforePrevious;

  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) break;
    if (type == TERMINATE_RECORD_TYPE) break;
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) break;
      bool netscape = false;
      bool first = true;
      bool damaged = false;
      while (block) {
        if (code == GRAPHICS_EXT_FUNC_CODE && first && block[0] >= 4) {
          GraphicsControlBlock gcb;
          DGifExtensionToGCB(block[0], block + 1, &gcb);
          control.Disposal = gcb.DisposalMode;
          control.DelayCs = gcb.DelayTime;
          control.Transparent = gcb.TransparentColor;
        } else if (code == APPLICATION_EXT_FUNC_CODE && first && block[0] == 11) {
          netscape = std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0;
        } else if (netscape && !first && block[0] >= 3 && block[1] == 1) {
          animation.LoopCount = block[2] | (block[3] << 8);
        }
        first = false;
        if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) {
          damaged = true;
          break;
        }
      }
      if (damaged) break;
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) break;
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) break;
    if (static_cast<int>(animation.Frames.size()) >= kMaxFrames) break;
    if (canvasPixels * (std::int64_t(animation.Frames.size()) + 1) > kMaxAnimationPixels) break;

    // Undo the previous frame as it asked.
    if (previous.Disposal == DISPOSE_BACKGROUND) {
      for (int y = std::max(prevTop, 0); y < std::min(prevTop + prevHeight, height); ++y)
        for (int x = std::max(prevLeft, 0); x < std::min(prevLeft + prevWidth, width); ++x)
          canvas.At(x, y) = 0;
    } else if (previous.Disposal == DISPOSE_PREVIOUS && !beforePrevious.Empty()) {
      canvas = beforePrevious;
    }
    if (control.Disposal == DISPOSE_PREVIOUS) beforePrevious = canvas;

    if (!ReadImage(gif.get(), canvas, control)) break;
    // Browsers show delays under 2/100 s as 1/10 s; so do we, or such files would spin.
    int delayMs = control.DelayCs < 2 ? 100 : control.DelayCs * 10;
    animation.Frames.push_back({canvas, delayMs});
    previous = control;
    prevLeft = gif->Image.Left;
    prevTop = gif->Image.Top;
    prevWidth = gif->Image.Width;
    prevHeight = gif->Image.Height;
    control = FrameControl();
  }
  if (animation.Frames.empty()) return std::nullopt;
  return animation;
}

namespace {

constexpr int kTransparentIndex = 255;

int Key15(std::uint32_t p) {
  return ((RedOf(p) >> 3) << 10) | ((GreenOf(p) >> 3) << 5) | (BlueOf(p) >> 3);
}

// Palette of at most 255 colours for every opaque pixel of the animation.
std::vector<GifColorType> BuildPalette(const Animation& animation) {
  std::unordered_map<std::uint32_t, std::uint32_t> exact;
  std::vector<std::uint32_t> histogram(1 << 15, 0);
  for (const auto& frame : animation.Frames) {
    for (auto p : frame.Image.Pixels) {
      if (AlphaOf(p) < 128) continue;
      ++histogram[Key15(p)];
      if (exact.size() <= 255) ++exact[p & 0xFFFFFF];
    }
  }
  std::vector<GifColorType> palette;
  if (exact.size() <= 255) {
    for (const auto& [c, n] : exact) {
      palette.push_back({static_cast<GifByteType>(RedOf(c)), static_cast<GifByteType>(GreenOf(c)),
                         static_cast<GifByteType>(BlueOf(c))});
    }
    std::sort(palette.begin(), palette.end(), [](const auto& a, const auto& b) {
      return std::tie(a.Red, a.Green, a.Blue) < std::tie(b.Red, b.Green, b.Blue);
    });
    return palette;
  }
  // Median cut over the 15-bit histogram.
  struct Entry {
    int Key;
    std::uint32_t Count;
  };
  std::vector<Entry> entries;
  for (int k = 0; k < (1 << 15); ++k)
    if (histogram[k]) entries.push_back({k, histogram[k]});
  auto channel = [](int key, int c) { return (key >> (10 - 5 * c)) & 31; };
  struct Box {
    std::size_t Begin, End;
  };
  std::vector<Box> boxes{{0, entries.size()}};
  while (boxes.size() < 255) {
    int best = -1, bestAxis = 0, bestRange = 0;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
      if (boxes[i].End - boxes[i].Begin < 2) continue;
      for (int c = 0; c < 3; ++c) {
        int lo = 31, hi = 0;
        for (std::size_t e = boxes[i].Begin; e < boxes[i].End; ++e) {
          lo = std::min(lo, channel(entries[e].Key, c));
          hi = std::max(hi, channel(entries[e].Key, c));
        }
        if (hi - lo > bestRange) {
          bestRange = hi - lo;
          best = i;
          bestAxis = c;
        }
      }
    }
    if (best < 0) break;
    Box box = boxes[best];
    std::sort(entries.begin() + box.Begin, entries.begin() + box.End,
              [&](const Entry& a, const Entry& b) {
                return channel(a.Key, bestAxis) < channel(b.Key, bestAxis);
              });
    std::uint64_t total = 0, half = 0;
    for (std::size_t e = box.Begin; e < box.End; ++e)
      total += entries[e].Count;
    std::size_t split = box.Begin + 1;
    for (std::size_t e = box.Begin; e < box.End - 1; ++e) {
      half += entries[e].Count;
      split = e + 1;
      if (half * 2 >= total) break;
    }
    boxes[best] = {box.Begin, split};
    boxes.push_back({split, box.End});
  }
  for (const auto& box : boxes) {
    std::uint64_t sum[3] = {0, 0, 0}, n = 0;
    for (std::size_t e = box.Begin; e < box.End; ++e) {
      for (int c = 0; c < 3; ++c)
        sum[c] += std::uint64_t(channel(entries[e].Key, c) * 8 + 4) * entries[e].Count;
      n += entries[e].Count;
    }
    if (n == 0) continue;
    palette.push_back({static_cast<GifByteType>(sum[0] / n), static_cast<GifByteType>(sum[1] / n),
                       static_cast<GifByteType>(sum[2] / n)});
  }
  return palette;
}

int WriteToMemory(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

struct EncoderCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

}  // namespace

Bytes EncodeGif(const Animation& animation) {
  if (animation.Frames.empty() || animation.Width <= 0 || animation.Height <= 0) return {};
  for (const auto& f : animation.Frames)
    if (f.Image.Width != animation.Width || f.Image.Height != animation.Height) return {};
  std::vector<GifColorType> palette = BuildPalette(animation);
  palette.resize(256, GifColorType{0, 0, 0});
  std::unordered_map<std::uint32_t, int> lookup;
  auto indexOf = [&](std::uint32_t p) {
    if (AlphaOf(p) < 128) return kTransparentIndex;
    std::uint32_t rgb = p & 0xFFFFFF;
    auto it = lookup.find(rgb);
    if (it != lookup.end()) return it->second;
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < kTransparentIndex; ++i) {
      int dr = palette[i].Red - RedOf(p), dg = palette[i].Green - GreenOf(p),
          db = palette[i].Blue - BlueOf(p);
      int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
      if (d < bestDistance) {
        bestDistance = d;
        best = i;
      }
    }
    lookup.emplace(rgb, best);
    return best;
  };

  Bytes out;
  int error = 0;
  GifFileType* raw = EGifOpen(&out, WriteToMemory, &error);
  if (!raw) return {};
  std::unique_ptr<GifFileType, EncoderCloser> gif(raw);
  EGifSetGifVersion(gif.get(), true);
  ColorMapObject* map = GifMakeMapObject(256, palette.data());
  if (!map) return {};
  int ok = EGifPutScreenDesc(gif.get(), animation.Width, animation.Height, 8, 0, map);
  GifFreeMapObject(map);
  if (ok == GIF_ERROR) return {};
  if (animation.Frames.size() > 1) {
    GifByteType loop[3] = {1, static_cast<GifByteType>(animation.LoopCount & 0xFF),
                           static_cast<GifByteType>((animation.LoopCount >> 8) & 0xFF)};
    if (EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif.get(), 11, "NETSCAPE2.0") == GIF_ERROR ||
        EGifPutExtensionBlock(gif.get(), 3, loop) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif.get()) == GIF_ERROR)
      return {};
  }
  std::vector<GifPixelType> line(static_cast<std::size_t>(animation.Width));
  for (const auto& frame : animation.Frames) {
    GraphicsControlBlock gcb;
    gcb.DisposalMode = DISPOSE_BACKGROUND;  // every frame is whole, so clear before the next
    gcb.UserInputFlag = false;
    gcb.DelayTime = std::clamp(frame.DelayMs / 10, 0, 65535);
    gcb.TransparentColor = kTransparentIndex;
    GifByteType ext[4];
    std::size_t len = EGifGCBToExtension(&gcb, ext);
    if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext) ==
        GIF_ERROR)
      return {};
    if (EGifPutImageDesc(gif.get(), 0, 0, animation.Width, animation.Height, false, nullptr) ==
        GIF_ERROR)
      return {};
    for (int y = 0; y < animation.Height; ++y) {
      for (int x = 0; x < animation.Width; ++x)
        line[x] = static_cast<GifPixelType>(indexOf(frame.Image.At(x, y)));
      if (EGifPutLine(gif.get(), line.data(), animation.Width) == GIF_ERROR) return {};
    }
  }
  GifFileType* done = gif.release();
  if (EGifCloseFile(done, &error) == GIF_ERROR) return {};
  return out;
}

}  // namespace tarnel
