#include "cli/CommandLine.h"

#include "dialogs/versioninfo/FileVersionInfo.h"

#include <cstdio>
#include <sstream>

namespace {

int PrintVersion(const cli::ProgramCommandLine& program, std::ostream& out, std::ostream& err) {
  TFileVersionInfo record;
  try {
    record.SetFilename(program.versionRecordFile);
  } catch (const EFilerError& error) {
    err << program.name << ": " << error.what() << '\n';
    return 1;
  }
  out << program.name << ' ' << record.FileVersion() << '\n';
  return 0;
}

} // namespace

std::optional<int> cli::AnswerCommandLine(const cli::ProgramCommandLine& program,
                                          std::span<const char* const> arguments, std::ostream& out,
                                          std::ostream& err) {
  for (const std::string_view argument : arguments) {
    if (argument == "--help") {
      out << program.usage;
      return 0;
    }
    if (argument == "--version") return PrintVersion(program, out, err);
    if (!program.takeOption || !program.takeOption(argument)) {
      err << program.name << ": unknown argument '" << argument << "'\n" << program.usage;
      return 2;
    }
  }
  return std::nullopt;
}

// Written through the C library's streams: the C++ standard streams would
// set up the C++ library's locales at every start of the window, which costs
// half a megabyte of resident memory; without arguments nothing is set up.
std::optional<int> cli::AnswerCommandLine(const cli::ProgramCommandLine& program, int argc,
                                          const char* const* argv) {
  if (argc <= 1) return std::nullopt;
  std::ostringstream out, err;
  const std::optional<int> answer = cli::AnswerCommandLine(
      program, std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)), out,
      err);
  std::fputs(out.str().c_str(), stdout);
  std::fputs(err.str().c_str(), stderr);
  return answer;
}
