#include "widgets/velmar_pan_view.h"

#include <QLabel>
#include <QSettings>
#include <QSvgWidget>

#include "model/notification_center.h"
#include "widgets/velmar_slider_view.h"

KoVelmarPanView::KoVelmarPanView(KoVelmarSliderViewDelegate* delegate, QWidget* parent,
                                 const QString& placements)
    : QWidget(parent),
      array_(KoVelmarSliderModel::getNodesInfo(placements)),
      imageVelmar_(new QSvgWidget(QStringLiteral(":/images/robotarm.svg"), this)),
      textTip_(new QLabel(this)) {
  imageVelmar_->resize(kPictureSize);
  setMinimumSize(kPictureSize);
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
  const QPoint picture((width() - kPictureSize.width()) / 2,
                       (height() - kPictureSize.height()) / 2);
  imageVelmar_->move(picture);
  for (int i = 0; i < sliders_.size(); ++i) {
    const QRect frame(
        picture + QPoint(static_cast<int>(array_[i].left), static_cast<int>(array_[i].top)),
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
