// The report as PDF, read back with the poppler tools: every line of every
// golden report whole and in order, the page count, the first page's facts
// and verdict, the paper by locale, and failed exports that leave nothing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "report_lines.h"
#include "report_pdf.h"
#include "test_support.h"

namespace {

const QString kGolden = KELDOR_SOURCE_DIR "/tests/golden/";

QString Tool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) {
    qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
    return QString();
  }
  return QString::fromUtf8(p.readAllStandardOutput());
}

int Pages(const QString& pdf) {
  const QRegularExpressionMatch m =
      QRegularExpression("Pages:\\s+(\\d+)").match(Tool("pdfinfo", {pdf}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

gui::ReportDocument Golden(const QString& name) {
  gui::ReportDocument d;
  d.run.reportPath = (kGolden + name).toStdString();
  d.run.inputPath = (kGolden + QString(name).replace(".out", ".in")).toStdString();
  d.run.report = keldor_test::ReadFile(d.run.reportPath);
  d.run.title = "Golden " + name.toStdString();
  d.run.version = "1.42";
  d.run.units = 1, d.run.mode = 2, d.run.design = 1, d.run.soil = 1, d.run.foundation = 1;
  d.run.finished = 1800000000;
  return d;
}

}  // namespace

class ReportPdfTest : public QObject {
  Q_OBJECT

 private slots:
  // pdftotext, told the report's character pitch, gives each text page
  // back line for line: every non-blank report line appears whole (never
  // wrapped or cut), in order, at one indent.
  void everyGoldenReportWholeAndInOrder() {
    keldor_test::TempFolder dir;
    int reports = 0;
    for (const QString& name : QDir(kGolden).entryList({"*.out"}, QDir::Files, QDir::Name)) {
      ++reports;
      const gui::ReportDocument d = Golden(name);
      const QString pdf = QString::fromStdString(dir / "r.pdf");
      QString error;
      QVERIFY2(gui::ExportReportPdf(d, pdf, QPageSize::A4, &error), qPrintable(error));

      QPdfWriter probe(QString::fromStdString(dir / "probe.pdf"));
      probe.setPageSize(QPageSize(QPageSize::A4));
      probe.setResolution(600);
      probe.setPageMargins(QMarginsF(0, 0, 0, 0));
      const gui::ReportPages layout(d, probe, QSizeF(probe.width(), probe.height()));
      const int lines = layout.reportLines();
      QCOMPARE(layout.pageCount(), 1 + (lines + layout.linesPerPage() - 1) / layout.linesPerPage());
      QCOMPARE(Pages(pdf), layout.pageCount());
      QVERIFY(layout.pointSize() <= 10 && layout.pointSize() >= 6);

      const QStringList got =
          Tool("pdftotext", {"-layout", "-fixed", QString::number(layout.pitch(), 'f', 4), "-f", "2", pdf, "-"})
              .split('\n');
      int at = 0;
      qsizetype indent = -1;
      for (const std::string& line : fe::SplitLines(d.run.report)) {
        QString want = QString::fromStdString(line);
        while (want.endsWith(' ')) want.chop(1);
        if (want.trimmed().isEmpty()) continue;
        bool found = false;
        for (; at < got.size() && !found; ++at) {
          QString row = got[at];
          while (row.endsWith(' ')) row.chop(1);
          const qsizetype where = row.indexOf(want.trimmed());
          if (where < 0 || row.size() - where != want.trimmed().size()) continue;
          const qsizetype shift = where - (want.size() - want.trimmed().size());
          if (indent < 0) indent = shift;
          found = shift == indent && row.mid(indent) == want;
        }
        QVERIFY2(found, qPrintable(name + ": line not found whole: " + want));
      }
    }
    QVERIFY(reports >= 20);
  }

  // Page 1 states the run: title, files, run time, version, units, and the
  // verdict with the failing check; it renders to a picture that is not blank.
  void firstPageStatesTheRunAndItsVerdict() {
    keldor_test::TempFolder dir;
    gui::ReportDocument d = Golden("review-pile-english.out");
    fe::RunResults r;
    r.status = KELDOR_COMPLETE;
    r.units = 1, r.mode = KELDOR_REVIEW;
    fe::CheckResult ok, ng;
    ok.line = 300, ok.kind = KELDOR_CHECK_SHEAR, ok.demand = 10, ok.limit = 20, ok.ratio = 0.5f, ok.passes = true;
    ng = ok;
    ng.line = 304, ng.demand = 4385, ng.limit = 3487, ng.ratio = 1.258f, ng.passes = false;
    r.checks = {ok, ng};
    d.results = r;
    const QString pdf = QString::fromStdString(dir / "r.pdf");
    QString error;
    QVERIFY2(gui::ExportReportPdf(d, pdf, QPageSize::Letter, &error), qPrintable(error));
    const QString page1 = Tool("pdftotext", {"-layout", "-f", "1", "-l", "1", pdf, "-"});
    for (const QString& fact : {QString("Golden review-pile-english.out"), QString("Retaining wall calculation"),
                                QString("Input file"), kGolden + "review-pile-english.in",
                                QString("Keldor version 1.42"), QString("English (inches, pounds, degrees)"),
                                QString::fromStdString(fe::SummaryLine(r)), QString("Page 1 of")})
      QVERIFY2(page1.contains(fact), qPrintable(fact + " missing from\n" + page1));
    QVERIFY(page1.contains(QRegularExpression("304 .* NG")));
    QVERIFY(Tool("pdfinfo", {pdf}).contains("612 x 792"));

    Tool("pdftoppm", {"-png", "-r", "40", "-f", "1", "-l", "1", pdf, QString::fromStdString(dir / "page")});
    QImage image(QString::fromStdString(dir / "page-1.png"));
    QVERIFY(!image.isNull());
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 200;
    QVERIFY(inked > image.width() * image.height() / 100);
  }

  void paperByLocale() {
    const struct {
      QLocale locale;
      QPageSize::PageSizeId paper;
    } cases[] = {{QLocale(QLocale::English, QLocale::UnitedStates), QPageSize::Letter},
                 {QLocale(QLocale::French, QLocale::Canada), QPageSize::Letter},
                 {QLocale(QLocale::English, QLocale::UnitedKingdom), QPageSize::A4},
                 {QLocale(QLocale::German, QLocale::Germany), QPageSize::A4},
                 {QLocale::c(), QPageSize::A4}};
    for (const auto& c : cases) QCOMPARE(gui::PaperSize(gui::Paper::ByLocale, c.locale), c.paper);
    QCOMPARE(gui::PaperSize(gui::Paper::A4, QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::A4);
    QCOMPARE(gui::PaperSize(gui::Paper::Letter, QLocale::c()), QPageSize::Letter);
  }

  // A report wider than any golden one still fits: the type gets smaller.
  void aWideLineFitsTheWidth() {
    gui::ReportDocument d = Golden("review-pile-english.out");
    d.run.report += std::string(132, 'W') + "\r\n";
    QImage page(QPageSize(QPageSize::A4).sizePixels(300), QImage::Format_RGB32);
    page.setDotsPerMeterX(11811), page.setDotsPerMeterY(11811);
    const gui::ReportPages layout(d, page, QSizeF(page.size()));
    QVERIFY(layout.pitch() * 132 <= 595 - 54 - 36);
    QVERIFY(layout.pointSize() < 8);
  }

  // A PDF that cannot be written, or whose report is no longer the run's,
  // says why and leaves the file at the path as it was (or no file).
  void failedExportsLeaveNothing() {
    keldor_test::TempFolder dir;
    const std::string copy = dir / "wall.out";
    keldor_test::WriteFile(copy, keldor_test::ReadFile((kGolden + "review-pile-english.out").toStdString()));
    gui::ReportDocument d = Golden("review-pile-english.out");
    d.run.reportPath = copy;
    QString error;

    const QString nowhere = QString::fromStdString(dir / "missing/wall.pdf");
    QVERIFY(!gui::ExportReportPdf(d, nowhere, QPageSize::A4, &error));
    QVERIFY2(error.startsWith("Cannot write file " + nowhere + ": "), qPrintable(error));
    QVERIFY(!QFile::exists(nowhere));

    const std::string pdf = dir / "wall.pdf";
    keldor_test::WriteFile(pdf, "earlier");
    keldor_test::WriteFile(copy, "another run\r\n");
    QVERIFY(!gui::ExportReportPdf(d, QString::fromStdString(pdf), QPageSize::A4, &error));
    QCOMPARE(error, QString::fromStdString("The report " + copy +
                                           " has changed since the last run. Run the analysis again."));
    QFile::remove(QString::fromStdString(copy));
    QVERIFY(!gui::ExportReportPdf(d, QString::fromStdString(pdf), QPageSize::A4, &error));
    QVERIFY2(error.startsWith(QString::fromStdString("The report " + copy + " of the last run is missing")),
             qPrintable(error));
    QCOMPARE(keldor_test::ReadFile(pdf), std::string("earlier"));
    QCOMPARE(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files), QStringList({"wall.pdf"}));
  }
};

QTEST_MAIN(ReportPdfTest)
#include "report_pdf_test.moc"
