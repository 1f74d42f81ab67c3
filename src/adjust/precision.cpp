#include "adjust/adjustment.h"
#include "adjust/fault.h"
#include "adjust/numbers.h"

namespace quorvel {

void AnglePrecision(Ui& ui, Network& net) {
  net.mb = Sqrt(Finite(net.vv1 + net.vv2, "改正数的平方和") / (net.n + 2), "测角中误差 mb");
  ui.SetText(Text12, RoundedText(net.mb, kSeconds));
}

}  // namespace quorvel
