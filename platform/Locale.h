#pragma once
// The user's number format as the locale gives it: on POSIX systems the
// locale named by LC_ALL, else LC_NUMERIC, else LANG (the first one set and
// not empty); on Windows the user's locale (LOCALE_SDECIMAL and
// LOCALE_STHOUSAND). An empty string means the locale gives none (or is not
// installed). Texts are as the locale spells them, in UTF-8, possibly
// several bytes (a no-break space).

#include <string>
#include <vector>

namespace platform {

struct LocaleNumberFormat {
  std::string decimalSeparator;
  std::string thousandsSeparator;
};

LocaleNumberFormat UserNumberFormat();

// The languages the user reads messages in, the most wanted first, chosen as
// the C library's gettext chooses them: the locale named by LC_ALL, else
// LC_MESSAGES, else LANG, or instead the colon-separated list of LANGUAGE
// when that is set; none at all when the locale is C or POSIX (or none is
// set), where the texts stay as written. On Windows the one language of the
// user's locale. Each is the locale's name without its code set and modifier:
//   LANG=de_DE.UTF-8                       -> {"de_DE"}
//   LANG=de_DE.UTF-8 LANGUAGE=fr:en        -> {"fr", "en"}
//   LC_ALL=C.UTF-8 LANG=fr_FR LANGUAGE=de  -> {}
std::vector<std::string> UserMessageLanguages();

} // namespace platform
