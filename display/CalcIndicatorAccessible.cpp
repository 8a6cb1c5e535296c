#include "display/CalcIndicatorAccessible.h"

#include "display/CalcIndicator.h"

#include <QAccessibleWidget>

namespace {

// A read-only text without a caret or a selection: the display text.
class TCVCalcIndicatorAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit TCVCalcIndicatorAccessible(TCVCalcIndicator* indicator)
      : QAccessibleWidget(indicator, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name || kind == QAccessible::Value) return Shown();
    return QAccessibleWidget::text(kind);
  }

  QString text(int startOffset, int endOffset) const override {
    return Shown().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return int(Shown().size()); }
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  // One line of text: each character's box is not laid out apart.
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = offset < 0 ? 0 : characterCount();
    return {};
  }

private:
  QString Shown() const {
    return QString::fromStdString(static_cast<TCVCalcIndicator*>(widget())->DisplayText());
  }
};

QAccessibleInterface* IndicatorFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("TCVCalcIndicator"))
    return new TCVCalcIndicatorAccessible(static_cast<TCVCalcIndicator*>(object));
  return nullptr;
}

} // namespace

void display::InstallIndicatorAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(IndicatorFactory);
    return true;
  }();
  (void)installed;
}

void display::TellIndicatorChanged(QObject* indicator, const std::string& before) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(indicator, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleTextUpdateEvent text(
      indicator, 0, QString::fromStdString(before),
      QString::fromStdString(static_cast<TCVCalcIndicator*>(indicator)->DisplayText()));
  QAccessible::updateAccessibility(&text);
}
