// Window presence: the taskbar button, the tray icon and stay on top.
//
// Where the desktop has no system tray, the window must stay reachable: the
// tray modes then keep the taskbar button and minimise to the taskbar, while
// the menus still show and store the chosen mode.
//
// A native Wayland client cannot ask for stay on top or for its taskbar
// button to go, is not told when the compositor minimises it, and cannot
// bring itself back from there. There the stay-on-top entry is disabled and
// says why, the taskbar button stays, and the tray's Open and a click on the
// icon show the window afresh (hidden and shown: a new window on top)
// whenever it is not the active window.

#include "app/Endings.h"
#include "app/ModalBox.h"
#include "app/NoticeTexts.h"
#include "app/Pictures.h"
#include "app/SettingsSaver.h"
#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Instance.h"
#include "settings/USet.h"
#include "ui/Tape.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstddef>
#include <optional>

// Registering with the desktop's tray waits for the session bus, so the
// icon is built when it is first shown; with a taskbar button, that is once
// the first frame is on screen.
void TFCalc::ShowTrayIcon(bool shown) {
  if (FTrayIcon == nullptr && !shown) return;
  if (FTrayIcon == nullptr) BuildTrayIcon();
  FTrayIcon->setVisible(shown);
}

void TFCalc::BuildTrayIcon() {
  FTrayIcon = new QSystemTrayIcon(app::ProgramIcon(), this);
  FTrayIcon->setContextMenu(FTrayMenu);
  connect(FTrayIcon, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            // A click opens the window; a double-click runs the menu's default "Open".
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
              Run(&TFCalc::TrayIconOpenExecute);
          });
  ShowTrayToolTip();
}

// The program's name and the value as the display shows it.
void TFCalc::ShowTrayToolTip() {
  if (FTrayIcon == nullptr) return;
  FTrayIcon->setToolTip(QApplication::applicationName() + QStringLiteral(": ") +
                        QString::fromStdString(FMainIndicator->DisplayText()));
}

// What the desktop cannot do is shown, not silently skipped.
void TFCalc::ShowPresenceLimits() {
  if (platform::IsNativeWayland()) {
    FViewStayOnTop->setEnabled(false);
    FViewStayOnTop->setToolTip(
        tr("Wayland offers no stay-on-top request; run Tallyon through X (QT_QPA_PLATFORM=xcb)"));
  }
  for (QObject* shown : FViewShowIn[2]->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(shown)) {
      menu->setToolTipsVisible(true);
      connect(menu, &QMenu::aboutToShow, this, [this] { ShowTrayAvailability(); });
    }
  for (QObject* shown : FViewStayOnTop->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(shown)) menu->setToolTipsVisible(true);
}

// The tray-only mode needs a tray: without one (no tray window on X11, no
// status-notifier watcher) its entry is disabled and says why; a mode
// already chosen stays, with the taskbar button. Asking takes a round trip
// to the desktop, so it is asked after the first frame and whenever the
// entry's menu opens.
void TFCalc::ShowTrayAvailability() {
  const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
  FViewShowIn[2]->setEnabled(tray);
  if (!tray)
    FViewShowIn[2]->setToolTip(tr("No system tray is running on this desktop"));
  else if (platform::IsNativeWayland())
    FViewShowIn[2]->setToolTip(
        tr("On Wayland the taskbar button stays while the window is on screen"));
  else
    FViewShowIn[2]->setToolTip({});
}

// A window hidden in the tray looks for the tray now and then, and comes
// back on screen when the tray has gone (its program ended or crashed), so
// that it is never out of reach.
void TFCalc::WatchTray() {
  FPresence.SetTrayAvailable(QSystemTrayIcon::isSystemTrayAvailable());
  if (!isVisible() && FPresence.TrayAvailable()) return;
  FTrayWatch->stop();
  if (FPresence.ComeBack(!isVisible())) RestoreAndRaise();
}

void TFCalc::SetTaskbarButton(bool shown) {
  FPresence.SetTrayAvailable(QSystemTrayIcon::isSystemTrayAvailable());
  platform::SetTaskbarButton(*this, shown || !FPresence.TrayAvailable());
}

// What is shown comes before what goes, so the window is never without both
// a taskbar button and a tray icon.
void TFCalc::ApplyShowIn(std::int32_t showIn) {
  FPresence.SetShowIn(showIn);
  const ui::TPresenceMode& mode = FPresence.Mode();
  USet::ShowIn = mode.ShowIn;
  for (std::size_t i = 0; i < FViewShowIn.size(); ++i)
    FViewShowIn[i]->setChecked(i == mode.Entry);
  if (mode.TaskbarButton) SetTaskbarButton(true);
  if (FPresence.TrayIconDecided()) ShowTrayIcon(FPresence.TrayIcon());
  if (!mode.TaskbarButton) SetTaskbarButton(false);
}

void TFCalc::ViewShowTaskSystemExecute() {
  ApplyShowIn(USet::ShowInTaskbarAndTray);
}

