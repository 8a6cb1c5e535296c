#include "app/ErrorTexts.h"

#include "math/CVMathConst.h"

#include <QCoreApplication>

#include <optional>
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

// A failed save: the setting's name, and the system's cause on a second
// line, which stays as the system gave it.
constexpr std::string_view NotSetStart = "Failed to set data for '";
constexpr std::string_view NotSetEnd = "'";

// The failed save's first line translated, or nothing for another message.
std::optional<QString> TranslatedSaveFailure(std::string_view text) {
  if (!text.starts_with(NotSetStart)) return std::nullopt;
  const std::size_t cause = text.find("'\n", NotSetStart.size());
  const std::size_t end = cause != std::string_view::npos ? cause + 1 : text.size();
  if (end < NotSetStart.size() + NotSetEnd.size() || text.substr(end - 1, 1) != NotSetEnd)
    return std::nullopt;
  const std::string_view name =
      text.substr(NotSetStart.size(), end - NotSetStart.size() - NotSetEnd.size());
  return QCoreApplication::translate("TSettingsNotice", "Failed to set data for '%1'")
             .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))) +
         QString::fromUtf8(text.substr(end).data(), qsizetype(text.size() - end));
}

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
  if (auto failure = TranslatedSaveFailure(text)) return *failure;
  for (const char* fixed : FixedMessages)
    if (message == fixed) return QCoreApplication::translate(Context, fixed);
  return QString::fromStdString(message);
}
