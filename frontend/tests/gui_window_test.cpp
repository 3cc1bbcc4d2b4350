// The main window and the record editors, driven as a person drives them:
// start-up state, relabelling, enabling, the units question, typing into
// boxes and count boxes, the editors, resets, files through the dialogs.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "about_window.h"
#include "help_window.h"
#include "input_defaults.h"
#include "input_file.h"
#include "main_window.h"
#include "record_editor.h"
#include "record_fields.h"
#include "recording_ui.h"
#include "test_support.h"
#include "text_viewer.h"
#include "title_window.h"

using fe::CountGroup;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<fe::InputRecord> r_;
  std::unique_ptr<RecordingUi> ui_;
  std::unique_ptr<gui::frmMain> w_;

  QWidget* tabs() const { return Child<QTabWidget>(w_.get(), "SSTabinter"); }
  QLineEdit* box(const char* name) const { return Child<QLineEdit>(tabs(), name); }
  QRadioButton* opt(const char* name) const { return Child<QRadioButton>(tabs(), name); }
  QGroupBox* fra(const char* name) const { return Child<QGroupBox>(tabs(), name); }
  QLabel* lbl(const char* name) const { return Child<QLabel>(tabs(), name); }
  QAction* mnu(const char* name) const { return Child<QAction>(w_.get(), name); }
  gui::RecordEditor* editor(CountGroup g) const { return w_->editor(g); }
  QLineEdit* editorBox(CountGroup g, const char* name) const {
    return Child<QLineEdit>(editor(g), name);
  }
  void click(gui::RecordEditor* e, const char* button) const {
    QTest::mouseClick(Child<QAbstractButton>(e, button), Qt::LeftButton);
  }
  // Every box of the main window with its text.
  QStringList boxTexts() const {
    QStringList out;
    for (QLineEdit* b : tabs()->findChildren<QLineEdit*>()) out << b->objectName() + "=" + b->text();
    return out;
  }

 private slots:
  void init() {
    r_ = std::make_unique<fe::InputRecord>();
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
    QCOMPARE(r_->IUNITS, 1);
    QCOMPARE(r_->IMODE, 1);
    QCOMPARE(r_->IDESIGN, 1);
    QCOMPARE(r_->ISOIL, 1);
    QCOMPARE(r_->IFOOT, 1);
    QCOMPARE(r_->IOPTIM, 1);
    QCOMPARE(r_->PHI, 0.0f);
    QCOMPARE(r_->KA, 0.3f);
    QCOMPARE(r_->BW, 2.4f);
    QCOMPARE(r_->TF, 15.0f);
    QCOMPARE(r_->WT, 0.0f);
    QCOMPARE(r_->WF, 0.0f);
    QCOMPARE(r_->NLC + r_->NSEG + r_->NSUR + r_->NROWS, 0);
    QCOMPARE(r_->INFILE.trimmedRight(), std::string("None"));
    QCOMPARE(r_->TITLE.trimmedRight(), std::string("Keldor Program Output"));
    QVERIFY(r_->INPATH.empty());
    QVERIFY(!r_->Refreshing);

    for (const char* o : {"optEnglish", "optDesign", "optUS", "optConst", "optSpread", "optVOLUME",
                          "optSLNo"})
      QVERIFY2(opt(o)->isChecked(), o);
    QVERIFY(!fra("fraVOL")->isHidden());
    for (const char* name : {"txtPHI", "txtNSEG", "cmdViewSeg", "fraISur", "fraRebar", "fraPILE",
                             "fraPC", "fraPILEP", "fraPILEV"})
      QVERIFY2(!Child<QWidget>(tabs(), name)->isEnabled(), name);
    QCOMPARE(lbl("lblBWMIN")->text(), QString("Min wall batter:"));
    QCOMPARE(lbl("lblTFMIN")->text(), QString("Min footing thickness:"));
    QCOMPARE(lbl("lblWTMAX")->text(), QString("Max toe width:"));
    QCOMPARE(lbl("lblWHMAX")->text(), QString("Max heel width:"));
    QCOMPARE(w_->panelText(1), QString("No input file specified"));
    QCOMPARE(w_->panelText(2), QString("No output file specified"));
    QCOMPARE(box("txtFC")->text(), QString(" 4000"));
    QCOMPARE(box("txtRHOC")->text(), QString(" .0868"));
    QCOMPARE(box("txtNLC")->text(), QString(" 0"));
    QCOMPARE(box("txtFC")->toolTip(), QString("Enter concrete compressive strength in lb/in^2"));
    QVERIFY(ui_->events.isEmpty());  // no units question at start-up
  }

  void tabsMenusAndStatusBarCarryTheirCaptions() {
    auto* t = Child<QTabWidget>(w_.get(), "SSTabinter");
    QStringList captions;
    for (int i = 0; i < t->count(); ++i) captions << t->tabText(i);
    QCOMPARE(captions, QStringList({"Program Options", "&Material Properties", "Soil Parameters",
                                    "Loads", "Soil Configuration", "Wall Configuration",
                                    "&Rebar Configuration", "Spread Footing", "Pile Footing"}));
    const QList<QPair<const char*, const char*>> menus = {
        {"mnuLoadInput", "&Load Input"}, {"mnuInput", "&Input As"},
        {"mnuOutput", "&Output As"}, {"mnuDOutT", "&Output Title (optional)"},
        {"mnuExit", "&Exit"}, {"mnuResetAll", "&All"}, {"mnuResetOptions", "Program &Options"},
        {"mnuResetMaterial", "&Material Properties"}, {"mnuResetSoil", "&Soil Parameters"},
        {"mnuResetLoads", "&Loads"}, {"mnuResetSConfig", "Soil &Configuration"},
        {"mnuResetWConfig", "&Wall Configuration"}, {"mnuResetRConfig", "&Rebar Configuration"},
        {"mnuResetSpread", "Spread &Footing"}, {"mnuResetPile", "&Pile Footing"},
        {"mnuVinput", "&Input File"}, {"mnuVoutput", "&Output File"},
        {"mnuVkeldordat", "&Keldor.dat"}, {"mnuRunKeldor", "&Keldor"},
        {"mnuContents", "&Contents"}, {"mnuAbout", "&About Program KELDOR"}};
    for (const auto& [name, caption] : menus) QCOMPARE(mnu(name)->text(), QString(caption));
    for (const auto& [name, caption] :
         QList<QPair<const char*, const char*>>{{"mnuFile", "&File"}, {"mnuSave", "&Save"},
                                                {"mnuDefine", "&Define"}, {"mnuReset", "&Reset"},
                                                {"mnuView", "&View"}, {"mnuRun", "&Run"},
                                                {"mnuHelp", "&Help"}})
      QCOMPARE(Child<QMenu>(w_.get(), name)->title(), QString(caption));
    QCOMPARE(Child<QPushButton>(tabs(), "cmdViewLC")->text(), QString("View &Combinations"));
    QCOMPARE(fra("fraCSFC")->title(), QString("CONC/SOIL FRICTION COEFFICIENT"));
    QVERIFY(w_->findChild<QWidget*>("SBFiles") != nullptr);
    // No Close command in the title bar, and closing from outside is refused.
    QVERIFY(!(w_->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!w_->close());
  }

  void reviewRelabelsTheWallAndEnablesTheRebar() {
    opt("optReview")->click();
    QCOMPARE(r_->IMODE, 2);
    QCOMPARE(lbl("lblBWMIN")->text(), QString("Wall batter:"));
    QCOMPARE(lbl("lblTFMIN")->text(), QString("Footing thickness:"));
    QCOMPARE(lbl("lblWTMAX")->text(), QString("Toe width:"));
    QCOMPARE(lbl("lblWHMAX")->text(), QString("Footing width:"));
    QVERIFY(lbl("lblWTMIN")->isHidden());
    QVERIFY(box("txtWTMIN")->isHidden());
    QVERIFY(fra("fraRebar")->isEnabled());
    QVERIFY(fra("fraVOL")->isHidden());
    // The review toe and footing widths were 0: they take the design limits.
    QCOMPARE(r_->WT, 500.0f);
    QCOMPARE(box("txtWTMAX")->text(), QString(" 500"));

    opt("optDesign")->click();
    QCOMPARE(lbl("lblWHMAX")->text(), QString("Max heel width:"));
    QVERIFY(!box("txtWTMIN")->isHidden());
    QVERIFY(!fra("fraRebar")->isEnabled());
    QVERIFY(!fra("fraVOL")->isHidden());
  }

  void switchingModeKeepsEachMemberOfThePairsItsOwnValue() {
    r_->WT = 25;
    r_->WF = 90;
    TypeInto(box("txtWTMAX"), "40");
    opt("optReview")->click();
    // The refresh writes the review value into the toe box and stores it back
    // into the review member, never into the design limit.
    QCOMPARE(box("txtWTMAX")->text(), QString(" 25"));
    QCOMPARE(r_->WT, 25.0f);
    QCOMPARE(r_->WTMAX, 40.0f);
    QCOMPARE(r_->WHMAX, 500.0f);
    opt("optDesign")->click();
    QCOMPARE(box("txtWTMAX")->text(), QString(" 40"));
    QCOMPARE(r_->WT, 25.0f);
    QCOMPARE(box("txtWHMAX")->text(), QString(" 500"));
    QCOMPARE(r_->WF, 90.0f);
  }

  void pileFootingEnablesByMode() {
    opt("optPile")->click();
    QCOMPARE(r_->IFOOT, 2);
    for (const char* f : {"fraQ", "fraCSFC", "fraSL", "fraOT"}) QVERIFY2(!fra(f)->isEnabled(), f);
    for (const char* f : {"fraPILE", "fraPILEP", "fraPILEV"}) QVERIFY2(fra(f)->isEnabled(), f);
    QVERIFY(!fra("fraPC")->isEnabled());  // design: the layout is searched for
    QVERIFY(box("txtPILEME")->isEnabled());
    QVERIFY(fra("fraVOL")->isHidden());

    opt("optReview")->click();
    for (const char* b : {"txtPILEME", "txtPILEMS", "txtPILEBAT"}) QVERIFY2(!box(b)->isEnabled(), b);
    QVERIFY(fra("fraPC")->isEnabled());
  }

  void pileDefaultsReturnOnlyWithoutAnAxialCapacity() {
    r_->PILEP = 0;
    r_->PILEDIA = 7;
    opt("optPile")->click();
    QCOMPARE(r_->PILEDIA, 12.0f);  // PILEP was 0: every pile default is back
    opt("optSpread")->click();
    r_->PILEDIA = 7;
    opt("optPile")->click();
    QCOMPARE(r_->PILEDIA, 7.0f);
  }

  void irregularBackfillSwapsTheEnabledBoxesAndKeepsSlopeTexts() {
    TypeInto(box("txtBETA"), "18.4");
    opt("optIrreg")->click();
    for (const char* name : {"txtPHI", "txtAH", "txtAV", "txtNSEG", "cmdViewSeg", "fraISur"})
      QVERIFY2(Child<QWidget>(tabs(), name)->isEnabled(), name);
    for (const char* name : {"txtKA", "txtKAEQ", "txtBETA", "fraSur"})
      QVERIFY2(!Child<QWidget>(tabs(), name)->isEnabled(), name);
    r_->BETA = 0;
    w_->RefreshWindow();
    QCOMPARE(box("txtBETA")->text(), QString("18.4"));  // an irregular refresh leaves it
  }

  void unitsQuestionAnsweredYesLoadsTheSIDefaults() {
    ui_->answers << true;
    r_->KA = 0.25f;
    opt("optSI")->click();
    QCOMPARE(ui_->events,
             QStringList({"question: Program Units: Would you like to change to SI default "
                          "parameters?\rThis will overwrite any parameters you have specified."}));
    QCOMPARE(r_->IUNITS, 2);
    QCOMPARE(r_->FC, 25.0f);
    QCOMPARE(r_->TWMIN, 300.0f);
    QCOMPARE(r_->WTMAX, 10000.0f);
    QCOMPARE(r_->WHMAX, 10000.0f);
    QCOMPARE(r_->Q, 0.1436f);
    QCOMPARE(r_->KA, 0.25f);  // soil parameters and options stay
    QCOMPARE(r_->YE, 0.333f);
    QCOMPARE(r_->IMODE, 1);
    QCOMPARE(box("txtFC")->text(), QString(" 25"));
    QCOMPARE(box("txtFC")->toolTip(), QString("Enter concrete compressive strength in N/mm^2 (MPa)"));
    QCOMPARE(editorBox(CountGroup::PileRows, "txtPILEX")->toolTip(),
             QString("Enter distance to toe in millimeters"));
  }

  void unitsQuestionAnsweredNoChangesOnlyTheTooltips() {
    const QStringList before = boxTexts();
    opt("optSI")->click();
    QCOMPARE(ui_->events.size(), 1);
    QCOMPARE(r_->IUNITS, 2);
    QCOMPARE(r_->FC, 4000.0f);
    QCOMPARE(boxTexts(), before);
    QCOMPARE(box("txtPDX")->toolTip(), QString("Enter distance in millimeters"));
    QCOMPARE(box("txtPILEP")->toolTip(), QString("Enter allowable pile load in Newtons"));
    QCOMPARE(box("txtPILEBAT")->toolTip(), QString("Enter pile batter angle in degrees'"));
    // Back to English: asked again, in English.
    opt("optEnglish")->click();
    QVERIFY(ui_->events.last().startsWith("question: Program Units: Would you like to change to "
                                          "English default parameters?\r"));
    QCOMPARE(box("txtPDX")->toolTip(), QString("Enter distance in inches"));
  }

  void typedNumbersAreStoredAtOnce() {
    TypeInto(box("txtRHOC"), ".09");
    QCOMPARE(r_->RHOC, 0.09f);
    TypeInto(box("txtFC"), "5000psi");  // reading stops at the first other character
    QCOMPARE(r_->FC, 5000.0f);
    TypeInto(box("txtFS"), "abc");
    QCOMPARE(r_->FS, 0.0f);
    // The batter box stores both members in design; the toe box only the limit.
    TypeInto(box("txtBWMIN"), "3");
    QCOMPARE(r_->BWMIN, 3.0f);
    QCOMPARE(r_->BW, 3.0f);
    TypeInto(box("txtWTMAX"), "40");
    QCOMPARE(r_->WTMAX, 40.0f);
    QCOMPARE(r_->WT, 0.0f);
    opt("optReview")->click();
    TypeInto(box("txtWTMAX"), "30");
    QCOMPARE(r_->WT, 30.0f);
    QCOMPARE(r_->WTMAX, 40.0f);
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

  void countBoxesRecreateTheirArrays() {
    opt("optIrreg")->click();  // enables the segment and surcharge counts
    opt("optPile")->click();
    opt("optReview")->click();  // enables the pile rows
    TypeInto(box("txtNLC"), "3");
    QCOMPARE(r_->NLC, 3);
    QCOMPARE(r_->FD, fe::RecordArray(4, 0.0f));
    QCOMPARE(r_->FEQ.size(), std::size_t(4));
    r_->FD[2] = 1.4f;
    TypeInto(box("txtNLC"), "3");  // typed again: the factors are discarded
    QCOMPARE(r_->FD, fe::RecordArray(4, 0.0f));

    TypeInto(box("txtNSEG"), "2.5");
    QCOMPARE(r_->NSEG, 2);  // halves go to the even neighbour
    TypeInto(box("txtNSEG"), "3.5");
    QCOMPARE(r_->NSEG, 4);
    TypeInto(box("txtnsur"), "xy");
    QCOMPARE(r_->NSUR, 0);
    QVERIFY(ui_->events.isEmpty());

    TypeInto(box("txtNROWS"), "2");
    PasteInto(box("txtNROWS"), "40000");  // more records than the editors can count
    QCOMPARE(r_->NROWS, 2);
    QCOMPARE(ui_->events,
             QStringList({"beep", "ok: Number of rows of piles must be a whole number from 0 to "
                                  "32767"}));
    QCOMPARE(box("txtNROWS")->text(), QString(" 2"));
    QCOMPARE(r_->PILEX.size(), std::size_t(3));
  }

  void refreshNeverClearsAnArray() {
    TypeInto(box("txtNLC"), "2");
    r_->FD[1] = 1.4f;
    r_->FD[2] = 0.9f;
    opt("optReview")->click();  // refreshes, writing every count box
    mnu("mnuResetMaterial")->trigger();
    w_->RefreshWindow();
    QCOMPARE(r_->NLC, 2);
    QCOMPARE(r_->FD, fe::RecordArray({0.0f, 1.4f, 0.9f}));
    QVERIFY(!r_->Refreshing);
  }

  void resetMenusRestoreTheirSectionOnly() {
    TypeInto(box("txtFC"), "3000");
    TypeInto(box("txtQ"), "10");
    TypeInto(box("txtNLC"), "2");
    r_->TITLE.set("My wall");
    mnu("mnuResetMaterial")->trigger();
    QCOMPARE(r_->FC, 4000.0f);
    QCOMPARE(r_->Q, 10.0f);
    QCOMPARE(box("txtFC")->text(), QString(" 4000"));
    mnu("mnuResetAll")->trigger();
    QCOMPARE(r_->Q, 20.83f);
    QCOMPARE(r_->NLC, 0);
    QCOMPARE(box("txtNLC")->text(), QString(" 0"));
    QCOMPARE(r_->TITLE.trimmedRight(), std::string("My wall"));  // All keeps the title
  }

  void editorStepsThroughItsRecordsWithoutWrapping() {
    TypeInto(box("txtNLC"), "3");
    gui::RecordEditor* e = editor(CountGroup::LoadCombinations);
    QTest::mouseClick(Child<QPushButton>(tabs(), "cmdViewLC"), Qt::LeftButton);
    QVERIFY(e->isVisible());
    QCOMPARE(e->windowTitle(), QString("Load Combinations"));
    auto* heading = Child<QGroupBox>(e, "fraLCombo");
    QCOMPARE(heading->title(), QString("LOAD COMBINATION NO  1"));
    click(e, "SScmdNext");
    click(e, "SScmdNext");
    QCOMPARE(e->record(), 3);
    click(e, "SScmdNext");
    QCOMPARE(e->record(), 3);  // no wrap at the end
    QCOMPARE(heading->title(), QString("LOAD COMBINATION NO  3"));
    click(e, "SScmdPrevious");
    TypeInto(editorBox(CountGroup::LoadCombinations, "txtFD"), "1.2");
    QCOMPARE(r_->FD, fe::RecordArray({0.0f, 0.0f, 1.2f, 0.0f}));
    click(e, "SScmdPrevious");
    click(e, "SScmdPrevious");
    QCOMPARE(e->record(), 1);
    QCOMPARE(editorBox(CountGroup::LoadCombinations, "txtFD")->text(), QString(" 0"));
    click(e, "cmdClose");
    QVERIFY(e->isHidden());
    QTest::mouseClick(Child<QPushButton>(tabs(), "cmdViewLC"), Qt::LeftButton);
    QCOMPARE(e->record(), 1);  // reopening starts at record 1
    QVERIFY(!e->close());      // no Close command: only its own button puts it away
    QVERIFY(ui_->events.isEmpty());
  }

  void editorsRefuseToOpenWithoutRecords() {
    opt("optIrreg")->click();
    QTest::mouseClick(Child<QPushButton>(tabs(), "cmdViewSeg"), Qt::LeftButton);
    TypeInto(box("txtnsur"), "");
    QTest::mouseClick(Child<QPushButton>(tabs(), "cmdViewL"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(tabs(), "cmdViewLC"), Qt::LeftButton);
    opt("optPile")->click();
    opt("optReview")->click();
    QTest::mouseClick(Child<QPushButton>(tabs(), "cmdROWS"), Qt::LeftButton);
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Please enter number of irregular backfill segments",
                                       "beep", "ok: Please enter number of irregular surcharge loads",
                                       "beep", "ok: Please enter number of load combinations",
                                       "beep", "ok: Please enter number of rows of piles"}));
    for (CountGroup g : {CountGroup::GroundSegments, CountGroup::Surcharges,
                         CountGroup::LoadCombinations, CountGroup::PileRows})
      QVERIFY(editor(g)->isHidden());
  }

  void openEditorsKeepTheirOwnRecordAndCloseWhenTheirCountChanges() {
    opt("optIrreg")->click();
    TypeInto(box("txtNSEG"), "2");
    TypeInto(box("txtnsur"), "2");
    w_->openEditor(CountGroup::GroundSegments);
    w_->openEditor(CountGroup::Surcharges);
    click(editor(CountGroup::Surcharges), "SScmdNext");
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
    mnu("mnuResetSConfig")->trigger();
    QVERIFY(editor(CountGroup::GroundSegments)->isHidden());
    QCOMPARE(r_->LSEG.size(), std::size_t(3));
  }

  void editorTooltipsFollowTheUnits() {
    QCOMPARE(editorBox(CountGroup::GroundSegments, "txtLSEG")->toolTip(),
             QString("Enter segment length in inches"));
    QCOMPARE(Child<QToolButton>(editor(CountGroup::Surcharges), "SScmdNext")->toolTip(),
             QString("View next surcharge"));
    QCOMPARE(Child<QPushButton>(editor(CountGroup::PileRows), "cmdClose")->toolTip(),
             QString("Return to input form"));
    opt("optSI")->click();
    QCOMPARE(editorBox(CountGroup::Surcharges, "txtYSEND")->toolTip(),
             QString("Enter vertical distance to end of load in millimeters"));
    QCOMPARE(editorBox(CountGroup::LoadCombinations, "txtFSUR")->toolTip(),
             QString("Enter surcharge load factor"));
  }

  void titleWindowStoresEveryKey() {
    mnu("mnuDOutT")->trigger();
    gui::frmTitle* t = w_->titleWindow();
    QVERIFY(t->isVisible());
    QCOMPARE(t->windowTitle(), QString("Output Title"));
    auto* text = Child<QLineEdit>(t, "txtTitle");
    QCOMPARE(text->text(), QString("Keldor Program Output"));
    TypeInto(text, "Wall 7");
    QCOMPARE(r_->TITLE.str(), "Wall 7" + std::string(74, ' '));
    QVERIFY(!t->close());
    QTest::mouseClick(Child<QPushButton>(t, "Command1"), Qt::LeftButton);
    QVERIFY(t->isHidden());
  }

  void aboutAndHelpWindows() {
    mnu("mnuAbout")->trigger();
    gui::frmAbout* a = w_->aboutWindow();
    QVERIFY(a->isVisible());
    QCOMPARE(a->windowTitle(), QString("About Program KELDOR"));
    QCOMPARE(Child<QGroupBox>(a, "fraAbout")->title(), QString("Program KELDOR Version 1.42"));
    QTest::mouseClick(Child<QPushButton>(a, "cmdOK"), Qt::LeftButton);
    QVERIFY(a->isHidden());

    mnu("mnuContents")->trigger();
    QVERIFY(w_->helpWindow()->isVisible());
    const QString page = w_->helpWindow()->browser()->toPlainText();
    QVERIFY2(page.contains("Design or review"), qPrintable(page.left(200)));
    QVERIFY(page.contains("Reading the report"));
  }

  void cancelledDialogsChangeNothing() {
    const fe::InputRecord before = *r_;
    mnu("mnuLoadInput")->trigger();
    mnu("mnuOutput")->trigger();
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
    mnu("mnuInput")->trigger();  // start-up record: two validation messages, no dialog
    QCOMPARE(ui_->events, QStringList({"beep", "ok: No load combinations were specified", "beep",
                                       "ok: Design height must be greater than zero"}));
    ui_->events.clear();

    TypeInto(box("txtNLC"), "1");
    r_->FD[1] = 1.4f;
    TypeInto(box("txtH"), "120");
    ui_->files << path;
    mnu("mnuInput")->trigger();
    QCOMPARE(ui_->events.size(), 1);  // the dialog only
    QCOMPARE(w_->panelText(1), QString("Input file = wall.in"));
    QCOMPARE(r_->INPATH, path.toStdString());
    QVERIFY(keldor_test::Exists(path.toStdString()));

    const fe::InputRecord saved = *r_;
    TypeInto(box("txtH"), "99");
    TypeInto(box("txtNLC"), "4");
    ui_->files << path;
    mnu("mnuLoadInput")->trigger();
    QCOMPARE(r_->H, 120.0f);
    QCOMPARE(r_->FD, saved.FD);
    QCOMPARE(box("txtNLC")->text(), QString(" 1"));
    QCOMPARE(w_->panelText(1).trimmed(), QString("Input file = wall.in"));
  }

  void loadingAnSIFileSelectsSIWithoutAskingAndTooltipsFollow() {
    keldor_test::TempFolder dir;
    fe::InputRecord si;
    fe::InitialiseInput(si, 2);
    si.NLC = 1;
    si.FD = si.FL = si.FE = si.FSUR = si.FW = si.FEQ = fe::RecordArray(2, 1.0f);
    si.H = 3000;
    std::string error;
    QVERIFY(fe::SaveInputFile(si, dir / "si.in", &error));
    ui_->files << QString::fromStdString(dir / "si.in");
    mnu("mnuLoadInput")->trigger();
    QCOMPARE(ui_->events.size(), 1);  // the dialog; no units question
    QVERIFY(opt("optSI")->isChecked());
    QCOMPARE(box("txtFC")->text(), QString(" 25"));
    QCOMPARE(box("txtH")->toolTip(), QString("Enter wall design height in millimeters"));
  }

  void aFileThatCannotBeLoadedLeavesTheRecord() {
    keldor_test::TempFolder dir;
    keldor_test::WriteFile(dir / "bad.in", "1,1,1\r\n");
    const fe::InputRecord before = *r_;
    ui_->files << QString::fromStdString(dir / "bad.in");
    mnu("mnuLoadInput")->trigger();
    QCOMPARE(ui_->events.size(), 3);
    QCOMPARE(ui_->events[1], QString("beep"));
    QVERIFY2(ui_->events[2].startsWith("ok: Error loading input file\n\nCannot load file " +
                                       QString::fromStdString(dir / "bad.in")),
             qPrintable(ui_->events[2]));
    QVERIFY(*r_ == before);
  }

  void exitEndsTheProgramAtOnceWithoutAQuestion() {
    TypeInto(box("txtH"), "120");  // unsaved input: still no question
    QTimer::singleShot(0, this, [this] { mnu("mnuExit")->trigger(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(ui_->events.isEmpty());
  }

  void viewCommandsNeedTheirFile() {
    keldor_test::TempFolder dir;
    mnu("mnuVinput")->trigger();
    mnu("mnuVoutput")->trigger();
    QCOMPARE(ui_->events, QStringList({"beep", "ok: Please specify input file name", "beep",
                                       "ok: Please specify output file name"}));
    ui_->events.clear();
    r_->INPATH = dir / "gone.in";
    mnu("mnuVinput")->trigger();
    QCOMPARE(ui_->events, QStringList({"info: Unable to view input file\n\n" +
                                       QString::fromStdString(dir / "gone.in") +
                                       ": no such file"}));
    QVERIFY(w_->viewer(gui::ViewedFile::Input)->isHidden());
  }
};

QTEST_MAIN(MainWindowTest)
#include "gui_window_test.moc"
