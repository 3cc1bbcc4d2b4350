// The wall section as plain geometry: the stem, footing, key and soil, the
// ground behind the wall, the loads on it, the piles and, after a run, the
// earth forces, the bearing pressure and the pile loads, with dimensions and
// labels. Everything is in the engine's frame and length unit: the origin at
// the top of the stem's back face, x into the backfill, y upward, so the toe
// lies at x = -(WT + TWMIN) and the top of the footing at y = -H.
//
// The window and the exported files paint these primitives; nothing here
// knows how. Building a drawing never throws and never loops without bound:
// geometry that cannot be drawn is left out and named in a note.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "input_record.h"
#include "run_results.h"

namespace fe {

struct DrawPoint {
  float x = 0, y = 0;
};

// What a primitive shows, so that a painter can give each its colour.
enum class DrawLayer {
  Concrete,   // stem, footing, key
  Soil,       // soil over the toe and behind the wall
  Ground,     // ground lines
  Searched,   // design mode: the largest toe and heel the search may try
  Pile,
  Load,       // surcharges
  Force,      // earth forces after a run
  Pressure,   // bearing pressure after a run
  Dimension,
};

// Where a label sits relative to its point. On a horizontal dimension, Left
// and Right put the label beyond the line's start or end, for a measure too
// short to hold its words.
enum class Anchor { Centre, Above, Below, Left, Right };

// How much a label matters when a small picture has no room for every one:
// essential labels are always written, the others only where they fit
// without covering another.
enum class Importance { Essential, Useful, Detail };

struct DrawPolygon {
  DrawLayer layer;
  std::string name;  // "stem", "footing", "key", "toe soil", "backfill", ...
  std::vector<DrawPoint> points;
  bool dashed = false;
};

struct DrawPolyline {
  DrawLayer layer;
  std::string name;
  std::vector<DrawPoint> points;
  bool dashed = false;
};

// An arrow from `tail` to `head`; its label sits at the tail, on the side
// away from the head.
struct DrawArrow {
  DrawLayer layer;
  DrawPoint tail, head;
  std::string label;
  Importance importance = Importance::Useful;
};

// A dimension between `from` and `to`, drawn as the line lineFrom–lineTo with
// extension lines from the measured points to it and the label at its middle.
struct DrawDimension {
  DrawPoint from, to;
  DrawPoint lineFrom, lineTo;
  std::string label;
  Anchor anchor = Anchor::Below;
  Importance importance = Importance::Useful;
};

struct DrawLabel {
  DrawLayer layer;
  DrawPoint at;
  std::string text;
  Anchor anchor = Anchor::Centre;
  Importance importance = Importance::Useful;
};

struct WallDrawing {
  std::vector<DrawPolygon> polygons;
  std::vector<DrawPolyline> polylines;
  std::vector<DrawArrow> arrows;
  std::vector<DrawDimension> dimensions;
  std::vector<DrawLabel> labels;
  // Why part of the wall is not drawn, one short sentence each.
  std::vector<std::string> notes;
  std::string title;  // what is drawn: "Review", "Design limits", "Converged design", ...
  // After a run, whose base reaction is drawn: "Bearing pressure of
  // Combination 2", "Pile loads of Combination 1"; else empty.
  std::string reaction;
  std::string unit;   // the length unit of every number: "in" or "mm"
  // The size of the wall in model units (its height or width, the larger);
  // painters scale arrow heads and the like from it. Always positive.
  float size = 1;

  // The smallest box around every point of every primitive; false when the
  // drawing holds no point.
  bool bounds(DrawPoint* low, DrawPoint* high) const;
  const DrawPolygon* polygon(const std::string& name) const;
};

// ---- Results of a run, as the drawing needs them ----------------------------

// A horizontal force on the vertical plane through the heel end, at its
// height above the underside of the footing there (per unit length of wall).
struct DrawnForce {
  std::string name;  // "Earth", "Earth + surcharge", "Seismic"
  float force = 0;
  float height = 0;
};

// The base reaction of one load combination.
struct DrawnCombination {
  std::string label;  // as the combo box lists it: "Combination 2"
  // Spread footing: eccentricity from the centre of the footing (positive
  // towards the toe) and the toe and heel pressures.
  bool hasPressure = false;
  float eccentricity = 0, toePressure = 0, heelPressure = 0;
  // Pile footing: the axial load of one pile of each row (row 1 first).
  std::vector<float> pileLoads;
};

struct DrawingResults {
  // Design mode: whether the search found a design. A design that was not
  // found leaves the limits drawn.
  bool converged = true;
  // Whether the wall below is the one the run analysed; without it the
  // record's wall is drawn.
  bool hasGeometry = true;
  // The wall the report's last sections use (BW in degrees).
  float BW = 0, TF = 0, DK = 0, WT = 0, WF = 0;
  std::int32_t NROWS = 0;
  RecordArray PILEX, PILEB, PILES;  // PILEB in degrees
  std::vector<DrawnForce> forces;
  std::vector<DrawnCombination> combinations;
  int governing = 0;  // index of the governing combination
};

// What a run's results give the drawing: its final wall, the earth forces
// of the footing analysis and the base reaction of every combination, the
// governing one being that of the stability or pile check of highest ratio.
DrawingResults DrawingResultsOf(const RunResults& run);

// The drawing of the record's wall; after a run, `results` puts in the wall
// the run ended with and its forces, and `combination` (an index into
// results->combinations; out of range: the governing one) picks the base
// reaction drawn.
WallDrawing DrawWall(const InputRecord& r, const DrawingResults* results = nullptr,
                     int combination = -1);

// A number for a drawing: four significant figures, whole numbers from 1000
// on, a period for the decimal point whatever the locale ("120", "2.4",
// "0.0868", "1736", "-5").
std::string DrawingNumber(float value);

}  // namespace fe
