// An independent trial wedge search for checking the program: double
// precision, a fine angle step, the exact area and centroid of each wedge
// polygon, and the force found by solving the equilibrium of the wedge.
#pragma once

#include <vector>

namespace verification {

struct Point {
  double x, y;
};

// A line surcharge lying on the ground: its total load and its two ends.
struct LineLoad {
  double load;
  Point a, b;
};

struct WedgeProblem {
  std::vector<Point> ground;  // the ground profile, left to right
  Point base;                 // foot of the vertical back plane
  double gamma = 0;           // soil unit weight
  double phi = 0;             // soil friction angle (radians)
  double delta = 0;           // wall friction angle, regular loads (radians)
  double deltaSeismic = 0;    // wall friction angle, seismic loads (radians)
  double kh = 0, kv = 0;      // seismic coefficients
  std::vector<LineLoad> loads;
};

struct WedgeCase {
  double force = 0;   // total force on the back plane, inclined at the wall friction angle
  double theta = 0;   // failure plane angle above the horizontal (radians)
  double height = 0;  // where the line through the wedge centroid parallel to the
                      // failure plane meets the back plane, above its foot
};

struct WedgeResults {
  WedgeCase earth, withLoads, seismic;  // the seismic wedge carries no line loads
};

// Tries every plane from the vertical down to phi in steps of `step` rad.
WedgeResults SearchWedges(const WedgeProblem& p, double step = 1e-5);

}  // namespace verification
