// driver-tables: prints the engine driver's input for the key-sequence table
// and the functions' reference table, one row a line, each from a fresh
// engine. CI feeds it to the Linux and the Windows tallyon-engine and
// compares what they print byte for byte.
//   {"plus", "C 2 + 3 =", ...}       -> "reset C 2 + 3 ="
//   {"Sin", "tiny", {0x3FD7, ...}}   -> "reset value=1.552...E-12 caSin show=... showplain=..."

#include "tests/engine/KeySequences.h"
#include "tests/math/FunctionReference.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <string>

namespace {

// The shortest text that reads back as `x`, with the exponent as the
// engine writes it ("1.5E-12").
std::string Text(Extended x) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, x);
  std::string result(text, error == std::errc() ? end : text);
  for (char& c : result)
    if (c == 'e') c = 'E';
  return result;
}

// The action of a reference table's function; none for ArcTg2, which has
// no key.
std::string ActionOf(const std::string& function) {
  static const std::map<std::string, std::string> renamed = {
      {"CubeRoot", "ca3root"}, {"PiValue", "caPI"}, {"ArcTg2", ""}};
  const auto found = renamed.find(function);
  return found != renamed.end() ? found->second : "ca" + function;
}

} // namespace

int main() {
  for (const KeySequence& row : KeySequences())
    std::printf("reset %s\n", row.keys);
  for (const ReferenceRow& row : Reference) {
    const std::string action = ActionOf(row.function);
    if (action.empty()) continue;
    const std::string x = Text(FromBits(row.x.signExponent, row.x.significand));
    std::printf("reset value=%s %s show=%s showplain=%s\n", x.c_str(), action.c_str(), x.c_str(),
                x.c_str());
  }
  return 0;
}
