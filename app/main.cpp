// Tallyon: the calculator window.

#include "app/Endings.h"
#include "app/Translations.h"
#include "app/UCalc.h"
#include "cli/CommandLine.h"
#include "engine/NumberText.h"
#include "platform/Locale.h"
#include "platform/desktop/Desktop.h"
#include "tallyon/Product.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace {

constexpr std::string_view kUsage =
    "Usage: tallyon [--help | --version]\n"
    "Tallyon, a small desktop calculator: one window with a value display, a\n"
    "memory display and 27 keys, worked by mouse, keyboard and clipboard.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "The value, the memory and the view options are kept in\n"
    "$XDG_CONFIG_HOME/Corvane/Tallyon.reg; remove it to start afresh.\n"
    "See tallyon(1).\n";

// The window takes no arguments, the toolkit's own included, so nothing on
// the command line changes how it behaves; this runs before the toolkit
// looks for a display. The one exception is the pair "-session ID" with
// which a session manager starts the program again at the next login: the
// toolkit reads it for its own bookkeeping, and the window is as ever.
std::optional<int> AnswerTallyonCommandLine(int argc, char** argv) {
  bool sessionId = false;
  const auto takeSession = [&sessionId](std::string_view argument) {
    const bool taken = sessionId || argument == "-session";
    sessionId = !sessionId && argument == "-session";
    return taken;
  };
  const std::optional<int> answer = cli::AnswerCommandLine(
      {.name = "tallyon", .usage = kUsage, .takeOption = takeSession}, argc, argv);
  if (answer || !sessionId) return answer;
  std::fprintf(stderr, "tallyon: '-session' needs the session's id\n%.*s", int(kUsage.size()),
               kUsage.data());
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = AnswerTallyonCommandLine(argc, argv)) return *status;
  platform::PreferX11WhereReachable();
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
  Endings::Install(window);
  window.show();
  return application.exec();
}
