#include "adjust/angles.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "adjust/fault.h"

namespace quorvel {

namespace {

// The whole number m formed by the digits of x up to its second decimal, with
// the sign of x. The digits are those of the shortest decimal that reads back
// as x, which are the digits the surveyor typed.
double MinuteDigits(double x) {
  if (!(std::fabs(x) < 1e15)) return std::trunc(100 * x);
  if (std::fabs(x) < 1e-3) return 0;  // no minute digits; spares printing a long run of zeros
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::fixed);
  if (result.ec != std::errc()) return std::trunc(100 * x);
  std::string digits(buffer, result.ptr);
  std::string fraction;
  if (const auto point = digits.find('.'); point != std::string::npos) {
    fraction = digits.substr(point + 1);
    digits.erase(point);
  }
  fraction.resize(2, '0');
  digits += fraction.substr(0, 2);
  double m = 0.0;
  std::from_chars(digits.data(), digits.data() + digits.size(), m);
  return std::signbit(x) ? -m : m;
}

}  // namespace

double DmsToDeg(double x) {
  const double d = std::trunc(x);
  const double m = MinuteDigits(x);
  const double mm = m - 100 * d;
  const double ss = 10000 * x - 100 * m;
  return Finite(d + mm / 60 + ss / 3600, "度分秒换算");
}

namespace {

std::string AngleContext(std::string_view what, double x, std::string_view detail) {
  std::string text(what);
  text += " = ";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 12);
  text.append(buffer, result.ptr);
  text += " 度";
  text += detail;
  return text;
}

}  // namespace

double LogSin(double x, std::string_view what) {
  const double s = std::sin(x * kFa);
  if (!(s > 0.0)) Ln(s, AngleContext(what, x, "，其正弦为零或负数"));
  return Ln(s, what) / kLn10 + 10;
}

double LogSinPerSec(double x, std::string_view what) {
  const double t = std::tan(x * kFa);
  if (t == 0.0 || !std::isfinite(2.1055 / t)) Div(2.1055, t, AngleContext(what, x, "，其正切为零"));
  return 2.1055 / t;
}

}  // namespace quorvel
