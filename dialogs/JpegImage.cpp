#include "dialogs/JpegImage.h"

void TJpegImage::LoadFromMemory(const QByteArray& data) {
  FBitmap = QImage();
  const TRgbPicture picture = DecodeJpeg({reinterpret_cast<const unsigned char*>(data.constData()),
                                          static_cast<std::size_t>(data.size())});
  // The decoder's rows are packed; copy() gives the bitmap rows of its own.
  FBitmap = QImage(picture.Rgb.data(), picture.Width, picture.Height, picture.Width * 3,
                   QImage::Format_RGB888)
                .copy();
}
