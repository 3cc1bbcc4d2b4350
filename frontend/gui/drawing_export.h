// The wall drawing as a file: SVG through Qt's SVG generator or PNG through
// QImage, painted by the same painter as the window's pane.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "wall_drawing.h"

namespace gui {

enum class DrawingFormat { Unknown, Svg, Png };

// The format a file name asks for by its suffix (.svg, .png; any case).
DrawingFormat FormatOf(const QString& path);

// The drawing as an SVG document of `size` pixels.
QByteArray DrawingSvg(const fe::WallDrawing& drawing, QSize size);
// The drawing on white, `size` pixels.
QImage DrawingImage(const fe::WallDrawing& drawing, QSize size);

// Writes the drawing to `path` in the format its suffix names, through a
// temporary file renamed over `path` once complete. False, with `error`
// naming the file and the reason, when the suffix is neither .svg nor .png
// or the file cannot be written; a file already at `path` is then as it was.
bool ExportDrawing(const fe::WallDrawing& drawing, const QString& path, QSize size,
                   QString* error);

}  // namespace gui
