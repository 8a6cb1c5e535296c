#pragma once
// Opening an address with the desktop's handler, as the shell's "open" verb
// does: a web page in the browser, a mailto: address in the mail program.
//   Windows: ShellExecuteA(nullptr, "open", address, ...)
//   elsewhere: xdg-open, started apart from the program (it is not waited
//   for, and outlives it)
// The error tells why the handler could not be started; what the handler
// then does is not known.
//   OpenWithShell("https://www.corvane.example/") -> {} and a browser window
//   OpenWithShell("C:\\no\\such.txt") on Windows -> ERROR_FILE_NOT_FOUND

#include <string>
#include <system_error>

namespace platform {

std::error_code OpenWithShell(const std::string& address);

} // namespace platform
