#include "adjust/fault.h"

#include <cmath>

namespace quorvel {

namespace {

[[noreturn]] void Stop(std::string_view kind, std::string_view what) {
  std::string message = "计算中止：";
  message += kind;
  message += "（";
  message += what;
  message += "）。";
  throw Fault(message);
}

}  // namespace

double Div(double a, double b, std::string_view what) {
  if (b == 0.0) Stop("除数为零", what);
  if (std::isnan(a) || std::isnan(b)) Stop("无效的运算", what);
  return Finite(a / b, what);
}

double Ln(double x, std::string_view what) {
  if (std::isnan(x) || x <= 0.0) Stop("对数的自变量无效，必须大于零", what);
  return Finite(std::log(x), what);
}

double Sqrt(double x, std::string_view what) {
  if (std::isnan(x) || x < 0.0) Stop("平方根的自变量无效，不能为负数", what);
  return Finite(std::sqrt(x), what);
}

double Finite(double x, std::string_view what) {
  if (std::isnan(x)) Stop("无效的运算", what);
  if (std::isinf(x)) Stop("数值溢出", what);
  return x;
}

}  // namespace quorvel
