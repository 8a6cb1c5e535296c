#pragma once
// The command line every Tallyon program answers before it starts its work,
// without a display or a toolkit, so a build script or an ssh session can ask:
//   --help     the program's usage on standard output; exit status 0
//   --version  its name and the FileVersion of its own version record on
//              standard output ("tallyon 1.0.1.17"); exit status 0
//   any other argument the program does not take: a line naming it and
//              the usage on standard error; exit status 2
// A version record that cannot be read is reported on standard error with
// exit status 1.
//
//   {"tallyon", "--version"}         -> 0, out "tallyon 1.0.1.17\n"
//   {"tallyon"}                      -> nullopt: the program runs
//   {"tallyon", "-platform", "xcb"}  -> 2, err "tallyon: unknown argument
//                                        '-platform'\n" and the usage

#include "platform/ProgramFile.h"

#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace cli {

struct ProgramCommandLine {
  std::string_view name;  // the program's name, as --version prints it
  std::string_view usage; // the text --help prints, ending in a newline
  // The program's own options: true when it takes `argument`. None by default.
  std::function<bool(std::string_view argument)> takeOption = nullptr;
  // The file whose version record --version reads: the running program.
  std::string versionRecordFile = platform::ProgramFilePath();
};

// The exit status when the command line ends the program before it starts
// (--help, --version or an argument it does not take); nullopt when it runs.
// `arguments` are the ones after the program's own name. --help and
// --version answer at once, so the arguments after them are not looked at.
std::optional<int> AnswerCommandLine(const ProgramCommandLine& program,
                                     std::span<const char* const> arguments, std::ostream& out,
                                     std::ostream& err);

// The same for main()'s arguments, on standard output and standard error.
std::optional<int> AnswerCommandLine(const ProgramCommandLine& program, int argc,
                                     const char* const* argv);

} // namespace cli
