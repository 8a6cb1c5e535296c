#include "platform/Locale.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace platform {

namespace {
const char* UserLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}
} // namespace

LocaleNumberFormat UserNumberFormat() {
  const locale_t locale = newlocale(LC_NUMERIC_MASK, UserLocaleName(), locale_t(0));
  if (locale == locale_t(0)) return {};
  LocaleNumberFormat format{nl_langinfo_l(RADIXCHAR, locale), nl_langinfo_l(THOUSEP, locale)};
  freelocale(locale);
  return format;
}

} // namespace platform
