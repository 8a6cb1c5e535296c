#include "platform/Locale.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace platform {

namespace {
// The locale named by the first of LC_ALL, `category` and LANG that is set.
const char* UserLocaleName(const char* category) {
  for (const char* variable : {"LC_ALL", category, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// "de_DE.UTF-8@euro" -> "de_DE".
std::string LanguageOf(std::string_view locale) {
  return std::string(locale.substr(0, locale.find_first_of(".@")));
}
} // namespace

LocaleNumberFormat UserNumberFormat() {
  const locale_t locale = newlocale(LC_NUMERIC_MASK, UserLocaleName("LC_NUMERIC"), locale_t(0));
  if (locale == locale_t(0)) return {};
  LocaleNumberFormat format{nl_langinfo_l(RADIXCHAR, locale), nl_langinfo_l(THOUSEP, locale)};
  freelocale(locale);
  return format;
}

std::vector<std::string> UserMessageLanguages() {
  const std::string messages = LanguageOf(UserLocaleName("LC_MESSAGES"));
  if (messages.empty() || messages == "C" || messages == "POSIX") return {};
  std::vector<std::string> languages;
  const char* list = std::getenv("LANGUAGE");
  for (std::string_view rest = list != nullptr ? list : ""; !rest.empty();) {
    const std::size_t colon = rest.find(':');
    const std::string language = LanguageOf(rest.substr(0, colon));
    if (!language.empty()) languages.push_back(language);
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  if (languages.empty()) languages.push_back(messages);
  return languages;
}

} // namespace platform
