#pragma once
// The designed layout of Form1 as data: every label, field and button with
// its caption, position and font, and every line of the box and the three
// sketches. Positions are in twips, measured from the top left corner of the
// client area; the window draws 15 twips to a logical pixel.
#include <span>
#include <string_view>

namespace quorvel::layout {

inline constexpr int kTwipsPerPixel = 15;
// The whole layout, not the designed 4680 x 3195 client area, which shows
// only its top left corner.
inline constexpr int kClientWidth = 14055;
inline constexpr int kClientHeight = 9975;

enum class Kind { Label, Field, Button };

// The design's fonts, all bold. F0 is the window's own font.
enum class FontCode { F0, F1, F2, F3, F4, F5, F6, F7 };

struct FontSpec {
  FontCode code;
  std::string_view designed_face;  // as stored in the design
  double points;
  std::string_view face;           // what draws it here: a face that has Chinese
};

struct Control {
  std::string_view name;     // Text1..Text25, Label1..Label96, Command1, Command2
  Kind kind;
  std::string_view caption;  // design caption, blanks included; empty for fields
  int left, top, width, height;
  FontCode font;
  // Fields only: the label whose caption names the field (for screen
  // readers). Fields whose own tag is written at run time take the static
  // column head above them.
  std::string_view named_by;
};

enum class LineColour { Default, Red, Brown, Green };

struct Line {
  std::string_view name;  // Line1..Line40
  int x1, y1, x2, y2;
  LineColour colour;
  int width;              // pixels
};

std::span<const FontSpec> Fonts();
const FontSpec& Font(FontCode code);
std::span<const Control> Controls();
std::span<const Line> Lines();
const Control* FindControl(std::string_view name);

// Control names carry their number: "Text13" -> 13, "Label9" -> 9.
int NumberOf(std::string_view name);

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int Px(int twips) { return (twips * 2 + kTwipsPerPixel) / (2 * kTwipsPerPixel); }

}  // namespace quorvel::layout
