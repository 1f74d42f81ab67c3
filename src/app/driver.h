#pragma once
// The compute command: one whole computation of one central polygon, from
// the N dialog to the last listed point.
#include "app/network.h"
#include "app/ui.h"

namespace quorvel {

inline constexpr int kMinTriangles = 3;
inline constexpr int kMaxTriangles = 100000;

// Runs one computation. A fault stops it at once and is reported through
// ui.ReportError; the fields keep what was written and the program goes on.
void Command1_Click(Ui& ui, Network& net);

}  // namespace quorvel
