#pragma once
// A fault stops the computation at once; the driver reports it and the
// program keeps running.
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

struct Fault : std::runtime_error {
  explicit Fault(const std::string& message) : std::runtime_error(message) {}
};

// Checked arithmetic: each names the quantity being formed in the report.
double Div(double a, double b, std::string_view what);   // a / b
double Ln(double x, std::string_view what);              // natural logarithm
double Sqrt(double x, std::string_view what);            // square root
double Finite(double x, std::string_view what);          // overflow test

}  // namespace quorvel
