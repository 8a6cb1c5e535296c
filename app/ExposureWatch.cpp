#include "app/ExposureWatch.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

app::ExposureWatch::ExposureWatch(QWidget& window, std::function<void()> exposed)
    : QObject(&window), FWindow(window), FExposed(std::move(exposed)) {
  window.installEventFilter(this);
}

bool app::ExposureWatch::eventFilter(QObject* watched, QEvent* event) {
  QWindow* surface = FWindow.windowHandle();
  // Installing again on the same surface changes nothing.
  if (watched == &FWindow && event->type() == QEvent::Show && surface != nullptr)
    surface->installEventFilter(this);
  if (watched == surface && event->type() == QEvent::Expose && surface->isExposed()) FExposed();
  return false;
}
