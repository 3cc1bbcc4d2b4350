#include "program_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace gui {

void RemoveCloseCommand(QWidget* window) {
  Qt::WindowFlags flags = window->windowFlags();
  flags |= Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowMinimizeButtonHint;
  flags &= ~Qt::WindowCloseButtonHint;
  window->setWindowFlags(flags);
}

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
  RemoveCloseCommand(this);
}

void ProgramWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void ProgramWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreOnScreen(this);
  }
}

}  // namespace gui
