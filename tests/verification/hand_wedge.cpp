#include "hand_wedge.h"

#include <cmath>

namespace verification {

namespace {

// The soil between the back plane, the ground and the plane y = base.y +
// t (x - base.x), as a polygon: the foot, up the back plane, along the
// ground to the first point where the plane comes out of it, back down the
// plane. Empty when the plane does not come out within the profile.
std::vector<Point> Wedge(const std::vector<Point>& ground, Point base, double t) {
  auto below = [&](Point g) { return g.y - (base.y + t * (g.x - base.x)); };
  std::vector<Point> poly = {base};
  for (std::size_t i = 0; i + 1 < ground.size(); ++i) {
    Point a = ground[i], b = ground[i + 1];
    if (b.x <= base.x) continue;
    if (a.x < base.x) {
      a = {base.x, a.y + (b.y - a.y) * (base.x - a.x) / (b.x - a.x)};
      poly.push_back(a);
    }
    const double ha = below(a), hb = below(b);
    if (ha > 0 && hb <= 0) {
      const double s = ha / (ha - hb);
      poly.push_back({a.x + s * (b.x - a.x), a.y + s * (b.y - a.y)});
      return poly;
    }
    poly.push_back(b);
  }
  return {};
}

struct Area {
  double area = 0, cx = 0, cy = 0;
};

Area AreaOf(const std::vector<Point>& poly) {
  double a2 = 0, sx = 0, sy = 0;
  for (std::size_t i = 0; i < poly.size(); ++i) {
    const Point p = poly[i], q = poly[(i + 1) % poly.size()];
    const double c = p.x * q.y - q.x * p.y;
    a2 += c;
    sx += (p.x + q.x) * c;
    sy += (p.y + q.y) * c;
  }
  return {std::fabs(a2) / 2, sx / (3 * a2), sy / (3 * a2)};
}

// The wall's push P on a wedge of weight w sliding on a plane at theta:
// the weight with its inertia (kh w toward the wall, (1 - kv) w down), P at
// delta above the normal of the back plane, and the soil's reaction at phi
// to the normal of the failure plane balance. Solved for P and the reaction
// Q; a wedge that needs a pull or a negative reaction gives no force.
double Push(double w, double theta, double phi, double delta, double kh, double kv) {
  const double a = theta - phi;
  // P cos(delta) - Q sin(a) = kh w;  P sin(delta) + Q cos(a) = (1 - kv) w
  const double det = std::cos(delta) * std::cos(a) + std::sin(delta) * std::sin(a);
  if (!(det > 0)) return 0;
  const double P = (kh * w * std::cos(a) + (1 - kv) * w * std::sin(a)) / det;
  const double Q = (std::cos(delta) * (1 - kv) * w - std::sin(delta) * kh * w) / det;
  return P > 0 && Q >= 0 ? P : 0;
}

void Keep(WedgeCase& c, double force, double theta, Point base, double cx, double cy) {
  if (!(force > c.force)) return;
  c.force = force;
  c.theta = theta;
  c.height = cy - std::tan(theta) * (cx - base.x) - base.y;
}

}  // namespace

WedgeResults SearchWedges(const WedgeProblem& p, double step) {
  WedgeResults r;
  const double pi = std::acos(-1.0);
  const int n = static_cast<int>((pi / 2 - p.phi) / step);
  for (int k = 1; k < n; ++k) {
    const double theta = pi / 2 - k * step, t = std::tan(theta);
    const std::vector<Point> poly = Wedge(p.ground, p.base, t);
    if (poly.empty()) continue;
    const Area soil = AreaOf(poly);
    const double w = p.gamma * soil.area;
    const Point end = poly.back();  // where the plane comes out of the ground

    // Line loads: the part between the back plane and the plane's exit.
    double q = 0, qx = 0, qy = 0;
    for (const LineLoad& l : p.loads) {
      const double x1 = std::max(l.a.x, p.base.x), x2 = std::min(l.b.x, end.x);
      if (!(x2 > x1)) continue;
      const double share = l.load * (x2 - x1) / (l.b.x - l.a.x);
      const double slope = (l.b.y - l.a.y) / (l.b.x - l.a.x);
      q += share;
      qx += share * (x1 + x2) / 2;
      qy += share * (l.a.y + slope * ((x1 + x2) / 2 - l.a.x));
    }

    Keep(r.earth, Push(w, theta, p.phi, p.delta, 0, 0), theta, p.base, soil.cx, soil.cy);
    Keep(r.withLoads, Push(w + q, theta, p.phi, p.delta, 0, 0), theta, p.base,
         (w * soil.cx + qx) / (w + q), (w * soil.cy + qy) / (w + q));
    Keep(r.seismic, Push(w, theta, p.phi, p.deltaSeismic, p.kh, p.kv), theta, p.base, soil.cx,
         soil.cy);
  }
  return r;
}

}  // namespace verification
