#pragma once

#include <QList>
#include <QWidget>
#include <optional>

class KoFrameListModel;

// Each channel's position over the action's time, the servo moving linearly during a
// frame's time: a point where each frame ends, a gap where a channel is absent. A click on
// a point selects its frame; dragging it up or down edits that position through the frame
// list, so the frame's own rules and tips apply. Lists far longer than the view is wide
// are drawn as one vertical stroke per pixel column and channel, which keeps a redraw
// bounded by the width rather than by the frame count.
class KoCurveView : public QWidget {
  Q_OBJECT

 public:
  // The step between time labels (ms) that keeps them at least minGap pixels apart over a
  // plot `width` wide showing totalMs.
  static double timeStep(qint64 totalMs, double width, double minGap);
  static constexpr int kChannels = 6;
  // How near to a point, in pixels, a press must fall to take it.
  static constexpr int kHitRadius = 6;

  struct Hit {
    int row = -1;
    int channel = 0;  // 1 to 6
    friend bool operator==(const Hit&, const Hit&) = default;
  };

  explicit KoCurveView(KoFrameListModel* model, QWidget* parent = nullptr);

  static QColor channelColour(int channel);

  // The frame point under `at`, the nearest one when several are.
  std::optional<Hit> hitTest(QPointF at) const;
  // Where a frame's point for a channel is drawn.
  QPointF pointOf(int row, int channel) const;
  // The frame the online run plays now, -1 when none.
  void setPlayingFrame(int row);
  int playingFrame() const { return playing_; }

  QSize sizeHint() const override { return {600, 180}; }
  QSize minimumSizeHint() const override { return {200, 60}; }

 signals:
  void frameClicked(int row);
  // A drag's first edit is about to be made, and the drag that made edits has ended: the
  // edits between are one step for undo.
  void editStarted();
  void editFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRectF plotRect() const;
  void markDirty();
  void ensureTimes() const;
  double xOfTime(qint64 ms) const;
  int positionAtY(double y) const;
  void drawCurves(QPainter& p) const;
  void drawMarks(QPainter& p) const;
  void drawAxes(QPainter& p) const;
  void drawLegend(QPainter& p) const;

  KoFrameListModel* model_;
  // Where each frame ends, in ms from the start of the action.
  mutable QList<qint64> ends_;
  mutable bool dirty_ = true;
  int playing_ = -1;
  std::optional<Hit> drag_;
  bool edited_ = false;
};
