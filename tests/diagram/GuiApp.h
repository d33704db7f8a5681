// One QApplication for a test program that paints or uses widgets (offscreen platform).
#pragma once

#include <QApplication>

inline QApplication& GuiApp() {
  static int argc = 1;
  static char name[] = "morvik-test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
  return app ? *app : *static_cast<QApplication*>(QApplication::instance());
}
