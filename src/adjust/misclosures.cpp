#include <string>

#include "adjust/adjustment.h"
#include "adjust/angles.h"
#include "adjust/fault.h"
#include "adjust/numbers.h"

namespace quorvel {

void TriangleStep(Ui& ui, Network& net, int i) {
  const std::string tri = "三角形 " + std::to_string(i);
  const double w = Finite(net.a1[i] + net.b1[i] + net.c1[i] - 180, tri + " 的闭合差");
  net.wt[i] = w;
  ui.SetCaption(Label27, "W" + NumberText(i));
  ui.SetText(Text20, RoundedText(Finite(3600 * w, tri + " 的闭合差"), kSeconds));

  net.a1[i] = net.a1[i] - w / 3;
  net.ra[i] = LogSinPerSec(net.a1[i], tri + " 改正后的求距角 A");
  net.b1[i] = net.b1[i] - w / 3;
  net.rb[i] = -LogSinPerSec(net.b1[i], tri + " 改正后的前进角 B");
  net.c1[i] = net.c1[i] - w / 3;

  const double v = w / 3 * 3600;
  net.vv1 = Finite(net.vv1 + 3 * (v * v), "第一次改正数的平方和");
  net.sc = Finite(net.sc + net.c1[i], "间隔角之和");
  const double la = LogSin(net.a1[i], tri + " 改正后的求距角 A");
  const double lb = LogSin(net.b1[i], tri + " 改正后的前进角 B");
  net.sla += la;
  net.slb += lb;
}

void CloseConditions(Ui& ui, Network& net) {
  net.w1 = Finite((net.sc - 360) * 3600, "中心条件闭合差 w1");
  ui.SetText(Text10, RoundedText(net.w1, kSeconds));
  net.w2 = Finite((net.sla - net.slb) * 1000000, "极条件闭合差 w2");
  ui.SetText(Text11, RoundedText(net.w2, kLogUnits));

  auto& row1 = net.e1[1];
  auto& row2 = net.e1[2];
  for (int i = 1; i <= net.n; ++i) {
    row1[3 * i - 2] = -1;
    row1[3 * i - 1] = -1;
    row1[3 * i] = 2;
    const double q = (net.ra[i] + net.rb[i]) / 3;
    row2[3 * i - 2] = net.ra[i] - q;
    row2[3 * i - 1] = net.rb[i] - q;
    row2[3 * i] = -q;
  }
}

}  // namespace quorvel
