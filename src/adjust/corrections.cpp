#include "adjust/adjustment.h"
#include "adjust/fault.h"

namespace quorvel {

void SecondStage(Network& net) {
  const auto& row1 = net.e1[1];
  const auto& row2 = net.e1[2];
  const int columns = 3 * net.n;
  net.ncc = 0;
  net.ncp = 0;
  net.npp = 0;
  for (int k = 1; k <= columns; ++k) net.ncc += row1[k] * row1[k];
  for (int k = 1; k <= columns; ++k) net.ncp += row1[k] * row2[k];
  for (int k = 1; k <= columns; ++k) net.npp += row2[k] * row2[k];
  Finite(net.npp, "法方程系数");
  Finite(net.ncp, "法方程系数");
  net.aa1 = Finite(net.ncc * net.npp - net.ncp * net.ncp, "法方程行列式");

  const char* correlates = "联系数（法方程行列式为零：中心条件与极条件的系数成比例）";
  net.k1 = Div(net.ncp * net.w2 - net.w1 * (net.npp * 3), net.aa1, correlates);
  net.k2 = Div(net.w1 * (net.ncp * 3) - net.w2 * net.ncc, net.aa1, correlates);

  for (int i = 1; i <= net.n; ++i) {
    for (int k = 3 * i - 2; k <= 3 * i; ++k) {
      net.vc[k] = Finite(net.k1 * row1[k] + net.k2 * row2[k], "第二次改正数");
    }
    for (int k = 3 * i - 2; k <= 3 * i; ++k) net.vv2 += net.vc[k] * net.vc[k];
    net.a1[i] = net.a1[i] + net.vc[3 * i - 2] / 3600;
    net.b1[i] = net.b1[i] + net.vc[3 * i - 1] / 3600;
    net.c1[i] = net.c1[i] + net.vc[3 * i] / 3600;
  }
  Finite(net.vv2, "第二次改正数的平方和");
}

}  // namespace quorvel
