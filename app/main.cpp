// Tallyon: the calculator window.

#include "app/Endings.h"
#include "app/SettingsSaver.h"
#include "app/Translations.h"
#include "app/UCalc.h"
#include "cli/CommandLine.h"
#include "engine/NumberText.h"
#include "platform/Locale.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Instance.h"
#include "tallyon/Product.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace {

constexpr std::string_view kUsage =
    "Usage: tallyon [--toggle | --help | --version]\n"
    "Tallyon, a small desktop calculator: one window with a value display, a\n"
    "memory display and 27 keys, worked by mouse, keyboard and clipboard.\n"
    "\n"
    "  --toggle   show the running window, or hide it when it is in front\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "One Tallyon runs per display: starting it again brings its window to\n"
    "the front.\n"
    "The value, the memory and the view options are kept in\n"
    "$XDG_CONFIG_HOME/Corvane/Tallyon.reg; remove it to start afresh.\n"
    "See tallyon(1).\n";

// The window takes no arguments but --toggle, the toolkit's own included,
// so nothing else on the command line changes how it behaves; this runs
// before the toolkit looks for a display. The one exception is the pair
// "-session ID" with which a session manager starts the program again at
// the next login: the toolkit reads it for its own bookkeeping, and the
// window is as ever.
std::optional<int> AnswerTallyonCommandLine(int argc, char** argv, bool& toggle) {
  bool sessionId = false;
  const auto takeOption = [&sessionId, &toggle](std::string_view argument) {
    const bool taken = sessionId || argument == "-session" || argument == "--toggle";
    toggle = toggle || (!sessionId && argument == "--toggle");
    sessionId = !sessionId && argument == "-session";
    return taken;
  };
  const std::optional<int> answer = cli::AnswerCommandLine(
      {.name = "tallyon", .usage = kUsage, .takeOption = takeOption}, argc, argv);
  if (answer || !sessionId) return answer;
  std::fprintf(stderr, "tallyon: '-session' needs the session's id\n%.*s", int(kUsage.size()),
               kUsage.data());
  return 2;
}

// Another start on the same display hands its request to the running
// window and ends.
std::optional<int> HandedOver(const platform::DisplayInstance& instance) {
  switch (instance.GetRole()) {
  case platform::DisplayInstance::Role::HandedOver: return 0;
  case platform::DisplayInstance::Role::NotAnswered:
    std::fputs("tallyon: the Tallyon running on this display does not answer\n", stderr);
    return 1;
  default: return std::nullopt;
  }
}

} // namespace

int main(int argc, char** argv) {
  bool toggle = false;
  if (const std::optional<int> status = AnswerTallyonCommandLine(argc, argv, toggle))
    return *status;
  platform::PreferX11WhereReachable();
  platform::DisplayInstance instance(toggle ? platform::InstanceRequest::Toggle
                                            : platform::InstanceRequest::Show);
  if (const std::optional<int> status = HandedOver(instance)) return *status;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallyon"));
  // Ties the windows to the installed launcher and its icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(tallyon::AppId));
  // The window may live in the tray with no window on screen; closing the
  // main window ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  const TTranslations translations(platform::UserMessageLanguages());
  const platform::LocaleNumberFormat locale = platform::UserNumberFormat();
  TFCalc window(engine::SeparatorsFrom(locale.decimalSeparator, locale.thousandsSeparator));
  window.PlaceAfterOthers(instance.OthersRunning());
  instance.Listen([&window](platform::InstanceRequest request, const std::string& token) {
    window.AnotherStart(request, token);
  });
  Endings::Install(window, window.Saver());
  window.show();
  return application.exec();
}
