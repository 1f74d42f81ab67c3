// Angle units, number texts and the angle adjustment.
#include <cmath>

#include "adjust/adjustment.h"
#include "adjust/angles.h"
#include "adjust/fault.h"
#include "adjust/numbers.h"
#include "networks.h"
#include "scripted_ui.h"

namespace quorvel {
namespace {

using testing::Entry;
using testing::ScriptedUi;

constexpr double kTen = 5e-11;  // agreement to ten decimals

TEST(DmsToDeg, ConvertsTheTypedDigits) {
  struct Case {
    double typed;
    double degrees;
  };
  const Case cases[] = {
      {45.3015, 45.5041666667},  {45.30155, 45.5043055556},  // 15.5 seconds
      {12, 12},                  {35.30, 35.5},               // 100 * 35.30 lies a hair below 3530
      {0.29, 0.4833333333},      {1.15, 1.25},
      {64.10, 64.1666666667},    {45.75, 46.25},  // 75 minutes simply add
      {-45.3015, -45.5041666667}, {359.5959, 359.9997222222},
      {0.0001, 1.0 / 3600},      {10.3, 10.5},
      {1e-20, 1e-20 * 10000 / 3600}, {-1e-300, -1e-300 * 10000 / 3600},
      {123456789.1234, 123456789 + 12 / 60.0 + 34 / 3600.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(DmsToDeg(c.typed), c.degrees, kTen) << c.typed;
}

TEST(DmsToDeg, KeepsFractionsOfASecondAndDoesNotSnapNearbyMinutes) {
  // 29 minutes and 99.99999 seconds, not 30 minutes.
  EXPECT_NEAR(DmsToDeg(45.2999999999), 45 + 29 / 60.0 + 99.999999 / 3600, 1e-10);
  EXPECT_NEAR(DmsToDeg(57.4146123), 57 + 41 / 60.0 + 46.123 / 3600, 1e-12);
}

TEST(LogSin, UsesTheNineDecimalLogTenAndTheTenDecimalPi) {
  EXPECT_NEAR(LogSin(30), 9.6989700043, kTen);
  EXPECT_NEAR(LogSin(90), 10, kTen);
  EXPECT_NEAR(LogSinPerSec(45), 2.1055000001, kTen);
  EXPECT_NEAR(LogSinPerSec(60), 1.2156109919, kTen);
  EXPECT_NEAR(LogSinPerSec(1), 120.6240142170, 1e-9);
  EXPECT_GT(LogSinPerSec(90), 0);  // tan is large but finite at 90 degrees
  EXPECT_LT(LogSinPerSec(90), 1e-9);
}

TEST(LogSin, ZeroOrNegativeSineAndZeroTangentAreFaults) {
  EXPECT_THROW(LogSin(0), Fault);
  EXPECT_THROW(LogSin(-5), Fault);
  EXPECT_THROW(LogSin(190), Fault);
  EXPECT_THROW(LogSinPerSec(0), Fault);
  EXPECT_NO_THROW(LogSin(180));  // fa is a hair below pi/180: the sine is tiny, not zero
}

TEST(NumberTexts, RoundHalfToEvenAndNeverShowMinusZero) {
  EXPECT_EQ(RoundedText(0.125, kSeconds), "0.12 秒");
  EXPECT_EQ(RoundedText(0.375, kSeconds), "0.38 秒");
  EXPECT_EQ(RoundedText(-0.375, kLogUnits), "-0.38 单位");
  EXPECT_EQ(RoundedText(3.5, kSeconds), "3.5 秒");
  EXPECT_EQ(RoundedText(-0.001, kSeconds), "0 秒");
  EXPECT_EQ(RoundedText(1.6666666666, kSeconds), "1.67 秒");
  EXPECT_EQ(RoundedText(-1296000, kSeconds), "-1296000 秒");
  EXPECT_EQ(RoundedText(12.000000001, kSeconds), "12 秒");
  EXPECT_EQ(NumberText(0.5), "0.5");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(100000), "100000");
  EXPECT_EQ(RoundedNumberText(7.3885504177, 6), "7.38855");
  EXPECT_EQ(RoundedNumberText(7.3885504177, 2), "7.39");

  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case patterns[] = {
      {3245.6, 3, "3245.600"},   {-12.34567, 3, "-12.346"}, {0, 3, "0.000"},
      {-0.0004, 3, "0.000"},     {1234.56789, 3, "1234.568"}, {0.0625, 3, "0.062"},
      {45.3015, 5, "45.30150"},  {45.30155, 5, "45.30155"}, {250.5, 4, "250.5000"},
      {123.453, 5, "123.45300"}, {-12.3456, 3, "-12.346"},   {0.5, 0, "0"},
  };
  for (const auto& p : patterns) EXPECT_EQ(FormatPattern(p.value, p.decimals), p.text) << p.value;
  EXPECT_THROW(FormatPattern(INFINITY, 3), Fault);
  EXPECT_THROW(NumberText(NAN), Fault);
}

TEST(ReadNumber, ReadsDecimalsAndWhatAChineseInputMethodTypes) {
  struct Case {
    const char* text;
    double value;
  };
  const Case readable[] = {
      {"1", 1},       {" 1.5 ", 1.5},  {"+2", 2},        {"-0", 0},          {".5", 0.5},
      {"5.", 5},      {"1e3", 1000},   {"1E-2", 0.01},   {"\t7\t", 7},       {"0045.3015", 45.3015},
      {"１２．５", 12.5}, {"－３", -3},  {"＋４", 4},      {"\u3000７\u3000", 7}, {"1e-400", 0},
  };
  for (const auto& c : readable) {
    const auto v = ReadNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
  for (const char* text : {"", " ", "1,5", "abc", "inf", "nan", "1e400", "1e", "--1", "0x10", "1 2", "+",
                           ".", "1.2.3", "５a", "e5", "1e+"}) {
    EXPECT_FALSE(ReadNumber(text).has_value()) << text;
  }
}

TEST(Echo, ShowsTheValueInItsPatternOrTheTextAsTyped) {
  EXPECT_EQ(Echo("3245.6", kCoordinatePattern), " 3245.600");
  EXPECT_EQ(Echo("0", kCoordinatePattern), " 0.000");
  EXPECT_EQ(Echo("45.3015", kAnglePattern), " 45.30150");
  EXPECT_EQ(Echo("abc", kAnglePattern), " abc");
  EXPECT_EQ(Echo("", kAnglePattern), " ");
}

// The five-triangle example, entered with B given and C zero but Yb zero, so
// that no coordinate routine runs after the precision.
Network AdjustFivePolygon(ScriptedUi& ui) {
  Entry e{.n = "5", .xa = "1000", .ya = "1000", .xb = "2000", .yb = "0"};
  e.names = {"P1", "P2", "P3", "P4", "A"};
  e.triangles = testing::FivePolygon();
  ui.Add(testing::Replies(e));
  Network net;
  testing::Run(ui, net);
  EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
  return net;
}

TEST(Adjustment, FivePolygonShowsItsMisclosuresAndPrecision) {
  ScriptedUi ui;
  AdjustFivePolygon(ui);
  EXPECT_EQ(ui.Writes(Text20), (std::vector<std::string>{"2 秒", "1 秒", "6 秒", "0 秒", "1 秒"}));
  EXPECT_EQ(ui.labels[Label27], "W5");
  EXPECT_EQ(ui.fields[Text10], "1.67 秒");
  EXPECT_EQ(ui.fields[Text11], "-2.71 单位");
  EXPECT_EQ(ui.fields[Text12], "1.47 秒");
  // The last writes: w1, w2, mb, and nothing of a coordinate routine.
  ASSERT_GE(ui.log.size(), 3u);
  EXPECT_EQ(ui.log.back(), (testing::Op{'T', Text12, "1.47 秒"}));
}

TEST(Adjustment, FivePolygonIntermediateValues) {
  ScriptedUi ui;
  const Network net = AdjustFivePolygon(ui);
  EXPECT_NEAR(net.w1, 1.6666666666, 1e-9);
  EXPECT_NEAR(net.w2, -2.7074495819, 1e-9);
  EXPECT_NEAR(net.ra[1], 1.3312514023, kTen);
  EXPECT_NEAR(net.rb[1], -1.9426286011, kTen);
  EXPECT_NEAR(net.e1[2][1], 1.5350438019, kTen);
  EXPECT_NEAR(net.e1[2][2], -1.7388362015, kTen);
  EXPECT_NEAR(net.e1[2][3], 0.2037923996, kTen);
  EXPECT_EQ(net.ncc, 30);
  EXPECT_NEAR(net.ncp, 0.0577920169, kTen);
  EXPECT_NEAR(net.npp, 24.7313752904, kTen);
  EXPECT_NEAR(net.aa1, 741.9379187957, 1e-9);
  EXPECT_NEAR(net.k1, -0.1668783092, kTen);
  EXPECT_NEAR(net.k2, 0.1098642426, kTen);
  const double vc[] = {0.3355247339, -0.0241576132, -0.3113671208};
  const double vc3[] = {0.3018665538, -0.0042465722, -0.2976199817};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(net.vc[1 + k], vc[k], kTen);
    EXPECT_NEAR(net.vc[7 + k], vc3[k], kTen);
  }
  EXPECT_NEAR(net.a1[1], 57.6960191272, kTen);
  EXPECT_NEAR(net.b1[1], 47.3039747710, kTen);
  EXPECT_NEAR(net.c1[1], 75.0000061017, kTen);
  EXPECT_NEAR(net.vv1, 14, 1e-9);
  EXPECT_NEAR(net.vv2, 1.1318434438, kTen);
  EXPECT_NEAR(net.mb, 1.4702693361, kTen);
}

TEST(Adjustment, AdjustedAnglesSatisfyEveryCondition) {
  ScriptedUi ui;
  const Network net = AdjustFivePolygon(ui);
  double central = 0, pole = 0;
  for (int i = 1; i <= 5; ++i) {
    EXPECT_NEAR((net.a1[i] + net.b1[i] + net.c1[i] - 180) * 3600, 0, 1e-9) << i;
    for (int row = 1; row <= 2; ++row) {
      EXPECT_NEAR(net.e1[row][3 * i - 2] + net.e1[row][3 * i - 1] + net.e1[row][3 * i], 0, 1e-12);
    }
    central += net.c1[i];
    pole += LogSin(net.a1[i]) - LogSin(net.b1[i]);
  }
  EXPECT_NEAR((central - 360) * 3600, 0, 1e-9);
  EXPECT_LT(std::fabs(pole * 1e6), 1e-4);  // only the linearisation error is left
}

TEST(Adjustment, PerfectNetworkHasZeroPrecisionAndCorrectionsLowerEachAngleEqually) {
  ScriptedUi perfect;
  Entry e{.n = "6", .xa = "1", .ya = "1", .xb = "1", .yb = "0"};
  e.names = std::vector<std::string>(6, "P");
  e.triangles = testing::Hexagon();
  perfect.Add(testing::Replies(e));
  Network net;
  testing::Run(perfect, net);
  EXPECT_EQ(perfect.fields[Text12], "0 秒");
  EXPECT_EQ(perfect.fields[Text10], "0 秒");
  EXPECT_EQ(perfect.fields[Text11], "0 单位");
  EXPECT_EQ(net.ncc, 36);

  // 60.0005, 60.0003, 60.0004 close with 12 seconds; each angle loses 4.
  ScriptedUi twelve;
  e.triangles[0] = {"60.0005", "60.0003", "60.0004"};
  e.triangles[1] = {"59.5955", "59.5957", "59.5956"};
  twelve.Add(testing::Replies(e));
  testing::Run(twelve, net);
  EXPECT_EQ(twelve.Writes(Text20).front(), "12 秒");
  EXPECT_EQ(twelve.Writes(Text20)[1], "-12 秒");
  EXPECT_NEAR(net.vv1, 96, 1e-9);
  EXPECT_NEAR(net.wt[1] * 3600, 12, 1e-9);
}

}  // namespace
}  // namespace quorvel
