// Keys as X11 and Wayland deliver them, with their native codes (X keycode
// and keysym) and the character the layout typed: the same key sequences on
// a US, a French and a German layout, each run twice, with the keypad
// modifier as on X11 and without it as on Wayland.

#include "tests/app/WindowFixture.h"

#include <QKeyEvent>

#include <vector>

namespace {

using apptest::Window;

struct NativeKey {
  quint32 keycode;
  quint32 keysym;
  const char* text;
  bool shift = false;
  bool keypad = false;
};

// A main-block key; its keysym is its Latin-1 character.
NativeKey Main(quint32 keycode, const char* text, bool shift = false) {
  return {keycode, QString::fromUtf8(text).front().unicode(), text, shift};
}
NativeKey Shifted(quint32 keycode, const char* text) {
  return Main(keycode, text, true);
}
NativeKey Pad(quint32 keycode, quint32 keysym, const char* text) {
  return {keycode, keysym, text, false, true};
}

const NativeKey Delete{119, 0xFFFF, "\x7f"};
const NativeKey Return{36, 0xFF0D, "\r"};
const NativeKey PadPlus = Pad(86, 0xFFAB, "+");
const NativeKey PadTimes = Pad(63, 0xFFAA, "*");

struct LayoutRow {
  const char* tag;
  std::vector<NativeKey> keys;
  const char* value;
};

const LayoutRow Rows[] = {
    {"us: 1 2 keypad+ 3 Enter",
     {Main(10, "1"), Main(11, "2"), PadPlus, Main(12, "3"), Return},
     "15"},
    {"us: 6 keypad* 7 Enter", {Main(15, "6"), PadTimes, Main(16, "7"), Return}, "42"},
    {"us: Shift+5 is percent",
     {Main(11, "2"), Main(19, "0"), Main(19, "0"), PadPlus, Main(10, "1"), Main(19, "0"),
      Shifted(14, "%")},
     "220"},
    {"us: Shift+8 multiplies", {Main(15, "6"), Shifted(17, "*"), Main(16, "7"), Return}, "42"},
    {"us: 8 + 2 = on the main row",
     {Main(17, "8"), Shifted(21, "+"), Main(11, "2"), Main(21, "=")},
     "10"},
    {"us: 250 - 20 % on the main row",
     {Main(11, "2"), Main(14, "5"), Main(19, "0"), Main(20, "-"), Main(11, "2"), Main(19, "0"),
      Shifted(14, "%")},
     "200"},
    {"us: main / divides", {Main(15, "6"), Main(61, "/"), Main(12, "3"), Main(21, "=")}, "2"},
    {"us: Shift+1 does nothing", {Main(14, "5"), Shifted(10, "!")}, "5"},
    {"us: Shift+2 (@) is the square root", {Main(10, "8"), Main(11, "1"), Shifted(11, "@")}, "9"},
    {"us: Backspace is BACK, R is 1/x",
     {Main(13, "4"), Main(14, "5"), {22, 0xFF08, "\b"}, Main(27, "r")},
     "0.25"},
    {"us: keypad point and digits",
     {Pad(87, 0xFFB1, "1"), Pad(91, 0xFFAE, "."), Pad(84, 0xFFB5, "5")},
     "1.5"},
    {"fr: the unshifted digit row enters digits",
     {Main(10, "&"), Main(11, "\u00e9"), Main(12, "\""), Main(14, "(")},
     "1235"},
    {"fr: Shift+digit keys enter digits, not percent",
     {Shifted(14, "5"), Shifted(17, "8"), Shifted(19, "0")},
     "580"},
    {"fr: the * key multiplies", {Shifted(15, "6"), Main(51, "*"), Shifted(16, "7"), Return}, "42"},
    {"fr: the - of the 6 key subtracts",
     {Shifted(18, "9"), Main(15, "-"), Shifted(11, "2"), Return},
     "7"},
    {"fr: Shift+\u00f9 is percent",
     {Shifted(11, "2"), Shifted(19, "0"), Shifted(19, "0"), PadPlus, Shifted(10, "1"),
      Shifted(19, "0"), Shifted(48, "%")},
     "220"},
    {"fr: comma key separates, Shift+: divides",
     {Shifted(10, "1"), Main(58, ","), Shifted(14, "5"), Shifted(60, "/"), Shifted(12, "3"),
      Return},
     "0.5"},
    {"de: Shift+7 divides, + adds, Shift++ multiplies, - subtracts",
     {Main(17, "8"), Shifted(16, "/"), Main(11, "2"), Main(35, "+"), Main(10, "1"),
      Shifted(35, "*"), Main(12, "3"), Main(61, "-"), Main(14, "5"), Return},
     "10"},
    {"de: AltGr+Q (@) is the square root", {Main(10, "1"), Main(15, "6"), Main(24, "@")}, "4"},
    {"fr: AltGr+\u00e0 (@) is the square root",
     {Shifted(10, "1"), Shifted(15, "6"), Main(19, "@")},
     "4"},
    {"de: the keypad comma separates", {Main(10, "1"), Pad(91, 0xFFAC, ","), Main(14, "5")}, "1.5"},
    {"de: Shift+0 (=) is Equal, keypad / divides",
     {Main(15, "9"), Pad(106, 0xFFAF, "/"), Main(12, "3"), Shifted(19, "=")},
     "3"},
    {"fr: = beside ) is Equal",
     {Shifted(15, "6"), Main(15, "-"), Shifted(11, "2"), Main(21, "=")},
     "4"},
    {"de: Shift+8 types ( and keeps its place: multiply",
     {Main(15, "6"), Shifted(17, "("), Main(16, "7"), Return},
     "42"},
};

class NativeKeys : public Window {
protected:
  void Send(const NativeKey& native, bool keypadModifier) {
    const QString text = QString::fromUtf8(native.text);
    Qt::KeyboardModifiers modifiers = native.shift ? Qt::ShiftModifier : Qt::NoModifier;
    if (native.keypad && keypadModifier) modifiers |= Qt::KeypadModifier;
    // The toolkit key matters only where the native codes name no key.
    int key = text.toUpper().front().unicode();
    if (native.keysym == 0xFFFF) key = Qt::Key_Delete;
    if (native.keysym == 0xFF0D) key = Qt::Key_Return;
    if (native.keysym == 0xFF08) key = Qt::Key_Backspace;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, native.keycode, native.keysym, 0, text);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QApplication::sendEvent(target, &press);
  }
};

TEST_F(NativeKeys, TheSameSequencesOnEachLayoutAndPlatform) {
  Open();
  for (const bool keypadModifier : {true, false}) {
    for (const LayoutRow& row : Rows) {
      Send(Delete, keypadModifier);
      for (const NativeKey& key : row.keys)
        Send(key, keypadModifier);
      EXPECT_EQ(Value(), row.value)
          << row.tag << (keypadModifier ? " (x11)" : " (wayland: no keypad modifier)");
    }
  }
}

} // namespace
