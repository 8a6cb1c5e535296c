#include "app/TapeList.h"

#include <QKeyEvent>

#include <algorithm>

TTapeList::TTapeList(QWidget* parent) : QListWidget(parent) {
  setObjectName("TapeList");
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true); // a thousand rows are laid out without measuring each
  setWordWrap(false);
  setTextElideMode(Qt::ElideLeft); // the result, at the end, stays in view
  // Not a tab stop: the window's keys stay the calculator's when it is
  // activated; F6 or a click moves into the tape.
  setFocusPolicy(Qt::ClickFocus);
}

bool TTapeList::TakesKey(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll)) return true;
  switch (key.key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Delete:
  case Qt::Key_Up:
  case Qt::Key_Down:
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
  case Qt::Key_Home:
  case Qt::Key_End:
  case Qt::Key_Space: return true;
  default: return false;
  }
}

std::vector<std::size_t> TTapeList::SelectedRows() const {
  std::vector<std::size_t> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows())
    rows.push_back(std::size_t(index.row()));
  std::sort(rows.begin(), rows.end());
  if (rows.empty() && currentRow() >= 0) rows.push_back(std::size_t(currentRow()));
  return rows;
}

// A window shortcut on the same keys would otherwise take them first.
bool TTapeList::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.matches(QKeySequence::Copy) || key.key() == Qt::Key_Delete) {
      event->accept();
      return true;
    }
  }
  return QListWidget::event(event);
}

void TTapeList::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    emit CopyRequested();
  } else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    emit RemoveRequested();
  } else if (!TakesKey(*event)) {
    event->ignore(); // a digit or an operation is the calculator's
  } else {
    // The list lets Enter go on after it used it: here it stops.
    QListWidget::keyPressEvent(event);
    event->accept();
  }
}
