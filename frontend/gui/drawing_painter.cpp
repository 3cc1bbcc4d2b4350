#include "drawing_painter.h"

#include <QFontMetricsF>
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

QFont LabelFont(const QFont& base, qreal text) {
  QFont font = base;
  font.setPixelSize(std::max(6, static_cast<int>(std::lround(text))));
  return font;
}

// A text to place, in model units, and how it may be moved.
enum class Kind { Label, Arrow, Dimension };

struct Item {
  Kind kind;
  QString text;
  QString wrapped;  // the text on two lines; empty when it does not break
  fe::DrawPoint at, to;  // the label's point; an arrow's tail and head or a dimension's line
  fe::Anchor anchor;
  bool vertical;  // a vertical dimension's label, turned
  QColor ink;
  fe::Importance importance;
  qreal width, height, wrappedWidth;  // in page units
};

// A long text breaks before its bracket ("Earth 220 lbs/in" over "(2645
// plf)"), else after its first comma.
QString Wrapped(const QString& text) {
  int at = text.lastIndexOf(" (");
  if (at > 0) return text.left(at) + "\n" + text.mid(at + 1);
  at = text.indexOf(", ");
  if (at > 0) return text.left(at + 1) + "\n" + text.mid(at + 2);
  return {};
}

// A box of `w` by `h` on the `anchor` side of `p`, `gap` away.
QRectF Beside(QPointF p, fe::Anchor anchor, qreal w, qreal h, qreal gap) {
  switch (anchor) {
    case fe::Anchor::Centre:
      break;
    case fe::Anchor::Above:
      return QRectF(p.x() - w / 2, p.y() - gap - h, w, h);
    case fe::Anchor::Below:
      return QRectF(p.x() - w / 2, p.y() + gap, w, h);
    case fe::Anchor::Left:
      return QRectF(p.x() - gap - w, p.y() - h / 2, w, h);
    case fe::Anchor::Right:
      return QRectF(p.x() + gap, p.y() - h / 2, w, h);
  }
  return QRectF(p.x() - w / 2, p.y() - h / 2, w, h);
}

// An arrow's label sits at its tail, away from the head.
fe::Anchor TailSide(fe::DrawPoint tail, fe::DrawPoint head) {
  const float dx = tail.x - head.x, dy = tail.y - head.y;
  if (std::fabs(dy) >= std::fabs(dx)) return dy >= 0 ? fe::Anchor::Above : fe::Anchor::Below;
  return dx >= 0 ? fe::Anchor::Right : fe::Anchor::Left;
}

fe::DrawPoint Middle(fe::DrawPoint a, fe::DrawPoint b) {
  return {0.5f * (a.x + b.x), 0.5f * (a.y + b.y)};
}

fe::Anchor Opposite(fe::Anchor a) {
  switch (a) {
    case fe::Anchor::Above:
      return fe::Anchor::Below;
    case fe::Anchor::Below:
      return fe::Anchor::Above;
    case fe::Anchor::Left:
      return fe::Anchor::Right;
    case fe::Anchor::Right:
      return fe::Anchor::Left;
    case fe::Anchor::Centre:
      break;
  }
  return a;
}

// Model units to the page: x to the right, y up the page.
struct Affine {
  qreal scale, x0, y0;
  QPointF operator()(fe::DrawPoint p) const { return {x0 + scale * p.x, y0 - scale * p.y}; }
};

// The places an item may take on the page, the one it asks for first. Each
// is a box and whether the text is the wrapped one.
struct Place {
  QRectF box;
  bool wrapped;
  bool level = false;  // a vertical dimension's words written level
};

