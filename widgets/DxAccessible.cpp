#include "widgets/DxAccessible.h"

#include "widgets/DxButton.h"
#include "widgets/MxFlatPanel.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

class TdxButtonAccessible : public QAccessibleWidget {
public:
  explicit TdxButtonAccessible(TdxButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
    case QAccessible::Name: {
      const QString name = widget()->accessibleName();
      return name.isEmpty() ? widgets::StripMnemonic(Button().Caption()) : name;
    }
    case QAccessible::Accelerator: {
      const QChar accel = widgets::AccelChar(Button().Caption()).toUpper();
      if (accel.isNull()) return {};
      return QKeySequence(Qt::ALT | Qt::Key(accel.unicode())).toString(QKeySequence::NativeText);
    }
    default: return QAccessibleWidget::text(kind);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button().Pressed() && Button().Hover();
    state.defaultButton = Button().Default();
    return state;
  }

  // Like the toolkit's own buttons, a disabled button offers no press.
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    if (Button().CanFocus()) Button().Click();
  }

  // The accelerator, then the keys the window binds to the button.
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action != pressAction()) return QAccessibleWidget::keyBindingsForAction(action);
    QStringList keys = Button().KeyNames();
    const QString accelerator = text(QAccessible::Accelerator);
    if (!accelerator.isEmpty()) keys.prepend(accelerator);
    return keys;
  }

private:
  TdxButton& Button() const { return *static_cast<TdxButton*>(widget()); }
};

class TmxFlatPanelAccessible : public QAccessibleWidget {
public:
  explicit TmxFlatPanelAccessible(TmxFlatPanel* panel)
      : QAccessibleWidget(panel, QAccessible::Grouping) {}

  // A panel whose owner names it keeps its caption as the description: the
  // value panel's caption is the pending operation's sign.
  QString text(QAccessible::Text kind) const override {
    const QString caption = widgets::StripMnemonic(Panel().Caption()).trimmed();
    const QString name = widget()->accessibleName();
    if (kind == QAccessible::Name) return name.isEmpty() ? caption : name;
    if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty())
      return name.isEmpty() ? QString() : caption;
    return QAccessibleWidget::text(kind);
  }

private:
  TmxFlatPanel& Panel() const { return *static_cast<TmxFlatPanel*>(widget()); }
};

QAccessibleInterface* WidgetSetFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("TdxButton"))
    return new TdxButtonAccessible(static_cast<TdxButton*>(object));
  if (className == QLatin1String("TmxFlatPanel"))
    return new TmxFlatPanelAccessible(static_cast<TmxFlatPanel*>(object));
  return nullptr;
}

} // namespace

QString widgets::StripMnemonic(const QString& caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    // The marker goes and the character after it stays, "&" included.
    if (caption[i] == u'&' && ++i == caption.size()) break;
    text += caption[i];
  }
  return text;
}

void widgets::InstallWidgetAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(WidgetSetFactory);
    return true;
  }();
  (void)installed;
}

void widgets::TellTextChanged(QObject* object) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(object, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleEvent description(object, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&description);
}
