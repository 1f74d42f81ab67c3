#pragma once
// Reply lists for whole computations, as a surveyor would type them. The
// angles are those of a five-triangle polygon whose misclosures are 2, 1, 6,
// 0 and 1 seconds.
#include <QStringList>

namespace quorvel::testing {

// The angles of triangles 1..5, each A, B, C confirmed with Enter.
inline QStringList FiveTriangles() {
  const char* a[] = {"57.4146", "46.3339", "66.5142", "47.3440", "52.3707"};
  const char* b[] = {"47.1815", "58.2619", "48.0825", "57.2516", "57.2256"};
  const char* c[] = {"75.0001", "75.0003", "64.5959", "75.0004", "69.5958"};
  QStringList replies;
  for (int i = 0; i < 5; ++i) replies << a[i] << "" << b[i] << "" << c[i] << "";
  return replies;
}

// Outer side case: A and B known, C given as 0. Xa is first typed wrong,
// refused with 0 and typed again.
inline QStringList OuterSideReplies() {
  QStringList r;
  r << "5";
  r << "1000" << "0" << "1100" << "";
  r << "2000" << "1";
  r << "1050" << "" << "2086.6025403784" << "";
  r << "0" << "" << "0" << "";
  r << "P2" << "P3" << "P4" << "O" << "A";
  r << FiveTriangles();
  r << "1" << "" << "" << "" << "";
  return r;
}

// Azimuth case: only A known; Ta, Qa and S1 asked. Qa is refused once.
inline QStringList AzimuthReplies() {
  QStringList r;
  r << "5";
  r << "500" << "" << "600" << "";
  r << "0" << "" << "0" << "" << "0" << "" << "0" << "";
  r << "123.453" << "";
  r << "61" << "0" << "60" << "";
  r << "250.5" << "";
  r << "Q1" << "Q2" << "Q3" << "Q4" << "O" << "A";
  r << FiveTriangles();
  r << "1" << "" << "" << "" << "" << "";
  return r;
}

// B half given (Yb 0) and C zero: no starting case and no coordinate
// routine; the computation ends once the angle precision is shown.
inline QStringList NoStartingCaseReplies() {
  QStringList r;
  r << "5";
  r << "1100" << "" << "2000" << "";
  r << "1050" << "" << "0" << "";
  r << "0" << "" << "0" << "";
  r << "P2" << "P3" << "P4" << "O" << "A";
  r << FiveTriangles();
  return r;
}

}  // namespace quorvel::testing
