#pragma once
// What the fuzz targets share: a reader that takes choices and texts from
// the fuzzer's bytes, and the check that turns a broken property into a
// crash libFuzzer reports (with the input that caused it).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Stops the run with the property that failed; libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* property, std::string_view detail = {}) {
  std::fprintf(stderr, "property broken: %s\n", property);
  if (!detail.empty())
    std::fprintf(stderr, "  %.*s\n", static_cast<int>(std::min<std::size_t>(detail.size(), 2000)),
                 detail.data());
  std::abort();
}

inline void Require(bool holds, const char* property, std::string_view detail = {}) {
  if (!holds) Fail(property, detail);
}

// The fuzzer's bytes, consumed from the front. Past the end every choice is 0
// and every text empty, so a short input is still a whole case.
class Input {
public:
  Input(const std::uint8_t* data, std::size_t size)
      : FRest(reinterpret_cast<const char*>(data), size) {}

  bool Empty() const { return FRest.empty(); }
  std::uint8_t Byte() {
    if (FRest.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(FRest.front());
    FRest.remove_prefix(1);
    return byte;
  }
  // One of `count` choices.
  std::size_t Choice(std::size_t count) { return Byte() % count; }
  // The bytes up to the next `end` byte (which is dropped), or all the rest.
  std::string_view Text(char end) {
    const std::size_t at = FRest.find(end);
    const std::string_view text = FRest.substr(0, at);
    FRest.remove_prefix(at == std::string_view::npos ? FRest.size() : at + 1);
    return text;
  }
  std::string_view Rest() {
    const std::string_view rest = FRest;
    FRest = {};
    return rest;
  }

private:
  std::string_view FRest;
};

} // namespace fuzz
