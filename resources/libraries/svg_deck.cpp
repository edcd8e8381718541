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

QImage SvgDeck::Render(const std::string& id, int width, int height) const {
  auto* handle = static_cast<RsvgHandle*>(handle_);
  std::string ref = "#" + id;
  if (!rsvg_handle_has_sub(handle, ref.c_str())) return {};
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      image.bits(), CAIRO_FORMAT_ARGB32, width, height, static_cast<int>(image.bytesPerLine()));
  cairo_t* cr = cairo_create(surface);
  gdouble docWidth = 0, docHeight = 0;
  rsvg_handle_get_intrinsic_size_in_pixels(handle, &docWidth, &docHeight);
  RsvgRectangle document{0, 0, docWidth, docHeight}, ink{}, logical{};
  GError* error = nullptr;
  bool drawn = false;
  // The element's logical box in the whole document maps onto the picture; some decks give
  // a card no box of its own (it is a <use>), and those are fitted by librsvg itself.
  if (docWidth > 0 && docHeight > 0 &&
      rsvg_handle_get_geometry_for_layer(handle, ref.c_str(), &document, &ink, &logical, &error) &&
      logical.width > 1 && logical.height > 1) {
    cairo_scale(cr, width / logical.width, height / logical.height);
    cairo_translate(cr, -logical.x, -logical.y);
    drawn = rsvg_handle_render_layer(handle, cr, ref.c_str(), &document, &error);
  }
  if (error) {
    g_error_free(error);
    error = nullptr;
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  if (drawn) return image;
  // librsvg keeps the element's proportions: draw at a card's usual ones and stretch.
  int natural = std::max(1, height * 146 / 198);
  QImage fitted(natural, height, QImage::Format_ARGB32_Premultiplied);
  fitted.fill(Qt::transparent);
  surface = cairo_image_surface_create_for_data(fitted.bits(), CAIRO_FORMAT_ARGB32, natural, height,
                                                static_cast<int>(fitted.bytesPerLine()));
  cr = cairo_create(surface);
  RsvgRectangle viewport{0, 0, static_cast<double>(natural), static_cast<double>(height)};
  drawn = rsvg_handle_render_element(handle, cr, ref.c_str(), &viewport, &error);
  if (error) g_error_free(error);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  if (!drawn) return {};
  return natural == width
             ? fitted
             : fitted.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace tarnel::libraries
