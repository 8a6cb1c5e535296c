#pragma once
// The scientific functions' reference values computed independently at high
// precision (FunctionReference.inc, made by make_function_reference.py), for
// the accuracy tests and the comparison of the engine drivers of two builds.

#include "math/Extended.h"

struct ReferenceRow {
  const char* function;
  const char* region;
  ExtendedBits x;
  ExtendedBits y;
  ExtendedBits expected;
  double residual; // exact minus expected, in ulps of expected
};

inline const ReferenceRow Reference[] = {
#include "FunctionReference.inc"
};
