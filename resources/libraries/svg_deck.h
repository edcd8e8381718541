// A card deck drawn in SVG, parsed once and rendered card by card through librsvg (which draws
// the filters, patterns and clip paths these decks use).
#pragma once

#include <QImage>
#include <memory>
#include <string>

namespace tarnel::libraries {

class SvgDeck {
 public:
  // nullptr when the file is missing or does not parse.
  static std::unique_ptr<SvgDeck> Open(const std::string& file);
  ~SvgDeck();
  SvgDeck(const SvgDeck&) = delete;
  SvgDeck& operator=(const SvgDeck&) = delete;

  // The element with this id (e.g. "king_spade") stretched over a width x height picture;
  // a null image when the deck has no such element.
  QImage Render(const std::string& id, int width, int height) const;

 private:
  explicit SvgDeck(void* handle) : handle_(handle) {}
  void* handle_;  // RsvgHandle
};

}  // namespace tarnel::libraries
