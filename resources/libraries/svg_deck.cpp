// glib names a member "signals", which Qt defines as a keyword: librsvg comes first.
#include <librsvg/rsvg.h>

#include "svg_deck.h"

#include <algorithm>

namespace tarnel::libraries {

std::unique_ptr<SvgDeck> SvgDeck::Open(const std::string& file) {
  GError* error = nullptr;
  RsvgHandle* handle = rsvg_handle_new_from_file(file.c_str(), &error);
  if (!handle) {
    if (error) g_error_free(error);
    return nullptr;
  }
  return std::unique_ptr<SvgDeck>(new SvgDeck(handle));
}

SvgDeck::~SvgDeck() {
  g_object_unref(static_cast<RsvgHandle*>(handle_));
}

namespace {

// The box of a card's opaque pixels.
QRect OpaqueBox(const QImage& image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) < 128) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Decks disagree on what an element's box is: a card fills its picture when drawn right.
bool FillsPicture(const QImage& image) {
  QRect box = OpaqueBox(image);
  return box.width() >= image.width() * 0.9 && box.height() >= image.height() * 0.9;
}

}  // namespace

QImage SvgDeck::Render(const std::string& id, int width, int height) const {
  auto* handle = static_cast<RsvgHandle*>(handle_);
  std::string ref = "#" + id;
  if (!rsvg_handle_has_sub(handle, ref.c_str())) return {};
  GError* error = nullptr;
  auto drop = [&error] {
    if (error) g_error_free(error);
    error = nullptr;
  };
  // First the element's logical box within the whole document, stretched over the picture;
  // it must have a card's proportions, as some decks give a card the box of a part of it.
  gdouble docWidth = 0, docHeight = 0;
  rsvg_handle_get_intrinsic_size_in_pixels(handle, &docWidth, &docHeight);
  RsvgRectangle document{0, 0, docWidth, docHeight}, ink{}, logical{};
  if (docWidth > 0 && docHeight > 0 &&
      rsvg_handle_get_geometry_for_layer(handle, ref.c_str(), &document, &ink, &logical, &error) &&
      logical.width > 1 && logical.height > 1 && logical.width / logical.height > 0.55 &&
      logical.width / logical.height < 0.85) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        image.bits(), CAIRO_FORMAT_ARGB32, width, height, static_cast<int>(image.bytesPerLine()));
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, width / logical.width, height / logical.height);
    cairo_translate(cr, -logical.x, -logical.y);
    bool drawn = rsvg_handle_render_layer(handle, cr, ref.c_str(), &document, &error);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    if (drawn && FillsPicture(image)) return image;
  }
  drop();
  // Else librsvg fits the element into a large square; its opaque part is the card.
  int side = 4 * std::max(width, height);
  QImage big(side, side, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      big.bits(), CAIRO_FORMAT_ARGB32, side, side, static_cast<int>(big.bytesPerLine()));
  cairo_t* cr = cairo_create(surface);
  RsvgRectangle viewport{0, 0, static_cast<double>(side), static_cast<double>(side)};
  bool drawn = rsvg_handle_render_element(handle, cr, ref.c_str(), &viewport, &error);
  drop();
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  QRect box = drawn ? OpaqueBox(big) : QRect();
  if (box.isEmpty()) return {};
  return big.copy(box)
      .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace tarnel::libraries
