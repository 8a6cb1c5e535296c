#pragma once
// Table rows for the guarded arithmetic's tests: one call with the exact
// result or the message it must fail with.

#include "math/Extended.h"
#include "math/MathError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>

struct Case {
  const char* what;
  std::function<Extended()> call;
  Extended expected;
  const char* error = nullptr;
};

inline Case Call(const char* what, std::function<Extended()> call, Extended expected) {
  return {what, std::move(call), expected};
}
inline Case Fails(const char* what, std::function<Extended()> call, const char* error) {
  return {what, std::move(call), 0, error};
}

inline void Check(const Case& c) {
  SCOPED_TRACE(c.what);
  if (c.error == nullptr) {
    const Extended got = c.call();
    EXPECT_EQ(got, c.expected) << static_cast<double>(got);
    return;
  }
  try {
    const Extended got = c.call();
    ADD_FAILURE() << "returned " << static_cast<double>(got) << ", expected " << c.error;
  } catch (const EMathError& error) {
    EXPECT_STREQ(error.what(), c.error);
  }
}

inline void CheckAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases)
    Check(c);
}

// Within a few units in the last place of the Extended result.
inline void ExpectClose(Extended got, Extended expected, const std::string& what) {
  const Extended tolerance = 4 * std::numeric_limits<Extended>::epsilon() * std::fabs(expected);
  EXPECT_LE(std::fabs(got - expected), tolerance) << what;
}
