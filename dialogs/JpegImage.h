#pragma once
// TJpegImage: a JPEG picture decoded from memory (dialogs/jpeg) into a Qt
// bitmap. On failure it throws EJpegError and the picture is then empty:
//
//   TJpegImage image;
//   image.LoadFromMemory(bytes);   // 462 x 100 banner -> Bitmap() 462 x 100, RGB
//   image.LoadFromMemory(cut);     // throws "Invalid JPEG image: Premature end of JPEG file"
//   image.Empty() -> true

#include "dialogs/jpeg/JpegDecoder.h"

#include <QByteArray>
#include <QImage>

class TJpegImage {
public:
  static constexpr long long MaxPixels = MaxJpegPixels;

  // Decodes the whole image or nothing: on failure the picture is empty
  // and EJpegError is thrown.
  void LoadFromMemory(const QByteArray& data);

  bool Empty() const { return FBitmap.isNull(); }
  int Width() const { return FBitmap.width(); }
  int Height() const { return FBitmap.height(); }
  // RGB888, or a null image while empty.
  const QImage& Bitmap() const { return FBitmap; }

private:
  QImage FBitmap;
};
