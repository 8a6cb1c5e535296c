#pragma once
// The one place where the window's errors surface: every command the window
// runs goes through Guarded, which shows an exception's message in a message
// box captioned with the application title, with the stop icon and OK, and
// lets the program carry on. Nothing is thrown into the toolkit.

#include <functional>
#include <string>

class QWidget;

namespace app {

// The message as the box shows it: a full stop appended when the last
// character sorts after ".".  "Overflow" -> "Overflow.";  "1." -> "1.".
// A message longer than 300 bytes keeps only its first and last 120 bytes,
// joined by "…", so a conversion error quoting a million digits shows
// "'7777…7777' is not a valid floating point value." with about 200 of them.
std::string ErrorBoxText(const std::string& message);

void ShowErrorBox(QWidget* parent, const std::string& message);

// Runs a command; an exception it lets out is shown by ShowErrorBox.
// Returns false when the command failed.
bool Guarded(QWidget* parent, const std::function<void()>& command);

// Called after every command that Guarded runs, failed or not: the settings
// saver learns that a setting may have changed. An empty function removes it.
void SetAfterEachCommand(std::function<void()> after);

} // namespace app
