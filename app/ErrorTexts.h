#pragma once
// The errors of the toolkit-free layers in the user's language. The guarded
// arithmetic, the number reader and the settings' save throw their messages
// in English; the window translates the ones it knows when it shows them
// (a system's cause stays as the system gave it), and leaves every other
// message, and all of them under English, byte for byte.
//
//   under German: "Division by zero"  -> "Division durch Null"
//                 "'1e5e5' is not a valid floating point value"
//                                     -> "'1e5e5' ist kein gültiger Gleitkommawert"
//   under English or C: each message as it stands

#include <QString>

#include <string>

namespace app {

QString TranslatedError(const std::string& message);

} // namespace app
