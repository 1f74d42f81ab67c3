#pragma once
// The data of one computation. Arrays are indexed from 0 and filled from 1,
// as the surveying formulas number triangles, angles and points.
#include <array>
#include <string>
#include <vector>

namespace quorvel {

// e1: rows 0..3 by columns 0..3N. Row 1 the central condition and row 2 the
// pole condition, both reduced by the figure conditions; row 3 the weight
// function of the weakest side.
using ConditionTable = std::array<std::vector<double>, 4>;

struct Network {
  // Window-level fields: set afresh by every computation.
  std::string n1;                       // N as typed
  std::string xa1, ya1, xb1, yb1, xc1, yc1;  // coordinates as typed
  double fa = 0.0;                      // degrees to radians, with the ten-decimal pi
  std::vector<std::string> na1;         // point names, 0..N+1
  ConditionTable e1;

  // Per-computation fields.
  int n = 0;                            // N read as a number
  std::vector<double> a1, b1, c1;       // angles of triangle i, decimal degrees
  std::vector<double> wt;               // figure misclosure W(i), degrees
  std::vector<double> ra, rb;           // pole-condition coefficients
  std::vector<double> vc;               // second-stage corrections, seconds, 0..3N
  double ncc = 0.0, ncp = 0.0, npp = 0.0;  // reduced normal matrix
  double aa1 = 0.0;                     // its determinant
  double mb = 0.0;                      // angle precision, seconds
  std::string ta1, qa1, sa1;            // azimuth case only: Ta, Qa (ddd.mmss) and S1 as typed

  // Running sums and results of the adjustment.
  double sc = 0.0, sla = 0.0, slb = 0.0;  // sums of corrected C, of LogSin A, of LogSin B
  double vv1 = 0.0, vv2 = 0.0;          // squared corrections of the two stages
  double w1 = 0.0, w2 = 0.0;            // central and pole misclosures
  double k1 = 0.0, k2 = 0.0;            // correlates

  // The confirmation reply, shared by every confirmed entry.
  std::string confirmation;
};

// Sizes every array from n and empties them; all sums back to zero.
void SizeNetwork(Network& net, int n);

}  // namespace quorvel
