#include "platform/desktop/WindowEnd.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

#include <utility>

namespace platform {

namespace {

// Owned by the window, so that it goes with it.
class DestroyFilter : public QObject, public QAbstractNativeEventFilter {
public:
  DestroyFilter(QWidget& window, std::function<void()> destroyed)
      : QObject(&window), FWindow(&window), FDestroyed(std::move(destroyed)) {
    qGuiApp->installNativeEventFilter(this);
  }
  ~DestroyFilter() override { qGuiApp->removeNativeEventFilter(this); }
  DestroyFilter(const DestroyFilter&) = delete;
  DestroyFilter& operator=(const DestroyFilter&) = delete;

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t" || !FWindow || !FDestroyed) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroy = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
    // The toolkit drops or replaces its id before its own destroy arrives.
    if (destroy->window == FWindow->internalWinId()) std::exchange(FDestroyed, nullptr)();
    return false;
  }

private:
  QPointer<QWidget> FWindow;
  std::function<void()> FDestroyed;
};

} // namespace

void WhenWindowDestroyed(QWidget& window, std::function<void()> destroyed) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  new DestroyFilter(window, std::move(destroyed));
}

} // namespace platform
