// Bad input and arithmetic faults. Whatever is typed, a computation either
// runs to its end or stops with one Chinese report naming the fault (and the
// value and the text typed, where a reply caused it); nothing is written
// after the report, the fields keep what was written, and the next
// computation in the same Network runs exactly as on a fresh one.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "entry/texts.h"
#include "scripted_ui.h"

namespace quorvel {
namespace {

using testing::Op;
using testing::OutOfReplies;
using testing::ScriptedUi;

// ---------------------------------------------------------------------------
// Reply scripts

// The replies of one confirmed entry: the value, then the confirmation, and
// for every re-entry the new value and the next confirmation.
using Entry = std::vector<std::string>;
Entry Ok(std::string value) { return {std::move(value), ""}; }

struct Input {
  std::string n = "5";
  Entry xa = Ok("1000"), ya = Ok("1000"), xb = Ok("1100"), yb = Ok("1050"), xc = Ok("0"), yc = Ok("0");
  Entry ta, qa, s1;                          // asked in the azimuth case only
  int names = 5;                             // P1, P2, ...
  std::vector<std::array<Entry, 3>> angles;  // triangle by triangle: A, B, C
  int pacing = 5;                            // replies to the listing's dialogs

  std::vector<std::string> Replies() const {
    std::vector<std::string> r{n};
    for (const Entry* e : {&xa, &ya, &xb, &yb, &xc, &yc, &ta, &qa, &s1}) r.insert(r.end(), e->begin(), e->end());
    for (int j = 1; j <= names; ++j) r.push_back("P" + std::to_string(j));
    for (const auto& triangle : angles)
      for (const Entry& e : triangle) r.insert(r.end(), e.begin(), e.end());
    r.insert(r.end(), static_cast<std::size_t>(pacing), "");
    return r;
  }
};

using Angles = std::vector<std::array<Entry, 3>>;

Angles Typed(const std::vector<std::array<const char*, 3>>& triangles) {
  Angles angles;
  for (const auto& t : triangles) angles.push_back({Ok(t[0]), Ok(t[1]), Ok(t[2])});
  return angles;
}

// The worked example of five triangles: misclosures 2, 1, 6, 0, 1 seconds.
Angles WorkedAngles() {
  return Typed({{"57.4146", "47.1815", "75.0001"},
                {"46.3339", "58.2619", "75.0003"},
                {"66.5142", "48.0825", "64.5959"},
                {"47.3440", "57.2516", "75.0004"},
                {"52.3707", "57.2256", "69.5958"}});
}

// A regular hexagon observed without error: every condition holds exactly.
Angles PerfectHexagon() { return Typed(std::vector<std::array<const char*, 3>>(6, {"60", "60", "60"})); }

Input Outer(Angles angles) {
  Input in;
  in.n = std::to_string(angles.size());
  in.names = in.pacing = static_cast<int>(angles.size());
  in.angles = std::move(angles);
  return in;
}

Input Central(Angles angles) {
  Input in = Outer(std::move(angles));
  in.xb = Ok("0");
  in.yb = Ok("0");
  in.xc = Ok("1100");
  in.yc = Ok("1050");
  return in;
}

Input Azimuth(Angles angles) {
  Input in = Outer(std::move(angles));
  in.xb = in.yb = Ok("0");
  in.ta = Ok("45.3015");
  in.qa = Ok("30");
  in.s1 = Ok("250.5");
  in.names = in.pacing = in.names + 1;
  return in;
}

template <class F>
Input With(Input in, F change) {
  change(in);
  return in;
}

// ---------------------------------------------------------------------------
// The clean computation that follows every fault

// The worked example from each starting case, on a fresh Network.
Input WorkedFrom(int starting_case) {
  if (starting_case == 0) return Outer(WorkedAngles());
  if (starting_case == 1) return Central(WorkedAngles());
  return Azimuth(WorkedAngles());
}

const ScriptedUi& Reference(int starting_case = 0) {
  static const std::array<ScriptedUi, 3> references = [] {
    std::array<ScriptedUi, 3> uis;
    for (int k = 0; k < 3; ++k) {
      uis[k].Add(WorkedFrom(k).Replies());
      Network net;
      Command1_Click(uis[k], net);
    }
    return uis;
  }();
  return references.at(static_cast<std::size_t>(starting_case));
}

TEST(CleanComputation, WorkedExampleRunsToTheEndAndClosesOnTheKnownPoint) {
  // The traverse comes back to A from B and in the azimuth case, to C from A.
  const std::array<std::pair<const char*, const char*>, 3> closing{
      {{"1000.000", "1000.000"}, {"1100.000", "1050.000"}, {"1000.000", "1000.000"}}};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const ScriptedUi& ui = Reference(k);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(ui.Unused(), 0u);
    EXPECT_EQ(ui.Writes(Text20), (std::vector<std::string>{"2 秒", "1 秒", "6 秒", "0 秒", "1 秒"}));
    EXPECT_EQ(ui.fields.at(Text10), "1.67 秒");
    EXPECT_EQ(ui.fields.at(Text11), "-2.71 单位");
    EXPECT_EQ(ui.fields.at(Text12), "1.47 秒");
    const std::size_t points = k == 2 ? 6 : 5;
    EXPECT_EQ(ui.labels.at(Label35), "D$" + std::to_string(points));
    EXPECT_EQ(ui.fields.at(Text17), "  P" + std::to_string(points));
    EXPECT_EQ(ui.fields.at(Text18), closing[static_cast<std::size_t>(k)].first);
    EXPECT_EQ(ui.fields.at(Text19), closing[static_cast<std::size_t>(k)].second);
    EXPECT_EQ(ui.Writes(Text15).size(), 1u);
    EXPECT_EQ(ui.log.back().kind, 'T');
    EXPECT_EQ(ui.log.back().control, Text15);
  }
}

// After a fault, the same Network computes exactly as a fresh one, in each
// starting case: the same dialogs, the same writes, in the same order, none
// of the failed values.
void ExpectCleanComputationAfter(Network& net) {
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    ScriptedUi ui(WorkedFrom(k).Replies());
    Command1_Click(ui, net);
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
    EXPECT_EQ(ui.Unused(), 0u);
    EXPECT_EQ(ui.log, Reference(k).log);
  }
}

