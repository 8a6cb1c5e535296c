#pragma once
// The engine's enumerations, in declared order, and their value names (the
// names are the program's vocabulary: the window's layout and the headless
// driver use them).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

enum TCalcOperation : std::uint8_t { coNone, coPlus, coMinus, coMulty, coDivide, coPower, coLog };

enum TAngularMeasure : std::uint8_t { amRad, amDeg, amGrad, amCycle };

// clang-format off
enum TCalcAction : std::uint8_t {
  ca0, ca1, ca2, ca3, ca4, ca5, ca6, ca7, ca8, ca9,                            // 0-9
  caDecSep, caPlus, caMinus, caMulty, caDivide, caEqual,                       // 10-15
  caSqrt, caPerCent, caInverse, caSignChange, caClear, caClearEntr, caBackSpace, // 16-22
  caMemPlus, caMemMinus, caMemRecall, caMemClear,                              // 23-26
  caSin, caCos, caTg, caCtg, caSec, caCosec,                                   // 27-32
  caArcSin, caArcCos, caArcTg, caArcCtg,                                       // 33-36
  caSh, caCh, caTh, caCth, caSech, caCosech,                                   // 37-42
  caArSh, caArCh, caArTh, caArCth,                                             // 43-46
  caLn, caLg, caLog, caExp, ca3root, caSqr, caX3, caXY, caPower, caFactorial,  // 47-56
  caPI                                                                         // 57
};
// clang-format on

inline constexpr int CalcActionCount = caPI + 1;

namespace engine {

// A table with one row for each value of an enumeration, in its order: a
// missing or extra row fails to compile, where a std::array would take the
// missing ones as zeros.
//   constexpr auto Names = RowsFor<std::string_view, amCycle + 1>({"amRad", ...});
template <class Row, std::size_t Count, std::size_t Given>
constexpr std::array<Row, Count> RowsFor(const Row (&rows)[Given]) {
  static_assert(Given == Count, "one row for each value of the enumeration");
  std::array<Row, Count> table{};
  for (std::size_t i = 0; i < Count && i < Given; ++i)
    table[i] = rows[i];
  return table;
}

// OperationName(coPlus) -> "coPlus"; an ordinal out of range -> "".
std::string_view OperationName(TCalcOperation operation);
// ActionName(caMemPlus) -> "caMemPlus"; ActionFromName("caPI") -> caPI;
// ActionFromName("sin") -> nothing.
std::string_view ActionName(TCalcAction action);
std::optional<TCalcAction> ActionFromName(std::string_view name);
// An action by name or by its key alias: 0-9 . + - * / = % sqrt 1/x +/- C CE
// BACK MC MR M+ M-.  ActionFromToken("*") -> caMulty; ActionFromToken("caSin") -> caSin.
std::optional<TCalcAction> ActionFromToken(std::string_view token);
// AngularMeasureFromName("amDeg") -> amDeg.
std::optional<TAngularMeasure> AngularMeasureFromName(std::string_view name);

} // namespace engine
