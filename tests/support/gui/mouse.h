#pragma once

#include <QApplication>
#include <QMouseEvent>

// The left button pressed, moved or let go at `at`, sent straight to `widget`, shown or not.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF at,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
  QApplication::sendEvent(widget, &event);
}
inline void press(QWidget* w, QPointF at) { sendMouse(w, QEvent::MouseButtonPress, at); }
inline void drag(QWidget* w, QPointF to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  sendMouse(w, QEvent::MouseMove, to, modifiers);
}
inline void release(QWidget* w, QPointF at) { sendMouse(w, QEvent::MouseButtonRelease, at); }
