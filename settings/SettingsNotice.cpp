#include "settings/SettingsNotice.h"

namespace USet {

std::string FilledIn(std::string_view text, const std::vector<std::string>& parts) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t part = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : parts.size();
    if (text[i] == '%' && part < parts.size()) {
      filled += parts[part];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

const char* TextOf(TValueProblem problem) {
  switch (problem) {
  case TValueProblem::WrongType: return NoticeTexts::WrongType;
  case TValueProblem::NotUtf8: return NoticeTexts::NotUtf8;
  case TValueProblem::Unreadable: return NoticeTexts::Unreadable;
  case TValueProblem::OutOfRange: return NoticeTexts::OutOfRange;
  }
  return NoticeTexts::WrongType;
}

const char* TextOf(const TSettingsNotice& notice) {
  const bool because = !notice.reason.empty();
  switch (notice.kind) {
  case TNoticeKind::Damaged: return NoticeTexts::Damaged;
  case TNoticeKind::Unusable: return because ? NoticeTexts::UnusableBecause : NoticeTexts::Unusable;
  case TNoticeKind::Unwritable:
    return because ? NoticeTexts::UnwritableBecause : NoticeTexts::Unwritable;
  case TNoticeKind::BadValues: return NoticeTexts::BadValues;
  }
  return NoticeTexts::Damaged;
}

namespace {

std::string BadValuesText(const std::vector<TBadValue>& values) {
  std::string text;
  for (const TBadValue& value : values)
    text += (text.empty() ? "" : NoticeTexts::ValueSeparator) +
            FilledIn(TextOf(value.problem),
                     {value.name, std::to_string(value.first), std::to_string(value.last)});
  return text;
}

} // namespace

std::string NoticeText(const TSettingsNotice& notice) {
  const bool values = notice.kind == TNoticeKind::BadValues;
  return FilledIn(TextOf(notice),
                  {notice.file, values ? BadValuesText(notice.values) : notice.reason});
}

std::string NoticesText(const std::vector<TSettingsNotice>& notices) {
  std::string text;
  for (const TSettingsNotice& notice : notices)
    text += (text.empty() ? "" : NoticeTexts::NoticeSeparator) + NoticeText(notice);
  return text;
}

} // namespace USet
