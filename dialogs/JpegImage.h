#pragma once
// TJpegImage: a JPEG picture decoded from memory with libjpeg into a bitmap.
// Only sequential (baseline) images are read, in any of libjpeg's 8-bit
// colour spaces that convert to RGB. libjpeg's own error handling would end
// the process; here every error, and every warning about damaged data, stops
// the decoding and becomes an EJpegError, and the picture is then empty:
//
//   TJpegImage image;
//   image.LoadFromMemory(bytes);   // 462 x 100 banner -> Bitmap() 462 x 100, RGB
//   image.LoadFromMemory(cut);     // throws "Invalid JPEG image: Premature end of JPEG file"
//   image.Empty() -> true

#include <QByteArray>
#include <QImage>

#include <stdexcept>
#include <string>

// "Invalid JPEG image: " followed by libjpeg's message ("Empty input file",
// "Premature end of JPEG file", ...) or our own ("not a baseline image",
// "picture too large").
class EJpegError : public std::runtime_error {
public:
  explicit EJpegError(const std::string& reason)
      : std::runtime_error("Invalid JPEG image: " + reason) {}
};

class TJpegImage {
public:
  // Pictures larger than this many pixels are refused before any is decoded,
  // so a damaged header cannot ask for gigabytes.
  static constexpr long long MaxPixels = 1LL << 24;

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
