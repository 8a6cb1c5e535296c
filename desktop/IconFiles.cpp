#include "desktop/IconFiles.h"

#include "app/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The drawing's own units: the icon is designed on a 16 x 16 grid, so a
// 256-unit canvas keeps every coordinate a whole or simple number.
constexpr int SvgCanvas = 256;

bool MakeFolderOf(const QString& path) {
  return QDir().mkpath(QFileInfo(path).absolutePath());
}

} // namespace

QString desktop::PngIconPath(const QString& folder, int size) {
  return QStringLiteral("%1/%2x%2/apps/%3.png")
      .arg(folder)
      .arg(size)
      .arg(QLatin1String(desktop::IconName));
}

QString desktop::SvgIconPath(const QString& folder) {
  return QStringLiteral("%1/scalable/apps/%2.svg").arg(folder, QLatin1String(desktop::IconName));
}

QImage desktop::ProgramIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  app::ProgramIcon().paint(&painter, image.rect());
  return image;
}

bool desktop::WritePngIcon(const QString& folder, int size) {
  const QString path = desktop::PngIconPath(folder, size);
  return MakeFolderOf(path) && desktop::ProgramIconImage(size).save(path, "PNG");
}

bool desktop::WriteSvgIcon(const QString& folder) {
  const QString path = desktop::SvgIconPath(folder);
  if (!MakeFolderOf(path)) return false;
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(SvgCanvas, SvgCanvas));
  svg.setViewBox(QRect(0, 0, SvgCanvas, SvgCanvas));
  svg.setTitle(QStringLiteral("Tallyon"));
  svg.setDescription(QStringLiteral("The Tallyon calculator's program icon"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  app::ProgramIcon().paint(&painter, QRect(0, 0, SvgCanvas, SvgCanvas));
  return painter.end();
}
