#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "about_window.h"
#include "drawing_pane.h"
#include "file_names.h"
#include "help_window.h"
#include "input_file.h"
#include "main_window.h"
#include "record_editor.h"
#include "record_table.h"
#include "report_pdf.h"
#include "results_pane.h"
#include "text_viewer.h"
#include "title_window.h"

namespace gui {

namespace {

// A review whose footing is too thin: its report has failing checks.
const char* const kFailingReview =
    "\"SI working stress review: a thin footing under a 50 kPa surcharge\"\n"
    "2,2,2,1,1,1\n2.36E-05,25,400,1.885E-05,0,0\n.3,.4,.15,.6\n0,0\n0,0,0,1\n0,0\n0,0\n"
    "5,0\n0,0,0,0\n2\n1,0,1,1,0,0\n1,0,1,0,0,1\n2400,0,0\n.05\n250,2,150,0,600,2400\n"
    ".6,.2,.8\n50,50,75\n20,.5\n.2,.2,.2\n.5,.5,.5\n2,1.5,1.5\n1.5,1.2,1.2\n";

// Answers every question with No, cancels every dialog and prints messages.
class Unattended : public UserInterface {
 public:
  void beep() override {}
  void message(const QString& text, MessageIcon) override {
    std::fprintf(stderr, "Keldor: %s\n", qPrintable(text));
  }
  bool askYesNo(const QString&, const QString&) override { return false; }
  SaveChoice askSave(const QString&) override { return SaveChoice::Cancel; }
  QString chooseFile(FileDialogMode, const QString&, int) override { return {}; }
};

class Shooter {
 public:
  explicit Shooter(const QString& folder) : dir_(folder) {}

