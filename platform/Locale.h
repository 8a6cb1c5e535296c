#pragma once
// The user's number format as the locale gives it: the locale named by
// LC_ALL, else LC_NUMERIC, else LANG (the first one set and not empty). An
// empty string means the locale gives none (or is not installed). Texts are
// as the locale spells them, possibly several bytes (a UTF-8 no-break space).

#include <string>

namespace platform {

struct LocaleNumberFormat {
  std::string decimalSeparator;
  std::string thousandsSeparator;
};

LocaleNumberFormat UserNumberFormat();

} // namespace platform
