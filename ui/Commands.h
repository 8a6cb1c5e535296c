#pragma once
// The window's commands that are not engine actions: the menu bar's and the
// tray menu's, in the order of their rows in every table that lists them.

#include <cstdint>

enum class TMenuCommand : std::uint8_t {
  FileExit,
  EditCopy,
  EditPaste,
  ViewShowTaskSystem,
  ViewShowTaskbar,
  ViewShowSystem,
  ViewThouSep,
  ViewStayOnTop,
  ViewFunctions,
  HelpKeyboard,
  HelpHomePage1,
  HelpAbout1,
  TrayIconOpen,
  Count
};
