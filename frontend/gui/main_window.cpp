#include "main_window.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <algorithm>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "about_window.h"
#include "help_window.h"
#include "input_defaults.h"
#include "program_window.h"
#include "record_editors.h"
#include "record_table.h"
#include "run_engine.h"
#include "report_pdf.h"
#include "text_viewer.h"
#include "title_window.h"
#include "window_tabs.h"

namespace gui {

namespace {

constexpr int kBoxWidth = 110;
// The least width of the tabs, and the drawing's width at start-up.
constexpr int kLeastTabsWidth = 560;
constexpr int kDrawingWidth = 460;

// A tab's page scrolls when the window is smaller than the page (on a small
// or magnified screen) and asks for the page's whole size otherwise.
class PageScroll : public QScrollArea {
 public:
  explicit PageScroll(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
  }
  QSize sizeHint() const override {
    return widget() == nullptr ? QScrollArea::sizeHint() : widget()->sizeHint();
  }
};

}  // namespace

frmMain::frmMain(fe::InputRecord& record, UserInterface& ui, QWidget* parent)
    : QMainWindow(parent), r_(record), ui_(ui) {
  setObjectName("frmMain");
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  enginePath_ = fe::EngineLibrary::locate();
  runEngine_ = [](const fe::EngineLibrary& e, fe::InputRecord& r) { fe::RunEngine(e, r); };

  buildTabs();
  opt("optEnglish")->setChecked(true);  // the window's design selects English
  buildMenus();
  buildStatusBar();
  buildDrawing();
  buildResults();

  editors_[fe::CountGroup::GroundSegments] = new frmGSeg(r_, ui_, this);
  editors_[fe::CountGroup::Surcharges] = new frmISur(r_, ui_, this);
  editors_[fe::CountGroup::LoadCombinations] = new frmLoads(r_, ui_, this);
  editors_[fe::CountGroup::PileRows] = new frmPILES(r_, ui_, this);
  buildTables();
  title_ = new frmTitle(r_, this);
  about_ = new frmAbout(this);

  connectHandlers();

  // Window load: a record without an input file starts from the defaults of
  // the units selected.
  if (r_.INPATH.empty()) {
    fe::InitialiseInput(r_, opt("optEnglish")->isChecked() ? 1 : opt("optSI")->isChecked() ? 2 : 0);
  }
  RefreshWindow();
  ApplyTooltips();
  // Every edit, in a box or an option of any of the program's windows, may
  // change the input: the title says whether it is saved. Connected after
  // the handlers, so the record is up to date when the title is written.
  for (QLineEdit* b : findChildren<QLineEdit*>())
    connect(b, &QLineEdit::textChanged, this, &frmMain::updateTitle);
  for (QRadioButton* o : findChildren<QRadioButton*>())
    connect(o, &QRadioButton::toggled, this, &frmMain::updateTitle);
  connectEditHistory();
  markSaved();
  startHistory();
  fitPages();
}

// At first the window shows the widest page whole beside a drawing wide
// enough to read (a small screen then makes both smaller in the splitter's
// proportion, and the pages and the row of tab captions scroll). However
// narrow the window, the tabs keep room for a frame's boxes.
void frmMain::fitPages() {
  QSize page;
  for (int i = 0; i < tabs_->count(); ++i)
    page = page.expandedTo(static_cast<QScrollArea*>(tabs_->widget(i))->widget()->sizeHint());
  const int tabsWidth =
      page.width() + 2 * tabs_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
  tabs_->setMinimumWidth(std::min(tabsWidth, kLeastTabsWidth));
  resize(tabsWidth + kDrawingWidth, sizeHint().height());
  if (auto* split = findChild<QSplitter*>("splDrawing"))
    split->setSizes({tabsWidth, width() - tabsWidth});
}

// The boxes outlive the record's history by a moment: losing the focus as
// they go must not commit an edit.
frmMain::~frmMain() {
  for (QLineEdit* b : findChildren<QLineEdit*>()) {
    b->disconnect(this);
    b->removeEventFilter(this);
  }
}

// ---- Building ------------------------------------------------------------------

QWidget* frmMain::page(const char* caption) {
  auto* scroll = new PageScroll(tabs_);
  auto* p = new QWidget(scroll);
  new QGridLayout(p);
  scroll->setWidget(p);
  tabs_->addTab(scroll, caption);
  return p;
}

QGroupBox* frmMain::frame(QWidget* page, QGridLayout* grid, int row, int column, const char* name,
                          const char* caption, int rowSpan, int columnSpan) {
  auto* f = new QGroupBox(caption, page);
  f->setObjectName(name);
  auto* inner = new QGridLayout(f);
  inner->setColumnStretch(2, 1);
  grid->addWidget(f, row, column, rowSpan, columnSpan, Qt::AlignTop);
  widgets_.insert(name, f);
  return f;
}

QLabel* frmMain::label(QGroupBox* f, const char* caption, const char* name) {
  auto* grid = static_cast<QGridLayout*>(f->layout());
  auto* l = new QLabel(caption, f);
  if (name != nullptr) {
    l->setObjectName(name);
    widgets_.insert(name, l);
  }
  grid->addWidget(l, grid->rowCount(), 0, 1, 3);
  return l;
}

QLineEdit* frmMain::box(QGroupBox* f, const char* caption, const char* name) {
  auto* grid = static_cast<QGridLayout*>(f->layout());
  const int row = grid->rowCount();
  const QString labelName = "lbl" + QString(name).mid(3);
  auto* l = new QLabel(caption, f);
  l->setObjectName(labelName);
  auto* b = new QLineEdit(f);
  b->setObjectName(name);
  b->setFixedWidth(kBoxWidth);
  l->setBuddy(b);
  grid->addWidget(l, row, 0);
  grid->addWidget(b, row, 1);
  widgets_.insert(labelName, l);
  widgets_.insert(name, b);
  return b;
}

// The unit beside the box last added to the frame, named "unit" and the
// box's mnemonic; ApplyTooltips writes it for the units selected.
void frmMain::unitLabel(QGroupBox* f, const char* boxName) {
  auto* grid = static_cast<QGridLayout*>(f->layout());
  const QString name = "unit" + QString(boxName).mid(3);
  auto* u = new QLabel(f);
  u->setObjectName(name);
  grid->addWidget(u, grid->rowCount() - 1, 2);
  widgets_.insert(name, u);
}

QRadioButton* frmMain::option(QGroupBox* f, const char* caption, const char* name, int column) {
  auto* grid = static_cast<QGridLayout*>(f->layout());
  auto* o = new QRadioButton(caption, f);
  o->setObjectName(name);
  const int row = column == 0 ? grid->rowCount() : grid->rowCount() - 1;
  grid->addWidget(o, row, column);
  widgets_.insert(name, o);
  return o;
}

std::string TableButtonName(const char* editorButton) {
  const std::string name = editorButton;
  return "cmdTable" + name.substr(name.compare(3, 4, "View") == 0 ? 7 : 3);
}

// The button that opens a group's editor, and beside it the one that opens
// its table.
QPushButton* frmMain::button(QGroupBox* f, const char* caption, const char* name) {
  auto* grid = static_cast<QGridLayout*>(f->layout());
  auto* row = new QHBoxLayout;
  auto* b = new QPushButton(caption, f);
  b->setObjectName(name);
  const std::string tableName = TableButtonName(name);
  // No access key: the window's letters are taken; View > Tables has them.
  auto* t = new QPushButton("Table...", f);
  t->setObjectName(QString::fromStdString(tableName));
  t->setToolTip("Open a table of every record, editable in place");
  row->addWidget(b);
  row->addWidget(t);
  row->addStretch(1);
  grid->addLayout(row, grid->rowCount(), 0, 1, 3);
  widgets_.insert(name, b);
  widgets_.insert(QString::fromStdString(tableName), t);
  return b;
}

void frmMain::buildTabs() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("SSTabinter");
  // The tab bar scrolls rather than widen the window past a small screen.
  tabs_->setUsesScrollButtons(true);
  tabs_->setElideMode(Qt::ElideNone);
  setCentralWidget(tabs_);

