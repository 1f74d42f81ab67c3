#pragma once
// Everything the computation says to the surveyor goes through this interface:
// the window, the terminal front end and the tests' scripted replies each
// implement it.
#include <string>
#include <string_view>

namespace quorvel {

struct Ui {
  // Modal one-line dialog; the reply exactly as typed, "" on Cancel.
  virtual std::string InputBox(std::string_view prompt) = 0;
  // Text1 .. Text25: the whole text of the field is replaced.
  virtual void SetText(int field, std::string_view text) = 0;
  // Label1 .. Label96 (the computation writes only the seven run-time labels).
  virtual void SetCaption(int label, std::string_view text) = 0;
  // A fault stopped the computation; the message is Chinese and one line.
  virtual void ReportError(std::string_view message) = 0;
  virtual ~Ui() = default;
};

// The window's control names, as the computation addresses them.
inline constexpr int Text1 = 1;
inline constexpr int Text2 = 2;
inline constexpr int Text3 = 3;
inline constexpr int Text4 = 4;
inline constexpr int Text5 = 5;
inline constexpr int Text6 = 6;
inline constexpr int Text7 = 7;
inline constexpr int Text8 = 8;
inline constexpr int Text9 = 9;
inline constexpr int Text10 = 10;
inline constexpr int Text11 = 11;
inline constexpr int Text12 = 12;
inline constexpr int Text13 = 13;
inline constexpr int Text14 = 14;
inline constexpr int Text15 = 15;
inline constexpr int Text16 = 16;
inline constexpr int Text17 = 17;
inline constexpr int Text18 = 18;
inline constexpr int Text19 = 19;
inline constexpr int Text20 = 20;
inline constexpr int Text21 = 21;
inline constexpr int Text22 = 22;
inline constexpr int Text23 = 23;
inline constexpr int Text24 = 24;
inline constexpr int Text25 = 25;
inline constexpr int Label9 = 9;
inline constexpr int Label10 = 10;
inline constexpr int Label11 = 11;
inline constexpr int Label27 = 27;
inline constexpr int Label35 = 35;
inline constexpr int Label36 = 36;
inline constexpr int Label37 = 37;

}  // namespace quorvel
