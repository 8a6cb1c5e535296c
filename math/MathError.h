#pragma once
// EMathError: every refusal of the guarded arithmetic. The three trap kinds
// stand for the arithmetic environment's invalid-operation, zero-divide and
// overflow traps, which this platform emulates by checking results.

#include <stdexcept>
#include <string>

class EMathError : public std::runtime_error {
public:
  explicit EMathError(const std::string& message) : std::runtime_error(message) {}
};

class EInvalidOp : public EMathError {
public:
  EInvalidOp();
};

class EZeroDivide : public EMathError {
public:
  EZeroDivide();
};

class EOverflow : public EMathError {
public:
  EOverflow();
};