// A fault's report is one line, the last thing the computation does.
void ExpectStoppedWithOneReport(const ScriptedUi& ui) {
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.log.back().kind, '!') << "written after the report: " << ui.log.back();
  EXPECT_EQ(ui.errors[0].find('\n'), std::string::npos);
}

std::size_t Count(const ScriptedUi& ui, char kind, int control) {
  std::size_t count = 0;
  for (const Op& op : ui.log) count += op.kind == kind && op.control == control;
  return count;
}

// ---------------------------------------------------------------------------
// N outside 3..100000 or not whole: reported right after the N prompt.

class BadTriangleCount : public ::testing::TestWithParam<std::string> {};

TEST_P(BadTriangleCount, IsReportedBeforeAnyOtherDialog) {
  const std::string n = GetParam();
  Input in;
  in.n = n;
  ScriptedUi ui(in.Replies());
  Network net;
  Command1_Click(ui, net);
  const std::vector<Op> expected{{'?', 0, std::string(texts::NPrompt)},
                                 {'T', Text9, "中心多边形有" + n + "个三角形"},
                                 {'!', 0, ui.errors.empty() ? "" : ui.errors[0]}};
  EXPECT_EQ(ui.log, expected);
  ExpectStoppedWithOneReport(ui);
  if (!ui.errors.empty()) {
    EXPECT_NE(ui.errors[0].find("N"), std::string::npos) << ui.errors[0];
    if (!n.empty()) {
      EXPECT_NE(ui.errors[0].find("“" + n + "”"), std::string::npos) << ui.errors[0];
    }
  }
  ExpectCleanComputationAfter(net);
}

const std::vector<std::string> kBadCounts{"",    "abc", "2",   "0",   "-3",        "-5",      "100001",
                                          "4.5", "5.5", "1e6", "1,5", "inf",       "nan",     "1e400",
                                          "3 4", "五",  "N",   "5a",  "99999999999", "-100000"};
