#pragma once

#include <QList>
#include <QWidget>

#include "model/channel_view.h"
#include "model/velmar_slider_model.h"

class QLabel;
class QSvgWidget;
class KoVelmarSliderView;
class KoVelmarSliderViewDelegate;

// The editor's pose panel: the arm picture with one channel control laid over each servo,
// placed by the placement resource, scaled with the picture. Control i stands for channel i + 1.
class KoVelmarPanView : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kPictureSize{580, 580};
  // The picture shrinks to fit a small window, down to this; the controls keep their size.
  static constexpr QSize kMinimumSize{430, 322};

  explicit KoVelmarPanView(KoVelmarSliderViewDelegate* delegate, QWidget* parent = nullptr,
                           const QString& placements = QStringLiteral(":/velmarPostion.json"));

  const QList<KoVelmarSliderView*>& sliders() const { return sliders_; }
  // The controls as the frame conversions take them.
  ChannelViews channelViews() const;
  QSvgWidget* imageVelmar() const { return imageVelmar_; }
  QLabel* textTip() const { return textTip_; }

  QSize sizeHint() const override { return kPictureSize; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void changeLanguage();

  QList<KoVelmarSliderModel> array_;
  QList<KoVelmarSliderView*> sliders_;
  QSvgWidget* imageVelmar_;
  QLabel* textTip_;
};
