#include "widgets/velmar_pan_view.h"

#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSettings>
#include <algorithm>

#include "model/notification_center.h"
#include "widgets/svg_picture.h"
#include "widgets/theme.h"
#include "widgets/velmar_slider_view.h"

KoVelmarPanView::KoVelmarPanView(KoVelmarSliderViewDelegate* delegate, QWidget* parent,
                                 const QString& placements)
    : QWidget(parent),
      array_(KoVelmarSliderModel::getNodesInfo(placements)),
      imageVelmar_(new KoSvgPicture(QStringLiteral(":/images/robotarm.svg"), this)),
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
  textTip_->setWordWrap(true);
  textTip_->setForegroundRole(QPalette::PlaceholderText);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoVelmarPanView::changeLanguage);
  changeLanguage();
}

QSize KoVelmarPanView::sizeHint() const {
  return {kPreferredPicture + 2 * (KoVelmarSliderView::kSize.width() + kGap),
          kPictureSize.height()};
}

void KoVelmarPanView::setCornerWidget(QWidget* corner) {
  corner_ = corner;
  corner->setParent(this);
  // It keeps the size its texts need in every language, and the controls make way for it.
  if (corner->layout()) corner->layout()->setSizeConstraint(QLayout::SetFixedSize);
  corner->adjustSize();
  corner->installEventFilter(this);
  corner->show();
  // Reparented, it would come last in the Tab order; it goes before the first channel. Qt
  // orders only focusable widgets, so the chain is laid from the last one before the channels.
  if (sliders_.isEmpty()) return layOut();
  QList<QWidget*> order;
  const auto tabbable = [](QWidget* w) { return bool(w->focusPolicy() & Qt::TabFocus); };
  QWidget* first = sliders_.first()->slider();
  for (QWidget* w = first->previousInFocusChain(); w != first; w = w->previousInFocusChain()) {
    if (tabbable(w) && !corner->isAncestorOf(w)) {
      order.append(w);
      break;
    }
  }
  for (QWidget* w : corner->findChildren<QWidget*>()) {
    if (tabbable(w)) order.append(w);
  }
  for (KoVelmarSliderView* v : sliders_) {
    order.append(QList<QWidget*>{v->slider(), v->textField(), v->sliderSmall(), v->lableSmall()});
  }
  for (int i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
  layOut();
}

bool KoVelmarPanView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == corner_ && event->type() == QEvent::Resize) layOut();
  return QWidget::eventFilter(watched, event);
}

void KoVelmarPanView::resizeEvent(QResizeEvent*) { layOut(); }

void KoVelmarPanView::layOut() {
  const QSize card(std::clamp((width() - kRoomyPicture) / 2 - kGap,
                              KoVelmarSliderView::kSize.width(), kWideCard),
                   KoVelmarSliderView::kSize.height());
  const int columnWidth = card.width() + kGap;
  const int middleWidth = std::max(0, width() - 2 * columnWidth);
  const QSize cornerSize = corner_ ? corner_->size() : QSize();
  // A corner wider than its column reaches over the middle: the picture starts below it.
  const int middleTop = cornerSize.width() > card.width() ? cornerSize.height() + kGap : 0;

  // The legend's room is kept in every language, shown or not, so a switch moves no card.
  const int legendRoom = kLegendLines * textTip_->fontMetrics().lineSpacing() + kGap;
  QRect legend;
  if (!textTip_->isHidden()) {
    const int natural = textTip_->fontMetrics().boundingRect(QRect(), 0, textTip_->text()).width();
    const int w = std::min(middleWidth, natural + 2);
    legend.setSize({w, std::min(textTip_->heightForWidth(w), legendRoom - kGap)});
  }
  const int side =
      std::max(0, std::min({middleWidth, height() - middleTop - legendRoom, kPictureSize.width()}));
  const double scale = static_cast<double>(side) / kPictureSize.width();
  const int blockTop = middleTop + std::max(0, (height() - middleTop - side - legendRoom) / 2);
  const QPoint picture(columnWidth + (middleWidth - side) / 2, blockTop);
  imageVelmar_->setGeometry(QRect(picture, QSize(side, side)));
  if (!legend.isEmpty()) {
    legend.moveTopLeft({columnWidth + (middleWidth - legend.width()) / 2, blockTop + side + kGap});
    textTip_->setGeometry(legend);
  }

  // The columns stand beside the picture, not at the far edges of a wide view.
  const int leftX = std::max(0, picture.x() - columnWidth);
  const int rightX = std::min(width() - card.width(), picture.x() + side + kGap);
  if (corner_) corner_->move(leftX, 0);
  QList<int> left;
  QList<int> right;
  for (int i = 0; i < sliders_.size(); ++i) {
    // The placements were measured with cards of the narrow size.
    const bool onLeft =
        array_[i].left + KoVelmarSliderView::kSize.width() / 2.0 < kPictureSize.width() / 2.0;
    (onLeft ? left : right).append(i);
  }
  stack(left, leftX, corner_ ? cornerSize.height() + kGap : 0, scale, picture.y(), card);
  stack(right, rightX, 0, scale, picture.y(), card);
}

