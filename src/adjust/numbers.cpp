#include "adjust/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "adjust/fault.h"

namespace quorvel {

namespace {

// Folds what a Chinese input method types for a number into ASCII: the
// full-width digits, signs and point (U+FF10..FF19, FF0B, FF0D, FF0E) and the
// ideographic space (U+3000). Returns false on any other non-ASCII byte.
bool FoldFullWidth(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    if (i + 3 > text.size()) return false;
    const auto c1 = static_cast<unsigned char>(text[i + 1]);
    const auto c2 = static_cast<unsigned char>(text[i + 2]);
    if (c == 0xE3 && c1 == 0x80 && c2 == 0x80) {
      out += ' ';  // U+3000
    } else if (c == 0xEF && c1 == 0xBC && c2 >= 0x90 && c2 <= 0x99) {
      out += static_cast<char>('0' + (c2 - 0x90));  // U+FF10..FF19
    } else if (c == 0xEF && c1 == 0xBC && c2 == 0x8B) {
      out += '+';
    } else if (c == 0xEF && c1 == 0xBC && c2 == 0x8D) {
      out += '-';
    } else if (c == 0xEF && c1 == 0xBC && c2 == 0x8E) {
      out += '.';
    } else {
      return false;
    }
    i += 3;
  }
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// sign? (digits [. digits?] | . digits) ([eE] sign? digits)?
bool IsDecimal(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponent = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++exponent;
    if (exponent == 0) return false;
  }
  return i == s.size();
}

// For a decimal that a double cannot hold: whether its magnitude lies below
// one (it underflows) rather than at or above it (it overflows). Decided by
// the decimal exponent of its leading digit, since neither a negative
// exponent (1000...0e-10) nor a zero whole part (0.1e400) settles it alone.
bool BelowOne(std::string_view s) {
  const std::size_t e = s.find_first_of("eE");
  const std::string_view mantissa = s.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::size_t i = e + 1;
    const bool minus = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    for (; i < s.size(); ++i) exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000'000LL);
    if (minus) exponent = -exponent;
  }
  const auto whole_digits = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return true;  // zero
  const auto at = static_cast<long long>(first);
  const long long leading = at < whole_digits ? whole_digits - at - 1 : whole_digits - at;
  return leading + exponent < 0;
}

std::string ToChars(double v, std::chars_format format, int precision) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, format, precision);
  if (result.ec != std::errc()) throw Fault("计算中止：数值太大，无法显示。");
  return std::string(buffer, result.ptr);
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
  std::string folded;
  if (!FoldFullWidth(text, folded)) return std::nullopt;
  std::string_view s = folded;
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  if (!IsDecimal(s)) return std::nullopt;
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  double value = 0.0;
  // from_chars is independent of the process locale, unlike strtod.
  const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // A value too small for a double reads as zero; one too large cannot be read.
    if (!BelowOne(s)) return std::nullopt;
    return negative ? -0.0 : 0.0;
  }
  if (result.ec != std::errc() || result.ptr != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

double NumberOf(std::string_view text, std::string_view what) {
  if (const auto value = ReadNumber(text)) return *value;
  std::string message = "计算中止：";
  message += what;
  // A name that ends in a Latin letter (Xa, 求距角 A) reads better spaced from the Chinese.
  if (!what.empty() && static_cast<unsigned char>(what.back()) < 0x80) message += ' ';
  if (text.empty()) {
    message += "没有输入数值（空白的输入或取消）。";
  } else {
    message += "的输入“";
    message += text;
    message += "”不能读作数值。";
  }
  throw Fault(message);
}

std::string NumberText(double v) {
  if (!std::isfinite(v)) throw Fault("计算中止：数值溢出（无法显示的数值）。");
  if (v == 0.0) return "0";
  return ToChars(v, std::chars_format::general, 15);
}

std::string RoundedNumberText(double v, int decimals) {
  const std::string fixed = FormatPattern(v, decimals);
  double rounded = 0.0;
  std::from_chars(fixed.data(), fixed.data() + fixed.size(), rounded);
  return NumberText(rounded);
}

std::string FormatPattern(double v, int decimals) {
  if (!std::isfinite(v)) throw Fault("计算中止：数值溢出（无法显示的数值）。");
  std::string text = ToChars(v, std::chars_format::fixed, decimals);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);  // a value that rounds to zero shows as 0, never -0
  }
  return text;
}

std::string Echo(std::string_view reply, int decimals) {
  std::string echo = " ";
  if (const auto value = ReadNumber(reply)) {
    echo += FormatPattern(*value, decimals);
  } else {
    echo += reply;
  }
  return echo;
}

std::string RoundedText(double v, std::string_view suffix) {
  std::string text = RoundedNumberText(v, 2);
  text += suffix;
  return text;
}

}  // namespace quorvel
