// The one application object window tests need, on Qt's offscreen platform.
#pragma once

#include <QApplication>

namespace tarnel::testing {

inline QApplication& OffscreenApp() {
  static int argc = 1;
  static char name[] = "tarnel-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace tarnel::testing
