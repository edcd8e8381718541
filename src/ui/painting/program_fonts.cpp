#include "ui/painting/program_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tarnel {
namespace {

constexpr const char* kCjkFallback = "WenQuanYi Micro Hei";

bool Installed(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

std::vector<FontMapping> MapProgramFonts() {
  struct Stand {
    const char* Asked;
    const char* Given;
  };
  const Stand stands[] = {
      {"Comic Sans MS", "Comic Neue"},
      {"FixedSys", "Terminus"},
      {"Courier New", "Liberation Mono"},
      {"Arial", "Liberation Sans"},
  };
  std::vector<FontMapping> mapped;
  for (const Stand& s : stands) {
    if (Installed(s.Asked)) continue;
    QStringList chain = {QString::fromUtf8(s.Given)};
    if (Installed(kCjkFallback)) chain << kCjkFallback;
    QFont::insertSubstitutions(s.Asked, chain);
    mapped.push_back({s.Asked, s.Given});
  }
  // Chinese, Japanese and Korean letters come from the CJK face whatever family is asked for.
  if (Installed(kCjkFallback)) {
    for (const QString& family : QFontDatabase::families())
      if (family != kCjkFallback && QFont::substitutes(family).isEmpty())
        QFont::insertSubstitution(family, kCjkFallback);
  }
  return mapped;
}

QFont PixelFont(const std::string& family, int pixelHeight, bool bold) {
  QFont font(QString::fromStdString(family));
  font.setPixelSize(std::max(1, pixelHeight));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QFont RoleFont(FontRole role, const FontChoice& fonts, int pixelHeight, bool bold) {
  return PixelFont(FontFamily(role, fonts), pixelHeight, bold);
}

}  // namespace tarnel
