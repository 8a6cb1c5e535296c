// The About box: its texts from version records (this test program carries
// the program's own), the links under a real pointer, and its ways out.

#include "DialogTestSupport.h"
#include "dialogs/UAbout.h"
#include "settings/USet.h"
#include "tallyon/Product.h"
#include "widgets/DxButton.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Takes the addresses the desktop is asked to open, instead of a browser.
class OpenedAddresses : public QObject {
  Q_OBJECT

public:
  OpenedAddresses() {
    for (const char* scheme : {"http", "https", "mailto"})
      QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~OpenedAddresses() override {
    for (const char* scheme : {"http", "https", "mailto"})
      QDesktopServices::unsetUrlHandler(scheme);
  }
  std::vector<std::string> addresses;

public slots:
  void Open(const QUrl& url) { addresses.push_back(url.toString().toStdString()); }
};

class AboutBox : public DialogTest {
protected:
  void TearDown() override { box.reset(); }

  TAboutBox& Make() {
    box = std::make_unique<TAboutBox>(nullptr);
    return *box;
  }
  void Show() {
    QCursor::setPos(0, 0);
    box->open();
    box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
  }

  std::string Text(const QLabel& label) const { return label.text().toStdString(); }
  static int RightEdge(const QLabel& label) { return label.x() + label.width(); }
  std::vector<std::string> RecordTexts() const {
    return {Text(box->lbName()), Text(box->lbVersion()), Text(box->lbCopyright())};
  }

  std::unique_ptr<TAboutBox> box;
};

TEST_F(AboutBox, ShowsTheProgramsOwnRecord) {
  Make();
  EXPECT_EQ(RecordTexts(),
            (std::vector<std::string>{"Product Name", "version 0.0", "Legal Copyright"}));
  box->FormCreate();
  EXPECT_EQ(box->FileVersionInfo().LanguageInfo(), "040904E4");
  EXPECT_EQ(RecordTexts(),
            (std::vector<std::string>{"Tallyon", "Beta 1.0.1.17", "Copyright (C) 2002 Corvane"}));
  EXPECT_EQ(Text(box->Label1()), "freeware");
  EXPECT_EQ(Text(box->lbURL()), tallyon::HomePage);
  EXPECT_EQ(Text(box->lbMail()), tallyon::SupportMail);
  // The right-aligned labels kept their right edges as their texts changed.
  EXPECT_EQ(RightEdge(box->lbName()), 443);
  EXPECT_EQ(RightEdge(box->lbVersion()), 442);
  EXPECT_EQ(RightEdge(box->Label1()), 442);
  EXPECT_EQ(box->lbCopyright().pos(), QPoint(25, 261));
  EXPECT_GE(box->lbCopyright().width(), box->lbCopyright().sizeHint().width());
  EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(AboutBox, MissingAndEmptyTextsOfOtherRecords) {
  const struct {
    const char* file;
    std::vector<std::string> texts;
  } table[] = {
      {VERSIONED_SAMPLE, {"Sample", "Beta n/a", "\xC2\xA9 2024 Sample Works"}},
      {BLANK_SAMPLE, {"", "Beta ", ""}},
  };
  for (const auto& row : table) {
    Make().FormCreate(row.file);
    EXPECT_EQ(RecordTexts(), row.texts) << row.file;
    EXPECT_EQ(RightEdge(box->lbName()), 443) << row.file;
  }
}

TEST_F(AboutBox, ARecordThatCannotBeReadLeavesThePlaceholders) {
  USet::StayOnTop = true;
  const struct {
    const char* file;
    std::string message;
  } table[] = {
      {UNTRANSLATED_SAMPLE, std::string("Invalid language info in file ") + UNTRANSLATED_SAMPLE},
      {"/nonexistent/tallyon", "File not found: /nonexistent/tallyon"},
  };
  for (const auto& row : table) {
    Make();
    try {
      box->FormCreate(row.file);
      ADD_FAILURE() << row.file << " was read";
    } catch (const EFilerError& error) {
      EXPECT_EQ(error.what(), row.message);
    }
    EXPECT_EQ(RecordTexts(),
              (std::vector<std::string>{"Product Name", "version 0.0", "Legal Copyright"}));
    EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << row.file;
  }
  Make().FormCreate();
  EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(AboutBox, ThePicturesAreDecoded) {
  Make();
  EXPECT_EQ(box->Image1().pixmap().size(), QSize(462, 100));
  EXPECT_EQ(box->Image2().pixmap().size(), QSize(118, 100));
  EXPECT_EQ(box->Image1().geometry(), QRect(-2, -2, 463, 100));
}

TEST_F(AboutBox, LinksLightUpUnderThePointerAndOpenTheirAddress) {
  OpenedAddresses opened;
  Make().FormCreate();
  Show();
  const QColor white(255, 255, 255), yellow(255, 255, 0);
  for (QLabel* link : {&box->lbURL(), &box->lbMail()}) {
    const std::string name = link->objectName().toStdString();
    EXPECT_EQ(link->palette().color(QPalette::WindowText), white) << name;
    QTest::mouseMove(box.get(), link->geometry().center());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), yellow) << name;
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << name;
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QTest::mouseMove(box.get(), QPoint(200, 240));
    EXPECT_EQ(link->palette().color(QPalette::WindowText), white) << name;
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor) << name;
  }
  EXPECT_EQ(
      opened.addresses,
      (std::vector<std::string>{tallyon::HomePage, std::string("mailto:") + tallyon::SupportMail}));
  EXPECT_TRUE(box->isVisible());
}

// Enter, Esc (on the box or on its button) and a click on OK close it.
TEST_F(AboutBox, OkAndEscCloseIt) {
  const struct {
    const char* tag;
    std::function<void(TAboutBox&)> close;
    int result;
  } ways[] = {
      {"Enter", [](TAboutBox& b) { QTest::keyClick(&b.dxButton1(), Qt::Key_Return); }, mrOk},
      {"Esc on the button", [](TAboutBox& b) { QTest::keyClick(&b.dxButton1(), Qt::Key_Escape); },
       QDialog::Rejected},
      {"Esc on the box", [](TAboutBox& b) { QTest::keyClick(&b, Qt::Key_Escape); },
       QDialog::Rejected},
      {"a click on OK", [](TAboutBox& b) { QTest::mouseClick(&b.dxButton1(), Qt::LeftButton); },
       mrOk},
  };
  for (const auto& way : ways) {
    Make().FormCreate();
    Show();
    EXPECT_EQ(QApplication::focusWidget(), &box->dxButton1()) << way.tag;
    way.close(*box);
    EXPECT_FALSE(box->isVisible()) << way.tag;
    EXPECT_EQ(box->result(), way.result) << way.tag;
  }
}

} // namespace

#include "AboutBoxTest.moc"
