#include "app/window/caption.h"

#include <QFontInfo>
#include <QPainter>
#include <algorithm>

namespace quorvel {

QStringList WrapCaption(const QString& text, const QFontMetricsF& metrics, qreal width) {
  QStringList lines;
  QString line;
  bool line_has_word = false;
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n) {
    const qsizetype blanks_from = i;
    while (i < n && text[i] == u' ') ++i;
    const QString blanks = text.mid(blanks_from, i - blanks_from);
    const qsizetype word_from = i;
    while (i < n && text[i] != u' ') ++i;
    const QString word = text.mid(word_from, i - word_from);
    if (word.isEmpty()) break;  // trailing blanks
    if (!line_has_word) {
      line += blanks + word;  // leading blanks of the caption, or a fresh line
      line_has_word = true;
      continue;
    }
    const QString longer = line + blanks + word;
    if (metrics.horizontalAdvance(longer) <= width) {
      line = longer;
    } else {
      lines << line;
      line = word;
    }
  }
  if (line_has_word) lines << line;
  return lines;
}

void Caption::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetricsF metrics(font());
  const QStringList lines = WrapCaption(text(), metrics, width());
  if (lines.isEmpty()) return;

  // The CJK faces have tall line boxes. Where the design's lines would not fit
  // the label at their natural spacing, share the label's height out among
  // them and centre each line's em box in its share.
  const qreal natural = metrics.lineSpacing();
  const qreal count = static_cast<qreal>(lines.size());
  const bool tight = natural * count > height();
  const qreal step = tight ? height() / count : natural;
  const qreal em = QFontInfo(font()).pixelSize();

  for (qsizetype k = 0; k < lines.size(); ++k) {
    const qreal top = step * static_cast<qreal>(k);
    const qreal baseline = tight ? top + step / 2 + 0.38 * em : top + metrics.ascent();
    const qreal advance = metrics.horizontalAdvance(lines[k]);
    painter.save();
    // A tag drawn in a wider face than the design's keeps its whole text
    // inside its box: condense it rather than cut it off.
    if (advance > width()) painter.scale(width() / advance, 1.0);
    painter.drawText(QPointF(0, baseline), lines[k]);
    painter.restore();
  }
}

}  // namespace quorvel
