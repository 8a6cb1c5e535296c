// The command line of both programs: the answer in-process, then the real
// binaries run with no display at all.

#include "cli/CommandLine.h"
#include "dialogs/versioninfo/FileVersionInfo.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace cli;

namespace {

struct Answer {
  int status; // -1: the program runs
  std::string out, err;
};

// tallyon-engine's record: "1.0.1.17" is the program's own FileVersion.
Answer AnswerFor(std::vector<const char*> arguments,
                 const std::string& recordFile = TALLYON_ENGINE_BINARY) {
  std::vector<std::string> taken;
  const ProgramCommandLine program{.name = "calc",
                                   .usage = "Usage: calc [--x=N]\n",
                                   .takeOption =
                                       [&](std::string_view argument) {
                                         if (!argument.starts_with("--x=")) return false;
                                         taken.emplace_back(argument);
                                         return true;
                                       },
                                   .versionRecordFile = recordFile};
  std::ostringstream out, err;
  const std::optional<int> status = AnswerCommandLine(program, arguments, out, err);
  return {status.value_or(-1), out.str(), err.str()};
}

TEST(CommandLine, AnswersBeforeTheProgramRuns) {
  const struct {
    std::vector<const char*> arguments;
    Answer expected;
  } rows[] = {
      {{}, {-1, "", ""}},
      {{"--x=1", "--x=2"}, {-1, "", ""}},
      {{"--help"}, {0, "Usage: calc [--x=N]\n", ""}},
      {{"--version"}, {0, "calc 1.0.1.17\n", ""}},
      {{"--x=1", "--version", "--bogus"}, {0, "calc 1.0.1.17\n", ""}},
      {{"--help", "--bogus"}, {0, "Usage: calc [--x=N]\n", ""}},
      {{"--bogus"}, {2, "", "calc: unknown argument '--bogus'\nUsage: calc [--x=N]\n"}},
      {{"--x=1", "-h"}, {2, "", "calc: unknown argument '-h'\nUsage: calc [--x=N]\n"}},
      {{"--HELP"}, {2, "", "calc: unknown argument '--HELP'\nUsage: calc [--x=N]\n"}},
      {{"--help=1"}, {2, "", "calc: unknown argument '--help=1'\nUsage: calc [--x=N]\n"}},
      {{"file.txt"}, {2, "", "calc: unknown argument 'file.txt'\nUsage: calc [--x=N]\n"}},
      {{""}, {2, "", "calc: unknown argument ''\nUsage: calc [--x=N]\n"}},
  };
  for (const auto& row : rows) {
    const Answer answer = AnswerFor(row.arguments);
    const std::string tag = row.arguments.empty() ? "(none)" : row.arguments.front();
    EXPECT_EQ(answer.status, row.expected.status) << tag;
    EXPECT_EQ(answer.out, row.expected.out) << tag;
    EXPECT_EQ(answer.err, row.expected.err) << tag;
  }
}

TEST(CommandLine, VersionComesFromTheRecordFile) {
  const Answer missing = AnswerFor({"--version"}, "/nonexistent/calc");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "calc: File not found: /nonexistent/calc\n");
  // A file without a record.
  const std::filesystem::path plain =
      std::filesystem::temp_directory_path() / ("tallyon-cli-plain-" + std::to_string(getpid()));
  std::ofstream(plain) << "no record here\n";
  const Answer unrecorded = AnswerFor({"--version"}, plain.string());
  std::filesystem::remove(plain);
  EXPECT_EQ(unrecorded.status, 1);
  EXPECT_EQ(unrecorded.err, "calc: Invalid version info record in file " + plain.string() + "\n");
}

struct ProgramRun {
  int status;
  std::string out, err;
};

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// `binary` with `arguments` through a shell, with no display of any kind.
ProgramRun RunWithoutDisplay(const std::string& binary, const std::string& arguments) {
  const std::filesystem::path errFile =
      std::filesystem::temp_directory_path() / ("tallyon-cli-err-" + std::to_string(getpid()));
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + binary +
                              " " + arguments + " </dev/null 2>" + errFile.string();
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, "", "popen failed"};
  std::string out;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe))
    out += buffer;
  const int status = pclose(pipe);
  ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), out,
                 ReadAll(errFile)};
  std::filesystem::remove(errFile);
  return run;
}

std::string RecordedVersion(const std::string& binary) {
  TFileVersionInfo record;
  record.SetFilename(binary);
  return record.FileVersion();
}

TEST(CommandLine, BothProgramsAnswerWithoutADisplay) {
  const struct {
    const char* name;
    const char* binary;
  } programs[] = {{"tallyon-engine", TALLYON_ENGINE_BINARY},
#ifdef TALLYON_WINDOW_BINARY
                  {"tallyon", TALLYON_WINDOW_BINARY}
#endif
  };
  for (const auto& program : programs) {
    const std::string usage = std::string("Usage: ") + program.name + " [";
    const ProgramRun help = RunWithoutDisplay(program.binary, "--help");
    EXPECT_EQ(help.status, 0) << program.name << help.err;
    EXPECT_TRUE(help.out.starts_with(usage)) << program.name << help.out;
    EXPECT_EQ(help.err, "") << program.name;

    const ProgramRun version = RunWithoutDisplay(program.binary, "--version");
    EXPECT_EQ(version.status, 0) << program.name << version.err;
    EXPECT_EQ(version.out,
              std::string(program.name) + " " + RecordedVersion(program.binary) + "\n");
    EXPECT_EQ(version.err, "") << program.name;

    if (program.name == std::string("tallyon")) {
      // A session manager's restart: the pair is taken, and the run goes on.
      for (const char* taken : {"-session 1a2b --version", "--toggle --version"}) {
        const ProgramRun run = RunWithoutDisplay(program.binary, taken);
        EXPECT_EQ(run.status, 0) << taken << run.err;
        EXPECT_EQ(run.out, version.out) << taken;
      }
    }
    for (const char* wrong : {"--bogus", "-platform offscreen", "extra", "-session"}) {
      const ProgramRun run = RunWithoutDisplay(program.binary, wrong);
      EXPECT_EQ(run.status, 2) << program.name << " " << wrong;
      EXPECT_EQ(run.out, "") << program.name << " " << wrong;
      EXPECT_NE(run.err.find(usage), std::string::npos) << program.name << " " << wrong;
    }
  }
}

} // namespace
