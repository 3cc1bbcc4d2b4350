#include "drawing_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <vector>

namespace gui {

namespace {

using fe::Anchor;
using fe::DrawLayer;
using fe::DrawPoint;

// Each layer has its own fill, so that a picture's parts can be told apart
// (the export tests count them by it).
QColor Fill(DrawLayer layer) {
  switch (layer) {
    case DrawLayer::Concrete:
      return QColor(0xc8, 0xc8, 0xc8);
    case DrawLayer::Soil:
      return QColor(0xee, 0xe0, 0xbf);
    case DrawLayer::Pile:
      return QColor(0x9a, 0x9a, 0x9a);
    case DrawLayer::Load:
      return QColor(0x1f, 0x4e, 0x9a);
    case DrawLayer::Force:
      return QColor(0xc0, 0x39, 0x2b);
    case DrawLayer::Pressure:
      return QColor(0xf2, 0xb2, 0x5c);
    case DrawLayer::Ground:
    case DrawLayer::Searched:
    case DrawLayer::Dimension:
      break;
  }
  return Qt::transparent;
}

QColor Line(DrawLayer layer) {
  switch (layer) {
    case DrawLayer::Concrete:
    case DrawLayer::Pile:
      return QColor(0x30, 0x30, 0x30);
    case DrawLayer::Soil:
      return QColor(0xee, 0xe0, 0xbf);
    case DrawLayer::Ground:
      return QColor(0x6b, 0x4a, 0x1f);
    case DrawLayer::Searched:
      return QColor(0x1a, 0x6f, 0xd0);
    case DrawLayer::Load:
      return QColor(0x1f, 0x4e, 0x9a);
    case DrawLayer::Force:
      return QColor(0xc0, 0x39, 0x2b);
    case DrawLayer::Pressure:
      return QColor(0xa8, 0x5a, 0x00);
    case DrawLayer::Dimension:
      break;
  }
  return QColor(0x44, 0x44, 0x44);
}

QColor Ink(DrawLayer layer) {
  switch (layer) {
    case DrawLayer::Load:
    case DrawLayer::Force:
      return Line(layer);
    case DrawLayer::Pressure:
      return QColor(0x7a, 0x40, 0x00);
    default:
      return QColor(0x20, 0x20, 0x20);
  }
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The side of its point a label sits on, as a rectangle relative to the
// point. A vertical label is turned a quarter, reading upwards.
QRectF LabelBox(const QFontMetricsF& m, const QString& text, Anchor anchor, bool vertical) {
  const qreal gap = 0.35 * m.height();
  qreal w = m.horizontalAdvance(text), h = m.height();
  if (vertical) std::swap(w, h);
  switch (anchor) {
    case Anchor::Centre:
      return QRectF(-w / 2, -h / 2, w, h);
    case Anchor::Above:
      return QRectF(-w / 2, -gap - h, w, h);
    case Anchor::Below:
      return QRectF(-w / 2, gap, w, h);
    case Anchor::Left:
      return QRectF(-gap - w, -h / 2, w, h);
    case Anchor::Right:
      return QRectF(gap, -h / 2, w, h);
  }
  return QRectF(-w / 2, -h / 2, w, h);
}

// An arrow's label sits at its tail, away from the head.
Anchor TailSide(const fe::DrawArrow& a) {
  const float dx = a.tail.x - a.head.x, dy = a.tail.y - a.head.y;
  if (std::fabs(dy) >= std::fabs(dx)) return dy >= 0 ? Anchor::Above : Anchor::Below;
  return dx >= 0 ? Anchor::Right : Anchor::Left;
}

bool Vertical(const fe::DrawDimension& d) {
  return std::fabs(d.lineTo.x - d.lineFrom.x) < std::fabs(d.lineTo.y - d.lineFrom.y);
}

DrawPoint Middle(DrawPoint a, DrawPoint b) { return {0.5f * (a.x + b.x), 0.5f * (a.y + b.y)}; }

// A label to fit: its model point and the box around it in pixels.
struct Placed {
  DrawPoint at;
  QRectF box;
};

// Model to pixels: x to the right, y up the page.
struct Mapping {
  qreal scale = 1, x0 = 0, y0 = 0;
  QPointF operator()(DrawPoint p) const { return {x0 + scale * p.x, y0 - scale * p.y}; }
};

// The pixel box the drawing takes at `scale`, with the map's origin at 0, 0.
QRectF Extent(const std::vector<DrawPoint>& points, const std::vector<Placed>& labels,
              qreal scale) {
  qreal left = 0, right = 0, top = 0, bottom = 0;
  bool any = false;
  auto add = [&](qreal l, qreal t, qreal r, qreal b) {
    if (!any) {
      left = l, top = t, right = r, bottom = b, any = true;
      return;
    }
    left = std::min(left, l), top = std::min(top, t);
    right = std::max(right, r), bottom = std::max(bottom, b);
  };
  for (DrawPoint p : points) add(scale * p.x, -scale * p.y, scale * p.x, -scale * p.y);
  for (const Placed& l : labels) {
    const qreal x = scale * l.at.x, y = -scale * l.at.y;
    add(x + l.box.left(), y + l.box.top(), x + l.box.right(), y + l.box.bottom());
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The largest scale at which the drawing and its labels fit `area`, and the
// shift that centres them there.
Mapping Fit(const std::vector<DrawPoint>& points, const std::vector<Placed>& labels,
            const QRectF& area) {
  Mapping m;
  qreal low = 0, high = 1;
  auto fits = [&](qreal s) {
    const QRectF e = Extent(points, labels, s);
    return e.width() <= area.width() && e.height() <= area.height();
  };
  // A scale that overflows, then halve the interval to the one that fits.
  for (int i = 0; i < 200 && fits(high); ++i) high *= 2;
  for (int i = 0; i < 60; ++i) {
    const qreal mid = 0.5 * (low + high);
    (fits(mid) ? low : high) = mid;
  }
  // Labels too many for the area never shrink the wall to nothing: it keeps
  // at least half the size it would have alone, and labels may run off.
  const QRectF alone = Extent(points, {}, 1);
  qreal bare = 1;
  if (alone.width() > 0 || alone.height() > 0)
    bare = std::min(alone.width() > 0 ? area.width() / alone.width() : 1e30,
                    alone.height() > 0 ? area.height() / alone.height() : 1e30);
  const bool crowded = low < 0.5 * bare;
  m.scale = crowded ? 0.5 * bare : low;
  const QRectF e = Extent(points, crowded ? std::vector<Placed>{} : labels, m.scale);
  m.x0 = area.center().x() - e.center().x();
  m.y0 = area.center().y() - e.center().y();
  return m;
}

void DrawArrowHead(QPainter& p, QPointF tail, QPointF head, qreal size, const QColor& colour) {
  const qreal dx = head.x() - tail.x(), dy = head.y() - tail.y();
  const qreal length = std::hypot(dx, dy);
  if (!(length > 0)) return;
  const qreal ux = dx / length, uy = dy / length;
  const QPointF back(head.x() - ux * size, head.y() - uy * size);
  const QPointF side(-uy * size * 0.35, ux * size * 0.35);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({head, back + side, back - side}));
}

void DrawLabelText(QPainter& p, const QString& text, QPointF at, const QRectF& box, bool vertical) {
  if (!vertical) {
    p.drawText(box.translated(at), Qt::AlignCenter, text);
    return;
  }
  p.save();
  p.translate(at + box.center());
  p.rotate(-90);
  p.drawText(QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()),
             Qt::AlignCenter, text);
  p.restore();
}

// A text to place: its preferred box around its point, and which other
// places it may take when that one is taken by an earlier text.
enum class Shifts {
  Vertical,  // up or down by whole lines
  Flip,      // to the other side of its (horizontal) line, then further out
  Across,    // sideways, for a turned label beside a vertical line
};

struct Words {
  QString text;
  QPointF at;
  QRectF box;
  bool vertical;
  QColor ink;
  Shifts shifts;
};

std::vector<QRectF> Candidates(const Words& w, qreal line) {
  std::vector<QRectF> places{w.box};
  const QRectF flipped = w.box.translated(0, -w.box.top() - w.box.bottom());
  for (int k = 1; k <= 4; ++k) {
    const qreal step = k * line;
    switch (w.shifts) {
      case Shifts::Vertical:
        places.push_back(w.box.translated(0, step));
        places.push_back(w.box.translated(0, -step));
        break;
      case Shifts::Flip:
        if (k == 1) places.push_back(flipped);
        places.push_back(w.box.translated(0, w.box.center().y() >= 0 ? step : -step));
        places.push_back(flipped.translated(0, flipped.center().y() >= 0 ? step : -step));
        break;
      case Shifts::Across:
        if (k == 1) places.push_back(w.box.translated(-w.box.left() - w.box.right(), 0));
        places.push_back(w.box.translated(w.box.center().x() >= 0 ? step : -step, 0));
        break;
    }
  }
  return places;
}

// Writes every text at the first of its places that no earlier text covers
// (its preferred place when all are covered).
void PlaceWords(QPainter& p, const std::vector<Words>& words, qreal line) {
  std::vector<QRectF> taken;
  for (const Words& w : words) {
    const std::vector<QRectF> places = Candidates(w, line);
    QRectF chosen = places.front();
    for (const QRectF& place : places) {
      const QRectF box = place.translated(w.at);
      if (std::none_of(taken.begin(), taken.end(),
                       [&](const QRectF& t) { return t.intersects(box); })) {
        chosen = place;
        break;
      }
    }
    taken.push_back(chosen.translated(w.at));
    p.setPen(w.ink);
    DrawLabelText(p, w.text, w.at, chosen, w.vertical);
  }
}

}  // namespace

void PaintDrawing(QPainter& p, const fe::WallDrawing& d, const QRectF& area, qreal text) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  QFont font = p.font();
  font.setPixelSize(std::max(6, static_cast<int>(std::lround(text))));
  p.setFont(font);
  const QFontMetricsF metrics(font, p.device());
  const qreal line = metrics.height();

