#pragma once

#include <QRect>
#include <QWidget>

#include "widgets/nine_slice.h"

class QSizeGrip;

// Where the main window goes on a screen. The fixed 1260 x 800 applies on screens up to 1280
// wide, and only where it fits the screen's available area; on a larger screen the window
// takes a share of the available area (never less than that size where it fits), centred,
// and can be resized.
struct WindowPlacement {
  QRect geometry;
  QSize minimum;
  QSize maximum;
  bool fixed() const { return minimum == maximum; }
};
WindowPlacement placeWindow(const QRect& screen, const QRect& available);

// The main window: no title bar, a dark body (rounded where a compositor can show the
// corners), movable by its top bar while not zoomed, resizable from every edge.
class KoWindow : public QWidget {
  Q_OBJECT

 public:
  // Edge band, in pixels, that resizes the window.
  static constexpr int kEdge = 5;

  explicit KoWindow(QWidget* parent = nullptr, bool roundCorners = compositorRunning());

  // Whether the desktop composites windows, so that transparent corners show what is behind.
  static bool compositorRunning();

  void place(const WindowPlacement& placement);
  // The bar that moves the window: a press on it, or above it, that the controls there leave
  // unused. A press anywhere lower never moves the window, however it is dragged.
  void setMoveBar(QWidget* bar) { moveBar_ = bar; }
  bool roundCorners() const { return roundCorners_; }
  bool resizable() const { return minimumSize() != maximumSize(); }
  // A press on the bar became a move (the pointer went past the drag distance).
  bool moving() const { return moving_; }
  QSizeGrip* grip() const { return grip_; }
  // The edges a press at `pos` would resize; none inside the body or when not resizable.
  Qt::Edges edgesAt(const QPoint& pos) const;
  // Zooms, or restores a zoomed window; nothing while the size is fixed.
  void toggleZoom();

 signals:
  void zoomChanged(bool zoomed);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void startResize(Qt::Edges edges, const QPoint& globalPos);
  void updateGrip();

  bool roundCorners_;
  QWidget* moveBar_ = nullptr;
  bool movable_ = true;
  bool pressed_ = false;
  bool moving_ = false;
  Qt::Edges resizing_;
  QPoint pressGlobal_;
  QRect pressGeometry_;
  QSizeGrip* grip_;
  KoNineSlice body_;
};
