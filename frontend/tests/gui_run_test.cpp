// Run > Keldor against the real engine, in a temporary folder: the order of
// the checks, the messages and status texts, the window during the run, the
// report on disk (compared whole with the golden report) and the runs
// refused before the engine is called.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <csignal>
#include <memory>

#include <QDockWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTableWidget>

#include "record_fields.h"
#include "recording_ui.h"
#include "results_pane.h"
#include "run_engine.h"
#include "test_support.h"
#include "report_commands.h"
#include "text_viewer.h"
#include "title_window.h"

namespace {

const std::string kGolden = KELDOR_SOURCE_DIR "/tests/golden/";

QString Padded(const QString& name) { return name.leftJustified(80, ' '); }

}  // namespace

class RunTest : public QObject {
  Q_OBJECT

 private:
  // A temporary folder, made the current one (the engine's side file goes
  // there), and the window.
  struct Run {
    keldor_test::TempFolder dir;
    keldor_test::InFolder in{dir.path()};
    Screen screen;
  };
  std::unique_ptr<Run> run_;
  Screen* s_ = nullptr;
  const keldor_test::TempFolder* dir_ = nullptr;

  std::string path(const QString& name) const { return *dir_ / name.toStdString(); }
  std::string read(const QString& name) const { return keldor_test::ReadFile(path(name)); }

  // Loads a golden input, copied into the folder, through File > Load Input,
  // and chooses the report through File > Save > Output As.
  void chooseFiles(const QString& input, const QString& report) {
    if (!input.isEmpty()) keldor_test::WriteFile(path(input), keldor_test::ReadFile(kGolden + input.toStdString()));
    for (const auto& [name, action] : {std::pair(input, "mnuLoadInput"), std::pair(report, "mnuOutput")})
      if (!name.isEmpty()) {
        s_->ui.files << QString::fromStdString(path(name));
        s_->trigger(action);
      }
    s_->ui.events.clear();
  }

 private slots:
  void init() {
    run_ = std::make_unique<Run>();
    s_ = &run_->screen, dir_ = &run_->dir;
  }
  void cleanup() { run_.reset(); }