  // The title and the notes, top left.
  qreal y = area.top() + 0.3 * line;
  p.setPen(QColor(0x20, 0x20, 0x20));
  const QString unit = d.unit == "in" ? "inches" : d.unit == "mm" ? "millimetres" : Text(d.unit);
  const QString title = Text(d.title) + (d.title.empty() ? "" : " \u2014 ") + "lengths in " + unit;
  p.drawText(QPointF(area.left() + 0.5 * line, y + metrics.ascent()), title);
  y += line;
  p.setPen(QColor(0xb0, 0x10, 0x10));
  const qreal width = std::max(area.width() - line, line);
  for (const std::string& n : d.notes) {
    // A note wraps to the width of the area.
    const QRectF box(area.left() + 0.5 * line, y, width, 10 * line);
    const QRectF used = p.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Text(n));
    p.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Text(n));
    y += std::max(used.height(), line);
  }
  const QRectF frame(QPointF(area.left() + 0.5 * line, y + 0.5 * line),
                     QPointF(area.right() - 0.5 * line, area.bottom() - 0.5 * line));
  if (frame.width() < 4 * line || frame.height() < 4 * line) {
    p.restore();
    return;
  }

  // What must fit: every point, and every label at its side of its point.
  std::vector<DrawPoint> points;
  for (const auto& g : d.polygons) points.insert(points.end(), g.points.begin(), g.points.end());
  for (const auto& l : d.polylines) points.insert(points.end(), l.points.begin(), l.points.end());
  std::vector<Placed> labels;
  for (const auto& a : d.arrows) {
    points.push_back(a.tail), points.push_back(a.head);
    if (!a.label.empty())
      labels.push_back({a.tail, LabelBox(metrics, Text(a.label), TailSide(a), false)});
  }
  for (const auto& m : d.dimensions) {
    points.insert(points.end(), {m.from, m.to, m.lineFrom, m.lineTo});
    labels.push_back(
        {Middle(m.lineFrom, m.lineTo), LabelBox(metrics, Text(m.label), m.anchor, Vertical(m))});
  }
  for (const auto& l : d.labels)
    labels.push_back({l.at, LabelBox(metrics, Text(l.text), l.anchor, false)});
  auto finite = [](DrawPoint q) { return std::isfinite(q.x) && std::isfinite(q.y); };
  points.erase(std::remove_if(points.begin(), points.end(), [&](DrawPoint q) { return !finite(q); }),
               points.end());
  labels.erase(std::remove_if(labels.begin(), labels.end(),
                              [&](const Placed& l) { return !finite(l.at); }),
               labels.end());
  if (points.empty() && labels.empty()) {
    p.restore();
    return;
  }
  const Mapping map = Fit(points, labels, frame);
  const auto toPolygon = [&](const std::vector<DrawPoint>& pts) {
    QPolygonF poly;
    for (DrawPoint q : pts) poly << map(q);
    return poly;
  };

  // Areas first, soil under concrete, then lines, arrows and words on top.
  for (const auto& g : d.polygons) {
    QPen pen(Line(g.layer), g.layer == DrawLayer::Soil ? 0 : 1.2);
    if (g.layer == DrawLayer::Soil) pen = Qt::NoPen;
    if (g.dashed) pen.setStyle(Qt::DashLine), pen.setWidthF(1.5);
    p.setPen(pen);
    p.setBrush(g.dashed ? QBrush(Qt::NoBrush) : QBrush(Fill(g.layer)));
    p.drawPolygon(toPolygon(g.points));
  }
  p.setBrush(Qt::NoBrush);
  for (const auto& l : d.polylines) {
    QPen pen(Line(l.layer), l.layer == DrawLayer::Ground ? 2.0 : 1.2);
    if (l.dashed) pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.drawPolyline(toPolygon(l.points));
  }
  const qreal head = 0.8 * line;
  std::vector<Words> words;
  for (const auto& a : d.arrows) {
    const QPointF t = map(a.tail), h = map(a.head);
    p.setPen(QPen(Line(a.layer), a.layer == DrawLayer::Force ? 2.0 : 1.2));
    p.drawLine(t, h);
    DrawArrowHead(p, t, h, a.layer == DrawLayer::Force ? 1.2 * head : head, Fill(a.layer));
    if (!a.label.empty()) {
      const QString s = Text(a.label);
      words.push_back({s, t, LabelBox(metrics, s, TailSide(a), false), false, Ink(a.layer),
                       Shifts::Vertical});
    }
  }
  for (const auto& l : d.labels) {
    const QString s = Text(l.text);
    words.push_back({s, map(l.at), LabelBox(metrics, s, l.anchor, false), false, Ink(l.layer),
                     Shifts::Vertical});
  }
  const QColor dim = Line(DrawLayer::Dimension);
  for (const auto& m : d.dimensions) {
    const QPointF a = map(m.lineFrom), b = map(m.lineTo);
    p.setPen(QPen(dim, 0.8));
    if (map(m.from) != a) p.drawLine(map(m.from), a);
    if (map(m.to) != b) p.drawLine(map(m.to), b);
    p.setPen(QPen(dim, 1.0));
    p.drawLine(a, b);
    // Ticks across each end.
    const qreal tick = 0.3 * line;
    for (QPointF e : {a, b}) p.drawLine(e + QPointF(-tick, tick), e + QPointF(tick, -tick));
    const bool vertical = Vertical(m);
    const QString s = Text(m.label);
    words.push_back({s, map(Middle(m.lineFrom, m.lineTo)), LabelBox(metrics, s, m.anchor, vertical),
                     vertical, Ink(DrawLayer::Dimension),
                     vertical ? Shifts::Across : Shifts::Flip});
  }
  PlaceWords(p, words, line);
  p.restore();
}

}  // namespace gui
