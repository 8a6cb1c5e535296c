#include "cli/EngineDriver.h"

#include "display/format/DisplayFormat.h"
#include "engine/CalculatorForm.h"
#include "engine/KeyTokens.h"

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace {

class Driver {
public:
  Driver(std::ostream& out, engine::NumberSeparators separators)
      : FOut(out), FSeparators(std::move(separators)) {
    Reset();
  }

  // Performs one token; false when the token is not known.
  bool Step(std::string_view token) {
    if (token == "reset") {
      Reset();
      FOut << "ok\treset\n" << std::flush;
      return true;
    }
    if (token.starts_with("show=")) return Show(token.substr(5), true);
    if (token.starts_with("showplain=")) return Show(token.substr(10), false);
    std::optional<std::function<void()>> step = StepOf(token);
    if (!step) {
      FOut << "error\tunknown token '" << token << "'\n" << std::flush;
      return false;
    }
    try {
      (*step)();
      FOut << "ok\t" << State() << '\n';
    } catch (const std::exception& error) {
      FOut << "error\t" << error.what() << '\t' << State() << '\n';
    }
    FOut << std::flush;
    return true;
  }

private:
  // The display text that a number display would show, as TCVCalcIndicator
  // makes it; the calculator is left alone.
  bool Show(std::string_view text, bool thouSep) {
    try {
      const std::string shown = display::DisplayTextOf(text, thouSep, FSeparators);
      FOut << "ok\t" << shown << '\n';
    } catch (const EConvertError& error) {
      FOut << "error\t" << error.what() << '\n';
    }
    FOut << std::flush;
    return true;
  }

  std::optional<std::function<void()>> StepOf(std::string_view token) {
    const std::optional<engine::KeyToken> key = engine::ParseKeyToken(token);
    if (!key) return std::nullopt;
    return [this, key] { engine::PerformKeyToken(*FCalculator, *key); };
  }

  std::string State() {
    return FCalculator->Value() + '\t' + FCalculator->Memory().Value() + '\t' +
           std::string(engine::OperationName(FCalculator->Operation()));
  }

  void Reset() {
    FCalculator = std::make_unique<TCVCalculator>();
    FCalculator->SetSeparators(FSeparators);
    engine::LoadCalculatorForm(*FCalculator);
  }

  std::ostream& FOut;
  engine::NumberSeparators FSeparators;
  std::unique_ptr<TCVCalculator> FCalculator;
};

} // namespace

int cli::RunEngineDriver(std::istream& in, std::ostream& out,
                         const engine::NumberSeparators& separators) {
  Driver driver(out, separators);
  bool allKnown = true;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string_view rest(line);
    while (!rest.empty()) {
      const std::size_t end = rest.find(' ');
      const std::string_view token = rest.substr(0, end);
      if (!token.empty()) allKnown = driver.Step(token) && allKnown;
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
  }
  return allKnown ? 0 : 1;
}