void KoVelmarPanView::stack(QList<int> column, int x, int top, double scale, int pictureTop,
                            QSize card) {
  std::stable_sort(column.begin(), column.end(),
                   [this](int a, int b) { return array_[a].top < array_[b].top; });
  const int h = card.height();
  QList<int> ys;
  for (int i : column) ys.append(pictureTop + qRound(array_[i].top * scale));
  // Down from the top, each below the one above; then up from the bottom, each above the one
  // below; what still sticks out at the top is a view too short, where they share it evenly.
  for (int k = 0; k < ys.size(); ++k) {
    ys[k] = std::max(ys[k], k == 0 ? top : ys[k - 1] + h + kGap);
  }
  for (int k = int(ys.size()) - 1; k >= 0; --k) {
    ys[k] = std::min(ys[k], k + 1 == ys.size() ? height() - h : ys[k + 1] - h - kGap);
  }
  if (!ys.isEmpty() && ys.first() < top) {
    const int step = ys.size() > 1 ? (height() - h - top) / (int(ys.size()) - 1) : 0;
    for (int k = 0; k < ys.size(); ++k) ys[k] = top + k * step;
  }
  for (int k = 0; k < ys.size(); ++k) {
    const QRect frame(QPoint(x, ys[k]), card);
    sliders_[column[k]]->setOrginFrame(frame);
    sliders_[column[k]]->setGeometry(frame);
  }
}

void KoVelmarPanView::changeLanguage() {
  // Channels with the same tags share a line: "ID:2, 6  L left · R right".
  QStringList lines;
  QList<QPair<QString, QString>> pairs;
  QList<QStringList> channels;
  for (int i = 0; i < array_.size(); ++i) {
    const QPair<QString, QString> pair{array_[i].leftTitle, array_[i].rightTitle};
    const qsizetype at = pairs.indexOf(pair);
    if (at < 0) {
      pairs.append(pair);
      channels.append({QString::number(i + 1)});
    } else {
      channels[at].append(QString::number(i + 1));
    }
  }
  const auto tag = [](const QString& key) {
    static const QHash<QString, const char*> meanings{
        {QStringLiteral("tag_release"), QT_TRID_NOOP("tag_release_meaning")},
        {QStringLiteral("tag_close"), QT_TRID_NOOP("tag_close_meaning")},
        {QStringLiteral("tag_left"), QT_TRID_NOOP("tag_left_meaning")},
        {QStringLiteral("tag_right"), QT_TRID_NOOP("tag_right_meaning")},
        {QStringLiteral("tag_forward"), QT_TRID_NOOP("tag_forward_meaning")},
        {QStringLiteral("tag_backward"), QT_TRID_NOOP("tag_backward_meaning")}};
    const char* meaning = meanings.value(key);
    const QString text = qtTrId(key.toUtf8().constData());
    return meaning ? QStringLiteral("%1 %2").arg(text, qtTrId(meaning)) : text;
  };
  for (int k = 0; k < pairs.size(); ++k) {
    lines.append(QStringLiteral("ID:%1  %2 · %3")
                     .arg(channels[k].join(QStringLiteral(", ")), tag(pairs[k].first),
                          tag(pairs[k].second)));
  }
  textTip_->setText(lines.join(u'\n'));
  // The Chinese tags are words already; only the English letters need the legend. No stored
  // choice reads as English, as the language selectors show it.
  textTip_->setVisible(
      QSettings().value(QStringLiteral("language"), QStringLiteral("English")).toString() ==
      QLatin1String("English"));
  layOut();
}
