#pragma once
// TTapeList: the tape's entries as a list, newest at the bottom. Enter or a
// double click on an entry asks for its result (activated), Delete for the
// selected entries' removal, Ctrl+C for their text, F6 to leave; these keys
// are the list's while it has the focus, even where the window binds them
// too.

#include <QListWidget>

class QKeyEvent;

class TTapeList : public QListWidget {
  Q_OBJECT

public:
  explicit TTapeList(QWidget* parent = nullptr);

  // The keys the list uses itself, which the window leaves to it.
  static bool TakesKey(const QKeyEvent& key);
  // The selected rows, in order; the current row when none is selected.
  QList<int> SelectedRows() const;

signals:
  void RemoveRequested();
  void CopyRequested();
  void LeaveRequested();

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
