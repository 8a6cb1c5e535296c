#include "app/NoticeTexts.h"

#include <QCoreApplication>

#include <string_view>

namespace {

// The settings' texts, for lupdate to find; each must be the settings' own
// text to the byte.
constexpr const char* Context = "TSettingsNotice";
constexpr const char* Texts[] = {
    QT_TRANSLATE_NOOP("TSettingsNotice",
                      "The settings file was damaged and could not be read. It has been kept as "
                      "\"%1\", and the settings start from their defaults."),
    QT_TRANSLATE_NOOP("TSettingsNotice", "The settings file cannot be read or written: \"%1\". "
                                         "The settings start from their defaults."),
    QT_TRANSLATE_NOOP("TSettingsNotice", "The settings file cannot be read or written: \"%1\": "
                                         "%2. The settings start from their defaults."),
    QT_TRANSLATE_NOOP("TSettingsNotice", "The settings file \"%1\" cannot be written: changes to "
                                         "the settings will not be kept."),
    QT_TRANSLATE_NOOP("TSettingsNotice", "The settings file \"%1\" cannot be written (%2): "
                                         "changes to the settings will not be kept."),
    QT_TRANSLATE_NOOP("TSettingsNotice", "Some stored settings in \"%1\" cannot be used: %2. "
                                         "They start from their defaults."),
    QT_TRANSLATE_NOOP("TSettingsNotice", "\"%1\" is of the wrong type"),
    QT_TRANSLATE_NOOP("TSettingsNotice", "\"%1\" is not UTF-8 text"),
    QT_TRANSLATE_NOOP("TSettingsNotice", "\"%1\" cannot be read"),
    QT_TRANSLATE_NOOP("TSettingsNotice", "\"%1\" is out of its range, %2 to %3"),
};
namespace N = USet::NoticeTexts;
constexpr const char* SettingsTexts[] = {
    N::Damaged,   N::Unusable,  N::UnusableBecause, N::Unwritable, N::UnwritableBecause,
    N::BadValues, N::WrongType, N::NotUtf8,         N::Unreadable, N::OutOfRange,
};
constexpr bool SameTexts() {
  for (std::size_t i = 0; i < std::size(Texts); ++i)
    if (std::string_view(Texts[i]) != SettingsTexts[i]) return false;
  return std::size(Texts) == std::size(SettingsTexts);
}
static_assert(SameTexts(), "a text of the settings' notices is missing from its translations");

QString Translated(const char* text) {
  return QCoreApplication::translate(Context, text);
}

QString Part(const std::string& text) {
  return QString::fromStdString(text);
}

QString BadValues(const std::vector<USet::TBadValue>& values) {
  QStringList texts;
  for (const USet::TBadValue& value : values) {
    const QString text = Translated(USet::TextOf(value.problem));
    // Only a range has its ends: the other texts have no %2 and %3.
    texts << (value.problem == USet::TValueProblem::OutOfRange
                  ? text.arg(Part(value.name), QString::number(value.first),
                             QString::number(value.last))
                  : text.arg(Part(value.name)));
  }
  return texts.join(QString::fromLatin1(N::ValueSeparator));
}

} // namespace

QString app::TranslatedNotices(const std::vector<USet::TSettingsNotice>& notices) {
  QStringList texts;
  for (const USet::TSettingsNotice& notice : notices) {
    const QString text = Translated(USet::TextOf(notice));
    const QString file = Part(notice.file);
    if (notice.kind == USet::TNoticeKind::BadValues)
      texts << text.arg(file, BadValues(notice.values));
    else if (!notice.reason.empty())
      texts << text.arg(file, Part(notice.reason));
    else
      texts << text.arg(file); // the text has no %2 then
  }
  return texts.join(QString::fromLatin1(N::NoticeSeparator));
}
