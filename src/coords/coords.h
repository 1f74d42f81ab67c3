#pragma once
// Sides and coordinates: the weakest side's precision, the side chain by the
// sine rule, the azimuths, and the paced listing of the new points.
//
// Geometry: central point O, outer points Q0..Q(N-1) clockwise around it with
// A = Q0; triangle i has its distance angle A_i at Q(i-1), its forward angle
// B_i at Q(i) and its interval angle C_i at O. X is north, Y east, azimuths
// clockwise from +X in decimal degrees.
#include <string>
#include <utility>
#include <vector>

#include "app/network.h"
#include "app/ui.h"

namespace quorvel {

enum class StartingSide { Outer, Central };  // the chain starts at A-B (or Ta, Qa, S1) / at A-C

// Writes row 3 of e1 (the weight function of the weakest side), shows 1/P in
// Text13 (rounded at `decimals`) and mlogS in Text14; returns mlogS.
double WeakestSidePrecision(Ui& ui, ConditionTable& e1, const std::vector<double>& ra,
                            const std::vector<double>& rb, const std::vector<double>& c1, double mb1,
                            double aa1, int n, StartingSide side, int decimals);

// S(1..N) from S(0) by the sine rule, for the outer or the central side case.
void SideChain(std::vector<double>& s, const std::vector<double>& a1, const std::vector<double>& b1,
               const std::vector<double>& c1, int n, double fa, StartingSide side);

// 1/m of the weakest side into Text15.
void RelativeError(Ui& ui, double mlogs);

// (length, azimuth) of the direction with north difference dx, east dy.
std::pair<double, double> AzimuthOf(double dx, double dy, double fa);

// The paced traverse: before each of the L points a dialog, then the point.
void ListPoints(Ui& ui, int l, double xp0, double yp0, const std::vector<double>& s,
                const std::vector<double>& t, const std::vector<std::string>& na1, double fa);

// The three coordinate routines, one per starting case.
void Cam1(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& xb1, std::string& yb1, std::string& n1, double& fa);
void Cam2(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& xc1, std::string& yc1, std::string& n1, double& fa);
void Cam3(Ui& ui, std::vector<std::string>& na1, ConditionTable& e1, std::vector<double>& ra,
          std::vector<double>& rb, std::vector<double>& a1, std::vector<double>& b1,
          std::vector<double>& c1, double& mb1, double& aa1, std::string& xa1, std::string& ya1,
          std::string& ta1, std::string& qa1, std::string& sa1, std::string& n1, double& fa);

}  // namespace quorvel
