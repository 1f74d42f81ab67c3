// The driver across computations, and the terminal front end's line protocol.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/console_ui.h"
#include "networks.h"
#include "scripted_ui.h"

namespace quorvel {
namespace {

using testing::Entry;
using testing::ScriptedUi;

Entry FivePolygonOuter() {
  Entry e{.n = "5", .xa = "3245.6", .ya = "1000", .xb = "4000", .yb = "2000"};
  e.names = {"P1", "P2", "P3", "O", "A"};
  e.triangles = testing::FivePolygon();
  e.pacing = 5;
  return e;
}

// The same network started from the central side A-C instead.
Entry FivePolygonCentral() {
  Entry e = FivePolygonOuter();
  e.xb = "0", e.yb = "0", e.xc = "2245.6", e.yc = "1500.25";
  e.names = {"P1", "P2", "P3", "P4", "C"};
  return e;
}

Entry HexagonAzimuth() {
  Entry e{.n = "6", .xa = "1000", .ya = "1000", .ta = "10.3", .qa = "19.3", .s1 = "100"};
  e.names = {"1", "2", "3", "4", "5", "O", "A"};
  e.triangles = testing::Hexagon();
  e.triangles[2] = {"60.0002", "59.5959", "59.5959"};
  e.pacing = 7;
  return e;
}

TEST(Driver, ASecondComputationLeavesWhatItDoesNotWriteAndCarriesNoValueOver) {
  Network net;
  ScriptedUi first(testing::Replies(FivePolygonOuter()));
  testing::Run(first, net);
  ASSERT_TRUE(first.errors.empty());
  EXPECT_EQ(first.fields[Text17], "  A");

  // Xb given, Yb zero: no starting case and no routine; the listing, the
  // weakest side and Text3, Text4, Text21, Text25 keep the first computation's texts.
  Entry second = FivePolygonOuter();
  second.yb = "0";
  second.pacing = 0;
  ScriptedUi again(testing::Replies(second));
  again.fields = first.fields;
  testing::Run(again, net);
  ASSERT_TRUE(again.errors.empty());
  for (int field : {Text3, Text4, Text13, Text14, Text15, Text17, Text18, Text19, Text21, Text25}) {
    EXPECT_EQ(again.fields[field], first.fields[field]) << field;
    EXPECT_TRUE(again.Writes(field).empty()) << field;
  }
  const auto prompts = first.Prompts();
  EXPECT_EQ(again.Prompts(), std::vector<std::string>(prompts.begin(), prompts.end() - 5));

  // The same network again gives the same writes: nothing of the earlier runs entered it.
  ScriptedUi third(testing::Replies(FivePolygonOuter()));
  testing::Run(third, net);
  EXPECT_EQ(third.log, first.log);
}

// ---------------------------------------------------------------------------
// quorvel-console

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

struct Result {
  std::vector<std::string> lines;
  int status = -1;
};

Result RunConsole(const std::string& input) {
  char path[] = "/tmp/quorvel-console-input-XXXXXX";
  const int fd = mkstemp(path);
  EXPECT_GE(fd, 0);
  EXPECT_EQ(write(fd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  close(fd);
  Result result;
  FILE* out = popen((std::string(QUORVEL_CONSOLE) + " < " + path).c_str(), "r");
  EXPECT_NE(out, nullptr);
  std::string text;
  char buffer[4096];
  while (const std::size_t got = fread(buffer, 1, sizeof buffer, out)) text.append(buffer, got);
  const int status = pclose(out);
  unlink(path);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.lines.push_back(line);
  return result;
}

// What the console must print for the operations a scripted run recorded.
std::vector<std::string> ProtocolLines(const ScriptedUi& ui) {
  std::vector<std::string> lines;
  for (const auto& op : ui.log) {
    switch (op.kind) {
      case '?': lines.push_back("? " + op.text); break;
      case 'T': lines.push_back("Text" + std::to_string(op.control) + " = " + op.text); break;
      case 'L': lines.push_back("Label" + std::to_string(op.control) + " = " + op.text); break;
      case '!': lines.push_back("! " + op.text); break;
    }
  }
  return lines;
}

const std::string kWaiting = "> 1 = 计 算, 2 = 结 束";

TEST(Console, WholeComputationsPrintExactlyTheScriptedWrites) {
  for (const Entry& e : {FivePolygonOuter(), FivePolygonCentral(), HexagonAzimuth()}) {
    const auto replies = testing::Replies(e);
    ScriptedUi ui(replies);
    Network net;
    testing::Run(ui, net);
    ASSERT_TRUE(ui.errors.empty()) << ui.errors.front();
    ASSERT_EQ(ui.log.back().control, Text15);  // from the first dialog to 1/m

    const Result run = RunConsole("1\n" + Join(replies) + "2\n");
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> expected{kWaiting};
    const auto lines = ProtocolLines(ui);
    expected.insert(expected.end(), lines.begin(), lines.end());
    expected.push_back(kWaiting);
    EXPECT_EQ(run.lines, expected);
  }
}

TEST(Console, FiveTriangleExampleShowsItsFigures) {
  const Result run = RunConsole("1\n" + Join(testing::Replies(FivePolygonOuter())));
  EXPECT_EQ(run.status, 0);  // end of input at the waiting line ends the program
  auto has = [&](const std::string& line) {
    return std::find(run.lines.begin(), run.lines.end(), line) != run.lines.end();
  };
  for (const char* line : {"Text9 = 中心多边形有5个三角形", "Text20 = 6 秒", "Label27 = W5", "Text10 = 1.67 秒",
                           "Text11 = -2.71 单位", "Text12 = 1.47 秒", "Text1 =  3245.600", "Text17 =   A",
                           "Label35 = D$5", "Text25 = 由 A--B 的外侧边为起算起始边"}) {
    EXPECT_TRUE(has(line)) << line;
  }
  EXPECT_TRUE(run.lines.back().starts_with(kWaiting));
}

TEST(Console, CommandsCarriageReturnsAndEndOfInput) {
  // Anything but 1 or 2 asks again; 2 ends at once.
  Result run = RunConsole("x\n\n3\n2\n1\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.lines, std::vector<std::string>(4, kWaiting));

  // End of input in a dialog answers as Cancel does: an empty N is reported,
  // then end of input at the waiting line ends the program.
  run = RunConsole("1\n");
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), 5u);
  EXPECT_EQ(run.lines[1], "? 请输入三角形的个数 N ");
  EXPECT_EQ(run.lines[2], "Text9 = 中心多边形有个三角形");
  EXPECT_TRUE(run.lines[3].starts_with("! 计算中止：三角形的个数 N 必须是 3 到 100000 之间的整数"));
  EXPECT_EQ(run.lines[4], kWaiting);

  // Replies ending in CR LF read like plain lines.
  std::string crlf;
  for (const auto& reply : testing::Replies(FivePolygonOuter())) crlf += reply + "\r\n";
  run = RunConsole("1\r\n" + crlf + "2\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(std::any_of(run.lines.begin(), run.lines.end(), [](const std::string& l) { return l.starts_with("Text15 = 1/"); }));
  EXPECT_TRUE(std::none_of(run.lines.begin(), run.lines.end(), [](const std::string& l) { return l.starts_with("! "); }));
}

TEST(Console, AFaultIsReportedAndTheNextComputationRuns) {
  Entry broken = FivePolygonOuter();
  broken.triangles[2].b = "abc";
  const auto replies = testing::Replies(broken);
  // The reply script stops where the fault stops the computation: after triangle 3.
  std::vector<std::string> until_fault(replies.begin(), replies.begin() + 13 + 5 + 18);
  const Result run = RunConsole("1\n" + Join(until_fault) + "1\n" + Join(testing::Replies(FivePolygonOuter())) + "2\n");
  EXPECT_EQ(run.status, 0);
  const auto fault = std::find_if(run.lines.begin(), run.lines.end(), [](const std::string& l) { return l.starts_with("! "); });
  ASSERT_NE(fault, run.lines.end());
  EXPECT_EQ(*fault, "! 计算中止：三角形 3 的前进角 B 的输入“abc”不能读作数值。");
  EXPECT_EQ(*(fault + 1), kWaiting);
  EXPECT_EQ(std::count(fault, run.lines.end(), "Text12 = 1.47 秒"), 1);
  EXPECT_EQ(run.lines.back(), kWaiting);
}

// Whoever drives the console sees each prompt before it has to answer.
TEST(Console, EveryLineIsOutBeforeTheProgramWaits) {
  int to_child[2], from_child[2];
  ASSERT_EQ(pipe(to_child), 0);
  ASSERT_EQ(pipe(from_child), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    dup2(to_child[0], 0);
    dup2(from_child[1], 1);
    close(to_child[1]);
    close(from_child[0]);
    execl(QUORVEL_CONSOLE, QUORVEL_CONSOLE, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);
  std::string seen;
  auto wait_for = [&](const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (seen.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      pollfd p{from_child[0], POLLIN, 0};
      if (poll(&p, 1, 100) > 0) {
        char buffer[1024];
        const ssize_t got = read(from_child[0], buffer, sizeof buffer);
        if (got <= 0) break;
        seen.append(buffer, static_cast<std::size_t>(got));
      }
    }
    return seen.find(text) != std::string::npos;
  };
  auto send = [&](const std::string& line) {
    EXPECT_EQ(write(to_child[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
  };
  EXPECT_TRUE(wait_for(kWaiting + "\n"));
  send("1\n");
  EXPECT_TRUE(wait_for("? 请输入三角形的个数 N \n"));
  send("5\n");
  EXPECT_TRUE(wait_for("Text9 = 中心多边形有5个三角形\n? 请输入起始点 A 的纵座标 Xa :\n"));
  send("12.5\n");
  EXPECT_TRUE(wait_for("Text1 =  12.500\n? 输入的起始点 A 的纵座标 Xa 是否正确?"));
  close(to_child[1]);  // end of input: every later dialog is cancelled, then the program ends
  int status = 0;
  waitpid(pid, &status, 0);
  close(from_child[0]);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace quorvel
