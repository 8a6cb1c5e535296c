#pragma once
// DecodeJpeg: a JPEG picture decoded from memory with libjpeg into 8-bit RGB
// rows, without a toolkit, so that both shells' About boxes show the same
// pixels. Only sequential (baseline) images are read, in any of libjpeg's
// 8-bit colour spaces that convert to RGB. libjpeg's own error handling
// would end the process; here every error, and every warning about damaged
// data, stops the decoding and becomes an EJpegError:
//
//   DecodeJpeg(banner) -> Width 462, Height 100, Rgb 462 * 100 * 3 bytes
//   DecodeJpeg(cut)    -> throws "Invalid JPEG image: Premature end of JPEG file"

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// "Invalid JPEG image: " followed by libjpeg's message ("Empty input file",
// "Premature end of JPEG file", ...) or our own ("not a baseline image",
// "picture too large", "out of memory").
class EJpegError : public std::runtime_error {
public:
  explicit EJpegError(const std::string& reason)
      : std::runtime_error("Invalid JPEG image: " + reason) {}
};

struct TRgbPicture {
  int Width = 0;
  int Height = 0;
  // Height rows of Width * 3 bytes (red, green, blue), the top row first.
  std::vector<unsigned char> Rgb;
};

// Pictures larger than this many pixels are refused before any is decoded,
// so a damaged header cannot ask for gigabytes.
constexpr long long MaxJpegPixels = 1LL << 24;

// The whole picture, or EJpegError.
TRgbPicture DecodeJpeg(std::span<const unsigned char> data);
