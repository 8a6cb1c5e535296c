#include "DialogTestSupport.h"

#include "engine/NumberText.h"
#include "settings/USet.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace engine;

int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

std::string Describe(QRgb color) {
  return "rgb(" + std::to_string(qRed(color)) + ", " + std::to_string(qGreen(color)) + ", " +
         std::to_string(qBlue(color)) + ")";
}

void DialogTest::SetUp() {
  USet::Value = USet::DefaultValue;
  USet::Memory = "0";
  USet::ThouSep = false;
  USet::StayOnTop = false;
}
