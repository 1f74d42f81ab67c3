#pragma once
// Reading replies as numbers, and every number text the window shows.
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// A reply read as a decimal number: blanks around it ignored; optional sign,
// digits with an optional point, optional exponent; full-width digits, sign,
// point and the ideographic space count as their ASCII twins. Anything else,
// and a value that overflows a double, cannot be read.
std::optional<double> ReadNumber(std::string_view text);

// As ReadNumber, but a reply that cannot be read is a fault naming the value.
double NumberOf(std::string_view text, std::string_view what);

// Shortest general decimal form with at most 15 significant digits (12,
// 1.67, 0.5, -2.71, -1296000); never "-0".
std::string NumberText(double v);

// The value rounded half to even at `decimals` decimals, as number text.
std::string RoundedNumberText(double v, int decimals);

// Display patterns "0.000", "0.0000", "0.00000": exactly `decimals` decimals,
// rounded half to even on the exact value, never "-0.000".
std::string FormatPattern(double v, int decimals);

inline constexpr int kCoordinatePattern = 3;  // "0.000"
inline constexpr int kSidePattern = 4;        // "0.0000"
inline constexpr int kAnglePattern = 5;       // "0.00000"

// The echo of a reply: one blank and the value in its pattern; a reply that
// cannot be read shows as one blank and the reply as typed.
std::string Echo(std::string_view reply, int decimals);

inline constexpr std::string_view kSeconds = " 秒";
inline constexpr std::string_view kLogUnits = " 单位";

// A result in seconds or log units: rounded to 2 decimals, number text, suffix.
std::string RoundedText(double v, std::string_view suffix);

}  // namespace quorvel
