#include "app/window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QWindow>

KoWindow::KoWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), grip_(new QSizeGrip(this)) {
  setAttribute(Qt::WA_TranslucentBackground);
  grip_->resize(16, 16);
}

void KoWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2b, 0x2d, 0x31));
  const qreal radius = isMaximized() ? 0 : 10;
  p.drawRoundedRect(rect(), radius, radius);
}

void KoWindow::mousePressEvent(QMouseEvent* event) {
  if (!movable_ || event->button() != Qt::LeftButton) return;
  // The window manager moves the window where it can; elsewhere we follow the mouse.
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void KoWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void KoWindow::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void KoWindow::resizeEvent(QResizeEvent*) {
  grip_->move(width() - grip_->width(), height() - grip_->height());
}

void KoWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    // A zoomed window stays put.
    movable_ = !isMaximized();
    grip_->setVisible(!isMaximized() && minimumSize() != maximumSize());
    update();
  }
  QWidget::changeEvent(event);
}
