// The card-style button's face as arithmetic: recolouring of the red skins into the eight styles,
// the classic gradients, which skins a height uses and where caps, glyph, caption and focus mark
// go. No Qt here; the widget only draws what these functions decide.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace tarnel {

enum class TColorSB { DRed = 0, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
inline constexpr int kColorSBCount = 8;

// Classic skins ("R..") or the "New buttons" skins ("Q..").
enum class ButtonLook { Classic, New };

enum class GlyphLayout { Left, Right, Bottom };

// Rectangles with exclusive right and bottom edges.
struct FaceRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const FaceRect&) const = default;
};

struct FacePoint {
  int X = 0;
  int Y = 0;
  bool operator==(const FacePoint&) const = default;
};

// Recolours one colour (alpha kept) by style, then lightens it by `lightening` percent.
std::uint32_t TintColour(std::uint32_t colour, TColorSB style, int lightening);
// The same on every pixel; in the new look the pixels far from pure red (the outline and the
// shine) keep their colour in DCards and are never lightened.
void TintPicture(Picture& picture, TColorSB style, ButtonLook look, int lightening);

// The classic middle, one colour per pixel row from the top, for heights 30, 45 and 60 (29, 44
// and 59 rows); empty for any other height.
std::span<const std::uint32_t> GradientRows(int height);

// Which skins a button of this size uses and how wide its caps are.
struct FaceGeometry {
  int Width = 0;
  int Height = 0;
  int BaseHeight = 30;  // 30, 45 or 60: the height the skins are made for
  int SkinHeight = 29;  // the skins leave the bottom row of the button free
  int SkinCap = 8;      // cap width of the skins
  int Cap = 8;          // cap width on this button
  bool Exact = true;    // the height is one of the skins' own

  FaceRect LeftCap() const { return {0, 0, Cap, Height - 1}; }
  // The rightmost column stays free like the bottom row, for the pressed face to move into.
  FaceRect RightCap() const { return {Width - Cap - 1, 0, Width - 1, Height - 1}; }
  FaceRect Middle() const { return {Cap, 0, Width - Cap, Height - 1}; }
  // Columns the gradient rows cover (the caps of the skins on either side).
  int GradientLeft() const { return SkinCap; }
  int GradientRight() const { return Width - SkinCap - 1; }
};
FaceGeometry FaceFor(int width, int height);

// "R29_L", "Q44_2", ...: part is 'L', 'R' or '2' (the middle).
std::string SkinName(ButtonLook look, int skinHeight, char part);

// The classic look at an exact height draws its middle from the gradient table; every other
// face stretches the middle skin.
bool UsesGradient(const FaceGeometry& face, TColorSB style, ButtonLook look);

// Top-left corner of a glyph of this size.
FacePoint GlyphPosition(const FaceGeometry& face, GlyphLayout layout, int glyphWidth,
                        int glyphHeight);

struct CaptionPlacement {
  FaceRect Rect;
  bool Centred = true;  // else left-aligned; always vertically centred on one line
};
// `withMargin`: the button has a glyph margin (not -1); the glyph size is 0 x 0 without one.
CaptionPlacement CaptionFor(const FaceGeometry& face, ButtonLook look, bool pressed,
                            bool withMargin, GlyphLayout layout, int glyphWidth, int glyphHeight);

struct FocusMark {
  bool Dots = false;  // new look: two filled dots; classic: a rounded ring
  FaceRect Ring;      // classic: the ring's box
  int Corner = 0;     // classic: width and height of the corner ellipses
  FaceRect LeftDot;   // new look: the dots' boxes
  FaceRect RightDot;
  std::uint32_t Colour = 0;
};
FocusMark FocusMarkFor(const FaceGeometry& face, TColorSB style, ButtonLook look, bool pressed);

// The raw skins of one size and look, as loaded.
struct SkinSet {
  Picture Left;
  Picture Right;
  Picture Middle;
};

// Everything a paint composes for one (style, look, lightening, height, smoothing): caps already
// tinted and sized Cap x (Height - 1), the tinted middle at the face's height (stretched across
// by the painter), and the tinted gradient rows when the face uses them.
struct FaceParts {
  Picture LeftCap;
  Picture RightCap;
  Picture Middle;
  std::vector<std::uint32_t> Rows;
};
FaceParts PrepareFace(const SkinSet& skins, const FaceGeometry& face, TColorSB style,
                      ButtonLook look, int lightening, bool smooth);

// Nearest-neighbour scaling ("stretched"), as opposed to the bilinear ResizePng.
Picture StretchNearest(const Picture& source, int width, int height);

}  // namespace tarnel
