// The computation's cost from 3 to 100,000 triangles: the whole computation
// through the Ui (every reply in memory, every write recorded), then its
// parts timed apart.
//
//   --verify-only   check every generated network and exit (no timing)
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "adjust/adjustment.h"
#include "adjust/angles.h"
#include "adjust/numbers.h"
#include "app/driver.h"
#include "app/network.h"
#include "app/ui.h"
#include "coords/coords.h"
#include "network_script.h"

namespace quorvel::bench {
namespace {

// Replies from a prepared vector; every prompt, text and caption appended to
// one arena with an index entry, so that after the first run recording costs
// no allocation.
class LeanUi final : public Ui {
 public:
  struct Op {
    char kind;  // '?' dialog, 'T' field, 'L' label, '!' error
    int control;
    std::size_t offset, length;
  };

  explicit LeanUi(const std::vector<std::string>& replies) : replies_(&replies) {}

  void Reset() {
    next_ = 0;
    overrun_ = false;
    ops_.clear();
    arena_.clear();
  }

  std::string InputBox(std::string_view prompt) override {
    Record('?', 0, prompt);
    if (next_ >= replies_->size()) {
      overrun_ = true;
      return {};
    }
    return (*replies_)[next_++];
  }
  void SetText(int field, std::string_view text) override { Record('T', field, text); }
  void SetCaption(int label, std::string_view text) override { Record('L', label, text); }
  void ReportError(std::string_view message) override { Record('!', 0, message); }

  std::string_view Text(const Op& op) const { return std::string_view(arena_).substr(op.offset, op.length); }
  const std::vector<Op>& Ops() const { return ops_; }
  std::size_t Unused() const { return replies_->size() - next_; }
  bool Overrun() const { return overrun_; }

 private:
  void Record(char kind, int control, std::string_view text) {
    ops_.push_back({kind, control, arena_.size(), text.size()});
    arena_ += text;
  }

