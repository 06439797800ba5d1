#pragma once

#include <QWidget>

class QSizeGrip;

// The main window: no title bar, a dark rounded body, movable by its background while not
// zoomed, resizable from its corner.
class KoWindow : public QWidget {
  Q_OBJECT

 public:
  explicit KoWindow(QWidget* parent = nullptr);

  bool movableByBackground() const { return movable_; }
  void setMovableByBackground(bool on) { movable_ = on; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool movable_ = true;
  bool dragging_ = false;
  QPoint dragOffset_;
  QSizeGrip* grip_;
};
