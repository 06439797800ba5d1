#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

#include <QColor>
#include <QLineEdit>
#include <QSlider>

#include "model/arm_profile.h"
#include "model/limits.h"
#include "model/weak_delegate.h"

class QLabel;
class QVariantAnimation;
class KoVelmarSliderView;

class KoVelmarSliderViewDelegate {
 public:
  virtual ~KoVelmarSliderViewDelegate() = default;
  // The user moved a slider: type 1 for the position, 0 for the trim.
  virtual void sliderTextFieldView(KoVelmarSliderView* view, qint64 value, int type) = 0;
};

// One small direction tag beside a channel's caption: a localization key drawn in the
// current language.
class KoVelmarLabelView : public QWidget {
  Q_OBJECT

 public:
  KoVelmarLabelView(const QString& stringValue, QWidget* parent = nullptr);

  QString title() const { return title_; }
  // Where the text is drawn: a single letter sits 2 points further right, centred.
  QPointF textOrigin() const;
  // Takes the width its text needs in the current language (a Chinese character is wider
  // than a letter), keeping the text's margin on both sides.
  void retranslate();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
};

// A channel's slider whose knob stays under the pointer: a drag moves the knob as far as the
// pointer goes, and with Shift held it moves one unit per kFinePixelsPerUnit pixels from where
// Shift was pressed, for a value the short track cannot reach by hand. A wheel notch moves one
// single step (a page step with Shift or Ctrl). A press beside the knob takes a page step
// toward the pointer, then drags the knob along with it.
// Painted by itself rather than by a style sheet, which made each card's start several times
// slower: a rounded groove, a rounded knob on it, and a focus ring inside the edge that the
// groove makes room for.
class KoChannelSlider : public QSlider {
  Q_OBJECT

 public:
  struct Look {
    QColor groove;
    int grooveHeight;
    QColor knob;
    QSize knobSize;
  };

  static constexpr int kFinePixelsPerUnit = 4;

  KoChannelSlider(limits::Range range, Look look, QWidget* parent = nullptr);

  QRect grooveRect() const;
  QRect knobRect() const;
  // The strip a mark at `position` covers, edges included.
  QRectF markRect(int position) const;
  // A mark on the track at a position other than the value; none hides it.
  void setMark(std::optional<int> position);
  std::optional<int> mark() const { return mark_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Inside the focus ring while focused.
  QRect track() const;
  // The pixels the knob travels from one end to the other.
  int travel() const;

  Look look_;
  std::optional<int> mark_;
  bool dragging_ = false;
  bool fine_ = false;
  // Where the drag, or its latest change between fine and coarse, started.
  qreal pressX_ = 0;
  int pressValue_ = 0;
  qreal lastX_ = 0;
  int wheelRemainder_ = 0;
};

// A channel's value field: a rounded fill with a focus ring inside its edge, painted by itself
// for the same reason as the slider.
class KoChannelField : public QLineEdit {
  Q_OBJECT

 public:
  KoChannelField(const QString& text, QColor background, QColor textColour, int radius,
                 QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int fieldHeight() const;

  QColor background_;
  int radius_;
};

// The control of one servo channel: a caption with two direction tags, a position slider
// shown in a text field, and a trim slider shown in a smaller field. Either field takes a typed
// value (Enter sends it, clamped to the range; Escape or leaving the field restores the shown
// value) and the keys Up/Down (one step) and Page Up/Down (ten). A user's move reports to the
// delegate once; values set from code (a frame put onto the sliders, a reset) move the
// sliders without a report.
class KoVelmarSliderView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTrimTag = 101;
  static constexpr QSize kSize{110, 76};
  static constexpr int kPageStep = 10;

  // tag: 1000 + channel number; the text field carries it.
  KoVelmarSliderView(int tag, const QString& title, KoVelmarSliderViewDelegate* delegate,
                     const QString& leftTitle, const QString& rightTitle,
                     QWidget* parent = nullptr);

  int tag() const { return tag_; }
  QLabel* title() const { return title_; }
  QSlider* slider() const { return slider_; }
  QLineEdit* textField() const { return textField_; }
  QSlider* sliderSmall() const { return sliderSmall_; }
  QLineEdit* lableSmall() const { return lableSmall_; }

  // The channel's safe range bounds the slider, its keys and a typed value; a reversed
  // channel's slider has its lowest position on the right and turns the other way under the
  // keys and the wheel. The position itself keeps its meaning. Sends nothing.
  void setChannelProfile(const KoChannelProfile& channel);

  void setOrginFrame(const QRect& frame) { orginFrame_ = frame; }
  // Puts the control back where it was placed.
  void reSetFrame();

  // The position shown in the field.
  QString text() const;
  // A whole number typed into the position field and not yet sent with Enter.
  std::optional<qint64> typedPosition() const;
  // Set from code: the slider follows, held within its range, and reports nothing.
  void setPosition(qint64 position);
  void setTrim(qint64 trim);
  void setShake(bool shake);
  // The position the table's selected frame holds, marked on the track and told in the
  // slider's tooltip, so that the frame Update Frame would overwrite is in view without the
  // arm moving; none (a channel the frame leaves out, or no frame) shows no mark.
  void setFrameMark(std::optional<qint64> position);
  std::optional<qint64> frameMark() const { return frameMark_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A user moved one of the sliders.
  void click(QSlider* sender);
  // The user pressed Enter in a field: the slider takes the typed value and it is sent.
  void commit(QSlider* slider, QLineEdit* field);
  // The field shows its slider's value again.
  void restore(QSlider* slider, QLineEdit* field);
  void retranslate();
  // The position slider's tooltip: its range, and the selected frame's position.
  void showSliderTip();

  int tag_;
  WeakDelegate<KoVelmarSliderViewDelegate> delegate_;
  QLabel* title_;
  KoVelmarLabelView* left_;
  KoVelmarLabelView* right_;
  KoChannelSlider* slider_;
  KoChannelField* textField_;
  KoChannelSlider* sliderSmall_;
  KoChannelField* lableSmall_;
  QVariantAnimation* animationShake_ = nullptr;
  QPoint point1_;
  QRect orginFrame_;
  int lowest_ = limits::kPosition.minimum;
  int highest_ = limits::kPosition.maximum;
  bool reversed_ = false;
  std::optional<qint64> frameMark_;
  QString rangeTip_;
};