// `wrapFirst`: a label that breaks asks for two lines before one.
std::vector<Place> Places(const Item& it, const Affine& map, qreal line, bool wrapFirst = false) {
  const qreal gap = 0.35 * line;
  std::vector<Place> places;
  auto add = [&](QRectF box, bool wrapped = false) { places.push_back({box, wrapped}); };
  auto forms = [&](auto&& each) {
    each(it.width, it.height, false);
    if (!it.wrapped.isEmpty()) each(it.wrappedWidth, 2 * it.height, true);
  };
  const QPointF p = map(it.at);
  switch (it.kind) {
    case Kind::Label:
      // Where it asks to be, on one line or on two, before anywhere else.
      if (!it.wrapped.isEmpty() && wrapFirst)
        add(Beside(p, it.anchor, it.wrappedWidth, 2 * it.height, gap), true);
      add(Beside(p, it.anchor, it.width, it.height, gap));
      if (!it.wrapped.isEmpty() && !wrapFirst)
        add(Beside(p, it.anchor, it.wrappedWidth, 2 * it.height, gap), true);
      forms([&](qreal w, qreal h, bool wrapped) {
        const QRectF first = Beside(p, it.anchor, w, h, gap);
        for (int k = 1; k <= 3; ++k) {
          add(first.translated(0, k * line), wrapped);
          add(first.translated(0, -k * line), wrapped);
        }
        for (fe::Anchor a : {fe::Anchor::Above, fe::Anchor::Below, fe::Anchor::Right,
                             fe::Anchor::Left})
          add(Beside(p, a, w, h, gap), wrapped);
      });
      break;
    case Kind::Arrow: {
      const QPointF middle = map(Middle(it.at, it.to));
      const fe::Anchor side = TailSide(it.at, it.to);
      forms([&](qreal w, qreal h, bool wrapped) {
        const QRectF first = Beside(p, side, w, h, gap);
        add(first, wrapped);
        // Clear of the arrow's head.
        add(Beside(middle, fe::Anchor::Above, w, h, 1.5 * gap), wrapped);
        add(Beside(middle, fe::Anchor::Below, w, h, 1.5 * gap), wrapped);
        for (int k = 1; k <= 3; ++k) {
          add(first.translated(0, -k * line), wrapped);
          add(first.translated(0, k * line), wrapped);
        }
      });
      break;
    }
    case Kind::Dimension: {
      const QPointF a = map(it.at), b = map(it.to);
      const QPointF middle = (a + b) / 2;
      if (it.vertical) {
        // Turned: the box is as wide as the text is high.
        const qreal w = it.height, h = it.width;
        const QRectF first = Beside(middle, it.anchor, w, h, gap);
        add(first);
        add(Beside(middle, Opposite(it.anchor), w, h, gap));
        // Moved along its line no further than its ends.
        const qreal room = std::max(0.0, 0.5 * (std::fabs(b.y() - a.y()) - h));
        for (int k = 1; k <= 4 && k * line <= room; ++k) {
          add(first.translated(0, -k * line));
          add(first.translated(0, k * line));
        }
        // A measure too short for its words has them level beside it.
        for (fe::Anchor side : {it.anchor, Opposite(it.anchor)})
          places.push_back({Beside(middle, side, it.width, it.height, gap), false, true});
        break;
      }
      const QPointF left = a.x() <= b.x() ? a : b, right = a.x() <= b.x() ? b : a;
      forms([&](qreal w, qreal h, bool wrapped) {
        const QRectF before = Beside(left, fe::Anchor::Left, w, h, gap);
        const QRectF after = Beside(right, fe::Anchor::Right, w, h, gap);
        QRectF first = Beside(middle, it.anchor, w, h, gap);
        if (it.anchor == fe::Anchor::Left) first = before;
        if (it.anchor == fe::Anchor::Right) first = after;
        const qreal away = it.anchor == fe::Anchor::Above ? -line : line;
        add(first, wrapped);
        add(Beside(middle, it.anchor == fe::Anchor::Above ? fe::Anchor::Below : fe::Anchor::Above,
                   w, h, gap),
            wrapped);
        add(before, wrapped);
        add(after, wrapped);
        for (int k = 1; k <= 2; ++k) add(first.translated(0, k * away), wrapped);
      });
      break;
    }
  }
  return places;
}

