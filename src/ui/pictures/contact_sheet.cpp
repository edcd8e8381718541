#include "ui/pictures/contact_sheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "platform/picture_codecs.h"
#include "platform/resource_library.h"
#include "ui/pictures/picture_image.h"

namespace tarnel {
namespace {

struct Cell {
  std::string Label;
  QImage Image;  // owns its pixels
};

constexpr int kMaxCellWidth = 320;
constexpr int kMaxCellHeight = 240;
constexpr int kSheetWidth = 1800;
constexpr int kGap = 10;

QImage Checker(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y, ((x / 6 + y / 6) % 2) ? qRgb(200, 200, 200) : qRgb(240, 240, 240));
  return img;
}

}  // namespace

bool WriteContactSheet(const ResourceArchive& library, const std::filesystem::path& out,
                       std::string& error) {
  // Fonts and painting need the caller's application; the sheet never starts one of its own.
  if (!QGuiApplication::instance()) {
    error = "the contact sheet needs a QGuiApplication";
    return false;
  }
  std::vector<Cell> cells;
  for (const auto& file : library.FileNames()) {
    auto bytes = library.ReadFile(file);
    std::string lower = AsciiLower(file);
    QImage image;
    std::string info;
    if (bytes && lower.ends_with(".png")) {
      if (auto p = DecodePng(*bytes)) image = PictureImage(*p).copy();
    } else if (bytes && (lower.ends_with(".jpg") || lower.ends_with(".jpeg"))) {
      if (auto p = DecodeJpeg(*bytes)) image = PictureImage(*p).copy();
    } else if (bytes && lower.ends_with(".gif")) {
      if (auto a = DecodeGif(*bytes)) {
        // Up to four frames side by side show that it moves.
        int shown = std::min<int>(4, static_cast<int>(a->Frames.size()));
        image = QImage(a->Width * shown + 2 * (shown - 1), a->Height, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        for (int i = 0; i < shown; ++i) {
          int frame = i * static_cast<int>(a->Frames.size()) / shown;
          p.drawImage((a->Width + 2) * i, 0, PictureImage(a->Frames[frame].Image));
        }
        info = " " + std::to_string(a->Frames.size()) + "f";
      }
    } else {
      continue;  // sounds and other kinds have no picture
    }
    std::string size =
        image.isNull() ? " (unreadable)"
                       : " " + std::to_string(image.width()) + "x" + std::to_string(image.height());
    if (lower.ends_with(".gif") && !image.isNull()) size = info;
    std::string stem = file.substr(0, file.rfind('.'));
    cells.push_back({stem + size, image});
  }
  if (cells.empty()) {
    error = "the library holds no pictures";
    return false;
  }

  QFont font("Liberation Sans");
  font.setPixelSize(11);
  QFontMetrics metrics(font);
  // Lay out in rows.
  struct Placed {
    int X, Y, W, H;
  };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const auto& cell : cells) {
    int w = cell.Image.isNull() ? 60 : cell.Image.width();
    int h = cell.Image.isNull() ? 20 : cell.Image.height();
    double scale = std::min({1.0, double(kMaxCellWidth) / w, double(kMaxCellHeight) / h});
    w = std::max(1, int(w * scale));
    h = std::max(1, int(h * scale));
    int cellW = std::max(w, metrics.horizontalAdvance(QString::fromStdString(cell.Label)));
    int cellH = h + metrics.height() + 2;
    if (x + cellW > kSheetWidth - kGap && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placed.push_back({x, y, w, h});
    x += cellW + kGap;
    rowHeight = std::max(rowHeight, cellH);
  }
  QImage sheet(kSheetWidth, y + rowHeight + kGap, QImage::Format_RGB32);
  sheet.fill(QColor(70, 70, 78));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setFont(font);
  QImage checker = Checker(kMaxCellWidth, kMaxCellHeight);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const auto& c = placed[i];
    QRect box(c.X, c.Y, c.W, c.H);
    painter.drawImage(box.topLeft(), checker, QRect(0, 0, c.W, c.H));
    if (!cells[i].Image.isNull()) painter.drawImage(box, cells[i].Image);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(c.X, c.Y + c.H + metrics.ascent() + 1, QString::fromStdString(cells[i].Label));
  }
  painter.end();
  if (!sheet.save(QString::fromStdString(out.string()), "PNG")) {
    error = "cannot write " + out.string();
    return false;
  }
  return true;
}

}  // namespace tarnel
