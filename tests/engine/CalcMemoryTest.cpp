#include "engine/CalcMemory.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CalcMemory, NewMemoryHasTenZeroCells) {
  TCVCalcMemory memory;
  EXPECT_EQ(memory.CellsQuantity(), 10);
  EXPECT_EQ(memory.ActiveCell(), 1);
  EXPECT_EQ(memory.Value(), "0");
  for (int cell = 1; cell <= 10; ++cell)
    EXPECT_EQ(memory.Cell(cell), "0");
}

TEST(CalcMemory, UnreadableTextLeavesTheCell) {
  TCVCalcMemory memory;
  memory.SetValue("12.5");
  memory.SetValue("1E99999");
  EXPECT_EQ(memory.Cell(1), "12.5");
  EXPECT_EQ(memory.Value(), "12.5");
  memory.SetValue("");
  EXPECT_EQ(memory.Value(), "0");
  memory.SetValue(" -3x");
  EXPECT_EQ(memory.Value(), "-3");
}

TEST(CalcMemory, CellsQuantityResetsEveryCell) {
  TCVCalcMemory memory;
  memory.SetValue("7");
  memory.SetCellsQuantity(10); // unchanged: nothing happens
  EXPECT_EQ(memory.Value(), "7");
  memory.SetCellsQuantity(4);
  EXPECT_EQ(memory.CellsQuantity(), 4);
  EXPECT_EQ(memory.Value(), "0");
  EXPECT_THROW(memory.Cell(5), std::out_of_range);
}

TEST(CalcMemory, ActiveCellSelectsTheCellRead) {
  TCVCalcMemory memory;
  memory.SetValue("1");
  memory.SetActiveCell(3);
  memory.SetValue("3");
  memory.SetActiveCell(1);
  EXPECT_EQ(memory.Value(), "1");
  memory.SetActiveCell(3);
  EXPECT_EQ(memory.Value(), "3");
  EXPECT_EQ(memory.Cell(1), "1");
}

TEST(CalcMemory, OutOfRangeCellsAreRejectedAndChangeNothing) {
  TCVCalcMemory memory;
  memory.SetValue("5");
  EXPECT_THROW(memory.SetActiveCell(0), std::out_of_range);
  EXPECT_THROW(memory.SetActiveCell(11), std::out_of_range);
  EXPECT_THROW(memory.SetCellsQuantity(0), std::invalid_argument);
  EXPECT_THROW(memory.SetCellsQuantity(-3), std::invalid_argument);
  EXPECT_EQ(memory.ActiveCell(), 1);
  EXPECT_EQ(memory.CellsQuantity(), 10);
  EXPECT_EQ(memory.Value(), "5");
}

TEST(CalcMemory, LoweringTheQuantityMovesTheActiveCell) {
  TCVCalcMemory memory;
  memory.SetActiveCell(8);
  memory.SetCellsQuantity(5);
  EXPECT_EQ(memory.ActiveCell(), 5);
  memory.SetValue("9");
  EXPECT_EQ(memory.Cell(5), "9");
  EXPECT_EQ(memory.Value(), "9");
}

} // namespace
