// Arbitrary reply sequences fed to a whole computation. The input bytes, split
// at '\n', are the replies in order; once they run out every dialog gets the
// empty reply, as Cancel gives. Every text the computation writes is checked
// as it is written, and the run must either finish or stop with exactly one
// report; a clean computation then follows in the same Network and must be
// exactly what a fresh Network gives.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "adjust/numbers.h"
#include "app/driver.h"
#include "app/ui.h"
#include "entry/texts.h"

namespace quorvel::fuzz {
namespace {

// A run stops after this many dialogs; N can be up to 100000 and every name
// is a dialog, so without a bound one input could take seconds.
constexpr int kMaxDialogs = 20000;

struct TooManyDialogs {};

[[noreturn]] void Fail(const std::string& what, const std::string& text) {
  std::fprintf(stderr, "quorvel fuzz: %s: \"%s\"\n", what.c_str(), text.c_str());
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      len = 2, cp = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3, cp = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4, cp = c & 0x07u;
    } else {
      return false;
    }
    if (i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3Fu);
    }
    const std::uint32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
  }
  return true;
}

// "0.000" and its kin: optional minus, at least one digit, no needless
// leading zero, exactly `decimals` decimals, never a negative zero.
bool IsPattern(std::string_view s, int decimals) {
  std::size_t i = 0;
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) ++i;
  const std::size_t whole = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i == whole || (s[whole] == '0' && i - whole > 1)) return false;
  if (i >= s.size() || s[i] != '.') return false;
  ++i;
  const std::size_t fraction = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i != s.size() || static_cast<int>(i - fraction) != decimals) return false;
  if (negative && s.find_first_not_of("-0.") == std::string_view::npos) return false;
  return true;
}

// Number text: shortest general form, at most 15 significant digits, no
// trailing zeros after the point, no lone point, never "-0"; a magnitude
// that needs one shows an exponent. `decimals` bounds the fixed form.
bool IsNumberText(std::string_view s, int decimals) {
  std::size_t i = 0;
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) ++i;
  const std::size_t whole = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  const std::size_t whole_digits = i - whole;
  if (whole_digits == 0 || (s[whole] == '0' && whole_digits > 1)) return false;
  std::size_t fraction_digits = 0;
  if (i < s.size() && s[i] == '.') {
    ++i;
    const std::size_t fraction = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    fraction_digits = i - fraction;
    if (fraction_digits == 0 || s[i - 1] == '0') return false;
  }
  if (i < s.size() && s[i] == 'e') {
    // d.ddde+XX: one digit before the point, not zero.
    if (whole_digits != 1 || s[whole] == '0') return false;
    ++i;
    if (i >= s.size() || (s[i] != '+' && s[i] != '-')) return false;
    ++i;
    const std::size_t exponent = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i - exponent < 2 || i != s.size()) return false;
    return 1 + fraction_digits <= 15;
  }
  if (i != s.size()) return false;
  if (static_cast<int>(fraction_digits) > decimals) return false;
  if (negative && s == "-0") return false;
  const std::string_view digits = s.substr(whole, whole_digits);
  const std::size_t leading = digits.find_first_not_of('0');
  const std::size_t significant =
      leading == std::string_view::npos ? fraction_digits : whole_digits - leading + fraction_digits;
  return significant <= 15;
}

