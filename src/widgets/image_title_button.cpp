#include "widgets/image_title_button.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QSvgRenderer>

#include "model/notification_center.h"

namespace {

constexpr int kPadding = 6;
constexpr int kGap = 3;
constexpr int kImageSide = 26;
constexpr qreal kRadius = 6;

}  // namespace

QColor KoImageTitleButton::defaultBackgroundColor() { return QColor::fromRgbF(1.0, 0.694, 0.275); }

KoImageTitleButton::KoImageTitleButton(const QString& image, const QString& titleKey,
                                       QWidget* parent)
    : QAbstractButton(parent), renderer_(new QSvgRenderer(this)) {
  QFont f = font();
  f.setPixelSize(12);
  f.setBold(true);
  setFont(f);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setImage(image);
  setMyTitle(titleKey);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoImageTitleButton::retranslate);
}

void KoImageTitleButton::setImage(const QString& image) {
  image_ = image;
  if (image.isEmpty()) {
    renderer_->load(QByteArray());
  } else {
    renderer_->load(image);
  }
  update();
}

void KoImageTitleButton::setMyTitle(const QString& key) {
  myTitle_ = key;
  retranslate();
}

void KoImageTitleButton::retranslate() {
  setText(myTitle_.isEmpty() ? QString() : qtTrId(myTitle_.toUtf8().constData()));
  updateGeometry();
  update();
}

void KoImageTitleButton::setBackgroundColor(const QColor& color) {
  backgroundColor_ = color;
  hoverColor_ = color.lighter(112);
  update();
}

void KoImageTitleButton::setHoverColor(const QColor& color) {
  hoverColor_ = color;
  update();
}

void KoImageTitleButton::setTitleColor(const QColor& color) {
  titleColor_ = color;
  update();
}

QSize KoImageTitleButton::sizeHint() const {
  const QFontMetrics metrics(font());
  const QString title = myTitle_.isEmpty() ? QString() : qtTrId(myTitle_.toUtf8().constData());
  const int width = std::max(kImageSide, metrics.horizontalAdvance(title)) + 4 * kPadding;
  return {std::max(width, 72), kPadding * 2 + kImageSide + kGap + metrics.height()};
}

void KoImageTitleButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void KoImageTitleButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void KoImageTitleButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor fill = hovered_ ? hoverColor_ : backgroundColor_;
  if (isDown()) fill = backgroundColor_.darker(112);
  if (!isEnabled()) {
    // Greyed rather than faded, so it reads as disabled on any background.
    fill = QColor::fromHsvF(0, 0, backgroundColor_.valueF() * 0.62);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawRoundedRect(QRectF(rect()), kRadius, kRadius);
  if (!isEnabled()) painter.setOpacity(0.6);
  if (hasFocus()) {
    painter.setPen(QPen(titleColor_, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), kRadius, kRadius);
  }

  // Looked up here rather than taken from text(), so a repaint is all a language change needs.
  const QString title = myTitle_.isEmpty() ? QString() : qtTrId(myTitle_.toUtf8().constData());
  const QFontMetrics metrics(font());
  const int textHeight = title.isEmpty() ? 0 : metrics.height();
  const int room = height() - 2 * kPadding - (textHeight ? textHeight + kGap : 0);
  const int side = std::max(0, std::min({kImageSide, room, width() - 2 * kPadding}));
  const int top = (height() - side - (textHeight ? textHeight + kGap : 0)) / 2;
  if (renderer_->isValid() && side > 0) {
    renderer_->render(&painter, QRectF((width() - side) / 2.0, top, side, side));
  }
  if (!title.isEmpty()) {
    painter.setPen(titleColor_);
    const QRect textBox(kPadding / 2, top + side + kGap, width() - kPadding, textHeight);
    painter.drawText(textBox, Qt::AlignCenter,
                     metrics.elidedText(title, Qt::ElideRight, textBox.width()));
  }
}