INSTANTIATE_TEST_SUITE_P(Replies, BadTriangleCount, ::testing::ValuesIn(kBadCounts));

// Whole numbers in range, however typed, are taken: the next dialog is Xa.
class GoodTriangleCount : public ::testing::TestWithParam<std::string> {};

TEST_P(GoodTriangleCount, GoesOnToTheStartingData) {
  ScriptedUi ui({GetParam()});
  Network net;
  EXPECT_THROW(Command1_Click(ui, net), OutOfReplies);
  EXPECT_TRUE(ui.errors.empty());
  EXPECT_EQ(ui.Prompts(), (std::vector<std::string>{std::string(texts::NPrompt), std::string(texts::Xa.prompt)}));
}

INSTANTIATE_TEST_SUITE_P(Replies, GoodTriangleCount,
                         ::testing::Values("3", "100000", " 4 ", "1e5", "3.0", "5.", "+6", "\xEF\xBC\x94"));  // full-width 4

// The largest N is sized and entered like any other; its first bad angle is
// reported with the triangle's number.
TEST(LargestTriangleCount, IsSizedAndItsFirstBadAngleReported) {
  Input in = Outer({{Ok(""), Ok("1"), Ok("2")}});
  in.n = "100000";
  in.names = 100000;
  in.pacing = 0;
  ScriptedUi ui(in.Replies());
  Network net;
  Command1_Click(ui, net);
  ExpectStoppedWithOneReport(ui);
  EXPECT_EQ(ui.Unused(), 0u);
  EXPECT_EQ(ui.fields.at(Text9), "中心多边形有100000个三角形");
  EXPECT_EQ(ui.fields.at(Text5), " 1");
  EXPECT_NE(ui.errors.at(0).find("三角形 1"), std::string::npos) << ui.errors.at(0);
  ExpectCleanComputationAfter(net);
}

// ---------------------------------------------------------------------------
// Faults in the middle of a computation

struct FaultCase {
  std::string name;
  Input input;
  std::vector<std::string> report;        // pieces the report must contain
  std::string last_prompt;                // the dialog asked last before the stop
  std::map<int, std::string> fields;      // texts the stop leaves in fields
  std::map<int, std::string> labels;      // and in labels
  std::size_t points = 0;                 // points listed before the stop
  std::set<int> unwritten;                // fields this computation never reached
};

std::ostream& operator<<(std::ostream& os, const FaultCase& c) { return os << c.name; }

