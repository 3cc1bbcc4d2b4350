// Paints a wall drawing with QPainter: on the window's pane, into an SVG
// file and into a PNG picture alike.
#pragma once

#include <QPainter>
#include <QRectF>

#include "wall_drawing.h"

namespace gui {

// Paints `drawing` fitted into `area` at one scale for x and y, its labels
// inside the area; the notes and the title go in the area's top left corner.
// `text` is the height of a label in the painter's units (pixels on a
// screen, at the device's own scale).
void PaintDrawing(QPainter& painter, const fe::WallDrawing& drawing, const QRectF& area,
                  qreal text = 12);

}  // namespace gui
