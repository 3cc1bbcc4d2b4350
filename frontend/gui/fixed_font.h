// The fixed-pitch font of every view that shows the report's columns: the
// viewer, the printed page and the PDF.
#pragma once

#include <QFont>

namespace gui {

// The monospace font Debian installs with the program (fonts-dejavu-core),
// used when the machine's own monospace font turns out not to be one.
inline constexpr const char* kFallbackFixedFamily = "DejaVu Sans Mono";

// A font whose every character has the same advance: the system's fixed
// font, else the family that "monospace" resolves to, else DejaVu Sans Mono.
// On a machine with more fonts installed the first two can resolve to a
// proportional face; each candidate is therefore measured, not trusted.
// `pointSize` <= 0 keeps the size of the system's fixed font.
QFont FixedPitchFont(qreal pointSize = 0);

// Whether `font` as the machine resolves it is fixed pitch: QFontInfo says
// so and narrow, wide and blank characters advance alike.
bool IsFixedPitch(const QFont& font);

}  // namespace gui
