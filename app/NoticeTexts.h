#pragma once
// The settings file's notices in the user's language: each text the
// settings give (settings/SettingsNotice.h) through the translations, with
// the file, the reason and the setting names in place. Under English the
// text is USet::NoticesText's, byte for byte; the system's reason stays as
// the system gave it.

#include "settings/SettingsNotice.h"

#include <QString>

#include <vector>

namespace app {

QString TranslatedNotices(const std::vector<USet::TSettingsNotice>& notices);

} // namespace app
