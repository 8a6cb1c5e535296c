#include "cli/EngineDriver.h"
#include "engine/CalcTypes.h"
#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

using namespace cli;

using namespace engine;

namespace {

struct DriverRun {
  std::string output;
  int status;
};

DriverRun Drive(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  const int status = RunEngineDriver(in, out);
  return {out.str(), status};
}

std::string LastLine(std::string output) {
  while (!output.empty() && output.back() == '\n')
    output.pop_back();
  return output.substr(output.rfind('\n') + 1);
}

TEST(EngineDriver, OneLinePerStep) {
  const DriverRun run = Drive("C 2 + 3 = =\n");
  EXPECT_EQ(run.output, "ok\t0\t0\tcoNone\n"
                        "ok\t2\t0\tcoNone\n"
                        "ok\t2\t0\tcoPlus\n"
                        "ok\t3\t0\tcoPlus\n"
                        "ok\t5\t0\tcoPlus\n"
                        "ok\t8\t0\tcoPlus\n");
  EXPECT_EQ(run.status, 0);
}

TEST(EngineDriver, ErrorsCarryTheMessageAndTheState) {
  EXPECT_EQ(LastLine(Drive("C 5 / 0 =").output), "error\tDivision by zero\t0\t0\tcoDivide");
  EXPECT_EQ(LastLine(Drive("value=1E5E5 7").output),
            "error\t'1E5E5' is not a valid floating point value\t1E5E5\t0\tcoNone");
}

TEST(EngineDriver, UnknownTokensAreReportedAndTheRunGoesOn) {
  const DriverRun run = Drive("1 bogus 2\n");
  EXPECT_EQ(run.output, "ok\t1\t0\tcoNone\n"
                        "error\tunknown token 'bogus'\n"
                        "ok\t12\t0\tcoNone\n");
  EXPECT_EQ(run.status, 1);
}

TEST(EngineDriver, DirectivesAndReset) {
  EXPECT_EQ(Drive("value=12.5 memory=3 value= memory=").output, "ok\t12.5\t0\tcoNone\n"
                                                                "ok\t12.5\t3\tcoNone\n"
                                                                "ok\t0\t3\tcoNone\n"
                                                                "ok\t0\t0\tcoNone\n");
  EXPECT_EQ(Drive("5 + reset 7").output,
            "ok\t5\t0\tcoNone\nok\t5\t0\tcoPlus\nok\treset\nok\t7\t0\tcoNone\n");
}

TEST(EngineDriver, AngleDirectiveSetsTheUnit) {
  EXPECT_EQ(Drive("angle=amDeg C 3 0 caSin").output, "ok\t0\t0\tcoNone\n"
                                                     "ok\t0\t0\tcoNone\n"
                                                     "ok\t3\t0\tcoNone\n"
                                                     "ok\t30\t0\tcoNone\n"
                                                     "ok\t0.5\t0\tcoNone\n");
  EXPECT_EQ(LastLine(Drive("angle=amCycle value=-1 caArcCos").output), "ok\t0.5\t0\tcoNone");
  EXPECT_EQ(LastLine(Drive("angle=amGrad 1 caArcTg").output), "ok\t50\t0\tcoNone");
  EXPECT_EQ(LastLine(Drive("angle=amDeg angle=amRad value=30 caSin").output),
            "ok\t-0.988031624092862\t0\tcoNone");
  // A reset engine is back in radians.
  EXPECT_EQ(LastLine(Drive("angle=amDeg reset value=30 caSin").output),
            "ok\t-0.988031624092862\t0\tcoNone");
}

TEST(EngineDriver, FailingFunctionsReportTheirMessage) {
  EXPECT_EQ(LastLine(Drive("value=0 caCtg").output),
            "error\tFloating point division by zero\t0\t0\tcoNone");
  EXPECT_EQ(LastLine(Drive("angle=amDeg value=180 caCtg").output),
            "error\tInvalid value\t180\t0\tcoNone");
  EXPECT_EQ(LastLine(Drive("C 1 7 5 5 caFactorial").output), "error\tOverflow\t1755\t0\tcoNone");
  EXPECT_EQ(LastLine(Drive("value=1E19 caTg").output),
            "error\tAngle Magnitude too large\t1E19\t0\tcoNone");
}

// A paste that is not one number says why and changes nothing.
TEST(EngineDriver, RefusedPastesSayWhy) {
  EXPECT_EQ(Drive("C 7 paste=12;34 paste=abc paste=1,234.50").output,
            "ok\t0\t0\tcoNone\n"
            "ok\t7\t0\tcoNone\n"
            "error\tNot pasted: several numbers\t7\t0\tcoNone\n"
            "error\tNot pasted: no number\t7\t0\tcoNone\n"
            "ok\t1234.5\t0\tcoNone\n");
}

TEST(EngineDriver, UnknownUnitsAreUnknownTokens) {
  const DriverRun run = Drive("angle=amFoo angle= angle=amdeg angle 1\n");
  EXPECT_EQ(run.output, "error\tunknown token 'angle=amFoo'\n"
                        "error\tunknown token 'angle='\n"
                        "error\tunknown token 'angle=amdeg'\n"
                        "error\tunknown token 'angle'\n"
                        "ok\t1\t0\tcoNone\n");
  EXPECT_EQ(run.status, 1);
}

TEST(EngineDriver, EveryFunctionActionIsKnownByName) {
  std::string names;
  for (int action = caSin; action <= caPI; ++action)
    names += std::string(ActionName(static_cast<TCalcAction>(action))) + " C ";
  const DriverRun run = Drive("angle=amRad angle=amDeg angle=amGrad angle=amCycle " + names);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.find("unknown"), std::string::npos);
}

TEST(EngineDriver, EveryAliasAndNameIsKnown) {
  const DriverRun run =
      Drive("0 1 2 3 4 5 6 7 8 9 . + - * / = % sqrt 1/x +/- C CE BACK MC MR M+ M-\n"
            "caClear caMemPlus caXY caLog caEqual\r\n  \n");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.find("unknown"), std::string::npos);
}

TEST(EngineDriver, ShowPrintsTheDisplayTextAndLeavesTheCalculator) {
  EXPECT_EQ(Drive("show=1234567.5 showplain=1234567.5 show=-1E15 show=1.5E3 showplain=1.5E3 "
                  "show=1a2b3 show=abc showplain=")
                .output,
            "ok\t1,234,567.5\n"
            "ok\t1234567.5\n"
            "ok\t-1.000000000000E+0015\n"
            "ok\t1,500\n"
            "ok\t1500\n"
            "ok\t123\n"
            "error\t'' is not a valid floating point value\n"
            "error\t'' is not a valid floating point value\n");
  EXPECT_EQ(Drive("1 show=7 2").output, "ok\t1\t0\tcoNone\nok\t7\nok\t12\t0\tcoNone\n");
}

} // namespace
