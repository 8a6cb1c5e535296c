#pragma once
// TdxCustomControl: the base of the widget set's custom-drawn controls. It
// keeps the Hover, Focused and Pressed flags and whether the window's focused
// widget is itself such a control, turns mouse, space bar and focus events
// into those flags, and clicks on release. It also routes the keys that no
// focused widget took (Enter, Esc, accelerator characters) to the custom
// controls of the window, the way dialog keys reach a window's buttons.

#include <QWidget>

class QKeyEvent;

class TdxCustomControl : public QWidget {
  Q_OBJECT

public:
  explicit TdxCustomControl(QWidget* parent = nullptr);
  ~TdxCustomControl() override;

  bool Hover() const { return FHover; }
  bool Focused() const { return FFocused; }
  bool Pressed() const { return FPressed; }
  // Whether the window's focused widget is one of these controls.
  bool FormFocusIsCustom() const { return FFormFocusIsCustom; }

  // Reached by Tab; a control without a tab stop still takes the focus when
  // clicked.
  bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
  void SetTabStop(bool tabStop);

  // Visible and enabled, its parents too: able to take the focus.
  bool CanFocus() const;

  // Runs the click: OnClick when it has a receiver, the associated action
  // (for controls that have one) otherwise.
  virtual void Click();

  // Offers a key that no focused widget took to the custom controls of
  // `form` in child order; true when one of them handled it. Keys typed in
  // any window reach this on their own; a window that previews keys can call
  // it to decide whether a button takes the key first.
  static bool DispatchDialogKey(QWidget* form, const QKeyEvent& key);

signals:
  void OnClick();
  void OnMouseEnter();
  void OnMouseLeave();

protected:
  // Shift, Ctrl, Alt and Meta: the keys that make a key "with modifiers";
  // the keypad flag is not one of them.
  static constexpr Qt::KeyboardModifiers ModifierKeys =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

  // A key routed to the window; true when this control handles it.
  virtual bool DialogKey(const QKeyEvent& key);
  // Refreshes FormFocusIsCustom in every custom control of the window.
  void RefreshFormFocus();

  void MouseEnter();
  void MouseLeave();

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  void Press();
  bool FocusSibling(bool forward);
  void UpdateFormFocusFlag();
  void EnterControlUnderPointer(QPoint globalPosition);

  bool FHover = false;
  bool FFocused = false;
  bool FPressed = false;
  bool FFormFocusIsCustom = false;
  // The pointer's own position, apart from Hover, which the space bar sets.
  bool FPointerInside = false;
  // A left press went down here and its release is still to come.
  bool FClickPending = false;
  QMetaObject::Connection FFocusChanges;
};