  bool shoot(QWidget* w, const QString& name) {
    w->show();
    QApplication::processEvents();
    const QString path = dir_.filePath(name + ".png");
    if (!w->grab().save(path)) {
      std::fprintf(stderr, "Keldor: cannot write %s\n", qPrintable(path));
      ok_ = false;
      return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
  }
  bool save(const QImage& image, const QString& name) {
    const QString path = dir_.filePath(name + ".png");
    if (image.isNull() || !image.save(path)) {
      std::fprintf(stderr, "Keldor: cannot write %s\n", qPrintable(path));
      ok_ = false;
      return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
  }
  // The widget as a screen at twice the pixel density shows it.
  bool shootDoubled(QWidget* w, const QString& name) {
    QPixmap doubled(w->size() * 2);
    doubled.setDevicePixelRatio(2);
    doubled.fill(Qt::white);
    w->render(&doubled);
    const QString path = dir_.filePath(name + ".png");
    if (!doubled.save(path)) {
      std::fprintf(stderr, "Keldor: cannot write %s\n", qPrintable(path));
      ok_ = false;
      return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
  }
  bool ok() const { return ok_; }

 private:
  QDir dir_;
  bool ok_ = true;
};

QString TabFileName(const QString& caption) {
  QString name = caption;
  name.remove('&');
  return name.toLower().replace(' ', '-');
}

// The walls of the drawing's pictures, as the bundled examples have them
// (a value and its design limit alike, as the window's one box holds both).
void TenFootDesign(fe::InputRecord& r) {
  r.IMODE = KELDOR_DESIGN, r.ISOIL = KELDOR_CONSTANT_SLOPE, r.IFOOT = KELDOR_SPREAD_FOOTING;
  r.H = 120, r.HT = 24, r.BETA = 0, r.SUR = 1.736f;
  r.TWMIN = 12, r.BWMIN = r.BW = 2.4f, r.TFMIN = r.TF = 15, r.DKMAX = r.DK = 0;
  r.WTMAX = 60, r.WHMAX = 120, r.WTMIN = 0, r.WT = r.WF = 0;
}

void ReferenceReview(fe::InputRecord& r) {
  r.IMODE = KELDOR_REVIEW, r.ISOIL = KELDOR_CONSTANT_SLOPE, r.IFOOT = KELDOR_SPREAD_FOOTING;
  r.H = 120, r.HT = 0, r.BETA = 0, r.SUR = 0;
  r.TWMIN = 12, r.BWMIN = r.BW = 0, r.TFMIN = r.TF = 18, r.DKMAX = r.DK = 0, r.WT = 36, r.WF = 96;
}

void PileAbutment(fe::InputRecord& r) {
  r.IMODE = KELDOR_REVIEW, r.ISOIL = KELDOR_CONSTANT_SLOPE, r.IFOOT = KELDOR_PILE_FOOTING;
  r.H = 144, r.HT = 24, r.BETA = 0, r.SUR = 0, r.PD = 1200, r.PDX = 6, r.PL = 250, r.PLX = 6;
  r.TWMIN = 18, r.BWMIN = r.BW = 0, r.TFMIN = r.TF = 30, r.DKMAX = r.DK = 0, r.WT = 36, r.WF = 132;
  r.PILEDIA = 16, r.NROWS = 3;
  r.PILEX = {18, 66, 114}, r.PILEB = {18.43f, 0, 0}, r.PILES = {72, 72, 72};
}

void BrokenBackslope(fe::InputRecord& r) {
  r.IMODE = KELDOR_DESIGN, r.ISOIL = KELDOR_IRREGULAR, r.IFOOT = KELDOR_SPREAD_FOOTING;
  r.H = 150, r.HT = 24, r.NSEG = 3, r.LSEG = {96, 120, 240}, r.ASEG = {26.57f, 0, -5};
  r.NSUR = 1, r.SURL = {400}, r.XSBEG = {120}, r.YSBEG = {42.93f}, r.XSEND = {240},
  r.YSEND = {42.93f};
  r.TWMIN = 12, r.BWMIN = r.BW = 2.4f, r.TFMIN = r.TF = 15, r.DKMAX = r.DK = 12;
  r.WTMAX = 72, r.WHMAX = 144, r.WTMIN = 12, r.WT = r.WF = 0;
}

void Click(frmMain& w, const char* option) {
  w.findChild<QRadioButton*>(option)->click();
}

void Type(frmMain& w, const char* box, const QString& text) {
  QLineEdit* b = w.findChild<QLineEdit*>(box);
  b->selectAll();
  b->insert(text);
}

// Every tab of the main window, the frames start-up leaves disabled and a
// marked box.
void ShootTabs(frmMain& w, QTabWidget* tabs, Shooter& shooter) {
  // Every tab at start-up: design, constant slope, spread footing; the
  // window as large as it opens on a desktop screen, however small the
  // pictures' own screen.
  const QSize whole = w.size();
  w.show();
  w.resize(whole);
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    shooter.shoot(&w, "frmMain-" + QString::number(i + 1) + "-" + TabFileName(tabs->tabText(i)));
  }
  // The frames that start-up leaves disabled: review mode, irregular
  // backfill, pile footing.
  Click(w, "optReview");
  Click(w, "optIrreg");
  Click(w, "optPile");
  for (int i : {4, 5, 6, 8}) {
    tabs->setCurrentIndex(i);
    shooter.shoot(&w, "frmMain-review-" + QString::number(i + 1) + "-" +
                          TabFileName(tabs->tabText(i)));
  }

  // A box whose text is not all number, marked.
  Type(w, "txtH", "12ft");
  tabs->setCurrentIndex(4);
  shooter.shoot(&w, "frmMain-typed-text-marked");
  Type(w, "txtH", "120");
}

// The record editors and the tables of the four groups.
void ShootEditorsAndTables(frmMain& w, fe::InputRecord& record, Shooter& shooter) {
  // The record editors, each at its first record of two.
  Type(w, "txtNLC", "2");
  Type(w, "txtNSEG", "2");
  Type(w, "txtnsur", "2");
  Type(w, "txtNROWS", "2");
  for (fe::CountGroup g : {fe::CountGroup::GroundSegments, fe::CountGroup::Surcharges,
                           fe::CountGroup::LoadCombinations, fe::CountGroup::PileRows}) {
    w.openEditor(g);
    RecordEditor* e = w.editor(g);
    shooter.shoot(e, e->objectName());
    e->closeEditor();
  }
  // The tables of the four groups, with values in them.
  record.FD = {1.25f, 0.9f}, record.FL = {1.75f, 0}, record.FE = {1.5f, 1}, record.FEQ = {0, 1};
  record.LSEG = {96, 240}, record.ASEG = {26.57f, 0};
  record.SURL = {250, 100}, record.XSBEG = {36, 120}, record.XSEND = {36, 240};
  record.PILEX = {18, 66}, record.PILEB = {14.04f, 0}, record.PILES = {72, 72};
  w.RefreshWindow();
  for (fe::CountGroup g : {fe::CountGroup::GroundSegments, fe::CountGroup::Surcharges,
                           fe::CountGroup::LoadCombinations, fe::CountGroup::PileRows}) {
    RecordTable* t = w.table(g);
    t->open();
    shooter.shoot(t, t->objectName());
    t->close();
  }
}

// The window on a small screen and the drawing pane.
void ShootDrawing(frmMain& w, fe::InputRecord& record, QTabWidget* tabs, Shooter& shooter) {
  // The window on a 1920 x 1080 screen at scale factor 2 (960 x 540, less
  // the frame and a panel): the tabs scroll.
  w.resize(952, 480);
  tabs->setCurrentIndex(5);
  shooter.shootDoubled(&w, "frmMain-960x540-scale-2");

  // The drawing pane: design limits and review, spread and piles, an
  // irregular backfill, and after a run (the reference wall's hand values:
  // Rankine earth force at a third of H + TF, the toe and heel pressures).
  DrawingPane* pane = w.drawingPane();
  w.resize(1366, 740);  // the pane as a 1366 x 768 screen shows it
  const struct {
    const char* name;
    void (*wall)(fe::InputRecord&);
  } walls[] = {{"drawing-design-spread", &TenFootDesign},
               {"drawing-review-spread", &ReferenceReview},
               {"drawing-review-piles", &PileAbutment},
               {"drawing-design-irregular", &BrokenBackslope}};
  for (const auto& wall : walls) {
    wall.wall(record);
    w.RefreshWindow();
    shooter.shoot(pane, wall.name);
  }
  ReferenceReview(record);
  record.PD = record.PL = 0;
  w.RefreshWindow();
  fe::DrawingResults ran;
  ran.BW = 0, ran.TF = 18, ran.DK = 0, ran.WT = 36, ran.WF = 96;
  ran.forces = {{"Earth", 220.4f, 46}};
  ran.combinations = {{"Combination 1", true, 1.910f, 7.870f, 6.192f, {}}};
  pane->setResults(&ran);
  shooter.shoot(pane, "drawing-after-run");
  shooter.shootDoubled(pane, "drawing-after-run-scale-2");
  PileAbutment(record);
  w.RefreshWindow();
  fe::DrawingResults piles;
  piles.BW = 0, piles.TF = 30, piles.DK = 0, piles.WT = 36, piles.WF = 132;
  piles.forces = {{"Earth", 346.7f, 58}, {"Seismic", 126.1f, 87}};
  piles.combinations = {{"Combination 1", false, 0, 0, 0, {104136, 69428, 40061}}};
  pane->setResults(&piles);
  shooter.shoot(pane, "drawing-after-run-piles");
  tabs->setCurrentIndex(5);
  shooter.shoot(&w, "frmMain-drawing-1366x768");
}

// The title, about and help windows.
void ShootSmallWindows(frmMain& w, Shooter& shooter) {
  w.showTitleWindow();
  shooter.shoot(w.titleWindow(), "frmTitle");
  w.showAbout();
  shooter.shoot(w.aboutWindow(), "frmAbout");
  w.showHelp();
  shooter.shoot(w.helpWindow(), "help-introduction");
  w.helpWindow()->pages()->setCurrentRow(1);
  shooter.shoot(w.helpWindow(), "help-analysis");
}

// The windows over a run: results pane, PDF page and report viewer.
void ShootRun(UserInterface& ui, Shooter& shooter) {
  // The report viewer over a run of a review with failing checks, in a
  // folder of its own (the engine writes its side file into the current
  // folder).
  fe::InputRecord reviewed;
  frmMain reviewing(reviewed, ui);
  QTemporaryDir runFolder;
  std::string error;
  const QString before = QDir::currentPath();
  const std::string input = runFolder.filePath("thin-footing.in").toStdString();
  QFile sample(QString::fromStdString(input));
  const bool written = runFolder.isValid() && sample.open(QIODevice::WriteOnly) &&
                       sample.write(kFailingReview) == qint64(std::strlen(kFailingReview));
  sample.close();
  if (written && QDir::setCurrent(runFolder.path()) &&
      fe::LoadInputFile(reviewed, input, &error) &&
      fe::SetOutputFile(reviewed, runFolder.filePath("thin-footing.out").toStdString(), &error)) {
    reviewing.RefreshWindow();
    reviewing.runKeldor();
    // The results of the run: the pane under the tabs and the window with it.
    if (ResultsPane* results = reviewing.resultsPane()) {
      // As on a desktop screen: shown first, since a window's first showing
      // fits it to the (small, offscreen) screen.
      reviewing.show();
      reviewing.resize(1120, 900);
      shooter.shoot(&reviewing, "frmMain-results");
      results->table()->sortByColumn(5, Qt::DescendingOrder);  // by ratio
      shooter.shoot(results, "results-failing-review-by-ratio");
    }
    // The first page of the run's PDF: the run, its wall and its verdict.
    if (const ReportDocument* run = reviewing.lastRunDocument())
      shooter.save(PageImage(*run, QPageSize::A4, 0, 100), "pdf-first-page");
    reviewing.viewOutputFile();
    QDir::setCurrent(before);
    if (TextViewer* v = reviewing.viewer(ViewedFile::Output)) {
      v->resize(1120, 760);  // as on a desktop screen, wider than the pictures' own
      v->goToSection(8);     // the wall design's checks
      shooter.shoot(v, "viewer-report");
      v->showFind();
      v->findChild<QLineEdit*>("txtFind")->setText("NG ***");
      v->findNext();
      shooter.shoot(v, "viewer-find");
      v->close();
    }
  } else {
    QDir::setCurrent(before);
    std::fprintf(stderr, "Keldor: no run for the viewer's pictures: %s\n", error.c_str());
  }
}

}  // namespace

int WriteScreenshots(const QString& folder) {
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "Keldor: cannot create the folder %s\n", qPrintable(folder));
    return 1;
  }
  Shooter shooter(folder);
  fe::InputRecord record;
  Unattended ui;
  frmMain w(record, ui);
  auto* tabs = w.findChild<QTabWidget*>("SSTabinter");
  ShootTabs(w, tabs, shooter);
  ShootEditorsAndTables(w, record, shooter);
  ShootDrawing(w, record, tabs, shooter);
  ShootSmallWindows(w, shooter);
  ShootRun(ui, shooter);
  return shooter.ok() ? 0 : 1;
}

}  // namespace gui
