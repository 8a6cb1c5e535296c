#include "app/ErrorDisplay.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + '.';
  return message;
}

void ShowErrorBox(QWidget* parent, const std::string& message) {
  QMessageBox::critical(parent, QApplication::applicationName(),
                        QString::fromStdString(ErrorBoxText(message)), QMessageBox::Ok);
}

bool Guarded(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    ShowErrorBox(parent, error.what());
    return false;
  }
}
