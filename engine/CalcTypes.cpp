#include "engine/CalcTypes.h"

#include <array>
#include <utility>

namespace engine {

namespace {

constexpr auto OperationNames = RowsFor<std::string_view, coLog + 1>(
    {"coNone", "coPlus", "coMinus", "coMulty", "coDivide", "coPower", "coLog"});

constexpr auto AngularMeasureNames =
    RowsFor<std::string_view, amCycle + 1>({"amRad", "amDeg", "amGrad", "amCycle"});

constexpr auto ActionNames = RowsFor<std::string_view, CalcActionCount>(
    {"ca0",        "ca1",          "ca2",         "ca3",         "ca4",         "ca5",
     "ca6",        "ca7",          "ca8",         "ca9",         "caDecSep",    "caPlus",
     "caMinus",    "caMulty",      "caDivide",    "caEqual",     "caSqrt",      "caPerCent",
     "caInverse",  "caSignChange", "caClear",     "caClearEntr", "caBackSpace", "caMemPlus",
     "caMemMinus", "caMemRecall",  "caMemClear",  "caSin",       "caCos",       "caTg",
     "caCtg",      "caSec",        "caCosec",     "caArcSin",    "caArcCos",    "caArcTg",
     "caArcCtg",   "caSh",         "caCh",        "caTh",        "caCth",       "caSech",
     "caCosech",   "caArSh",       "caArCh",      "caArTh",      "caArCth",     "caLn",
     "caLg",       "caLog",        "caExp",       "ca3root",     "caSqr",       "caX3",
     "caXY",       "caPower",      "caFactorial", "caPI"});

constexpr std::pair<std::string_view, TCalcAction> Aliases[] = {
    {"0", ca0},
    {"1", ca1},
    {"2", ca2},
    {"3", ca3},
    {"4", ca4},
    {"5", ca5},
    {"6", ca6},
    {"7", ca7},
    {"8", ca8},
    {"9", ca9},
    {".", caDecSep},
    {"+", caPlus},
    {"-", caMinus},
    {"*", caMulty},
    {"/", caDivide},
    {"=", caEqual},
    {"%", caPerCent},
    {"sqrt", caSqrt},
    {"1/x", caInverse},
    {"+/-", caSignChange},
    {"C", caClear},
    {"CE", caClearEntr},
    {"BACK", caBackSpace},
    {"MC", caMemClear},
    {"MR", caMemRecall},
    {"M+", caMemPlus},
    {"M-", caMemMinus},
};

template <typename Enum, std::size_t N>
std::optional<Enum> FindName(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i)
    if (names[i] == name) return static_cast<Enum>(i);
  return std::nullopt;
}

template <std::size_t N>
std::string_view NameAt(const std::array<std::string_view, N>& names, std::size_t ordinal) {
  return ordinal < N ? names[ordinal] : std::string_view();
}

} // namespace

std::string_view OperationName(TCalcOperation operation) {
  return NameAt(OperationNames, operation);
}

std::string_view ActionName(TCalcAction action) {
  return NameAt(ActionNames, action);
}

std::optional<TCalcAction> ActionFromName(std::string_view name) {
  return FindName<TCalcAction>(ActionNames, name);
}

std::optional<TCalcAction> ActionFromToken(std::string_view token) {
  for (const auto& [alias, action] : Aliases)
    if (alias == token) return action;
  return ActionFromName(token);
}

std::optional<TAngularMeasure> AngularMeasureFromName(std::string_view name) {
  return FindName<TAngularMeasure>(AngularMeasureNames, name);
}

} // namespace engine
