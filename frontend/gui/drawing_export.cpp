#include "drawing_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <string>

#include "drawing_painter.h"
#include "atomic_file.h"

namespace gui {

namespace {

// Labels grow with the picture, so that a large export reads as the pane does.
qreal TextSize(QSize size) { return std::max(11.0, std::min(size.width(), size.height()) / 60.0); }

}  // namespace

DrawingFormat FormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "svg") return DrawingFormat::Svg;
  if (suffix == "png") return DrawingFormat::Png;
  return DrawingFormat::Unknown;
}

QByteArray DrawingSvg(const fe::WallDrawing& drawing, QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QString::fromStdString("Keldor wall drawing: " + drawing.title));
  svg.setDescription("Section of the wall, lengths in " + QString::fromStdString(drawing.unit));
  QPainter p;
  if (!p.begin(&svg)) return {};
  p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  PaintDrawing(p, drawing, QRectF(QPointF(0, 0), size), TextSize(size));
  p.end();
  return bytes;
}

QImage DrawingImage(const fe::WallDrawing& drawing, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter p(&image);
  PaintDrawing(p, drawing, QRectF(QPointF(0, 0), size), TextSize(size));
  p.end();
  return image;
}

bool ExportDrawing(const fe::WallDrawing& drawing, const QString& path, QSize size,
                   QString* error) {
  QByteArray bytes;
  switch (FormatOf(path)) {
    case DrawingFormat::Svg:
      bytes = DrawingSvg(drawing, size);
      break;
    case DrawingFormat::Png: {
      const QImage image = DrawingImage(drawing, size);
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      if (image.isNull() || !image.save(&buffer, "PNG")) bytes.clear();
      break;
    }
    case DrawingFormat::Unknown:
      *error = "Cannot write file " + path + ": the name must end in .svg or .png";
      return false;
  }
  if (bytes.isEmpty()) {
    *error = "Cannot write file " + path + ": the drawing could not be made";
    return false;
  }
  std::string why;
  if (!fe::WriteFileAtomically(
          QFile::encodeName(path).toStdString(),
          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &why)) {
    *error = "Cannot write file " + path + ": " + QString::fromLocal8Bit(why.c_str());
    return false;
  }
  return true;
}

}  // namespace gui
