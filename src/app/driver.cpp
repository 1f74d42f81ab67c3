#include "app/driver.h"

#include <cmath>
#include <exception>
#include <new>

#include "adjust/adjustment.h"
#include "adjust/angles.h"
#include "adjust/fault.h"
#include "adjust/numbers.h"
#include "coords/coords.h"
#include "entry/entry.h"
#include "entry/texts.h"

namespace quorvel {

void SizeNetwork(Network& net, int n) {
  const auto size = static_cast<std::size_t>(n);
  net.n = n;
  net.na1.assign(size + 2, std::string());
  for (auto& row : net.e1) row.assign(3 * size + 1, 0.0);
  net.a1.assign(size + 1, 0.0);
  net.b1.assign(size + 1, 0.0);
  net.c1.assign(size + 1, 0.0);
  net.wt.assign(size + 1, 0.0);
  net.ra.assign(size + 1, 0.0);
  net.rb.assign(size + 1, 0.0);
  net.vc.assign(3 * size + 1, 0.0);
  net.ncc = net.ncp = net.npp = net.aa1 = net.mb = 0.0;
  net.sc = net.sla = net.slb = net.vv1 = net.vv2 = 0.0;
  net.w1 = net.w2 = net.k1 = net.k2 = 0.0;
  net.ta1.clear();
  net.qa1.clear();
  net.sa1.clear();
  net.confirmation.clear();
}

namespace {

// N must be a whole number of triangles that a central polygon can have and
// that memory can hold.
int ReadTriangleCount(const std::string& n1) {
  const auto value = ReadNumber(n1);
  if (!value || *value != std::trunc(*value) || *value < kMinTriangles || *value > kMaxTriangles) {
    throw Fault("计算中止：三角形的个数 N 必须是 " + std::to_string(kMinTriangles) + " 到 " +
                std::to_string(kMaxTriangles) + " 之间的整数，输入的是“" + n1 + "”。");
  }
  return static_cast<int>(*value);
}

// Which coordinate routine the starting data call for: looser than the
// starting case, each pair tested on its own.
void Dispatch(Ui& ui, Network& net) {
  if (BIsKnown(net)) {
    Cam1(ui, net.na1, net.e1, net.ra, net.rb, net.a1, net.b1, net.c1, net.mb, net.aa1, net.xa1, net.ya1,
         net.xb1, net.yb1, net.n1, net.fa);
  } else if (CIsKnown(net)) {
    Cam2(ui, net.na1, net.e1, net.ra, net.rb, net.a1, net.b1, net.c1, net.mb, net.aa1, net.xa1, net.ya1,
         net.xc1, net.yc1, net.n1, net.fa);
  } else if (BIsNew(net) && CIsNew(net)) {
    Cam3(ui, net.na1, net.e1, net.ra, net.rb, net.a1, net.b1, net.c1, net.mb, net.aa1, net.xa1, net.ya1,
         net.ta1, net.qa1, net.sa1, net.n1, net.fa);
  }
}

void Compute(Ui& ui, Network& net) {
  net.fa = kFa;
  net.n1 = ui.InputBox(texts::NPrompt);
  ui.SetText(Text9, "中心多边形有" + net.n1 + "个三角形");
  SizeNetwork(net, ReadTriangleCount(net.n1));
  EnterStartingData(ui, net);
  EnterNames(ui, net);
  EnterTriangles(ui, net);
  CloseConditions(ui, net);
  SecondStage(net);
  AnglePrecision(ui, net);
  Dispatch(ui, net);
}

}  // namespace

void Command1_Click(Ui& ui, Network& net) {
  try {
    Compute(ui, net);
  } catch (const Fault& fault) {
    ui.ReportError(fault.what());
  } catch (const std::bad_alloc&) {
    ui.ReportError("计算中止：内存不足。");
  }
}

}  // namespace quorvel