std::vector<FaultCase> FaultCases() {
  const std::string last_angle(texts::AngleC.confirm);
  std::vector<FaultCase> cases;

  // An empty or unreadable reply to a value prompt. Coordinates of A are
  // first read by the coordinate routine, after every angle is in; B and C
  // are read right after their Y is confirmed; an angle when its triangle is
  // complete; Ta, Qa and S1 by the routine of the azimuth case.
  cases.push_back({"EmptyXa", With(Outer(WorkedAngles()), [](Input& in) { in.xa = Ok(""); }),
                   {"Xa", "空"}, last_angle, {{Text1, " "}, {Text12, "1.47 秒"}}, {}, 0, {Text15}});
  cases.push_back({"UnreadableYa", With(Outer(WorkedAngles()), [](Input& in) { in.ya = Ok("1,5"); }),
                   {"Ya", "“1,5”"}, last_angle, {{Text2, " 1,5"}, {Text1, " 1000.000"}}, {}, 0, {Text15}});
  cases.push_back({"UnreadableReenteredXa",
                   With(Outer(WorkedAngles()), [](Input& in) { in.xa = {"1000", "0", "1O00", ""}; }),
                   {"Xa", "“1O00”"}, last_angle, {{Text1, " 1O00"}}, {}, 0, {Text15}});
  cases.push_back({"UnreadableXb", With(Outer(WorkedAngles()), [](Input& in) { in.xb = Ok("abc"); }),
                   {"Xb", "“abc”"}, std::string(texts::Yb.confirm),
                   {{Text16, " abc"}, {Text22, " 1050.000"}, {Text1, " 1000.000"}}, {}, 0, {Text23, Text5}});
  cases.push_back({"EmptyYc", With(Outer(WorkedAngles()), [](Input& in) { in.yc = Ok(""); }),
                   {"Yc", "空"}, std::string(texts::Yc.confirm), {{Text23, " 0.000"}, {Text24, " "}}, {}, 0,
                   {Text25, Text5}});
  cases.push_back({"UnreadableXcInCentralCase",
                   With(Central(WorkedAngles()), [](Input& in) { in.xc = Ok("11OO"); }),
                   {"Xc", "“11OO”"}, std::string(texts::Yc.confirm), {{Text23, " 11OO"}, {Text24, " 1050.000"}},
                   {}, 0, {Text5}});
  cases.push_back({"EmptyS1", With(Azimuth(WorkedAngles()), [](Input& in) { in.s1 = Ok(""); }),
                   {"S1", "空"}, last_angle, {{Text21, " "}, {Text3, " 45.30150"}, {Text4, " 30.00000"}}, {}, 0,
                   {Text13, Text14, Text15}});
  cases.push_back({"UnreadableTa", With(Azimuth(WorkedAngles()), [](Input& in) { in.ta = Ok("45°30'15\""); }),
                   {"Ta", "“45°30'15\"”"}, last_angle, {{Text3, " 45°30'15\""}, {Text21, " 250.5000"}}, {}, 0,
                   {Text15}});
  cases.push_back({"UnreadableQa", With(Azimuth(WorkedAngles()), [](Input& in) { in.qa = Ok("三十"); }),
                   {"Qa", "“三十”"}, last_angle, {{Text4, " 三十"}}, {}, 0, {Text15}});
  cases.push_back({"EmptyDistanceAngleOfTriangle2",
                   With(Outer(WorkedAngles()), [](Input& in) { in.angles[1][0] = Ok(""); }),
                   {"三角形 2", "求距角 A", "空"}, last_angle,
                   {{Text5, " 2"}, {Text6, " "}, {Text7, " 58.26190"}, {Text8, " 75.00030"}, {Text20, "2 秒"}},
                   {{Label9, "A2"}, {Label11, "C2"}, {Label27, "W1"}}, 0, {Text10}});
  cases.push_back({"InfIntervalAngleOfTriangle5",
                   With(Outer(WorkedAngles()), [](Input& in) { in.angles[4][2] = Ok("inf"); }),
                   {"三角形 5", "间隔角 C", "“inf”"}, last_angle, {{Text8, " inf"}, {Text20, "0 秒"}},
                   {{Label27, "W4"}}, 0, {Text10}});
  cases.push_back({"NanForwardAngle",
                   With(Outer(WorkedAngles()), [](Input& in) { in.angles[0][1] = Ok("nan"); }),
                   {"三角形 1", "前进角 B", "“nan”"}, last_angle, {{Text7, " nan"}}, {}, 0, {Text20}});
  cases.push_back({"AngleBeyondADouble",
                   With(Outer(WorkedAngles()), [](Input& in) { in.angles[2][1] = Ok("1e999"); }),
                   {"三角形 3", "“1e999”"}, last_angle, {{Text7, " 1e999"}, {Text20, "1 秒"}}, {}, 0, {Text10}});
  // Beyond the largest double however it is written: not read as zero.
  cases.push_back({"CoordinateBeyondADoubleWithLeadingZero",
                   With(Outer(WorkedAngles()), [](Input& in) { in.xb = Ok("0.1e400"); }),
                   {"Xb", "“0.1e400”"}, std::string(texts::Yb.confirm), {{Text16, " 0.1e400"}}, {}, 0, {Text23}});
  cases.push_back({"AngleBeyondADoubleWithNegativeExponent",
                   With(Outer(WorkedAngles()),
                        [](Input& in) { in.angles[1][1] = Ok("1" + std::string(400, '0') + "e-10"); }),
                   {"三角形 2", "前进角 B", "“1" + std::string(400, '0') + "e-10”"}, last_angle,
                   {{Text7, " 1" + std::string(400, '0') + "e-10"}}, {}, 0, {Text10}});
  cases.push_back({"ReenteredAngleEmpty",
                   With(Outer(WorkedAngles()), [](Input& in) { in.angles[0][2] = {"75.0001", "0", "", ""}; }),
                   {"三角形 1", "间隔角 C", "空"}, std::string(texts::AngleC.confirm_again), {{Text8, " "}}, {}, 0, {Text20}});

  // The confirmation reply "abc" stops at once, whichever value it confirms.
  cases.push_back({"ConfirmationAbcForXa", With(Outer(WorkedAngles()), [](Input& in) { in.xa = {"1000", "abc"}; }),
                   {"Xa", "“abc”"}, std::string(texts::Xa.confirm), {{Text1, " 1000.000"}}, {}, 0, {Text2}});
  cases.push_back({"ConfirmationAbcForForwardAngle",
                   With(Outer(WorkedAngles()), [](Input& in) { in.angles[2][1] = {"48.0825", "abc"}; }),
                   {"三角形 3", "前进角 B", "“abc”"}, std::string(texts::AngleB.confirm),
                   {{Text6, " 66.51420"}, {Text7, " 48.08250"}, {Text8, " 75.00030"}, {Text20, "1 秒"}},
                   {{Label10, "B3"}, {Label11, "C2"}}, 0, {Text10}});
  cases.push_back({"LaterConfirmationAbcForS1",
                   With(Azimuth(WorkedAngles()), [](Input& in) { in.s1 = {"250.5", "0", "205.5", "abc"}; }),
                   {"S1", "“abc”"}, std::string(texts::S1.confirm_again), {{Text21, " 205.5000"}}, {}, 0, {Text5}});
  cases.push_back({"ConfirmationWithComma",
                   With(Outer(WorkedAngles()), [](Input& in) { in.yb = {"1050", "0,0"}; }),
                   {"Yb", "“0,0”"}, std::string(texts::Yb.confirm), {{Text22, " 1050.000"}}, {}, 0, {Text23}});

  // Two known points typed alike: the starting side has no length.
  cases.push_back({"SameAAndB",
                   With(Outer(WorkedAngles()), [](Input& in) { in.xb = Ok("1000"); in.yb = Ok("1000.0"); }),
                   {"相同"}, last_angle, {{Text16, " 1000.000"}, {Text22, " 1000.000"}, {Text12, "1.47 秒"}}, {}, 0,
                   {Text15}});
  cases.push_back({"SameAAndC",
                   With(Central(WorkedAngles()), [](Input& in) { in.xc = Ok("1000"); in.yc = Ok("1e3"); }),
                   {"相同"}, last_angle, {{Text23, " 1000.000"}, {Text24, " 1000.000"}}, {}, 0, {Text15}});

  // Angles whose sine or tangent the adjustment cannot take. Each triangle
  // closes exactly, so the typed angle is the corrected one.
  const auto triangle2 = [](const char* a, const char* b, const char* c) {
    return Outer(Typed({{"60", "60", "60"}, {a, b, c}, {"60", "60", "60"}}));
  };
  cases.push_back({"DistanceAngle190", triangle2("190", "30", "-40"), {"三角形 2", "求距角 A", "190"},
                   last_angle, {{Text6, " 190.00000"}, {Text20, "0 秒"}}, {{Label27, "W2"}}, 0, {Text10}});
  cases.push_back({"ForwardAngle190", triangle2("30", "190", "-40"), {"三角形 2", "前进角 B", "190"}, last_angle,
                   {{Text7, " 190.00000"}}, {{Label27, "W2"}}, 0, {Text10}});
  cases.push_back({"ForwardAngle360", triangle2("60", "360", "-240"), {"三角形 2", "前进角 B", "360"}, last_angle,
                   {{Text7, " 360.00000"}}, {{Label27, "W2"}}, 0, {Text10}});
  cases.push_back({"DistanceAngle0", triangle2("0", "90", "90"), {"三角形 2", "求距角 A", "除数为零"}, last_angle,
                   {{Text6, " 0.00000"}}, {{Label27, "W2"}}, 0, {Text10}});

  // A network that satisfies every condition exactly keeps its angles; an
  // interval angle of 0 then divides.
  cases.push_back({"AdjustedC1ZeroInWeakestSide",
                   Outer(Typed({{"90", "90", "0"}, {"30", "30", "120"}, {"30", "30", "120"}, {"30", "30", "120"}})),
                   {"C1", "除数为零"}, last_angle, {{Text10, "0 秒"}, {Text11, "0 单位"}, {Text12, "0 秒"}}, {}, 0,
                   {Text13, Text14}});
  cases.push_back({"AdjustedC2ZeroInSideChain",
                   Outer(Typed({{"30", "30", "120"}, {"90", "90", "0"}, {"30", "30", "120"}, {"30", "30", "120"}})),
                   {"正弦", "除数为零"}, last_angle, {{Text12, "0 秒"}, {Text14, "0 单位"}}, {}, 0, {Text15}});

  // D = 0: in every triangle A + B = 180, so the pole row is a multiple of
  // the central row.
  cases.push_back({"ProportionalConditionsGiveDZero",
                   Outer(Typed({{"60", "120", "0"}, {"60", "120", "0"}, {"60", "120", "0"}})),
                   {"行列式"}, last_angle, {{Text10, "-1296000 秒"}, {Text11, "0 单位"}}, {}, 0, {Text12}});

  // Overflow.
  cases.push_back({"AngleOverflow",
                   With(Outer(WorkedAngles()), [](Input& in) { in.angles[0][0] = Ok("1e300"); }),
                   {"溢出"}, last_angle, {{Text5, " 1"}}, {{Label27, "W1"}}, 0, {Text10, Text12}});
  cases.push_back({"CoordinateOverflow",
                   With(Outer(WorkedAngles()), [](Input& in) { in.xa = Ok("1e300"); in.xb = Ok("-1e300"); }),
                   {"溢出"}, last_angle, {{Text12, "1.47 秒"}}, {}, 0, {Text15}});
  cases.push_back({"CoordinateDifferenceOverflow",
                   With(Outer(WorkedAngles()), [](Input& in) { in.xa = Ok("1.7e308"); in.xb = Ok("-1.7e308"); }),
                   {"溢出"}, last_angle, {}, {}, 0, {Text15}});
  // Sides of 1e308 around the hexagon: the east coordinate passes the largest
  // double at the third point, 1.5e308 plus 0.5e308.
  cases.push_back({"TraverseOverflowAtTheThirdPoint",
                   With(Azimuth(PerfectHexagon()),
                        [](Input& in) {
                          in.ta = Ok("10.3");
                          in.qa = Ok("19.3");
                          in.s1 = Ok("1e308");
                        }),
                   {"溢出", "横座标"}, std::string(texts::PacingPrompt), {{Text17, "  P2"}}, {{Label35, "D$2"}}, 2,
                   {Text15}});
  return cases;
}

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, StopWithOneReportAndLeaveTheFieldsAsWritten) {
  const FaultCase& c = GetParam();
  ScriptedUi ui(c.input.Replies());
  Network net;
  Command1_Click(ui, net);
  ExpectStoppedWithOneReport(ui);
  for (const std::string& piece : c.report) {
    if (ui.errors.empty()) break;
    EXPECT_NE(ui.errors[0].find(piece), std::string::npos) << "“" << piece << "” not in " << ui.errors[0];
  }
  EXPECT_EQ(ui.Prompts().back(), c.last_prompt);
  for (const auto& [field, text] : c.fields) EXPECT_EQ(ui.fields[field], text) << "Text" << field;
  for (const auto& [label, text] : c.labels) EXPECT_EQ(ui.labels[label], text) << "Label" << label;
  EXPECT_EQ(Count(ui, 'L', Label35), c.points);
  for (int field : c.unwritten) EXPECT_EQ(ui.fields.count(field), 0u) << "Text" << field << " was written";
  // What was typed before the stop is still on screen.
  EXPECT_EQ(ui.fields[Text9], "中心多边形有" + c.input.n + "个三角形");
  ExpectCleanComputationAfter(net);
}

