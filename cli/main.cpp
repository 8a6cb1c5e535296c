// tallyon-engine [--decimal-separator=C] [--thousands-separator=C]
// The calculator engine on standard input and output; see EngineDriver.h.

#include "cli/EngineDriver.h"
#include "engine/NumberText.h"
#include "platform/Locale.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
  const platform::LocaleNumberFormat locale = platform::UserNumberFormat();
  std::string decimal = locale.decimalSeparator;
  std::string thousands = locale.thousandsSeparator;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.starts_with("--decimal-separator=")) {
      decimal = argument.substr(20);
    } else if (argument.starts_with("--thousands-separator=")) {
      thousands = argument.substr(22);
    } else {
      std::cerr << "usage: tallyon-engine [--decimal-separator=C] [--thousands-separator=C]\n";
      return 2;
    }
  }
  SetCurrentSeparators(SeparatorsFrom(decimal, thousands));
  std::ios::sync_with_stdio(false);
  return RunEngineDriver(std::cin, std::cout);
}