  // Runs that stop before the engine: each message after its beep, the
  // status panel, no report written and the input left as it was. "@" in a
  // message stands for the run's folder. (Every check of the files before a
  // run is keldor-run's to test; they share it.)
  void refusedRuns_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("library");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("panel");
    const QString in = "design-spread-english.in";
    QTest::newRow("right after start-up") << "" << "" << "" << QStringList{"Please specify input file"}
                                          << "No output file specified";
    QTest::newRow("no output file") << in << "" << "" << QStringList{"Please specify output file"}
                                    << "No output file specified";
    // The start-up record with an input file named; the panel names the
    // output file again once the checks have spoken.
    QTest::newRow("invalid record")
        << "" << "wall" << ""
        << QStringList{"No load combinations were specified", "Design height must be greater than zero"}
        << "Output file = " + Padded("wall.out");
    // Without the library the program goes on, so that no input is lost.
    QTest::newRow("missing library")
        << in << "wall.out" << "lib/libkeldor.so"
        << QStringList{"Cannot load the analysis library libkeldor.so: @/lib/libkeldor.so: "
                       "cannot open shared object file: No such file or directory"}
        << "Output file = " + Padded("wall.out");
  }
  void refusedRuns() {
    QFETCH(QString, input);
    QFETCH(QString, report);
    QFETCH(QString, library);
    QFETCH(QStringList, messages);
    QFETCH(QString, panel);
    chooseFiles(input, report);
    if (!library.isEmpty()) s_->w.setEngineLibraryPath(path(library));
    if (input.isEmpty() && !report.isEmpty()) s_->r.INPATH = path("wall.in");
    const std::string inputText = read(input);
    fe::InputRecord before = s_->r;
    s_->trigger("mnuRunKeldor");
    QStringList expected;
    for (const QString& m : messages)
      expected << "beep" << "ok: " + QString(m).replace("@", QString::fromStdString(dir_->path()));
    QCOMPARE(s_->ui.events, expected);
    QCOMPARE(s_->w.panelText(2), panel);
    QVERIFY(s_->w.isEnabled());
    before.InputValid = s_->r.InputValid;
    QVERIFY2(s_->r == before, fe::Describe(s_->r).c_str());
    QCOMPARE(read(input), inputText);
    QVERIFY(report.isEmpty() || report == input || !keldor_test::Exists(path(report)));
    QVERIFY(!keldor_test::Exists(path("KELDOR.DAT")));
  }

  void successfulRunWritesTheReportWithTheWindowDisabledMeanwhile() {
    chooseFiles("design-spread-english.in", "design-spread-english.out");
    bool enabledDuringRun = true, busyCursor = false;
    QString panelDuringRun;
    s_->w.setEngineRunner([&](const fe::EngineLibrary& e, fe::InputRecord& r) {
      enabledDuringRun = s_->w.isEnabled();
      panelDuringRun = s_->w.panelText(2);
      busyCursor = QApplication::overrideCursor() != nullptr &&
                   QApplication::overrideCursor()->shape() == Qt::WaitCursor;
      fe::RunEngine(e, r);
    });
    s_->trigger("mnuRunKeldor");
    // Its final analysis has two NG checks: the message says so.
    QCOMPARE(s_->ui.events, QStringList({"beep", "ok: Design converged \u2014 2 checks NG"}));
    QVERIFY(!enabledDuringRun);
    QCOMPARE(panelDuringRun, QString("Running program...please wait"));
    QVERIFY(busyCursor);
    QVERIFY(s_->w.isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(s_->w.panelText(2), "Output written to " + Padded("design-spread-english.out"));
    // The report is the one the batch command gives for the same input.
    const std::string report = read("design-spread-english.out");
    QCOMPARE(keldor_test::MaskRunLine(report),
             keldor_test::MaskRunLine(keldor_test::ReadFile(kGolden + "design-spread-english.out")));
    QVERIFY(keldor_test::Exists(path("KELDOR.DAT")));

    // View > Output File shows the report just written, line for line.
    s_->trigger("mnuVoutput");
    gui::TextViewer* v = s_->w.viewer(gui::ViewedFile::Output);
    QVERIFY(v != nullptr && v->isVisible());
    QCOMPARE(v->text(), QString::fromStdString(report).replace("\r\n", "\n"));
    QVERIFY(QFontInfo(v->findChild<QWidget*>("txtView")->font()).fixedPitch());
    s_->trigger("mnuVkeldordat");
    QVERIFY(s_->w.viewer(gui::ViewedFile::SideFile)->isVisible());
    // The next run's report replaces the one shown, as soon as the run ends.
    s_->r.TITLE = fe::FixedText<80>("Second run");
    s_->trigger("mnuRunKeldor");
    QVERIFY(v->text().startsWith(" Second run"));
  }

  // A report the engine could not write to its end is never announced as
  // written: the reason after a beep, the panel naming the output file, and
  // what was written kept beside the report's own name. Cut here by a file
  // size limit during the run (its signal ignored, as a full disk sends
  // none); the full device and the side file cut short are keldor-run's.
  void aReportCutShortIsNeverAnnouncedAsWritten() {
    chooseFiles("review-pile-english.in", "review.out");
    s_->w.setEngineRunner([](const fe::EngineLibrary& e, fe::InputRecord& r) {
      rlimit old {};
      ::getrlimit(RLIMIT_FSIZE, &old);
      rlimit cut = old;
      cut.rlim_cur = 4096;
      const auto handler = std::signal(SIGXFSZ, SIG_IGN);
      ::setrlimit(RLIMIT_FSIZE, &cut);
      fe::RunEngine(e, r);
      ::setrlimit(RLIMIT_FSIZE, &old);
      std::signal(SIGXFSZ, handler);
    });
    s_->trigger("mnuRunKeldor");
    const QString report = QString::fromStdString(path("review.out"));
    QCOMPARE(s_->ui.events,
             QStringList({"beep", "ok: Error saving output file\n\nThe report " + report +
                                      " is incomplete: File too large\n\n"
                                      "What was written is kept as " + report + ".incomplete."}));
    QCOMPARE(s_->w.panelText(2), "Output file = " + Padded("review.out"));
    QVERIFY(s_->w.isEnabled());
    QVERIFY(!keldor_test::Exists(path("review.out")));
    QCOMPARE(read("review.out.incomplete").size(), std::size_t(4096));

  }

  // The report chosen for one input is not overwritten by the run of the
  // next: loading another input, or saving under a new name, proposes the
  // report beside it. The first input keeps the report chosen before it. A
  // name typed without an extension gets the file kind's.
  void anotherInputProposesItsOwnReport() {
    chooseFiles("", "mine.out");
    chooseFiles("design-spread-english.in", "");
    QCOMPARE(s_->w.panelText(2), "Output file = " + Padded("mine.out"));
    chooseFiles("review-pile-english.in", "");
    QCOMPARE(s_->r.OUTPATH.trimmedRight(), path("review-pile-english.out"));
    QCOMPARE(s_->w.panelText(2), "Output file = " + Padded("review-pile-english.out"));
    s_->ui.files << QString::fromStdString(path("copy"));  // ".in" is added
    s_->trigger("mnuInput");
    QVERIFY(keldor_test::Exists(path("copy.in")));
    QCOMPARE(s_->r.OUTPATH.trimmedRight(), path("copy.out"));
    QCOMPARE(s_->w.panelText(2), "Output file = " + Padded("copy.out"));
  }

  // A title typed after saving is run but not saved. File > Export Report as
  // PDF and File > Print hand over the last run's report; before a run, or
  // once the report changed, they say why not and write nothing.
  void aTitleTypedAfterSavingIsRunAndTheReportPrinted() {
    s_->trigger("mnuExportPdf");
    s_->trigger("mnuPrint");
    const QString noRun = "ok: There is no run to hand over yet: run the analysis first (Run > Keldor).";
    QCOMPARE(s_->ui.events, QStringList({"beep", noRun, "beep", noRun}));
    chooseFiles("review-pile-english.in", "review.out");
    const std::string saved = read("review-pile-english.in");
    s_->trigger("mnuDOutT");
    gui::frmTitle* t = s_->w.titleWindow();
    TypeInto(Child<QLineEdit>(t, "txtTitle"), "Abutment A2 as built");  // every key is stored
    QVERIFY(t->close() && t->isHidden());  // the title bar's Close puts it away
    s_->trigger("mnuDOutT");
    Press(t, "Command1");  // and so does its own button
    QVERIFY(t->isHidden());
    s_->trigger("mnuRunKeldor");
    QCOMPARE(s_->ui.events.last(), QString("ok: Review finished \u2014 1 check NG"));
    QVERIFY(read("review.out").rfind(" Abutment A2 as built", 0) == 0);
    QCOMPARE(read("review-pile-english.in"), saved);
    s_->ui.events.clear();
    s_->ui.files << QString::fromStdString(path("hand-over")) << QString::fromStdString(path("printed.pdf"));
    s_->trigger("mnuExportPdf");  // ".pdf" is added
    s_->trigger("mnuPrint");
    QCOMPARE(s_->ui.events, QStringList({"save dialog: " + QString(gui::kPdfFilters) + " [0]", "print dialog"}));
    for (const char* pdf : {"hand-over.pdf", "printed.pdf"}) {
      const std::string bytes = read(pdf);
      QVERIFY2(bytes.rfind("%PDF-", 0) == 0, pdf);
    }
    keldor_test::WriteFile(path("review.out"), "edited by hand\r\n");
    s_->ui.events.clear();
    s_->ui.files << QString::fromStdString(path("late.pdf"));
    s_->trigger("mnuExportPdf");
    QCOMPARE(s_->ui.events.size(), 3);
    QCOMPARE(s_->ui.events[2], "ok: Unable to export the report as PDF\n\nThe report " +
                                   QString::fromStdString(path("review.out")) +
                                   " has changed since the last run. Run the analysis again.");
    QVERIFY(!keldor_test::Exists(path("late.pdf")));
  }

  // The verdict of each kind of run: the end-of-run message (the text's
  // own when nothing failed), the status bar and the results pane's banner.
  void verdictOfEachOutcome_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("banner");
    QTest::newRow("design, every check passes")
        << "startup-example.in" << "Program execution complete"
        << "Design converged \u2014 all checks pass" << "All 9 checks pass";
    QTest::newRow("review with NG checks")
        << "review-irregular-pile-english.in" << "Review finished \u2014 1 check NG"
        << "Review finished \u2014 1 check NG" << "1 of 11 checks fail";
    QTest::newRow("design not converged")
        << "design-not-converged-english.in" << "Design did not converge"
        << "Design did not converge" << "No design found: the search did not converge";
  }
  void verdictOfEachOutcome() {
    QFETCH(QString, input);
    QFETCH(QString, message);
    QFETCH(QString, status);
    QFETCH(QString, banner);
    chooseFiles(input, "r.out");
    QCOMPARE(s_->w.verdictText(), QString());  // nothing before a run
    s_->trigger("mnuRunKeldor");
    QCOMPARE(s_->ui.events, QStringList({"beep", "ok: " + message}));
    QCOMPARE(s_->w.verdictText(), status);
    gui::ResultsPane* pane = s_->w.resultsPane();
    QCOMPARE(pane->bannerText(), banner);
    QVERIFY(!s_->w.findChild<QDockWidget*>("dockResults")->isHidden());
    QCOMPARE(pane->table()->rowCount(), static_cast<int>(pane->results().checks.size()));
  }

  // Double-clicking a check opens the report viewer at its line, whatever
  // order the table is sorted in.
  void aCheckOpensTheReportAtItsLine() {
    chooseFiles("review-irregular-pile-english.in", "r.out");
    s_->trigger("mnuRunKeldor");
    QTableWidget* table = s_->w.resultsPane()->table();
    table->sortByColumn(5, Qt::DescendingOrder);  // by ratio: the governing first
    QCOMPARE(table->item(0, 6)->text(), QString("NG"));
    const int line = s_->w.resultsPane()->lineOfRow(0);
    QVERIFY(line > 0);
    emit table->cellDoubleClicked(0, 2);
    gui::TextViewer* v = s_->w.viewer(gui::ViewedFile::Output);
    QVERIFY(v != nullptr && v->isVisible());
    QCOMPARE(v->currentLine(), line);
    const QString text = v->view()->document()->findBlockByNumber(line - 1).text();
    QVERIFY2(text.endsWith(" NG ***"), qPrintable(text));
  }

  // Results never outlive their input: an edit after the run drops them,
  // and a run that writes no report leaves none.
  void anEditDropsTheResults() {
    chooseFiles("startup-example.in", "r.out");
    s_->trigger("mnuRunKeldor");
    gui::ResultsPane* pane = s_->w.resultsPane();
    QVERIFY(pane->hasResults());
    TypeInto(s_->w.findChild<QLineEdit*>("txtH"), "1");
    QVERIFY(!pane->hasResults());
    QCOMPARE(pane->table()->rowCount(), 0);
    QCOMPARE(pane->bannerText(),
             QString("The input has changed since the run: run it again for its results"));

    s_->trigger("mnuRunKeldor");
    QVERIFY(pane->hasResults());
    s_->w.setEngineLibraryPath(path("lib/libkeldor.so"));  // no library: no report
    s_->trigger("mnuRunKeldor");
    QVERIFY(!pane->hasResults());
    QCOMPARE(pane->bannerText(), QString("No results: the analysis did not finish"));
    QCOMPARE(s_->w.verdictText(), QString());
  }
};

QTEST_MAIN(RunTest)
#include "gui_run_test.moc"
