#pragma once
// Shared ground for the dialog tests: one QApplication on the offscreen
// platform with a pinned locale and the "." and "," separators, a watchdog
// that fails a test and closes a modal dialog still open after a few
// seconds, and a fixture that puts the settings the dialogs read back to
// their start values.

#include <gtest/gtest.h>

#include <QRgb>

#include <string>

// The largest difference of one channel between two colours, and a colour
// as rgb(r, g, b) for failure messages.
int ChannelDistance(QRgb a, QRgb b);
std::string Describe(QRgb color);

class DialogTest : public ::testing::Test {
protected:
  void SetUp() override;
};