// The box moved the least to lie inside `frame` (its top left corner
// inside when it is larger).
QRectF Inside(QRectF box, const QRectF& frame) {
  box.moveLeft(std::max(frame.left(), std::min(box.left(), frame.right() - box.width())));
  box.moveTop(std::max(frame.top(), std::min(box.top(), frame.bottom() - box.height())));
  return box;
}

// The page box around `points` and the first places of `items` at `scale`,
// with the model's origin at the page's.
QRectF Extent(const std::vector<fe::DrawPoint>& points, const std::vector<Item>* items,
              qreal scale, qreal line) {
  const Affine map{scale, 0, 0};
  qreal left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  auto add = [&](const QRectF& r) {
    left = any ? std::min(left, r.left()) : r.left();
    top = any ? std::min(top, r.top()) : r.top();
    right = any ? std::max(right, r.right()) : r.right();
    bottom = any ? std::max(bottom, r.bottom()) : r.bottom();
    any = true;
  };
  for (fe::DrawPoint p : points) add(QRectF(map(p), QSizeF(0, 0)));
  if (items)
    for (const Item& it : *items) add(Places(it, map, line).front().box);
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// Whether the segment crosses the box.
bool Crosses(const QRectF& box, const QLineF& l) {
  if (std::max(l.x1(), l.x2()) < box.left() || std::min(l.x1(), l.x2()) > box.right() ||
      std::max(l.y1(), l.y2()) < box.top() || std::min(l.y1(), l.y2()) > box.bottom())
    return false;
  if (box.contains(l.p1()) || box.contains(l.p2())) return true;
  const QLineF edges[] = {{box.topLeft(), box.topRight()},
                          {box.topRight(), box.bottomRight()},
                          {box.bottomRight(), box.bottomLeft()},
                          {box.bottomLeft(), box.topLeft()}};
  for (const QLineF& e : edges)
    if (l.intersects(e, nullptr) == QLineF::BoundedIntersection) return true;
  return false;
}

// What the words of a drawing keep clear of, on the page: the areas of
// concrete, piles and pressure, and the lines drawn.
struct Obstacles {
  std::vector<QPolygonF> areas;
  std::vector<QLineF> lines;
};

// Every text of the drawing at one scale, placed in order of importance.
struct Trial {
  Affine map;
  std::vector<PlacedText> texts;
  int dropped[3] = {0, 0, 0};  // by importance
  int covering = 0;  // essential words over others
  int onLines = 0;   // words over a line
  int moved = 0;     // words not where they ask to be
};

Trial PlaceAll(const std::vector<Item>& items, const Obstacles& obstacles, const QRectF& frame,
               Affine map, qreal line, bool wrapFirst) {
  Trial t{map, {}, {0, 0, 0}, 0, 0, 0};
  std::vector<QRectF> taken;
  // Clear of earlier words, and of areas and lines by `strictness`: 2 both,
  // 1 areas only, 0 neither.
  auto clear = [&](const QRectF& box, int strictness) {
    for (const QRectF& r : taken)
      if (r.intersects(box)) return false;
    if (strictness >= 1)
      for (const QPolygonF& a : obstacles.areas)
        if (a.boundingRect().intersects(box) && a.intersects(QPolygonF(box))) return false;
    if (strictness >= 2) {
      // A little room between words and lines.
      const QRectF around = box.adjusted(-2, -2, 2, 2);
      for (const QLineF& l : obstacles.lines)
        if (Crosses(around, l)) return false;
    }
    return true;
  };
  for (fe::Importance level :
       {fe::Importance::Essential, fe::Importance::Useful, fe::Importance::Detail}) {
    for (const Item& it : items) {
      if (it.importance != level) continue;
      const std::vector<Place> places = Places(it, map, line, wrapFirst);
      const Place* chosen = nullptr;
      QRectF box;
      // Clear of everything where it stands, else moved inside the frame;
      // then over lines; an essential text over areas too.
      const int passes = level == fe::Importance::Essential ? 6 : 4;
      int pass = 0;
      for (; pass < passes && !chosen; ++pass) {
        const int strictness = 2 - pass / 2;
        const bool moving = pass % 2 == 1;
        for (const Place& pl : places) {
          const QRectF b = moving ? Inside(pl.box, frame) : pl.box;
          if (!moving && !frame.contains(b)) continue;
          if (clear(b, strictness)) {
            chosen = &pl, box = b;
            break;
          }
        }
      }
      if (chosen && pass > 2) ++t.onLines;
      if (!chosen && level == fe::Importance::Essential) {
        chosen = &places.front(), box = Inside(places.front().box, frame);
        ++t.covering;
      }
      if (!chosen) {
        ++t.dropped[static_cast<int>(level)];
        continue;
      }
      if (chosen != &places.front() || box != chosen->box) ++t.moved;
      taken.push_back(box);
      t.texts.push_back({chosen->wrapped ? it.wrapped : it.text, box,
                         it.vertical && !chosen->level, it.ink, it.importance});
    }
  }
  return t;
}

// How badly a trial reads, `bare` being the scale of the wall alone: an
// essential word over another outweighs all else; then words over lines,
// words left out by importance, the wall drawn smaller, and words moved.
double Cost(const Trial& t, qreal bare) {
  return 1000.0 * t.covering + 6.0 * t.onLines + 4.0 * t.dropped[1] + 1.5 * t.dropped[2] +
         20.0 * (1 - t.map.scale / bare) + 0.2 * t.moved;
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

void DrawLabelText(QPainter& p, const PlacedText& t) {
  p.setPen(t.ink);
  if (!t.vertical) {
    p.drawText(t.box, Qt::AlignCenter, t.text);
    return;
  }
  p.save();
  p.translate(t.box.center());
  p.rotate(-90);
  p.drawText(QRectF(-t.box.height() / 2, -t.box.width() / 2, t.box.height(), t.box.width()),
             Qt::AlignCenter, t.text);
  p.restore();
}

bool Vertical(const fe::DrawDimension& d) {
  return std::fabs(d.lineTo.x - d.lineFrom.x) < std::fabs(d.lineTo.y - d.lineFrom.y);
}

bool Finite(fe::DrawPoint q) { return std::isfinite(q.x) && std::isfinite(q.y); }

QString Title(const fe::WallDrawing& d) {
  const QString unit = d.unit == "in" ? "inches" : d.unit == "mm" ? "millimetres" : Text(d.unit);
  return Text(d.title) + (d.title.empty() ? "" : " \u2014 ") + "lengths in " + unit;
}

// What the texts must keep clear of, with the drawing at `map`.
Obstacles ObstaclesOf(const fe::WallDrawing& d, const Affine& map) {
  Obstacles obstacles;
  auto lines = [&](const std::vector<fe::DrawPoint>& pts) {
    for (std::size_t k = 1; k < pts.size(); ++k)
      if (Finite(pts[k - 1]) && Finite(pts[k]))
        obstacles.lines.emplace_back(map(pts[k - 1]), map(pts[k]));
  };
  for (const auto& poly : d.polygons) {
    if (poly.layer == fe::DrawLayer::Soil) continue;
    if (poly.layer == fe::DrawLayer::Searched) {
      lines(poly.points);
      continue;
    }
    QPolygonF q;
    for (fe::DrawPoint pt : poly.points)
      if (Finite(pt)) q << map(pt);
    obstacles.areas.push_back(q);
  }
  for (const auto& l : d.polylines) lines(l.points);
  for (const auto& a : d.arrows) lines({a.tail, a.head});
  // Words may cross the thin extension lines of dimensions, not the
  // dimension lines themselves.
  for (const auto& m : d.dimensions) lines({m.lineFrom, m.lineTo});
  return obstacles;
}

constexpr int kNoteFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

}  // namespace

DrawingLayout LayOutDrawing(const fe::WallDrawing& d, const QRectF& area, qreal text,
                            QPaintDevice* device) {
  DrawingLayout out;
  const QFont font = LabelFont(QFont(), text);
  const QFontMetricsF metrics(font, device);
  const qreal line = metrics.height();

  // The title's line, the reaction's and the notes, wrapped to the area's
  // width, come first.
  qreal y = area.top() + 0.3 * line + (d.reaction.empty() ? 1 : 2) * line;
  out.notesTop = y;
  const qreal width = std::max(area.width() - line, line);
  for (const std::string& n : d.notes)
    y += std::max(metrics.boundingRect(QRectF(0, 0, width, 10 * line), kNoteFlags, Text(n)).height(),
                  line);
  out.frame = QRectF(QPointF(area.left() + 0.5 * line, y + 0.5 * line),
                     QPointF(area.right() - 0.5 * line, area.bottom() - 0.5 * line));
  const QRectF& frame = out.frame;
  if (frame.width() < 4 * line || frame.height() < 4 * line) return out;

  // What must fit: every point, and every text near its point.
  std::vector<fe::DrawPoint> points;
  for (const auto& g : d.polygons) points.insert(points.end(), g.points.begin(), g.points.end());
  for (const auto& l : d.polylines) points.insert(points.end(), l.points.begin(), l.points.end());
  std::vector<Item> items;
  auto item = [&](Kind kind, const std::string& s, fe::DrawPoint at, fe::DrawPoint to,
                  fe::Anchor anchor, bool vertical, QColor ink, fe::Importance importance) {
    if (s.empty() || !Finite(at) || !Finite(to)) return;
    const QString t = Text(s), w = vertical ? QString() : Wrapped(t);
    qreal wrappedWidth = 0;
    for (const QString& part : w.split('\n'))
      wrappedWidth = std::max(wrappedWidth, metrics.horizontalAdvance(part));
    items.push_back({kind, t, w, at, to, anchor, vertical, ink, importance,
                     metrics.horizontalAdvance(t), line, wrappedWidth});
  };
  for (const auto& a : d.arrows) {
    points.push_back(a.tail), points.push_back(a.head);
    item(Kind::Arrow, a.label, a.tail, a.head, fe::Anchor::Centre, false, Ink(a.layer),
         a.importance);
  }
  for (const auto& m : d.dimensions) {
    points.insert(points.end(), {m.from, m.to, m.lineFrom, m.lineTo});
    item(Kind::Dimension, m.label, m.lineFrom, m.lineTo, m.anchor, Vertical(m),
         Ink(fe::DrawLayer::Dimension), m.importance);
  }
  for (const auto& l : d.labels)
    item(Kind::Label, l.text, l.at, l.at, l.anchor, false, Ink(l.layer), l.importance);
  points.erase(std::remove_if(points.begin(), points.end(), [](fe::DrawPoint q) { return !Finite(q); }),
               points.end());
  if (points.empty()) return out;

  // The scale of the wall alone, and the largest at which every text fits
  // at its first place; texts too many for the area never shrink the wall
  // below half its own scale.
  const QRectF alone = Extent(points, nullptr, 1, line);
  qreal bare = 1;
  if (alone.width() > 0 || alone.height() > 0)
    bare = std::min(alone.width() > 0 ? frame.width() / alone.width() : 1e30,
                    alone.height() > 0 ? frame.height() / alone.height() : 1e30);
  qreal low = 0, high = bare;
  auto fits = [&](qreal s) {
    const QRectF e = Extent(points, &items, s, line);
    return e.width() <= frame.width() && e.height() <= frame.height();
  };
  for (int i = 0; i < 40; ++i) {
    const qreal mid = 0.5 * (low + high);
    (fits(mid) ? low : high) = mid;
  }
  std::vector<qreal> scales;
  if (low >= 0.5 * bare) scales.push_back(low);
  for (qreal f : {0.95, 0.85, 0.75, 0.65, 0.57, 0.5}) scales.push_back(f * bare);

  bool first = true;
  Trial best;
  for (qreal s : scales) {
    // Centred with its texts, the wall kept inside the frame.
    const QRectF e = Extent(points, &items, s, line), g = Extent(points, nullptr, s, line);
    Affine map{s, frame.center().x() - e.center().x(), frame.center().y() - e.center().y()};
    if (g.width() <= frame.width())
      map.x0 = std::max(frame.left() - g.left(), std::min(map.x0, frame.right() - g.right()));
    if (g.height() <= frame.height())
      map.y0 = std::max(frame.top() - g.top(), std::min(map.y0, frame.bottom() - g.bottom()));
    const Obstacles obstacles = ObstaclesOf(d, map);
    for (bool wrapFirst : {false, true}) {
      Trial t = PlaceAll(items, obstacles, frame, map, line, wrapFirst);
      if (first || Cost(t, bare) < Cost(best, bare)) best = std::move(t);
      first = false;
    }
  }
  out.drawn = true;
  out.scale = best.map.scale, out.x0 = best.map.x0, out.y0 = best.map.y0;
  out.texts = std::move(best.texts);
  out.dropped = best.dropped[1] + best.dropped[2];
  out.covering = best.covering;
  return out;
}

void PaintDrawing(QPainter& p, const fe::WallDrawing& d, const QRectF& area, qreal text) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const QFont font = LabelFont(QFont(), text);
  p.setFont(font);
  const QFontMetricsF metrics(font, p.device());
  const qreal line = metrics.height();
  const DrawingLayout layout = LayOutDrawing(d, area, text, p.device());

  // The title and the notes, top left.
  const qreal left = area.left() + 0.5 * line, width = std::max(area.width() - line, line);
  p.setPen(QColor(0x20, 0x20, 0x20));
  p.drawText(QPointF(left, area.top() + 0.3 * line + metrics.ascent()),
             metrics.elidedText(Title(d), Qt::ElideRight, width));
  p.setPen(Ink(DrawLayer::Pressure));
  p.drawText(QPointF(left, area.top() + 1.3 * line + metrics.ascent()),
             metrics.elidedText(Text(d.reaction), Qt::ElideRight, width));
  p.setPen(QColor(0xb0, 0x10, 0x10));
  qreal y = layout.notesTop;
  for (const std::string& n : d.notes) {
    const QRectF box(left, y, width, 10 * line);
    p.drawText(box, kNoteFlags, Text(n));
    y += std::max(p.boundingRect(box, kNoteFlags, Text(n)).height(), line);
  }
  if (!layout.drawn) {
    p.restore();
    return;
  }
  const auto toPolygon = [&](const std::vector<fe::DrawPoint>& pts) {
    QPolygonF poly;
    for (fe::DrawPoint q : pts)
      if (Finite(q)) poly << layout.map(q);
    return poly;
  };

  // Areas first, soil under concrete, then lines, arrows and words on top.
  for (const auto& g : d.polygons) {
    QPen pen(Line(g.layer), 1.2);
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
  for (const auto& a : d.arrows) {
    if (!Finite(a.tail) || !Finite(a.head)) continue;
    const QPointF t = layout.map(a.tail), h = layout.map(a.head);
    p.setPen(QPen(Line(a.layer), a.layer == DrawLayer::Force ? 2.0 : 1.2));
    p.drawLine(t, h);
    DrawArrowHead(p, t, h, a.layer == DrawLayer::Force ? 1.2 * head : head, Fill(a.layer));
  }
  const QColor dim = Line(DrawLayer::Dimension);
  for (const auto& m : d.dimensions) {
    if (!Finite(m.from) || !Finite(m.to) || !Finite(m.lineFrom) || !Finite(m.lineTo)) continue;
    const QPointF a = layout.map(m.lineFrom), b = layout.map(m.lineTo);
    p.setPen(QPen(dim, 0.8));
    if (layout.map(m.from) != a) p.drawLine(layout.map(m.from), a);
    if (layout.map(m.to) != b) p.drawLine(layout.map(m.to), b);
    p.setPen(QPen(dim, 1.0));
    p.drawLine(a, b);
    // Ticks across each end.
    const qreal tick = 0.3 * line;
    for (QPointF e : {a, b}) p.drawLine(e + QPointF(-tick, tick), e + QPointF(tick, -tick));
  }
  for (const PlacedText& t : layout.texts) DrawLabelText(p, t);
  p.restore();
}

}  // namespace gui
