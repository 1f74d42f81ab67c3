#include <cmath>
#include <string>

#include "adjust/angles.h"
#include "adjust/fault.h"
#include "adjust/numbers.h"
#include "coords/coords.h"

namespace quorvel {

namespace {

std::string Angle(const char* name, int i) { return std::string(name) + std::to_string(i); }

}  // namespace

double WeakestSidePrecision(Ui& ui, ConditionTable& e1, const std::vector<double>& ra,
                            const std::vector<double>& rb, const std::vector<double>& c1, double mb1,
                            double aa1, int n, StartingSide side, int decimals) {
  // The weakest side is the outer side of triangle K, reached from the
  // starting side through triangles 1..K; its log length is the weight
  // function, each angle weighing in with the change of its log sine.
  const int k_weak = n / 2 + 1;
  auto& f = e1[3];
  for (int i = 1; i <= k_weak; ++i) {
    double p = ra[i];
    double q = rb[i];
    double r = 0;
    if (i == 1 && side == StartingSide::Outer) {
      q = 0;
      r = -LogSinPerSec(c1[1], Angle("平差后的间隔角 C", 1));
    }
    if (i == k_weak) {
      p = 0;
      r = LogSinPerSec(c1[k_weak], Angle("平差后的间隔角 C", k_weak));
    }
    const double g = (p + q + r) / 3;
    f[3 * i - 2] = p - g;
    f[3 * i - 1] = q - g;
    f[3 * i] = r - g;
  }

  const int columns = 3 * n;
  double af = 0, bf = 0, ff = 0;
  for (int k = 1; k <= columns; ++k) af += e1[1][k] * f[k];
  for (int k = 1; k <= columns; ++k) bf += e1[2][k] * f[k];
  for (int k = 1; k <= columns; ++k) ff += f[k] * f[k];
  double ncc = 0, ncp = 0, npp = 0;
  for (int k = 1; k <= columns; ++k) ncc += e1[1][k] * e1[1][k];
  for (int k = 1; k <= columns; ++k) ncp += e1[1][k] * e1[2][k];
  for (int k = 1; k <= columns; ++k) npp += e1[2][k] * e1[2][k];

  const char* singular = "最弱边权倒数（法方程行列式 D 为零）";
  const double u1 = Div(ncp * bf - af * npp, aa1, singular);
  const double u2 = Div(ncp * af - ncc * bf, aa1, singular);
  double inv_p = ff + u1 * af;
  inv_p = Finite(inv_p + u2 * bf, "最弱边边长权倒数 1/P");
  const double mlogs = Finite(Sqrt(inv_p, "最弱边边长权倒数 1/P") * mb1, "最弱边对数中误差 mlogS");
  ui.SetText(Text13, RoundedNumberText(inv_p, decimals));
  ui.SetText(Text14, RoundedText(mlogs, kLogUnits));
  return mlogs;
}

namespace {

// sin x for the sine rule, x in decimal degrees.
double Sin(double x, double fa) { return std::sin(x * fa); }

const char* const kSineRule = "正弦定理推算边长时，角度的正弦为零";

// Step 4: outer side of triangle i to that of triangle j = i+1.
double OuterToOuter(double s, const std::vector<double>& a1, const std::vector<double>& b1,
                    const std::vector<double>& c1, int i, int j, double fa) {
  const double t = s * Sin(a1[i], fa) * Sin(c1[j], fa);
  return Div(Div(t, Sin(c1[i], fa), kSineRule), Sin(b1[j], fa), kSineRule);
}

// Step 1 (outer side to central side OQ(i)), step 2 (central to central) and
// step 3 (central to outer) all have this shape: s times sin x divided by sin y.
double Ratio(double s, double x, double y, double fa) {
  return Div(s * Sin(x, fa), Sin(y, fa), kSineRule);
}

}  // namespace

void SideChain(std::vector<double>& s, const std::vector<double>& a1, const std::vector<double>& b1,
               const std::vector<double>& c1, int n, double fa, StartingSide side) {
  if (side == StartingSide::Outer) {
    for (int i = 1; i <= n - 2; ++i) s[i] = OuterToOuter(s[i - 1], a1, b1, c1, i, i + 1, fa);
    s[n - 1] = Ratio(s[n - 2], a1[n - 1], c1[n - 1], fa);  // step 1
    s[n] = Ratio(s[n - 1], a1[n], b1[n], fa);              // step 2: O-A
  } else {
    s[1] = Ratio(s[0], c1[1], b1[1], fa);  // step 3
    for (int i = 2; i <= n - 1; ++i) s[i] = OuterToOuter(s[i - 1], a1, b1, c1, i - 1, i, fa);
    s[n] = Ratio(s[n - 1], a1[n - 1], c1[n - 1], fa);  // step 1
  }
}

void RelativeError(Ui& ui, double mlogs) {
  // 434290: one million times log10(e) cut to five decimals.
  const double m = std::trunc(Div(434290, mlogs, "最弱边对数中误差 mlogS 为零，无法计算相对中误差"));
  ui.SetText(Text15, "1/" + NumberText(m));
}

}  // namespace quorvel
