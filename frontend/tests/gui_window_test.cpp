// The main window and the record editors, driven as a person drives them:
// start-up state, relabelling, enabling, the units question, typing into
// boxes and count boxes, the editors, the resets, files through the
// dialogs, the about and help windows. (The record rules behind each control
// and each reset are pinned field by field by the core tests; these check
// what the window shows and where an edit goes. The title window is part of
// the run tests.)
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

#include "about_window.h"
#include "help_window.h"
#include "record_table.h"
#include "record_fields.h"
#include "recording_ui.h"
#include "start_up.h"
#include "test_support.h"
#include "text_viewer.h"

using fe::CountGroup;
using fe::InputRecord;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Screen> s_;

  gui::RecordEditor* editor(CountGroup g) const { return s_->w.editor(g); }
  QLineEdit* editorBox(CountGroup g, const char* name) const { return Child<QLineEdit>(editor(g), name); }
  // Two tooltips and two units shown beside their boxes.
  QString tooltips() const {
    return s_->box("txtPDX")->toolTip() + "|" + editorBox(CountGroup::PileRows, "txtPILEX")->toolTip() +
           "|" + Child<QLabel>(s_->tabs(), "unitFC")->text() + " " + Child<QLabel>(s_->tabs(), "unitRHOC")->text();
  }
  QStringList boxTexts() const {
    QStringList out;
    for (QLineEdit* b : s_->tabs()->findChildren<QLineEdit*>()) out << b->objectName() + "=" + b->text();
    return out;
  }

 private slots:
  void init() { s_ = std::make_unique<Screen>(); }
  void cleanup() { s_.reset(); }

  void startUpShowsTheEnglishDesignDefaults() {
    QVERIFY2(s_->r == StartUp(), fe::Describe(s_->r).c_str());
    QVERIFY(s_->ui.events.isEmpty());  // no units question at start-up
    QCOMPARE(s_->w.panelText(1) + "|" + s_->w.panelText(2),
             QString("No input file specified|No output file specified"));
    QCOMPARE(s_->box("txtFC")->text() + s_->box("txtRHOC")->text() + s_->box("txtNLC")->text(),
             QString(" 4000 .0868 0"));
    for (const char* o :
         {"optEnglish", "optDesign", "optUS", "optConst", "optSpread", "optVOLUME", "optSLNo"})
      QVERIFY2(Child<QRadioButton>(s_->tabs(), o)->isChecked(), o);
    QVERIFY(!s_->w.isWindowModified());
  }

  // What the option buttons show, hide, enable and relabel: "name:enabled",
  // "name:disabled", "name:shown", "name:hidden" or "lblNAME=caption".
  void optionsRelabelAndEnable_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("expected");
    const QStringList design = {"lblBWMIN=Min wall batter:", "lblTFMIN=Min footing thickness:",
                                "lblWTMAX=Max toe width:", "lblWHMAX=Max heel width:",
                                "txtWTMIN:shown", "fraRebar:disabled", "fraVOL:shown"};
    QTest::newRow("start-up") << QStringList() << design + QStringList{
        "txtPHI:disabled", "txtNSEG:disabled", "cmdViewSeg:disabled", "fraISur:disabled",
        "fraPILE:disabled", "fraPC:disabled", "fraPILEP:disabled", "fraPILEV:disabled",
        "txtRATIO:enabled"};
    QTest::newRow("review") << QStringList{"optReview"} << QStringList{
        "lblBWMIN=Wall batter:", "lblTFMIN=Footing thickness:", "lblWTMAX=Toe width:",
        "lblWHMAX=Footing width:", "lblWTMIN:hidden", "txtWTMIN:hidden", "fraRebar:enabled",
        "fraVOL:hidden"};
    QTest::newRow("review, then design") << QStringList{"optReview", "optDesign"} << design;
    QTest::newRow("pile design") << QStringList{"optPile"} << QStringList{
        "fraQ:disabled", "fraCSFC:disabled", "fraSL:disabled", "fraOT:disabled", "fraPILE:enabled",
        "fraPILEP:enabled", "fraPILEV:enabled", "txtPILEME:enabled", "fraPC:disabled", "fraVOL:hidden"};
    QTest::newRow("pile review") << QStringList{"optPile", "optReview"} << QStringList{
        "txtPILEME:disabled", "txtPILEMS:disabled", "txtPILEBAT:disabled", "fraPC:enabled"};
    QTest::newRow("irregular") << QStringList{"optIrreg"} << QStringList{
        "txtPHI:enabled", "txtAH:enabled", "txtAV:enabled", "txtNSEG:enabled", "cmdViewSeg:enabled",
        "fraISur:enabled", "txtKA:disabled", "txtKAEQ:disabled", "txtBETA:disabled", "fraSur:disabled"};
    QTest::newRow("working stress") << QStringList{"optWS"} << QStringList{"txtRATIO:disabled"};
  }
  void optionsRelabelAndEnable() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, expected);
    for (const QString& o : clicks) s_->click(qPrintable(o));
    QStringList actual;
    for (const QString& e : expected) {
      const QString name = e.section(QRegularExpression("[:=]"), 0, 0);
      const auto* w = Child<QWidget>(s_->tabs(), qPrintable(name));
      if (e.contains('='))
        actual << name + "=" + static_cast<const QLabel*>(w)->text();
      else if (e.endsWith("shown") || e.endsWith("hidden"))
        actual << name + (w->isHidden() ? ":hidden" : ":shown");
      else
        actual << name + (w->isEnabled() ? ":enabled" : ":disabled");
    }
    QCOMPARE(actual, expected);
    QVERIFY(s_->ui.events.isEmpty());
  }

  // The refresh after a mode switch writes the other member of each pair into
  // the box, which stores it back into that same member, never across.
  void switchingModeKeepsEachMemberOfThePairsItsOwnValue() {
    s_->r.WT = 25, s_->r.WF = 90;
    TypeInto(s_->box("txtWTMAX"), "40");
    s_->click("optReview");
    QCOMPARE(s_->box("txtWTMAX")->text(), QString(" 25"));
    s_->click("optDesign");
    QCOMPARE(s_->box("txtWTMAX")->text() + s_->box("txtWHMAX")->text(), QString(" 40 500"));
    const InputRecord& r = s_->r;
    QCOMPARE(QList<float>({r.WTMAX, r.WT, r.WHMAX, r.WF}), QList<float>({40, 25, 500, 90}));
  }

  // A number too large is marked while typed, refused once when committed,
  // naming what was typed; in the window, an editor and a table alike.
  void aNumberTooLargeIsRefusedOnceWhenCommitted() {
    Enter(s_->box("txtH"), "120");
    Enter(s_->box("txtNLC"), "1");
    s_->w.openEditor(CountGroup::LoadCombinations);
    Enter(editorBox(CountGroup::LoadCombinations, "txtFD"), "1.4");
    const QString refusal = "ok: The number 1e400 is too large to be stored; the value stays ";
    for (QLineEdit* b : {s_->box("txtH"), editorBox(CountGroup::LoadCombinations, "txtFD")}) {
      s_->ui.events.clear();
      TypeInto(b, "1e400");
      QVERIFY(s_->ui.events.isEmpty() && b->findChild<QAction*>("actIgnoredText")->isVisible());
      QTest::keyClick(b, Qt::Key_Return);
      QCOMPARE(s_->ui.events, QStringList({"beep", refusal + b->text().trimmed() + "."}));
    }
    QCOMPARE(s_->box("txtH")->text() + editorBox(CountGroup::LoadCombinations, "txtFD")->text(),
             QString(" 120 1.4"));
    s_->ui.events.clear();
    s_->w.openTable(CountGroup::LoadCombinations);
    EnterCell(s_->w.table(CountGroup::LoadCombinations)->grid(), 0, 0, "1e400");
    QCOMPARE(s_->ui.events, QStringList({"beep", refusal + "1.4."}));
    QCOMPARE(s_->r.FD, fe::RecordArray({1.4f}));
  }

  // Yes loads the SI defaults into the boxes; No, back to English, changes
  // nothing but the units, the tooltips (the editors' included) and the units
  // beside the boxes, which show the kept numbers for what they now mean.
  void unitsQuestionYesAndNo() {
    s_->ui.answers << true << false;
    s_->click("optSI");
    QCOMPARE(s_->ui.events, QStringList({"question: Program Units: Would you like to change to SI "
                                       "default parameters?\rThis will overwrite any parameters you "
                                       "have specified."}));
    QCOMPARE(s_->box("txtFC")->text() + s_->box("txtWTMAX")->text(), QString(" 25 10000"));
    QCOMPARE(tooltips(), QString("Enter distance in millimeters|Enter distance to toe in millimeters|MPa N/mm\u00b3  = 23.6 kN/m\u00b3"));
    const QStringList before = boxTexts();
    InputRecord expected = s_->r;
    expected.IUNITS = 1;
    s_->click("optEnglish");
    QVERIFY(s_->ui.events.last().startsWith("question: Program Units: Would you like to change to "
                                          "English default parameters?\r"));
    QVERIFY2(s_->r == expected, fe::Describe(s_->r).c_str());
    QCOMPARE(boxTexts(), before);
    QCOMPARE(tooltips(), QString("Enter distance in inches|Enter distance to toe in inches|psi  = 0.025 ksi lb/in\u00b3  = 0.04078 pcf"));
  }

  // Typed through an empty box or a smaller number (3, "", 4) a count keeps
  // its records; those past a smaller count go when it is committed.
  void countBoxesKeepTheirRecordsOrRefuseAndShowTheCountKept() {
    Enter(s_->box("txtNLC"), "3");
    QCOMPARE(s_->r.FEQ, fe::RecordArray({0.0f, 0.0f, 0.0f}));
    s_->r.FD = {1, 2, 3};
    TypeInto(s_->box("txtNLC"), "");
    QCOMPARE(s_->r.NLC, 0);
    TypeInto(s_->box("txtNLC"), "4");
    QCOMPARE(s_->r.FD, fe::RecordArray({1, 2, 3, 0}));
    TypeInto(s_->box("txtNLC"), "1");
    TypeInto(s_->box("txtNLC"), "2");
    QCOMPARE(s_->r.FD, fe::RecordArray({1, 2}));
    Enter(s_->box("txtNLC"), "1");
    Enter(s_->box("txtNLC"), "2");
    QCOMPARE(s_->r.FD, fe::RecordArray({1, 0}));
    PasteInto(s_->box("txtNLC"), "40000");  // more records than the editors can count
    QCOMPARE(s_->ui.events, QStringList({"beep", "ok: Number of load combinations must be a whole "
                                               "number from 0 to 32767"}));
    QCOMPARE(s_->box("txtNLC")->text() + QString::number(s_->r.NLC) + QString::number(s_->r.FL.size()),
             QString(" 222"));
  }

  // The window fits 1920 x 1080 at scale factor 2 (960 x 540, less a frame).
  void theSmallestWindowFitsAMagnifiedFullHdScreen() {
    const QSize least = s_->w.minimumSizeHint().expandedTo(s_->w.minimumSize());
    QVERIFY2(least.width() <= 940 && least.height() <= 490,
             qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
  }

  // Nor does it write the slope boxes of an irregular backfill.
  void aRefreshNeverClearsAnArray() {
    TypeInto(s_->box("txtNLC"), "2");
    TypeInto(s_->box("txtBETA"), "18.4");
    s_->r.FD = {1.4f, 0.9f};
    s_->click("optIrreg");  // refreshes, writing every count box
    s_->r.BETA = 0;
    s_->trigger("mnuResetMaterial");
    QCOMPARE(s_->r.NLC, 2);
    QCOMPARE(s_->r.FD, fe::RecordArray({1.4f, 0.9f}));
    QVERIFY(!s_->r.Refreshing);
    QCOMPARE(s_->box("txtBETA")->text(), QString("18.4"));
  }

  void editorStepsThroughItsRecordsWithoutWrapping() {
    TypeInto(s_->box("txtNLC"), "3");
    gui::RecordEditor* e = editor(CountGroup::LoadCombinations);
    Press(s_->tabs(), "cmdViewLC");
    QVERIFY(e->isVisible());
    auto* heading = Child<QGroupBox>(e, "fraLCombo");
    QCOMPARE(heading->title(), QString("LOAD COMBINATION NO  1"));
    for (int i = 0; i < 3; ++i) Press(e, "SScmdNext");  // no wrap at the end
    QCOMPARE(heading->title(), QString("LOAD COMBINATION NO  3"));
    Press(e, "SScmdPrevious");
    TypeInto(editorBox(CountGroup::LoadCombinations, "txtFD"), "1.2");
    QCOMPARE(s_->r.FD, fe::RecordArray({0.0f, 1.2f, 0.0f}));
    for (int i = 0; i < 2; ++i) Press(e, "SScmdPrevious");  // no wrap at the start
    QCOMPARE(editorBox(CountGroup::LoadCombinations, "txtFD")->text() + heading->title(),
             QString(" 0LOAD COMBINATION NO  1"));
    Press(e, "cmdClose");
    QVERIFY(e->isHidden());
    Press(s_->tabs(), "cmdViewLC");
    QCOMPARE(e->record(), 1);  // reopening starts at record 1
    QTest::keyClick(e, Qt::Key_Escape);  // Escape, as the title bar's Close, puts it away
    QVERIFY(e->isHidden());
    QVERIFY(s_->ui.events.isEmpty());
  }

  // The editors refuse to open without records, the view commands without
  // their file.
  void editorsAndViewersRefuseToOpenWithoutTheirRecordsOrFile() {
    s_->trigger("mnuVinput");
    s_->trigger("mnuVoutput");
    s_->r.INPATH = "/nonexistent/gone.in";
    s_->trigger("mnuVinput");
    s_->click("optIrreg");
    Press(s_->tabs(), "cmdViewSeg");
    TypeInto(s_->box("txtnsur"), "");
    Press(s_->tabs(), "cmdViewL");
    Press(s_->tabs(), "cmdViewLC");
    s_->click("optPile");
    s_->click("optReview");
    Press(s_->tabs(), "cmdROWS");
    QCOMPARE(s_->ui.events, QStringList({"beep", "ok: Please specify input file name", "beep",
                                       "ok: Please specify output file name",
                                       "info: Unable to view input file\n\n/nonexistent/gone.in: no such file",
                                       "beep", "ok: Please enter number of irregular backfill segments",
                                       "beep", "ok: Please enter number of irregular surcharge loads",
                                       "beep", "ok: Please enter number of load combinations",
                                       "beep", "ok: Please enter number of rows of piles"}));
    for (CountGroup g : {CountGroup::GroundSegments, CountGroup::Surcharges,
                         CountGroup::LoadCombinations, CountGroup::PileRows})
      QVERIFY(editor(g)->isHidden());
    QVERIFY(s_->w.viewer(gui::ViewedFile::Input)->isHidden());
  }

  void openEditorsKeepTheirOwnRecordAndCloseWhenTheirCountChanges() {
    s_->click("optIrreg");
    TypeInto(s_->box("txtNSEG"), "2");
    TypeInto(s_->box("txtnsur"), "2");
    s_->w.openEditor(CountGroup::GroundSegments);
    s_->w.openEditor(CountGroup::Surcharges);
    Press(editor(CountGroup::Surcharges), "SScmdNext");
    // The segments editor still stores into its own record 1.
    TypeInto(editorBox(CountGroup::GroundSegments, "txtLSEG"), "60");
    QCOMPARE(s_->r.LSEG, fe::RecordArray({60.0f, 0.0f}));
    TypeInto(editorBox(CountGroup::Surcharges, "txtSUR"), "250");
    QCOMPARE(s_->r.SURL, fe::RecordArray({0.0f, 250.0f}));
    // A new count makes new arrays: the editor showing the old ones closes.
    TypeInto(s_->box("txtnsur"), "1");
    QVERIFY(editor(CountGroup::Surcharges)->isHidden());
    QVERIFY(!editor(CountGroup::GroundSegments)->isHidden());
    // A reset to 0 closes the other one; nothing is written past the arrays.
    s_->trigger("mnuResetSConfig");
    QVERIFY(editor(CountGroup::GroundSegments)->isHidden());
    QCOMPARE(s_->r.LSEG.size(), 2);
  }

  // Cancelled dialogs change nothing; the about and help windows show their
  // texts.
  void dialogsAndInformationWindows() {
    const InputRecord before = s_->r;
    s_->trigger("mnuLoadInput");
    s_->trigger("mnuOutput");
    QCOMPARE(s_->ui.events,
             QStringList({"open dialog: All Files (*.*)|*.*|Input Files (*.in)|*.in|Text Files (*.txt)|*.txt [1]",
                          "save dialog: All Files (*.*)|*.*|Output Files (*.out)|*.out|Text Files (*.txt)|*.txt [1]"}));
    QVERIFY2(s_->r == before, fe::Describe(s_->r).c_str());
    QCOMPARE(s_->w.panelText(2), QString("No output file specified"));
    s_->trigger("mnuAbout");
    QCOMPARE(Child<QGroupBox>(s_->w.aboutWindow(), "fraAbout")->title(), QString("Program KELDOR Version 1.42"));
    s_->trigger("mnuContents");
    QVERIFY(s_->w.helpWindow()->browser()->toPlainText().contains("Reading the report"));
    // The second page is reached from the list and from the first page's link.
    gui::HelpWindow* help = s_->w.helpWindow();
    QVERIFY(help->browser()->toHtml().contains("HowTheAnalysisWorks.htm"));
    help->pages()->setCurrentRow(1);
    QVERIFY(help->browser()->toPlainText().contains("set the earth factor E to 0"));
    help->pages()->setCurrentRow(0);
    help->browser()->setSource(help->browser()->source().resolved(QUrl("HowTheAnalysisWorks.htm")));
    QCOMPARE(help->pages()->currentRow(), 1);
  }

  void inputAsValidatesSavesAndLoadRestores() {
    keldor_test::TempFolder dir;
    const QString path = QString::fromStdString(dir / "wall.in");
    s_->trigger("mnuInput");  // start-up record: two validation messages, no dialog
    QCOMPARE(s_->ui.events, QStringList({"beep", "ok: No load combinations were specified", "beep",
                                       "ok: Design height must be greater than zero"}));
    TypeInto(s_->box("txtNLC"), "1");
    s_->r.FD(1) = 1.4f;
    TypeInto(s_->box("txtH"), "120");
    s_->ui.events.clear();
    s_->ui.files << path;
    s_->trigger("mnuInput");
    QCOMPARE(s_->ui.events.size(), 1);  // the dialog only
    QCOMPARE(s_->w.panelText(1), QString("Input file = wall.in"));
    const InputRecord saved = s_->r;
    TypeInto(s_->box("txtH"), "99");
    TypeInto(s_->box("txtNLC"), "4");
    s_->ui.saveAnswers << gui::SaveChoice::Discard;
    s_->load(path);
    QVERIFY2(s_->r == saved, fe::Describe(s_->r).c_str());
    QCOMPARE(s_->box("txtH")->text() + s_->box("txtNLC")->text(), QString(" 120 1"));
  }

  // A file that cannot be loaded leaves the record; a file in the other
  // units selects them without the question, and the tooltips follow.
  void loadingAFileSelectsItsUnitsOrLeavesTheRecord() {
    keldor_test::TempFolder dir;
    keldor_test::WriteFile(dir / "bad.in", "1,1,1\r\n");
    const InputRecord before = s_->r;
    s_->load(QString::fromStdString(dir / "bad.in"));
    QCOMPARE(s_->ui.events.mid(1), QStringList({"beep", "ok: Error loading input file\n\nCannot load file " +
                                                          QString::fromStdString(dir / "bad.in") +
                                                          ": the file ends before the program options"}));
    QVERIFY(s_->r == before);
    s_->ui.events.clear();
    s_->load(KELDOR_SOURCE_DIR "/tests/golden/review-irregular-si.in");
    QCOMPARE(s_->ui.events.size(), 1);  // the dialog only
    QVERIFY(Child<QRadioButton>(s_->tabs(), "optSI")->isChecked());
    QCOMPARE(s_->box("txtFC")->text(), QString(" 28"));
    QCOMPARE(s_->box("txtH")->toolTip(), QString("Enter wall design height in millimeters"));
  }

  // Exit, the title bar's Close and Load Input ask to save only when the
  // input changed since it was loaded or saved: Cancel keeps everything,
  // Discard goes on, Save writes the input file first.
  void unsavedChangesAreAskedAboutOnlyWhenThereAreSome() {
    keldor_test::TempFolder dir;
    const std::string in = dir / "wall.in";
    keldor_test::WriteFile(in, keldor_test::ReadFile(KELDOR_SOURCE_DIR "/tests/golden/design-spread-english.in"));
    s_->load(QString::fromStdString(in));
    QVERIFY(!s_->w.isWindowModified());
    QCOMPARE(s_->w.windowTitle(), QString("Keldor - Retaining Wall Design \u2014 wall.in[*]"));
    QVERIFY(s_->w.close());  // nothing to lose: no question
    s_->w.show();
    const std::string saved = keldor_test::ReadFile(in);
    TypeInto(s_->box("txtH"), "150");
    QVERIFY(s_->w.isWindowModified());
    s_->ui.events.clear();
    QVERIFY(!s_->w.close());      // Cancel
    s_->trigger("mnuLoadInput");  // Cancel: no file dialog
    s_->ui.saveAnswers << gui::SaveChoice::Discard;
    QVERIFY(s_->w.close());
    s_->w.show();
    const QString question = "save question: Save changes to wall.in?";
    QCOMPARE(s_->ui.events, QStringList({question, question, question}));
    QCOMPARE(keldor_test::ReadFile(in), saved);
    QCOMPARE(s_->w.findChild<QAction*>("mnuSaveInput")->shortcut(), QKeySequence(QKeySequence::Save));
    s_->trigger("mnuSaveInput");  // to the input file, no dialog
    QVERIFY(!s_->w.isWindowModified());
    QVERIFY(keldor_test::ReadFile(in).find("150") != std::string::npos);
    QCOMPARE(s_->ui.events.size(), 3);
    TypeInto(s_->box("txtH"), "160");

    s_->ui.saveAnswers << gui::SaveChoice::Save;
    QTimer::singleShot(0, this, [this] { s_->trigger("mnuExit"); });
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });  // never hang
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!s_->w.isWindowModified());
    QVERIFY(keldor_test::ReadFile(in).find("160") != std::string::npos);
  }
};

QTEST_MAIN(MainWindowTest)
#include "gui_window_test.moc"
