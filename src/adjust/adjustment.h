#pragma once
// The angle adjustment: figure misclosures and first-stage corrections as
// each triangle comes in, then the central and pole conditions solved by
// least squares, then the angle precision.
#include "app/network.h"
#include "app/ui.h"

namespace quorvel {

// Triangle i, its angles just converted to decimal degrees: figure
// misclosure shown, first-stage corrections, pole coefficients, running sums.
void TriangleStep(Ui& ui, Network& net, int i);

// After the last triangle: w1 and w2 shown, rows 1 and 2 of e1 written.
void CloseConditions(Ui& ui, Network& net);

// Normal matrix, determinant, correlates, second-stage corrections added to
// the angles.
void SecondStage(Network& net);

// mb from both stages' squared corrections, shown in Text12.
void AnglePrecision(Ui& ui, Network& net);

}  // namespace quorvel
