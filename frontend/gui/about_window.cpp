#include "about_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine_library.h"
#include "run_engine.h"

namespace gui {

frmAbout::frmAbout(QWidget* parent) : ProgramWindow(parent) {
  setObjectName("frmAbout");
  setWindowTitle("About Program KELDOR");

  const std::string version =
      fe::VersionText(fe::kVersionMajor, fe::kVersionMinor, fe::kVersionRevision);
  auto* about = new QGroupBox(QString::fromStdString("Program KELDOR Version" + version), this);
  about->setObjectName("fraAbout");
  auto* lblAbout = new QLabel(
      "KELDOR designs or reviews a cantilevered reinforced-concrete retaining wall or bridge "
      "abutment founded on a spread footing or on a pile foundation.",
      about);
  lblAbout->setObjectName("lblAbout");
  lblAbout->setWordWrap(true);
  (new QVBoxLayout(about))->addWidget(lblAbout);

  auto* frame1 = new QGroupBox("Analysis library", this);
  frame1->setObjectName("Frame1");
  auto* label1 = new QLabel(
      QString("The analysis runs in the library %1, found in the program's own "
              "folder or, once installed, in ../lib/keldor beside it. It writes the report chosen with File > Save > Output As and the side "
              "file KELDOR.DAT in the current folder.")
          .arg(fe::kEngineLibraryName),
      frame1);
  label1->setObjectName("Label1");
  label1->setWordWrap(true);
  (new QVBoxLayout(frame1))->addWidget(label1);

  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(about);
  outer->addWidget(frame1);
  outer->addLayout(buttons);
  setFixedWidth(420);
  setFixedHeight(heightForWidth(420) > 0 ? heightForWidth(420) : sizeHint().height());
}

}  // namespace gui
