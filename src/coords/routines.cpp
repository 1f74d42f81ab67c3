#include <algorithm>
#include <tuple>

#include "adjust/angles.h"
#include "adjust/fault.h"
#include "adjust/numbers.h"
#include "coords/coords.h"

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

}  // namespace

void Cam1(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& xb1, std::string& yb1, std::string& n1, double& fa) {
  const int n = TriangleCount(n1);
  const double mlogs = WeakestSidePrecision(ui, e1, ra, rb, c1, mb1, aa1, n, StartingSide::Outer, 6);
  const double xb = NumberOf(xb1, "起始点 B 的纵座标 Xb");
  const double xa = NumberOf(xa1, "起始点 A 的纵座标 Xa");
  const double yb = NumberOf(yb1, "起始点 B 的横座标 Yb");
  const double ya = NumberOf(ya1, "起始点 A 的横座标 Ya");
  std::vector<double> s(n + 1), t(n + 1);
  std::tie(s[0], t[0]) = AzimuthOf(Finite(xb - xa, "A-B 的纵座标差"), Finite(yb - ya, "A-B 的横座标差"), fa);
  OuterAzimuths(t, a1, b1, c1, n);
  SideChain(s, a1, b1, c1, n, fa, StartingSide::Outer);
  ListPoints(ui, n, xb, yb, s, t, na1, fa);
  RelativeError(ui, mlogs);
}

void Cam2(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& xc1, std::string& yc1, std::string& n1, double& fa) {
  const int n = TriangleCount(n1);
  const double mlogs = WeakestSidePrecision(ui, e1, ra, rb, c1, mb1, aa1, n, StartingSide::Central, 6);
  const double xc = NumberOf(xc1, "中心点 C 的纵座标 Xc");
  const double xa = NumberOf(xa1, "起始点 A 的纵座标 Xa");
  const double yc = NumberOf(yc1, "中心点 C 的横座标 Yc");
  const double ya = NumberOf(ya1, "起始点 A 的横座标 Ya");
  std::vector<double> s(n + 1), t(n + 1);
  std::tie(s[0], t[0]) = AzimuthOf(Finite(xc - xa, "A-C 的纵座标差"), Finite(yc - ya, "A-C 的横座标差"), fa);
  // At A the outer side A-Q1 lies A_1 counter-clockwise of the central side A-C.
  t[1] = t[0] - a1[1];
  if (t[1] < 0) t[1] = t[1] + 360;
  for (int i = 2; i <= n - 1; ++i) t[i] = TurnOnRim(t[i - 1], b1[i - 1], a1[i]);
  t[n] = TurnInward(t[n - 1], b1[n - 1]);
  SideChain(s, a1, b1, c1, n, fa, StartingSide::Central);
  ListPoints(ui, n, xa, ya, s, t, na1, fa);
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
  s[0] = NumberOf(sa1, "起算边长 S1");
  const double mlogs = WeakestSidePrecision(ui, e1, ra, rb, c1, mb1, aa1, n, StartingSide::Outer, 2);
  const double ta = DmsToDeg(NumberOf(ta1, "外方位角 Ta"));
  const double qa = DmsToDeg(NumberOf(qa1, "定向角 Qa"));
  t[0] = Finite(ta + qa, "起算边的方位角 Ta + Qa");
  if (t[0] >= 360) t[0] = t[0] - 360;
  OuterAzimuths(t, a1, b1, c1, n);
  SideChain(s, a1, b1, c1, n, fa, StartingSide::Outer);
  std::vector<double> legs_s(n + 2), legs_t(n + 2);
  std::copy(s.begin(), s.end(), legs_s.begin() + 1);
  std::copy(t.begin(), t.end(), legs_t.begin() + 1);
  const double xa = NumberOf(xa1, "起始点 A 的纵座标 Xa");
  const double ya = NumberOf(ya1, "起始点 A 的横座标 Ya");
  ListPoints(ui, n + 1, xa, ya, legs_s, legs_t, na1, fa);
  RelativeError(ui, mlogs);
}

}  // namespace quorvel
