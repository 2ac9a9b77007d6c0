// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns the icon's editable source (an XPM) into the files installers want:
// PNGs at 32, 64 and 128 pixels (pixels repeated, never blurred) and a
// Windows .ico. With --same A B it instead tells whether two images hold the
// same pixels, so a test can check that the committed .ico is up to date.
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

int Fail(const char* what, const QString& path) {
  std::fprintf(stderr, "icon_export: %s: %s\n", what, path.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);  // finds the image format plugins
  if (argc == 4 && QByteArray(argv[1]) == "--same") {
    const QImage a = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_ARGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_ARGB32);
    if (a.isNull()) return Fail("cannot read", QString::fromLocal8Bit(argv[2]));
    if (b.isNull()) return Fail("cannot read", QString::fromLocal8Bit(argv[3]));
    if (a != b) return Fail("the pixels differ from", QString::fromLocal8Bit(argv[2]));
    return 0;
  }
  if (argc != 3) {
    std::fprintf(stderr, "usage: icon_export ICON.xpm OUTPUT-DIRECTORY\n       icon_export --same IMAGE IMAGE\n");
    return 2;
  }
  const QString source = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  const QImage icon = QImage(source).convertToFormat(QImage::Format_ARGB32);
  if (icon.isNull()) return Fail("cannot read", source);
  if (icon.size() != QSize(32, 32)) return Fail("the icon is not 32 x 32 pixels", source);

  for (int size : {32, 64, 128}) {
    const QString path = out + QStringLiteral("/tarsomel-%1.png").arg(size);
    if (!icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path, "PNG")) {
      return Fail("cannot write", path);
    }
  }
  const QString ico = out + QStringLiteral("/tarsomel.ico");
  if (!QImageWriter::supportedImageFormats().contains("ico")) return Fail("this Qt cannot write", ico);
  if (!icon.save(ico, "ICO")) return Fail("cannot write", ico);
  return 0;
}
