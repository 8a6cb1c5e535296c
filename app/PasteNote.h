#pragma once
// The note that says why a paste pasted nothing: one line over the value
// panel for a few seconds, without a modal box, so typing goes on. It is an
// accessible label whose name is the note, announced as an alert when it
// appears, so a screen reader reads it out.

#include <QLabel>
#include <QTimer>

namespace app {

class PasteNote : public QLabel {
  Q_OBJECT

public:
  static constexpr int ShownMilliseconds = 4000;

  // Covers the panel's client area while shown; hidden at first.
  explicit PasteNote(QWidget& client);

  // Shows `note` for ShownMilliseconds, in place of an earlier note.
  void Show(const QString& note);

private:
  QTimer FTimer;
};

} // namespace app
