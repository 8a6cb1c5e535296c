#pragma once
// Marks a text of the tables as one for translation, in the context the
// shells translate it in. The text itself is the table's value: the Qt shell
// looks its translation up at run time (lupdate reads the marker as
// QT_TRANSLATE_NOOP), a shell without translations shows it as it stands.
#define TALLYON_TEXT(context, text) text
