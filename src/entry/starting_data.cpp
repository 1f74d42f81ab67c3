#include "adjust/numbers.h"
#include "entry/entry.h"
#include "entry/texts.h"

namespace quorvel {

void EnterStartingData(Ui& ui, Network& net) {
  const std::string_view empty;
  ConfirmedEntry(ui, net, net.xa1, Text1, kCoordinatePattern, texts::Xa, empty, "起始点 A 的纵座标 Xa");
  ConfirmedEntry(ui, net, net.ya1, Text2, kCoordinatePattern, texts::Ya, empty, "起始点 A 的横座标 Ya");
  ConfirmedEntry(ui, net, net.xb1, Text16, kCoordinatePattern, texts::Xb, empty, "起始点 B 的纵座标 Xb");
  ConfirmedEntry(ui, net, net.yb1, Text22, kCoordinatePattern, texts::Yb, empty, "起始点 B 的横座标 Yb");
  const bool b_new = IsZero(net.xb1, "起始点 B 的纵座标 Xb") && IsZero(net.yb1, "起始点 B 的横座标 Yb");
  if (b_new) {
    ui.SetText(Text16, "B点为待定点");
    ui.SetText(Text22, "B点为待定点");
  }
  ConfirmedEntry(ui, net, net.xc1, Text23, kCoordinatePattern, texts::Xc, empty, "中心点 C 的纵座标 Xc");
  ConfirmedEntry(ui, net, net.yc1, Text24, kCoordinatePattern, texts::Yc, empty, "中心点 C 的横座标 Yc");
  const bool c_new = IsZero(net.xc1, "中心点 C 的纵座标 Xc") && IsZero(net.yc1, "中心点 C 的横座标 Yc");
  if (c_new) {
    ui.SetText(Text23, "C点为待定点");
    ui.SetText(Text24, "C点为待定点");
  }

  // The starting case: each coordinate is tested again, in the table's order.
  const bool b_known = !IsZero(net.xb1, "起始点 B 的纵座标 Xb") && !IsZero(net.yb1, "起始点 B 的横座标 Yb");
  const bool c_known = !IsZero(net.xc1, "中心点 C 的纵座标 Xc") && !IsZero(net.yc1, "中心点 C 的横座标 Yc");
  if (b_known && c_new) {
    ui.SetText(Text3, "没有外方位角");
    ui.SetText(Text4, "没有定向角");
    ui.SetText(Text21, "由A-B边起算");
    ui.SetText(Text25, "由 A--B 的外侧边为起算起始边");
  } else if (c_known && b_new) {
    ui.SetText(Text25, "由 A--C 二点的中心边为起始边起算");
    ui.SetText(Text3, "没有外方位角");
    ui.SetText(Text4, "没有定向角");
    ui.SetText(Text21, "由A-C边起算");
  } else if (b_new && c_new) {
    ui.SetText(Text25, "由 A 点为起始点，A 点的外方位角和定向角 Qa 起算");
    ConfirmedEntry(ui, net, net.ta1, Text3, kAnglePattern, texts::Ta, empty, "外方位角 Ta");
    ConfirmedEntry(ui, net, net.qa1, Text4, kAnglePattern, texts::Qa, " ", "定向角 Qa");
    ConfirmedEntry(ui, net, net.sa1, Text21, kSidePattern, texts::S1, empty, "起算边长 S1");
  }
}

}  // namespace quorvel
