#include "display/CalcIndicatorAccessible.h"

#include "display/CalcIndicator.h"

#include <QAccessibleWidget>

namespace {

class TCVCalcIndicatorAccessible : public QAccessibleWidget {
public:
  explicit TCVCalcIndicatorAccessible(TCVCalcIndicator* indicator)
      : QAccessibleWidget(indicator, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name || kind == QAccessible::Value)
      return QString::fromStdString(static_cast<TCVCalcIndicator*>(widget())->DisplayText());
    return QAccessibleWidget::text(kind);
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

void display::TellIndicatorChanged(QObject* indicator) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(indicator, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleValueChangeEvent value(
      indicator, QString::fromStdString(static_cast<TCVCalcIndicator*>(indicator)->DisplayText()));
  QAccessible::updateAccessibility(&value);
}