INSTANTIATE_TEST_SUITE_P(Cases, Faults, ::testing::ValuesIn(FaultCases()),
                         [](const auto& tp) { return tp.param.name; });

// ---------------------------------------------------------------------------
// The perfect network: mb and mlogS are 0, every point is listed, and the
// relative error then divides by zero. Text15 keeps the previous result.

struct PerfectCase {
  std::string name;
  Input input;
  std::size_t points;
  std::string last_x, last_y;  // the closing known point
};

std::ostream& operator<<(std::ostream& os, const PerfectCase& c) { return os << c.name; }

class PerfectNetwork : public ::testing::TestWithParam<PerfectCase> {};

TEST_P(PerfectNetwork, ListsEveryPointThenStopsAtTheRelativeError) {
  const PerfectCase& c = GetParam();
  ScriptedUi ui(Outer(WorkedAngles()).Replies());
  Network net;
  Command1_Click(ui, net);
  ASSERT_TRUE(ui.errors.empty());
  const std::string relative_error = ui.fields.at(Text15);
  const std::size_t before = ui.log.size();
  const std::size_t points_before = Count(ui, 'L', Label35);

  ui.Add(c.input.Replies());
  Command1_Click(ui, net);
  ExpectStoppedWithOneReport(ui);
  EXPECT_EQ(ui.Unused(), 0u);
  EXPECT_NE(ui.errors.at(0).find("mlogS"), std::string::npos) << ui.errors.at(0);
  EXPECT_EQ(ui.fields.at(Text10), "0 秒");
  EXPECT_EQ(ui.fields.at(Text11), "0 单位");
  EXPECT_EQ(ui.fields.at(Text12), "0 秒");
  EXPECT_EQ(ui.fields.at(Text14), "0 单位");
  EXPECT_EQ(Count(ui, 'L', Label35) - points_before, c.points);
  EXPECT_EQ(ui.fields.at(Text18), c.last_x);
  EXPECT_EQ(ui.fields.at(Text19), c.last_y);
  EXPECT_EQ(ui.fields.at(Text15), relative_error);
  for (std::size_t k = before; k < ui.log.size(); ++k)
    EXPECT_FALSE(ui.log[k].kind == 'T' && ui.log[k].control == Text15) << "Text15 written";
  ExpectCleanComputationAfter(net);
}

