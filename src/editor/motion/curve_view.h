#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "editor/motion/curve_summary.h"
#include "model/easing.h"

class KoFrameListModel;
class KoFrameMarks;
class QToolButton;
struct SongEnvelope;

// Each channel's position over the action's time, the servo moving linearly during a
// frame's time: a point where each frame ends, a gap where a channel is absent. A click on
// a point selects its frame; dragging it up or down edits that position through the frame
// list, so the frame's own rules and tips apply. The view fits the action; a longer song
// reaches on beyond it. The wheel, + and - or the buttons at the top right zoom the time axis;
// a drag sideways, Shift with the wheel or the arrow keys move along it, up to the song's
// end; a double click, 0 or the fit button show the whole action again. While something
// plays, the view turns a page whenever the playhead would leave it.
//
// Kept cheap at 65,535 frames: the plot is drawn into an image, one vertical stroke per
// pixel column and channel from a per-column summary, and a change to the list redraws
// only the columns whose frames it touched. A hidden view does no work until it is shown.
class KoCurveView : public QWidget {
  Q_OBJECT

 public:
  // The step between time labels (ms) that keeps them at least minGap pixels apart over a
  // plot `width` wide showing totalMs.
  static double timeStep(qint64 totalMs, double width, double minGap);
  static constexpr int kChannels = KoCurveSummary::kChannels;
  // How near to a point, in pixels, a press must fall to take it.
  static constexpr int kHitRadius = 6;
  // The shortest stretch of time the view zooms in to.
  static constexpr double kMinSpanMs = 100;
  // One notch of the wheel, or one press of + or -, zooms by this.
  static constexpr double kZoomStep = 1.25;
  // The span that shows the whole action: a little longer than it, by at most a
  // kWholeGrains-th, and rounded, so that a frame added at the end seldom changes the scale
  // (which would move every column).
  static constexpr double kWholeGrains = 32;
  static double wholeSpanMs(qint64 totalMs);

  struct Hit {
    int row = -1;
    int channel = 0;  // 1 to 6
    friend bool operator==(const Hit&, const Hit&) = default;
  };

  explicit KoCurveView(KoFrameListModel* model, QWidget* parent = nullptr);

  // Frames outside a safe range and frames that would strike stand on a tinted band, amber and
  // red, which says why under the pointer.
  void setMarks(const KoFrameMarks* marks);
  static QColor outsideTint();
  static QColor strikeTint();
  // What the marks under plot point `at` say, empty where there are none.
  QString markTipAt(QPointF at) const;

  static QColor channelColour(int channel);

  // The frame point under `at`, the nearest one when several are.
  std::optional<Hit> hitTest(QPointF at) const;
  // Where a frame's point for a channel is drawn.
  QPointF pointOf(int row, int channel) const;
  // The frame the online run plays now, -1 when none.
  void setPlayingFrame(int row);
  int playingFrame() const { return playing_; }

  // A song's loudness, drawn under the curves on the same time axis; the view may then be
  // moved on to the song's end. Not owned: nullptr before the song goes.
  void setSong(const SongEnvelope* song);
  // Where the song plays, in ms; -1 when it does not.
  void setSongPosition(qint64 ms);
  qint64 songPosition() const { return songAt_; }

  // The stretch of time shown, in ms from the start of the action.
  double viewStartMs() const;
  double viewSpanMs() const;
  // Whether the view shows the whole action, and keeps doing so as the action changes.
  bool showsWhole() const { return whole_; }
  // Zooms by `factor` (above 1 in) keeping the time under plot x `anchorX` in place.
  void zoom(double factor, double anchorX);
  // Moves the shown time by `pixels` of the plot (positive to later times).
  void pan(double pixels);
  void showWhole();
  // Shows [startMs, startMs + spanMs], held within the action and its song.
  void showSpan(double startMs, double spanMs);
  // Turns a page when `ms` lies outside the shown time, so that what plays stays in view.
  void follow(double ms);

  // The zoom buttons, left to right: out, in, and back to the whole action.
  enum class ZoomButton { Out, In, Whole };
  QToolButton* zoomButton(ZoomButton which) const;

  // The eased moves of a plan drawn over the curves before they are applied, each step a dot;
  // an empty plan, or any change of the list, clears it.
  void setPreview(const easing::EasePlan& plan);
  bool showsPreview() const { return !preview_.empty(); }
  // Where the preview's step `step` of eased move `move` is drawn for a channel, if it has one.
  std::optional<QPointF> previewPoint(int move, int step, int channel) const;

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
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRectF plotRect() const;
  // What the whole view shows: the action, or the song while there are no frames.
  qint64 actionMs() const;
  // How far the view may be moved: to the action's end or the song's, whichever is later.
  qint64 reachMs() const;
  void retranslate();
  QRect playheadRect() const;
  // Brings the summary up to the list and the view's size and time span; false when the
  // columns changed and everything has to be drawn again.
  bool sync() const;
  void framesChanged(int row, int removed, int inserted);
  // Repaints where the selection and the playing marks were drawn and where they are now.
  void updateMarks();
  // The plot x of a time, in logical pixels.
  double xOfTime(qint64 ms) const;
  int positionAtY(double y) const;
  QRect columnsRect(int from, int to) const;
  QRect marksRect() const;
  void markColumns(int from, int to);
  void startPan(QPointF from);

  void drawColumns(int from, int to);
  enum Tint : quint8 { kNoTint, kOutsideTint, kStrikeTint };
  // The tint of each column from `from` to `to`: a marked frame's own column and a few either
  // side, so that a single frame shows at any scale.
  std::vector<quint8> columnTints(int from, int to) const;
  // The first marked row among those the tint of column `x` comes from, -1 when none.
  int markedRowNear(int x) const;
  // What lies around the plot: the scales and the legend.
  void drawFrame();
  void drawMarks(QPainter& p) const;
  const QImage& selectedDot(int channel) const;
  void drawAxes(QPainter& p) const;
  void drawLegend(QPainter& p) const;

  void drawPreview(QPainter& p) const;
  // A step's end time and positions (kAbsent for none); each move's first is its start.
  struct PreviewPoint {
    qint64 ms;
    std::array<qint16, kChannels> positions;
  };
  std::vector<std::vector<PreviewPoint>> preview_;

  KoFrameListModel* model_;
  const KoFrameMarks* marks_ = nullptr;
  mutable KoCurveSummary summary_;
  // The list changed while the view was hidden: the summary is read again when needed.
  mutable bool stale_ = true;
  mutable bool redrawAll_ = true;
  // Columns changed since the image was last brought up to date; empty when from > to.
  int dirtyFrom_ = 0;
  int dirtyTo_ = -1;
  QImage frame_;
  QImage image_;
  std::vector<quint8> columns_;
  std::array<QToolButton*, 3> zoomButtons_{};
  bool dots_ = false;
  bool whole_ = true;
  double start_ = 0;
  double span_ = 0;
  QRect paintedMarks_;
  int playing_ = -1;
  const SongEnvelope* song_ = nullptr;
  qint64 songAt_ = -1;
  std::optional<Hit> drag_;
  bool edited_ = false;
  QPointF pressAt_;
  std::optional<QPointF> panFrom_;
  double panStart_ = 0;
  mutable std::array<QImage, kChannels> selectedDots_;
  mutable double marginLeft_ = -1;
  mutable double marginBottom_ = 0;
};
