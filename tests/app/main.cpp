// The window tests run on the offscreen platform with a pinned locale.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::setenv("LC_ALL", "C.UTF-8", 1);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallyon"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