Input HexagonFromB() {
  Input in = Outer(PerfectHexagon());
  in.xa = Ok("1100");
  in.ya = Ok("2000");
  in.xb = Ok("1050");
  in.yb = Ok("2086.6025403784");
  return in;
}

Input HexagonFromC() {
  Input in = Central(PerfectHexagon());
  in.xa = Ok("1100");
  in.ya = Ok("2000");
  in.xc = Ok("1000");
  in.yc = Ok("2000");
  return in;
}

Input HexagonFromAzimuth() {
  Input in = Azimuth(PerfectHexagon());
  in.ta = Ok("10.3");
  in.qa = Ok("19.3");
  in.s1 = Ok("100");
  return in;
}

INSTANTIATE_TEST_SUITE_P(Cases, PerfectNetwork,
                         ::testing::Values(PerfectCase{"OuterSide", HexagonFromB(), 6, "1100.000", "2000.000"},
                                           PerfectCase{"CentralSide", HexagonFromC(), 6, "1000.000", "2000.000"},
                                           PerfectCase{"Azimuth", HexagonFromAzimuth(), 7, "1000.000", "1000.000"}),
                         [](const auto& tp) { return tp.param.name; });

// ---------------------------------------------------------------------------
// Several faults in a row in one Network, and on one window: every report is
// its own, and a clean computation after them all is as on a fresh Network.
TEST(FaultsInARow, EachReportedOnceAndNoneLeaksIntoTheNext) {
  const std::vector<FaultCase> cases = FaultCases();
  ScriptedUi ui;
  Network net;
  for (const FaultCase& c : cases) {
    ui.Add(c.input.Replies());
    const std::size_t errors = ui.errors.size();
    Command1_Click(ui, net);
    EXPECT_EQ(ui.errors.size(), errors + 1) << c.name;
    ScriptedUi fresh(c.input.Replies());
    Network fresh_net;
    Command1_Click(fresh, fresh_net);
    ASSERT_FALSE(fresh.errors.empty()) << c.name;
    EXPECT_EQ(ui.errors.back(), fresh.errors.back()) << c.name;
    // Leftover replies of a stopped computation are not fed to the next.
    while (ui.Unused() > 0) ui.InputBox("");
  }
  ExpectCleanComputationAfter(net);
}

