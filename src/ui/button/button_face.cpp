#include "ui/button/button_face.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tarnel {
namespace {

// Products with the style factors are taken over integers so that halves stay exact and round
// to even like everywhere else in the presentation.
int Tenths(int tenths, int v) {
  return RoundHalfEven(tenths * v / 10.0);
}

int Lighten(int v, int lightening) {
  return std::clamp(RoundHalfEven(v + (255 - v) * lightening / 100.0), 0, 255);
}

std::uint32_t Lighten(std::uint32_t colour, int lightening) {
  if (lightening == 0) return colour;
  return Argb(AlphaOf(colour), Lighten(RedOf(colour), lightening),
              Lighten(GreenOf(colour), lightening), Lighten(BlueOf(colour), lightening));
}

std::uint32_t Recolour(std::uint32_t colour, TColorSB style) {
  const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
  int nr = r, ng = g, nb = b;
  switch (style) {
    case TColorSB::DRed:
      return colour;
    case TColorSB::DGreen:
      nr = g, ng = r;
      break;
    case TColorSB::DBlue:
      nr = b, ng = r, nb = r;
      break;
    case TColorSB::DNavy:
      nr = b, nb = r;
      break;
    case TColorSB::DYellow:
      ng = r;
      break;
    case TColorSB::DViolet:
      nb = r;
      break;
    case TColorSB::DOrang:
      if (g < r && b < r) {
        nb = Tenths(7, b);
        ng = nb + Tenths(4, std::abs(r - nb));
      }
      break;
    case TColorSB::DCards:
      nr = Tenths(7, r), ng = 0, nb = r;
      break;
  }
  return Argb(AlphaOf(colour), std::clamp(nr, 0, 255), std::clamp(ng, 0, 255),
              std::clamp(nb, 0, 255));
}

// Distance from pure red below 180: the red body of a new-look skin, not its outline or shine.
bool NearRed(std::uint32_t colour) {
  const int dr = RedOf(colour) - 255, g = GreenOf(colour), b = BlueOf(colour);
  return dr * dr + g * g + b * b < 180 * 180;
}

constexpr std::array<std::uint32_t, 29> kRows30 = {
    Rgb(128, 0, 0),     Rgb(17, 0, 0),      Rgb(135, 91, 91),   Rgb(232, 173, 173),
    Rgb(223, 163, 163), Rgb(215, 153, 153), Rgb(207, 145, 145), Rgb(200, 136, 136),
    Rgb(194, 127, 127), Rgb(188, 117, 117), Rgb(184, 108, 108), Rgb(180, 99, 99),
    Rgb(178, 89, 89),   Rgb(176, 80, 80),   Rgb(152, 36, 36),   Rgb(136, 0, 0),
    Rgb(144, 0, 0),     Rgb(153, 0, 0),     Rgb(161, 0, 0),     Rgb(170, 0, 0),
    Rgb(178, 0, 0),     Rgb(187, 0, 0),     Rgb(195, 0, 0),     Rgb(204, 0, 0),
    Rgb(212, 0, 0),     Rgb(221, 0, 0),     Rgb(229, 0, 0),     Rgb(238, 0, 0),
    Rgb(128, 0, 0)};

constexpr std::array<std::uint32_t, 44> kRows45 = {
    Rgb(128, 0, 0),     Rgb(11, 0, 0),      Rgb(132, 93, 93),   Rgb(239, 180, 180),
    Rgb(233, 175, 175), Rgb(227, 169, 169), Rgb(221, 162, 162), Rgb(215, 156, 156),
    Rgb(210, 150, 150), Rgb(206, 144, 144), Rgb(201, 139, 139), Rgb(196, 133, 133),
    Rgb(193, 127, 127), Rgb(189, 121, 121), Rgb(186, 115, 115), Rgb(183, 109, 109),
    Rgb(181, 103, 103), Rgb(178, 97, 97),   Rgb(178, 91, 91),   Rgb(176, 85, 85),
    Rgb(176, 79, 79),   Rgb(175, 74, 74),   Rgb(153, 34, 34),   Rgb(136, 0, 0),
    Rgb(141, 0, 0),     Rgb(147, 0, 0),     Rgb(153, 0, 0),     Rgb(158, 0, 0),
    Rgb(164, 0, 0),     Rgb(170, 0, 0),     Rgb(175, 0, 0),     Rgb(181, 0, 0),
    Rgb(187, 0, 0),     Rgb(192, 0, 0),     Rgb(198, 0, 0),     Rgb(204, 0, 0),
    Rgb(209, 0, 0),     Rgb(215, 0, 0),     Rgb(221, 0, 0),     Rgb(227, 0, 0),
    Rgb(232, 0, 0),     Rgb(238, 0, 0),     Rgb(244, 0, 0),     Rgb(128, 0, 0)};

constexpr std::array<std::uint32_t, 59> kRows60 = {
    Rgb(128, 0, 0),     Rgb(9, 0, 0),       Rgb(131, 94, 94),   Rgb(243, 183, 183),
    Rgb(237, 178, 178), Rgb(232, 174, 174), Rgb(228, 169, 169), Rgb(224, 165, 165),
    Rgb(219, 159, 159), Rgb(214, 156, 156), Rgb(210, 151, 151), Rgb(206, 147, 147),
    Rgb(202, 142, 142), Rgb(199, 138, 138), Rgb(196, 134, 134), Rgb(193, 129, 129),
    Rgb(190, 125, 125), Rgb(189, 120, 120), Rgb(185, 116, 116), Rgb(183, 111, 111),
    Rgb(181, 107, 107), Rgb(180, 102, 102), Rgb(177, 97, 97),   Rgb(176, 93, 93),
    Rgb(175, 89, 89),   Rgb(174, 84, 84),   Rgb(173, 80, 80),   Rgb(172, 75, 75),
    Rgb(172, 71, 71),   Rgb(150, 33, 33),   Rgb(132, 0, 0),     Rgb(136, 0, 0),
    Rgb(140, 0, 0),     Rgb(144, 0, 0),     Rgb(148, 0, 0),     Rgb(153, 0, 0),
    Rgb(157, 0, 0),     Rgb(161, 0, 0),     Rgb(165, 0, 0),     Rgb(170, 0, 0),
    Rgb(174, 0, 0),     Rgb(178, 0, 0),     Rgb(182, 0, 0),     Rgb(187, 0, 0),
    Rgb(191, 0, 0),     Rgb(195, 0, 0),     Rgb(200, 0, 0),     Rgb(204, 0, 0),
    Rgb(208, 0, 0),     Rgb(212, 0, 0),     Rgb(217, 0, 0),     Rgb(221, 0, 0),
    Rgb(225, 0, 0),     Rgb(229, 0, 0),     Rgb(234, 0, 0),     Rgb(238, 0, 0),
    Rgb(242, 0, 0),     Rgb(246, 0, 0),     Rgb(128, 0, 0)};

// The three skin sizes: index 0, 1, 2 for base heights 30, 45, 60.
constexpr std::array<int, 3> kBase = {30, 45, 60};
constexpr std::array<int, 3> kSkinCap = {8, 13, 17};

int SizeIndex(const FaceGeometry& face) {
  return face.BaseHeight == 30 ? 0 : face.BaseHeight == 45 ? 1 : 2;
}

// Either scaling, into exactly width x height; a scaling that cannot apply falls back to the
// plain stretch.
Picture Fit(Picture picture, int width, int height, bool smooth) {
  if (picture.Empty() || width <= 0 || height <= 0) return Picture();
  if (picture.Width == width && picture.Height == height) return picture;
  if (smooth && !ResizePng(picture, width, height) && picture.Width == width &&
      picture.Height == height) {
    return picture;
  }
  return StretchNearest(picture, width, height);
}

}  // namespace

