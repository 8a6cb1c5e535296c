#pragma once
// The key help written from the key table (ui/KeyTable.h), for every place
// that lists the keys: the window's Help > Keyboard, the README's table and
// the manual page's list, so that no list can drift from the keys.

#include "ui/KeyTable.h"

#include <functional>
#include <string>

namespace ui {

// A text of the table as the reader's language has it.
using TTranslate = std::function<std::string(const char*)>;

// The keys column of a row: its own Keys text, or its keys' names.
//   the copy row -> "Ctrl+C, Ctrl+Insert"
std::string HelpKeys(const TKeyRow& row, const TTranslate& translate = {});

// One line per row of the table, the functions panel's rows after
// `panelLine`: the frame of every rendering of the help.
std::string KeyHelpLines(const std::function<std::string(const TKeyRow&)>& line,
                         const std::string& panelLine);

// The README's table, in Markdown: a header, a line per row, and the
// functions panel's rows after a line that says so.
std::string KeyHelpMarkdown();

// The manual page's list: a tagged paragraph (.TP) per row.
std::string KeyHelpManPage();

} // namespace ui