  for (const fe::WindowTab& tab : fe::WindowTabs()) {
    QWidget* p = page(tab.caption);
    auto* g = static_cast<QGridLayout*>(p->layout());
    for (const fe::TabFrame& t : tab.frames) {
      QGroupBox* f = frame(p, g, t.row, t.column, t.name, t.caption, t.rowSpan, t.columnSpan);
      for (const fe::TabControl& c : t.controls) {
        switch (c.kind) {
          case fe::ControlKind::Box:
            box(f, c.caption, c.name);
            if (c.unit != fe::Unit::None) unitLabel(f, c.name);
            break;
          case fe::ControlKind::Count:
            box(f, c.caption, c.name);
            break;
          case fe::ControlKind::Label:
            if (c.wrap) {
              label(f, c.caption, c.name)->setWordWrap(true);
            } else {
              label(f, c.caption, c.name);
            }
            break;
          case fe::ControlKind::Option:
            option(f, c.caption, c.name, c.column);
            break;
          case fe::ControlKind::Button:
            button(f, c.caption, c.name);
            break;
        }
      }
    }
    if (tab.stretchColumn >= 0) g->setColumnStretch(tab.stretchColumn, 1);
    g->setRowStretch(tab.stretchRow, 1);
  }
}

QAction* frmMain::action(QMenu* menu, const char* caption, const char* name) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
}

