#include "math/FloatEnv.h"
#include "math/CVMath.h"
#include "math/Extended.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// The constants are built from bit patterns; a decimal literal would not give
// the same values for all of them.
struct ConstantBits {
  const char* name;
  Extended value;
  ExtendedBits bits;
};

TEST(Extended, ConstantsCarryTheirExactBits) {
  const ConstantBits table[] = {
      {"MinMagnitude", CVMath::MinMagnitude, {0x0001, 0x81715A78058E9164}},
      {"MaxMagnitude", CVMath::MaxMagnitude, {0x7FFE, 0xECB12AED7F5875E1}},
      {"ENumber", CVMath::ENumber, {0x4000, 0xADF85458A2BB4A9B}},
      {"NearOneWindow", CVMath::NearOneWindow, {0x3FFB, 0xCCCCCCCCCCCCCCCD}},
      {"MaxExpArgument", CVMath::MaxExpArgument, {0x400C, 0xB170000000000000}},
  };
  for (const auto& c : table)
    EXPECT_EQ(ToBits(c.value), c.bits) << c.name;
}

TEST(Extended, BitsRoundTripAndMatchKnownValues) {
  EXPECT_EQ(ToBits(1.0L), (ExtendedBits{0x3FFF, 0x8000000000000000}));
  EXPECT_EQ(ToBits(-2.0L), (ExtendedBits{0xC000, 0x8000000000000000}));
  EXPECT_EQ(FromBits(0x3FFB, 0xCCCCCCCCCCCCCCCD), 0.1L);
  EXPECT_EQ(FromBits(0x7FFE, 0xFFFFFFFFFFFFFFFF), std::numeric_limits<Extended>::max());
  EXPECT_NEAR(static_cast<double>(CVMath::MinMagnitude / 3.4e-4932L), 1.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(CVMath::MaxMagnitude / 1.1e4932L), 1.0, 1e-15);
}

template <typename Error>
void ExpectTrap(Extended (*op)(Extended, Extended), Extended a, Extended b, const char* message) {
  try {
    op(a, b);
    ADD_FAILURE() << "no trap for " << static_cast<double>(a) << ", " << static_cast<double>(b);
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), message);
  }
}

TEST(FloatEnv, EmulatesTheThreeTraps) {
  ExpectTrap<EOverflow>(FloatEnv::Times, 1e4000L, 1e4000L, "Floating point overflow");
  ExpectTrap<EOverflow>(FloatEnv::Plus, std::numeric_limits<Extended>::max(),
                        std::numeric_limits<Extended>::max(), "Floating point overflow");
  ExpectTrap<EOverflow>(FloatEnv::Minus, -1e4932L, 1e4932L, "Floating point overflow");
  ExpectTrap<EZeroDivide>(FloatEnv::Over, 1, 0, "Floating point division by zero");
  ExpectTrap<EInvalidOp>(FloatEnv::Over, 0, 0, "Invalid floating point operation");
  const Extended infinity = std::numeric_limits<Extended>::infinity();
  ExpectTrap<EInvalidOp>(FloatEnv::Minus, infinity, infinity, "Invalid floating point operation");
}

TEST(FloatEnv, UnderflowAndInexactStaySilent) {
  EXPECT_EQ(FloatEnv::Times(1e-4000L, 1e-4000L), 0);
  EXPECT_GT(FloatEnv::Over(CVMath::MinMagnitude, 4), 0); // a denormal
  EXPECT_EQ(FloatEnv::Over(1, 3), 1.0L / 3);
}

// A start-up code or a library that leaves 53-bit precision, another
// rounding or an unmasked exception behind: each is put right, once.
TEST(FloatEnv, EnsureExtendedControlPutsEachFieldRight) {
  const unsigned short spoilt[] = {0x027F, 0x0F7F, 0x0C7F, 0x037E, 0x007F};
  for (const unsigned short control : spoilt) {
    FloatEnv::SetControlWord(control);
    EXPECT_TRUE(FloatEnv::EnsureExtendedControl()) << std::hex << control;
    EXPECT_EQ(FloatEnv::ControlWord() & 0x0F3F, 0x033F) << std::hex << control;
    EXPECT_FALSE(FloatEnv::EnsureExtendedControl()) << std::hex << control;
  }
  // Under 53-bit precision 1/3 would lose its last eleven bits.
  FloatEnv::SetControlWord(0x027F);
  FloatEnv::EnsureExtendedControl();
  volatile Extended three = 3;
  EXPECT_EQ(ToBits(1 / three), (ExtendedBits{0x3FFD, 0xAAAAAAAAAAAAAAAB}));
}

TEST(FloatEnv, TrapsAreKindsOfMathError) {
  EXPECT_THROW(FloatEnv::Over(1, 0), EMathError);
  EXPECT_THROW(FloatEnv::TrapUnary(-std::numeric_limits<Extended>::infinity(), 0, true),
               EZeroDivide);
  EXPECT_THROW(FloatEnv::TrapUnary(std::numeric_limits<Extended>::quiet_NaN(), -1), EInvalidOp);
}

} // namespace
