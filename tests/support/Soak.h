#pragma once
// What the soak runs share: their length from the environment (the default
// suite runs a short one, the soak runs a long one), the seed of their
// random actions, and the process's resident memory, whose growth over a
// run is bounded. Under AddressSanitizer the resident size says nothing
// (its quarantine grows by design), and the leak checker watches instead.

#include <cstdio>
#include <cstdlib>
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

inline bool MeasuresMemory() {
#ifdef TALLYON_SOAK_SANITIZED
  return false;
#else
  return true;
#endif
}

} // namespace soak
