// The driver program itself, run through a POSIX shell; under Wine CI runs
// tallyon-engine.exe from its own shell (tests/windows).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// The binary itself fed `input` through a shell, with `flags`; its output.
std::string RunBinary(const std::string& input, const std::string& flags) {
  const std::string command = "printf '" + input + "\\n' | " + TALLYON_ENGINE_BINARY + " " + flags;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "popen failed";
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe))
    output += buffer;
  const int status = pclose(pipe);
  return status == 0 ? output : output + "exit status " + std::to_string(status);
}

TEST(EngineDriver, BinaryTakesSeparatorFlags) {
  EXPECT_TRUE(RunBinary("C 1 . 5 + 1 =", "--decimal-separator=, --thousands-separator=.")
                  .ends_with("\nok\t2,5\t0\tcoPlus\n"));
}

TEST(EngineDriver, BinaryShowsWithItsThousandsSeparator) {
  // A no-break space in UTF-8: the separator may be several bytes.
  EXPECT_EQ(RunBinary("show=1234567,5 showplain=1234567,5",
                      "--decimal-separator=, --thousands-separator=$(printf '\\302\\240')"),
            "ok\t1\xC2\xA0"
            "234\xC2\xA0"
            "567,5\n"
            "ok\t1234567,5\n");
}

// No thousands separator, or the decimal one again: grouping is off, and the
// display reads one way.
TEST(EngineDriver, BinaryGroupsNothingWithoutADistinctThousandsSeparator) {
  for (const char* flags : {"--decimal-separator=, --thousands-separator=",
                            "--decimal-separator=, --thousands-separator=,"})
    EXPECT_EQ(RunBinary("show=1234567,5 showplain=1234567,5", flags),
              "ok\t1234567,5\nok\t1234567,5\n")
        << flags;
  EXPECT_EQ(RunBinary("show=1234567.5", "--decimal-separator=. --thousands-separator=."),
            "ok\t1234567.5\n");
}

} // namespace
