#include "program_window.h"

#include <QKeyEvent>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace gui {

void CentreOnScreen(QWidget* window) {
  if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
    return;
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameGeometry().size();
  window->move(area.left() + (area.width() - size.width()) / 2,
               area.top() + (area.height() - size.height()) / 2);
}

ProgramWindow::ProgramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
}

// Escape puts the window away, as its own button and its Close command do.
void ProgramWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ProgramWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreOnScreen(this);
  }
}

}  // namespace gui
