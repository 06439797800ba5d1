#pragma once

#include <QTimer>
#include <QWidget>
#include <chrono>

// The two looks of KoSlider: KoToolSlider for the limit sliders, KoSpeedSlider for the time,
// position and speed sliders.
enum class KoSliderCell { KoToolSlider, KoSpeedSlider };

// A horizontal or vertical slider over a range of doubles with a fixed step. Values are kept
// on the step grid counted from the minimum, so a step of 0.1 never drifts to 4.499999.
//
// User moves send sliderAction: a press off the knob steps once toward the value under the
// pointer (while the two differ by more than one step), and while the button stays held
// without the pointer moving the step repeats, first after the hold delay (0.5 s) and then
// every repeat delay (0.1 s); dragging sets the value from the pointer. A press on the knob
// grabs it without stepping. Setting the value from code sends only valueChanged.
class KoSlider : public QWidget {
  Q_OBJECT
  Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)

 public:
  using Delay = std::chrono::milliseconds;

  explicit KoSlider(Qt::Orientation orientation = Qt::Horizontal,
                    KoSliderCell cell = KoSliderCell::KoSpeedSlider, QWidget* parent = nullptr);

  void setRepeatDelays(Delay hold, Delay repeat);

  // A maximum off the step grid is lowered to the last grid value below it.
  void setRange(double minimum, double maximum);
  void setStep(double step);

  double value() const;
  // The value rounded to a whole number, for the sliders whose step is 1.
  int intValue() const;
  // Clamps to the range and snaps to the nearest grid value; never sends sliderAction.
  void setValue(double value);
  // As a move of the knob by the user: clamped and snapped, and sliderAction sent on a change.
  void setValueByUser(double value);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  double step() const { return step_; }

  void setCell(KoSliderCell cell);

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  // Where the value is drawn.
  QPointF pointFor(double value) const;
  QRectF knobRect() const;

  QSize sizeHint() const override;

 signals:
  // The user moved the slider.
  void sliderAction(double value);
  // The value changed, by the user or from code.
  void valueChanged(double value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  qreal knobSize() const;
  qreal trackLength() const;
  qint64 positionAt(const QPointF& point) const;
  double valueOf(qint64 position) const;
  qint64 positionFor(double value) const;
  void regrid(double before);
  bool setPosition(qint64 position);
  void userSetPosition(qint64 position);
  bool stepTowardTarget();
  void repeatStep();
  void stopRepeating();

  Qt::Orientation orientation_;
  KoSliderCell cell_;
  double minimum_ = 0;
  double maximum_ = 100;
  double step_ = 1;
  int decimals_ = 0;
  // The value is minimum_ + position_ * step_, with 0 <= position_ <= steps_.
  qint64 steps_ = 100;
  qint64 position_ = 0;
  int tag_ = 0;

  bool pressed_ = false;
  QPointF lastPoint_;
  qint64 target_ = 0;
  QTimer holdTimer_;
  QTimer repeatTimer_;
  Delay holdDelay_;
  Delay repeatDelay_;
};
