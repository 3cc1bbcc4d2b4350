// Everyday editing in the windows: undo and redo of every kind of edit give
// back the exact record, typing is one step however many keys it took, and
// the keys work from inside a box and from the editors.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <memory>

#include "box_text.h"
#include "record_fields.h"
#include "record_table.h"
#include "recording_ui.h"
#include "about_window.h"
#include "help_window.h"
#include "text_viewer.h"
#include "title_window.h"

using fe::CountGroup;
using fe::InputRecord;

namespace {

QLineEdit* EditorBox(Screen& s, CountGroup g, const char* name) {
  return Child<QLineEdit>(s.w.editor(g), name);
}

// The records are the same input (the record an editor shows may differ).
bool Same(const InputRecord& a, const InputRecord& b) {
  InputRecord c = a;
  c.CurrentRecord = b.CurrentRecord;
  return c == b;
}

struct Edit {
  const char* name;
  void (*prepare)(Screen&);  // before the edit; not undone
  void (*apply)(Screen&);    // the edit, undone in one step
  const char* undoText;      // the Undo item after the edit
};

// Every caption with an access key in the window, and in each of its menus,
// by scope ("frmMain", "frmMain/File", ...); the access keys used twice in
// one scope, as "scope: Alt+R &Reset / &Run".
QStringList DuplicateAccessKeys(QWidget* window) {
  QStringList found;
  const auto check = [&found](const QString& scope, const QStringList& captions) {
    QHash<QString, QString> seen;
    for (const QString& c : captions) {
      const QString key = QKeySequence::mnemonic(c).toString();
      if (key.isEmpty()) continue;
      if (seen.contains(key)) found << scope + ": " + key + " " + seen[key] + " / " + c;
      seen.insert(key, c);
    }
  };
  const auto mine = [window](QWidget* w) { return w->window() == window; };
  QStringList captions;
  QList<QMenu*> menus;
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
    if (mine(b)) captions << b->text();
  for (QLabel* l : window->findChildren<QLabel*>())
    if (mine(l) && l->buddy() != nullptr) captions << l->text();
  for (QGroupBox* g : window->findChildren<QGroupBox*>())
    if (mine(g)) captions << g->title();
  for (QTabBar* t : window->findChildren<QTabBar*>())
    if (mine(t))
      for (int i = 0; i < t->count(); ++i) captions << t->tabText(i);
  for (QMenuBar* bar : window->findChildren<QMenuBar*>())
    if (mine(bar))
      for (QAction* a : bar->actions()) {
        captions << a->text();
        if (a->menu() != nullptr) menus << a->menu();
      }
  check(window->objectName(), captions);
  while (!menus.isEmpty()) {
    QMenu* m = menus.takeFirst();
    QStringList items;
    for (QAction* a : m->actions()) {
      if (a->isSeparator()) continue;
      items << a->text();
      if (a->menu() != nullptr) menus << a->menu();
    }
    check(window->objectName() + "/" + QString(m->title()).remove('&'), items);
  }
  return found;
}

void Nothing(Screen&) {}

void ThreeCombinations(Screen& s) {
  Enter(s.box("txtNLC"), "3");
  s.w.openEditor(CountGroup::LoadCombinations);
  Press(s.w.editor(CountGroup::LoadCombinations), "SScmdNext");
  Enter(EditorBox(s, CountGroup::LoadCombinations, "txtFD"), "1.4");
}

const Edit kEdits[] = {
    {"box", Nothing, [](Screen& s) { Enter(s.box("txtH"), "150"); }, "&Undo Design height"},
    // Many keys, one step.
    {"box typed key by key", Nothing,
     [](Screen& s) {
       s.box("txtFC")->selectAll();
       for (const char* k : {"5", "0", "0", "0"}) QTest::keyClicks(s.box("txtFC"), k);
       QTest::keyClick(s.box("txtFC"), Qt::Key_Return);
     },
     "&Undo Concrete compressive strength"},
    {"paired box", Nothing, [](Screen& s) { Enter(s.box("txtTFMIN"), "30"); },
     "&Undo Min footing thickness"},
    {"a caption used twice names its frame", Nothing, [](Screen& s) { Enter(s.box("txtQW"), "30"); },
     "&Undo Wind loads (soil bearing pressure)"},
    {"review mode", Nothing, [](Screen& s) { s.click("optReview"); }, "&Undo Review"},
    {"pile footing", Nothing, [](Screen& s) { s.click("optPile"); }, "&Undo Pile footing"},
    {"irregular backfill", Nothing, [](Screen& s) { s.click("optIrreg"); },
     "&Undo Irregular backfill"},
    {"working stress", Nothing, [](Screen& s) { s.click("optWS"); }, "&Undo Working stress"},
    {"sliding option", Nothing, [](Screen& s) { s.click("optSLYes"); }, "&Undo Sliding option Yes"},
    {"units, answered Yes", Nothing,
     [](Screen& s) {
       s.ui.answers << true;
       s.click("optSI");
     },
     "&Undo SI units"},
    {"units, answered No", Nothing, [](Screen& s) { s.click("optSI"); }, "&Undo SI units"},
    {"units converted", ThreeCombinations, [](Screen& s) { s.trigger("mnuConvertUnits"); },
     "&Undo Convert to SI Units"},
    {"count grows", ThreeCombinations, [](Screen& s) { Enter(s.box("txtNLC"), "5"); },
     "&Undo Number of load combinations"},
    {"count shrinks", ThreeCombinations, [](Screen& s) { Enter(s.box("txtNLC"), "1"); },
     "&Undo Number of load combinations"},
    {"count emptied", ThreeCombinations, [](Screen& s) { Enter(s.box("txtNLC"), ""); },
     "&Undo Number of load combinations"},
    {"record editor", ThreeCombinations,
     [](Screen& s) { Enter(EditorBox(s, CountGroup::LoadCombinations, "txtFEQ"), "0.75"); },
     "&Undo Seismic load (Load Combinations)"},
    {"title", Nothing,
     [](Screen& s) {
       s.trigger("mnuDOutT");
       Enter(Child<QLineEdit>(s.w.titleWindow(), "txtTitle"), "Abutment A");
     },
     "&Undo Output title (Output Title)"},
    {"reset all", ThreeCombinations, [](Screen& s) { s.trigger("mnuResetAll"); },
     "&Undo Reset All"},
    {"reset options", [](Screen& s) { s.click("optReview"); s.click("optPile"); },
     [](Screen& s) { s.trigger("mnuResetOptions"); }, "&Undo Reset Program Options"},
    {"reset material", [](Screen& s) { Enter(s.box("txtFC"), "5000"); },
     [](Screen& s) { s.trigger("mnuResetMaterial"); }, "&Undo Reset Material Properties"},
    {"reset loads", ThreeCombinations, [](Screen& s) { s.trigger("mnuResetLoads"); },
     "&Undo Reset Loads"},
    {"reset rebar", [](Screen& s) { s.click("optReview"); Enter(s.box("txtASW"), "0.5"); },
     [](Screen& s) { s.trigger("mnuResetRConfig"); }, "&Undo Reset Rebar Configuration"},
};

// A group's table: its options, a column, its box and heading, 7 in SI.
struct Table {
  CountGroup group;
  const char* count;
  QStringList options;
  int column;
  fe::RecordArray InputRecord::*array;
  const char* box;
  const char* heading;
  const char* undoText;
  const char* sevenInSI;
  const char* menuAction;  // View > Tables
};
const Table kTables[] = {
    {CountGroup::LoadCombinations, "txtNLC", {}, 5, &InputRecord::FEQ, "txtFEQ", "EQ",
     "&Undo Seismic load 2 (Load Combinations Table)", "7", "mnuTableLC"},
    {CountGroup::GroundSegments, "txtNSEG", {"optIrreg"}, 0, &InputRecord::LSEG, "txtLSEG",
     "Length (in)", "&Undo Length 2 (Ground Segments Table)", "177.8", "mnuTableSeg"},
    {CountGroup::Surcharges, "txtnsur", {"optIrreg"}, 3, &InputRecord::XSEND, "txtXSEND",
     "XEnd (in)", "&Undo XEnd 2 (Irregular Surcharge Loads Table)", "177.8", "mnuTableL"},
    {CountGroup::PileRows, "txtNROWS", {"optPile", "optReview"}, 2, &InputRecord::PILES,
     "txtPILES", "Spacing (in)", "&Undo Longitudinal spacing 2 (Pile Layout Table)", "177.8",
     "mnuTableROWS"},
};

}  // namespace

class EditTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Screen> s_;
  QAction* undo() const { return Child<QAction>(&s_->w, "mnuUndo"); }
  QAction* redo() const { return Child<QAction>(&s_->w, "mnuRedo"); }

 private slots:
  void init() { s_ = std::make_unique<Screen>(); }
  void cleanup() { s_.reset(); }

  // Each kind of edit: Undo gives back the record before it, Redo the record
  // after it, exactly; the window shows it each time, asking nothing.
  void undoAndRedoOfEachKindOfEdit_data() {
    QTest::addColumn<int>("edit");
    for (int i = 0; i < int(std::size(kEdits)); ++i) QTest::newRow(kEdits[i].name) << i;
  }
  void undoAndRedoOfEachKindOfEdit() {
    QFETCH(int, edit);
    const Edit& e = kEdits[edit];
    e.prepare(*s_);
    const InputRecord before = s_->r;
    const QString boxesBefore = gui::Display(before.FC) + gui::Display(before.NLC);
    e.apply(*s_);
    const InputRecord after = s_->r;
    QVERIFY2(!fe::SameInput(before, after), "the edit changed nothing");
    QCOMPARE(undo()->text(), QString(e.undoText));

    s_->ui.events.clear();
    undo()->trigger();  // asks nothing, not even the units question
    QVERIFY2(Same(s_->r, before), fe::Describe(s_->r).c_str());
    QCOMPARE(s_->box("txtFC")->text() + s_->box("txtNLC")->text(), boxesBefore);
    QVERIFY(s_->ui.events.isEmpty());
    QVERIFY(redo()->isEnabled());
    QCOMPARE(redo()->text(), QString(e.undoText).replace("&Undo", "&Redo"));
    redo()->trigger();
    QVERIFY2(Same(s_->r, after), fe::Describe(s_->r).c_str());
    undo()->trigger();
    QVERIFY2(Same(s_->r, before), fe::Describe(s_->r).c_str());
  }

  // A table's cell is stored as a box is, as one edit; the table and the
  // editor show each other's edits, and the table follows the record.
  void tablesEditInPlaceAndFollowTheRecord_data() {
    QTest::addColumn<int>("table");
    for (int i = 0; i < int(std::size(kTables)); ++i) QTest::newRow(kTables[i].box) << i;
  }
  void tablesEditInPlaceAndFollowTheRecord() {
    QFETCH(int, table);
    const Table& t = kTables[table];
    // View > Tables offers the table only while the options use the group.
    const auto offered = [this, &t] {
      emit Child<QMenu>(&s_->w, "mnuTables")->aboutToShow();
      return Child<QAction>(&s_->w, t.menuAction)->isEnabled();
    };
    QCOMPARE(offered(), t.options.isEmpty());
    for (const QString& o : t.options) s_->click(qPrintable(o));
    QVERIFY(offered());
    Enter(s_->box(t.count), "2");
    s_->w.openEditor(t.group);
    Press(s_->w.editor(t.group), "SScmdNext");
    s_->w.openTable(t.group);
    QTableWidget* grid = s_->w.table(t.group)->grid();
    const auto cell = [grid, &t](int row) { return grid->item(row, t.column)->text(); };
    QCOMPARE(grid->horizontalHeaderItem(t.column)->text(), QString(t.heading));
    EnterCell(grid, 1, t.column, "12ft");
    QCOMPARE((s_->r.*t.array)(2), 12.0f);
    QCOMPARE(cell(1) + EditorBox(*s_, t.group, t.box)->text(), QString("12 12"));
    QCOMPARE(undo()->text(), QString(t.undoText));
    undo()->trigger();
    QCOMPARE((s_->r.*t.array), fe::RecordArray({0.0f, 0.0f}));
    QCOMPARE(cell(1) + EditorBox(*s_, t.group, t.box)->text(), QString("0 0"));
    Enter(EditorBox(*s_, t.group, t.box), "7");
    QCOMPARE(cell(1), QString("7"));
    Enter(s_->box(t.count), "3");
    QCOMPARE(grid->rowCount(), 3);
    undo()->trigger();
    QCOMPARE(grid->rowCount(), 2);
    s_->trigger("mnuConvertUnits");
    QCOMPARE(cell(1), QString(t.sevenInSI));
    QCOMPARE(grid->horizontalHeaderItem(t.column)->text(), QString(t.heading).replace("(in)", "(mm)"));
    QVERIFY(s_->ui.events.isEmpty());
  }

  // Alt and a letter does one thing in each window and in each menu: every
  // window of the program, the record editors, the viewer and help included.
  void noAccessKeyIsUsedTwiceInAnyWindow() {
    s_->load(KELDOR_SOURCE_DIR "/tests/golden/design-spread-english.in");
    s_->trigger("mnuVinput");
    s_->trigger("mnuContents");
    s_->trigger("mnuAbout");
    s_->trigger("mnuDOutT");
    QList<QWidget*> windows = {&s_->w, s_->w.titleWindow(), s_->w.aboutWindow(), s_->w.helpWindow(),
                               s_->w.viewer(gui::ViewedFile::Input)};
    for (CountGroup g : {CountGroup::LoadCombinations, CountGroup::GroundSegments,
                         CountGroup::Surcharges, CountGroup::PileRows})
      windows << s_->w.editor(g) << s_->w.table(g);
    QStringList duplicates;
    for (QWidget* w : windows) {
      QVERIFY(w != nullptr);
      duplicates << DuplicateAccessKeys(w);
    }
    QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join("\n")));
    // The captions that gave up their letter to Run and Define.
    QCOMPARE(Child<QMenu>(&s_->w, "mnuReset")->title(), QString("Rese&t"));
    QCOMPARE(s_->tabs()->findChild<QTabBar*>()->tabText(6), QString("Re&bar Configuration"));
  }

  // The conversion asks nothing, shows the converted numbers with their new
  // units, and converting back gives the numbers typed, to float rounding.
  void convertingTheUnitsKeepsTheInput() {
    Enter(s_->box("txtH"), "120");
    s_->click("optPile");
    s_->click("optReview");  // the pile layout is entered in review mode
    Enter(s_->box("txtNROWS"), "1");
    s_->w.openEditor(CountGroup::PileRows);
    Enter(EditorBox(*s_, CountGroup::PileRows, "txtPILES"), "72");
    QVERIFY(s_->w.editor(CountGroup::PileRows)->isVisible());
    QAction* convert = Child<QAction>(&s_->w, "mnuConvertUnits");
    QCOMPARE(convert->text(), QString("&Convert Input to SI Units"));
    s_->ui.events.clear();
    convert->trigger();
    QVERIFY(s_->ui.events.isEmpty());
    QVERIFY(Child<QRadioButton>(s_->tabs(), "optSI")->isChecked());
    QCOMPARE(s_->box("txtH")->text() + " " + Child<QLabel>(s_->tabs(), "unitH")->text(),
             QString(" 3048 mm  = 3.048 m"));
    QCOMPARE(s_->r.PILES, fe::RecordArray({1828.8f}));
    QCOMPARE(EditorBox(*s_, CountGroup::PileRows, "txtPILES")->text(), QString(" 1828.8"));
    QCOMPARE(s_->box("txtH")->toolTip(), QString("Enter wall design height in millimeters"));
    QCOMPARE(convert->text(), QString("&Convert Input to English Units"));
    convert->trigger();
    // Within float rounding: .0868 lb/in³ comes back as the float next to it.
    QCOMPARE(s_->box("txtH")->text() + s_->box("txtFC")->text() + s_->box("txtRHOC")->text(),
             QString(" 120 4000 .08679999"));
    QCOMPARE(s_->r.PILES, fe::RecordArray({72.0f}));
  }

  // A text that is not all number is marked at once, with the value taken;
  // the mark goes when the text is all number again.
  void typedTextThatIsNotAllNumberIsMarked() {
    QLineEdit* h = s_->box("txtH");
    TypeInto(h, "12ft");
    auto* mark = h->findChild<QAction*>("actIgnoredText");
    QVERIFY(mark != nullptr && mark->isVisible());
    QCOMPARE(mark->toolTip(), QString("Taken as 12; \"ft\" is ignored"));
    QCOMPARE(s_->r.H, 12.0f);
    TypeInto(h, "1,5");
    QCOMPARE(mark->toolTip(), QString("Taken as 1; \",5\" is ignored"));
    TypeInto(h, "15");
    QVERIFY(!mark->isVisible());
    Enter(s_->box("txtNLC"), "1");
    s_->w.openEditor(CountGroup::LoadCombinations);
    QLineEdit* fd = EditorBox(*s_, CountGroup::LoadCombinations, "txtFD");
    TypeInto(fd, "x");
    QCOMPARE(fd->findChild<QAction*>("actIgnoredText")->toolTip(), QString("Taken as 0; \"x\" is ignored"));
  }

  // Loading and saving put the file first in File > Recent Files, kept in
  // the settings (here a test folder); choosing it loads it again.
  void recentFilesAndTheUndoHistoryOfALoadedFile() {
    QSettings("Keldor", "Keldor").remove("recentInputFiles");
    const QString golden = KELDOR_SOURCE_DIR "/tests/golden/design-spread-english.in";
    s_->load(golden);
    QCOMPARE(Child<QAction>(&s_->w, "mnuRecent1")->text(), QString("&1 design-spread-english.in"));
    // A loaded file starts a new history; undoing back to the input saved
    // ends the unsaved state.
    QVERIFY(!undo()->isEnabled());
    Enter(s_->box("txtH"), "150");
    QVERIFY(s_->w.isWindowModified());
    undo()->trigger();
    QVERIFY(!s_->w.isWindowModified());
    redo()->trigger();
    QVERIFY(s_->w.isWindowModified());
    s_->ui.saveAnswers << gui::SaveChoice::Discard;
    s_->trigger("mnuRecent1");
    QCOMPARE(s_->r.H, 168.0f);  // the file's, the edit discarded
    QCOMPARE(QSettings("Keldor", "Keldor").value("recentInputFiles").toStringList(),
             QStringList({QFileInfo(golden).absoluteFilePath()}));
    // A second window, as at the next start, shows the list.
    Screen next;
    QCOMPARE(Child<QAction>(&next.w, "mnuRecent1")->toolTip(), QFileInfo(golden).absoluteFilePath());
    QVERIFY(QSettings("Keldor", "Keldor").fileName().startsWith(QDir::tempPath()));
  }

  // Ctrl+Z inside a box undoes the typing not yet committed (the box's own
  // undo would take back one key at a time); Ctrl+Shift+Z makes it again.
  void theKeysWorkInsideABoxAndInAnEditor() {
    Enter(s_->box("txtNLC"), "2");
    s_->w.openEditor(CountGroup::LoadCombinations);
    for (QLineEdit* b : {s_->box("txtH"), EditorBox(*s_, CountGroup::LoadCombinations, "txtFD")}) {
      QApplication::setActiveWindow(b->window());
      b->setFocus();
      Enter(b, "150");
      TypeInto(b, "175");  // still in the box
      QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(b->text(), QString(" 150"));
      QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
      QCOMPARE(b->text(), QString(" 175"));
    }
    QCOMPARE(s_->r.H + s_->r.FD(1), 350.0f);
  }
};

QTEST_MAIN(EditTest)
#include "gui_edit_test.moc"
