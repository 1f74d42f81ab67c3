// Sides and coordinates: azimuths, the weakest side, the three starting
// cases, and agreement with a rigorous adjustment of generated networks.
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <numbers>
#include <random>

#include "adjust/adjustment.h"
#include "adjust/angles.h"
#include "adjust/numbers.h"
#include "coords/coords.h"
#include "entry/texts.h"
#include "networks.h"
#include "scripted_ui.h"

namespace quorvel {
namespace {

using testing::Entry;
using testing::Op;
using testing::ScriptedUi;

TEST(AzimuthOf, QuadrantsAndTheDueEastWestGuard) {
  struct Case {
    double dx, dy, azimuth;
  };
  const Case cases[] = {
      {100, 100, 45.0000000013},   {-100, 100, 134.9999999987}, {-100, -100, 225.0000000013},
      {100, -100, 314.9999999987}, {100, 0, 0},                  {-100, 0, 180},
      {0, 100, 89.9999919030},     {0, -100, -89.9999919030},
  };
  for (const auto& c : cases) {
    const auto [length, azimuth] = AzimuthOf(c.dx, c.dy, kFa);
    EXPECT_NEAR(azimuth, c.azimuth, 5e-11) << c.dx << " " << c.dy;
    EXPECT_NEAR(length, std::hypot(c.dx, c.dy), 1e-12);
  }
  EXPECT_NEAR(AzimuthOf(100, 100, kFa).first, 141.4213562373, 5e-11);
}

// The regular hexagon adjusted (every angle exactly 60 degrees), with no
// routine run; the tests then call one routine themselves, with mb = 2.
Network AdjustedHexagon() {
  ScriptedUi ui;
  Entry e{.n = "6", .xa = "1", .ya = "1", .xb = "1", .yb = "0"};
  e.names = {"1", "2", "3", "4", "5", "6"};
  e.triangles = testing::Hexagon();
  ui.Add(testing::Replies(e));
  Network net;
  testing::Run(ui, net);
  EXPECT_TRUE(ui.errors.empty());
  net.mb = 2;
  return net;
}

struct Point {
  std::string name, x, y;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Point& p) { return os << p.name << " " << p.x << " " << p.y; }

// The listed points, in order, as the fields showed them.
std::vector<Point> Listed(const ScriptedUi& ui) {
  std::vector<Point> points;
  for (const auto& op : ui.log) {
    if (op.kind != 'T') continue;
    if (op.control == Text17) points.push_back({op.text, "", ""});
    if (op.control == Text18) points.back().x = op.text;
    if (op.control == Text19) points.back().y = op.text;
  }
  return points;
}

// Exactly one pacing dialog before each point, none after the last; the
// relative error is the last write.
void ExpectPaced(const ScriptedUi& ui, int points) {
  int dialogs = 0;
  for (std::size_t k = 0; k < ui.log.size(); ++k) {
    if (ui.log[k].kind != '?') continue;
    EXPECT_EQ(ui.log[k].text, texts::PacingPrompt);
    ++dialogs;
    ASSERT_GE(ui.log.size(), k + 7);
    EXPECT_EQ(ui.log[k + 1], (Op{'L', Label35, "D$" + std::to_string(dialogs)}));
    EXPECT_EQ(ui.log[k + 3], (Op{'L', Label36, "X" + std::to_string(dialogs)}));
    EXPECT_EQ(ui.log[k + 5], (Op{'L', Label37, "Y" + std::to_string(dialogs)}));
  }
  EXPECT_EQ(dialogs, points);
  EXPECT_EQ(ui.log.back().control, Text15);
}

TEST(Hexagon, OuterSideCase) {
  Network net = AdjustedHexagon();
  net.xa1 = "1100", net.ya1 = "2000", net.xb1 = "1050", net.yb1 = "2086.6025403784";
  ScriptedUi ui({"", "0", "abc", "", "", ""});  // the pacing replies are not looked at
  Cam1(ui, net.na1, net.e1, net.ra, net.rb, net.a1, net.b1, net.c1, net.mb, net.aa1, net.xa1, net.ya1,
       net.xb1, net.yb1, net.n1, net.fa);
  EXPECT_EQ(ui.log[0], (Op{'T', Text13, "7.38855"}));
  EXPECT_EQ(ui.log[1], (Op{'T', Text14, "5.44 单位"}));
  EXPECT_EQ(ui.fields[Text15], "1/79885");
  EXPECT_EQ(Listed(ui), (std::vector<Point>{{"  1", "950.000", "2086.603"},
                                            {"  2", "900.000", "2000.000"},
                                            {"  3", "950.000", "1913.397"},
                                            {"  4", "1050.000", "1913.397"},
                                            {"  5", "1000.000", "2000.000"},
                                            {"  6", "1100.000", "2000.000"}}));
  ExpectPaced(ui, 6);
  // The weight function reaches triangle K = 4 and no further.
  for (int k = 13; k <= 18; ++k) EXPECT_EQ(net.e1[3][k], 0) << k;
  EXPECT_NE(net.e1[3][12], 0);
}

TEST(Hexagon, CentralSideCase) {
  Network net = AdjustedHexagon();
  net.xa1 = "1100", net.ya1 = "2000", net.xc1 = "1000", net.yc1 = "2000";
  ScriptedUi ui(std::vector<std::string>(6, "1"));
  Cam2(ui, net.na1, net.e1, net.ra, net.rb, net.a1, net.b1, net.c1, net.mb, net.aa1, net.xa1, net.ya1,
       net.xc1, net.yc1, net.n1, net.fa);
  EXPECT_EQ(ui.fields[Text13], "5.41827");
  EXPECT_EQ(ui.fields[Text14], "4.66 单位");
  EXPECT_EQ(ui.fields[Text15], "1/93286");
  EXPECT_EQ(Listed(ui), (std::vector<Point>{{"  1", "1050.000", "2086.603"},
                                            {"  2", "950.000", "2086.603"},
                                            {"  3", "900.000", "2000.000"},
                                            {"  4", "950.000", "1913.397"},
                                            {"  5", "1050.000", "1913.397"},
                                            {"  6", "1000.000", "2000.000"}}));
  ExpectPaced(ui, 6);
}

TEST(Hexagon, AzimuthCase) {
  Network net = AdjustedHexagon();
  net.na1 = {"", "1", "2", "3", "4", "5", "O", "A"};
  net.xa1 = "1000", net.ya1 = "1000", net.ta1 = "10.3", net.qa1 = "19.3", net.sa1 = "100";
  ScriptedUi ui(std::vector<std::string>(7, ""));
  Cam3(ui, net.na1, net.e1, net.ra, net.rb, net.a1, net.b1, net.c1, net.mb, net.aa1, net.xa1, net.ya1,
       net.ta1, net.qa1, net.sa1, net.n1, net.fa);
  EXPECT_EQ(ui.log[0], (Op{'T', Text13, "7.39"}));  // two decimals in this case
  EXPECT_EQ(ui.fields[Text14], "5.44 单位");
  EXPECT_EQ(ui.fields[Text15], "1/79885");
  EXPECT_EQ(Listed(ui), (std::vector<Point>{{"  1", "1086.603", "1050.000"},
                                            {"  2", "1086.603", "1150.000"},
                                            {"  3", "1000.000", "1200.000"},
                                            {"  4", "913.397", "1150.000"},
                                            {"  5", "913.397", "1050.000"},
                                            {"  O", "1000.000", "1100.000"},
                                            {"  A", "1000.000", "1000.000"}}));
  ExpectPaced(ui, 7);
  EXPECT_EQ(ui.labels[Label35], "D$7");
}

TEST(Hexagon, SidesAllEqualTheStartingSide) {
  const Network net = AdjustedHexagon();
  for (auto side : {StartingSide::Outer, StartingSide::Central}) {
    std::vector<double> s(7);
    s[0] = 100;
    SideChain(s, net.a1, net.b1, net.c1, 6, net.fa, side);
    for (int i = 1; i <= 6; ++i) EXPECT_NEAR(s[i], 100, 1e-9) << i;
  }
}

TEST(WeakestSide, TriangleKIsHalfNPlusOne) {
  for (int n = 3; n <= 9; ++n) {
    Network net;
    SizeNetwork(net, n);
    for (int i = 1; i <= n; ++i) {
      net.c1[i] = 360.0 / n;
      net.ra[i] = 1;
      net.rb[i] = -0.5;
      net.e1[1][3 * i - 2] = -1, net.e1[1][3 * i - 1] = -1, net.e1[1][3 * i] = 2;
      net.e1[2][3 * i - 2] = 0.1 * i, net.e1[2][3 * i - 1] = -0.2, net.e1[2][3 * i] = 0.2 - 0.1 * i;
    }
    SecondStage(net);  // the normal matrix and its determinant
    ScriptedUi ui;
    WeakestSidePrecision(ui, net.e1, net.ra, net.rb, net.c1, 1, net.aa1, n, StartingSide::Outer, 6);
    const int k_weak = n / 2 + 1;
    const int expected_k[] = {2, 3, 3, 4, 4, 5, 5};
    EXPECT_EQ(k_weak, expected_k[n - 3]);
    for (int k = 3 * k_weak + 1; k <= 3 * n; ++k) EXPECT_EQ(net.e1[3][k], 0) << n << " " << k;
    // Each chain triangle's reduced coefficients sum to zero; its last one has
    // no coefficient on the distance angle before the reduction.
    for (int i = 1; i <= k_weak; ++i) {
      EXPECT_NEAR(net.e1[3][3 * i - 2] + net.e1[3][3 * i - 1] + net.e1[3][3 * i], 0, 1e-12);
    }
  }
}

// ---------------------------------------------------------------------------
// Generated networks, against the truth and against a rigorous adjustment.

constexpr double kPi = std::numbers::pi;

double Deg(double rad) { return rad * 180 / kPi; }

// Azimuth from (x0, y0) to (x1, y1), radians, clockwise from north.
double Az(double x0, double y0, double x1, double y1) { return std::atan2(y1 - y0, x1 - x0); }

// Interior angle at a vertex between two directions, radians in (0, pi).
double Between(double az_from, double az_to) {
  double d = std::fmod(az_to - az_from + 4 * kPi, 2 * kPi);
  return d > kPi ? 2 * kPi - d : d;
}

// ddd.mmss with `digits` further digits (fractions of a second).
std::string Dms(double degrees, int digits) {
  const double scale = std::pow(10.0, digits);
  const auto total = static_cast<long long>(std::llround(std::fabs(degrees) * 3600 * scale));
  const long long unit = static_cast<long long>(scale);
  const long long d = total / (3600 * unit), m = total / (60 * unit) % 60, s = total % (60 * unit);
  std::string seconds = std::to_string(s);
  seconds.insert(0, static_cast<std::size_t>(std::max(0, 2 + digits - static_cast<int>(seconds.size()))), '0');
  std::string minutes = std::to_string(m);
  if (minutes.size() < 2) minutes.insert(0, "0");
  return (degrees < 0 ? "-" : "") + std::to_string(d) + "." + minutes + seconds;
}

std::string Fixed(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", v);
  return text;
}

struct Polygon {
  double ox, oy;
  std::vector<double> qx, qy;  // Q0 .. Q(N-1)
  std::vector<double> a, b, c;  // true angles of triangle i, degrees, 1..N
};

Polygon Generate(std::mt19937& rng, int n) {
  std::uniform_real_distribution<double> unit(0, 1);
  for (;;) {
    Polygon p;
    p.ox = 3000 + 4000 * unit(rng);
    p.oy = 5000 + 4000 * unit(rng);
    std::vector<double> weights(n), radius(n);
    double sum = 0;
    for (auto& w : weights) sum += (w = 0.2 + unit(rng));
    for (auto& r : radius) r = 600 + 800 * unit(rng);
    double az = 2 * kPi * unit(rng);
    p.qx.resize(n), p.qy.resize(n), p.a.assign(n + 1, 0), p.b.assign(n + 1, 0), p.c.assign(n + 1, 0);
    for (int i = 0; i < n; ++i) {
      if (i > 0) {
        p.c[i] = 20 + (360.0 - 20 * n) * weights[i - 1] / sum;
        az += p.c[i] * kPi / 180;
      }
      p.qx[i] = p.ox + radius[i] * std::cos(az);
      p.qy[i] = p.oy + radius[i] * std::sin(az);
    }
    p.c[n] = 20 + (360.0 - 20 * n) * weights[n - 1] / sum;
    bool ok = true;
    for (int i = 1; i <= n; ++i) {
      const int j = i % n;  // Q(N) is Q0
      const double x0 = p.qx[i - 1], y0 = p.qy[i - 1], x1 = p.qx[j], y1 = p.qy[j];
      p.a[i] = Deg(Between(Az(x0, y0, x1, y1), Az(x0, y0, p.ox, p.oy)));
      p.b[i] = Deg(Between(Az(x1, y1, x0, y0), Az(x1, y1, p.ox, p.oy)));
      ok = ok && p.a[i] >= 20 && p.b[i] >= 20;
    }
    if (ok) return p;
  }
}

enum class Case { Outer, Central, Azimuth };

struct Typed {
  Entry entry;
  std::vector<std::pair<double, double>> expected;  // the listed points, in order
};

// The entry of a generated polygon in one starting case, its angles typed
// with `digits` decimals of a second and `noise` seconds of error.
Typed Enter(const Polygon& p, Case which, int digits, double noise, std::mt19937& rng) {
  const int n = static_cast<int>(p.qx.size());
  std::normal_distribution<double> error(0, noise);
  Typed t;
  Entry& e = t.entry;
  e.n = std::to_string(n);
  e.xa = Fixed(p.qx[0]), e.ya = Fixed(p.qy[0]);
  for (int i = 1; i <= n; ++i) {
    auto noisy = [&](double v) { return Dms(v + (noise > 0 ? error(rng) / 3600 : 0), digits); };
    e.triangles.push_back({noisy(p.a[i]), noisy(p.b[i]), noisy(p.c[i])});
  }
  auto outer_from = [&](int first) {
    for (int i = first; i < n; ++i) {
      e.names.push_back("Q" + std::to_string(i));
      t.expected.emplace_back(p.qx[i], p.qy[i]);
    }
  };
  switch (which) {
    case Case::Outer:
      e.xb = Fixed(p.qx[1]), e.yb = Fixed(p.qy[1]);
      outer_from(2);
      break;
    case Case::Central:
      e.xc = Fixed(p.ox), e.yc = Fixed(p.oy);
      outer_from(1);
      break;
    case Case::Azimuth: {
      const double az = Deg(Az(p.qx[0], p.qy[0], p.qx[1], p.qy[1]));
      const double ta = std::fmod(az + 137.123456 + 720, 360);
      e.ta = Dms(ta, 3);
      e.qa = Dms(std::fmod(az - ta + 720, 360), 3);
      e.s1 = Fixed(std::hypot(p.qx[1] - p.qx[0], p.qy[1] - p.qy[0]));
      outer_from(1);
      break;
    }
  }
  e.names.push_back("O");
  t.expected.emplace_back(p.ox, p.oy);
  if (which != Case::Central) {
    e.names.push_back("A");
    t.expected.emplace_back(p.qx[0], p.qy[0]);
  }
  if (which == Case::Central) e.names.back() = "C";
  e.pacing = static_cast<int>(t.expected.size());
  return t;
}

std::vector<std::pair<double, double>> Coordinates(const ScriptedUi& ui) {
  std::vector<std::pair<double, double>> points;
  for (const auto& point : Listed(ui)) points.emplace_back(std::stod(point.x), std::stod(point.y));
  return points;
}

TEST(GeneratedNetworks, ExactAnglesReproduceTheTrueCoordinates) {
  std::mt19937 rng(20261211);
  for (int n = 3; n <= 12; ++n) {
    const Polygon p = Generate(rng, n);
    for (Case which : {Case::Outer, Case::Central, Case::Azimuth}) {
      SCOPED_TRACE("N = " + std::to_string(n) + ", case " + std::to_string(static_cast<int>(which)));
      const Typed t = Enter(p, which, 3, 0, rng);
      ScriptedUi ui(testing::Replies(t.entry));
      Network net;
      testing::Run(ui, net);
      ASSERT_TRUE(ui.errors.empty()) << ui.errors.front();
      const auto listed = Coordinates(ui);
      ASSERT_EQ(listed.size(), t.expected.size());
      for (std::size_t k = 0; k < listed.size(); ++k) {
        EXPECT_NEAR(listed[k].first, t.expected[k].first, 0.001) << k;
        EXPECT_NEAR(listed[k].second, t.expected[k].second, 0.001) << k;
      }
      EXPECT_EQ(ui.labels[Label35], "D$" + std::to_string(listed.size()));
    }
  }
}

// The rigorous equal-weight adjustment of the same angles: every figure
// condition, the central condition and the pole condition (in natural
// logarithms of the sines), solved by Gauss-Newton iteration until the
// nonlinear conditions hold, in long double. Angles in radians, 3N unknowns.
std::vector<long double> RigorousAdjustment(const std::vector<long double>& observed, int n) {
  const int u = 3 * n, r = n + 2;
  std::vector<long double> x = observed;
  for (int iteration = 0; iteration < 8; ++iteration) {
    std::vector<std::vector<long double>> jac(r, std::vector<long double>(u, 0));
    std::vector<long double> g(r, 0);
    for (int i = 0; i < n; ++i) {
      const long double a = x[3 * i], b = x[3 * i + 1], c = x[3 * i + 2];
      jac[i][3 * i] = jac[i][3 * i + 1] = jac[i][3 * i + 2] = 1;
      g[i] = a + b + c - std::numbers::pi_v<long double>;
      jac[n][3 * i + 2] = 1;
      g[n] += c;
      jac[n + 1][3 * i] = std::cos(a) / std::sin(a);
      jac[n + 1][3 * i + 1] = -std::cos(b) / std::sin(b);
      g[n + 1] += std::log(std::sin(a)) - std::log(std::sin(b));
    }
    g[n] -= 2 * std::numbers::pi_v<long double>;
    // J v = -(g(x) + J (l - x)), v of least norm: v = J^T k, (J J^T) k = rhs.
    std::vector<long double> rhs(r);
    for (int i = 0; i < r; ++i) {
      long double s = g[i];
      for (int k = 0; k < u; ++k) s += jac[i][k] * (observed[k] - x[k]);
      rhs[i] = -s;
    }
    std::vector<std::vector<long double>> m(r, std::vector<long double>(r + 1, 0));
    for (int i = 0; i < r; ++i) {
      for (int j = 0; j < r; ++j)
        for (int k = 0; k < u; ++k) m[i][j] += jac[i][k] * jac[j][k];
      m[i][r] = rhs[i];
    }
    for (int col = 0; col < r; ++col) {
      int pivot = col;
      for (int i = col + 1; i < r; ++i)
        if (std::fabs(m[i][col]) > std::fabs(m[pivot][col])) pivot = i;
      std::swap(m[col], m[pivot]);
      for (int i = 0; i < r; ++i) {
        if (i == col) continue;
        const long double f = m[i][col] / m[col][col];
        for (int j = col; j <= r; ++j) m[i][j] -= f * m[col][j];
      }
    }
    for (int k = 0; k < u; ++k) {
      long double v = 0;
      for (int i = 0; i < r; ++i) v += jac[i][k] * m[i][r] / m[i][i];
      x[k] = observed[k] + v;
    }
  }
  return x;
}

// Coordinates of Q0..Q(N-1) and O from adjusted angles, built around the
// central point: O from the starting data, then each radius by the sine rule
// and each direction from O turned on by the interval angle.
struct Placed {
  std::vector<long double> qx, qy;
  long double ox, oy;
};

Placed Place(const std::vector<long double>& x, int n, long double ax, long double ay, long double az0,
             long double len0, bool central_start) {
  Placed p{std::vector<long double>(n), std::vector<long double>(n), 0, 0};
  p.qx[0] = ax, p.qy[0] = ay;
  long double radius, az_o;  // |O Q0| and the azimuth from O to Q0
  if (central_start) {
    radius = len0;
    az_o = az0 + std::numbers::pi_v<long double>;
  } else {
    // Triangle 1 on the outer side Q0-Q1: |O Q0| lies opposite B_1, and O
    // lies A_1 clockwise of the direction Q0 to Q1.
    radius = len0 * std::sin(x[1]) / std::sin(x[2]);
    az_o = az0 + x[0] + std::numbers::pi_v<long double>;
  }
  p.ox = ax - radius * std::cos(az_o);
  p.oy = ay - radius * std::sin(az_o);
  for (int i = 1; i < n; ++i) {
    radius = radius * std::sin(x[3 * (i - 1)]) / std::sin(x[3 * (i - 1) + 1]);
    az_o += x[3 * (i - 1) + 2];
    p.qx[i] = p.ox + radius * std::cos(az_o);
    p.qy[i] = p.oy + radius * std::sin(az_o);
  }
  return p;
}

TEST(GeneratedNetworks, NoisyAnglesAgreeWithARigorousAdjustmentAndCloseOnTheKnownPoint) {
  std::mt19937 rng(7);
  for (int n = 3; n <= 12; ++n) {
    const Polygon p = Generate(rng, n);
    for (Case which : {Case::Outer, Case::Central, Case::Azimuth}) {
      SCOPED_TRACE("N = " + std::to_string(n) + ", case " + std::to_string(static_cast<int>(which)));
      const Typed t = Enter(p, which, 2, 3.0, rng);  // a few seconds of noise
      ScriptedUi ui(testing::Replies(t.entry));
      Network net;
      testing::Run(ui, net);
      ASSERT_TRUE(ui.errors.empty()) << ui.errors.front();
      const auto listed = Coordinates(ui);
      ASSERT_EQ(listed.size(), t.expected.size());

      // The last listed point is a known point computed afresh.
      const auto typed = [](const std::string& s) { return std::stod(s); };
      EXPECT_NEAR(listed.back().first, which == Case::Central ? typed(t.entry.xc) : typed(t.entry.xa), 0.0001 + 0.0005);
      EXPECT_NEAR(listed.back().second, which == Case::Central ? typed(t.entry.yc) : typed(t.entry.ya), 0.0001 + 0.0005);

      std::vector<long double> observed;
      for (const auto& a : t.entry.triangles) {
        for (const auto* v : {&a.a, &a.b, &a.c}) observed.push_back(DmsToDeg(std::stod(*v)) * std::numbers::pi_v<long double> / 180);
      }
      const auto adjusted = RigorousAdjustment(observed, n);
      for (int i = 1; i <= n; ++i) {
        const long double to_seconds = 180 * 3600 / std::numbers::pi_v<long double>;
        EXPECT_NEAR(static_cast<double>(adjusted[3 * i - 3] * to_seconds), net.a1[i] * 3600, 1e-4) << i;
        EXPECT_NEAR(static_cast<double>(adjusted[3 * i - 2] * to_seconds), net.b1[i] * 3600, 1e-4) << i;
        EXPECT_NEAR(static_cast<double>(adjusted[3 * i - 1] * to_seconds), net.c1[i] * 3600, 1e-4) << i;
      }

      const long double ax = typed(t.entry.xa), ay = typed(t.entry.ya);
      Placed placed;
      if (which == Case::Outer) {
        const long double bx = typed(t.entry.xb), by = typed(t.entry.yb);
        placed = Place(adjusted, n, ax, ay, std::atan2(by - ay, bx - ax), std::hypot(bx - ax, by - ay), false);
      } else if (which == Case::Central) {
        const long double cx = typed(t.entry.xc), cy = typed(t.entry.yc);
        placed = Place(adjusted, n, ax, ay, std::atan2(cy - ay, cx - ax), std::hypot(cx - ax, cy - ay), true);
      } else {
        const long double az = (DmsToDeg(typed(t.entry.ta)) + DmsToDeg(typed(t.entry.qa))) *
                               std::numbers::pi_v<long double> / 180;
        placed = Place(adjusted, n, ax, ay, az, typed(t.entry.s1), false);
      }
      std::vector<std::pair<long double, long double>> rigorous;
      for (int i = which == Case::Outer ? 2 : 1; i < n; ++i) rigorous.emplace_back(placed.qx[i], placed.qy[i]);
      rigorous.emplace_back(placed.ox, placed.oy);
      if (which != Case::Central) rigorous.emplace_back(ax, ay);
      ASSERT_EQ(rigorous.size(), listed.size());
      // The fields show millimetres: each shown value is the rigorous one rounded.
      for (std::size_t k = 0; k < listed.size(); ++k) {
        EXPECT_NEAR(listed[k].first, static_cast<double>(rigorous[k].first), 0.0005 + 2e-5) << k;
        EXPECT_NEAR(listed[k].second, static_cast<double>(rigorous[k].second), 0.0005 + 2e-5) << k;
      }
    }
  }
}

}  // namespace
}  // namespace quorvel
