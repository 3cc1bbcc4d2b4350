#include "wall_drawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "keldor.h"
#include "window_tabs.h"

namespace fe {

namespace {

// Degrees to radians as the engine converts them, so that a profile drawn
// here ends where the engine's does.
constexpr float kRadiansPerDegree = 3.1416f / 180.0f;
// No length of a wall comes near this in either unit (10 km in mm); a larger
// value is a typing slip and is not drawn.
constexpr float kLargest = 1.0e7f;
// The most pile rows and surcharges drawn; more are named in a note.
constexpr int kMostDrawn = 200;
// The most pile rows given a dimension from the toe each.
constexpr int kMostRowDimensions = 6;

bool Finite(float v) { return std::isfinite(v) && std::fabs(v) <= kLargest; }

std::string Length(float v, const std::string& unit) { return DrawingNumber(v) + " " + unit; }

// A value in the run's unit with the engineers' unit after it: "1.736 psi
// (250 psf)". Only the units a drawing labels.
std::string Quantity(float v, Unit u, std::int32_t units) {
  std::string text = DrawingNumber(v) + " " + UnitName(u, units);
  EngineerUnit engineer;
  const bool labelled = u == Unit::Stress || u == Unit::LoadPerLength || u == Unit::PileLoad;
  if (!labelled || !EngineerUnitOf(u, units, &engineer)) return text;
  const float shown = v * static_cast<float>(engineer.factor);
  return text + " (" + DrawingNumber(shown) + " " + engineer.name + ")";
}

// The wall as drawn: the record's review values, the design limits, or the
// wall a run ended with.
struct Wall {
  float H = 0, HT = 0, TWMIN = 0, BW = 0, TF = 0, DK = 0, WT = 0, WF = 0;
  bool limits = false;  // design mode before a design exists
  float WTMIN = 0, WTMAX = 0, WHMAX = 0;
  std::int32_t rows = 0;
  const RecordArray* PILEX = nullptr;
  const RecordArray* PILEB = nullptr;
  const RecordArray* PILES = nullptr;
};

class Builder {
 public:
  Builder(const InputRecord& r, const DrawingResults* results, int combination)
      : r_(r), results_(results), combination_(combination) {}

  WallDrawing build();

 private:
  void note(const std::string& text) {
    if (std::find(d_.notes.begin(), d_.notes.end(), text) == d_.notes.end())
      d_.notes.push_back(text);
  }
  bool usable(float v, const char* what);
  void chooseWall();
  void checkWall();
  void concrete();
  void toeSoil();
  void constantSlope();
  void irregularGround();
  void backfill(const std::vector<DrawPoint>& ground, bool fill);
  void topLoads();
  void irregularSurcharges();
  void piles();
  void forces();
  void basePressure();
  void dimensions();
  void dimension(DrawPoint from, DrawPoint to, DrawPoint lineFrom, DrawPoint lineTo,
                 const std::string& label, Anchor anchor,
                 Importance importance = Importance::Useful);
  void lowest(float y) { low_ = std::min(low_, y); }

