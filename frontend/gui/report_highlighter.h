// The colours of the report's verdicts in the viewer: failing checks and the
// messages that stop or spoil a computation in red, passing checks in a quiet
// green. Only the display changes; the text stays as the engine wrote it.
#pragma once

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include "report_lines.h"

namespace gui {

// The colours, shared with the printed report.
inline const QColor kFailingText(0xb0, 0x00, 0x20);
inline const QColor kFailingBackground(0xfd, 0xe4, 0xe4);
inline const QColor kPassingText(0x2e, 0x6b, 0x30);

class ReportHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit ReportHighlighter(QTextDocument* document);

  // The character format a line of this kind is shown in.
  static QTextCharFormat format(fe::ReportLineKind kind);

 protected:
  void highlightBlock(const QString& text) override;
};

}  // namespace gui
