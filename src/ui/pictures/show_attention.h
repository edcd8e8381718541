// The modal "Attention" window: an icon, up to three lines (the third a link) and "Ok".
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QWidget;

namespace tarnel {

// Client width for the widest line's width in pixels: the lines start 59 pixels in, a wide
// window gets 50 more, and a narrow one is 400 wide.
int AttentionClientWidth(int widestLinePixels);

// What a click on the link does instead of opening it as an address; true closes the window.
using AttentionLinkAction = std::function<bool()>;

class TFormAttention : public QDialog {
 public:
  TFormAttention(const QString& line1, const QString& line2, const QString& link,
                 QWidget* parent = nullptr, AttentionLinkAction linkAction = {});
};

// Shows the window and waits until it is closed.
void ShowAttention(const QString& line1, const QString& line2, const QString& link,
                   QWidget* parent = nullptr, AttentionLinkAction linkAction = {});

}  // namespace tarnel
