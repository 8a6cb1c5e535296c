#include "app/ErrorTexts.h"

#include "math/CVMathConst.h"

#include <QCoreApplication>

#include <string_view>

namespace {

// The fixed messages, for lupdate to find; each must be the arithmetic's
// own text to the byte.
constexpr const char* Context = "TMathError";
constexpr const char* FixedMessages[] = {
    QT_TRANSLATE_NOOP("TMathError", "Overflow"),
    QT_TRANSLATE_NOOP("TMathError", "Division by zero"),
    QT_TRANSLATE_NOOP("TMathError", "Invalid value"),
    QT_TRANSLATE_NOOP("TMathError", "Negativ value"),
    QT_TRANSLATE_NOOP("TMathError", "Angle Magnitude too large"),
    QT_TRANSLATE_NOOP("TMathError", "Invalid floating point operation"),
    QT_TRANSLATE_NOOP("TMathError", "Floating point division by zero"),
    QT_TRANSLATE_NOOP("TMathError", "Floating point overflow"),
};
constexpr const char* ArithmeticMessages[] = {
    CVMathConst::SOverflow,     CVMathConst::SDivisionByZero, CVMathConst::SInvalidValue,
    CVMathConst::SNegativValue, CVMathConst::SAngleTooLarge,  CVMathConst::SInvalidOp,
    CVMathConst::SZeroDivide,   CVMathConst::SFloatOverflow,
};
constexpr bool SameTexts() {
  for (std::size_t i = 0; i < std::size(FixedMessages); ++i)
    if (std::string_view(FixedMessages[i]) != ArithmeticMessages[i]) return false;
  return std::size(FixedMessages) == std::size(ArithmeticMessages);
}
static_assert(SameTexts(), "a message of the arithmetic is missing from its translations");

// The number reader's message around the text it could not read.
constexpr std::string_view NotANumberStart = "'";
constexpr std::string_view NotANumberEnd = "' is not a valid floating point value";

} // namespace

QString app::TranslatedError(const std::string& message) {
  const std::string_view text = message;
  if (text.size() >= NotANumberStart.size() + NotANumberEnd.size() &&
      text.starts_with(NotANumberStart) && text.ends_with(NotANumberEnd)) {
    const std::string_view quoted = text.substr(
        NotANumberStart.size(), text.size() - NotANumberStart.size() - NotANumberEnd.size());
    return QCoreApplication::translate("TMathError", "'%1' is not a valid floating point value")
        .arg(QString::fromUtf8(quoted.data(), qsizetype(quoted.size())));
  }
  for (const char* fixed : FixedMessages)
    if (message == fixed) return QCoreApplication::translate(Context, fixed);
  return QString::fromStdString(message);
}
