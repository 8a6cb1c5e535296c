// tallyon-engine [--decimal-separator=C] [--thousands-separator=C]
// The calculator engine on standard input and output; see EngineDriver.h.

#include "cli/CommandLine.h"
#include "cli/EngineDriver.h"
#include "engine/NumberText.h"
#include "platform/Locale.h"
#include "platform/StandardStreams.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "Usage: tallyon-engine [--decimal-separator=C] [--thousands-separator=C]\n"
    "       tallyon-engine --help | --version\n"
    "Runs Tallyon's calculator engine on key tokens read from standard input\n"
    "and prints one line per token: ok<TAB>Value<TAB>Memory<TAB>Operation.\n"
    "\n"
    "  --decimal-separator=C    the decimal separator (default: the locale's)\n"
    "  --thousands-separator=C  the digit grouping separator (default: the locale's)\n"
    "  --help                   show this help and exit\n"
    "  --version                show the version and exit\n"
    "\n"
    "Example: printf 'C 2 + 3 =\\n' | tallyon-engine\n"
    "See tallyon-engine(1) for the tokens and directives.\n";

// Takes a "--NAME=VALUE" option into `value`.
bool TakeValue(std::string_view argument, std::string_view prefix, std::string& value) {
  if (!argument.starts_with(prefix)) return false;
  value = argument.substr(prefix.size());
  return true;
}

} // namespace

int main(int argc, char** argv) {
  // The same bytes on every system: no "\r" added to a line on Windows.
  platform::UseBinaryStandardStreams();
  const platform::LocaleNumberFormat locale = platform::UserNumberFormat();
  std::string decimal = locale.decimalSeparator;
  std::string thousands = locale.thousandsSeparator;
  const auto takeSeparator = [&](std::string_view argument) {
    return TakeValue(argument, "--decimal-separator=", decimal) ||
           TakeValue(argument, "--thousands-separator=", thousands);
  };
  const cli::ProgramCommandLine commandLine{
      .name = "tallyon-engine", .usage = kUsage, .takeOption = takeSeparator};
  if (const std::optional<int> status = cli::AnswerCommandLine(commandLine, argc, argv))
    return *status;
  engine::SetCurrentSeparators(engine::SeparatorsFrom(decimal, thousands));
  std::ios::sync_with_stdio(false);
  return cli::RunEngineDriver(std::cin, std::cout);
}
