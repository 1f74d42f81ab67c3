#pragma once
// A regular central polygon of N triangles and the replies that compute it.
//
// The central point O lies at (kXo, kYo), the outer points Q0..Q(N-1) on a
// circle of radius kRadius around it, clockwise (azimuth from O increasing),
// A = Q0 due north of O and B = Q1. Every triangle has the interval angle
// 360/N at O and two equal base angles; each observed angle carries a few
// tenths of a second of deterministic noise, chosen so that the noise of each
// angle kind sums to zero over every seven triangles: the adjustment has work
// but the central misclosure stays small however large N is.
//
// Angles are written in ddd.mmss: degrees, two digits of minutes, two of
// seconds, then four digits of fractions of a second.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace quorvel::bench {

inline constexpr double kXo = 52000.0;
inline constexpr double kYo = 31000.0;
inline constexpr double kRadius = 1000.0;

// Which coordinate routine the starting data call for.
enum class Starting {
  OuterSide,     // A and B known, C a new point: the whole computation
  NoCoordinates  // Xb non-zero, Yb, Xc, Yc zero: entry and adjustment only
};

// An angle of `seconds` seconds of arc as ddd.mmss text.
inline std::string Dms(double seconds) {
  const auto units = static_cast<std::int64_t>(std::llround(seconds * 1e4));  // 1/10000 second
  const std::int64_t per_degree = 3600LL * 10000;
  const std::int64_t per_minute = 60LL * 10000;
  const std::int64_t d = units / per_degree;
  const std::int64_t m = units % per_degree / per_minute;
  const std::int64_t s = units % per_minute / 10000;
  const std::int64_t f = units % 10000;
  char text[48];
  std::snprintf(text, sizeof text, "%lld.%02lld%02lld%04lld", static_cast<long long>(d),
                static_cast<long long>(m), static_cast<long long>(s), static_cast<long long>(f));
  return text;
}

inline std::string Coordinate(double v) {
  char text[48];
  std::snprintf(text, sizeof text, "%.3f", v);
  return text;
}

// Noise in seconds for triangle i: -0.3 .. +0.3, zero sum over seven triangles.
inline double Noise(int i, int k) { return 0.1 * static_cast<double>((i * k) % 7 - 3); }

// Point Q(j) on the circle.
inline double QX(int j, int n) { return kXo + kRadius * std::cos(2 * std::numbers::pi * j / n); }
inline double QY(int j, int n) { return kYo + kRadius * std::sin(2 * std::numbers::pi * j / n); }

// Every reply of one computation, from N to the last pacing dialog (without
// the console's compute and end commands).
inline std::vector<std::string> Replies(int n, Starting starting = Starting::OuterSide) {
  std::vector<std::string> r;
  r.reserve(static_cast<std::size_t>(8 * n + 16));
  r.push_back(std::to_string(n));
  const auto value = [&r](std::string text) {
    r.push_back(std::move(text));
    r.emplace_back();  // the empty confirmation accepts
  };
  value(Coordinate(QX(0, n)));
  value(Coordinate(QY(0, n)));
  if (starting == Starting::OuterSide) {
    value(Coordinate(QX(1, n)));
    value(Coordinate(QY(1, n)));
  } else {
    value(Coordinate(QX(1, n)));
    value("0");
  }
  value("0");
  value("0");
  // The listing runs B -> Q2 .. Q(N-1), O, A: one name per listed point.
  for (int j = 2; j <= n - 1; ++j) r.push_back("Q" + std::to_string(j));
  r.push_back("O");
  r.push_back("A");
  const double c = 1296000.0 / n;  // seconds
  const double ab = (648000.0 - c) / 2;
  for (int i = 1; i <= n; ++i) {
    value(Dms(ab + Noise(i, 3)));
    value(Dms(ab + Noise(i, 5)));
    value(Dms(c + Noise(i, 2)));
  }
  if (starting == Starting::OuterSide)
    for (int i = 1; i <= n; ++i) r.emplace_back();  // pacing dialogs
  return r;
}

}  // namespace quorvel::bench
