#include "report_pdf.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "atomic_file.h"
#include "drawing_painter.h"
#include "fixed_font.h"
#include "report_lines.h"

namespace gui {

namespace {

// The page's margins, in points: the left one holds the failing lines' marks.
constexpr qreal kLeft = 54, kRight = 36, kTop = 36, kBottom = 36;
constexpr qreal kHeaderHeight = 24;  // the title and page line with its rule
constexpr qreal kLargestText = 10;   // the report's type never grows past this
constexpr qreal kSmallestText = 4;   // nor shrinks below this (a line of ~290 characters)

const QColor kMark(0xc0, 0x10, 0x20);
const QColor kMarkBand(0xfd, 0xe4, 0xe4);
const QColor kPassBand(0xe3, 0xf2, 0xe3);
const QColor kPassText(0x1b, 0x5e, 0x20);
const QColor kRule(0x80, 0x80, 0x80);

QString Q(const std::string& s) { return QString::fromStdString(s); }

QFont Sans(qreal points, bool bold = false) {
  QFont f("DejaVu Sans");
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  // No ligatures ("fi" as one glyph): the PDF's text reads as typed.
  f.setStyleStrategy(QFont::PreferNoShaping);
  return f;
}

QString RunTime(std::time_t t) {
  if (t == 0) return "unknown";
  return QDateTime::fromSecsSinceEpoch(qint64(t)).toString("yyyy-MM-dd HH:mm:ss");
}

QString Number(float v) {
  if (std::isnan(v)) return QString();
  return Q(fe::DrawingNumber(v));
}

}  // namespace

QPageSize::PageSizeId PaperSize(Paper paper, const QLocale& locale) {
  switch (paper) {
    case Paper::A4:
      return QPageSize::A4;
    case Paper::Letter:
      return QPageSize::Letter;
    case Paper::ByLocale:
      break;
  }
  switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Panama:
    case QLocale::PuertoRico:
    case QLocale::Venezuela:
    case QLocale::Philippines:
      return QPageSize::Letter;
    default:
      return QPageSize::A4;
  }
}

// ---- Laying out ----------------------------------------------------------------------

ReportPages::ReportPages(const ReportDocument& document, const QPaintDevice& device, QSizeF page)
    : doc_(document), page_(page), firstPage_(document.firstPage) {
  unit_ = device.logicalDpiY() / 72.0;
  for (const std::string& line : fe::SplitLines(document.run.report)) {
    QString l = Q(line);
    while (l.endsWith(' ')) l.chop(1);  // trailing blanks print as nothing
    lines_ << l;
  }
  // The type size at which the widest line fills the width, found from the
  // font's advance and then confirmed with the widest line itself.
  qsizetype widest = 80;
  QString widestLine(80, 'M');
  for (const QString& l : lines_)
    if (l.size() > widest) widest = l.size(), widestLine = l;
  const qreal width = page_.width() - pt(kLeft + kRight);
  const QFont probe = FixedPitchFont(100);
  const qreal advance = QFontMetricsF(probe, &device).horizontalAdvance(QLatin1Char('M')) / 100;
  qreal size = std::floor(10 * width / (qreal(widest) * advance)) / 10;
  size = std::clamp(size, kSmallestText, kLargestText);
  while (size > kSmallestText &&
         QFontMetricsF(FixedPitchFont(size), &device).horizontalAdvance(widestLine) > width)
    size -= 0.1;
  pointSize_ = size;
  lineHeight_ = QFontMetricsF(FixedPitchFont(size), &device).lineSpacing();
  pitch_ = QFontMetricsF(FixedPitchFont(size), &device).horizontalAdvance(QLatin1Char('M')) / unit_;
  const qreal height = page_.height() - pt(kTop + kHeaderHeight + kBottom);
  linesPerPage_ = std::max(1, int(std::floor(height / lineHeight_)));
  textPages_ = std::max<int>(1, int((lines_.size() + linesPerPage_ - 1) / linesPerPage_));
}

// ---- Painting ---------------------------------------------------------------------------

void ReportPages::paint(QPainter& p, int page) const {
  p.save();
  paintHeader(p, page);
  if (firstPage_ && page == 0) {
    paintFirstPage(p);
  } else {
    paintText(p, page - (firstPage_ ? 1 : 0));
  }
  p.restore();
}