std::uint32_t TintColour(std::uint32_t colour, TColorSB style, int lightening) {
  return Lighten(Recolour(colour, style), lightening);
}

void TintPicture(Picture& picture, TColorSB style, ButtonLook look, int lightening) {
  if (style == TColorSB::DRed && lightening == 0) return;
  for (auto& p : picture.Pixels) {
    if (look == ButtonLook::Classic) {
      p = TintColour(p, style, lightening);
    } else if (!NearRed(p)) {
      if (style != TColorSB::DCards) p = Recolour(p, style);
    } else if (style == TColorSB::DCards) {
      const int r = RedOf(p);
      p = Lighten(Argb(AlphaOf(p), Tenths(6, r), Tenths(7, GreenOf(p)), r), lightening);
    } else {
      p = TintColour(p, style, lightening);
    }
  }
}

std::span<const std::uint32_t> GradientRows(int height) {
  switch (height) {
    case 30:
      return kRows30;
    case 45:
      return kRows45;
    case 60:
      return kRows60;
    default:
      return {};
  }
}

FaceGeometry FaceFor(int width, int height) {
  FaceGeometry face;
  face.Width = width;
  face.Height = height;
  const int i = height <= 30 ? 0 : height <= 45 ? 1 : 2;
  face.BaseHeight = kBase[i];
  face.SkinHeight = kBase[i] - 1;
  face.SkinCap = kSkinCap[i];
  face.Exact = height == face.BaseHeight;
  face.Cap = face.Exact ? face.SkinCap : RoundHalfEven(face.SkinCap * height / double(kBase[i]));
  return face;
}

