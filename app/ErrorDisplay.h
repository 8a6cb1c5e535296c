#pragma once
// The one place where the window's errors surface: every command the window
// runs goes through Guarded, which shows an exception's message in a message
// box captioned with the application title, with the stop icon and OK, and
// lets the program carry on. Nothing is thrown into the toolkit.

#include <functional>
#include <string>

class QWidget;

// The message as the box shows it: a full stop appended when the last
// character sorts after ".".  "Overflow" -> "Overflow.";  "1." -> "1.".
std::string ErrorBoxText(const std::string& message);

void ShowErrorBox(QWidget* parent, const std::string& message);

// Runs a command; an exception it lets out is shown by ShowErrorBox.
// Returns false when the command failed.
bool Guarded(QWidget* parent, const std::function<void()>& command);
