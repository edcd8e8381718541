// Decoding and writing PNG, JPEG and GIF pictures in memory. Every decoder accepts damaged or
// hostile bytes and answers nullopt for anything it cannot read safely.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/picture.h"

namespace tarnel {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

std::optional<Picture> DecodePng(ByteView data);
// `maxPixels` lets a caller that expects small pictures refuse large ones early.
std::optional<Picture> DecodeJpeg(ByteView data, std::int64_t maxPixels = kMaxPicturePixels);
// Every frame is composed onto the canvas as a viewer shows it (disposal and transparency
// applied), so each frame can be drawn on its own.
std::optional<Animation> DecodeGif(ByteView data);

// Writes RGB when every pixel is opaque, RGBA otherwise; Grey/GreyAlpha pictures are written as
// grey (from the green channel), which is how tests build non-true-colour files.
Bytes EncodePng(const Picture& picture);
Bytes EncodeJpeg(const Picture& picture, int quality = 90);
// One palette of at most 255 colours for all frames (median cut when there are more), index 255
// for pixels whose alpha is below 128.
Bytes EncodeGif(const Animation& animation);

}  // namespace tarnel
