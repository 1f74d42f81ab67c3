#include <cmath>

#include "adjust/fault.h"
#include "adjust/numbers.h"
#include "coords/coords.h"
#include "entry/texts.h"

namespace quorvel {

void ListPoints(Ui& ui, int l, double xp0, double yp0, const std::vector<double>& s,
                const std::vector<double>& t, const std::vector<std::string>& na1, double fa) {
  double xp = xp0;
  double yp = yp0;
  for (int i = 1; i <= l; ++i) {
    // The reply only paces the listing: whatever it is, the next point follows.
    ui.InputBox(texts::PacingPrompt);
    const double dx = s[i] * std::cos(t[i] * fa);
    const double dy = s[i] * std::sin(t[i] * fa);
    xp = Finite(xp + dx, "待定点的纵座标");
    yp = Finite(yp + dy, "待定点的横座标");
    const std::string k = NumberText(i);
    ui.SetCaption(Label35, "D$" + k);
    ui.SetText(Text17, "  " + na1[i]);
    ui.SetCaption(Label36, "X" + k);
    ui.SetText(Text18, FormatPattern(xp, kCoordinatePattern));
    ui.SetCaption(Label37, "Y" + k);
    ui.SetText(Text19, FormatPattern(yp, kCoordinatePattern));
  }
}

}  // namespace quorvel
