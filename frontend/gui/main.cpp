// Keldor: the desktop program. "Keldor --screenshots DIR" writes a picture
// of every window into DIR instead of opening the window.
#include <QApplication>
#include <QIcon>
#include <cstring>

#include "input_record.h"
#include "main_window.h"
#include "qt_user_interface.h"
#include "screenshots.h"

int main(int argc, char** argv) {
  const char* screenshots = nullptr;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshots") == 0) screenshots = argv[i + 1];
  }
  // Pictures need no display.
  if (screenshots != nullptr && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  QApplication::setApplicationName("Keldor");
  QApplication::setDesktopFileName("keldor");  // the menu entry keldor.desktop
  QApplication::setWindowIcon(QIcon(":/icons/keldor.svg"));
  if (screenshots != nullptr) return gui::WriteScreenshots(QString::fromLocal8Bit(screenshots));

  static fe::InputRecord record;  // the program's one input record
  gui::QtUserInterface ui;
  gui::frmMain window(record, ui);
  ui.setParent(&window);
  window.show();
  return QApplication::exec();
}
