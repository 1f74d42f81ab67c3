#include "adjust/numbers.h"
#include "entry/entry.h"
#include "entry/texts.h"

namespace quorvel {

namespace {

// The two coordinates of one point, each through the confirmed entry.
struct PointEntry {
  std::string Network::*x;
  std::string Network::*y;
  int x_field, y_field;
  const EntryTexts &x_texts, &y_texts;
  std::string_view x_name, y_name;
};

void EnterPoint(Ui& ui, Network& net, const PointEntry& p) {
  ConfirmedEntry(ui, net, net.*p.x, p.x_field, kCoordinatePattern, p.x_texts, "", p.x_name);
  ConfirmedEntry(ui, net, net.*p.y, p.y_field, kCoordinatePattern, p.y_texts, "", p.y_name);
}

}  // namespace

void EnterStartingData(Ui& ui, Network& net) {
  EnterPoint(ui, net, {&Network::xa1, &Network::ya1, Text1, Text2, texts::Xa, texts::Ya, texts::XaName, texts::YaName});
  EnterPoint(ui, net, {&Network::xb1, &Network::yb1, Text16, Text22, texts::Xb, texts::Yb, texts::XbName, texts::YbName});
  if (BIsNew(net)) {
    ui.SetText(Text16, "B点为待定点");
    ui.SetText(Text22, "B点为待定点");
  }
  EnterPoint(ui, net, {&Network::xc1, &Network::yc1, Text23, Text24, texts::Xc, texts::Yc, texts::XcName, texts::YcName});
  if (CIsNew(net)) {
    ui.SetText(Text23, "C点为待定点");
    ui.SetText(Text24, "C点为待定点");
  }

  // The starting case: each coordinate is tested again, in this order.
  if (BIsKnown(net) && CIsNew(net)) {
    ui.SetText(Text3, "没有外方位角");
    ui.SetText(Text4, "没有定向角");
    ui.SetText(Text21, "由A-B边起算");
    ui.SetText(Text25, "由 A--B 的外侧边为起算起始边");
  } else if (CIsKnown(net) && BIsNew(net)) {
    ui.SetText(Text25, "由 A--C 二点的中心边为起始边起算");
    ui.SetText(Text3, "没有外方位角");
    ui.SetText(Text4, "没有定向角");
    ui.SetText(Text21, "由A-C边起算");
  } else if (BIsNew(net) && CIsNew(net)) {
    ui.SetText(Text25, "由 A 点为起始点，A 点的外方位角和定向角 Qa 起算");
    ConfirmedEntry(ui, net, net.ta1, Text3, kAnglePattern, texts::Ta, "", texts::TaName);
    ConfirmedEntry(ui, net, net.qa1, Text4, kAnglePattern, texts::Qa, " ", texts::QaName);
    ConfirmedEntry(ui, net, net.sa1, Text21, kSidePattern, texts::S1, "", texts::S1Name);
  }
}

}  // namespace quorvel
