#include "report_highlighter.h"

namespace gui {

ReportHighlighter::ReportHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

QTextCharFormat ReportHighlighter::format(fe::ReportLineKind kind) {
  QTextCharFormat f;
  switch (kind) {
    case fe::ReportLineKind::Failing:
      f.setForeground(kFailingText);
      f.setBackground(kFailingBackground);
      f.setFontWeight(QFont::Bold);
      break;
    case fe::ReportLineKind::Message:
      f.setForeground(kFailingText);
      f.setFontWeight(QFont::Bold);
      break;
    case fe::ReportLineKind::Passing:
      f.setForeground(kPassingText);
      break;
    case fe::ReportLineKind::Plain:
      break;
  }
  return f;
}

void ReportHighlighter::highlightBlock(const QString& text) {
  const fe::ReportLineKind kind = fe::KindOfLine(text.toStdString());
  if (kind != fe::ReportLineKind::Plain) setFormat(0, int(text.size()), format(kind));
}

}  // namespace gui
