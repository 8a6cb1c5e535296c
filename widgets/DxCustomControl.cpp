#include "widgets/DxCustomControl.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

// Sees every key press on its way up the parent chain; one that reaches a
// window was taken by no widget below, so it becomes a dialog key there.
class TdxDialogKeyRouter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* form = static_cast<QWidget*>(watched);
    if (!form->isWindow()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!TdxCustomControl::DispatchDialogKey(form, *key)) return false;
    key->accept();
    return true;
  }
};

void InstallDialogKeyRouter() {
  static QPointer<TdxDialogKeyRouter> router;
  if (router || !qApp) return;
  router = new TdxDialogKeyRouter(qApp);
  qApp->installEventFilter(router);
}

} // namespace

TdxCustomControl::TdxCustomControl(QWidget* parent) : QWidget(parent) {
  InstallDialogKeyRouter();
  setFocusPolicy(Qt::StrongFocus);
  FFocusChanges =
      connect(qApp, &QApplication::focusChanged, this, [this] { UpdateFormFocusFlag(); });
}

// The base destructor takes the focus away, which reports a focus change;
// by then this is no longer a control and must not hear of it.
TdxCustomControl::~TdxCustomControl() {
  disconnect(FFocusChanges);
}

void TdxCustomControl::SetTabStop(bool tabStop) {
  setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TdxCustomControl::CanFocus() const {
  return isEnabled() && isVisibleTo(window()) && focusPolicy() != Qt::NoFocus;
}

void TdxCustomControl::Click() {
  emit OnClick();
}

bool TdxCustomControl::DispatchDialogKey(QWidget* form, const QKeyEvent& key) {
  // Collected first: a click may open a dialog or change the window's children.
  QList<QPointer<TdxCustomControl>> controls;
  for (auto* control : form->findChildren<TdxCustomControl*>())
    if (control->window() == form) controls.append(control);
  for (const auto& control : controls)
    if (control && control->DialogKey(key)) return true;
  return false;
}

bool TdxCustomControl::DialogKey(const QKeyEvent&) {
  return false;
}

void TdxCustomControl::RefreshFormFocus() {
  for (auto* control : window()->findChildren<TdxCustomControl*>())
    if (control->window() == window()) control->UpdateFormFocusFlag();
  UpdateFormFocusFlag();
  update();
}

void TdxCustomControl::UpdateFormFocusFlag() {
  const bool custom = qobject_cast<TdxCustomControl*>(window()->focusWidget()) != nullptr;
  if (custom == FFormFocusIsCustom) return;
  FFormFocusIsCustom = custom;
  update();
}

void TdxCustomControl::MouseEnter() {
  if (FPointerInside) return;
  FPointerInside = true;
  FHover = true;
  update();
  emit OnMouseEnter();
}

void TdxCustomControl::MouseLeave() {
  if (!FPointerInside) return;
  FPointerInside = false;
  FHover = false;
  update();
  emit OnMouseLeave();
}

void TdxCustomControl::enterEvent(QEnterEvent*) {
  MouseEnter();
}

void TdxCustomControl::leaveEvent(QEvent*) {
  MouseLeave();
}

void TdxCustomControl::Press() {
  if (!hasFocus() && focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
  FPressed = true;
  update();
}

void TdxCustomControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  FClickPending = true;
  MouseEnter();
  Press();
}

void TdxCustomControl::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click is a second press like the first: each press clicks. The
  // toolkit may or may not deliver a press of its own before this event.
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  if (!FClickPending) mousePressEvent(event);
}

void TdxCustomControl::mouseMoveEvent(QMouseEvent* event) {
  // While the button is held the toolkit holds back leave and enter until
  // the release; Hover follows the pointer all the same, so a press dragged
  // away shows as such.
  if (FClickPending) {
    if (rect().contains(event->position().toPoint()))
      MouseEnter();
    else
      MouseLeave();
  }
  QWidget::mouseMoveEvent(event);
}

void TdxCustomControl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FClickPending) return QWidget::mouseReleaseEvent(event);
  FClickPending = false;
  FPressed = false;
  update();
  const QPoint global = event->globalPosition().toPoint();
  const bool inside = rect().contains(event->position().toPoint());
  QPointer<TdxCustomControl> self(this);
  if (inside) Click();
  if (self) EnterControlUnderPointer(global);
}

void TdxCustomControl::EnterControlUnderPointer(QPoint globalPosition) {
  QWidget* form = window();
  auto* under = qobject_cast<TdxCustomControl*>(form->childAt(form->mapFromGlobal(globalPosition)));
  if (under && under != this) under->MouseEnter();
}

void TdxCustomControl::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ModifierKeys) == Qt::NoModifier;
  if (event->key() == Qt::Key_Space && plain) {
    FHover = true;
    Press();
    return;
  }
  if (plain) {
    const int key = event->key();
    if ((key == Qt::Key_Left || key == Qt::Key_Up) && FocusSibling(false)) return;
    if ((key == Qt::Key_Right || key == Qt::Key_Down) && FocusSibling(true)) return;
  }
  QWidget::keyPressEvent(event);
}

// The arrow keys move the focus to the previous or next control of the same
// parent, in child order and round the end, whether or not it is a tab stop.
bool TdxCustomControl::FocusSibling(bool forward) {
  QList<TdxCustomControl*> siblings;
  for (auto* sibling : parentWidget()->findChildren<TdxCustomControl*>(Qt::FindDirectChildrenOnly))
    if (sibling == this || sibling->CanFocus()) siblings.append(sibling);
  if (siblings.size() < 2) return false;
  const qsizetype here = siblings.indexOf(this);
  const qsizetype step = forward ? 1 : siblings.size() - 1;
  siblings[(here + step) % siblings.size()]->setFocus(Qt::OtherFocusReason);
  return true;
}

void TdxCustomControl::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats as release and press pairs; only the real release
  // ends the press.
  if (!FPressed || event->isAutoRepeat()) return QWidget::keyReleaseEvent(event);
  if (!FPointerInside) FHover = false;
  FPressed = false;
  update();
  Click();
}

void TdxCustomControl::focusInEvent(QFocusEvent* event) {
  FFocused = true;
  update();
  QWidget::focusInEvent(event);
}

void TdxCustomControl::focusOutEvent(QFocusEvent* event) {
  FFocused = false;
  FPressed = false;
  update();
  QWidget::focusOutEvent(event);
}

void TdxCustomControl::changeEvent(QEvent* event) {
  switch (event->type()) {
  case QEvent::EnabledChange:
  case QEvent::PaletteChange:
  case QEvent::FontChange: update(); break;
  case QEvent::ParentChange: UpdateFormFocusFlag(); break;
  default: break;
  }
  QWidget::changeEvent(event);
}

void TdxCustomControl::showEvent(QShowEvent* event) {
  UpdateFormFocusFlag();
  QWidget::showEvent(event);
}