std::string SkinName(ButtonLook look, int skinHeight, char part) {
  return std::string(look == ButtonLook::New ? "Q" : "R") + std::to_string(skinHeight) + "_" + part;
}

bool UsesGradient(const FaceGeometry& face, TColorSB style, ButtonLook look) {
  return face.Exact && look == ButtonLook::Classic && style != TColorSB::DCards;
}

namespace {

// Glyph distance from its side, and the caption's extra inset beside the glyph, at the three
// exact heights; other heights derive both from the cap width.
int GlyphSide(const FaceGeometry& face) {
  static constexpr std::array<int, 3> kSide = {15, 18, 20};
  return face.Exact ? kSide[SizeIndex(face)] : Tenths(16, face.Cap);
}

int CaptionInset(const FaceGeometry& face) {
  static constexpr std::array<int, 3> kInset = {25, 28, 30};
  return face.Exact ? kInset[SizeIndex(face)] : face.Cap + 10;
}

}  // namespace

FacePoint GlyphPosition(const FaceGeometry& face, GlyphLayout layout, int glyphWidth,
                        int glyphHeight) {
  const int y = RoundHalfEven((face.Height - glyphHeight - 1) / 2.0);
  switch (layout) {
    case GlyphLayout::Left:
      return {GlyphSide(face), y};
    case GlyphLayout::Right:
      return {face.Width - glyphWidth - GlyphSide(face), y};
    case GlyphLayout::Bottom:
      break;
  }
  return {RoundHalfEven((face.Width - glyphWidth) / 2.0), y};
}

CaptionPlacement CaptionFor(const FaceGeometry& face, ButtonLook look, bool pressed,
                            bool withMargin, GlyphLayout layout, int glyphWidth, int glyphHeight) {
  CaptionPlacement caption;
  FaceRect& r = caption.Rect;
  r = {0, 0, face.Width, face.Height};
  if (pressed) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  if (look == ButtonLook::New) --r.Top, --r.Bottom;
  if (withMargin) {
    caption.Centred = false;
    switch (layout) {
      case GlyphLayout::Left:
        r.Left += glyphWidth + CaptionInset(face);
        break;
      case GlyphLayout::Right:
        r.Right -= glyphWidth + CaptionInset(face);
        break;
      case GlyphLayout::Bottom:
        r.Bottom -= glyphHeight + CaptionInset(face);
        break;
    }
  }
  return caption;
}

