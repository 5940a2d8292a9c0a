// render_icon: draws the program's picture (an SVG file) as the square PNG
// icons of the desktop's icon theme, so every size comes from one drawing.
//
//   render_icon PICTURE.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/SIZExSIZE.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  // No screen is needed to draw into an image.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: render_icon PICTURE.svg OUTPUT_FOLDER SIZE...\n");
    return 2;
  }
  QSvgRenderer picture(args[1]);
  if (!picture.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  const QDir folder(args[2]);
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  for (qsizetype i = 3; i < args.size(); ++i) {
    bool number = false;
    const int size = args[i].toInt(&number);
    if (!number || size < 1 || size > 1024) {
      std::fprintf(stderr, "render_icon: %s is not a size\n", qPrintable(args[i]));
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter);
    painter.end();
    const QString path = folder.filePath(QStringLiteral("%1x%1.png").arg(size));
    if (!image.save(path, "PNG")) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