void ReportPages::paintHeader(QPainter& p, int page) const {
  const QRectF band(pt(kLeft), pt(kTop), page_.width() - pt(kLeft + kRight), pt(14));
  QString title = Q(doc_.run.title);
  if (!doc_.firstPage || title.isEmpty()) title = QFileInfo(Q(doc_.run.reportPath)).fileName();
  p.setPen(Qt::black);
  p.setFont(Sans(8));
  const QString pageText = QString("Page %1 of %2").arg(page + 1).arg(pageCount());
  const qreal pageWidth = QFontMetricsF(p.font(), p.device()).horizontalAdvance(pageText);
  const QString shown = QFontMetricsF(p.font(), p.device())
                            .elidedText(title, Qt::ElideRight, band.width() - pageWidth - pt(12));
  p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, shown);
  p.drawText(band, Qt::AlignRight | Qt::AlignVCenter, pageText);
  p.setPen(QPen(kRule, pt(0.5)));
  p.drawLine(QPointF(band.left(), band.bottom() + pt(2)), QPointF(band.right(), band.bottom() + pt(2)));
}

void ReportPages::paintText(QPainter& p, int textPage) const {
  const QFont font = FixedPitchFont(pointSize_);
  const QFontMetricsF m(font, p.device());
  p.setFont(font);
  const qreal left = pt(kLeft), right = page_.width() - pt(kRight);
  qreal top = pt(kTop + kHeaderHeight);
  const int first = firstLineOf(textPage);
  const int last = std::min<int>(int(lines_.size()), first + linesPerPage_);
  for (int i = first; i < last; ++i, top += lineHeight_) {
    const QString& line = lines_[i];
    if (fe::NeedsAttention(fe::KindOfLine(line.toStdString()))) {
      // The mark: a band behind the line and a bar in the margin, drawn
      // only, so that the text of the page is the report's.
      p.fillRect(QRectF(left - pt(2), top, right - left + pt(2), lineHeight_), kMarkBand);
      p.fillRect(QRectF(left - pt(16), top + lineHeight_ * 0.1, pt(8), lineHeight_ * 0.8), kMark);
    }
    p.setPen(Qt::black);
    p.drawText(QPointF(left, top + m.ascent()), line);
  }
}

void ReportPages::paintFirstPage(QPainter& p) const {
  qreal y = paintRunFacts(p);
  const fe::RunResults* r = doc_.results ? &*doc_.results : nullptr;
  const bool known = r != nullptr && r->available();
  if (known) y = paintVerdict(p, *r, y);
  y = paintWall(p, y);
  if (!known) {
    const qreal left = pt(kLeft), right = page_.width() - pt(kRight), width = right - left;
    p.setPen(Qt::black);
    p.setFont(Sans(9));
    p.drawText(QRectF(left, y, width, pt(14)), Qt::AlignLeft | Qt::AlignVCenter,
               "The verdict and the checks are in the report that follows.");
    return;
  }
  paintChecks(p, *r, y);
}