void frmMain::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnuFile");
  connect(action(file, "&Load Input", "mnuLoadInput"), &QAction::triggered, this,
          &frmMain::loadInput);
  QAction* saveNow = action(file, "Save I&nput", "mnuSaveInput");
  saveNow->setShortcut(QKeySequence::Save);
  connect(saveNow, &QAction::triggered, this, [this] { saveInput(r_.INPATH.empty()); });
  QMenu* save = file->addMenu("&Save");
  save->setObjectName("mnuSave");
  save->menuAction()->setObjectName("mnuSave");
  connect(action(save, "&Input As", "mnuInput"), &QAction::triggered, this, &frmMain::saveInputAs);
  connect(action(save, "&Output As", "mnuOutput"), &QAction::triggered, this,
          &frmMain::chooseOutputFile);
  QMenu* define = file->addMenu("&Define");
  define->setObjectName("mnuDefine");
  define->menuAction()->setObjectName("mnuDefine");
  connect(action(define, "&Output Title (optional)", "mnuDOutT"), &QAction::triggered, this,
          &frmMain::showTitleWindow);
  file->addSeparator();
  QAction* pdf = action(file, "Expor&t Report as PDF...", "mnuExportPdf");
  connect(pdf, &QAction::triggered, this, &frmMain::exportReportPdf);
  QAction* print = action(file, "&Print...", "mnuPrint");
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, &frmMain::printReport);
  file->addSeparator();
  QAction* exit = action(file, "&Exit", "mnuExit");
  connect(exit, &QAction::triggered, this, &frmMain::exitProgram);
  buildRecentMenu(file, exit);
  file->menuAction()->setObjectName("mnuFile");

  buildEditMenu();

  QMenu* reset = menuBar()->addMenu("Rese&t");  // Alt+R is Run
  reset->setObjectName("mnuReset");
  reset->menuAction()->setObjectName("mnuReset");
  connect(action(reset, "&All", "mnuResetAll"), &QAction::triggered, this,
          [this] { this->reset("Reset All", &fe::ResetAll); });
  const struct {
    const char* caption;
    const char* name;
    void (*section)(fe::InputRecord&);
  } resets[] = {
      {"Program &Options", "mnuResetOptions", &fe::ResetOptions},
      {"&Material Properties", "mnuResetMaterial", &fe::ResetMaterial},
      {"&Soil Parameters", "mnuResetSoil", &fe::ResetSoilParameters},
      {"&Loads", "mnuResetLoads", &fe::ResetLoads},
      {"Soil &Configuration", "mnuResetSConfig", &fe::ResetSoilConfiguration},
      {"&Wall Configuration", "mnuResetWConfig", &fe::ResetWallConfiguration},
      {"&Rebar Configuration", "mnuResetRConfig", &fe::ResetRebarConfiguration},
      {"Spread &Footing", "mnuResetSpread", &fe::ResetSpreadFooting},
      {"&Pile Footing", "mnuResetPile", &fe::ResetPileFooting},
  };
  for (const auto& item : resets) {
    auto section = item.section;
    const QString what = "Reset " + QString(item.caption).remove('&');
    connect(action(reset, item.caption, item.name), &QAction::triggered, this,
            [this, section, what] { this->reset(what, section); });
  }

  QMenu* view = menuBar()->addMenu("&View");
  view->setObjectName("mnuView");
  view->menuAction()->setObjectName("mnuView");
  connect(action(view, "&Input File", "mnuVinput"), &QAction::triggered, this,
          &frmMain::viewInputFile);
  connect(action(view, "&Output File", "mnuVoutput"), &QAction::triggered, this,
          &frmMain::viewOutputFile);
  connect(action(view, "&Keldor.dat", "mnuVkeldordat"), &QAction::triggered, this,
          &frmMain::viewSideFile);
  QMenu* tables = view->addMenu("&Tables");
  tables->setObjectName("mnuTables");
  const struct {
    const char* caption;
    const char* name;
    fe::CountGroup group;
    const char* opener;  // the group's Define button on its tab
  } groups[] = {
      {"Load &Combinations", "mnuTableLC", fe::CountGroup::LoadCombinations, "cmdViewLC"},
      {"&Ground Segments", "mnuTableSeg", fe::CountGroup::GroundSegments, "cmdViewSeg"},
      {"Irregular &Surcharge Loads", "mnuTableL", fe::CountGroup::Surcharges, "cmdViewL"},
      {"&Pile Rows", "mnuTableROWS", fe::CountGroup::PileRows, "cmdROWS"}};
  for (const auto& g : groups) {
    const fe::CountGroup group = g.group;
    QAction* a = action(tables, g.caption, g.name);
    connect(a, &QAction::triggered, this, [this, group] { openTable(group); });
    // A table is offered when its Table... button is (the options in force
    // use the group).
    const std::string button = TableButtonName(g.opener);
    connect(tables, &QMenu::aboutToShow, a,
            [this, a, button] { a->setEnabled(widget(button.c_str())->isEnabled()); });
  }

  QMenu* run = menuBar()->addMenu("&Run");
  run->setObjectName("mnuRun");
  run->menuAction()->setObjectName("mnuRun");
  connect(action(run, "&Keldor", "mnuRunKeldor"), &QAction::triggered, this, &frmMain::runKeldor);

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnuHelp");
  help->menuAction()->setObjectName("mnuHelp");
  connect(action(help, "&Contents", "mnuContents"), &QAction::triggered, this, &frmMain::showHelp);
  help->addSeparator()->setObjectName("mnuSep");
  connect(action(help, "&About Program KELDOR", "mnuAbout"), &QAction::triggered, this,
          &frmMain::showAbout);
}

