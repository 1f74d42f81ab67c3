#pragma once
// A label of Form1: static text on the window's ground, left aligned from the
// top, wrapped only at blanks. Several captions use runs of blanks to push
// their second half onto a second line of a 375-twip label; breaking inside a
// run of Chinese characters would undo that.
#include <QFontMetricsF>
#include <QLabel>
#include <QStringList>

namespace quorvel {

// The lines of `text` in a box `width` pixels wide: greedy, breaking only at
// runs of blanks, which are dropped at a break. Blanks that start the text
// stay on the first line. A single word wider than the box keeps a line of
// its own.
QStringList WrapCaption(const QString& text, const QFontMetricsF& metrics, qreal width);

class Caption final : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel
