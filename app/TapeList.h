#pragma once
// TTapeList: the tape's entries as a list, newest at the bottom. Enter or a
// double click on an entry asks for its result (activated), Delete for the
// selected entries' removal, Ctrl+C for their text; with the arrows and the
// page keys these are the list's while it has the focus, even where the
// window binds them too. Every other key goes on to the window's keys.

#include <QListWidget>

#include <cstddef>
#include <vector>

class QKeyEvent;

class TTapeList : public QListWidget {
  Q_OBJECT

public:
  explicit TTapeList(QWidget* parent = nullptr);

  // The selected rows, in order; the current row when none is selected.
  std::vector<std::size_t> SelectedRows() const;

signals:
  void RemoveRequested();
  void CopyRequested();

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  static bool TakesKey(const QKeyEvent& key);
};
