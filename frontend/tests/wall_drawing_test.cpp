// The wall drawing's geometry against hand values, and every record it cannot
// draw whole giving a note instead of a fault.
#include "wall_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "input_file.h"
#include "keldor.h"
#include "picture_size.h"
#include "start_up.h"

namespace fe {
namespace {

InputRecord Example(const std::string& name) {
  InputRecord r = StartUp();
  std::string error;
  EXPECT_TRUE(LoadInputFile(r, std::string(KELDOR_SOURCE_DIR) + "/examples/" + name, &error))
      << error;
  return r;
}

// The reference wall of the hand calculation: a 10 ft stem, 12 in thick, on
// an 8 ft footing 18 in thick with a 3 ft toe.
InputRecord ReferenceWall() {
  InputRecord r = StartUp();
  r.IMODE = KELDOR_REVIEW, r.ISOIL = KELDOR_CONSTANT_SLOPE, r.IFOOT = KELDOR_SPREAD_FOOTING;
  r.H = 120, r.HT = 0, r.BETA = 0, r.SUR = 0;
  r.TWMIN = 12, r.BW = 0, r.TF = 18, r.DK = 0, r.WT = 36, r.WF = 96;
  return r;
}

void ExpectPolygon(const WallDrawing& d, const std::string& name,
                   const std::vector<DrawPoint>& corners) {
  const DrawPolygon* g = d.polygon(name);
  ASSERT_NE(g, nullptr) << "no " << name;
  ASSERT_EQ(g->points.size(), corners.size()) << name;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    EXPECT_NEAR(g->points[i].x, corners[i].x, 1e-3) << name << " corner " << i;
    EXPECT_NEAR(g->points[i].y, corners[i].y, 1e-3) << name << " corner " << i;
  }
}

bool HasNote(const WallDrawing& d, const std::string& text) {
  return std::find(d.notes.begin(), d.notes.end(), text) != d.notes.end();
}

std::string Notes(const WallDrawing& d) {
  std::string all;
  for (const std::string& n : d.notes) all += "[" + n + "] ";
  return all;
}

const DrawPolyline* Line(const WallDrawing& d, const std::string& name) {
  for (const DrawPolyline& l : d.polylines)
    if (l.name == name) return &l;
  return nullptr;
}

// Whether a dimension, label or arrow of the drawing reads `text`.
bool Has(const WallDrawing& d, const std::string& text) {
  for (const DrawDimension& m : d.dimensions)
    if (m.label == text) return true;
  for (const DrawLabel& l : d.labels)
    if (l.text == text) return true;
  for (const DrawArrow& a : d.arrows)
    if (a.label == text) return true;
  return false;
}

// ---- The outline against hand values ----------------------------------------

TEST(WallOutline, ReferenceWallCornersInTheEngineFrame) {
  const WallDrawing d = DrawWall(ReferenceWall());
  EXPECT_TRUE(d.notes.empty()) << Notes(d);
  EXPECT_EQ(d.title, "Review");
  EXPECT_EQ(d.unit, "in");
  // Toe corner at -(WT + TWMIN) = -48, heel end at WF - WT - TWMIN = 48.
  ExpectPolygon(d, "stem", {{-12, 0}, {0, 0}, {0, -120}, {-12, -120}});
  ExpectPolygon(d, "footing", {{-48, -120}, {48, -120}, {48, -138}, {-48, -138}});
  EXPECT_EQ(d.polygon("key"), nullptr);
  EXPECT_EQ(d.polygon("toe soil"), nullptr);  // HT = 0
  for (const char* m : {"H = 120 in", "TF = 18 in", "WT = 36 in", "WF = 96 in", "heel = 48 in",
                        "TWMIN = 12 in", "base = 12 in"})
    EXPECT_TRUE(Has(d, m)) << m;
}

TEST(WallOutline, SiReviewWithBatterAndBackslope) {
  const WallDrawing d = DrawWall(Example("review-si-spread.in"));
  EXPECT_TRUE(d.notes.empty()) << Notes(d);
  EXPECT_EQ(d.unit, "mm");
  // BW 2.29 degrees over 3000 mm moves the back face 119.97 mm out at the base.
  ExpectPolygon(d, "stem", {{-300, 0}, {0, 0}, {119.968f, -3000}, {-300, -3000}});
  ExpectPolygon(d, "footing", {{-1200, -3000}, {1500, -3000}, {1500, -3450}, {-1200, -3450}});
  EXPECT_TRUE(Has(d, "heel = 1380 mm") && Has(d, "base = 420 mm"));
  // The ground rises at BETA = 10 degrees from the top of the back face.
  const DrawPolyline* ground = Line(d, "ground");
  ASSERT_NE(ground, nullptr);
  ASSERT_EQ(ground->points.size(), 2u);
  EXPECT_TRUE(ground->points[0].x == 0 && ground->points[0].y == 0);
  EXPECT_NEAR(ground->points[1].y / ground->points[1].x, std::tan(10 * 3.1416 / 180), 1e-5);
}

TEST(WallOutline, DesignLimitsDrawTheLeastWallAndTheSearchedFootingDashed) {
  const WallDrawing d = DrawWall(Example("design-10ft-spread.in"));
  EXPECT_TRUE(d.notes.empty()) << Notes(d);
  EXPECT_EQ(d.title, "Design limits");
  // Stem at the least batter 2.4 degrees: 120 tan(2.4) = 5.0295 at the base;
  // the least footing: toe WTMIN = 0, heel at the stem's back face.
  ExpectPolygon(d, "stem", {{-12, 0}, {0, 0}, {5.0295f, -120}, {-12, -120}});
  ExpectPolygon(d, "footing", {{-12, -120}, {5.0295f, -120}, {5.0295f, -135}, {-12, -135}});
  // The largest: toe WTMAX = 60 in front of the stem, WF = WTMAX + WHMAX.
  ExpectPolygon(d, "largest footing", {{-72, -120}, {108, -120}, {108, -135}, {-72, -135}});
  EXPECT_TRUE(d.polygon("largest footing")->dashed);
  for (const char* m : {"WTMAX = 60 in", "WHMAX = 120 in", "BWMIN = 2.4\u00b0",
                        "SUR = 1.736 psi (250 psf)"})
    EXPECT_TRUE(Has(d, m)) << m;
}

// ---- The irregular backfill ---------------------------------------------------

TEST(IrregularBackfill, ProfileVerticesAreTheSegmentSumsAndTheKeyHangsUnderTheStem) {
  const InputRecord r = Example("design-irregular-spread.in");
  const WallDrawing d = DrawWall(r);
  // WTMIN 12: toe at -24; TFMIN 15, DKMAX 12, base 12 + 150 tan(2.4) = 18.287.
  ExpectPolygon(d, "key", {{-12, -165}, {6.2869f, -165}, {6.2869f, -177}, {-12, -177}});
  ExpectPolygon(d, "footing", {{-24, -150}, {6.2869f, -150}, {6.2869f, -165}, {-24, -165}});
  EXPECT_TRUE(Has(d, "DK = 12 in"));
  const DrawPolyline* ground = Line(d, "ground");
  ASSERT_NE(ground, nullptr);
  ASSERT_EQ(ground->points.size(), static_cast<std::size_t>(r.NSEG + 1));
  double x = 0, y = 0;
  for (int i = 1; i <= r.NSEG; ++i) {
    const double a = r.ASEG(i) * 3.1416 / 180;
    x += r.LSEG(i) * std::cos(a);
    y += r.LSEG(i) * std::sin(a);
    EXPECT_NEAR(ground->points[static_cast<std::size_t>(i)].x, x, 1e-3) << "segment " << i;
    EXPECT_NEAR(ground->points[static_cast<std::size_t>(i)].y, y, 1e-3) << "segment " << i;
  }
  // By hand: the last vertex of 96 at 26.57, 120 level, 240 at -5 degrees.
  EXPECT_NEAR(ground->points.back().x, 444.948, 1e-2);
  EXPECT_NEAR(ground->points.back().y, 22.023, 1e-2);
  // The haul road: its line and four arrows with the load named.
  const DrawPolyline* road = Line(d, "surcharge 1");
  ASSERT_NE(road, nullptr);
  EXPECT_NEAR(road->points[0].x, 120, 1e-4);
  EXPECT_NEAR(road->points[1].x, 240, 1e-4);
  EXPECT_TRUE(Has(d, "400 lbs/in (4800 plf)"));
  EXPECT_NE(d.polygon("backfill"), nullptr);
}

// ---- Piles -----------------------------------------------------------------

TEST(Piles, PileReviewExampleRowsStandAtTheirDistancesFromTheToe) {
  const InputRecord r = Example("review-12ft-pile.in");
  const WallDrawing d = DrawWall(r);
  EXPECT_TRUE(d.notes.empty()) << Notes(d);
  // H 144, HT 24, TWMIN 18, TF 30, WT 36, WF 132: toe at -54, heel at 78.
  ExpectPolygon(d, "stem", {{-18, 0}, {0, 0}, {0, -144}, {-18, -144}});
  ExpectPolygon(d, "footing", {{-54, -144}, {78, -144}, {78, -174}, {-54, -174}});
  ExpectPolygon(d, "toe soil", {{-54, -144}, {-18, -144}, {-18, -120}, {-54, -120}});
  EXPECT_TRUE(Has(d, "HT = 24 in"));
  // The abutment's dead load at PDX = 6 from the stem's front face.
  int loads = 0;
  for (const DrawArrow& a : d.arrows)
    loads += a.layer == DrawLayer::Load && a.head.y == 0 && std::fabs(a.head.x - (-12)) < 1e-4f;
  EXPECT_EQ(loads, 2);  // PD and PL, both at 6
  EXPECT_TRUE(Has(d, "PD = 1200 lbs/in (14400 plf)"));
  const float at[] = {18, 66, 114};  // from the toe at -54
  for (int i = 1; i <= 3; ++i) {
    const DrawPolygon* pile = d.polygon("pile row " + std::to_string(i));
    ASSERT_NE(pile, nullptr) << i;
    // Its head, the middle of its top edge, on the footing's underside; its
    // foot straight down, or for the battered row towards the toe.
    const auto& p = pile->points;
    const float x = 0.5f * (p[0].x + p[1].x), y = 0.5f * (p[0].y + p[1].y);
    const float fx = 0.5f * (p[2].x + p[3].x), fy = 0.5f * (p[2].y + p[3].y);
    EXPECT_NEAR(x, -54 + at[i - 1], 1e-3) << i;
    EXPECT_NEAR(y, -174, 1e-3) << i;
    EXPECT_NEAR(std::atan2(x - fx, y - fy) * 180 / 3.1416, r.PILEB(i), 1e-2) << i;
  }
  EXPECT_TRUE(Has(d, "18.43\u00b0, s = 72 in") && Has(d, "s = 72 in"));
  // One chain from the toe: 18 to row 1, 48 on to each of the next rows.
  std::vector<std::string> chain;
  for (const DrawDimension& m : d.dimensions)
    if (m.lineFrom.y == d.dimensions.back().lineFrom.y) chain.push_back(m.label);
  EXPECT_EQ(chain, (std::vector<std::string>{"18 in", "48 in", "48 in"}));
  // A design draws no rows until a design exists.
  InputRecord design = r;
  design.IMODE = KELDOR_DESIGN;
  const WallDrawing none = DrawWall(design);
  EXPECT_EQ(none.polygon("pile row 1"), nullptr);
  EXPECT_TRUE(none.notes.empty()) << Notes(none);
}

// ---- Records that cannot be drawn whole ---------------------------------------

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

// One value of the reference wall changed, and the note it gives.
const struct {
  float InputRecord::*value;
  float to;
  const char* note;
} kOneValueChanged[] = {
    {&InputRecord::WF, 40, "Footing width is smaller than the toe plus the stem"},
    {&InputRecord::WF, 0, "The footing width must be greater than zero"},
    {&InputRecord::WF, -96, "The footing width must be greater than zero"},
    {&InputRecord::H, 0, "The design height must be greater than zero"},
    {&InputRecord::H, -120, "The design height must be greater than zero"},
    {&InputRecord::H, kNaN, "The design height is not a number"},
    {&InputRecord::H, kInfinity, "The design height is too large to draw"},
    // 1200 typed for 120 draws; ten kilometres does not.
    {&InputRecord::H, 3e7f, "The design height is too large to draw"},
    {&InputRecord::TWMIN, 0, "The wall thickness must be greater than zero"},
    {&InputRecord::TF, 0, "The footing thickness must be greater than zero"},
    {&InputRecord::WT, -6, "The toe width is negative"},
    {&InputRecord::DK, -6, "The key depth is negative"},
    {&InputRecord::HT, -6, "The height of soil over the toe is negative"},
    {&InputRecord::DK, kNaN, "The key depth is not a number"},
    {&InputRecord::BW, 90, "The wall batter must lie between -90 and 90 degrees"},
    // A batter leaning the back face forward past the front face.
    {&InputRecord::BW, -10, "The stem's back face crosses its front face"},
    {&InputRecord::BETA, 90, "The backfill slope must lie between -90 and 90 degrees"},
    {&InputRecord::BETA, kNaN, "The backfill slope is not a number"},
};

TEST(DegenerateRecords, EachGivesItsNoteAndNoFault) {
  struct Case {
    const char* why;
    std::function<void(InputRecord&)> change;
    const char* note;
  };
  auto irregular = [](InputRecord& r, const RecordArray& lengths, const RecordArray& angles) {
    r.ISOIL = KELDOR_IRREGULAR;
    r.NSEG = lengths.size();
    r.LSEG = lengths, r.ASEG = angles;
  };
  auto piles = [](InputRecord& r, const RecordArray& at, const RecordArray& batter) {
    r.IFOOT = KELDOR_PILE_FOOTING;
    r.NROWS = at.size();
    r.PILEX = at, r.PILEB = batter, r.PILES = {72, 72};
  };
  auto design = [](InputRecord& r, float wtmin, float wtmax, float whmax) {
    r.IMODE = KELDOR_DESIGN;
    r.BWMIN = 0, r.TFMIN = 18, r.DKMAX = 0;
    r.WTMIN = wtmin, r.WTMAX = wtmax, r.WHMAX = whmax;
  };
  std::vector<Case> cases;
  for (const auto& v : kOneValueChanged)
    cases.push_back({v.note, [v](InputRecord& r) { r.*v.value = v.to; }, v.note});
  const Case others[] = {
      {"no segments", [&](InputRecord& r) { irregular(r, {}, {}); }, "There are no backfill segments"},
      {"profile turning back", [&](InputRecord& r) { irregular(r, {120, 60}, {0, 135}); },
       "The ground profile turns back at segment 2"},
      {"segment of negative length", [&](InputRecord& r) { irregular(r, {-120}, {0}); },
       "Backfill segment 1 has a negative length"},
      {"segment not a number", [&](InputRecord& r) { irregular(r, {120, kNaN}, {0, 0}); },
       "Backfill segment 2 is not a number"},
      // A count larger than its arrays (never left so by the window) reads zeros.
      {"count beyond the arrays",
       [&](InputRecord& r) { irregular(r, {40}, {0}), r.NSEG = 3; },
       "The ground profile ends before the heel"},
      {"surcharge not a number",
       [&](InputRecord& r) {
         irregular(r, {400}, {0});
         r.NSUR = 1, r.SURL = {100}, r.XSBEG = {kNaN}, r.YSBEG = {0};
         r.XSEND = {200}, r.YSEND = {0};
       },
       "Surcharge 1 cannot be drawn"},
      {"no pile rows", [&](InputRecord& r) { piles(r, {}, {}); }, "There are no pile rows"},
      {"pile row off the footing", [&](InputRecord& r) { piles(r, {18, 200}, {0, 0}); },
       "Pile row 2 lies outside the footing"},
      {"pile battered flat", [&](InputRecord& r) { piles(r, {18}, {90}); },
       "Pile row 1 cannot be drawn"},
      {"unknown units", [](InputRecord& r) { r.IUNITS = 0; }, "Choose English or SI units"},
      {"unknown backfill", [](InputRecord& r) { r.ISOIL = 3; },
       "Choose a constant slope or an irregular backfill"},
      {"design: toe limits crossed", [&](InputRecord& r) { design(r, 48, 24, 96); },
       "The largest toe width is smaller than the smallest"},
      {"design: heel smaller than the stem", [&](InputRecord& r) { design(r, 0, 24, 6); },
       "The largest heel width is smaller than the stem at its base"},
  };
  cases.insert(cases.end(), std::begin(others), std::end(others));
  for (const Case& c : cases) {
    InputRecord r = ReferenceWall();
    c.change(r);
    WallDrawing d;
    ASSERT_NO_THROW(d = DrawWall(r)) << c.why;
    EXPECT_TRUE(HasNote(d, c.note)) << c.why << ": " << Notes(d);
    // Whatever could not be drawn, the rest is, and every point is finite.
    DrawPoint low, high;
    EXPECT_TRUE(d.bounds(&low, &high)) << c.why;
    EXPECT_TRUE(std::isfinite(low.x) && std::isfinite(high.y)) << c.why;
    EXPECT_GT(d.size, 0) << c.why;
  }
}

TEST(DegenerateRecords, AnEmptyRecordDrawsNothingAndSaysWhy) {
  InputRecord r;  // every value zero, no options chosen
  const WallDrawing d = DrawWall(r);
  EXPECT_FALSE(d.notes.empty());
  EXPECT_TRUE(d.polygons.empty());
}

TEST(DegenerateRecords, HugeCountsAreDrawnInBoundedTime) {
  InputRecord r = ReferenceWall();
  r.IFOOT = KELDOR_PILE_FOOTING;
  r.NROWS = 32767;
  r.PILEX.resize(32767), r.PILEB.resize(32767), r.PILES.resize(32767);
  const WallDrawing d = DrawWall(r);
  EXPECT_TRUE(HasNote(d, "Only the first 200 pile rows are drawn"));
  EXPECT_NE(d.polygon("pile row 200"), nullptr);
  EXPECT_EQ(d.polygon("pile row 201"), nullptr);
}

// ---- After a run --------------------------------------------------------------

DrawingResults ReferenceResults() {
  DrawingResults res;
  res.BW = 0, res.TF = 18, res.DK = 0, res.WT = 36, res.WF = 96;
  res.forces = {{"Earth", 220.4f, 46}, {"Earth + surcharge", 300.3f, 52.1f}};
  res.combinations = {{"Combination 1", true, 1.910f, 7.870f, 6.192f, {}},
                      {"Combination 2", true, 20, 11.0f, 0, {}}};
  res.governing = 1;
  return res;
}

// The earth forces push on the plane through the heel; the bearing pressure
// follows the chosen combination.
TEST(AfterARun, EarthForcesAndTheBearingPressureOfTheChosenCombination) {
  const DrawingResults res = ReferenceResults();
  WallDrawing d = DrawWall(ReferenceWall(), &res);
  int forces = 0;
  for (const DrawArrow& a : d.arrows) {
    if (a.layer != DrawLayer::Force) continue;
    ++forces;
    EXPECT_NEAR(a.head.x, 48, 1e-4);  // the heel end
    EXPECT_LT(a.head.x, a.tail.x);    // towards the wall
    EXPECT_EQ(a.head.y, a.tail.y);
  }
  EXPECT_EQ(forces, 2);
  // The earth force 46 above the underside of the footing (y = -138).
  EXPECT_EQ(d.arrows.back().label, "Earth + surcharge 300.3 lbs/in (3604 plf)");
  EXPECT_NEAR(d.arrows.back().head.y, -138 + 52.1, 1e-3);
  // The governing combination: only 3 (48 - 20) = 84 of the base in
  // compression, a triangle from the toe.
  const DrawPolygon* q = d.polygon("bearing pressure");
  ASSERT_NE(q, nullptr);
  ASSERT_EQ(q->points.size(), 3u);
  EXPECT_NEAR(q->points[0].x, -48, 1e-3);
  EXPECT_NEAR(q->points[1].x, -48 + 84, 1e-3);
  EXPECT_EQ(d.reaction, "Bearing pressure of Combination 2");
  // Combination 1 chosen: the whole base, toe deeper than heel.
  d = DrawWall(ReferenceWall(), &res, 0);
  q = d.polygon("bearing pressure");
  ASSERT_NE(q, nullptr);
  ASSERT_EQ(q->points.size(), 4u);
  EXPECT_NEAR(q->points[0].x, -48, 1e-3);
  EXPECT_NEAR(q->points[1].x, 48, 1e-3);
  const float toeDepth = q->points[0].y - q->points[3].y;
  const float heelDepth = q->points[1].y - q->points[2].y;
  EXPECT_NEAR(heelDepth / toeDepth, 6.192 / 7.870, 1e-4);
  EXPECT_TRUE(Has(d, "q toe = 7.87 psi (1133 psf)"));
  // Below the footing, not through it.
  EXPECT_LT(q->points[0].y, -138);
  // A resultant off the base: a note, no diagram.
  DrawingResults off = res;
  off.combinations[1].eccentricity = 48;
  d = DrawWall(ReferenceWall(), &off);
  EXPECT_EQ(d.polygon("bearing pressure"), nullptr);
  EXPECT_TRUE(HasNote(d, "The resultant lies outside the footing in Combination 2"));
}

TEST(AfterARun, ConvergedDesignReplacesTheLimits) {
  InputRecord r = ReferenceWall();
  r.IMODE = KELDOR_DESIGN;
  r.WTMAX = 60, r.WHMAX = 120, r.TFMIN = 12, r.BWMIN = 0;
  DrawingResults res = ReferenceResults();
  WallDrawing d = DrawWall(r, &res);
  EXPECT_EQ(d.title, "Converged design");
  EXPECT_EQ(d.polygon("largest footing"), nullptr);
  ExpectPolygon(d, "footing", {{-48, -120}, {48, -120}, {48, -138}, {-48, -138}});
  res.converged = false;
  d = DrawWall(r, &res);
  EXPECT_EQ(d.title, "Design limits");
  EXPECT_NE(d.polygon("largest footing"), nullptr);
  EXPECT_TRUE(HasNote(d, "No design found: the search did not converge"));
}

TEST(AfterARun, PileLoadsLabelEachRow) {
  InputRecord r = Example("review-12ft-pile.in");
  DrawingResults res;
  res.BW = 0, res.TF = 30, res.DK = 0, res.WT = 36, res.WF = 132;
  res.combinations = {{"Combination 1", false, 0, 0, 0, {41000, 30500, 20000}}};
  const WallDrawing d = DrawWall(r, &res);
  EXPECT_TRUE(Has(d, "P = 41000 lbs/pile (41 kips/pile)") && Has(d, "P = 20000 lbs/pile (20 kips/pile)"));
  EXPECT_EQ(d.reaction, "Pile loads of Combination 1");
  EXPECT_EQ(d.polygon("bearing pressure"), nullptr);
}

// ---- Numbers ------------------------------------------------------------------

TEST(DrawingNumber, FourFiguresAndAPeriod) {
  const struct {
    float value;
    const char* text;
  } rows[] = {
      {120, "120"},       {2.4f, "2.4"},          {0.0868f, "0.0868"}, {1.7361f, "1.736"},
      {1736.1f, "1736"},  {-5, "-5"},             {0, "0"},            {-0.0f, "0"},
      {999.96f, "1000"},  {12345.6f, "12346"},    {0.5f, "0.5"},       {2.36e-5f, "2.36e-05"},
      {std::numeric_limits<float>::quiet_NaN(), "NaN"},
  };
  for (const auto& row : rows) EXPECT_EQ(DrawingNumber(row.value), row.text) << row.value;
}

// The size of a picture as the command line gives it.
TEST(PictureSize, WidthByHeightWithinTheLimits) {
  const struct {
    const char* text;
    int width, height;  // 0: refused
  } rows[] = {{"1920x1080", 1920, 1080}, {"100X8000", 100, 8000}, {"99x480", 0, 0},
              {"640x8001", 0, 0}, {"640", 0, 0}, {"x480", 0, 0}, {"640x", 0, 0}, {"-640x480", 0, 0},
              {"640x480px", 0, 0}, {"640 x 480", 0, 0}, {"99999999999x1", 0, 0}, {"", 0, 0}};
  for (const auto& row : rows) {
    int w = 0, h = 0;
    std::string error;
    EXPECT_EQ(ParsePictureSize(row.text, &w, &h, &error), row.width > 0) << row.text;
    EXPECT_TRUE(w == row.width && h == row.height && error.empty() == (row.width > 0)) << row.text;
  }
}

}  // namespace
}  // namespace fe