FocusMark FocusMarkFor(const FaceGeometry& face, TColorSB style, ButtonLook look, bool pressed) {
  const int c = pressed ? 1 : 0;
  const int w = face.Width, h = face.Height;
  FocusMark mark;
  if (look == ButtonLook::Classic) {
    static constexpr std::array<std::uint32_t, kColorSBCount> kRing = {
        Rgb(255, 200, 200), Rgb(200, 200, 255), Rgb(200, 255, 200), Rgb(200, 255, 200),
        Rgb(255, 200, 200), Rgb(255, 255, 200), Rgb(255, 128, 64),  Rgb(200, 175, 50)};
    static constexpr std::array<int, 3> kInsetX = {7, 9, 11}, kInsetY = {4, 5, 6};
    int g, b;
    if (face.Exact) {
      g = kInsetX[SizeIndex(face)];
      b = kInsetY[SizeIndex(face)];
      mark.Corner = g;
    } else {
      g = Tenths(8, face.Cap);
      b = h <= 20 ? 3 : h <= 30 ? 4 : h <= 60 ? 5 : 6;
      mark.Corner = 2 * b;
    }
    mark.Ring = {g + c, b + c, w - g + c, h - b + c};
    mark.Colour = kRing[static_cast<int>(style)];
    return mark;
  }
  static constexpr std::uint32_t kYellow = Rgb(255, 255, 0), kRed = Rgb(255, 0, 0),
                                 kBlue = Rgb(0, 0, 255), kGreen = Rgb(0, 255, 0),
                                 kWhite = Rgb(255, 255, 255);
  static constexpr std::array<std::uint32_t, kColorSBCount> kDot = {
      kYellow, kBlue, kBlue, kGreen, kRed, kWhite, kWhite, Rgb(220, 180, 255)};
  static constexpr std::array<int, 3> kSide = {10, 13, 15};
  mark.Dots = true;
  const int d = h <= 20 ? 3 : h <= 30 ? 4 : h <= 45 ? 5 : h <= 60 ? 6 : 7;
  const int top = c + RoundHalfEven(h / 2.0 - d / 2.0);
  const int side = face.Exact ? kSide[SizeIndex(face)] : face.Cap;
  mark.LeftDot = {side + c, top, side + c + d, top + d};
  mark.RightDot = {w - side - d + c, top, w - side + c, top + d};
  mark.Colour = kDot[static_cast<int>(style)];
  return mark;
}

Picture StretchNearest(const Picture& source, int width, int height) {
  if (source.Empty() || width <= 0 || height <= 0) return Picture();
  Picture out(width, height, 0, source.Type);
  for (int y = 0; y < height; ++y) {
    const int sy = static_cast<int>(static_cast<long long>(y) * source.Height / height);
    for (int x = 0; x < width; ++x) {
      out.At(x, y) =
          source.At(static_cast<int>(static_cast<long long>(x) * source.Width / width), sy);
    }
  }
  return out;
}

FaceParts PrepareFace(const SkinSet& skins, const FaceGeometry& face, TColorSB style,
                      ButtonLook look, int lightening, bool smooth) {
  FaceParts parts;
  const int rows = face.Height - 1;
  if (rows <= 0) return parts;
  auto tinted = [&](Picture p) {
    TintPicture(p, style, look, lightening);
    return p;
  };
  // At the skins' own heights the caps already have their size; elsewhere they are resampled.
  const bool resample = smooth && !face.Exact;
  parts.LeftCap = Fit(tinted(skins.Left), face.Cap, rows, resample);
  parts.RightCap = Fit(tinted(skins.Right), face.Cap, rows, resample);
  if (!skins.Middle.Empty())
    parts.Middle = Fit(tinted(skins.Middle), skins.Middle.Width, rows, false);
  if (UsesGradient(face, style, look)) {
    for (std::uint32_t row : GradientRows(face.Height))
      parts.Rows.push_back(TintColour(row, style, lightening));
  }
  return parts;
}

}  // namespace tarnel