// ---------------------------------------------------------------------------
// The terminal front end: the same faults, each followed by a clean
// computation in the same process.

std::string Transcript(const std::vector<Op>& log) {
  std::string out;
  for (const Op& op : log) {
    switch (op.kind) {
      case '?': out += "? " + op.text; break;
      case 'T': out += "Text" + std::to_string(op.control) + " = " + op.text; break;
      case 'L': out += "Label" + std::to_string(op.control) + " = " + op.text; break;
      default: out += "! " + op.text; break;
    }
    out += '\n';
  }
  return out;
}

const std::string kWaiting = "> 1 = 计 算, 2 = 结 束\n";

struct ConsoleRun {
  std::string out;
  int status = -1;
};

ConsoleRun RunConsole(const std::vector<std::string>& lines, const std::string& tag) {
  const std::string path = ::testing::TempDir() + "quorvel_faults_" + tag + ".txt";
  {
    std::ofstream in(path, std::ios::binary);
    for (const std::string& line : lines) in << line << '\n';
  }
  ConsoleRun run;
  const std::string command = std::string("'") + QUORVEL_CONSOLE + "' < '" + path + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[1 << 14];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
  run.status = pclose(pipe);
  std::remove(path.c_str());
  return run;
}

// Runs the replies a fault consumed, then the clean computation, then ends;
// the console must print exactly what the scripted Ui recorded, with the
// waiting line after each computation, and exit with status 0.
void ExpectConsoleRecovers(const std::vector<std::string>& replies, const std::string& tag) {
  ScriptedUi scripted(replies);
  Network net;
  Command1_Click(scripted, net);
  ASSERT_EQ(scripted.errors.size(), 1u);
  const std::vector<std::string> clean = Outer(WorkedAngles()).Replies();

  std::vector<std::string> lines{"1"};
  lines.insert(lines.end(), replies.begin(), replies.end() - static_cast<std::ptrdiff_t>(scripted.Unused()));
  lines.push_back("1");
  lines.insert(lines.end(), clean.begin(), clean.end());
  lines.push_back("2");

  const ConsoleRun run = RunConsole(lines, tag);
  ASSERT_TRUE(WIFEXITED(run.status)) << "status " << run.status;
  EXPECT_EQ(WEXITSTATUS(run.status), 0);
  EXPECT_EQ(run.out, kWaiting + Transcript(scripted.log) + kWaiting + Transcript(Reference().log) + kWaiting);
}

class ConsoleFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ConsoleFaults, ReportsReturnsToWaitingAndComputesCleanlyAfter) {
  ExpectConsoleRecovers(GetParam().input.Replies(), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConsoleFaults, ::testing::ValuesIn(FaultCases()),
                         [](const auto& tp) { return tp.param.name; });

TEST(ConsoleFaults, BadTriangleCounts) {
  for (std::size_t k = 0; k < kBadCounts.size(); ++k) {
    SCOPED_TRACE("N = “" + kBadCounts[k] + "”");
    ExpectConsoleRecovers({kBadCounts[k]}, "n" + std::to_string(k));
  }
}

TEST(ConsoleFaults, PerfectNetworkThenCleanComputation) {
  ExpectConsoleRecovers(HexagonFromAzimuth().Replies(), "perfect");
}

// End of input in the middle of a computation answers every dialog as Cancel
// does: the first value read is empty, reported, and the program ends with 0.
TEST(ConsoleFaults, EndOfInputInsideAComputation) {
  const ConsoleRun run = RunConsole({"1", "5", "1000", ""}, "eof");
  ASSERT_TRUE(WIFEXITED(run.status));
  EXPECT_EQ(WEXITSTATUS(run.status), 0);
  const auto report = run.out.find("\n! ");
  ASSERT_NE(report, std::string::npos) << run.out;
  const auto after = run.out.find('\n', report + 1);
  EXPECT_EQ(run.out.substr(after + 1), kWaiting);
}

}  // namespace
}  // namespace quorvel
