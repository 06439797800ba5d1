#include "widgets/velmar_pan_view.h"

#include <QLabel>
#include <QSettings>
#include <QSvgWidget>
#include <algorithm>

#include "model/notification_center.h"
#include "widgets/velmar_slider_view.h"

KoVelmarPanView::KoVelmarPanView(KoVelmarSliderViewDelegate* delegate, QWidget* parent,
                                 const QString& placements)
    : QWidget(parent),
      array_(KoVelmarSliderModel::getNodesInfo(placements)),
      imageVelmar_(new QSvgWidget(QStringLiteral(":/images/robotarm.svg"), this)),
      textTip_(new QLabel(this)) {
  imageVelmar_->resize(kPictureSize);
  setMinimumSize(kMinimumSize);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  for (int i = 0; i < array_.size(); ++i) {
    const KoVelmarSliderModel& m = array_[i];
    auto* v = new KoVelmarSliderView(1001 + i, QStringLiteral("ID:%1").arg(i + 1), delegate,
                                     m.leftTitle, m.rightTitle, this);
    v->resize(KoVelmarSliderView::kSize);
    sliders_.insert(i, v);
  }
  textTip_->setText(QStringLiteral(
      "R--->release\nC--->close\nL--->left\nR--->right\nF--->forward\nB--->backward"));
  textTip_->setStyleSheet(QStringLiteral("color:#dddddd;background:transparent;"));
  textTip_->adjustSize();
  textTip_->hide();
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoVelmarPanView::changeLanguage);
  changeLanguage();
}

ChannelViews KoVelmarPanView::channelViews() const {
  ChannelViews views;
  for (KoVelmarSliderView* v : sliders_) views.append(v);
  return views;
}

void KoVelmarPanView::resizeEvent(QResizeEvent*) {
  const int side = std::min({width(), height(), kPictureSize.width()});
  const double scale = static_cast<double>(side) / kPictureSize.width();
  const QPoint picture((width() - side) / 2, (height() - side) / 2);
  imageVelmar_->setGeometry(QRect(picture, QSize(side, side)));
  const QSize room = size() - KoVelmarSliderView::kSize;
  for (int i = 0; i < sliders_.size(); ++i) {
    // A control near the picture's edge stays whole inside the view.
    const QPoint at =
        picture + QPoint(qRound(array_[i].left * scale), qRound(array_[i].top * scale));
    const QRect frame(QPoint(std::clamp(at.x(), 0, std::max(0, room.width())),
                             std::clamp(at.y(), 0, std::max(0, room.height()))),
                      KoVelmarSliderView::kSize);
    sliders_[i]->setOrginFrame(frame);
    sliders_[i]->setGeometry(frame);
  }
  textTip_->move(10, static_cast<int>(height() / 2.0 * 1.2 - textTip_->height() / 2.0));
}

void KoVelmarPanView::changeLanguage() {
  // No stored choice reads as English, as the language selectors show it.
  textTip_->setVisible(
      QSettings().value(QStringLiteral("language"), QStringLiteral("English")).toString() ==
      QLatin1String("English"));
}
