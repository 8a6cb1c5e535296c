// Random keys, clicks, pastes and view changes through the window on the
// offscreen platform, painted now and then. TALLYON_SOAK_WINDOW_ACTIONS sets
// their number (a million for the soak run; the default suite runs 20,000)
// and TALLYON_SOAK_SEED the seed. Every error box shows one of the
// arithmetic's messages or a conversion error, the settings' value follows
// the engine's, and after the first tenth of the run the resident memory may
// not grow.

#include "app/ErrorDisplay.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/Soak.h"
#include "ui/WindowTexts.h"

#include <QClipboard>

#include <map>
#include <random>

using namespace app;

namespace {

using apptest::MessageBoxWatch;
using apptest::Window;

// The tokens of the window's 27 keys (Window::Perform types or clicks them).
const char* const kKeys[] = {"0",   "1",   "2", "3",  "4",    "5",  "6",  "7",    "8",
                             "9",   ".",   "+", "-",  "*",    "/",  "=",  "sqrt", "%",
                             "1/x", "+/-", "C", "CE", "BACK", "M+", "M-", "MR",   "MC"};

const char* const kClipboardTexts[] = {
    "12.5", "-0",   "1E4000", "abc", "1.5E-4951", "$ 1,234.50", "99999999999999999999",
    "3-4",  "0.000"};

bool KnownBoxText(const std::string& text) {
  const std::string tail = "' is not a valid floating point value.";
  if (text.starts_with("'") && text.ends_with(tail)) return true;
  for (const char* message : {"Overflow", "Division by zero", "Invalid value", "Negativ value",
                              "Angle Magnitude too large", "Invalid floating point operation",
                              "Floating point division by zero", "Floating point overflow"})
    if (text == ui::ErrorBoxText(message)) return true;
  return false;
}

TEST_F(Window, SoakOfRandomKeysClicksAndPastes) {
  const long actions = soak::Setting("TALLYON_SOAK_WINDOW_ACTIONS", 20000);
  std::mt19937_64 random(std::uint64_t(soak::Setting("TALLYON_SOAK_SEED", 20240601)));
  MessageBoxWatch boxes(0);
  Open();
  std::map<std::string, long> shown;
  long residentAfterWarmUp = 0;
  std::size_t seen = 0;
  for (long step = 0; step < actions; ++step) {
    if (step == actions / 10) residentAfterWarmUp = soak::ResidentKiB();
    const int roll = std::uniform_int_distribution<int>(0, 999)(random);
    if (roll < 15) {
      QGuiApplication::clipboard()->setText(
          kClipboardTexts[std::size_t(roll) % std::size(kClipboardTexts)]);
      Type(Qt::Key_Insert, Qt::ShiftModifier);
    } else if (roll < 17) {
      Action("Thousand &separator").trigger();
    } else {
      ASSERT_TRUE(Perform(kKeys[std::uniform_int_distribution<int>(0, 26)(random)]));
    }
    if (step % 64 == 0) QApplication::processEvents(); // paint what changed
    if (boxes.Texts().size() == seen) {
      ASSERT_EQ(USet::Value, Value()) << "step " << step;
    }
    for (; seen < boxes.Texts().size(); ++seen) {
      ASSERT_TRUE(KnownBoxText(boxes.Texts()[seen])) << boxes.Texts()[seen];
      ++shown[boxes.Texts()[seen].front() == '\'' ? "(conversion)" : boxes.Texts()[seen]];
    }
  }
  EXPECT_GE(shown.size(), 2u) << "the run should meet errors";
  soak::Conclude("window", actions, shown, residentAfterWarmUp, 8192);
}

} // namespace
