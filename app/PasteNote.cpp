#include "app/PasteNote.h"

#include "widgets/look/Fonts.h"

#include <QAccessibleWidget>

namespace app {

namespace {

// An alert whose name is the note, so that it is read out as it appears and
// is not taken for one of the displays.
class PasteNoteAccessible : public QAccessibleWidget {
public:
  explicit PasteNoteAccessible(QWidget* note)
      : QAccessibleWidget(note, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* PasteNoteFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("app::PasteNote"))
    return new PasteNoteAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

} // namespace

PasteNote::PasteNote(QWidget& client) : QLabel(&client) {
  static const bool accessible = [] {
    QAccessible::installFactory(PasteNoteFactory);
    return true;
  }();
  (void)accessible;
  setObjectName("PasteNote");
  setFont(look::TypefaceFont(TTypeface::MSSansSerif, 11, false));
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(255, 255, 225)); // a tooltip's yellow
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  hide();
  FTimer.setSingleShot(true);
  FTimer.setInterval(ShownMilliseconds);
  connect(&FTimer, &QTimer::timeout, this, &QWidget::hide);
}

void PasteNote::Show(const QString& note) {
  setText(note);
  setGeometry(parentWidget()->rect().adjusted(1, 1, -1, -1));
  raise();
  show();
  FTimer.start();
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

} // namespace app
