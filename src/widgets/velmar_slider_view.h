#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "model/channel_view.h"
#include "model/weak_delegate.h"

class QLabel;
class QLineEdit;
class QSlider;
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

// The control of one servo channel: a caption with two direction tags, a position slider
// (0 to 1000) shown in a text field, and a trim slider (-100 to 100) shown in a label.
// A user's move reports to the delegate at once; values set from code (a frame put onto
// the sliders, a reset) move the sliders without a report.
class KoVelmarSliderView : public QWidget, public ChannelView {
  Q_OBJECT

 public:
  static constexpr int kTrimTag = 101;
  static constexpr QSize kSize{110, 76};

  // tag: 1000 + channel number; the text field carries it.
  KoVelmarSliderView(int tag, const QString& title, KoVelmarSliderViewDelegate* delegate,
                     const QString& leftTitle, const QString& rightTitle,
                     QWidget* parent = nullptr);

  int tag() const { return tag_; }
  QLabel* title() const { return title_; }
  KoVelmarLabelView* left() const { return left_; }
  KoVelmarLabelView* right() const { return right_; }
  QSlider* slider() const { return slider_; }
  QLineEdit* textField() const { return textField_; }
  QSlider* sliderSmall() const { return sliderSmall_; }
  QLabel* lableSmall() const { return lableSmall_; }

  bool shake() const { return shake_; }
  bool down() const { return down_; }
  QPoint point1() const { return point1_; }
  void setOrginFrame(const QRect& frame) { orginFrame_ = frame; }
  QRect orginFrame() const { return orginFrame_; }
  // Puts the control back where it was placed.
  void reSetFrame();

  // ChannelView
  QString text() const override;
  void setText(const QString& text) override;
  bool isHidden() const override { return QWidget::isHidden(); }
  void setControlText(const QString& name, const QString& text) override;
  void setShake(bool shake) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // A user moved one of the sliders.
  void click(QSlider* sender);
  void retranslate();

  int tag_;
  WeakDelegate<KoVelmarSliderViewDelegate> delegate_;
  QLabel* title_;
  KoVelmarLabelView* left_;
  KoVelmarLabelView* right_;
  QSlider* slider_;
  QLineEdit* textField_;
  QSlider* sliderSmall_;
  QLabel* lableSmall_;
  QVariantAnimation* animationShake_ = nullptr;
  bool shake_ = false;
  bool down_ = false;
  QPoint point1_;
  QRect orginFrame_;
};
