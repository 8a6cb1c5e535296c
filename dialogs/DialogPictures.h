#pragma once
// The dialogs' pictures. The About box's two pictures are our own JPEG
// artwork (dialogs/pictures/), built into the program as bytes and decoded
// only when a box is made. The submit
// dialog's glyphs are drawn from shapes, on a transparent ground.

#include <QByteArray>
#include <QImage>

namespace dialogs {

// The undecoded JPEG files: the 462 x 100 banner and the 118 x 100 picture.
QByteArray AboutBannerJpeg();
QByteArray AboutPictureJpeg();

// 16 x 16 button glyphs: a green tick, a red cross, a blue question mark.
QImage SubmitGlyph();
QImage CancelGlyph();
QImage HelpGlyph();

// The 8 x 8 multiplication sign between the mantissa and "10".
QImage MultiplicationSign();

} // namespace dialogs
