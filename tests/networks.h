#pragma once
// Reply scripts of whole computations, and the networks the tests use.
#include <string>
#include <vector>

#include "adjust/numbers.h"

namespace quorvel::testing {

struct Angles {
  std::string a, b, c;  // distance, forward and interval angle, ddd.mmss as typed
};

struct Entry {
  std::string n{};
  std::string xa{}, ya{}, xb = "0", yb = "0", xc = "0", yc = "0";
  std::string ta{}, qa{}, s1{};  // asked only when B and C are both new points
  std::vector<std::string> names{};
  std::vector<Angles> triangles{};
  int pacing = 0;  // replies to the listing dialogs
};

inline bool AzimuthCase(const Entry& e) {
  auto zero = [](const std::string& s) { return ReadNumber(s) == 0.0; };
  return zero(e.xb) && zero(e.yb) && zero(e.xc) && zero(e.yc);
}

// Every confirmation is answered with Enter (the empty reply).
inline std::vector<std::string> Replies(const Entry& e) {
  std::vector<std::string> r{e.n};
  for (const auto* v : {&e.xa, &e.ya, &e.xb, &e.yb, &e.xc, &e.yc}) r.insert(r.end(), {*v, ""});
  if (AzimuthCase(e)) {
    for (const auto* v : {&e.ta, &e.qa, &e.s1}) r.insert(r.end(), {*v, ""});
  }
  r.insert(r.end(), e.names.begin(), e.names.end());
  for (const auto& t : e.triangles) r.insert(r.end(), {t.a, "", t.b, "", t.c, ""});
  for (int i = 0; i < e.pacing; ++i) r.push_back("");
  return r;
}

// The five-triangle example network: misclosures 2, 1, 6, 0, 1 seconds.
inline std::vector<Angles> FivePolygon() {
  return {{"57.4146", "47.1815", "75.0001"},
          {"46.3339", "58.2619", "75.0003"},
          {"66.5142", "48.0825", "64.5959"},
          {"47.3440", "57.2516", "75.0004"},
          {"52.3707", "57.2256", "69.5958"}};
}

// The regular hexagon: every angle exactly 60 degrees.
inline std::vector<Angles> Hexagon() { return std::vector<Angles>(6, Angles{"60", "60", "60"}); }

}  // namespace quorvel::testing
