// Run > Keldor against the real engine, in a temporary folder: the order of
// the checks, the messages and status texts, the window during the run, the
// report on disk (compared whole with the golden report) and the missing
// library.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <memory>

#include "main_window.h"
#include "run_engine.h"
#include "recording_ui.h"
#include "test_support.h"
#include "text_viewer.h"
#include "title_window.h"

namespace {

const std::string kGolden = KELDOR_SOURCE_DIR "/tests/golden/";

// The report with its run date and time masked, as the golden files keep it.
QString Masked(const std::string& report) {
  QString s = QString::fromStdString(report);
  s.replace(QRegularExpression("\\d\\d/\\d\\d/\\d\\d\\d\\d, \\d\\d:\\d\\d:\\d\\d"),
            "MM/DD/YYYY, HH:MM:SS");
  return s;
}

QString Padded(const char* name) { return QString(name).leftJustified(80, ' '); }

}  // namespace

class RunTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<keldor_test::TempFolder> dir_;
  std::filesystem::path oldFolder_;
  std::unique_ptr<fe::InputRecord> r_;
  std::unique_ptr<RecordingUi> ui_;
  std::unique_ptr<gui::frmMain> w_;

  void trigger(const char* action) { Child<QAction>(w_.get(), action)->trigger(); }
  std::string path(const std::string& name) const { return *dir_ / name; }

  // Loads a golden input through File > Load Input and chooses the report
  // through File > Save > Output As, both copied into the folder.
  void chooseFiles(const std::string& input, const std::string& report) {
    keldor_test::WriteFile(path(input), keldor_test::ReadFile(kGolden + input));
    ui_->files << QString::fromStdString(path(input)) << QString::fromStdString(path(report));
    trigger("mnuLoadInput");
    trigger("mnuOutput");
    ui_->events.clear();
  }

 private slots:
  void init() {
    dir_ = std::make_unique<keldor_test::TempFolder>();
    oldFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_->path());  // the engine's side file goes here
    r_ = std::make_unique<fe::InputRecord>();
    ui_ = std::make_unique<RecordingUi>();
    w_ = std::make_unique<gui::frmMain>(*r_, *ui_);
    w_->show();
  }
  void cleanup() {
    w_.reset();
    std::filesystem::current_path(oldFolder_);
    dir_.reset();
  }

  void runRightAfterStartUpAsksForTheInputFile() {
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Please specify input file"}));
    QCOMPARE(w_->panelText(2), QString("No output file specified"));
  }

  void runWithoutOutputFileAsksForIt() {
    r_->INPATH = path("wall.in");
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Please specify output file"}));
  }

  void invalidRecordStopsAfterItsMessages() {
    r_->INPATH = path("wall.in");
    ui_->files << QString::fromStdString(path("wall.out"));
    trigger("mnuOutput");
    QCOMPARE(w_->panelText(2), QString("Output file = wall.out"));
    ui_->events.clear();
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events, QStringList({"beep", "ok: No load combinations were specified", "beep",
                                       "ok: Design height must be greater than zero"}));
    QCOMPARE(w_->panelText(2), QString("Checking input...please wait"));
    QVERIFY(!keldor_test::Exists(path("wall.out")));
  }

  void successfulRunWritesTheReportWithTheWindowDisabledMeanwhile() {
    chooseFiles("design-spread-english.in", "design-spread-english.out");
    bool enabledDuringRun = true;
    QString panelDuringRun;
    bool busyCursor = false;
    w_->setEngineRunner([&](const fe::EngineLibrary& e, fe::InputRecord& r) {
      enabledDuringRun = w_->isEnabled();
      panelDuringRun = w_->panelText(2);
      busyCursor = QApplication::overrideCursor() != nullptr &&
                   QApplication::overrideCursor()->shape() == Qt::WaitCursor;
      fe::RunEngine(e, r);
    });
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Program execution complete"}));
    QVERIFY(!enabledDuringRun);
    QCOMPARE(panelDuringRun, QString("Running program...please wait"));
    QVERIFY(busyCursor);
    QVERIFY(w_->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(w_->panelText(2), "Output written to " + Padded("design-spread-english.out"));
    // The report is the one the batch command gives for the same input.
    QCOMPARE(Masked(keldor_test::ReadFile(path("design-spread-english.out"))),
             Masked(keldor_test::ReadFile(kGolden + "design-spread-english.out")));
    QVERIFY(keldor_test::Exists(path("KELDOR.DAT")));

    // View > Output File shows the report just written, line for line.
    trigger("mnuVoutput");
    gui::TextViewer* v = w_->viewer(gui::ViewedFile::Output);
    QVERIFY(v != nullptr && v->isVisible());
    QCOMPARE(v->text(), QString::fromStdString(keldor_test::ReadFile(path("design-spread-english.out")))
                            .replace("\r\n", "\n"));
    QVERIFY(QFontInfo(v->findChild<QWidget*>("txtView")->font()).fixedPitch());
    trigger("mnuVkeldordat");
    QVERIFY(w_->viewer(gui::ViewedFile::SideFile)->isVisible());
  }

  void aTitleTypedAfterSavingIsRunButNotSaved() {
    chooseFiles("review-pile-english.in", "review.out");
    const std::string saved = keldor_test::ReadFile(path("review-pile-english.in"));
    trigger("mnuDOutT");
    TypeInto(Child<QLineEdit>(w_->titleWindow(), "txtTitle"), "Abutment A2 as built");
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events.last(), QString("ok: Program execution complete"));
    QVERIFY(keldor_test::ReadFile(path("review.out")).rfind(" Abutment A2 as built", 0) == 0);
    QCOMPARE(keldor_test::ReadFile(path("review-pile-english.in")), saved);
  }

  void missingLibraryIsReportedAndTheProgramGoesOn() {
    chooseFiles("design-spread-english.in", "wall.out");
    const std::string missing = path("lib/libkeldor.so");
    w_->setEngineLibraryPath(missing);
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events.size(), 2);
    QCOMPARE(ui_->events[0], QString("beep"));
    QVERIFY2(ui_->events[1].startsWith(
                 "ok: Unable to load the analysis library libkeldor.so\n\n" +
                 QString::fromStdString(missing)),
             qPrintable(ui_->events[1]));
    QVERIFY(w_->isEnabled());
    QCOMPARE(w_->panelText(2), "Output file = " + Padded("wall.out"));
    QVERIFY(!keldor_test::Exists(path("wall.out")));
    QCOMPARE(r_->H, 168.0f);  // the input is still there
  }

  void aReportThatCannotBeWrittenIsRefusedBeforeTheRun() {
    chooseFiles("design-spread-english.in", "no-such-folder/wall.out");
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events,
             QStringList({"beep", "ok: Cannot write the report " +
                                      QString::fromStdString(path("no-such-folder/wall.out")) +
                                      ": the folder " +
                                      QString::fromStdString(path("no-such-folder")) +
                                      " does not exist"}));
    QCOMPARE(w_->panelText(2), "Output file = " + Padded("wall.out"));
  }

  void aReportThatWouldReplaceTheInputIsRefused() {
    chooseFiles("design-spread-english.in", "design-spread-english.in");
    const std::string input = keldor_test::ReadFile(path("design-spread-english.in"));
    trigger("mnuRunKeldor");
    QCOMPARE(ui_->events,
             QStringList({"beep", "ok: The report would replace the input file " +
                                      QString::fromStdString(path("design-spread-english.in")) +
                                      "; choose another output file."}));
    QCOMPARE(keldor_test::ReadFile(path("design-spread-english.in")), input);
  }
};

QTEST_MAIN(RunTest)
#include "gui_run_test.moc"
