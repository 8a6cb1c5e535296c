#include "cli/CommandLine.h"

#include "dialogs/versioninfo/FileVersionInfo.h"

#include <iostream>

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

std::optional<int> cli::AnswerCommandLine(const cli::ProgramCommandLine& program, int argc,
                                          const char* const* argv) {
  const std::span<const char* const> arguments(argv, argc > 0 ? static_cast<std::size_t>(argc) : 0);
  return cli::AnswerCommandLine(program, arguments.empty() ? arguments : arguments.subspan(1),
                                std::cout, std::cerr);
}
