// A read-only window showing a text file in a fixed-pitch font, so that the
// report's columns line up.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

namespace gui {

class TextViewer : public QWidget {
  Q_OBJECT
 public:
  explicit TextViewer(QWidget* parent);

  // Reads the file at `path` and shows it. Returns false, leaving the window
  // as it was and saying why in `error`, when it cannot be read.
  bool load(const QString& path, QString* error);

  QString path() const { return path_; }
  QString text() const { return text_->toPlainText(); }

 private:
  QPlainTextEdit* text_ = nullptr;
  QString path_;
};

}  // namespace gui
