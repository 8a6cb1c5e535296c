// The JPEG decoder on the program's own pictures and on damaged copies of
// them: a damaged picture must end in EJpegError and an empty picture, never
// in a crash, a hang or a half-grey bitmap.

#include "dialogs/JpegImage.h"
#include "DialogTestSupport.h"
#include "dialogs/DialogPictures.h"

#include <QFile>

#include <functional>
#include <string>

using namespace dialogs;

namespace {

// The error's message, or "(no error)".
std::string FailureOf(TJpegImage& image, const QByteArray& data) {
  try {
    image.LoadFromMemory(data);
  } catch (const EJpegError& error) {
    return error.what();
  }
  return "(no error)";
}

// A picture that has just been decoded, so that a failure must empty it.
TJpegImage Loaded() {
  TJpegImage image;
  image.LoadFromMemory(AboutPictureJpeg());
  return image;
}

TEST(JpegImage, TheBuiltInPictures) {
  // Sampled where the artwork is one flat colour, as make-pictures.sh draws it.
  const struct {
    const char* tag;
    std::function<QByteArray()> data;
    int width, height, x, y;
    QRgb drawn;
  } table[] = {
      {"banner, the 7 key", AboutBannerJpeg, 462, 100, 136, 62, qRgb(109, 180, 142)},
      {"banner, the = key", AboutBannerJpeg, 462, 100, 262, 62, qRgb(255, 91, 96)},
      {"picture, the box's blue", AboutPictureJpeg, 118, 100, 5, 5, qRgb(140, 170, 230)},
      {"picture, the display", AboutPictureJpeg, 118, 100, 40, 15, qRgb(214, 240, 214)},
  };
  for (const auto& row : table) {
    const QByteArray data = row.data();
    ASSERT_GT(data.size(), 1000) << row.tag;
    EXPECT_TRUE(data.startsWith("\xFF\xD8\xFF\xE0")) << row.tag << ": not a JFIF file";
    TJpegImage image;
    image.LoadFromMemory(data);
    ASSERT_FALSE(image.Empty()) << row.tag;
    EXPECT_EQ(image.Width(), row.width) << row.tag;
    EXPECT_EQ(image.Height(), row.height) << row.tag;
    EXPECT_EQ(image.Bitmap().format(), QImage::Format_RGB888) << row.tag;
    const QRgb pixel = image.Bitmap().pixel(row.x, row.y);
    EXPECT_LE(ChannelDistance(pixel, row.drawn), 4)
        << row.tag << ": " << Describe(pixel) << " for " << Describe(row.drawn);
  }
}

TEST(JpegImage, DamagedInputGivesAnErrorAndAnEmptyPicture) {
  const QByteArray banner = AboutBannerJpeg();
  QByteArray tooLarge = banner;
  // The frame header: FF C0, length, precision, then height and width.
  const qsizetype frame = tooLarge.indexOf("\xFF\xC0");
  ASSERT_GT(frame, 0);
  tooLarge[frame + 5] = tooLarge[frame + 7] = char(0xFD);
  QFile progressiveFile(PROGRESSIVE_JPEG);
  ASSERT_TRUE(progressiveFile.open(QIODevice::ReadOnly));

  const struct {
    const char* tag;
    QByteArray data;
    std::string message;
  } table[] = {
      {"nothing", QByteArray(), "Invalid JPEG image: Empty input file"},
      {"text", QByteArray("not a picture"),
       "Invalid JPEG image: Not a JPEG file: starts with 0x6e 0x6f"},
      {"the header alone", banner.left(300), "Invalid JPEG image: Premature end of JPEG file"},
      {"cut in half", banner.left(banner.size() / 2),
       "Invalid JPEG image: Premature end of JPEG file"},
      {"the last byte missing", banner.chopped(1),
       "Invalid JPEG image: Premature end of JPEG file"},
      {"a frame of some 65000 x 65000", tooLarge, "Invalid JPEG image: picture too large"},
      {"progressive", progressiveFile.readAll(), "Invalid JPEG image: not a baseline image"},
  };
  for (const auto& row : table) {
    TJpegImage image = Loaded();
    EXPECT_EQ(FailureOf(image, row.data), row.message) << row.tag;
    EXPECT_TRUE(image.Empty()) << row.tag;
    EXPECT_TRUE(image.Bitmap().isNull()) << row.tag;
  }
}

TEST(JpegImage, EveryCutFails) {
  const QByteArray picture = AboutPictureJpeg();
  for (qsizetype length = 0; length < picture.size(); length += 23) {
    TJpegImage image = Loaded();
    EXPECT_NE(FailureOf(image, picture.left(length)), "(no error)") << length;
    EXPECT_TRUE(image.Empty()) << length;
  }
}

TEST(JpegImage, ScrambledBytesNeverGiveAPartPicture) {
  // Each run damages one byte; the decoder either refuses the data or gives
  // a whole picture of the right size.
  const QByteArray picture = AboutPictureJpeg();
  int refused = 0;
  for (qsizetype at = 2; at < picture.size(); at += 7) {
    QByteArray damaged = picture;
    damaged[at] = char(damaged[at] ^ 0x5A);
    TJpegImage image = Loaded();
    const std::string failure = FailureOf(image, damaged);
    if (failure != "(no error)") {
      ++refused;
      EXPECT_EQ(failure.rfind("Invalid JPEG image: ", 0), 0u) << failure;
      EXPECT_TRUE(image.Empty()) << at;
    } else {
      EXPECT_EQ(image.Bitmap().size(), QSize(118, 100)) << at;
    }
  }
  EXPECT_GT(refused, 0);
}

} // namespace
