#pragma once
// The window's commands that are not engine actions: the menu bar's and the
// tray menu's, in the order of their rows in every table that lists them.

#include <cstdint>

enum class TMenuCommand : std::uint8_t {
  FileExit,
  EditCopy,
  EditPaste,
  EditCopyTape,
  EditClearTape,
  ViewShowTaskSystem,
  ViewShowTaskbar,
  ViewShowSystem,
  ViewThouSep,
  ViewStayOnTop,
  ViewFunctions,
  ViewTape,
  ViewKeepTape,
  ViewMoveToTape, // into the tape and back; in no menu
  HelpKeyboard,
  HelpHomePage1,
  HelpAbout1,
  TrayIconOpen,
  Count
};
