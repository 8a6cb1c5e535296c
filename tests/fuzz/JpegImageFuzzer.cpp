// The About box's pictures as any bytes: TJpegImage decodes a whole picture
// of at most MaxPixels pixels in RGB, or ends in EJpegError with an empty
// picture; never a crash, a leak or a hang, whatever libjpeg meets.

#include "dialogs/JpegImage.h"
#include "tests/fuzz/FuzzSupport.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TJpegImage image;
  try {
    image.LoadFromMemory(bytes);
  } catch (const EJpegError& error) {
    fuzz::Require(std::string(error.what()).starts_with("Invalid JPEG image: "),
                  "the failure names itself", error.what());
    fuzz::Require(image.Empty(), "a failure leaves no picture");
    return 0;
  }
  fuzz::Require(!image.Empty(), "a decoded picture is there");
  fuzz::Require(static_cast<long long>(image.Width()) * image.Height() <= TJpegImage::MaxPixels,
                "no larger than MaxPixels");
  fuzz::Require(image.Bitmap().format() == QImage::Format_RGB888, "decoded to RGB");
  // The decoder starts afresh: a damaged picture after a good one empties it.
  try {
    image.LoadFromMemory(bytes.left(bytes.size() / 2));
  } catch (const EJpegError&) {
    fuzz::Require(image.Empty(), "a failure after a success leaves no picture");
  }
  return 0;
}
