#include "ui/messages/user_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnel {

void MessageBoxes::Inform(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void MessageBoxes::Warn(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
}

void MessageBoxes::Error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

bool MessageBoxes::Confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tarnel
