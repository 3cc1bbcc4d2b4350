// The report to hand over, as PDF or on paper: a first page stating the run
// (title, files, date and time, version, units, the wall drawing and the
// verdict with the table of checks), then the whole report in a fixed-pitch
// font sized so that its widest line fits the page, never wrapped or cut,
// each page headed with the title and "Page n of m" and every failing line
// marked in the margin. Qt Gui only: keldor-run writes it without a window.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "report_run.h"
#include "run_results.h"
#include "wall_drawing.h"

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

namespace gui {

enum class Paper { ByLocale, A4, Letter };

// The paper size: US Letter where the locale's country uses it (the United
// States, Canada, Mexico and others of the Americas, the Philippines), else A4.
QPageSize::PageSizeId PaperSize(Paper paper, const QLocale& locale = QLocale());

struct ReportDocument {
  fe::ReportRun run;  // the run and its report's bytes
  // The first page states the run; a file that is no run's report (the
  // input file, the side file) has none, its name heading each page.
  bool firstPage = true;
  std::optional<fe::RunResults> results;  // the verdict and the checks, when known
  std::optional<fe::WallDrawing> drawing;  // the wall of the run, when drawn
};

// The document laid out on one paged device's pages.
class ReportPages {
 public:
  // `device` is what is painted on (QPdfWriter, QPrinter, QImage), its whole
  // page at its own resolution.
  ReportPages(const ReportDocument& document, const QPaintDevice& device, QSizeF page);

  int pageCount() const { return (firstPage_ ? 1 : 0) + textPages_; }
  int linesPerPage() const { return linesPerPage_; }
  qreal pointSize() const { return pointSize_; }
  // The advance of one character of the report, in points.
  qreal pitch() const { return pitch_; }
  int reportLines() const { return int(lines_.size()); }
  // The first report line (0-based) of text page `page` (0-based, after the
  // first page).
  int firstLineOf(int textPage) const { return textPage * linesPerPage_; }

  // Paints page `page` (0-based) of pageCount().
  void paint(QPainter& painter, int page) const;

 private:
  void paintHeader(QPainter& p, int page) const;
  void paintFirstPage(QPainter& p) const;
  // The parts of the first page, top down: each after the first paints
  // from `y`, and each but the last returns where the next part begins.
  qreal paintRunFacts(QPainter& p) const;
  qreal paintVerdict(QPainter& p, const fe::RunResults& r, qreal y) const;
  qreal paintWall(QPainter& p, qreal y) const;
  void paintChecks(QPainter& p, const fe::RunResults& r, qreal y) const;
  void paintText(QPainter& p, int textPage) const;
  qreal pt(qreal points) const { return points * unit_; }

  const ReportDocument& doc_;
  QStringList lines_;
  QSizeF page_;       // device units
  qreal unit_ = 1;    // device units per point
  bool firstPage_ = true;
  qreal pointSize_ = 10;
  qreal lineHeight_ = 0;
  qreal pitch_ = 0;
  int linesPerPage_ = 1;
  int textPages_ = 1;
};

// Paints every page on `device` (a QPdfWriter or a QPrinter), which has
// begun no painting yet; false with `error` when it cannot be painted on.
bool PaintDocument(const ReportDocument& document, QPagedPaintDevice& device, QString* error);

// The document as PDF.
QByteArray ReportPdf(const ReportDocument& document, QPageSize::PageSizeId paper);

// Writes the PDF to `path` through a temporary file renamed over `path` once
// complete; false with `error` naming the file and the reason, the file at
// `path` then as it was. The report must still be the run's.
bool ExportReportPdf(const ReportDocument& document, const QString& path,
                     QPageSize::PageSizeId paper, QString* error);

// Page `page` as a picture at `dpi` (the pictures of the program's windows).
QImage PageImage(const ReportDocument& document, QPageSize::PageSizeId paper, int page, int dpi);

}  // namespace gui
