#include "app/window/layout.h"

#include <array>
#include <charconv>

namespace quorvel::layout {
namespace {

constexpr std::string_view kSong = "Noto Serif CJK SC";  // for SimSun (宋体)
constexpr std::string_view kSans = "Noto Sans CJK SC";   // for the sans-serif faces

constexpr std::array kFonts{
    FontSpec{FontCode::F0, "MS Sans Serif", 8.25, kSans},
    FontSpec{FontCode::F1, "宋体", 15.75, kSong},
    FontSpec{FontCode::F2, "Microsoft Sans Serif", 8.25, kSans},
    FontSpec{FontCode::F3, "Microsoft Sans Serif", 9.75, kSans},
    FontSpec{FontCode::F4, "宋体", 12.0, kSong},
    FontSpec{FontCode::F5, "宋体", 10.5, kSong},
    FontSpec{FontCode::F6, "宋体", 14.25, kSong},
    FontSpec{FontCode::F7, "MS Sans Serif", 12.0, kSans},
};

using enum Kind;
using enum FontCode;

constexpr std::array kControls{
    // Title area.
    Control{"Label1", Label, "Quorvel", 4920, 840, 4575, 375, F1, {}},
    Control{"Label12", Label, "三角形个数说明", 4320, 1320, 1455, 255, F2, {}},
    Control{"Text9", Field, {}, 3840, 1560, 2535, 285, F2, "Label12"},
    Control{"Label26", Label, "起始情况说明", 8040, 1320, 1215, 255, F2, {}},
    Control{"Text25", Field, {}, 7080, 1560, 3375, 285, F2, "Label26"},

    // Misclosures and precision.
    Control{"Label13", Label, "（ 条件方程式闭合差 ）", 4080, 1920, 2535, 255, F3, {}},
    Control{"Label33", Label, "以秒为单位", 4080, 2280, 975, 255, F2, {}},
    Control{"Label14", Label, " 中心条件 闭合差 w1", 3000, 2400, 975, 375, F2, {}},
    Control{"Text10", Field, {}, 3960, 2520, 1095, 285, F2, "Label14"},
    Control{"Label32", Label, "对数第六位为单位", 6000, 2280, 1575, 255, F2, {}},
    Control{"Label15", Label, "   极条件    闭合差 w2", 5160, 2400, 975, 375, F2, {}},
    Control{"Text11", Field, {}, 6120, 2520, 1095, 285, F2, "Label15"},
    Control{"Label17", Label, " 测角中误差         mb", 7680, 2400, 1095, 375, F2, {}},
    Control{"Text12", Field, {}, 8760, 2520, 1215, 285, F2, "Label17"},
    Control{"Label16", Label, "（ 精度统计 ）", 6000, 2880, 1575, 255, F3, {}},
    Control{"Label18", Label, "      最弱边         边长权倒数 1/P", 1800, 3120, 1455, 375, F2, {}},
    Control{"Text13", Field, {}, 3240, 3210, 1215, 285, F2, "Label18"},
    Control{"Label19", Label, "        最弱边         对数中误差 mlogS", 4560, 3120, 1575, 375, F2, {}},
    Control{"Text14", Field, {}, 6120, 3210, 1215, 285, F2, "Label19"},
    Control{"Label20", Label, "      最弱边      相对中误差1/m", 7440, 3120, 1455, 375, F2, {}},
    Control{"Text15", Field, {}, 8880, 3210, 1215, 285, F2, "Label20"},

    // Starting data, down the left side.
    Control{"Label2", Label, "（ 起 算 数 据 ）", 1440, 4080, 2295, 255, F4, {}},
    Control{"Label3", Label, " 已知点 A   纵座标 Xa", 1200, 4440, 975, 375, F2, {}},
    Control{"Text1", Field, {}, 2160, 4560, 1455, 285, F2, "Label3"},
    Control{"Label4", Label, "已知点 A 横座标 Ya", 1200, 4920, 975, 375, F2, {}},
    Control{"Text2", Field, {}, 2160, 5040, 1455, 285, F2, "Label4"},
    Control{"Label21", Label, " 已知点 B   纵座标 Xb", 1200, 5400, 975, 375, F2, {}},
    Control{"Text16", Field, {}, 2160, 5520, 1455, 285, F2, "Label21"},
    Control{"Label38", Label, "已知点 B 横座标 Yb", 1200, 5880, 975, 375, F2, {}},
    Control{"Text22", Field, {}, 2160, 6000, 1455, 285, F2, "Label38"},
    Control{"Label39", Label, "中心点 C 纵座标 Xc", 1200, 6360, 975, 375, F2, {}},
    Control{"Text23", Field, {}, 2160, 6480, 1455, 285, F2, "Label39"},
    Control{"Label40", Label, "中心点 C 横座标 Yc", 1200, 6840, 975, 375, F2, {}},
    Control{"Text24", Field, {}, 2160, 6960, 1455, 285, F2, "Label40"},
    Control{"Label5", Label, "   已知点 A   外方位角 Ta", 1080, 7320, 1095, 375, F2, {}},
    Control{"Text3", Field, {}, 2160, 7440, 1455, 285, F2, "Label5"},
    Control{"Label34", Label, "起算边长 S", 2400, 7920, 975, 255, F2, {}},
    Control{"Text21", Field, {}, 2160, 8160, 1455, 285, F2, "Label34"},
    Control{"Label6", Label, " （观测数据 ）", 1920, 8640, 1815, 255, F4, {}},
    Control{"Label7", Label, "定向角 Q", 2520, 9000, 855, 255, F2, {}},
    Control{"Text4", Field, {}, 2160, 9240, 1455, 285, F2, "Label7"},

    // The box: the triangle being entered, then the point being listed.
    Control{"Label8", Label, "三角形号", 5400, 6960, 855, 255, F2, {}},
    Control{"Label31", Label, "三角形闭合差", 7200, 6960, 1215, 255, F2, {}},
    Control{"Label41", Label, " N", 5160, 7200, 255, 255, F2, {}},
    Control{"Text5", Field, {}, 5400, 7200, 855, 285, F2, "Label8"},
    Control{"Label27", Label, " wb", 6840, 7200, 375, 255, F2, {}},
    Control{"Text20", Field, {}, 7200, 7200, 1215, 285, F2, "Label31"},
    Control{"Label28", Label, "求 距 角 A", 4560, 7560, 975, 255, F2, {}},
    Control{"Label29", Label, "前 进 角 B", 6360, 7560, 975, 255, F2, {}},
    Control{"Label30", Label, "间 隔 角 C", 8160, 7560, 975, 255, F2, {}},
    Control{"Label9", Label, {}, 3960, 7800, 375, 255, F5, {}},
    Control{"Text6", Field, {}, 4320, 7800, 1335, 285, F2, "Label28"},
    Control{"Label10", Label, {}, 5760, 7800, 375, 255, F5, {}},
    Control{"Text7", Field, {}, 6120, 7800, 1335, 285, F2, "Label29"},
    Control{"Label11", Label, {}, 7560, 7800, 375, 255, F5, {}},
    Control{"Text8", Field, {}, 7920, 7800, 1335, 285, F2, "Label30"},
    Control{"Label22", Label, "( 计 算 结 果 )", 5520, 8280, 2415, 255, F6, {}},
    Control{"Label23", Label, "待定点点名 d$", 4440, 8640, 1335, 255, F2, {}},
    Control{"Label24", Label, "待定点纵座标Xp", 6000, 8640, 1455, 255, F2, {}},
    Control{"Label25", Label, "待定点横座标Yp", 7920, 8640, 1455, 255, F2, {}},
    Control{"Label35", Label, {}, 4320, 8880, 375, 255, F5, {}},
    Control{"Text17", Field, {}, 4560, 8880, 975, 285, F2, "Label23"},
    Control{"Label36", Label, {}, 5640, 8880, 375, 255, F5, {}},
    Control{"Text18", Field, {}, 6000, 8880, 1455, 285, F2, "Label24"},
    Control{"Label37", Label, {}, 7560, 8880, 375, 255, F5, {}},
    Control{"Text19", Field, {}, 7920, 8880, 1455, 285, F2, "Label25"},

    // The two commands, under the box.
    Control{"Command1", Button, "计 算", 5760, 9480, 855, 495, F2, {}},
    Control{"Command2", Button, "结 束", 6960, 9480, 855, 495, F2, {}},

    // Sketch 1, outer side case.
    Control{"Label42", Label, "A", 11520, 3480, 255, 255, F6, {}},
    Control{"Label43", Label, "B", 12960, 3480, 255, 255, F6, {}},
    Control{"Label49", Label, "1", 10800, 2280, 135, 255, F4, {}},
    Control{"Label50", Label, "2", 11520, 1080, 135, 255, F4, {}},
    Control{"Label85", Label, "3", 13080, 1080, 135, 255, F7, {}},
    Control{"Label60", Label, "4", 13800, 2280, 135, 255, F4, {}},
    Control{"Label61", Label, "5", 12360, 2160, 135, 255, F4, {}},
    Control{"Label92", Label, "[ Xa,Ya ]", 10680, 3480, 855, 255, F0, {}},
    Control{"Label93", Label, "[ Xb,Yb ]", 13200, 3480, 855, 255, F0, {}},
    Control{"Label51", Label, "a(1)", 12600, 3240, 495, 255, F0, {}},
    Control{"Label52", Label, "b(1)", 11760, 3240, 375, 255, F0, {}},
    Control{"Label53", Label, "c(1)", 12240, 2640, 375, 255, F0, {}},
    Control{"Label54", Label, "a(2)", 11400, 3000, 375, 255, F0, {}},
    Control{"Label55", Label, "b(2)", 11040, 2400, 375, 255, F0, {}},
    Control{"Label56", Label, "c(2)", 11880, 2400, 375, 255, F0, {}},
    Control{"Label57", Label, "a(n)", 13320, 2400, 375, 255, F0, {}},
    Control{"Label58", Label, "b(n)", 12960, 3000, 375, 255, F0, {}},
    Control{"Label59", Label, "c(n)", 12480, 2400, 375, 255, F0, {}},

    // Sketch 2, central side case.
    Control{"Label44", Label, "A", 11520, 6360, 255, 255, F6, {}},
    Control{"Label45", Label, "C", 12480, 5160, 135, 255, F6, {}},
    Control{"Label80", Label, "1", 10800, 5160, 135, 255, F7, {}},
    Control{"Label81", Label, "2", 11520, 3960, 135, 255, F7, {}},
    Control{"Label82", Label, "3", 13080, 3960, 135, 255, F7, {}},
    Control{"Label83", Label, "4", 13800, 5160, 135, 255, F7, {}},
    Control{"Label84", Label, "5", 13080, 6360, 135, 255, F7, {}},
    Control{"Label94", Label, "[ Xa,Ya ]", 10680, 6360, 855, 255, F0, {}},
    Control{"Label95", Label, "[ Xc,Yc ]", 12600, 5040, 855, 255, F0, {}},
    Control{"Label62", Label, "a(1)", 11520, 5880, 375, 255, F0, {}},
    Control{"Label63", Label, "b(1)", 11040, 5280, 375, 255, F0, {}},
    Control{"Label64", Label, "c(1)", 11760, 5400, 375, 255, F0, {}},
    Control{"Label65", Label, "a(2)", 11040, 5040, 375, 255, F0, {}},
    Control{"Label66", Label, "b(2)", 11520, 4440, 375, 255, F0, {}},
    Control{"Label67", Label, "c(2)", 11760, 5040, 375, 255, F0, {}},
    Control{"Label68", Label, "a(n)", 12600, 6120, 375, 255, F0, {}},
    Control{"Label69", Label, "b(n)", 11880, 6120, 375, 255, F0, {}},
    Control{"Label70", Label, "c(n)", 12240, 5520, 375, 255, F0, {}},

    // Sketch 3, azimuth case.
    Control{"Label46", Label, "A", 11520, 9240, 375, 255, F6, {}},
    Control{"Label47", Label, "T0", 9840, 8280, 375, 255, F6, {}},
    Control{"Label48", Label, "Qa", 10920, 8640, 255, 255, F4, {}},
    Control{"Label86", Label, "1", 10800, 8040, 135, 255, F7, {}},
    Control{"Label87", Label, "2", 11520, 6840, 135, 255, F7, {}},
    Control{"Label88", Label, "3", 13080, 6840, 135, 255, F7, {}},
    Control{"Label89", Label, "4", 13800, 8040, 135, 255, F7, {}},
    Control{"Label90", Label, "5", 13080, 9240, 135, 255, F7, {}},
    Control{"Label91", Label, "6", 12480, 7920, 135, 255, F7, {}},
    Control{"Label96", Label, "[ Xa,Ya ]", 10680, 9240, 855, 255, F0, {}},
    Control{"Label71", Label, "a(1)", 11520, 8760, 375, 255, F0, {}},
    Control{"Label72", Label, "b(1)", 11160, 8280, 375, 255, F0, {}},
    Control{"Label73", Label, "c(1)", 11880, 8160, 375, 255, F0, {}},
    Control{"Label74", Label, "a(2)", 11160, 7920, 375, 255, F0, {}},
    Control{"Label75", Label, "b(2)", 11520, 7320, 375, 255, F0, {}},
    Control{"Label76", Label, "c(2)", 11760, 7800, 375, 255, F0, {}},
    Control{"Label77", Label, "a(n)", 12600, 9000, 375, 255, F0, {}},
    Control{"Label78", Label, "b(n)", 11760, 9000, 375, 255, F0, {}},
    Control{"Label79", Label, "c(n)", 12240, 8400, 375, 255, F0, {}},
};

using enum LineColour;

constexpr std::array kLines{
    // The box: frame and the rule between the triangle and the listed point.
    Line{"Line40", 3840, 6720, 9480, 6720, Brown, 3},
    Line{"Line39", 3840, 9360, 9480, 9360, Brown, 3},
    Line{"Line37", 3840, 6720, 3840, 9360, Brown, 3},
    Line{"Line38", 9480, 6720, 9480, 9360, Brown, 3},
    Line{"Line36", 3840, 8160, 9480, 8160, Brown, 3},

    // Sketch 1: A (11640, 3480), B (13080, 3480), 1 (10920, 2400),
    // 2 (11640, 1320), 3 (13080, 1320), 4 (13800, 2400), O (12360, 2400).
    Line{"Line1", 11640, 1320, 13080, 1320, Default, 2},   // 2-3
    Line{"Line2", 11640, 1320, 10920, 2400, Default, 2},   // 2-1
    Line{"Line3", 10920, 2400, 11640, 3480, Default, 2},   // 1-A
    Line{"Line4", 13080, 1320, 13800, 2400, Default, 2},   // 3-4
    Line{"Line5", 13800, 2400, 13080, 3480, Default, 2},   // 4-B
    Line{"Line6", 11640, 3480, 13080, 3480, Red, 3},       // A-B, known
    Line{"Line7", 11640, 1320, 13080, 3480, Default, 2},   // 2-B through O
    Line{"Line8", 12360, 2400, 11640, 3480, Default, 2},   // O-A
    Line{"Line9", 10920, 2400, 13800, 2400, Default, 2},   // 1-4 through O
    Line{"Line35", 13080, 1320, 12480, 2280, Default, 2},  // 3 towards O, stopping short

    // Sketch 2: A (11640, 6360), 1 (10920, 5280), 2 (11640, 4200),
    // 3 (13080, 4200), 4 (13800, 5280), 5 (13080, 6360), C (12360, 5280).
    Line{"Line10", 11640, 4200, 13080, 4200, Default, 2},  // 2-3
    Line{"Line11", 11640, 4200, 10920, 5280, Default, 2},  // 2-1
    Line{"Line12", 10920, 5280, 11640, 6360, Default, 2},  // 1-A
    Line{"Line13", 13080, 4200, 13800, 5280, Default, 2},  // 3-4
    Line{"Line14", 13800, 5280, 13080, 6360, Default, 2},  // 4-5
    Line{"Line15", 11640, 6360, 13080, 6360, Default, 2},
    Line{"Line16", 11640, 4200, 13080, 6360, Default, 2},  // 2-5 through C
    Line{"Line17", 12360, 5280, 13080, 4200, Default, 2},  // C-3
    Line{"Line18", 10920, 5280, 12360, 5280, Default, 2},  // 1-C
    Line{"Line19", 12360, 5280, 11640, 6360, Red, 3},      // C-A, known
    Line{"Line33", 12720, 5280, 13800, 5280, Default, 2},  // from short of C to 4

    // Sketch 3: A (11640, 9240), 1 (10920, 8160), 2 (11640, 7080),
    // 3 (13080, 7080), 4 (13800, 8160), 5 (13080, 9240), O (12360, 8160).
    Line{"Line20", 11640, 7080, 13080, 7080, Default, 2},  // 2-3
    Line{"Line21", 11640, 7080, 10920, 8160, Default, 2},  // 2-1
    Line{"Line22", 10920, 8160, 11640, 9240, Default, 2},  // 1-A
    Line{"Line23", 13080, 7080, 13800, 8160, Default, 2},  // 3-4
    Line{"Line24", 13800, 8160, 13080, 9240, Default, 2},  // 4-5
    Line{"Line25", 11640, 9240, 13080, 9240, Default, 2},
    Line{"Line26", 13080, 7080, 11640, 9240, Default, 2},  // 3-A through O
    Line{"Line27", 11640, 7080, 13080, 9240, Default, 2},  // 2-5 through O
    Line{"Line28", 12360, 8160, 13800, 8160, Default, 2},  // O-4
    Line{"Line34", 10920, 8160, 12360, 8160, Default, 2},  // 1-O
    Line{"Line29", 10080, 8520, 11640, 9240, Red, 3},      // the azimuth arrow, tip to A
    Line{"Line30", 10080, 8520, 10320, 8520, Red, 2},      // arrow head
    Line{"Line31", 10080, 8520, 10200, 8760, Red, 2},      // arrow head
    Line{"Line32", 11280, 8760, 11160, 9000, Green, 2},    // the orientation angle Qa at A
};

}  // namespace

std::span<const FontSpec> Fonts() { return kFonts; }

const FontSpec& Font(FontCode code) { return kFonts[static_cast<std::size_t>(code)]; }

std::span<const Control> Controls() { return kControls; }

std::span<const Line> Lines() { return kLines; }

const Control* FindControl(std::string_view name) {
  for (const Control& c : kControls) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

int NumberOf(std::string_view name) {
  const auto digits = name.find_first_of("0123456789");
  if (digits == std::string_view::npos) return 0;
  int n = 0;
  std::from_chars(name.data() + digits, name.data() + name.size(), n);
  return n;
}

}  // namespace quorvel::layout