bool IsWholeNumber(std::string_view s) {
  if (s.empty() || (s[0] == '0' && s.size() > 1)) return false;
  for (char c : s)
    if (!IsDigit(c)) return false;
  return true;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

struct EchoField {
  const EntryTexts* texts;
  int decimals;
  std::string_view blank;
  std::vector<std::string_view> literals;  // texts written in place of an echo
};

const std::map<int, EchoField>& EchoFields() {
  static const std::map<int, EchoField> fields{
      {Text1, {&texts::Xa, kCoordinatePattern, "", {}}},
      {Text2, {&texts::Ya, kCoordinatePattern, "", {}}},
      {Text16, {&texts::Xb, kCoordinatePattern, "", {"B点为待定点"}}},
      {Text22, {&texts::Yb, kCoordinatePattern, "", {"B点为待定点"}}},
      {Text23, {&texts::Xc, kCoordinatePattern, "", {"C点为待定点"}}},
      {Text24, {&texts::Yc, kCoordinatePattern, "", {"C点为待定点"}}},
      {Text3, {&texts::Ta, kAnglePattern, "", {"没有外方位角"}}},
      {Text4, {&texts::Qa, kAnglePattern, " ", {"没有定向角"}}},
      {Text21, {&texts::S1, kSidePattern, "", {"由A-B边起算", "由A-C边起算"}}},
      {Text6, {&texts::AngleA, kAnglePattern, "", {}}},
      {Text7, {&texts::AngleB, kAnglePattern, "", {}}},
      {Text8, {&texts::AngleC, kAnglePattern, "", {}}},
  };
  return fields;
}

// Plays the replies and checks every write against what its field may show.
class CheckingUi final : public Ui {
 public:
  explicit CheckingUi(std::vector<std::string> replies) : replies_(std::move(replies)) {
    for (const auto& r : replies_) utf8_input_ = utf8_input_ && ValidUtf8(r);
  }

  std::string InputBox(std::string_view prompt) override {
    if (++dialogs_ > kMaxDialogs) throw TooManyDialogs();
    log.push_back("? " + std::string(prompt));
    std::string reply = next_ < replies_.size() ? replies_[next_++] : std::string();
    if (prompt == texts::NPrompt) n1_ = reply;
    if (prompt == texts::NamePrompt) names_.insert(reply);
    for (const auto& [field, echo] : EchoFields())
      if (prompt == echo.texts->prompt || prompt == echo.texts->reenter) slots_[field] = reply;
    return reply;
  }

  void SetText(int field, std::string_view text) override {
    const std::string t(text);
    log.push_back("Text" + std::to_string(field) + " = " + t);
    if (utf8_input_ && !ValidUtf8(text)) Fail("Text" + std::to_string(field) + " is not UTF-8", t);
    if (!FieldTextOk(field, text)) Fail("Text" + std::to_string(field) + " is not well formed", t);
  }

  void SetCaption(int label, std::string_view text) override {
    const std::string t(text);
    log.push_back("Label" + std::to_string(label) + " = " + t);
    static const std::map<int, std::string_view> prefixes{{Label9, "A"},   {Label10, "B"}, {Label11, "C"},
                                                          {Label27, "W"},  {Label35, "D$"}, {Label36, "X"},
                                                          {Label37, "Y"}};
    const auto p = prefixes.find(label);
    if (p == prefixes.end()) Fail("caption of a label the computation does not write", t);
    if (!StartsWith(text, p->second) || !IsWholeNumber(text.substr(p->second.size())))
      Fail("Label" + std::to_string(label) + " is not well formed", t);
  }

  void ReportError(std::string_view message) override {
    log.push_back("! " + std::string(message));
    ++errors;
    if (message.empty() || message.find('\n') != std::string_view::npos) Fail("report not one line", std::string(message));
    if (utf8_input_ && !ValidUtf8(message)) Fail("report is not UTF-8", std::string(message));
  }

  std::vector<std::string> log;
  int errors = 0;

 private:
  bool FieldTextOk(int field, std::string_view text) const {
    if (const auto echo = EchoFields().find(field); echo != EchoFields().end()) {
      const EchoField& e = echo->second;
      if (text == e.blank) return true;
      for (std::string_view literal : e.literals)
        if (text == literal) return true;
      if (text.empty() || text[0] != ' ') return false;
      const std::string_view shown = text.substr(1);
      const auto slot = slots_.find(field);
      if (slot == slots_.end()) return false;
      const auto typed = ReadNumber(slot->second);
      if (!typed) return shown == slot->second;  // echoed as typed
      if (!IsPattern(shown, e.decimals)) return false;
      double value = 0;
      std::from_chars(shown.data(), shown.data() + shown.size(), value);
      const double half_step = 0.5 * std::pow(10.0, -e.decimals);
      return std::fabs(value - *typed) <= half_step * (1 + 1e-9) + std::fabs(*typed) * 1e-15;
    }
    switch (field) {
      case Text5: return text.size() > 1 && text[0] == ' ' && IsWholeNumber(text.substr(1));
      case Text9: return text == "中心多边形有" + n1_ + "个三角形";
      case Text10:
      case Text12:
      case Text20:
        return text.ends_with(kSeconds) && IsNumberText(text.substr(0, text.size() - kSeconds.size()), 2);
      case Text11:
      case Text14:
        return text.ends_with(kLogUnits) && IsNumberText(text.substr(0, text.size() - kLogUnits.size()), 2);
      case Text13: return IsNumberText(text, 6);
      case Text15: {
        if (!StartsWith(text, "1/")) return false;
        const std::string_view m = text.substr(2);
        return IsNumberText(m, 0) && m[0] != '-';
      }
      case Text17: return StartsWith(text, "  ") && names_.count(std::string(text.substr(2))) > 0;
      case Text18:
      case Text19: return IsPattern(text, kCoordinatePattern);
      case Text25:
        return text == "由 A--B 的外侧边为起算起始边" || text == "由 A--C 二点的中心边为起始边起算" ||
               text == "由 A 点为起始点，A 点的外方位角和定向角 Qa 起算";
      default: return false;
    }
  }

  std::vector<std::string> replies_;
  std::size_t next_ = 0;
  int dialogs_ = 0;
  bool utf8_input_ = true;
  std::string n1_;
  std::set<std::string> names_;
  std::map<int, std::string> slots_;
};

// The worked example of five triangles from the outer side A-B.
std::vector<std::string> CleanReplies() {
  std::vector<std::string> r{"5", "1000", "", "1000", "", "1100", "", "1050", "", "0", "", "0", ""};
  for (const char* name : {"P1", "P2", "P3", "P4", "P5"}) r.emplace_back(name);
  const char* angles[5][3] = {{"57.4146", "47.1815", "75.0001"},
                              {"46.3339", "58.2619", "75.0003"},
                              {"66.5142", "48.0825", "64.5959"},
                              {"47.3440", "57.2516", "75.0004"},
                              {"52.3707", "57.2256", "69.5958"}};
  for (const auto& triangle : angles)
    for (const char* a : triangle) {
      r.emplace_back(a);
      r.emplace_back();
    }
  for (int k = 0; k < 5; ++k) r.emplace_back();
  return r;
}

const std::vector<std::string>& CleanLog() {
  static const std::vector<std::string> log = [] {
    CheckingUi ui(CleanReplies());
    Network net;
    Command1_Click(ui, net);
    if (ui.errors != 0) Fail("the clean computation failed on a fresh Network", ui.log.back());
    return ui.log;
  }();
  return log;
}

void CheckOneComputation(const std::vector<std::string>& replies) {
  const std::vector<std::string>& clean = CleanLog();
  Network net;
  CheckingUi ui(replies);
  bool bounded = false;
  try {
    Command1_Click(ui, net);
  } catch (const TooManyDialogs&) {
    bounded = true;
  }
  if (!bounded) {
    if (ui.errors > 1) Fail("more than one report", ui.log.back());
    if (ui.errors == 1 && ui.log.back()[0] != '!') Fail("written after the report", ui.log.back());
    // A computation that finishes ends with mb when no coordinate routine
    // runs, or with the relative error of the weakest side when one does.
    if (ui.errors == 0 && !StartsWith(ui.log.back(), "Text12 = ") && !StartsWith(ui.log.back(), "Text15 = "))
      Fail("finished without its last result", ui.log.back());
  }

  // The next computation in the same Network carries nothing of this one.
  CheckingUi next(CleanReplies());
  Command1_Click(next, net);
  if (next.log != clean) {
    std::size_t k = 0;
    while (k < next.log.size() && k < clean.size() && next.log[k] == clean[k]) ++k;
    Fail("the computation after differs from a fresh one at op " + std::to_string(k),
         k < next.log.size() ? next.log[k] : "(ends early)");
  }
}

}  // namespace
}  // namespace quorvel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> replies;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) {
      if (start < input.size()) replies.emplace_back(input.substr(start));
      break;
    }
    replies.emplace_back(input.substr(start, end - start));
    start = end + 1;
  }
  quorvel::fuzz::CheckOneComputation(replies);
  return 0;
}
