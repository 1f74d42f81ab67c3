#pragma once
// Every dialog text of the entry, exactly as the surveyor sees it: the small
// differences between like texts are kept as they stand.
#include "entry/entry.h"

namespace quorvel::texts {

inline constexpr EntryTexts Xa{
    "请输入起始点 A 的纵座标 Xa :",
    "输入的起始点 A 的纵座标 Xa 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 A 正确的纵座标 Xa :",
    "这次输入的起始点 A 的纵座标 Xa 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 );  输入错按零( 即为:0 )",
};
inline constexpr EntryTexts Ya{
    "请输入起始点 A 的横座标 Ya :",
    "输入的起始点 A 的横座标 Ya 是否正确?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 A 正确的纵座标 Ya :",
    "这次输入的起始点 A 的横座标 Ya 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 );  输入错按零( 即为:0 )",
};
inline constexpr EntryTexts Xb{
    "请输入起始点 B 的纵座标 Xb :  如果 B 点不是起始点，请输入零( 即为:0 ) ",
    "输入的起始点 B 的纵座标 Xb 是否正确?  输入正确按输入键(或OK键 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 B 正确的纵座标 Xb :",
    "这次输入的起始点 B 的纵座标 Xb 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 );  输入错按零( 即为:0 )",
};
inline constexpr EntryTexts Yb{
    "请输入起始点 B 的横座标 Yb :  如果 B 点不是起始点，请输入零( 即为:0 ) ",
    "输入的起始点 B 的横座标 Yb 是否正确?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 B 正确的纵座标 Yb : ",
    "这次输入的起始点 B 的横座标 Yb 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 );  输入错按零( 即为:0 )",
};
inline constexpr EntryTexts Xc{
    "请输入起始点 C 的纵座标 Xc :  如果 C 点不是起始点，请输入零( 即为:0 ) ",
    "输入的起始点 C 的纵座标 Xc 是否正确?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 C 正确的纵座标 Xc : ",
    "这次输入的起始点 C 的纵座标 Xc 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 );  输入错按零( 即为:0 )",
};
inline constexpr EntryTexts Yc{
    "请输入起始点 C 的横座标 Yc : 如果 C 点不是起始点，请输入0 ",
    "输入的起始点 C 的横座标 Yc 是否正确?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 C 正确的纵座标 Yc : ",
    "这次输入的起始点 C 的横座标 Yc 是否正确?  输入正确按输入键或OK键( 即为:Enter键或OK键 );  输入错按零( 即为:0 )",
};
inline constexpr EntryTexts Ta{
    "请输入起始点 A 的外定向的方位角 Ta :",
    "输入的起始点 A 的外定向的方位角 Ta 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 A 正确的的外定向方位角 Ta :",
    "这次输入的起始点 A 的外定向的方位角 Ta 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
};
inline constexpr EntryTexts Qa{
    "请输入起始点 A 的定向角 Qa : ",
    "输入的起始点 A 的定向 qa 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入起始点 A 正确的定向角 Ta :",
    "这次输入的起始点 A 的定向角 qa 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
};
inline constexpr EntryTexts S1{
    "请输入起算边的长度 S1:",
    "输入的起算边的长度 S1 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输正确的起算边 S1 的长度:",
    "这次输入的起算边 S1 的长度是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
};
inline constexpr EntryTexts AngleA{
    "请输入求距角 A :",
    "输入的求距角 A 是否正确?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入正确的求距角 A :",
    "这次输入的求距角 A 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
};
inline constexpr EntryTexts AngleB{
    "请输入前进角 B :",
    "输入的前进角 B 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入正确的求距角 B : ",
    "这次输入的前进角 B 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
};
inline constexpr EntryTexts AngleC{
    "请输入间隔角 C :",
    "输入的间隔角 C 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
    "输入正确的间隔角 C :",
    "这次输入的间隔角 C 是否正确  ?  输入正确按输入键或OK键( 即为:键或OK键 ); 输入错按零( 即为:0 )",
};
inline constexpr std::string_view NPrompt = "请输入三角形的个数 N ";
inline constexpr std::string_view NamePrompt =
    "如果B点和C点等于零,请按待定点的顺序输入至第 N-1 点待定点的点名(不包括A点)，以后输入中心待定点的点名，最后输入至起始点 A 的点名. 如果 B 不等于零,请由B点开始按顺序输入待定点的点名(不包括B点), 最后输入起始点A的点名.如果C点不等于零,请由A点按顺序输入待定点的点名(不包括A点),最后输入起始点C点的点名";
inline constexpr std::string_view PacingPrompt =
    "需要显示待定点的座标，第一次请输入一个不等于零的任意数，以后只须点击确定键，或者点击键输入键";

// How each value is named in a fault report.
inline constexpr std::string_view XaName = "起始点 A 的纵座标 Xa";
inline constexpr std::string_view YaName = "起始点 A 的横座标 Ya";
inline constexpr std::string_view XbName = "起始点 B 的纵座标 Xb";
inline constexpr std::string_view YbName = "起始点 B 的横座标 Yb";
inline constexpr std::string_view XcName = "中心点 C 的纵座标 Xc";
inline constexpr std::string_view YcName = "中心点 C 的横座标 Yc";
inline constexpr std::string_view TaName = "外方位角 Ta";
inline constexpr std::string_view QaName = "定向角 Qa";
inline constexpr std::string_view S1Name = "起算边长 S1";

}  // namespace quorvel::texts
