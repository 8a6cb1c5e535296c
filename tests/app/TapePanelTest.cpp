// The tape through the window: View > Tape and the window's size, entries
// as calculations finish (and read out), the exact result used again as an
// operand, copying and removing by the keys, the file read back with one
// notice for its damaged lines.

#include "WindowFixture.h"
#include "app/TapeList.h"
#include "ui/Keypad.h"
#include "ui/TapeJournal.h"

#include <QClipboard>
#include <QGuiApplication>

namespace apptest {
namespace {

class Tape : public Window {
protected:
  QAction& ViewTape() { return window->MenuAction(TMenuCommand::ViewTape); }
  TTapeList& List() { return *window->TapeList(); }
  fs::path TapeFile() const { return home / "state" / "Corvane" / "Tallyon.tape"; }
  void Keys(const std::string& tokens) {
    std::istringstream in(tokens);
    for (std::string token; in >> token;)
      ASSERT_TRUE(Perform(token)) << token;
  }
  QStringList Rows() {
    QStringList rows;
    for (int row = 0; row < List().count(); ++row)
      rows << List().item(row)->text();
    return rows;
  }
};

TEST_F(Tape, OffOnAFirstStartAndGrowsTheWindowDownwards) {
  Open();
  EXPECT_FALSE(ViewTape().isChecked());
  EXPECT_EQ(window->TapeList(), nullptr); // built when first shown
  window->move(40, 30);
  const QPoint corner = window->pos();
  ViewTape().trigger();
  EXPECT_TRUE(USet::Tape);
  EXPECT_EQ(window->size(), QSize(260, 225 + ui::TapeHeight));
  window->MenuAction(TMenuCommand::ViewFunctions).trigger();
  EXPECT_EQ(window->size(), QSize(520, 225 + ui::TapeHeight));
  EXPECT_TRUE(window->rect().contains(QRect(List().mapTo(window.get(), QPoint()), List().size())));
  ViewTape().trigger();
  EXPECT_EQ(window->size(), QSize(520, 225));
  EXPECT_EQ(window->pos(), corner);
  EXPECT_TRUE(window->close());
  window.reset();
  Open();
  EXPECT_TRUE(window->TapeList() == nullptr || window->TapeList()->isHidden());
}

TEST_F(Tape, EachFinishedCalculationIsAddedWrittenAndReadOut) {
  MessageBoxWatch boxes; // the division by zero's
  Open();
  ViewTape().trigger();
  Keys("C 1 2 + 3 = 1 / 0 = C 4 sqrt");
  EXPECT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(Rows(), QStringList({"12 + 3 = 15", "\u221A4 = 2"}));
  EXPECT_EQ(List().accessibleName(), "Tape");
  EXPECT_EQ(List().accessibleDescription(), "\u221A4 = 2");
  ui::TTapeJournal file(TapeFile());
  ASSERT_TRUE(file.Load());
  ASSERT_EQ(file.Entries().size(), 2u);
  EXPECT_EQ(file.Entries()[0].Text, "12 + 3 = 15");
}

TEST_F(Tape, EnterUsesTheExactResultAsTheWaitingOperand) {
  Open();
  ViewTape().trigger();
  Keys("C 1 / 3 = C 3 *");
  Type(Qt::Key_F6);
  ASSERT_TRUE(List().hasFocus());
  EXPECT_EQ(List().currentRow(), 0);
  Type(Qt::Key_Return);
  EXPECT_EQ(Value(), "0.333333333333333");
  EXPECT_EQ(Sign(), " \u00D7"); // the operation still waits
  Type(Qt::Key_F6);
  EXPECT_FALSE(List().hasFocus());
  Type(Qt::Key_Return);
  EXPECT_EQ(Value(), "1");
}

TEST_F(Tape, CopyAndDeleteInTheTapeAndCopyTape) {
  Open();
  ViewTape().trigger();
  Keys("C 2 + 2 = C 3 + 3 = C 4 + 4 =");
  Type(Qt::Key_F6);
  List().setCurrentRow(1);
  Type(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "3 + 3 = 6\n");
  Type(Qt::Key_Delete);
  EXPECT_EQ(Rows(), QStringList({"2 + 2 = 4", "4 + 4 = 8"}));
  EXPECT_EQ(window->TapeJournal().Entries().size(), 2u);
  EXPECT_EQ(Value(), "8") << "Delete in the tape is not the C key";
  window->MenuAction(TMenuCommand::EditCopyTape).trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "2 + 2 = 4\n4 + 4 = 8\n");
}

TEST_F(Tape, AFileWithDamagedLinesIsReadWithOneNotice) {
  fs::create_directories(TapeFile().parent_path());
  std::ofstream(TapeFile()) << ui::TapeLine({"1 + 1 = 2", 2, 1000}) << "damaged\n\xff\n"
                            << ui::TapeLine({"2 + 2 = 4", 4, 1000});
  WriteSettings("\"Tape\"=dword:00000001\n");
  MessageBoxWatch boxes;
  Open();
  QTest::qWait(50);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("could not be read were skipped (2)"), std::string::npos)
      << boxes.Texts()[0];
  EXPECT_EQ(Rows(), QStringList({"1 + 1 = 2", "2 + 2 = 4"}));
}

} // namespace
} // namespace apptest
