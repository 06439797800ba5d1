#pragma once

#include <QList>
#include <QWidget>

#include "model/velmar_slider_model.h"
#include "widgets/svg_picture.h"

class QLabel;

class KoVelmarSliderView;
class KoVelmarSliderViewDelegate;

// The editor's pose panel: the arm picture (or the live arm in its place) in the middle, with
// the channel controls in a column on each side, so that no control ever covers the arm. The
// placement resource tells where on the picture each servo is: that picks the control's side,
// and the control stands as level with its servo as the others in its column let it. A corner
// widget stands above the left column, the English legend of the tags under the picture.
// Control i stands for channel i + 1.
class KoVelmarPanView : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kPictureSize{580, 580};
  // Between a column of controls and the picture, and between controls.
  static constexpr int kGap = 6;
  // The English legend's lines under the narrowest picture of the smallest window.
  static constexpr int kLegendLines = 4;
  // The picture's side the view asks for; it grows up to kPictureSize where there is room.
  static constexpr int kPreferredPicture = 480;
  // The picture shrinks to fit a small window, down to this; the controls keep their size.
  static constexpr QSize kMinimumSize{430, 322};
  // Cards widen up to this, for a longer slider, while the picture keeps kRoomyPicture.
  static constexpr int kWideCard = 150;
  static constexpr int kRoomyPicture = 260;

  explicit KoVelmarPanView(KoVelmarSliderViewDelegate* delegate, QWidget* parent = nullptr,
                           const QString& placements = QStringLiteral(":/velmarPostion.json"));

  const QList<KoVelmarSliderView*>& sliders() const { return sliders_; }
  KoSvgPicture* imageVelmar() const { return imageVelmar_; }
  QLabel* textTip() const { return textTip_; }
  // Placed in the top left corner, above the left column, and first in the Tab order.
  void setCornerWidget(QWidget* corner);

  // Room for the picture at most of its size in a large window, beside both columns.
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void changeLanguage();
  void layOut();
  // Places a column of controls in order, each as near its wish as the others let it.
  void stack(QList<int> column, int x, int top, double scale, int pictureTop, QSize card);

  QList<KoVelmarSliderModel> array_;
  QList<KoVelmarSliderView*> sliders_;
  KoSvgPicture* imageVelmar_;
  QLabel* textTip_;
  QWidget* corner_ = nullptr;
};
