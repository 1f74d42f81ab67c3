#pragma once
// Data entry: the confirmed entry every value passes through, the starting
// data with its starting case, the point names and the observed angles.
#include <string>
#include <string_view>

#include "app/network.h"
#include "app/ui.h"

namespace quorvel {

// The four dialog texts of one confirmed value.
struct EntryTexts {
  std::string_view prompt;              // first prompt
  std::string_view confirm;             // first confirmation
  std::string_view reenter;             // re-entry prompt
  std::string_view confirm_again;       // later confirmation
};

// Ask, echo in `field`, confirm; on a confirmation that reads as zero blank
// the field and ask again. `what` names the value in a fault report.
void ConfirmedEntry(Ui& ui, Network& net, std::string& slot, int field, int decimals,
                    const EntryTexts& texts, std::string_view blank, std::string_view what);

// The confirmation half of the above, for a value already asked and echoed.
void ConfirmValue(Ui& ui, Network& net, std::string& slot, int field, int decimals,
                  const EntryTexts& texts, std::string_view blank, std::string_view what);

// Xa, Ya, Xb, Yb, Xc, Yc; new-point texts; starting case; Ta, Qa, S1.
void EnterStartingData(Ui& ui, Network& net);

// N+1 names when B and C are both new points, N otherwise.
void EnterNames(Ui& ui, Network& net);

// Triangle by triangle: angles A, B, C confirmed, converted, and the
// triangle's misclosure step run before the next triangle is asked.
void EnterTriangles(Ui& ui, Network& net);

// Each coordinate read as a number and compared with zero.
bool IsZero(std::string_view reply, std::string_view what);

// B (or C) is a new point when both its coordinates read as zero, and known
// when neither does; each call reads the replies again.
bool BIsNew(const Network& net);
bool CIsNew(const Network& net);
bool BIsKnown(const Network& net);
bool CIsKnown(const Network& net);

}  // namespace quorvel
