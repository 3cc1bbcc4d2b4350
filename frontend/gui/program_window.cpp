#include "program_window.h"

#include <QKeyEvent>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace gui {

namespace {

bool Normal(const QWidget* window) {
  return !(window->windowState() &
           (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

// The free area of the window's screen, or an empty rectangle.
QRect FreeArea(const QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  return screen == nullptr ? QRect() : screen->availableGeometry();
}

// The frame's size, the window first shrunk to fit `area` (the frame's
// margins are those the window manager drew, or a guess before it has).
QSize FitTo(QWidget* window, const QRect& area) {
  QSize margins = window->frameGeometry().size() - window->geometry().size();
  if (margins.isEmpty()) margins = QSize(8, 32);
  const QSize room = area.size() - margins;
  if (window->width() > room.width() || window->height() > room.height())
    window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
  return window->size() + margins;
}

}  // namespace

void CentreOnScreen(QWidget* window) {
  const QRect area = FreeArea(window);
  if (!Normal(window) || area.isEmpty()) return;
  const QSize size = FitTo(window, area);
  window->move(area.left() + std::max(0, (area.width() - size.width()) / 2),
               area.top() + std::max(0, (area.height() - size.height()) / 2));
}

void PlaceBeside(QWidget* window, const QWidget* main) {
  const QRect area = FreeArea(main);
  if (!Normal(window) || area.isEmpty()) return;
  const QSize size = FitTo(window, area);
  const QRect m = main->frameGeometry();
  constexpr int kGap = 4;
  int x = area.right() + 1 - size.width();
  if (m.right() + kGap + size.width() <= area.right() + 1)
    x = m.right() + 1 + kGap;
  else if (m.left() - kGap - size.width() >= area.left())
    x = m.left() - kGap - size.width();
  const int y = std::clamp(m.top(), area.top(), area.bottom() + 1 - size.height());
  window->move(std::max(x, area.left()), std::max(y, area.top()));
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
    if (beside_ && parentWidget() != nullptr)
      PlaceBeside(this, parentWidget()->window());
    else
      CentreOnScreen(this);
  }
}

}  // namespace gui
