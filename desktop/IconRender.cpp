// tallyon-icons: writes the program icon for the desktop's icon theme, drawn
// from the same vector shapes as the window's own icon, so the launcher, the
// window and the tray always show one picture.
//
//   tallyon-icons OUTDIR 16 32 48 256
//     -> OUTDIR/16x16/apps/tallyon.png ... OUTDIR/256x256/apps/tallyon.png
//        and OUTDIR/scalable/apps/tallyon.svg

#include "desktop/IconFiles.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  // No screen is needed to paint into images and files.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: tallyon-icons OUTDIR SIZE...\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size <= 0 || !desktop::WritePngIcon(folder, size)) {
      std::fprintf(stderr, "tallyon-icons: cannot write the %s pixel icon\n", argv[i]);
      return 1;
    }
  }
  if (!desktop::WriteSvgIcon(folder)) {
    std::fprintf(stderr, "tallyon-icons: cannot write the scalable icon\n");
    return 1;
  }
  return 0;
}
