#pragma once
// The one place where the window's errors surface: every command the window
// runs goes through Guarded, which shows an exception's message in a message
// box captioned with the application title, with the stop icon and OK, and
// lets the program carry on. Nothing is thrown into the toolkit.

#include <functional>
#include <string>

class QWidget;

namespace app {

// Shows the message, translated first (ErrorTexts.h), as ui::ErrorBoxText
// gives it.
void ShowErrorBox(QWidget* parent, const std::string& message);

// Runs a command; an exception it lets out is shown by ShowErrorBox.
// Returns false when the command failed.
bool Guarded(QWidget* parent, const std::function<void()>& command);

// Called after every command that Guarded runs, failed or not: the settings
// saver learns that a setting may have changed. An empty function removes it.
void SetAfterEachCommand(std::function<void()> after);

} // namespace app
