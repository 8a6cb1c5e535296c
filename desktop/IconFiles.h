#pragma once
// The program icon as files of a freedesktop icon theme: PNG images at fixed
// sizes and one SVG drawing, both painted from ProgramIcon()'s vector shapes.
// Files go to `folder`/<size>x<size>/apps/ and `folder`/scalable/apps/, named
// after IconName.

#include <QImage>
#include <QString>

namespace desktop {

// The name the launcher and the metainfo give as the icon.
inline constexpr const char* IconName = "tallyon";

// The icon at `size` x `size` pixels on a transparent ground.
QImage ProgramIconImage(int size);

//   WritePngIcon("share/icons/hicolor", 48) -> share/icons/hicolor/48x48/apps/tallyon.png
bool WritePngIcon(const QString& folder, int size);
//   WriteSvgIcon("share/icons/hicolor") -> share/icons/hicolor/scalable/apps/tallyon.svg
bool WriteSvgIcon(const QString& folder);
// Where WritePngIcon and WriteSvgIcon put their files.
QString PngIconPath(const QString& folder, int size);
QString SvgIconPath(const QString& folder);

} // namespace desktop
