// Every text on the window and its dialogs fits its control in every
// language: a key's caption (with its glyph) keeps clear of the key's
// bevel, a label's and a group's text stays inside. Run once more at a
// device-pixel ratio of 2 (tests/app/CMakeLists.txt), where the fonts are
// hinted at other sizes.

#include "WindowFixture.h"
#include "app/Translations.h"
#include "dialogs/UAbout.h"
#include "dialogs/USubmitNumber.h"

#include <QGroupBox>
#include <QLabel>

namespace apptest {
namespace {

// Room a caption keeps from each edge of its key: the bevel's pixel and
// one more, so that the text never touches it.
constexpr int KeyMargin = 2;
// A group box's title sits this far in from its left edge, and as far from the right.
constexpr int TitleIndent = 8;

QString WithoutMnemonic(QString text) {
  return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
      .remove(u'&')
      .replace(QChar(1), u'&');
}

// How wide a control must be for its text, and how wide it is; nothing for
// a control without a single-line text.
std::optional<std::pair<int, int>> NeededAndRoom(const QWidget& control) {
  if (const auto* key = qobject_cast<const TdxButton*>(&control)) {
    const QSize glyph = key->Glyph().deviceIndependentSize().toSize();
    const int text = key->fontMetrics().horizontalAdvance(WithoutMnemonic(key->Caption()));
    return std::pair{text + (glyph.isEmpty() ? 0 : glyph.width() + key->Spacing()) + 2 * KeyMargin,
                     key->width()};
  }
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
      return std::nullopt;
    return std::pair{label->fontMetrics().horizontalAdvance(WithoutMnemonic(label->text())),
                     label->contentsRect().width()};
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&control))
    return std::pair{group->fontMetrics().horizontalAdvance(group->title()) + 2 * TitleIndent,
                     group->width()};
  return std::nullopt;
}

// Each shown control whose text does not fit, with its text and the widths.
std::vector<std::string> Overflowing(const QWidget& top) {
  std::vector<std::string> faults;
  for (const QWidget* control : top.findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&top)) continue;
    const auto fit = NeededAndRoom(*control);
    if (fit && fit->first > fit->second)
      faults.push_back(control->objectName().toStdString() + " needs " +
                       std::to_string(fit->first) + " of " + std::to_string(fit->second));
  }
  return faults;
}

TEST_F(Window, EveryTextFitsItsControlInEveryLanguage) {
  for (const char* language : {"en", "de_DE", "fr_FR"}) {
    const TTranslations translations({language});
    TFCalc& calculator = Open();
    calculator.MenuAction(TMenuCommand::ViewFunctions).trigger();
    QApplication::processEvents();
    EXPECT_EQ(Overflowing(calculator), std::vector<std::string>{}) << language;
    {
      const TFSubmitNumber submit(&calculator);
      EXPECT_EQ(Overflowing(submit), std::vector<std::string>{}) << language;
      const TAboutBox about(&calculator);
      EXPECT_EQ(Overflowing(about), std::vector<std::string>{}) << language;
    }
    window.reset();
  }
}

} // namespace
} // namespace apptest
