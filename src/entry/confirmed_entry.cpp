#include "adjust/fault.h"
#include "adjust/numbers.h"
#include "entry/entry.h"
#include "entry/texts.h"

namespace quorvel {

void ConfirmedEntry(Ui& ui, Network& net, std::string& slot, int field, int decimals,
                    const EntryTexts& texts, std::string_view blank, std::string_view what) {
  slot = ui.InputBox(texts.prompt);
  ui.SetText(field, Echo(slot, decimals));
  ConfirmValue(ui, net, slot, field, decimals, texts, blank, what);
}

void ConfirmValue(Ui& ui, Network& net, std::string& slot, int field, int decimals,
                  const EntryTexts& texts, std::string_view blank, std::string_view what) {
  net.confirmation = ui.InputBox(texts.confirm);
  // The empty confirmation (Enter, OK on the empty box, Cancel) accepts; any
  // other reply is read as a number, and only zero rejects.
  while (!net.confirmation.empty() &&
         NumberOf(net.confirmation, "对“" + std::string(what) + "”的确认回答") == 0.0) {
    ui.SetText(field, blank);
    slot = ui.InputBox(texts.reenter);
    ui.SetText(field, Echo(slot, decimals));
    net.confirmation = ui.InputBox(texts.confirm_again);
  }
  ui.SetText(field, Echo(slot, decimals));
}

bool IsZero(std::string_view reply, std::string_view what) { return NumberOf(reply, what) == 0.0; }

bool BIsNew(const Network& net) { return IsZero(net.xb1, texts::XbName) && IsZero(net.yb1, texts::YbName); }
bool CIsNew(const Network& net) { return IsZero(net.xc1, texts::XcName) && IsZero(net.yc1, texts::YcName); }
bool BIsKnown(const Network& net) { return !IsZero(net.xb1, texts::XbName) && !IsZero(net.yb1, texts::YbName); }
bool CIsKnown(const Network& net) { return !IsZero(net.xc1, texts::XcName) && !IsZero(net.yc1, texts::YcName); }

}  // namespace quorvel
