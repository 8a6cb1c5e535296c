#include "engine/KeyTokens.h"

#include "engine/NumberText.h"
#include "engine/PastedNumber.h"

#include <array>
#include <utility>

namespace engine {

std::optional<KeyToken> ParseKeyToken(std::string_view token) {
  static constexpr std::array<std::pair<std::string_view, KeyToken::Kind>, 3> Texts = {{
      {"value=", KeyToken::Value},
      {"memory=", KeyToken::Memory},
      {"paste=", KeyToken::Paste},
  }};
  for (const auto& [prefix, kind] : Texts)
    if (token.starts_with(prefix))
      return KeyToken{.kind = kind, .text = std::string(token.substr(prefix.size()))};
  if (token.starts_with("angle=")) {
    const std::optional<TAngularMeasure> unit = AngularMeasureFromName(token.substr(6));
    if (!unit) return std::nullopt;
    return KeyToken{.kind = KeyToken::Angle, .unit = *unit, .text = {}};
  }
  const std::optional<TCalcAction> action = ActionFromToken(token);
  if (!action) return std::nullopt;
  return KeyToken{.kind = KeyToken::Action, .action = *action, .text = {}};
}

void PerformKeyToken(TCVCalculator& calculator, const KeyToken& token) {
  switch (token.kind) {
  case KeyToken::Action: calculator.SetAction(token.action); break;
  case KeyToken::Value: calculator.SetValue(token.text); break;
  case KeyToken::Memory: calculator.Memory().SetValue(token.text); break;
  case KeyToken::Paste: {
    const PastedNumber pasted = ReadPastedNumber(token.text);
    if (!pasted.number) throw EPasteRefused(PasteRefusalText(pasted.refusal));
    calculator.EnterNumber(NumberToText(*pasted.number));
    break;
  }
  case KeyToken::Angle: calculator.SetAngularMeasure(token.unit); break;
  }
}

} // namespace engine
