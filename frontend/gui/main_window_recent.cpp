// File > Recent Files: the input files last loaded or saved, newest first,
// kept in the program's settings between sessions.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "main_window.h"

namespace gui {

namespace {

constexpr int kRecentFiles = 8;
constexpr const char* kRecentKey = "recentInputFiles";

QSettings Settings() { return QSettings("Keldor", "Keldor"); }

}  // namespace

void frmMain::buildRecentMenu(QMenu* file, QAction* before) {
  recent_ = new QMenu("Recent &Files", file);
  recent_->setObjectName("mnuRecent");
  recent_->menuAction()->setObjectName("mnuRecent");
  file->insertMenu(before, recent_);
  connect(recent_, &QMenu::aboutToShow, this, &frmMain::showRecentFiles);
  showRecentFiles();
}

void frmMain::rememberFile(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QSettings settings = Settings();
  QStringList files = settings.value(kRecentKey).toStringList();
  files.removeAll(full);
  files.prepend(full);
  while (files.size() > kRecentFiles) files.removeLast();
  settings.setValue(kRecentKey, files);
  showRecentFiles();
}

// The menu's items: "&1 wall.in" and so on, each with its full path as
// tooltip; a file that is gone is left in the list and says so when chosen.
void frmMain::showRecentFiles() {
  recent_->clear();
  const QStringList files = Settings().value(kRecentKey).toStringList();
  for (int i = 0; i < files.size(); ++i) {
    const QString& path = files[i];
    QAction* a = recent_->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    a->setObjectName(QString("mnuRecent%1").arg(i + 1));
    a->setToolTip(path);
    connect(a, &QAction::triggered, this, [this, path] {
      if (mayDiscardChanges()) loadInputFile(path);
    });
  }
  recent_->menuAction()->setEnabled(!files.isEmpty());
}

}  // namespace gui
