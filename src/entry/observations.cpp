#include "adjust/adjustment.h"
#include "adjust/angles.h"
#include "adjust/numbers.h"
#include "entry/entry.h"
#include "entry/texts.h"

namespace quorvel {

void EnterNames(Ui& ui, Network& net) {
  // The azimuth case names the central point and A as well.
  const int count = BIsNew(net) && CIsNew(net) ? net.n + 1 : net.n;
  for (int j = 1; j <= count; ++j) net.na1[j] = ui.InputBox(texts::NamePrompt);
}

namespace {

struct AngleRow {
  const EntryTexts& texts;
  int field;
  int tag;
  char letter;
  const char* name;
};

// One angle of triangle i: asked, tagged, echoed and confirmed; the reply
// text is returned as typed.
std::string EnterAngle(Ui& ui, Network& net, int i, const AngleRow& row) {
  std::string slot = ui.InputBox(row.texts.prompt);
  const std::string number = NumberText(i);
  ui.SetCaption(row.tag, std::string(1, row.letter) + number);
  if (row.letter == 'A') ui.SetText(Text5, " " + number);
  const std::string what = "三角形 " + number + " 的" + row.name;
  ui.SetText(row.field, Echo(slot, kAnglePattern));
  ConfirmValue(ui, net, slot, row.field, kAnglePattern, row.texts, "", what);
  return slot;
}

}  // namespace

void EnterTriangles(Ui& ui, Network& net) {
  const AngleRow rows[3] = {
      {texts::AngleA, Text6, Label9, 'A', "求距角 A"},
      {texts::AngleB, Text7, Label10, 'B', "前进角 B"},
      {texts::AngleC, Text8, Label11, 'C', "间隔角 C"},
  };
  for (int i = 1; i <= net.n; ++i) {
    const std::string a = EnterAngle(ui, net, i, rows[0]);
    const std::string b = EnterAngle(ui, net, i, rows[1]);
    const std::string c = EnterAngle(ui, net, i, rows[2]);
    const std::string tri = "三角形 " + NumberText(i) + " 的";
    net.a1[i] = DmsToDeg(NumberOf(a, tri + "求距角 A"));
    net.b1[i] = DmsToDeg(NumberOf(b, tri + "前进角 B"));
    net.c1[i] = DmsToDeg(NumberOf(c, tri + "间隔角 C"));
    TriangleStep(ui, net, i);
  }
}

}  // namespace quorvel