  const InputRecord& r_;
  const DrawingResults* results_;
  int combination_;
  WallDrawing d_;
  Wall w_;
  // What could be drawn.
  bool stem_ = false, footing_ = false;
  float toeX_ = 0, heelX_ = 0, boff_ = 0;
  float groundEnd_ = 0;  // the right end of the ground drawn
  float low_ = 0;        // the lowest point drawn under the footing
  float left_ = 0;       // the leftmost point drawn
  std::vector<float> pileX_;  // x of each pile row drawn (model frame), row order
  std::vector<int> pileRow_;  // its row number
  std::vector<DrawPoint> pileFoot_;
};

bool Builder::usable(float v, const char* what) {
  if (std::isnan(v)) {
    note(std::string(what) + " is not a number");
    return false;
  }
  if (!Finite(v)) {
    note(std::string(what) + " is too large to draw");
    return false;
  }
  return true;
}

void Builder::chooseWall() {
  w_.H = r_.H;
  w_.HT = r_.HT;
  w_.TWMIN = r_.TWMIN;
  w_.rows = r_.NROWS;
  w_.PILEX = &r_.PILEX;
  w_.PILEB = &r_.PILEB;
  w_.PILES = &r_.PILES;
  const bool design = r_.IMODE == KELDOR_DESIGN;
  if (results_ && results_->hasGeometry && (!design || results_->converged)) {
    w_.BW = results_->BW;
    w_.TF = results_->TF;
    w_.DK = results_->DK;
    w_.WT = results_->WT;
    w_.WF = results_->WF;
    if (design) {
      w_.rows = results_->NROWS;
      w_.PILEX = &results_->PILEX;
      w_.PILEB = &results_->PILEB;
      w_.PILES = &results_->PILES;
    }
    d_.title = design ? "Converged design" : "Review";
    return;
  }
  if (design) {
    // The search's space: the least batter, thickness and toe, and the
    // largest toe and heel it may try.
    w_.limits = true;
    w_.BW = r_.BWMIN;
    w_.TF = r_.TFMIN;
    w_.DK = r_.DKMAX;
    w_.WTMIN = r_.WTMIN;
    w_.WTMAX = r_.WTMAX;
    w_.WHMAX = r_.WHMAX;
    w_.WT = std::max(r_.WTMIN, 0.0f);
    w_.rows = 0;
    d_.title = "Design limits";
    if (results_) note("No design found: the search did not converge");
    return;
  }
  w_.BW = r_.BW;
  w_.TF = r_.TF;
  w_.DK = r_.DK;
  w_.WT = r_.WT;
  w_.WF = r_.WF;
  d_.title = "Review";
}

void Builder::checkWall() {
  const bool h = usable(w_.H, "The design height");
  const bool tw = usable(w_.TWMIN, "The wall thickness");
  const bool bw = usable(w_.BW, "The wall batter");
  const bool tf = usable(w_.TF, "The footing thickness");
  const bool wt = usable(w_.WT, "The toe width");
  bool wf = w_.limits ? usable(w_.WHMAX, "The largest heel width") &&
                            usable(w_.WTMAX, "The largest toe width")
                      : usable(w_.WF, "The footing width");
  if (!usable(w_.DK, "The key depth")) w_.DK = 0;
  if (!usable(w_.HT, "The height of soil over the toe")) w_.HT = 0;

  if (h && !(w_.H > 0)) note("The design height must be greater than zero");
  if (tw && !(w_.TWMIN > 0)) note("The wall thickness must be greater than zero");
  if (bw && !(std::fabs(w_.BW) < 90)) note("The wall batter must lie between -90 and 90 degrees");
  stem_ = h && tw && bw && w_.H > 0 && w_.TWMIN > 0 && std::fabs(w_.BW) < 90;
  boff_ = stem_ ? w_.H * std::tan(w_.BW * kRadiansPerDegree) : 0.0f;
  if (stem_ && !(w_.TWMIN + boff_ > 0)) {
    note("The stem's back face crosses its front face");
    stem_ = false;
  }
  if (!Finite(boff_)) boff_ = 0, stem_ = false;

  if (tf && !(w_.TF > 0)) note("The footing thickness must be greater than zero");
  if (wt && w_.WT < 0) note("The toe width is negative");
  if (w_.DK < 0) note("The key depth is negative"), w_.DK = 0;
  if (w_.HT < 0) note("The height of soil over the toe is negative"), w_.HT = 0;
  const float base = tw ? w_.TWMIN + boff_ : 0.0f;
  if (w_.limits) {
    // The footing the search starts from: the least toe under the stem.
    w_.WF = w_.WT + base;
    if (wf && w_.WTMAX < w_.WTMIN) note("The largest toe width is smaller than the smallest");
    if (wf && stem_ && w_.WHMAX < base)
      note("The largest heel width is smaller than the stem at its base");
  } else if (wf && !(w_.WF > 0)) {
    note("The footing width must be greater than zero");
    wf = false;
  } else if (wf && wt && stem_ && w_.WF < w_.WT + base) {
    note("Footing width is smaller than the toe plus the stem");
  }
  if (!h || !(w_.H > 0)) w_.H = 0;  // the footing is still drawn, at the top
  toeX_ = -(w_.WT + w_.TWMIN);
  heelX_ = w_.limits ? boff_ : w_.WF - w_.WT - w_.TWMIN;
  footing_ = tw && tf && wt && wf && w_.TF > 0 && heelX_ > toeX_ && Finite(toeX_) &&
             Finite(heelX_);
  if (!tw) w_.TWMIN = 0;
  if (!tf || !(w_.TF > 0)) w_.TF = 0;

  float span = footing_ ? heelX_ - toeX_ : w_.TWMIN + std::fabs(boff_);
  if (w_.limits && footing_) span = std::max(span, w_.WTMAX + w_.WHMAX);
  d_.size = std::max({w_.H + w_.TF + w_.DK, span, 0.0f});
  if (!(d_.size > 0) || !Finite(d_.size)) d_.size = 1;
  groundEnd_ = std::max(heelX_, boff_) + 0.3f * d_.size;
  low_ = -(w_.H + w_.TF);
  left_ = footing_ ? toeX_ : -w_.TWMIN;
}

void Builder::concrete() {
  const float top = -w_.H, bottom = -(w_.H + w_.TF);
  if (stem_) {
    d_.polygons.push_back({DrawLayer::Concrete, "stem",
                           {{-w_.TWMIN, 0}, {0, 0}, {boff_, top}, {-w_.TWMIN, top}}});
    const std::string name = w_.limits ? "BWMIN = " : "BW = ";
    if (w_.BW != 0)
      d_.labels.push_back({DrawLayer::Dimension, {0.5f * boff_, 0.5f * top},
                           name + DrawingNumber(w_.BW) + "\u00b0", Anchor::Right});
  }
  if (footing_) {
    d_.polygons.push_back({DrawLayer::Concrete, "footing",
                           {{toeX_, top}, {heelX_, top}, {heelX_, bottom}, {toeX_, bottom}}});
    if (stem_ && w_.DK > 0) {
      // The key hangs under the stem, as wide as the stem's base.
      d_.polygons.push_back({DrawLayer::Concrete, "key",
                             {{-w_.TWMIN, bottom},
                              {boff_, bottom},
                              {boff_, bottom - w_.DK},
                              {-w_.TWMIN, bottom - w_.DK}}});
      lowest(bottom - w_.DK);
    }
  }
  if (w_.limits && footing_) {
    const float x1 = -(w_.WTMAX + w_.TWMIN), x2 = w_.WHMAX - w_.TWMIN;
    if (x2 > x1)
      d_.polygons.push_back({DrawLayer::Searched, "largest footing",
                             {{x1, top}, {x2, top}, {x2, bottom}, {x1, bottom}},
                             true});
    left_ = std::min(left_, x1);
    groundEnd_ = std::max(groundEnd_, x2 + 0.3f * d_.size);
  }
}

void Builder::toeSoil() {
  if (!footing_) return;
  const float top = -w_.H + w_.HT;
  if (w_.HT > 0 && w_.WT > 0)
    d_.polygons.push_back({DrawLayer::Soil, "toe soil",
                           {{toeX_, -w_.H}, {-w_.TWMIN, -w_.H}, {-w_.TWMIN, top}, {toeX_, top}}});
  const float start = left_ - 0.15f * d_.size;
  d_.polylines.push_back({DrawLayer::Ground, "ground in front", {{start, top}, {-w_.TWMIN, top}}});
  left_ = start;
}

void Builder::backfill(const std::vector<DrawPoint>& ground, bool fill) {
  if (ground.size() < 2) return;
  d_.polylines.push_back({DrawLayer::Ground, "ground", ground});
  if (!fill || !stem_ || !footing_ || heelX_ < boff_) return;
  const float bottom = -(w_.H + w_.TF);
  for (const DrawPoint& p : ground)
    if (p.y < bottom) return;  // a ground below the footing is not filled
  std::vector<DrawPoint> soil = ground;
  soil.push_back({ground.back().x, bottom});
  soil.push_back({heelX_, bottom});
  soil.push_back({heelX_, -w_.H});
  soil.push_back({boff_, -w_.H});
  d_.polygons.insert(d_.polygons.begin(), {DrawLayer::Soil, "backfill", soil});
}

void Builder::constantSlope() {
  if (!stem_) return;
  if (!usable(r_.BETA, "The backfill slope")) return;
  if (!(std::fabs(r_.BETA) < 90)) {
    note("The backfill slope must lie between -90 and 90 degrees");
    return;
  }
  const float slope = std::tan(r_.BETA * kRadiansPerDegree);
  const DrawPoint end{groundEnd_, groundEnd_ * slope};
  backfill({{0, 0}, end}, true);

  if (r_.SUR == 0 || !usable(r_.SUR, "The surcharge")) return;
  // The uniform surcharge: arrows down onto the ground over its length.
  constexpr int kArrows = 7;
  const float rise = 0.1f * d_.size * (r_.SUR > 0 ? 1.0f : -1.0f);
  for (int i = 0; i < kArrows; ++i) {
    const float x = end.x * static_cast<float>(i) / static_cast<float>(kArrows - 1);
    d_.arrows.push_back({DrawLayer::Load, {x, x * slope + rise}, {x, x * slope}, ""});
  }
  d_.polylines.push_back({DrawLayer::Load, "surcharge", {{0, rise}, {end.x, end.y + rise}}});
  d_.labels.push_back({DrawLayer::Load,
                       {0.5f * end.x, 0.5f * end.y + rise},
                       "SUR = " + Quantity(r_.SUR, Unit::Stress, r_.IUNITS), Anchor::Above,
                       Importance::Essential});
}

void Builder::irregularGround() {
  if (r_.NSEG <= 0) {
    note("There are no backfill segments");
    return;
  }
  std::vector<DrawPoint> ground{{0, 0}};
  bool fill = true;
  float x = 0, y = 0;
  for (int i = 1; i <= r_.NSEG; ++i) {
    const float length = r_.LSEG.at_or_zero(i), angle = r_.ASEG.at_or_zero(i);
    const std::string which = "Backfill segment " + std::to_string(i);
    if (!usable(length, which.c_str()) || !usable(angle, which.c_str())) {
      fill = false;
      break;
    }
    const float radians = angle * kRadiansPerDegree;
    const float nx = x + length * std::cos(radians), ny = y + length * std::sin(radians);
    if (!Finite(nx) || !Finite(ny)) {
      note(which + " is too large to draw");
      fill = false;
      break;
    }
    if (length < 0) {
      note(which + " has a negative length");
      fill = false;
    } else if (nx < x) {
      note("The ground profile turns back at segment " + std::to_string(i));
      fill = false;
    }
    x = nx, y = ny;
    ground.push_back({x, y});
  }
  if (fill && stem_ && footing_ && x < heelX_) {
    note("The ground profile ends before the heel");
    fill = false;
  }
  groundEnd_ = std::max(groundEnd_, x);
  backfill(ground, fill);
}

void Builder::irregularSurcharges() {
  const int count = std::min(r_.NSUR, kMostDrawn);
  if (r_.NSUR > kMostDrawn)
    note("Only the first " + std::to_string(kMostDrawn) + " surcharges are drawn");
  const float rise = 0.08f * d_.size;
  for (int j = 1; j <= count; ++j) {
    const DrawPoint a{r_.XSBEG.at_or_zero(j), r_.YSBEG.at_or_zero(j)};
    const DrawPoint b{r_.XSEND.at_or_zero(j), r_.YSEND.at_or_zero(j)};
    const float load = r_.SURL.at_or_zero(j);
    if (!Finite(a.x) || !Finite(a.y) || !Finite(b.x) || !Finite(b.y) || !Finite(load)) {
      note("Surcharge " + std::to_string(j) + " cannot be drawn");
      continue;
    }
    d_.polylines.push_back({DrawLayer::Load, "surcharge " + std::to_string(j), {a, b}});
    constexpr int kArrows = 4;
    for (int i = 0; i < kArrows; ++i) {
      const float t = static_cast<float>(i) / static_cast<float>(kArrows - 1);
      const DrawPoint p{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
      d_.arrows.push_back({DrawLayer::Load, {p.x, p.y + rise}, p, ""});
    }
    d_.labels.push_back({DrawLayer::Load,
                         {0.5f * (a.x + b.x), 0.5f * (a.y + b.y) + rise},
                         Quantity(load, Unit::LoadPerLength, r_.IUNITS), Anchor::Above});
    groundEnd_ = std::max(groundEnd_, std::max(a.x, b.x));
  }
}

void Builder::topLoads() {
  if (!stem_) return;
  const float rise = 0.12f * d_.size;
  const struct {
    const char* name;
    float load, at;
  } loads[] = {{"PD", r_.PD, r_.PDX}, {"PL", r_.PL, r_.PLX}};
  float shift = 0;
  for (const auto& l : loads) {
    if (l.load == 0 || !Finite(l.load) || !Finite(l.at)) continue;
    // The distance is measured from the stem's front face.
    const float x = -w_.TWMIN + l.at;
    // Each label beside its arrow's tail, so that a second load at the same
    // place runs past the first one's label, not through it.
    d_.arrows.push_back({DrawLayer::Load, {x, rise + shift}, {x, 0}, ""});
    d_.labels.push_back({DrawLayer::Load, {x, rise + shift},
                         std::string(l.name) + " = " +
                             Quantity(l.load, Unit::LoadPerLength, r_.IUNITS),
                         Anchor::Right});
    shift += 0.06f * d_.size;
  }
}

void Builder::piles() {
  if (r_.IFOOT != KELDOR_PILE_FOOTING || !footing_) return;
  if (w_.rows <= 0) {
    if (!w_.limits) note("There are no pile rows");
    return;
  }
  const int count = std::min(w_.rows, kMostDrawn);
  if (w_.rows > kMostDrawn)
    note("Only the first " + std::to_string(kMostDrawn) + " pile rows are drawn");
  const float top = -(w_.H + w_.TF);
  const float length = 0.45f * (w_.H + w_.TF);
  float width = r_.PILEDIA;
  if (!Finite(width) || !(width > 0) || width > 0.2f * d_.size) width = 0.02f * d_.size;
  for (int i = 1; i <= count; ++i) {
    const float at = w_.PILEX->at_or_zero(i), batter = w_.PILEB->at_or_zero(i);
    const float spacing = w_.PILES->at_or_zero(i);
    const std::string row = "Pile row " + std::to_string(i);
    if (!Finite(at) || !Finite(batter) || !(std::fabs(batter) < 90)) {
      note(row + " cannot be drawn");
      continue;
    }
    if (at < 0 || at > w_.WF) note(row + " lies outside the footing");
    const float radians = batter * kRadiansPerDegree;
    // A battered pile leans its foot towards the toe, so that its thrust
    // resists the earth pushing the wall forward.
    const float x = toeX_ + at;
    const float dx = -length * std::sin(radians), dy = -length * std::cos(radians);
    const float hx = 0.5f * width * std::cos(radians), hy = -0.5f * width * std::sin(radians);
    d_.polygons.push_back({DrawLayer::Pile, "pile row " + std::to_string(i),
                           {{x - hx, top - hy},
                            {x + hx, top + hy},
                            {x + hx + dx, top + hy + dy},
                            {x - hx + dx, top - hy + dy}}});
    std::string label = "s = " + Length(spacing, d_.unit);
    if (batter != 0) label = DrawingNumber(batter) + "\u00b0, " + label;
    d_.labels.push_back({DrawLayer::Pile, {x + dx, top + dy}, label, Anchor::Below});
    lowest(top + dy - (results_ ? 0.18f : 0.1f) * d_.size);  // room for its labels
    left_ = std::min(left_, x + dx - width);
    pileX_.push_back(x);
    pileRow_.push_back(i);
    pileFoot_.push_back({x + dx, top + dy});
  }
}

void Builder::forces() {
  if (!results_ || !footing_) return;
  float largest = 0;
  for (const DrawnForce& f : results_->forces)
    if (Finite(f.force)) largest = std::max(largest, std::fabs(f.force));
  if (!(largest > 0)) return;
  const float base = -(w_.H + w_.TF);
  for (const DrawnForce& f : results_->forces) {
    if (!Finite(f.force) || !Finite(f.height) || f.force == 0) continue;
    const float y = base + f.height;
    const float length = (0.12f + 0.18f * std::fabs(f.force) / largest) * d_.size;
    d_.arrows.push_back({DrawLayer::Force, {heelX_ + length, y}, {heelX_, y},
                         f.name + " " + Quantity(f.force, Unit::LoadPerLength, r_.IUNITS),
                         Importance::Essential});
    groundEnd_ = std::max(groundEnd_, heelX_ + length);
  }
}

void Builder::basePressure() {
  if (!results_ || !footing_ || results_->combinations.empty()) return;
  const int n = static_cast<int>(results_->combinations.size());
  int which = combination_;
  if (which < 0 || which >= n) which = results_->governing;
  if (which < 0 || which >= n) which = 0;
  const DrawnCombination& c = results_->combinations[static_cast<std::size_t>(which)];

  if (r_.IFOOT == KELDOR_PILE_FOOTING) {
    const std::size_t rows = std::min(pileFoot_.size(), c.pileLoads.size());
    for (std::size_t k = 0; k < rows; ++k) {
      const std::size_t row = static_cast<std::size_t>(pileRow_[k] - 1);
      if (row >= c.pileLoads.size() || !Finite(c.pileLoads[row])) continue;
      // Under the pile's foot, beside its spacing.
      d_.labels.push_back({DrawLayer::Pressure, pileFoot_[k],
                           "P = " + Quantity(c.pileLoads[row], Unit::PileLoad, r_.IUNITS),
                           Anchor::Below, Importance::Essential});
    }
    d_.reaction = "Pile loads of " + c.label;
    return;
  }
  if (!c.hasPressure) return;
  if (!Finite(c.eccentricity) || !Finite(c.toePressure) || !Finite(c.heelPressure)) {
    note("The bearing pressure of " + c.label + " cannot be drawn");
    return;
  }
  const float wf = heelX_ - toeX_, e = c.eccentricity;
  if (std::fabs(e) >= 0.5f * wf) {
    note("The resultant lies outside the footing in " + c.label);
    return;
  }
  const float largest = std::max(std::fabs(c.toePressure), std::fabs(c.heelPressure));
  if (!(largest > 0)) return;
  const float y0 = low_ - 0.04f * d_.size;
  const float scale = 0.15f * d_.size / largest;
  const float toe = y0 - scale * c.toePressure, heel = y0 - scale * c.heelPressure;
  std::vector<DrawPoint> shape;
  if (std::fabs(e) <= wf / 6) {
    shape = {{toeX_, y0}, {heelX_, y0}, {heelX_, heel}, {toeX_, toe}};
  } else if (e >= 0) {
    // Only part of the base is in compression: a triangle from the toe.
    const float reach = 3 * (0.5f * wf - std::fabs(e));
    shape = {{toeX_, y0}, {toeX_ + reach, y0}, {toeX_, toe}};
  } else {
    const float reach = 3 * (0.5f * wf - std::fabs(e));
    shape = {{heelX_ - reach, y0}, {heelX_, y0}, {heelX_, heel}};
  }
  d_.polygons.push_back({DrawLayer::Pressure, "bearing pressure", shape});
  d_.labels.push_back({DrawLayer::Pressure, {toeX_, toe},
                       "q toe = " + Quantity(c.toePressure, Unit::Stress, r_.IUNITS),
                       Anchor::Left, Importance::Essential});
  d_.labels.push_back({DrawLayer::Pressure, {heelX_, heel},
                       "q heel = " + Quantity(c.heelPressure, Unit::Stress, r_.IUNITS),
                       Anchor::Right, Importance::Essential});
  d_.reaction = "Bearing pressure of " + c.label;
  lowest(std::min({toe, heel, y0}) - 0.05f * d_.size);
}

void Builder::dimension(DrawPoint from, DrawPoint to, DrawPoint lineFrom, DrawPoint lineTo,
                        const std::string& label, Anchor anchor, Importance importance) {
  d_.dimensions.push_back({from, to, lineFrom, lineTo, label, anchor, importance});
}

void Builder::dimensions() {
  const float step = 0.08f * d_.size;
  const std::string& u = d_.unit;
  const float top = -w_.H, bottom = -(w_.H + w_.TF);
  if (stem_) {
    // The stem's thickness at the top, above it, its words in front of the
    // wall: the stem is seldom wide enough to hold them.
    dimension({-w_.TWMIN, 0}, {0, 0}, {-w_.TWMIN, step}, {0, step},
              "TWMIN = " + Length(w_.TWMIN, u), Anchor::Left);
  }
  // Heights, left of everything.
  const float x1 = left_ - 0.5f * step, x2 = x1 - 1.6f * step;
  if (stem_ || footing_) {
    const float at = footing_ ? toeX_ : -w_.TWMIN;
    if (w_.H > 0)
      dimension({-w_.TWMIN, 0}, {at, top}, {x1, 0}, {x1, top}, "H = " + Length(w_.H, u),
                Anchor::Left, Importance::Essential);
    if (footing_)
      dimension({toeX_, top}, {toeX_, bottom}, {x1, top}, {x1, bottom},
                "TF = " + Length(w_.TF, u), Anchor::Left, Importance::Essential);
    if (footing_ && w_.HT > 0)
      dimension({toeX_, top}, {toeX_, top + w_.HT}, {x2, top}, {x2, top + w_.HT},
                "HT = " + Length(w_.HT, u), Anchor::Left);
  }
  if (stem_ && footing_ && w_.DK > 0)
    dimension({boff_, bottom}, {boff_, bottom - w_.DK}, {boff_ + 0.5f * step, bottom},
              {boff_ + 0.5f * step, bottom - w_.DK}, "DK = " + Length(w_.DK, u), Anchor::Right);
  if (!footing_) return;

  // Widths, in chains below everything under the footing.
  float y = low_ - step;
  auto chain = [&](float a, float b, const std::string& label,
                   Importance importance = Importance::Useful) {
    if (b > a) dimension({a, bottom}, {b, bottom}, {a, y}, {b, y}, label, Anchor::Below, importance);
  };
  if (w_.limits) {
    chain(toeX_, -w_.TWMIN, "WTMIN = " + Length(w_.WT, u));
    if (stem_) chain(-w_.TWMIN, boff_, "base = " + Length(w_.TWMIN + boff_, u));
    y -= 1.3f * step;
    chain(-(w_.WTMAX + w_.TWMIN), -w_.TWMIN, "WTMAX = " + Length(w_.WTMAX, u),
          Importance::Essential);
    chain(-w_.TWMIN, w_.WHMAX - w_.TWMIN, "WHMAX = " + Length(w_.WHMAX, u),
          Importance::Essential);
    return;
  }
  chain(toeX_, -w_.TWMIN, "WT = " + Length(w_.WT, u));
  if (stem_) {
    chain(-w_.TWMIN, boff_, "base = " + Length(w_.TWMIN + boff_, u));
    chain(boff_, heelX_, "heel = " + Length(heelX_ - boff_, u));
  }
  y -= 1.3f * step;
  chain(toeX_, heelX_, "WF = " + Length(w_.WF, u), Importance::Essential);
  if (pileX_.empty() || pileX_.size() > static_cast<std::size_t>(kMostRowDimensions)) return;
  // The rows in one chain from the toe, each measure from the row before.
  std::vector<float> at{toeX_};
  for (float x : pileX_)
    if (x > toeX_ && x <= heelX_) at.push_back(x);
  std::sort(at.begin(), at.end());
  at.erase(std::unique(at.begin(), at.end()), at.end());
  y -= 1.3f * step;
  for (std::size_t k = 1; k < at.size(); ++k)
    chain(at[k - 1], at[k], Length(at[k] - at[k - 1], u));
}

WallDrawing Builder::build() {
  d_.unit = UnitName(Unit::Length, r_.IUNITS);
  if (d_.unit.empty()) d_.unit = "in";
  if (r_.IUNITS != KELDOR_ENGLISH && r_.IUNITS != KELDOR_SI)
    note("Choose English or SI units");
  chooseWall();
  checkWall();
  concrete();
  toeSoil();
  if (r_.ISOIL == KELDOR_IRREGULAR) {
    irregularSurcharges();
    irregularGround();
  } else if (r_.ISOIL == KELDOR_CONSTANT_SLOPE) {
    constantSlope();
  } else {
    note("Choose a constant slope or an irregular backfill");
  }
  topLoads();
  piles();
  forces();
  basePressure();
  dimensions();
  return std::move(d_);
}

}  // namespace

bool WallDrawing::bounds(DrawPoint* low, DrawPoint* high) const {
  bool any = false;
  DrawPoint lo, hi;
  auto add = [&](DrawPoint p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    if (!any) {
      lo = hi = p;
      any = true;
      return;
    }
    lo.x = std::min(lo.x, p.x), lo.y = std::min(lo.y, p.y);
    hi.x = std::max(hi.x, p.x), hi.y = std::max(hi.y, p.y);
  };
  for (const DrawPolygon& g : polygons)
    for (DrawPoint p : g.points) add(p);
  for (const DrawPolyline& l : polylines)
    for (DrawPoint p : l.points) add(p);
  for (const DrawArrow& a : arrows) add(a.tail), add(a.head);
  for (const DrawDimension& m : dimensions) add(m.from), add(m.to), add(m.lineFrom), add(m.lineTo);
  for (const DrawLabel& l : labels) add(l.at);
  if (any) *low = lo, *high = hi;
  return any;
}

const DrawPolygon* WallDrawing::polygon(const std::string& name) const {
  for (const DrawPolygon& g : polygons)
    if (g.name == name) return &g;
  return nullptr;
}

DrawingResults DrawingResultsOf(const RunResults& run) {
  DrawingResults d;
  d.converged = run.converged;
  d.hasGeometry = run.analysed;
  const GeometryResult& g = run.geometry;
  d.BW = g.BW, d.TF = g.TF, d.DK = g.DK, d.WT = g.WT, d.WF = g.WF;
  d.NROWS = static_cast<std::int32_t>(run.piles.size());
  d.PILEX.resize(d.NROWS), d.PILEB.resize(d.NROWS), d.PILES.resize(d.NROWS);
  for (int j = 1; j <= d.NROWS; ++j) {
    const PileRowResult& p = run.piles[static_cast<std::size_t>(j - 1)];
    d.PILEX(j) = p.x, d.PILEB(j) = p.batter, d.PILES(j) = p.spacing;
  }
  const EarthForceResult& f = run.footingForces;
  if (f.computed()) {
    d.forces.push_back({"Earth", f.earth, f.earthHeight});
    if (f.withSurcharge != f.earth)
      d.forces.push_back({"Earth + surcharge", f.withSurcharge, f.withSurchargeHeight});
    if (f.seismic > 0) d.forces.push_back({"Seismic", f.seismic, f.seismicHeight});
  }
  const bool spread = run.foundation != KELDOR_PILE_FOOTING;
  for (const BaseReactionResult& b : run.reactions) {
    DrawnCombination c;
    c.label = "Combination " + std::to_string(b.combination);
    c.hasPressure = spread && std::isfinite(b.eccentricity);
    c.eccentricity = b.eccentricity, c.toePressure = b.toe, c.heelPressure = b.heel;
    c.pileLoads = b.pileLoads;
    d.combinations.push_back(std::move(c));
  }
  // The governing combination: that of the base check with the highest
  // ratio (a failing check without figures first).
  const CheckResult* worst = nullptr;
  for (const CheckResult& c : run.checks) {
    if (c.place != KELDOR_AT_STABILITY && c.place != KELDOR_AT_PILES) continue;
    if (c.combination <= 0) continue;
    const bool unmeasured = !c.passes && std::isnan(c.ratio);
    const bool worstUnmeasured = worst && !worst->passes && std::isnan(worst->ratio);
    if (!worst || (unmeasured && !worstUnmeasured) ||
        (!worstUnmeasured && std::isfinite(c.ratio) && !(c.ratio <= worst->ratio)))
      worst = &c;
  }
  if (worst)
    for (std::size_t k = 0; k < run.reactions.size(); ++k)
      if (run.reactions[k].combination == worst->combination) {
        d.governing = static_cast<int>(k);
        break;
      }
  return d;
}

WallDrawing DrawWall(const InputRecord& r, const DrawingResults* results, int combination) {
  return Builder(r, results, combination).build();
}

std::string DrawingNumber(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0) value = 0;  // no "-0"
  char text[64];
  const std::to_chars_result done =
      std::fabs(value) >= 1000
          ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 0)
          : std::to_chars(text, text + sizeof text, value, std::chars_format::general, 4);
  return std::string(text, done.ptr);
}

}  // namespace fe
