// Paints a wall drawing with QPainter: on the window's pane, into an SVG
// file and into a PNG picture alike. Before painting, the drawing is laid
// out: one scale for x and y, and a place for every label where it covers
// no other label nor the concrete, inside the area.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "wall_drawing.h"

namespace gui {

// One text of a drawing where it is written.
struct PlacedText {
  QString text;  // may hold a line break
  QRectF box;    // in the painter's units
  bool vertical = false;  // turned a quarter, reading upwards
  QColor ink;
  fe::Importance importance = fe::Importance::Useful;
};

// Where a drawing goes in an area: the map from model units to the page
// (page x = x0 + scale x, page y = y0 - scale y) and every text written.
// A text with no room left (never an essential one) is left out and
// counted; an essential text with no free place covers another and is
// counted too.
struct DrawingLayout {
  bool drawn = false;  // false: the area is too small, or nothing to draw
  qreal scale = 1, x0 = 0, y0 = 0;
  QRectF frame;  // the part of the area under the title and notes
  qreal notesTop = 0;
  std::vector<PlacedText> texts;
  int dropped = 0, covering = 0;

  QPointF map(fe::DrawPoint p) const { return {x0 + scale * p.x, y0 - scale * p.y}; }
};

// The layout of `drawing` in `area`, its labels `text` high in the units of
// `device` (pixels on a screen, at the device's own scale).
DrawingLayout LayOutDrawing(const fe::WallDrawing& drawing, const QRectF& area, qreal text,
                            QPaintDevice* device);

// Paints `drawing` fitted into `area` as LayOutDrawing places it; the title
// and the notes go in the area's top left corner.
void PaintDrawing(QPainter& painter, const fe::WallDrawing& drawing, const QRectF& area,
                  qreal text = 12);

}  // namespace gui
