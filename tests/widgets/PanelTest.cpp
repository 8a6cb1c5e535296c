#include "WidgetTestSupport.h"
#include "widgets/DxButton.h"
#include "widgets/DxContainer.h"
#include "widgets/MxFlatPanel.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

const QColor SkyBlue(166, 202, 240);
const QColor White(255, 255, 255);

class FlatPanel : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    panel = new TmxFlatPanel(form.get());
    panel->setGeometry(20, 20, 250, 27);
  }

  // The window's value panel: white, with a sky-blue border.
  void LikeTheValuePanel() {
    panel->SetColor(White);
    panel->SetBorderColor(SkyBlue);
    panel->SetAlignment(Qt::AlignLeft);
  }

  TmxFlatPanel* panel;
};

// The colours of a panel's frame: each ring has its top and left sides in
// one colour and its bottom and right sides, with the corners they share
// with the top and left, in another.
struct Frame {
  Rgb outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight, client;
};

// The two colours of the ring `inset` pixels in, checked all along.
std::pair<Rgb, Rgb> RingColours(const QImage& image, int inset) {
  const int left = inset, top = inset;
  const int right = image.width() - 1 - inset, bottom = image.height() - 1 - inset;
  const Rgb topLeft = PixelAt(image, left, top), bottomRight = PixelAt(image, right, bottom);
  for (int x = left; x < right; ++x) {
    EXPECT_EQ(PixelAt(image, x, top), topLeft) << "ring " << inset << " top at " << x;
    EXPECT_EQ(PixelAt(image, x, bottom), bottomRight) << "ring " << inset << " bottom at " << x;
  }
  for (int y = top; y < bottom; ++y) {
    EXPECT_EQ(PixelAt(image, left, y), topLeft) << "ring " << inset << " left at " << y;
    EXPECT_EQ(PixelAt(image, right, y), bottomRight) << "ring " << inset << " right at " << y;
  }
  EXPECT_EQ(PixelAt(image, right, top), bottomRight) << "ring " << inset << " top-right corner";
  EXPECT_EQ(PixelAt(image, left, bottom), bottomRight) << "ring " << inset << " bottom-left";
  return {topLeft, bottomRight};
}

void ExpectFrame(QWidget& widget, const Frame& expected, const char* what) {
  const QImage image = Render(widget);
  const auto [outerTopLeft, outerBottomRight] = RingColours(image, 0);
  const auto [innerTopLeft, innerBottomRight] = RingColours(image, 1);
  EXPECT_EQ(outerTopLeft, expected.outerTopLeft) << what;
  EXPECT_EQ(outerBottomRight, expected.outerBottomRight) << what;
  EXPECT_EQ(innerTopLeft, expected.innerTopLeft) << what;
  EXPECT_EQ(innerBottomRight, expected.innerBottomRight) << what;
  EXPECT_EQ(PixelAt(image, image.width() / 2, image.height() / 2), expected.client) << what;
}

TEST_F(FlatPanel, PropertiesAtCreation) {
  EXPECT_TRUE(panel->Flat());
  EXPECT_TRUE(panel->ShowBorder());
  EXPECT_TRUE(panel->Activate());
  EXPECT_FALSE(panel->MouseInside());
  EXPECT_EQ(Rgb(panel->BorderColor()), Rgb(Shadow)) << "the system button-shadow colour";
  EXPECT_EQ(panel->BorderWidth(), 2);
  ExpectFrame(*panel, {Shadow, Shadow, FormColor, FormColor, FormColor}, "at creation");
}

TEST_F(FlatPanel, ClientAreaIsInsetByTwoPixels) {
  EXPECT_EQ(panel->ClientRect(), QRect(2, 2, 246, 23));
  // The client widget follows once the panel is shown and whenever it
  // resizes afterwards.
  ShowForm();
  EXPECT_EQ(panel->Client()->geometry(), QRect(2, 2, 246, 23));
  panel->resize(100, 40);
  EXPECT_EQ(panel->ClientRect(), QRect(2, 2, 96, 36));
  EXPECT_EQ(panel->Client()->geometry(), QRect(2, 2, 96, 36));
}

TEST_F(FlatPanel, SkyBlueRingTurnsSunkenWhileThePointerIsOver) {
  LikeTheValuePanel();
  ShowForm();
  ExpectFrame(*panel, {SkyBlue, SkyBlue, White, White, White}, "pointer away");
  QTest::mouseMove(panel, {100, 12});
  ASSERT_TRUE(panel->MouseInside());
  ExpectFrame(*panel, {Shadow, Highlight, ButtonFace, ButtonFace, White}, "pointer over");
  QTest::mouseMove(form.get(), {350, 150});
  EXPECT_FALSE(panel->MouseInside());
  ExpectFrame(*panel, {SkyBlue, SkyBlue, White, White, White}, "pointer gone");
}

TEST_F(FlatPanel, FocusActivatesTheFrameToo) {
  LikeTheValuePanel();
  panel->setFocusPolicy(Qt::StrongFocus);
  ShowForm();
  panel->setFocus();
  ExpectFrame(*panel, {Shadow, Highlight, ButtonFace, ButtonFace, White}, "focused");
  panel->clearFocus();
  ExpectFrame(*panel, {SkyBlue, SkyBlue, White, White, White}, "not focused");
}

TEST_F(FlatPanel, FrameByProperties) {
  struct Case {
    const char* what;
    bool flat, showBorder, activate, pointerOver;
    Frame frame;
  };
  const Case cases[] = {
      {"not flat: sunken 3-D edge",
       false,
       true,
       true,
       false,
       {Shadow, Highlight, DarkShadow, Light3D, White}},
      {"not flat, pointer over",
       false,
       true,
       true,
       true,
       {Shadow, Highlight, DarkShadow, Light3D, White}},
      {"no border", true, false, true, false, {White, White, White, White, White}},
      {"no border, pointer over",
       true,
       false,
       true,
       true,
       {Shadow, Highlight, ButtonFace, ButtonFace, White}},
      {"not activated, pointer over",
       true,
       true,
       false,
       true,
       {SkyBlue, SkyBlue, White, White, White}},
      {"neither", true, false, false, true, {White, White, White, White, White}},
  };
  LikeTheValuePanel();
  ShowForm();
  for (const auto& c : cases) {
    panel->SetFlat(c.flat);
    panel->SetShowBorder(c.showBorder);
    panel->SetActivate(c.activate);
    QTest::mouseMove(form.get(), c.pointerOver ? QPoint(120, 32) : QPoint(350, 150));
    ExpectFrame(*panel, c.frame, c.what);
  }
}

TEST_F(FlatPanel, ClickRunsOnRelease) {
  int clicks = 0;
  QObject::connect(panel, &TmxFlatPanel::OnClick, [&] { ++clicks; });
  ShowForm();
  QTest::mouseClick(panel, Qt::LeftButton, {}, {100, 12});
  QTest::mouseClick(panel->Client(), Qt::LeftButton, {}, {50, 10});
  EXPECT_EQ(clicks, 2) << "also over the client area";
  QTest::mousePress(panel, Qt::LeftButton, {}, {100, 12});
  QTest::mouseRelease(panel, Qt::LeftButton, {}, {100, 60});
  EXPECT_EQ(clicks, 2);
}

class Container : public WidgetTest {};

TEST_F(Container, PaintsOnlyItsParentsColourAndKeepsTheFocusWhereItWas) {
  auto* container = new TdxContainer(form.get());
  EXPECT_EQ(container->size(), QSize(185, 45));
  EXPECT_FALSE(container->TabStop());
  const QImage image = Render(*container);
  for (int y = 0; y < 45; ++y)
    for (int x = 0; x < 185; ++x)
      ASSERT_EQ(PixelAt(image, x, y), Rgb(FormColor)) << x << "," << y;

  auto* button = new TdxButton(container);
  button->move(5, 5);
  ShowForm();
  QTest::mouseClick(button, Qt::LeftButton, {}, {30, 12});
  ASSERT_TRUE(button->hasFocus());
  QTest::mouseClick(container, Qt::LeftButton, {}, {150, 40});
  EXPECT_TRUE(button->hasFocus());
  EXPECT_EQ(PixelAt(Render(*container), 150, 40), Rgb(FormColor));
}

} // namespace
