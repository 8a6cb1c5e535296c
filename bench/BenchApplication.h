#pragma once
// The one application object of the benchmark program, for the benchmarks
// that need widgets and fonts; on the offscreen platform unless told otherwise.

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
