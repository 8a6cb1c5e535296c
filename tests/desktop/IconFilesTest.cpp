// The icon theme files against the program's own icon: every PNG is the
// vector icon painted at its size, and the SVG, drawn by an independent
// renderer, shows the same picture.

#include "desktop/IconFiles.h"
#include "app/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace app;
using namespace desktop;

namespace {

const QString BuiltIcons = QStringLiteral(TALLYON_ICON_FOLDER);
constexpr int ThemeSizes[] = {16, 32, 48, 64, 128, 256};

// The largest difference of any channel, alpha included, between two images
// of one size, and the share of pixels that differ by more than `slack`.
struct Difference {
  int largest = 0;
  double share = 0;
};

Difference Compare(const QImage& a, const QImage& b, int slack) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32);
  Difference d;
  int off = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int column = 0; column < x.width(); ++column) {
      const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
      const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                 std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
      d.largest = std::max(d.largest, most);
      if (most > slack) ++off;
    }
  d.share = static_cast<double>(off) / (x.width() * x.height());
  return d;
}

QImage RenderSvg(const QString& path, int size) {
  QSvgRenderer renderer(path);
  EXPECT_TRUE(renderer.isValid()) << path.toStdString();
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

TEST(IconFiles, EveryThemeSizeIsTheProgramIconAtThatSize) {
  for (int size : ThemeSizes) {
    SCOPED_TRACE(size);
    const QImage built(PngIconPath(BuiltIcons, size));
    ASSERT_FALSE(built.isNull());
    EXPECT_EQ(built.size(), QSize(size, size));
    EXPECT_TRUE(built.hasAlphaChannel());
    EXPECT_EQ(Compare(built, ProgramIconImage(size), 0).largest, 0);
  }
}

TEST(IconFiles, TheIconIsOpaqueInsideAndTransparentAtTheCorners) {
  const QImage icon = ProgramIconImage(64);
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(63, 63)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(32, 32)), 255);
}

TEST(IconFiles, TheScalableIconShowsTheSamePicture) {
  const QString svg = SvgIconPath(BuiltIcons);
  ASSERT_TRUE(QFile::exists(svg));
  for (int size : {48, 256}) {
    SCOPED_TRACE(size);
    // Two rasterisers differ at antialiased edges only.
    const Difference d = Compare(RenderSvg(svg, size), ProgramIconImage(size), 40);
    EXPECT_LT(d.share, 0.02);
  }
}

TEST(IconFiles, ADifferentPictureIsTold) {
  // The comparison above must be able to fail: the About icon is not the
  // program icon.
  QImage other(256, 256, QImage::Format_ARGB32_Premultiplied);
  other.fill(Qt::transparent);
  QPainter painter(&other);
  MenuIcon(MenuPicture::About).paint(&painter, other.rect());
  painter.end();
  EXPECT_GT(Compare(other, ProgramIconImage(256), 40).share, 0.2);
}

TEST(IconFiles, WrittenWhereTheThemeLooks) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString theme = folder.filePath(QStringLiteral("icons/hicolor"));
  ASSERT_TRUE(WritePngIcon(theme, 48));
  ASSERT_TRUE(WriteSvgIcon(theme));
  EXPECT_TRUE(QFile::exists(theme + "/48x48/apps/tallyon.png"));
  EXPECT_TRUE(QFile::exists(theme + "/scalable/apps/tallyon.svg"));
}

} // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
