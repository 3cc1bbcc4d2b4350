#include "fixed_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

namespace gui {

bool IsFixedPitch(const QFont& font) {
  if (!QFontInfo(font).fixedPitch()) return false;
  const QFontMetricsF m(font);
  const qreal advance = m.horizontalAdvance(QLatin1Char('M'));
  for (const char c : {'i', 'l', '.', ' ', '0', 'W', '=', '-'}) {
    if (m.horizontalAdvance(QLatin1Char(c)) != advance) return false;
  }
  return true;
}

QFont FixedPitchFont(qreal pointSize) {
  const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  const qreal size = pointSize > 0 ? pointSize : system.pointSizeF() > 0 ? system.pointSizeF() : 10;

  QFont monospace("monospace");
  monospace.setStyleHint(QFont::Monospace);
  monospace.setFixedPitch(true);
  QFont fallback(kFallbackFixedFamily);
  fallback.setStyleHint(QFont::Monospace);
  fallback.setFixedPitch(true);

  for (QFont candidate : {system, monospace, fallback}) {
    candidate.setPointSizeF(size);
    if (IsFixedPitch(candidate)) return candidate;
  }
  // Without DejaVu Sans Mono: the first family the font database lists as
  // fixed pitch and that measures as such.
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isFixedPitch(family)) continue;
    QFont candidate(family);
    candidate.setPointSizeF(size);
    if (IsFixedPitch(candidate)) return candidate;
  }
  fallback.setPointSizeF(size);
  return fallback;
}

}  // namespace gui
