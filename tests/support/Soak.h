#pragma once
// What the soak runs share: their length from the environment (the default
// suite runs a short one, the soak runs a long one), the seed of their
// random actions, and the process's resident memory, whose growth over a
// run is bounded. Under AddressSanitizer the resident size says nothing
// (its quarantine grows by design), and the leak checker watches instead.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define TALLYON_SOAK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TALLYON_SOAK_SANITIZED 1
#endif
#endif

namespace soak {

inline long Setting(const char* name, long byDefault) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::atol(text) : byDefault;
}

// Resident memory in KiB, from /proc/self/statm.
inline long ResidentKiB() {
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * 4;
}

// Counts as text:  {"Overflow": 3} -> " 3 \"Overflow\"".
inline std::string Counted(const std::map<std::string, long>& counts) {
  std::string text;
  for (const auto& [name, count] : counts)
    text += " " + std::to_string(count) + " \"" + name + "\"";
  return text;
}

// One line of the run's figures, on the test's output.
inline void Report(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

inline bool MeasuresMemory() {
#ifdef TALLYON_SOAK_SANITIZED
  return false;
#else
  return true;
#endif
}

// The end of a run: its figures on the output, and, where it can be
// measured and the run is long enough to mean anything, the growth of the
// resident memory since `residentAfterWarmUp`, which must stay below
// `allowedKiB`.
inline void Conclude(const std::string& name, long actions,
                     const std::map<std::string, long>& errors, long residentAfterWarmUp,
                     long allowedKiB) {
  Report(name + " soak: " + std::to_string(actions) + " actions, errors:" + Counted(errors));
  if (!MeasuresMemory() || actions < 100000) return;
  const long growth = ResidentKiB() - residentAfterWarmUp;
  Report(name + " soak: resident memory grew by " + std::to_string(growth) +
         " KiB after the first tenth");
  EXPECT_LT(growth, allowedKiB) << "resident memory grew by " << growth << " KiB";
}

} // namespace soak
