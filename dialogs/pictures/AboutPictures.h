#pragma once
// The About box's two pictures as undecoded JPEG files: our own artwork
// (make-pictures.sh), built into the program as bytes for both shells.

#include <span>

namespace pictures {

// The 462 x 100 banner and the 118 x 100 picture.
std::span<const unsigned char> AboutBannerJpeg();
std::span<const unsigned char> AboutPictureJpeg();

} // namespace pictures
