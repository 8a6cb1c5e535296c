#include "ui/Keypad.h"

#include "ui/Text.h"

namespace {

// clang-format off
constexpr std::array<ui::TKeyLayout, 27> Keypad = {{
    {"btClear",      "C",    {5,   35, 46, 25}, TKeyGroup::Red,   caClear, TALLYON_TEXT("TFCalc", "Clear")},
    {"btClearEntr",  "CE",   {54,  35, 46, 25}, TKeyGroup::Red,   caClearEntr, TALLYON_TEXT("TFCalc", "Clear entry")},
    {"btSignChange", "+/-",  {106, 35, 35, 25}, TKeyGroup::Green, caSignChange, TALLYON_TEXT("TFCalc", "Change sign")},
    {"btDivide",     "/",    {144, 35, 35, 25}, TKeyGroup::Red,   caDivide, TALLYON_TEXT("TFCalc", "Divide")},
    {"btMulty",      "\u2217", {182, 35, 35, 25}, TKeyGroup::Red, caMulty, TALLYON_TEXT("TFCalc", "Multiply")}, // the Symbol asterisk
    {"btMinus",      "-",    {220, 35, 35, 25}, TKeyGroup::Red,   caMinus, TALLYON_TEXT("TFCalc", "Subtract"), 13},
    {"btMemClear",   "MC",   {5,   62, 46, 25}, TKeyGroup::Red,   caMemClear, TALLYON_TEXT("TFCalc", "Memory clear")},
    {"btBackSpace",  "BACK", {54,  62, 46, 25}, TKeyGroup::Red,   caBackSpace, TALLYON_TEXT("TFCalc", "Delete the last digit")},
    {"bt7",          "7",    {106, 62, 35, 25}, TKeyGroup::Green, ca7, TALLYON_TEXT("TFCalc", "Digit")},
    {"bt8",          "8",    {144, 62, 35, 25}, TKeyGroup::Green, ca8, TALLYON_TEXT("TFCalc", "Digit")},
    {"bt9",          "9",    {182, 62, 35, 25}, TKeyGroup::Green, ca9, TALLYON_TEXT("TFCalc", "Digit")},
    {"btPlus",       "+",    {220, 62, 35, 52}, TKeyGroup::Red,   caPlus, TALLYON_TEXT("TFCalc", "Add")},
    {"btMemRecall",  "MR",   {5,   89, 46, 25}, TKeyGroup::Red,   caMemRecall, TALLYON_TEXT("TFCalc", "Memory recall")},
    {"btPerCent",    "%",    {54,  89, 46, 25}, TKeyGroup::Green, caPerCent, TALLYON_TEXT("TFCalc", "Percent")},
    {"bt4",          "4",    {106, 89, 35, 25}, TKeyGroup::Green, ca4, TALLYON_TEXT("TFCalc", "Digit")},
    {"bt5",          "5",    {144, 89, 35, 25}, TKeyGroup::Green, ca5, TALLYON_TEXT("TFCalc", "Digit")},
    {"bt6",          "6",    {182, 89, 35, 25}, TKeyGroup::Green, ca6, TALLYON_TEXT("TFCalc", "Digit")},
    {"btMemMinus",   "M-",   {5,   116, 46, 25}, TKeyGroup::Red,  caMemMinus, TALLYON_TEXT("TFCalc", "Memory subtract")},
    {"btInverse",    "1/x",  {54,  116, 46, 25}, TKeyGroup::Green, caInverse, TALLYON_TEXT("TFCalc", "Reciprocal")},
    {"bt1",          "1",    {106, 116, 35, 25}, TKeyGroup::Green, ca1, TALLYON_TEXT("TFCalc", "Digit")},
    {"bt2",          "2",    {144, 116, 35, 25}, TKeyGroup::Green, ca2, TALLYON_TEXT("TFCalc", "Digit")},
    {"bt3",          "3",    {182, 116, 35, 25}, TKeyGroup::Green, ca3, TALLYON_TEXT("TFCalc", "Digit")},
    {"btEqual",      "=",    {220, 116, 35, 52}, TKeyGroup::Red,  caEqual, TALLYON_TEXT("TFCalc", "Equals")},
    {"btMemPlus",    "M+",   {5,   143, 46, 25}, TKeyGroup::Red,  caMemPlus, TALLYON_TEXT("TFCalc", "Memory add")},
    {"btSqrt",       "",     {54,  143, 46, 25}, TKeyGroup::Green, caSqrt, TALLYON_TEXT("TFCalc", "Square root")},
    {"bt0",          "0",    {106, 143, 73, 25}, TKeyGroup::Green, ca0, TALLYON_TEXT("TFCalc", "Digit")},
    {"btDecSep",     ".",    {182, 143, 35, 25}, TKeyGroup::Green, caDecSep, TALLYON_TEXT("TFCalc", "Decimal separator"), 19},
}};
// clang-format on

// The functions panel's grid: keys 46 x 25, three pixels apart; the function
// rows line up with the keypad's rows and the memory display, the angle
// units with the value display.
constexpr int KeyWidth = 46, KeyHeight = 25, Left = 4;
constexpr int RowTops[] = {29, 56, 83, 110, 137, 168};
constexpr int AngleTop = 1, AngleWidth = 58;

constexpr ui::TRect Cell(int column, int row) {
  return {Left + column * (KeyWidth + 3), RowTops[row], KeyWidth, KeyHeight};
}

constexpr ui::TKeyLayout Function(TCalcAction action, const char* name, const char* caption,
                                  int column, int row, const char* description) {
  return {name, caption, Cell(column, row), TKeyGroup::Green, action, description};
}

// An inverse is below its function.
// clang-format off
constexpr std::array<ui::TKeyLayout, caPI - caSin> Functions = {{
    Function(caSin,       "btSin",       "sin",    0, 0, TALLYON_TEXT("TFCalc", "Sine")),
    Function(caCos,       "btCos",       "cos",    1, 0, TALLYON_TEXT("TFCalc", "Cosine")),
    Function(caTg,        "btTg",        "tan",    2, 0, TALLYON_TEXT("TFCalc", "Tangent")),
    Function(caCtg,       "btCtg",       "cot",    3, 0, TALLYON_TEXT("TFCalc", "Cotangent")),
    Function(caSec,       "btSec",       "sec",    4, 0, TALLYON_TEXT("TFCalc", "Secant")),
    Function(caCosec,     "btCosec",     "cosec",  4, 1, TALLYON_TEXT("TFCalc", "Cosecant")),
    Function(caArcSin,    "btArcSin",    "arcsin", 0, 1, TALLYON_TEXT("TFCalc", "Arcsine")),
    Function(caArcCos,    "btArcCos",    "arccos", 1, 1, TALLYON_TEXT("TFCalc", "Arccosine")),
    Function(caArcTg,     "btArcTg",     "arctan", 2, 1, TALLYON_TEXT("TFCalc", "Arctangent")),
    Function(caArcCtg,    "btArcCtg",    "arccot", 3, 1, TALLYON_TEXT("TFCalc", "Arccotangent")),
    Function(caSh,        "btSh",        "sinh",   0, 2, TALLYON_TEXT("TFCalc", "Hyperbolic sine")),
    Function(caCh,        "btCh",        "cosh",   1, 2, TALLYON_TEXT("TFCalc", "Hyperbolic cosine")),
    Function(caTh,        "btTh",        "tanh",   2, 2, TALLYON_TEXT("TFCalc", "Hyperbolic tangent")),
    Function(caCth,       "btCth",       "coth",   3, 2, TALLYON_TEXT("TFCalc", "Hyperbolic cotangent")),
    Function(caSech,      "btSech",      "sech",   4, 2, TALLYON_TEXT("TFCalc", "Hyperbolic secant")),
    Function(caCosech,    "btCosech",    "cosech", 4, 3, TALLYON_TEXT("TFCalc", "Hyperbolic cosecant")),
    Function(caArSh,      "btArSh",      "arsinh", 0, 3, TALLYON_TEXT("TFCalc", "Inverse hyperbolic sine")),
    Function(caArCh,      "btArCh",      "arcosh", 1, 3, TALLYON_TEXT("TFCalc", "Inverse hyperbolic cosine")),
    Function(caArTh,      "btArTh",      "artanh", 2, 3, TALLYON_TEXT("TFCalc", "Inverse hyperbolic tangent")),
    Function(caArCth,     "btArCth",     "arcoth", 3, 3, TALLYON_TEXT("TFCalc", "Inverse hyperbolic cotangent")),
    Function(caLn,        "btLn",        "ln",     0, 4, TALLYON_TEXT("TFCalc", "Natural logarithm")),
    Function(caLg,        "btLg",        "lg",     1, 4, TALLYON_TEXT("TFCalc", "Common logarithm")),
    Function(caLog,       "btLog",       "log\u1D67x", 2, 4, TALLYON_TEXT("TFCalc", "Logarithm to the base y")),
    Function(caExp,       "btExp",       "e\u02E3", 3, 4, TALLYON_TEXT("TFCalc", "Exponential")),
    Function(ca3root,     "bt3root",     "\u221Bx", 4, 4, TALLYON_TEXT("TFCalc", "Cube root")),
    Function(caSqr,       "btSqr",       "x\u00B2", 0, 5, TALLYON_TEXT("TFCalc", "Square")),
    Function(caX3,        "btX3",        "x\u00B3", 1, 5, TALLYON_TEXT("TFCalc", "Cube")),
    Function(caXY,        "btXY",        "x\u02B8", 2, 5, TALLYON_TEXT("TFCalc", "Power")),
    Function(caFactorial, "btFactorial", "n!",     3, 5, TALLYON_TEXT("TFCalc", "Factorial")),
    Function(caPI,        "btPI",        "\u03C0", 4, 5, TALLYON_TEXT("TFCalc", "Pi")),
}};
// clang-format on

constexpr bool FunctionsInActionOrder() {
  for (std::size_t i = 0; i < Functions.size(); ++i) {
    const std::size_t action = caSin + i + (caSin + i >= caPower ? 1 : 0);
    if (Functions[i].Action != action) return false;
  }
  return true;
}
static_assert(FunctionsInActionOrder(), "one key per function action, in the actions' order");

constexpr ui::TAngleKey Angle(TAngularMeasure measure, const char* name, const char* caption,
                              const char* unit) {
  return {measure,
          name,
          caption,
          unit,
          {Left + measure * (AngleWidth + 3), AngleTop, AngleWidth, KeyHeight}};
}

constexpr std::array<ui::TAngleKey, amCycle + 1> Angles = {{
    Angle(amRad, "btRad", TALLYON_TEXT("TFCalc", "Rad"), TALLYON_TEXT("TFCalc", "radians")),
    Angle(amDeg, "btDeg", TALLYON_TEXT("TFCalc", "Deg"), TALLYON_TEXT("TFCalc", "degrees")),
    Angle(amGrad, "btGrad", TALLYON_TEXT("TFCalc", "Grad"), TALLYON_TEXT("TFCalc", "grads")),
    Angle(amCycle, "btCycle", TALLYON_TEXT("TFCalc", "Turn"), TALLYON_TEXT("TFCalc", "turns")),
}};

constexpr bool AnglesInOrder() {
  for (std::size_t i = 0; i < Angles.size(); ++i)
    if (Angles[i].Measure != i) return false;
  return true;
}
static_assert(AnglesInOrder(), "one key per angle unit, in the units' order");

} // namespace

const std::array<ui::TKeyLayout, 27> ui::KeypadKeys = Keypad;
const std::array<ui::TKeyLayout, caPI - caSin> ui::FunctionKeys = Functions;
const std::array<ui::TAngleKey, amCycle + 1> ui::AngleKeys = Angles;
