#pragma once
#include <string_view>
// Angle units: ddd.mmss as typed, decimal degrees as carried, radians as
// degrees times fa, seconds of arc, and units of the sixth decimal of the
// common logarithm.

namespace quorvel {

// 3.1415926535 / 180: every trigonometric argument is degrees times this.
inline constexpr double kFa = 3.1415926535 / 180;
// ln 10 as the nine-decimal literal that turns a natural log into a common one.
inline constexpr double kLn10 = 2.302585093;

// ddd.mmss to decimal degrees; the minute digits are those typed (35.30 is
// 35 degrees 30 minutes although 100 * 35.30 lies a hair below 3530).
double DmsToDeg(double x);

// Common log of sin x, plus 10 (tabular form); x in degrees.
double LogSin(double x, std::string_view what = "角度");

// Change of the sixth decimal of LogSin(x) for one second of arc: 2.1055 / tan x.
double LogSinPerSec(double x, std::string_view what = "角度");

}  // namespace quorvel