void frmMain::buildStatusBar() {
  status_ = new QStatusBar(this);
  status_->setObjectName("SBFiles");
  status_->setSizeGripEnabled(false);
  panel1_ = new QLabel(status_);
  panel1_->setObjectName("SBFilesPanel1");
  panel2_ = new QLabel(status_);
  panel2_->setObjectName("SBFilesPanel2");
  for (QLabel* p : {panel1_, panel2_}) {
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Panels hold names padded with blanks; they must not widen the window.
    p->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->addWidget(p, 1);
  }
  setStatusBar(status_);
}

// ---- Widgets by name -------------------------------------------------------------

QWidget* frmMain::widget(const char* name) const {
  QWidget* w = widgets_.value(name, nullptr);
  Q_ASSERT_X(w != nullptr, "frmMain", name);
  return w;
}
QLineEdit* frmMain::txt(const char* name) const { return static_cast<QLineEdit*>(widget(name)); }
QRadioButton* frmMain::opt(const char* name) const {
  return static_cast<QRadioButton*>(widget(name));
}
QGroupBox* frmMain::fra(const char* name) const { return static_cast<QGroupBox*>(widget(name)); }
QLabel* frmMain::lbl(const char* name) const { return static_cast<QLabel*>(widget(name)); }

RecordEditor* frmMain::editor(fe::CountGroup group) const { return editors_.at(group); }
RecordTable* frmMain::table(fe::CountGroup group) const { return tables_.at(group); }

TextViewer* frmMain::viewer(ViewedFile file) const {
  const auto it = viewers_.find(file);
  return it == viewers_.end() ? nullptr : it->second;
}

QString frmMain::panelText(int panel) const {
  return panel == 1 ? panel1_->text() : panel2_->text();
}

void frmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreOnScreen(this);
  }
}

}  // namespace gui
