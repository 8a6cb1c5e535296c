#pragma once
// Tells when a window is exposed: on screen, about to be painted. The toolkit
// tells that to the window's native surface, not to its widget, and the
// surface exists only once the widget is first shown; so the watch follows
// the widget's shows and watches each surface it gets.

#include <QObject>

#include <functional>

class QWidget;

namespace app {

class ExposureWatch : public QObject {
public:
  // Calls `exposed` at every exposure of `window`'s surface, before it is painted.
  ExposureWatch(QWidget& window, std::function<void()> exposed);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget& FWindow;
  std::function<void()> FExposed;
};

} // namespace app
