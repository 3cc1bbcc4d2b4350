#include "qt_user_interface.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>

#include "picture_size.h"

namespace gui {

void QtUserInterface::beep() { QApplication::beep(); }

void QtUserInterface::message(const QString& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                  kAppTitle, text, QMessageBox::Ok, parent_);
  box.exec();
}

bool QtUserInterface::askYesNo(const QString& title, const QString& text) {
  QString shown = text;
  shown.replace('\r', '\n');
  QMessageBox box(QMessageBox::Question, title, shown, QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

SaveChoice QtUserInterface::askSave(const QString& text) {
  QMessageBox box(QMessageBox::Warning, kAppTitle, text,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

QStringList QtUserInterface::QtFilters(const QString& filters) {
  const QStringList parts = filters.split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const QString& pattern = parts[i + 1];
    if (pattern == "*.*") {
      // "*.*" would miss names without an extension here.
      description.replace("(*.*)", "(*)");
    }
    out << description;
  }
  return out;
}

QSize QtUserInterface::choosePictureSize(QSize proposed) {
  QDialog dialog(parent_);
  dialog.setWindowTitle("Picture Size");
  auto* form = new QFormLayout(&dialog);
  QSpinBox* sides[2];
  const char* captions[2] = {"&Width:", "&Height:"};
  const int values[2] = {proposed.width(), proposed.height()};
  for (int i = 0; i < 2; ++i) {
    sides[i] = new QSpinBox(&dialog);
    sides[i]->setRange(fe::kSmallestPictureSide, fe::kLargestPictureSide);
    sides[i]->setSuffix(" px");
    sides[i]->setValue(values[i]);
    form->addRow(captions[i], sides[i]);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return {};
  return QSize(sides[0]->value(), sides[1]->value());
}

bool QtUserInterface::choosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

QString QtUserInterface::chooseFile(FileDialogMode mode, const QString& filters, int selected) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(mode == FileDialogMode::Open ? QFileDialog::AcceptOpen
                                                    : QFileDialog::AcceptSave);
  dialog.setFileMode(mode == FileDialogMode::Open ? QFileDialog::ExistingFile
                                                  : QFileDialog::AnyFile);
  const QStringList list = QtFilters(filters);
  dialog.setNameFilters(list);
  if (selected >= 0 && selected < list.size()) dialog.selectNameFilter(list[selected]);
  if (mode == FileDialogMode::Save) {
    // A name typed without a suffix takes that of the kind of file chosen
    // ("*.png": .png; "All Files": none).
    const QStringList parts = filters.split('|');
    auto suffixOf = [parts](qsizetype k) {
      const QString pattern = k >= 0 && 2 * k + 1 < parts.size() ? parts[2 * k + 1] : QString();
      return pattern.startsWith("*.") && pattern != "*.*" ? pattern.mid(2) : QString();
    };
    dialog.setDefaultSuffix(suffixOf(selected));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &list, suffixOf](const QString& f) {
                       dialog.setDefaultSuffix(suffixOf(list.indexOf(f)));
                     });
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace gui
