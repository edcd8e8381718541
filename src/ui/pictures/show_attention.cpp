#include "ui/pictures/show_attention.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <QStyle>
#include <QUrl>
#include "ui/button/t_qel_cards_button.h"

#include <algorithm>

namespace tarnel {
namespace {

constexpr int kLineLeft = 59;
constexpr int kTop = 14;
constexpr int kLineHeight = 28;
constexpr int kButtonHeight = 30;

QFont LineFont() {
  QFont font("Comic Sans MS");
  font.setPixelSize(20);
  return font;
}

}  // namespace

int AttentionClientWidth(int widestLinePixels) {
  int width = widestLinePixels + kLineLeft;
  if (width < 350) return 400;
  return width + 50;
}

TFormAttention::TFormAttention(const QString& line1, const QString& line2, const QString& link,
                               QWidget* parent, AttentionLinkAction linkAction)
    : QDialog(parent) {
  setWindowTitle("Attention");
  setModal(true);
  QFont font = LineFont();
  QFontMetrics metrics(font);
  const QString lines[3] = {line1, line2, link};
  int widest = 0;
  for (const auto& line : lines)
    widest = std::max(widest, metrics.horizontalAdvance(line));
  int width = AttentionClientWidth(widest);

  auto* icon = new QLabel(this);
  icon->setObjectName("Icon");
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  icon->setGeometry(14, kTop + 2, 32, 32);

  // Empty lines are hidden and the others close up.
  int y = kTop;
  for (int i = 0; i < 3; ++i) {
    if (lines[i].isEmpty()) continue;
    auto* label = new QLabel(this);
    label->setObjectName(QString("Line%1").arg(i + 1));
    label->setFont(font);
    if (i == 2) {
      label->setText(QString("<a href=\"%1\" style=\"color:#0000ff\">%2</a>")
                         .arg(lines[i].toHtmlEscaped(), lines[i].toHtmlEscaped()));
      label->setTextFormat(Qt::RichText);
      label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
      QObject::connect(label, &QLabel::linkActivated, [this, linkAction](const QString& target) {
        if (!linkAction)
          QDesktopServices::openUrl(QUrl::fromUserInput(target));
        else if (linkAction())
          accept();
      });
    } else {
      label->setText(lines[i]);
    }
    label->setGeometry(kLineLeft, y, width - kLineLeft, kLineHeight);
    y += kLineHeight;
  }
  y = std::max(y, kTop + 40) + 10;
  auto* ok = DialogButton(QStringLiteral("Ok"), this);
  ok->setObjectName("ButtonOk");
  ok->setDefault(true);
  ok->setGeometry(5, y, width - 10, kButtonHeight);
  QObject::connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(width, y + kButtonHeight + 8);
}

void ShowAttention(const QString& line1, const QString& line2, const QString& link, QWidget* parent,
                   AttentionLinkAction linkAction) {
  TFormAttention form(line1, line2, link, parent, std::move(linkAction));
  form.exec();
}

}  // namespace tarnel
