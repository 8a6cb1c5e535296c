#include "cli/EngineDriver.h"

#include "display/DisplayFormat.h"
#include "engine/CalculatorForm.h"

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

class Driver {
public:
  explicit Driver(std::ostream& out) : out_(out) { Reset(); }

  // Performs one token; false when the token is not known.
  bool Step(std::string_view token) {
    if (token == "reset") {
      Reset();
      out_ << "ok\treset\n" << std::flush;
      return true;
    }
    if (token.starts_with("show=")) return Show(token.substr(5), true);
    if (token.starts_with("showplain=")) return Show(token.substr(10), false);
    std::optional<std::function<void()>> step = StepOf(token);
    if (!step) {
      out_ << "error\tunknown token '" << token << "'\n" << std::flush;
      return false;
    }
    try {
      (*step)();
      out_ << "ok\t" << State() << '\n';
    } catch (const std::exception& error) {
      out_ << "error\t" << error.what() << '\t' << State() << '\n';
    }
    out_ << std::flush;
    return true;
  }

private:
  // The display text that a number display would show, as TCVCalcIndicator
  // makes it; the calculator is left alone.
  bool Show(std::string_view text, bool thouSep) {
    try {
      const std::string shown = DisplayTextOf(text, thouSep, CurrentSeparators());
      out_ << "ok\t" << shown << '\n';
    } catch (const EConvertError& error) {
      out_ << "error\t" << error.what() << '\n';
    }
    out_ << std::flush;
    return true;
  }

  std::optional<std::function<void()>> StepOf(std::string_view token) {
    if (token.starts_with("value=")) {
      std::string text(token.substr(6));
      return [this, text] { calculator_->SetValue(text); };
    }
    if (token.starts_with("paste=")) {
      std::string text(token.substr(6));
      return [this, text] {
        if (const auto number = ReadForeignNumber(text))
          calculator_->EnterNumber(NumberToText(*number));
      };
    }
    if (token.starts_with("memory=")) {
      std::string text(token.substr(7));
      return [this, text] { calculator_->Memory().SetValue(text); };
    }
    if (token.starts_with("angle=")) {
      const std::optional<TAngularMeasure> unit = AngularMeasureFromName(token.substr(6));
      if (!unit) return std::nullopt;
      return [this, unit] { calculator_->SetAngularMeasure(*unit); };
    }
    if (std::optional<TCalcAction> action = ActionFromToken(token))
      return [this, action] { calculator_->SetAction(*action); };
    return std::nullopt;
  }

  std::string State() {
    return calculator_->Value() + '\t' + calculator_->Memory().Value() + '\t' +
           std::string(OperationName(calculator_->Operation()));
  }

  void Reset() {
    calculator_ = std::make_unique<TCVCalculator>();
    LoadCalculatorForm(*calculator_);
  }

  std::ostream& out_;
  std::unique_ptr<TCVCalculator> calculator_;
};

} // namespace

int RunEngineDriver(std::istream& in, std::ostream& out) {
  Driver driver(out);
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