void TFCalc::ViewShowTaskbarExecute() {
  ApplyShowIn(USet::ShowInTaskbar);
}

void TFCalc::ViewShowSystemExecute() {
  ApplyShowIn(USet::ShowInTray);
}

// Every show applies the stored mode again.
void TFCalc::FormShow() {
  ApplyShowIn(USet::ShowIn);
}

// What the first frame does not need; the write last, as it may fail.
void TFCalc::AfterFirstPaint() {
  setWindowIcon(app::ProgramIcon());
  ShowTrayIcon(FPresence.TrayIcon());
  ShowTrayAvailability();
  // Its own turn: a notice of damaged lines does not hold up the rest.
  QTimer::singleShot(0, this, [this] {
    if (!FTape->Loaded()) Run(&TFCalc::LoadTape);
  });
  FSaver->StoreLoadedDefaults();
}

// Coming back from the minimised state brings the taskbar button back; in
// the tray-only mode it goes again at once.
void TFCalc::ApplicationRestore() {
  if (!FPresence.Mode().TaskbarButton) SetTaskbarButton(false);
}

void TFCalc::RestoreAndRaise() {
  // A Wayland client is not told that the compositor minimised it, nor can
  // it ask to come back; shown again, it is a new window on top.
  if (platform::IsNativeWayland() && !isActiveWindow()) hide();
  if (isMinimized() || isHidden()) {
    showNormal();
    ApplicationRestore();
    FPresence.BroughtBack();
  }
  raise();
  activateWindow();
}

// A window mapped again has lost its window-manager states (see
// ui::TPresence::BroughtBack).
void TFCalc::RestorePresence() {
  ApplicationRestore();
  ApplyStayOnTop(USet::StayOnTop);
}

void TFCalc::TrayIconOpenExecute() {
  RestoreAndRaise();
}

// A toggle hides the window in front where minimising would take it: into
// the tray, or to the taskbar.
void TFCalc::AnotherStart(platform::InstanceRequest request, const std::string& activationToken) {
  // A window shown again from the tray has the toolkit's focus but is not
  // the widgets' active window until it loses the focus once.
  const bool focused = isActiveWindow() || QGuiApplication::focusWindow() == windowHandle();
  const bool inFront = isVisible() && !isMinimized() && focused;
  if (request == platform::InstanceRequest::Toggle && inFront) {
    if (HidesToTray())
      hide();
    else
      showMinimized();
    return;
  }
  // A Wayland compositor lets the window take the focus with the token of
  // the start that asked for it.
  if (!activationToken.empty())
    qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activationToken));
  Run(&TFCalc::TrayIconOpenExecute);
}

void TFCalc::ApplyStayOnTop(bool onTop) {
  platform::SetStayOnTop(*this, onTop);
}

void TFCalc::ViewStayOnTopExecute() {
  const bool onTop = !FViewStayOnTop->isChecked();
  ApplyStayOnTop(onTop);
  FViewStayOnTop->setChecked(onTop);
  USet::StayOnTop = onTop;
  RestoreAndRaise();
}

void TFCalc::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (const std::optional<int> offset = FPresence.Shown()) {
    PlaceOnScreen(*offset);
    // Told once, after the window appears: where a damaged settings file went.
    QTimer::singleShot(0, this, [this] { TellSettingsNotices(); });
  }
  Run(&TFCalc::FormShow);
}

// Centred on the screen, or `offset` pixels down and right of the centre.
void TFCalc::PlaceOnScreen(int offset) {
  move(screen()->availableGeometry().center() - frameGeometry().center() + pos() +
       QPoint(offset, offset));
}

void TFCalc::TellSettingsNotices() {
  const auto notices = USet::TakeSettingsNotices();
  if (notices.empty()) return;
  QMessageBox box(QMessageBox::Information, QApplication::applicationName(),
                  app::TranslatedNotices(notices), QMessageBox::Ok, this);
  Endings::EndAlsoWith(box);
  app::ShowModal(box);
}

void TFCalc::WindowExposed() {
  const ui::TExposure due = FPresence.Exposed();
  // The exposure paints the window before the loop turns again.
  if (due.FirstFrame) QTimer::singleShot(0, this, [this] { Run(&TFCalc::AfterFirstPaint); });
  if (due.Restore) Run(&TFCalc::RestorePresence);
}

bool TFCalc::HidesToTray() {
  FPresence.SetTrayAvailable(QSystemTrayIcon::isSystemTrayAvailable());
  return FPresence.HideOnMinimize(FTrayIcon != nullptr && FTrayIcon->isVisible());
}

void TFCalc::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
  if (isMinimized() && HidesToTray()) {
    // Hidden after the state change has settled: window and taskbar button go.
    QTimer::singleShot(0, this, [this] {
      hide();
      FTrayWatch->start();
    });
  } else if (old.testFlag(Qt::WindowMinimized) && !isMinimized()) {
    Run(&TFCalc::ApplicationRestore);
  }
}