qreal ReportPages::paintRunFacts(QPainter& p) const {
  const fe::ReportRun& run = doc_.run;
  const qreal left = pt(kLeft), right = page_.width() - pt(kRight), width = right - left;
  qreal y = pt(kTop + kHeaderHeight + 8);

  p.setPen(Qt::black);
  p.setFont(Sans(18, true));
  p.drawText(QRectF(left, y, width, pt(24)), Qt::AlignLeft | Qt::AlignVCenter,
             "Retaining wall calculation");
  y += pt(28);
  if (!run.title.empty()) {
    p.setFont(Sans(12));
    p.drawText(QRectF(left, y, width, pt(18)), Qt::AlignLeft | Qt::AlignVCenter, Q(run.title));
    y += pt(24);
  }

  // What was run, when and how.
  const QString analysis = Q(fe::ModeInWords(run.mode) + ", " + fe::DesignInWords(run.design) +
                             ", " + fe::SoilInWords(run.soil) + " backfill, " +
                             fe::FoundationInWords(run.foundation));
  const std::pair<QString, QString> facts[] = {
      {"Input file", Q(run.inputPath)},
      {"Report file", Q(run.reportPath)},
      {"Run", RunTime(run.finished)},
      {"Program", "Keldor version " + Q(run.version)},
      {"Units", Q(fe::UnitsInWords(run.units))},
      {"Analysis", analysis}};
  const QFont label = Sans(9, true), value = Sans(9);
  const qreal factHeight = QFontMetricsF(value, p.device()).lineSpacing() * 1.3;
  for (const auto& [name, text] : facts) {
    p.setFont(label);
    p.drawText(QRectF(left, y, pt(80), factHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
    p.setFont(value);
    const QString shown = QFontMetricsF(value, p.device()).elidedText(text, Qt::ElideMiddle, width - pt(84));
    p.drawText(QRectF(left + pt(84), y, width - pt(84), factHeight), Qt::AlignLeft | Qt::AlignVCenter,
               shown);
    y += factHeight;
  }
  return y + pt(10);
}

// The verdict.
qreal ReportPages::paintVerdict(QPainter& p, const fe::RunResults& r, qreal y) const {
  const qreal left = pt(kLeft), right = page_.width() - pt(kRight), width = right - left;
  const bool good = r.failures() == 0 && r.status != KELDOR_STOPPED && (!r.design() || r.converged);
  const QRectF banner(left, y, width, pt(36));
  p.fillRect(banner, good ? kPassBand : kMarkBand);
  p.fillRect(QRectF(left, y, pt(6), banner.height()), good ? kPassText : kMark);
  p.setPen(good ? kPassText : kMark);
  p.setFont(Sans(10, true));
  p.drawText(banner.adjusted(pt(14), pt(2), -pt(6), -pt(2)),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, Q(fe::SummaryLine(r)));
  return y + (banner.height() + pt(10));  // as the page below it was always placed
}

// The wall.
qreal ReportPages::paintWall(QPainter& p, qreal y) const {
  const qreal left = pt(kLeft), right = page_.width() - pt(kRight), width = right - left;
  const qreal bottom = page_.height() - pt(kBottom);
  if (doc_.drawing) {
    const qreal h = std::min(pt(250), (bottom - y) * 0.5);
    const QRectF area(left, y, width, h);
    p.setPen(QPen(kRule, pt(0.5)));
    p.drawRect(area);
    p.save();
    p.setClipRect(area);
    PaintDrawing(p, *doc_.drawing, area.adjusted(pt(6), pt(6), -pt(6), -pt(6)), pt(7));
    p.restore();
    y += h + pt(10);
  }
  return y;
}

// The messages, then the table of checks, as many rows as the page holds.
void ReportPages::paintChecks(QPainter& p, const fe::RunResults& r, qreal y) const {
  const qreal left = pt(kLeft), right = page_.width() - pt(kRight), width = right - left;
  const qreal bottom = page_.height() - pt(kBottom);
  const QFont cell = Sans(7.5), head = Sans(7.5, true);
  const QFontMetricsF cm(cell, p.device());
  const qreal line = cm.lineSpacing() * 1.25;
  for (const fe::MessageResult& msg : r.messages) {
    if (y + line > bottom) break;
    p.fillRect(QRectF(left - pt(16), y + line * 0.1, pt(8), line * 0.8), kMark);
    p.setPen(kMark);
    p.setFont(head);
    p.drawText(QRectF(left, y, width, line), Qt::AlignLeft | Qt::AlignVCenter,
               QString("Line %1: %2").arg(msg.line).arg(Q(msg.text)));
    y += line;
  }
  if (!r.messages.empty()) y += pt(6);

  const struct {
    const char* title;
    qreal share;
    Qt::Alignment align;
  } columns[] = {{"Line", 0.06, Qt::AlignRight}, {"Where", 0.13, Qt::AlignLeft},
                 {"Check", 0.17, Qt::AlignLeft}, {"Combination", 0.13, Qt::AlignLeft},
                 {"Demand", 0.16, Qt::AlignRight}, {"Limit", 0.16, Qt::AlignRight},
                 {"Ratio", 0.10, Qt::AlignRight}, {"Verdict", 0.09, Qt::AlignRight}};
  const auto row = [&](const QStringList& texts, const QFont& f, const QColor& colour) {
    qreal x = left;
    p.setFont(f);
    p.setPen(colour);
    for (int c = 0; c < int(std::size(columns)); ++c) {
      const qreal w = width * columns[c].share;
      p.drawText(QRectF(x + pt(2), y, w - pt(4), line), columns[c].align | Qt::AlignVCenter,
                 cm.elidedText(texts.value(c), Qt::ElideRight, w - pt(4)));
      x += w;
    }
    y += line;
  };
  if (r.checks.empty() || y + 2 * line > bottom) return;
  row({"Line", "Where", "Check", "Combination", "Demand", "Limit", "Ratio", "Verdict"}, head, Qt::black);
  p.setPen(QPen(kRule, pt(0.5)));
  p.drawLine(QPointF(left, y), QPointF(right, y));
  std::size_t shown = 0;
  for (const fe::CheckResult& c : r.checks) {
    if (y + 2 * line > bottom && shown + 1 < r.checks.size()) break;
    if (!c.passes) {
      p.fillRect(QRectF(left, y, width, line), kMarkBand);
      p.fillRect(QRectF(left - pt(16), y + line * 0.1, pt(8), line * 0.8), kMark);
    }
    QString unit = Q(fe::UnitName(r.units, fe::CheckQuantity(c.kind)));
    if (unit == "1") unit.clear();  // a safety factor or a ratio
    const QString combination =
        c.combination == 0 ? QString("all") : QString::number(c.combination) +
                                                  (c.loadSet != 0 ? QString(" ") + fe::LoadSetName(c.loadSet) : QString());
    row({QString::number(c.line), fe::PlaceName(c.place), fe::CheckName(c.kind), combination,
         Number(c.demand) + (unit.isEmpty() || std::isnan(c.demand) ? "" : " " + unit),
         Number(c.limit) + (unit.isEmpty() ? "" : " " + unit), Number(c.ratio),
         c.passes ? "OKAY" : "NG"},
        c.passes ? cell : head, c.passes ? Qt::black : kMark);
    ++shown;
  }
  if (shown < r.checks.size()) {
    p.setPen(Qt::black);
    p.setFont(cell);
    p.drawText(
        QRectF(left, y, width, line), Qt::AlignLeft | Qt::AlignVCenter,
        QString("... and %1 more checks in the report that follows.").arg(r.checks.size() - shown));
  }
}

// ---- Writing ------------------------------------------------------------------------------

bool PaintDocument(const ReportDocument& document, QPagedPaintDevice& device, QString* error) {
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
  const ReportPages pages(document, device, QSizeF(device.width(), device.height()));
  QPainter p;
  if (!p.begin(&device)) {
    *error = "the page cannot be painted on";
    return false;
  }
  for (int i = 0; i < pages.pageCount(); ++i) {
    if (i > 0) device.newPage();
    pages.paint(p, i);
  }
  return p.end();
}

QByteArray ReportPdf(const ReportDocument& document, QPageSize::PageSizeId paper) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(paper));
    writer.setResolution(600);
    writer.setTitle(document.run.title.empty() ? QFileInfo(Q(document.run.reportPath)).fileName()
                                               : Q(document.run.title));
    writer.setCreator("Keldor " + Q(document.run.version));
    QString error;
    if (!PaintDocument(document, writer, &error)) return {};
  }
  return pdf;
}

bool ExportReportPdf(const ReportDocument& document, const QString& path,
                     QPageSize::PageSizeId paper, QString* error) {
  std::string why;
  if (document.firstPage && !fe::ReportUnchanged(document.run, &why)) {
    *error = Q(why);
    return false;
  }
  const QByteArray pdf = ReportPdf(document, paper);
  if (pdf.isEmpty()) {
    *error = "Cannot write file " + path + ": the PDF could not be made";
    return false;
  }
  if (!fe::WriteFileAtomically(path.toStdString(), std::string_view(pdf.constData(), std::size_t(pdf.size())),
                               &why)) {
    *error = "Cannot write file " + path + ": " + Q(why);
    return false;
  }
  return true;
}

QImage PageImage(const ReportDocument& document, QPageSize::PageSizeId paper, int page, int dpi) {
  const QSize size = QPageSize(paper).sizePixels(dpi);
  QImage image(size, QImage::Format_RGB32);
  const int dotsPerMetre = int(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  const ReportPages pages(document, image, QSizeF(size));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  pages.paint(p, std::clamp(page, 0, pages.pageCount() - 1));
  return image;
}

}  // namespace gui
