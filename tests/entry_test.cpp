// The order of the dialogs, the confirmed entry, the starting case and the
// observation entry.
#include <algorithm>

#include "adjust/numbers.h"
#include "entry/entry.h"
#include "entry/texts.h"
#include "networks.h"
#include "scripted_ui.h"

namespace quorvel {
namespace {

using testing::Entry;
using testing::Op;
using testing::ScriptedUi;

Entry Outer(int n) {
  Entry e{.n = std::to_string(n), .xa = "1100", .ya = "2000", .xb = "1050", .yb = "2086.6025403784"};
  e.names = std::vector<std::string>(static_cast<std::size_t>(n), "Q");
  e.triangles = std::vector<testing::Angles>(static_cast<std::size_t>(n), {"60", "60", "60"});
  e.triangles[0] = {"60.0005", "60.0003", "60.0004"};  // a little to adjust, so that mb is not 0
  return e;
}

std::vector<std::string> Cut(const std::vector<std::string>& v, std::size_t from, std::size_t count) {
  return {v.begin() + static_cast<long>(from), v.begin() + static_cast<long>(from + count)};
}

TEST(DialogOrder, OuterSideCaseAsksInTheDesignedOrderWithTheLiteralTexts) {
  Entry e = Outer(3);
  e.n = "3";
  e.triangles = {{"60.0005", "60.0003", "60.0004"}, {"59.5955", "59.5957", "59.5956"}, {"60", "60", "60"}};
  e.pacing = 3;
  ScriptedUi ui(testing::Replies(e));
  Network net;
  testing::Run(ui, net);
  const auto p = ui.Prompts();
  ASSERT_EQ(p.size(), 1u + 12 + 3 + 18 + 3);
  EXPECT_EQ(p[0], "请输入三角形的个数 N ");
  EXPECT_EQ(Cut(p, 1, 4), (std::vector<std::string>{
                              "请输入起始点 A 的纵座标 Xa :",
                              "输入的起始点 A 的纵座标 Xa 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 ); "
                              "输入错按零( 即为:0 )",
                              "请输入起始点 A 的横座标 Ya :",
                              "输入的起始点 A 的横座标 Ya 是否正确?  输入正确按输入键或OK键( 即为:键或OK键 ); "
                              "输入错按零( 即为:0 )"}));
  EXPECT_EQ(p[5], "请输入起始点 B 的纵座标 Xb :  如果 B 点不是起始点，请输入零( 即为:0 ) ");
  EXPECT_EQ(p[6], "输入的起始点 B 的纵座标 Xb 是否正确?  输入正确按输入键(或OK键 即为:键或OK键 ); 输入错按零( 即为:0 )");
  EXPECT_EQ(p[7], "请输入起始点 B 的横座标 Yb :  如果 B 点不是起始点，请输入零( 即为:0 ) ");
  EXPECT_EQ(p[9], "请输入起始点 C 的纵座标 Xc :  如果 C 点不是起始点，请输入零( 即为:0 ) ");
  EXPECT_EQ(p[11], "请输入起始点 C 的横座标 Yc : 如果 C 点不是起始点，请输入0 ");
  for (std::size_t j = 13; j < 16; ++j) EXPECT_EQ(p[j], texts::NamePrompt);
  EXPECT_TRUE(p[13].starts_with("如果B点和C点等于零,请按待定点的顺序输入至第 N-1 点待定点的点名(不包括A点)，"));
  EXPECT_TRUE(p[13].ends_with("最后输入起始点C点的点名"));
  EXPECT_EQ(Cut(p, 16, 6), (std::vector<std::string>{
                               "请输入求距角 A :",
                               "输入的求距角 A 是否正确?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
                               "请输入前进角 B :",
                               "输入的前进角 B 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
                               "请输入间隔角 C :",
                               "输入的间隔角 C 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )"}));
  EXPECT_EQ(p.back(), "需要显示待定点的座标，第一次请输入一个不等于零的任意数，以后只须点击确定键，或者点击键输入键");

  // The first triangle's misclosure is shown before triangle 2's distance angle is asked.
  std::size_t w1 = 0, second_a = 0, dialogs = 0;
  for (std::size_t k = 0; k < ui.log.size(); ++k) {
    if (ui.log[k].kind == '?' && ui.log[k].text == texts::AngleA.prompt && ++dialogs == 2) second_a = k;
    if (ui.log[k] == Op{'T', Text20, "12 秒"}) w1 = k;
  }
  EXPECT_GT(w1, 0u);
  EXPECT_LT(w1, second_a);
  EXPECT_EQ(ui.log[w1 - 1], (Op{'L', Label27, "W1"}));
}

TEST(DialogOrder, StartingDataWritesOfTheOuterSideCase) {
  ScriptedUi ui(testing::Replies(Outer(4)));
  Network net;
  EXPECT_THROW(Command1_Click(ui, net), testing::OutOfReplies);  // no replies for the listing
  const std::vector<Op> expected = {
      {'?', 0, "请输入三角形的个数 N "},
      {'T', Text9, "中心多边形有4个三角形"},
      {'?', 0, std::string(texts::Xa.prompt)},
      {'T', Text1, " 1100.000"},
      {'?', 0, std::string(texts::Xa.confirm)},
      {'T', Text1, " 1100.000"},
  };
  ASSERT_GE(ui.log.size(), expected.size());
  EXPECT_EQ(std::vector<Op>(ui.log.begin(), ui.log.begin() + 6), expected);
  EXPECT_EQ(ui.Writes(Text22), (std::vector<std::string>{" 2086.603", " 2086.603"}));
  EXPECT_EQ(ui.Writes(Text23), (std::vector<std::string>{" 0.000", " 0.000", "C点为待定点"}));
  EXPECT_EQ(ui.Writes(Text24), (std::vector<std::string>{" 0.000", " 0.000", "C点为待定点"}));
  EXPECT_EQ(ui.Writes(Text3), (std::vector<std::string>{"没有外方位角"}));
  EXPECT_EQ(ui.Writes(Text4), (std::vector<std::string>{"没有定向角"}));
  EXPECT_EQ(ui.Writes(Text21), (std::vector<std::string>{"由A-B边起算"}));
  EXPECT_EQ(ui.Writes(Text25), (std::vector<std::string>{"由 A--B 的外侧边为起算起始边"}));
  EXPECT_EQ(ui.labels[Label9], "A4");
  EXPECT_EQ(ui.labels[Label10], "B4");
  EXPECT_EQ(ui.labels[Label11], "C4");
  EXPECT_EQ(ui.fields[Text5], " 4");
}

// Every combination of B and C: the starting case shown, whether Ta, Qa and S1
// are asked, how many names, and which routine lists points.
TEST(DialogOrder, EveryCombinationOfBAndC) {
  struct Case {
    const char *xb, *yb, *xc, *yc;
    const char* explanation;  // Text25, or nullptr when no starting case holds
    int names;
    int listed;  // pacing dialogs of the routine that runs (0: none runs)
  };
  const Case cases[] = {
      {"1050", "2086.6025403784", "0", "0", "由 A--B 的外侧边为起算起始边", 6, 6},
      {"1050", "2086.6025403784", "1000", "2000", nullptr, 6, 6},
      {"1050", "2086.6025403784", "0", "2000", nullptr, 6, 6},
      {"0", "0", "1000", "2000", "由 A--C 二点的中心边为起始边起算", 6, 6},
      {"0.0", "000", "0", "0", "由 A 点为起始点，A 点的外方位角和定向角 Qa 起算", 7, 7},
      {"0", "0", "0", "2000", nullptr, 6, 0},
      {"0", "5", "1000", "2000", nullptr, 6, 6},
      {"1050", "0", "0", "0", nullptr, 6, 0},
      {"1050", "0", "1000", "0", nullptr, 6, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.xb) + " " + c.yb + " " + c.xc + " " + c.yc);
    Entry e = Outer(6);
    e.xb = c.xb, e.yb = c.yb, e.xc = c.xc, e.yc = c.yc;
    e.ta = "10.3", e.qa = "19.3", e.s1 = "100";
    e.names = std::vector<std::string>(static_cast<std::size_t>(c.names), "Q");
    e.pacing = c.listed;
    ScriptedUi ui(testing::Replies(e));
    ui.fields[Text25] = "earlier";
    Network net;
    testing::Run(ui, net);
    const auto prompts = ui.Prompts();
    const auto count = [&](std::string_view text) { return std::count(prompts.begin(), prompts.end(), text); };
    EXPECT_EQ(count(texts::NamePrompt), c.names);
    EXPECT_EQ(count(texts::PacingPrompt), c.listed);
    EXPECT_EQ(count(texts::Ta.prompt), c.explanation && c.names == 7 ? 1 : 0);
    EXPECT_EQ(ui.fields[Text25], c.explanation ? c.explanation : "earlier");
    if (c.listed > 0) {
      EXPECT_TRUE(ui.errors.empty()) << ui.errors.front();
      EXPECT_TRUE(ui.fields[Text15].starts_with("1/")) << ui.fields[Text15];
    }
  }
}

TEST(DialogOrder, AzimuthCaseShowsItsExplanationBeforeAskingTa) {
  Entry e = Outer(6);
  e.xb = "0", e.yb = "0";
  e.ta = "45.3015", e.qa = "19.3", e.s1 = "250.5";
  e.names.push_back("A");
  ScriptedUi ui(testing::Replies(e));
  Network net;
  EXPECT_THROW(Command1_Click(ui, net), testing::OutOfReplies);
  std::size_t explanation = 0, ta = 0;
  for (std::size_t k = 0; k < ui.log.size(); ++k) {
    if (ui.log[k].control == Text25) explanation = k;
    if (ui.log[k].text == "请输入起始点 A 的外定向的方位角 Ta :") ta = k;
  }
  EXPECT_LT(explanation, ta);
  EXPECT_EQ(ui.fields[Text3], " 45.30150");
  EXPECT_EQ(ui.fields[Text21], " 250.5000");
  EXPECT_EQ(ui.Writes(Text16), (std::vector<std::string>{" 0.000", " 0.000", "B点为待定点"}));
  EXPECT_EQ(ui.Writes(Text22), (std::vector<std::string>{" 0.000", " 0.000", "B点为待定点"}));
}

// The confirmation: zero (as a number) re-enters, anything else accepts.
TEST(ConfirmedEntry, ZeroReentersAndEverythingElseAccepts) {
  for (const char* zero : {"0", "00", "0.0", "-0", " 0 ", "０"}) {
    ScriptedUi ui({"3245.6", zero, "12.5", ""});
    Network net;
    std::string slot;
    ConfirmedEntry(ui, net, slot, Text1, kCoordinatePattern, texts::Xa, "", "Xa");
    EXPECT_EQ(slot, "12.5") << zero;
    EXPECT_EQ(ui.Prompts(), (std::vector<std::string>{std::string(texts::Xa.prompt), std::string(texts::Xa.confirm),
                                                      "输入起始点 A 正确的纵座标 Xa :",
                                                      std::string(texts::Xa.confirm_again)}));
    EXPECT_EQ(ui.Writes(Text1), (std::vector<std::string>{" 3245.600", "", " 12.500", " 12.500"}));
  }
  for (const char* yes : {"", "1", "5", "-1", "0.001"}) {
    ScriptedUi ui({"1234.56789", yes});
    Network net;
    std::string slot;
    ConfirmedEntry(ui, net, slot, Text1, kCoordinatePattern, texts::Xa, "", "Xa");
    EXPECT_EQ(slot, "1234.56789") << yes;  // every typed digit is kept
    EXPECT_EQ(ui.Writes(Text1), (std::vector<std::string>{" 1234.568", " 1234.568"}));
  }
}

TEST(ConfirmedEntry, ThreeRejectionsKeepTheLastValueAndQaBlanksWithABlank) {
  ScriptedUi ui({"1", "0", "2", "0", "3", "0", "4", "7"});
  Network net;
  std::string slot;
  ConfirmedEntry(ui, net, slot, Text4, kAnglePattern, texts::Qa, " ", "Qa");
  EXPECT_EQ(slot, "4");
  const auto p = ui.Prompts();
  ASSERT_EQ(p.size(), 8u);
  for (std::size_t k = 2; k < 8; k += 2) {
    EXPECT_EQ(p[k], "输入起始点 A 正确的定向角 Ta :");
    EXPECT_EQ(p[k + 1], "这次输入的起始点 A 的定向角 qa 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )");
  }
  EXPECT_EQ(ui.Writes(Text4), (std::vector<std::string>{" 1.00000", " ", " 2.00000", " ", " 3.00000", " ",
                                                        " 4.00000", " 4.00000"}));
  EXPECT_EQ(net.confirmation, "7");
}

TEST(ObservationEntry, RejectedIntervalAngleIsClearedAndRetyped) {
  Entry e = Outer(3);
  ScriptedUi ui({"3", "1100", "", "2000", "", "1050", "", "2086.6", "", "0", "", "0", "", "Q", "Q", "Q",
                 "60", "", "60.0001", "", "59.3", "0", "45.30155", ""});
  Network net;
  EXPECT_THROW(Command1_Click(ui, net), testing::OutOfReplies);  // runs out after the first triangle's C
  EXPECT_EQ(ui.Writes(Text8), (std::vector<std::string>{" 59.30000", "", " 45.30155", " 45.30155"}));
  EXPECT_EQ(ui.fields[Text7], " 60.00010");
  const auto p = ui.Prompts();
  ASSERT_GE(p.size(), 3u);
  EXPECT_EQ(p[p.size() - 3], "输入正确的间隔角 C :");
  EXPECT_EQ(p[p.size() - 2], "这次输入的间隔角 C 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )");
  EXPECT_EQ(p.back(), "请输入求距角 A :");  // triangle 2 comes next
}

TEST(ObservationEntry, RejectedForwardAngleUsesItsOwnReentryText) {
  ScriptedUi ui({"3", "1100", "", "2000", "", "1050", "", "2086.6", "", "0", "", "0", "", "Q", "Q", "Q",
                 "60", "", "61", "0"});
  Network net;
  EXPECT_THROW(Command1_Click(ui, net), testing::OutOfReplies);
  EXPECT_EQ(ui.Prompts().back(), "输入正确的求距角 B : ");
  EXPECT_EQ(ui.fields[Text7], "");
}

TEST(ObservationEntry, NamesCountAndNSentence) {
  struct Case {
    const char *xb, *yb;
    int names;
  };
  for (const Case& c : {Case{"0", "0", 5}, Case{"7", "0", 4}, Case{"7", "8", 4}}) {
    Entry e = Outer(4);
    e.n = " 4";
    e.xb = c.xb, e.yb = c.yb;
    ScriptedUi ui;
    ui.Add({e.n, "1", "", "2", "", e.xb, "", e.yb, "", "0", "", "0", ""});
    if (c.names == 5) ui.Add({"10", "", "20", "", "30", ""});
    Network net;
    EXPECT_THROW(Command1_Click(ui, net), testing::OutOfReplies);
    const auto p = ui.Prompts();
    EXPECT_EQ(std::count(p.begin(), p.end(), texts::NamePrompt), 1);
    ui.Add(std::vector<std::string>(static_cast<std::size_t>(c.names), "P"));
    ScriptedUi again;
    again.Add({e.n, "1", "", "2", "", e.xb, "", e.yb, "", "0", "", "0", ""});
    if (c.names == 5) again.Add({"10", "", "20", "", "30", ""});
    again.Add(std::vector<std::string>(static_cast<std::size_t>(c.names), "P"));
    EXPECT_THROW(Command1_Click(again, net), testing::OutOfReplies);
    const auto q = again.Prompts();
    EXPECT_EQ(std::count(q.begin(), q.end(), texts::NamePrompt), c.names);
    EXPECT_EQ(q.back(), texts::AngleA.prompt);
    EXPECT_EQ(again.fields[Text9], "中心多边形有 4个三角形");
    EXPECT_EQ(net.na1.size(), 6u);
  }
}

TEST(ObservationEntry, NOutsideThreeToHundredThousandStopsRightAfterItsPrompt) {
  for (const char* n : {"2", "0", "-4", "3.5", "abc", "", "100001", "1e9", "nan"}) {
    ScriptedUi ui({n});
    Network net;
    testing::Run(ui, net);
    EXPECT_EQ(ui.Prompts().size(), 1u) << n;
    ASSERT_EQ(ui.errors.size(), 1u) << n;
    EXPECT_NE(ui.errors[0].find(std::string("“") + n + "”"), std::string::npos) << ui.errors[0];
    EXPECT_NE(ui.errors[0].find("3 到 100000"), std::string::npos);
  }
  for (const char* n : {"3", "6.0", "1e2", "１２"}) {
    ScriptedUi ui({n});
    Network net;
    EXPECT_THROW(Command1_Click(ui, net), testing::OutOfReplies) << n;  // goes on to ask Xa
  }
}

TEST(ObservationEntry, UnreadableAngleIsEchoedAsTypedAndStopsAfterItsTriangle) {
  ScriptedUi ui({"3", "1100", "", "2000", "", "1050", "", "2086.6", "", "0", "", "0", "", "Q", "Q", "Q",
                 "60", "", "6O.5", "", "60", ""});
  Network net;
  testing::Run(ui, net);
  EXPECT_EQ(ui.fields[Text7], " 6O.5");
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], "计算中止：三角形 1 的前进角 B 的输入“6O.5”不能读作数值。");
  EXPECT_EQ(ui.fields.count(Text20), 0u);  // stopped before the misclosure
}

}  // namespace
}  // namespace quorvel