  const std::vector<std::string>* replies_;
  std::size_t next_ = 0;
  bool overrun_ = false;
  std::vector<Op> ops_;
  std::string arena_;
};

const int kSizes[] = {3, 12, 1000, 100000};

// What a run must have done; empty when it did, else what went wrong.
std::string CheckRun(const LeanUi& ui, int n, Starting starting) {
  for (const auto& op : ui.Ops()) {
    if (op.kind == '!') return "fault reported: " + std::string(ui.Text(op));
    const auto text = ui.Text(op);
    if (op.kind == 'T' && (text.find("inf") != std::string_view::npos || text.find("nan") != std::string_view::npos))
      return "field " + std::to_string(op.control) + " shows \"" + std::string(text) + "\"";
  }
  if (ui.Overrun()) return "the computation asked for more replies than the script has";
  if (ui.Unused() != 0) return std::to_string(ui.Unused()) + " replies left over";
  if (starting == Starting::NoCoordinates) return {};

  // The traverse B, Q2 .. Q(N-1), O, A must land on O and then back on A.
  std::vector<double> x, y;
  for (const auto& op : ui.Ops()) {
    if (op.kind != 'T' || (op.control != Text18 && op.control != Text19)) continue;
    const double v = std::strtod(std::string(ui.Text(op)).c_str(), nullptr);
    (op.control == Text18 ? x : y).push_back(v);
  }
  if (x.size() != static_cast<std::size_t>(n) || y.size() != x.size())
    return "listed " + std::to_string(x.size()) + " points, expected " + std::to_string(n);
  const auto off = [](double xv, double yv, double xw, double yw) { return std::hypot(xv - xw, yv - yw); };
  // The adjusted angles still differ from the ideal polygon's by fractions of
  // a second: over the 1000 m legs a few millimetres at most for the outer
  // points. The central point is reached through sin C, C being 360/N
  // degrees, so an error dC moves it by about R * dC / C: with dC up to a
  // second, 13 s at N = 100,000 allow some 77 m, 1296 s at N = 1000 a metre.
  const double tolerance = 0.02;
  const double tolerance_o = tolerance + kRadius * 1.0 / (1296000.0 / n);
  const std::size_t last = x.size() - 1;
  const double miss_o = off(x[last - 1], y[last - 1], kXo, kYo);
  const double miss_a = off(x[last], y[last], QX(0, n), QY(0, n));
  const double miss_q2 = n > 3 ? off(x[0], y[0], QX(2, n), QY(2, n)) : 0.0;
  if (miss_o > tolerance_o || miss_a > tolerance || miss_q2 > tolerance) {
    char text[200];
    std::snprintf(text, sizeof text, "traverse misses Q2 by %.4f m, O by %.4f m, A by %.4f m", miss_q2, miss_o,
                  miss_a);
    return text;
  }
  return {};
}

// One computation as the window or the console runs it, outside any timing.
std::string VerifyNetwork(int n, Starting starting) {
  const auto replies = Replies(n, starting);
  LeanUi ui(replies);
  Network net;
  Command1_Click(ui, net);
  return CheckRun(ui, n, starting);
}

// Every benchmark reports time per computation, and per triangle through
// this counter (an inverted rate: seconds of one iteration divided by N).
void PerTriangle(benchmark::State& state, int n) {
  state.counters["per_triangle"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}

void RunCommand(benchmark::State& state, Starting starting) {
  const int n = static_cast<int>(state.range(0));
  const auto replies = Replies(n, starting);
  LeanUi ui(replies);
  Network net;
  // The first run grows every buffer and is checked; the timed runs reuse them.
  Command1_Click(ui, net);
  if (const auto problem = CheckRun(ui, n, starting); !problem.empty()) {
    state.SkipWithError(problem.c_str());
    return;
  }
  for (auto _ : state) {
    ui.Reset();
    Command1_Click(ui, net);
    benchmark::DoNotOptimize(ui.Ops().data());
  }
  state.counters["writes"] = static_cast<double>(ui.Ops().size());
  PerTriangle(state, n);
}

// The whole computation in the outer side case.
void BM_Computation(benchmark::State& state) { RunCommand(state, Starting::OuterSide); }

// The same replies but starting data that call for no coordinate routine:
// entry of every value and angle, the adjustment and the angle precision.
void BM_EntryAndAdjustment(benchmark::State& state) { RunCommand(state, Starting::NoCoordinates); }

// A network with its observed angles converted, ready for the adjustment.
struct Prepared {
  Network net;
  std::vector<double> a, b, c;
};

Prepared Prepare(int n) {
  Prepared p;
  SizeNetwork(p.net, n);
  p.net.fa = kFa;
  const auto replies = Replies(n);
  const std::size_t first_angle = 13 + static_cast<std::size_t>(n);  // N, six values confirmed, N names
  p.a.assign(p.net.a1.size(), 0.0);
  p.b = p.c = p.a;
  for (int i = 1; i <= n; ++i) {
    const std::size_t at = first_angle + 6 * static_cast<std::size_t>(i - 1);
    p.a[i] = DmsToDeg(std::strtod(replies[at].c_str(), nullptr));
    p.b[i] = DmsToDeg(std::strtod(replies[at + 2].c_str(), nullptr));
    p.c[i] = DmsToDeg(std::strtod(replies[at + 4].c_str(), nullptr));
  }
  p.net.n1 = replies[0];
  p.net.xa1 = replies[1];
  p.net.ya1 = replies[3];
  p.net.xb1 = replies[5];
  p.net.yb1 = replies[7];
  p.net.xc1 = replies[9];
  p.net.yc1 = replies[11];
  for (int j = 1; j <= n; ++j) p.net.na1[j] = replies[first_angle - static_cast<std::size_t>(n) + static_cast<std::size_t>(j - 1)];
  return p;
}

void Adjust(Ui& ui, Prepared& p, int n) {
  SizeNetwork(p.net, n);  // back to zero sums: O(N), and what the driver does too
  p.net.a1 = p.a;
  p.net.b1 = p.b;
  p.net.c1 = p.c;
  for (int i = 1; i <= n; ++i) TriangleStep(ui, p.net, i);
  CloseConditions(ui, p.net);
  SecondStage(p.net);
  AnglePrecision(ui, p.net);
}

// The adjustment alone, from converted angles: figure misclosures and
// first-stage corrections, the two conditions, the second stage, mb.
void BM_Adjustment(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Prepared p = Prepare(n);
  const std::vector<std::string> none;
  LeanUi ui(none);
  for (auto _ : state) {
    ui.Reset();
    Adjust(ui, p, n);
    benchmark::DoNotOptimize(p.net.mb);
  }
  PerTriangle(state, n);
}

// The coordinates alone, on an adjusted network: weakest side, side chain,
// azimuths and the paced listing of the N points.
void BM_Coordinates(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Prepared p = Prepare(n);
  const std::vector<std::string> pacing(static_cast<std::size_t>(n));
  LeanUi ui(pacing);
  Adjust(ui, p, n);
  auto& net = p.net;
  for (auto _ : state) {
    ui.Reset();
    Cam1(ui, net.na1, net.e1, net.ra, net.rb, net.a1, net.b1, net.c1, net.mb, net.aa1, net.xa1, net.ya1,
         net.xb1, net.yb1, net.n1, net.fa);
    benchmark::DoNotOptimize(ui.Ops().data());
  }
  if (ui.Unused() != 0 || ui.Overrun()) state.SkipWithError("the listing did not take one pacing reply per point");
  PerTriangle(state, n);
}

// Each size on its own, so that the largest gets enough iterations (a whole
// computation of 100,000 triangles takes a few tenths of a second).
void RegisterAll() {
  const struct {
    const char* name;
    void (*function)(benchmark::State&);
  } families[] = {{"BM_Computation", BM_Computation},
                  {"BM_EntryAndAdjustment", BM_EntryAndAdjustment},
                  {"BM_Adjustment", BM_Adjustment},
                  {"BM_Coordinates", BM_Coordinates}};
  for (const auto& family : families) {
    for (const int n : kSizes) {
      benchmark::RegisterBenchmark(family.name, family.function)
          ->Arg(n)
          ->Unit(benchmark::kMicrosecond)
          ->MinTime(n >= 100000 ? 2.0 : 0.5);
    }
  }
}

}  // namespace
}  // namespace quorvel::bench

int main(int argc, char** argv) {
  bool verify_only = false;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--verify-only") == 0)
      verify_only = true;
    else
      argv[kept++] = argv[i];
  }
  argc = kept;

  using quorvel::bench::Starting;
  bool ok = true;
  for (const int n : quorvel::bench::kSizes) {
    for (const auto starting : {Starting::OuterSide, Starting::NoCoordinates}) {
      const auto problem = quorvel::bench::VerifyNetwork(n, starting);
      if (!problem.empty()) {
        std::fprintf(stderr, "N = %d%s: %s\n", n, starting == Starting::OuterSide ? "" : " (no coordinates)",
                     problem.c_str());
        ok = false;
      }
    }
  }
  if (!ok) return 1;
  if (verify_only) {
    std::printf("every generated network computes and closes\n");
    return 0;
  }

  quorvel::bench::RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
