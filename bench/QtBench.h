#pragma once
// The one QApplication of the benchmark program, on the offscreen platform.

#include <QApplication>

#include <cstdlib>

inline QApplication& BenchApplication() {
  static int argc = 1;
  static char name[] = "tallyon-bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication application(argc, argv);
  return application;
}
