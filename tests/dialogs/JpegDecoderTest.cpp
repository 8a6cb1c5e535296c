// The toolkit-free JPEG decoder on the About box's pictures, run on Linux
// (Debian's libjpeg62-turbo) and under Wine (the same source built for
// MinGW): both must give the very pixels whose checksums stand below, taken
// from the Linux build, so the two shells show the same pictures.

#include "dialogs/jpeg/JpegDecoder.h"
#include "dialogs/pictures/AboutPictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

// FNV-1a over the RGB bytes.
std::uint64_t Checksum(const std::vector<unsigned char>& bytes) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const unsigned char byte : bytes)
    hash = (hash ^ byte) * 1099511628211ULL;
  return hash;
}

std::string FailureOf(std::span<const unsigned char> data) {
  try {
    DecodeJpeg(data);
  } catch (const EJpegError& error) {
    return error.what();
  }
  return "(no error)";
}

const struct {
  const char* tag;
  std::function<std::span<const unsigned char>()> data;
  int width, height;
  std::uint64_t checksum;
} Pictures[] = {
    {"banner", pictures::AboutBannerJpeg, 462, 100, 0xe5f1dbc03496d149ULL},
    {"picture", pictures::AboutPictureJpeg, 118, 100, 0xef32515ad1f6f063ULL},
};

TEST(JpegDecoder, ThePicturesPixelForPixel) {
  for (const auto& row : Pictures) {
    const TRgbPicture picture = DecodeJpeg(row.data());
    EXPECT_EQ(picture.Width, row.width) << row.tag;
    EXPECT_EQ(picture.Height, row.height) << row.tag;
    ASSERT_EQ(picture.Rgb.size(), std::size_t(row.width) * std::size_t(row.height) * 3) << row.tag;
    EXPECT_EQ(Checksum(picture.Rgb), row.checksum)
        << row.tag << ": 0x" << std::hex << Checksum(picture.Rgb);
  }
}

// libjpeg's errors come back through longjmp, on each system's runtime.
TEST(JpegDecoder, DamagedPicturesAreRefused) {
  for (const auto& row : Pictures) {
    const std::span<const unsigned char> whole = row.data();
    EXPECT_EQ(FailureOf(whole.first(whole.size() / 2)),
              "Invalid JPEG image: Premature end of JPEG file")
        << row.tag;
    EXPECT_EQ(FailureOf(whole.first(0)), "Invalid JPEG image: Empty input file") << row.tag;
  }
}

} // namespace
