#include <algorithm>
#include <tuple>

#include "adjust/angles.h"
#include "adjust/fault.h"
#include "adjust/numbers.h"
#include "coords/coords.h"
#include "entry/texts.h"

namespace quorvel {

namespace {

// At an outer point the traverse turns from the way back to the previous
// point by the forward angle b and the next distance angle a, on the side of
// the central point.
double TurnOnRim(double t, double b, double a) {
  double next = t - b - a - 180;
  if (next < 0) next = next + 360;
  return next;
}

// At the last outer point it turns by the forward angle alone, into the
// central point.
double TurnInward(double t, double b) {
  double next = t - b - 180;
  if (next < 0) next = next + 360;
  return next;
}

// At the central point it turns by the interval angle c back out to A.
double TurnOutward(double t, double c) {
  double next = t + c + 180;
  if (next >= 360) next = next - 360;
  return next;
}

int TriangleCount(const std::string& n1) { return static_cast<int>(NumberOf(n1, "三角形的个数 N")); }

// Azimuths of the outer side case: T(0) is the direction A to B, legs run
// B, Q2 .. Q(N-1), O, A. The azimuth case uses the same turns, one leg later.
void OuterAzimuths(std::vector<double>& t, const std::vector<double>& a1, const std::vector<double>& b1,
                   const std::vector<double>& c1, int n) {
  for (int i = 1; i <= n - 2; ++i) t[i] = TurnOnRim(t[i - 1], b1[i], a1[i + 1]);
  t[n - 1] = TurnInward(t[n - 2], b1[n - 1]);
  t[n] = TurnOutward(t[n - 1], c1[n]);
}

// The known side from A to the second known point P (B or C), with the names
// its coordinates go by in a fault report.
struct KnownSide {
  double xa, ya, xp, yp, length, azimuth;
};

struct PointNames {
  std::string_view x, y, side;
};

constexpr PointNames kPointB{texts::XbName, texts::YbName, "A-B"};
constexpr PointNames kPointC{texts::XcName, texts::YcName, "A-C"};

KnownSide SideFromA(const std::string& xa1, const std::string& ya1, const std::string& xp1,
                    const std::string& yp1, const PointNames& p, double fa) {
  KnownSide k{};
  k.xp = NumberOf(xp1, p.x);
  k.xa = NumberOf(xa1, texts::XaName);
  k.yp = NumberOf(yp1, p.y);
  k.ya = NumberOf(ya1, texts::YaName);
  const std::string side(p.side);
  std::tie(k.length, k.azimuth) =
      AzimuthOf(Finite(k.xp - k.xa, side + " 的纵座标差"), Finite(k.yp - k.ya, side + " 的横座标差"), fa);
  return k;
}

}  // namespace

void Cam1(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& xb1, std::string& yb1, std::string& n1, double& fa) {
  const int n = TriangleCount(n1);
  const double mlogs = WeakestSidePrecision(ui, e1, ra, rb, c1, mb1, aa1, n, StartingSide::Outer, 6);
  const KnownSide ab = SideFromA(xa1, ya1, xb1, yb1, kPointB, fa);
  std::vector<double> s(n + 1), t(n + 1);
  s[0] = ab.length;
  t[0] = ab.azimuth;
  OuterAzimuths(t, a1, b1, c1, n);
  SideChain(s, a1, b1, c1, n, fa, StartingSide::Outer);
  ListPoints(ui, n, ab.xp, ab.yp, s, t, na1, fa);
  RelativeError(ui, mlogs);
}

void Cam2(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& xc1, std::string& yc1, std::string& n1, double& fa) {
  const int n = TriangleCount(n1);
  const double mlogs = WeakestSidePrecision(ui, e1, ra, rb, c1, mb1, aa1, n, StartingSide::Central, 6);
  const KnownSide ac = SideFromA(xa1, ya1, xc1, yc1, kPointC, fa);
  std::vector<double> s(n + 1), t(n + 1);
  s[0] = ac.length;
  t[0] = ac.azimuth;
  // At A the outer side A-Q1 lies A_1 counter-clockwise of the central side A-C.
  t[1] = t[0] - a1[1];
  if (t[1] < 0) t[1] = t[1] + 360;
  for (int i = 2; i <= n - 1; ++i) t[i] = TurnOnRim(t[i - 1], b1[i - 1], a1[i]);
  t[n] = TurnInward(t[n - 1], b1[n - 1]);
  SideChain(s, a1, b1, c1, n, fa, StartingSide::Central);
  ListPoints(ui, n, ac.xa, ac.ya, s, t, na1, fa);
  RelativeError(ui, mlogs);
}

void Cam3(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& ta1, std::string& qa1, std::string& sa1, std::string& n1, double& fa) {
  const int n = TriangleCount(n1);
  // The starting side A-Q1 is leg 1 itself. Its chain is that of the outer
  // side case, whose tables are indexed one lower: leg j here is entry j-1 there.
  std::vector<double> s(n + 1), t(n + 1);
  s[0] = NumberOf(sa1, texts::S1Name);
  const double mlogs = WeakestSidePrecision(ui, e1, ra, rb, c1, mb1, aa1, n, StartingSide::Outer, 2);
  const double ta = DmsToDeg(NumberOf(ta1, texts::TaName));
  const double qa = DmsToDeg(NumberOf(qa1, texts::QaName));
  t[0] = Finite(ta + qa, "起算边的方位角 Ta + Qa");
  if (t[0] >= 360) t[0] = t[0] - 360;
  OuterAzimuths(t, a1, b1, c1, n);
  SideChain(s, a1, b1, c1, n, fa, StartingSide::Outer);
  std::vector<double> legs_s(n + 2), legs_t(n + 2);
  std::copy(s.begin(), s.end(), legs_s.begin() + 1);
  std::copy(t.begin(), t.end(), legs_t.begin() + 1);
  const double xa = NumberOf(xa1, texts::XaName);
  const double ya = NumberOf(ya1, texts::YaName);
  ListPoints(ui, n + 1, xa, ya, legs_s, legs_t, na1, fa);
  RelativeError(ui, mlogs);
}

}  // namespace quorvel
