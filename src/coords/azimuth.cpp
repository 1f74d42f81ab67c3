#include <cmath>

#include "adjust/fault.h"
#include "coords/coords.h"

namespace quorvel {

std::pair<double, double> AzimuthOf(double dx, double dy, double fa) {
  const double length = Sqrt(Finite(dx * dx + dy * dy, "边长的平方"), "边长");
  double v = Div(dy, length, "两个已知点的座标相同或相距太近，边长为零");
  // Keeps the next step away from a zero divisor for a due east or west line.
  if (std::fabs(v) == 1) v = v * 0.99999999999999;
  double a = std::atan(Div(v, Sqrt(1 - v * v, "起算边的方位角"), "起算边的方位角")) / fa;
  if (dx < 0) {
    a = 180 - a;
  } else if (dx > 0 && dy < 0) {
    a = a + 360;
  }
  return {length, a};
}

}  // namespace quorvel
