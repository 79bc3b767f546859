// Build step: writes the program's icon as PNG files of the sizes the
// desktop's icon theme looks for, painted by the same code as the window
// icon (qm::paintAppPicture). Usage: make_icons OUTDIR SIZE...
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "platform/Glyphs.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: make_icons OUTDIR SIZE...\n", stderr);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    const int side = std::atoi(argv[i]);
    if (side <= 0) return 2;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      qm::paintAppPicture(p, side);
    }
    const QString name = out.filePath(QStringLiteral("quillmark-%1.png").arg(side));
    if (!image.save(name, "PNG")) {
      std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(name));
      return 1;
    }
  }
  return 0;
}
