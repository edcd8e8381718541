// The card designs of the libraries: a free SVG deck where one fits the design's name, our own
// variation of the built-in drawing everywhere else.
#pragma once

#include <QImage>
#include <string>

#include "art.h"
#include "platform/picture.h"

namespace tarnel::libraries {

// The Debian deck a design is rendered from (a file under /usr/share/carddecks), or "".
std::string SvgDeckFile(int design);
// How a generated design looks; the SVG designs use it for their suit symbols.
art::FaceStyle DesignStyle(int design);

// A face as the player should see it: 69 x 94 opaque in the small form, 146 (narrow 126) x 198
// with transparent rounded corners in the large form. `design` is the one whose own pictures
// are meant (number and ace codes are resolved by the caller). Empty when an SVG deck is
// missing.
Picture RenderFace(int design, int cardIndex, bool large);
// Suit 0..3, 20 x 20 or 40 x 40.
QImage RenderSuitSymbol(int design, int suit, bool large);

}  // namespace tarnel::libraries
