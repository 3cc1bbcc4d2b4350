#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextStream>
#include <cstdio>

#include "about_window.h"
#include "help_window.h"
#include "main_window.h"
#include "record_editor.h"
#include "title_window.h"

namespace gui {

namespace {

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

void Click(frmMain& w, const char* option) {
  w.findChild<QRadioButton*>(option)->click();
}

void Type(frmMain& w, const char* box, const QString& text) {
  QLineEdit* b = w.findChild<QLineEdit*>(box);
  b->selectAll();
  b->insert(text);
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

  // Every tab at start-up: design, constant slope, spread footing.
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

  w.showTitleWindow();
  shooter.shoot(w.titleWindow(), "frmTitle");
  w.showAbout();
  shooter.shoot(w.aboutWindow(), "frmAbout");
  w.showHelp();
  shooter.shoot(w.helpWindow(), "help-introduction");
  w.helpWindow()->pages()->setCurrentRow(1);
  shooter.shoot(w.helpWindow(), "help-analysis");
  return shooter.ok() ? 0 : 1;
}

}  // namespace gui
