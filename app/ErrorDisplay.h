#pragma once
// The one place where the window's errors surface: every command the window
// runs goes through Guarded, which shows an exception's message in a message
// box captioned with the application title, with the stop icon and OK, and
// lets the program carry on. Nothing is thrown into the toolkit.

#include "ui/ErrorText.h"

#include <functional>
#include <string>

class QWidget;

namespace app {

// The message as the box shows it (ui/ErrorText.h).
using ui::ErrorBoxText;

void ShowErrorBox(QWidget* parent, const std::string& message);

// Runs a command; an exception it lets out is shown by ShowErrorBox.
// Returns false when the command failed.
bool Guarded(QWidget* parent, const std::function<void()>& command);

} // namespace app
