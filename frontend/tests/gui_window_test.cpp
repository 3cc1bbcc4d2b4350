// The main window and the record editors, driven as a person drives them:
// start-up state, relabelling, enabling, the units question, typing into
// boxes and count boxes, the editors, resets, files through the dialogs.
// (The record rules behind each control are pinned field by field by the
// core tests; these check what the window shows and where an edit goes.)
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

#include "about_window.h"
#include "help_window.h"
#include "input_defaults.h"
#include "main_window.h"
#include "record_editor.h"
#include "record_fields.h"
#include "recording_ui.h"
#include "test_support.h"
#include "text_viewer.h"
#include "title_window.h"

using fe::CountGroup;
using fe::InputRecord;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<InputRecord> r_;
  std::unique_ptr<RecordingUi> ui_;
  std::unique_ptr<gui::frmMain> w_;

  QWidget* tabs() const { return Child<QTabWidget>(w_.get(), "SSTabinter"); }
  QLineEdit* box(const char* name) const { return Child<QLineEdit>(tabs(), name); }
  void click(const char* option) const { Child<QRadioButton>(tabs(), option)->click(); }
  void trigger(const char* action) const { Child<QAction>(w_.get(), action)->trigger(); }
  void press(QObject* parent, const char* button) const {
    QTest::mouseClick(Child<QAbstractButton>(parent, button), Qt::LeftButton);
  }
  gui::RecordEditor* editor(CountGroup g) const { return w_->editor(g); }
  QLineEdit* editorBox(CountGroup g, const char* name) const { return Child<QLineEdit>(editor(g), name); }
  QStringList boxTexts() const {
    QStringList out;
    for (QLineEdit* b : tabs()->findChildren<QLineEdit*>()) out << b->objectName() + "=" + b->text();
    return out;
  }

 private slots:
  void init() {
    r_ = std::make_unique<InputRecord>();
    ui_ = std::make_unique<RecordingUi>();
    w_ = std::make_unique<gui::frmMain>(*r_, *ui_);
    w_->show();
  }
  void cleanup() {
    w_.reset();
    ui_.reset();
    r_.reset();
  }

  void startUpShowsTheEnglishDesignDefaults() {
    InputRecord english;
    fe::InitialiseInput(english, 1);
    QVERIFY2(*r_ == english, fe::Describe(*r_).c_str());
    QVERIFY(ui_->events.isEmpty());  // no units question at start-up
    QCOMPARE(w_->panelText(1) + "|" + w_->panelText(2),
             QString("No input file specified|No output file specified"));
    QCOMPARE(box("txtFC")->text() + box("txtRHOC")->text() + box("txtNLC")->text(), QString(" 4000 .0868 0"));
    for (const char* o : {"optEnglish", "optDesign", "optUS", "optConst", "optSpread", "optVOLUME", "optSLNo"})
      QVERIFY2(Child<QRadioButton>(tabs(), o)->isChecked(), o);
    // No Close command in the title bar, and closing from outside is refused.
    QVERIFY(!(w_->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!w_->close());
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
    for (const QString& o : clicks) click(qPrintable(o));
    QStringList actual;
    for (const QString& e : expected) {
      const QString name = e.section(QRegularExpression("[:=]"), 0, 0);
      const auto* w = Child<QWidget>(tabs(), qPrintable(name));
      if (e.contains('='))
        actual << name + "=" + static_cast<const QLabel*>(w)->text();
      else if (e.endsWith("shown") || e.endsWith("hidden"))
        actual << name + (w->isHidden() ? ":hidden" : ":shown");
      else
        actual << name + (w->isEnabled() ? ":enabled" : ":disabled");
    }
    QCOMPARE(actual, expected);
    QVERIFY(ui_->events.isEmpty());
  }

  // The refresh after a mode switch writes the other member of each pair into
  // the box, which stores it back into that same member, never across.
  void switchingModeKeepsEachMemberOfThePairsItsOwnValue() {
    r_->WT = 25;
    r_->WF = 90;
    TypeInto(box("txtWTMAX"), "40");
    click("optReview");
    QCOMPARE(box("txtWTMAX")->text(), QString(" 25"));
    QCOMPARE(r_->WTMAX, 40.0f);
    QCOMPARE(r_->WHMAX, 500.0f);
    click("optDesign");
    QCOMPARE(box("txtWTMAX")->text() + box("txtWHMAX")->text(), QString(" 40 500"));
    QCOMPARE(r_->WT, 25.0f);
    QCOMPARE(r_->WF, 90.0f);
  }

  // Every box stores at once; a paired box stores into both members, the toe
  // and heel boxes into the member of the selected mode.
  void typedNumbersAreStoredAtOnce() {
    TypeInto(box("txtFC"), "5000psi");  // reading stops at the first other character
    QCOMPARE(r_->FC, 5000.0f);
    const struct {
      const char* box;
      float InputRecord::*design, InputRecord::*review;
      bool both;
    } pairs[] = {{"txtBWMIN", &InputRecord::BWMIN, &InputRecord::BW, true},
                 {"txtTFMIN", &InputRecord::TFMIN, &InputRecord::TF, true},
                 {"txtDKMAX", &InputRecord::DKMAX, &InputRecord::DK, true},
                 {"txtWTMAX", &InputRecord::WTMAX, &InputRecord::WT, false},
                 {"txtWHMAX", &InputRecord::WHMAX, &InputRecord::WF, false}};
    for (bool design : {true, false}) {
      click(design ? "optDesign" : "optReview");
      for (const auto& p : pairs) {
        const float other = (*r_).*(design ? p.review : p.design);
        TypeInto(box(p.box), design ? "7.5" : "8.5");
        QCOMPARE((*r_).*(design ? p.design : p.review), design ? 7.5f : 8.5f);
        QCOMPARE((*r_).*(design ? p.review : p.design), p.both ? (design ? 7.5f : 8.5f) : other);
      }
    }
    QVERIFY(ui_->events.isEmpty());
  }

  void aNumberTooLargeIsRefusedAndTheBoxShowsTheValueKept() {
    TypeInto(box("txtH"), "120");
    PasteInto(box("txtH"), "1e39");
    QCOMPARE(r_->H, 120.0f);
    QCOMPARE(ui_->events, QStringList({"beep", "ok: The number 1e39 is too large to be stored; "
                                                "the value stays 120."}));
    QCOMPARE(box("txtH")->text(), QString(" 120"));
  }

  // Yes loads the SI defaults into the boxes; No, back to English, changes
  // nothing but the units and the tooltips, the editors' included.
  void unitsQuestionYesAndNo() {
    ui_->answers << true << false;
    click("optSI");
    QCOMPARE(ui_->events, QStringList({"question: Program Units: Would you like to change to SI "
                                       "default parameters?\rThis will overwrite any parameters you "
                                       "have specified."}));
    QCOMPARE(box("txtFC")->text() + box("txtWTMAX")->text(), QString(" 25 10000"));
    QCOMPARE(box("txtPDX")->toolTip(), QString("Enter distance in millimeters"));
    QCOMPARE(editorBox(CountGroup::PileRows, "txtPILEX")->toolTip(),
             QString("Enter distance to toe in millimeters"));
    const QStringList before = boxTexts();
    InputRecord expected = *r_;
    expected.IUNITS = 1;
    click("optEnglish");
    QVERIFY(ui_->events.last().startsWith("question: Program Units: Would you like to change to "
                                          "English default parameters?\r"));
    QVERIFY2(*r_ == expected, fe::Describe(*r_).c_str());
    QCOMPARE(boxTexts(), before);
    QCOMPARE(box("txtPDX")->toolTip(), QString("Enter distance in inches"));
    QCOMPARE(editorBox(CountGroup::PileRows, "txtPILEX")->toolTip(), QString("Enter distance to toe in inches"));
  }

  void countBoxesRecreateTheirArraysOrRefuseAndShowTheCountKept() {
    TypeInto(box("txtNLC"), "3");
    QCOMPARE(r_->FEQ, fe::RecordArray(4, 0.0f));
    r_->FD[2] = 1.4f;
    TypeInto(box("txtNLC"), "3");  // typed again: the factors are discarded
    QCOMPARE(r_->FD, fe::RecordArray(4, 0.0f));
    PasteInto(box("txtNLC"), "40000");  // more records than the editors can count
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Number of load combinations must be a whole "
                                               "number from 0 to 32767"}));
    QCOMPARE(box("txtNLC")->text(), QString(" 3"));
    QCOMPARE(r_->NLC, 3);
    QCOMPARE(r_->FL.size(), std::size_t(4));
  }

  void aRefreshNeverClearsAnArray() {
    TypeInto(box("txtNLC"), "2");
    r_->FD = {0.0f, 1.4f, 0.9f};
    click("optReview");  // refreshes, writing every count box
    trigger("mnuResetMaterial");
    QCOMPARE(r_->NLC, 2);
    QCOMPARE(r_->FD, fe::RecordArray({0.0f, 1.4f, 0.9f}));
    QVERIFY(!r_->Refreshing);
  }

  void resetMenusRestoreTheirSectionAndTheBoxes() {
    TypeInto(box("txtFC"), "3000");
    TypeInto(box("txtQ"), "10");
    r_->TITLE.set("My wall");
    trigger("mnuResetMaterial");
    QCOMPARE(box("txtFC")->text() + box("txtQ")->text(), QString(" 4000 10"));
    trigger("mnuResetAll");
    QCOMPARE(box("txtQ")->text(), QString(" 20.83"));
    QCOMPARE(r_->TITLE.trimmedRight(), std::string("My wall"));  // All keeps the title
  }

  void editorStepsThroughItsRecordsWithoutWrapping() {
    TypeInto(box("txtNLC"), "3");
    gui::RecordEditor* e = editor(CountGroup::LoadCombinations);
    press(tabs(), "cmdViewLC");
    QVERIFY(e->isVisible());
    auto* heading = Child<QGroupBox>(e, "fraLCombo");
    QCOMPARE(heading->title(), QString("LOAD COMBINATION NO  1"));
    for (int i = 0; i < 3; ++i) press(e, "SScmdNext");  // no wrap at the end
    QCOMPARE(heading->title(), QString("LOAD COMBINATION NO  3"));
    press(e, "SScmdPrevious");
    TypeInto(editorBox(CountGroup::LoadCombinations, "txtFD"), "1.2");
    QCOMPARE(r_->FD, fe::RecordArray({0.0f, 0.0f, 1.2f, 0.0f}));
    for (int i = 0; i < 2; ++i) press(e, "SScmdPrevious");  // no wrap at the start
    QCOMPARE(editorBox(CountGroup::LoadCombinations, "txtFD")->text() + heading->title(),
             QString(" 0LOAD COMBINATION NO  1"));
    press(e, "cmdClose");
    QVERIFY(e->isHidden());
    press(tabs(), "cmdViewLC");
    QCOMPARE(e->record(), 1);  // reopening starts at record 1
    QVERIFY(!e->close());      // no Close command: only its own button puts it away
    QVERIFY(ui_->events.isEmpty());
  }

  void editorsRefuseToOpenWithoutRecords() {
    click("optIrreg");
    press(tabs(), "cmdViewSeg");
    TypeInto(box("txtnsur"), "");
    press(tabs(), "cmdViewL");
    press(tabs(), "cmdViewLC");
    click("optPile");
    click("optReview");
    press(tabs(), "cmdROWS");
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Please enter number of irregular backfill segments",
                                       "beep", "ok: Please enter number of irregular surcharge loads",
                                       "beep", "ok: Please enter number of load combinations",
                                       "beep", "ok: Please enter number of rows of piles"}));
    for (CountGroup g : {CountGroup::GroundSegments, CountGroup::Surcharges,
                         CountGroup::LoadCombinations, CountGroup::PileRows})
      QVERIFY(editor(g)->isHidden());
  }

  void openEditorsKeepTheirOwnRecordAndCloseWhenTheirCountChanges() {
    click("optIrreg");
    TypeInto(box("txtNSEG"), "2");
    TypeInto(box("txtnsur"), "2");
    w_->openEditor(CountGroup::GroundSegments);
    w_->openEditor(CountGroup::Surcharges);
    press(editor(CountGroup::Surcharges), "SScmdNext");
    // The segments editor still stores into its own record 1.
    TypeInto(editorBox(CountGroup::GroundSegments, "txtLSEG"), "60");
    QCOMPARE(r_->LSEG, fe::RecordArray({0.0f, 60.0f, 0.0f}));
    TypeInto(editorBox(CountGroup::Surcharges, "txtSUR"), "250");
    QCOMPARE(r_->SURL, fe::RecordArray({0.0f, 0.0f, 250.0f}));
    // A new count makes new arrays: the editor showing the old ones closes.
    TypeInto(box("txtnsur"), "1");
    QVERIFY(editor(CountGroup::Surcharges)->isHidden());
    QVERIFY(!editor(CountGroup::GroundSegments)->isHidden());
    // A reset to 0 closes the other one; nothing is written past the arrays.
    trigger("mnuResetSConfig");
    QVERIFY(editor(CountGroup::GroundSegments)->isHidden());
    QCOMPARE(r_->LSEG.size(), std::size_t(3));
  }

  void titleAboutAndHelpWindows() {
    trigger("mnuDOutT");
    gui::frmTitle* t = w_->titleWindow();
    auto* text = Child<QLineEdit>(t, "txtTitle");
    QCOMPARE(text->text(), QString("Keldor Program Output"));
    TypeInto(text, "Wall 7");  // every key is stored
    QCOMPARE(r_->TITLE.str(), "Wall 7" + std::string(74, ' '));
    QVERIFY(!t->close());
    press(t, "Command1");
    QVERIFY(t->isHidden());
    trigger("mnuAbout");
    QCOMPARE(Child<QGroupBox>(w_->aboutWindow(), "fraAbout")->title(), QString("Program KELDOR Version 1.42"));
    trigger("mnuContents");
    QVERIFY(w_->helpWindow()->browser()->toPlainText().contains("Reading the report"));
  }

  void cancelledDialogsChangeNothing() {
    const InputRecord before = *r_;
    trigger("mnuLoadInput");
    trigger("mnuOutput");
    QCOMPARE(ui_->events,
             QStringList({"open dialog: All Files (*.*)|*.*|Input Files (*.in)|*.in|Text Files "
                          "(*.txt)|*.txt [1]",
                          "save dialog: All Files (*.*)|*.*|Output Files (*.out)|*.out|Text "
                          "Files (*.txt)|*.txt [1]"}));
    QVERIFY2(*r_ == before, fe::Describe(*r_).c_str());
    QCOMPARE(w_->panelText(2), QString("No output file specified"));
  }

  void inputAsValidatesSavesAndLoadRestores() {
    keldor_test::TempFolder dir;
    const QString path = QString::fromStdString(dir / "wall.in");
    trigger("mnuInput");  // start-up record: two validation messages, no dialog
    QCOMPARE(ui_->events, QStringList({"beep", "ok: No load combinations were specified", "beep",
                                       "ok: Design height must be greater than zero"}));
    TypeInto(box("txtNLC"), "1");
    r_->FD[1] = 1.4f;
    TypeInto(box("txtH"), "120");
    ui_->events.clear();
    ui_->files << path;
    trigger("mnuInput");
    QCOMPARE(ui_->events.size(), 1);  // the dialog only
    QCOMPARE(w_->panelText(1), QString("Input file = wall.in"));
    const InputRecord saved = *r_;
    TypeInto(box("txtH"), "99");
    TypeInto(box("txtNLC"), "4");
    ui_->files << path;
    trigger("mnuLoadInput");
    QVERIFY2(*r_ == saved, fe::Describe(*r_).c_str());
    QCOMPARE(box("txtH")->text() + box("txtNLC")->text(), QString(" 120 1"));
  }

  // A file in the other units selects them without the question; the
  // tooltips follow.
  void loadingAnSIFileSelectsSIWithoutAsking() {
    ui_->files << KELDOR_SOURCE_DIR "/tests/golden/review-irregular-si.in";
    trigger("mnuLoadInput");
    QCOMPARE(ui_->events.size(), 1);  // the dialog only
    QVERIFY(Child<QRadioButton>(tabs(), "optSI")->isChecked());
    QCOMPARE(box("txtFC")->text(), QString(" 28"));
    QCOMPARE(box("txtH")->toolTip(), QString("Enter wall design height in millimeters"));
  }

  void aFileThatCannotBeLoadedLeavesTheRecord() {
    keldor_test::TempFolder dir;
    keldor_test::WriteFile(dir / "bad.in", "1,1,1\r\n");
    const InputRecord before = *r_;
    ui_->files << QString::fromStdString(dir / "bad.in");
    trigger("mnuLoadInput");
    QCOMPARE(ui_->events.mid(1), QStringList({"beep", "ok: Error loading input file\n\nCannot load file " +
                                                          QString::fromStdString(dir / "bad.in") +
                                                          ": the file ends before the program options"}));
    QVERIFY(*r_ == before);
  }

  void exitEndsTheProgramAtOnceWithoutAQuestion() {
    TypeInto(box("txtH"), "120");  // unsaved input: still no question
    QTimer::singleShot(0, this, [this] { trigger("mnuExit"); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(ui_->events.isEmpty());
  }

  void viewCommandsNeedTheirFile() {
    trigger("mnuVinput");
    trigger("mnuVoutput");
    r_->INPATH = "/nonexistent/gone.in";
    trigger("mnuVinput");
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Please specify input file name", "beep",
                                       "ok: Please specify output file name",
                                       "info: Unable to view input file\n\n/nonexistent/gone.in: no such file"}));
    QVERIFY(w_->viewer(gui::ViewedFile::Input)->isHidden());
  }
};

QTEST_MAIN(MainWindowTest)
#include "gui_window_test.moc"
