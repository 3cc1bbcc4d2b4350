#include "text_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>

#include "fixed_font.h"

namespace gui {

TextViewer::TextViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TextViewer");
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("txtView");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(FixedPitchFont());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  const int width = text_->fontMetrics().horizontalAdvance(QString(84, 'M'));
  resize(width + 40, 600);
}

bool TextViewer::load(const QString& path, QString* error) {
  QFile file(path);
  if (!QFileInfo(path).isFile()) {
    *error = path + ": " + (QFileInfo::exists(path) ? "not a file" : "no such file");
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    *error = path + ": " + file.errorString();
    return false;
  }
  QString content = QString::fromUtf8(file.readAll());
  content.replace("\r\n", "\n");
  text_->setPlainText(content);
  path_ = path;
  setWindowTitle(QFileInfo(path).fileName() + " - Keldor");
  return true;
}

}  // namespace gui
