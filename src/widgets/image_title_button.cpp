#include "widgets/image_title_button.h"

#include <QEnterEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "model/notification_center.h"
#include "widgets/colours.h"
#include "widgets/svg_images.h"
#include "widgets/theme.h"

namespace {

constexpr int kPadding = 6;
constexpr int kGap = 3;
constexpr int kImageSide = 26;
constexpr qreal kRadius = KoTheme::kRadius;

}  // namespace

QColor KoImageTitleButton::defaultBackgroundColor() { return KoColours::orange(); }

QColor KoImageTitleButton::busyBackgroundColor() { return KoTheme::roles().busy; }

KoImageTitleButton::KoImageTitleButton(const QString& image, const QString& titleKey,
                                       QWidget* parent)
    : QAbstractButton(parent) {
  setFont(KoTheme::font(KoTheme::Type::Label, true));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setImage(image);
  // Drawn ahead at the size a button has unless squeezed, while the window is being built.
  drawing_.drawAhead(QSize(kImageSide, kImageSide) * devicePixelRatioF());
  setMyTitle(titleKey);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoImageTitleButton::retranslate);
}

void KoImageTitleButton::setImage(const QString& image) {
  image_ = image;
  drawing_.setPath(image);
  update();
}

void KoImageTitleButton::setMyTitle(const QString& key) {
  myTitle_ = key;
  retranslate();
}

void KoImageTitleButton::retranslate() {
  setText(myTitle_.isEmpty() ? QString() : qtTrId(myTitle_.toUtf8().constData()));
  hint_.reset();
  updateGeometry();
  update();
}

void KoImageTitleButton::setBackgroundColor(const QColor& color) {
  backgroundColor_ = color;
  hoverColor_ = color.lighter(112);
  update();
}

QColor KoImageTitleButton::titleColor() const { return KoColours::textOn(fillColor()); }

QColor KoImageTitleButton::fillColor() const {
  // Greyed rather than faded when disabled, so it reads as disabled on any background.
  if (!isEnabled()) return QColor::fromHsvF(0, 0, backgroundColor_.valueF() * 0.62f);
  if (isDown()) return backgroundColor_.darker(112);
  return hovered_ ? hoverColor_ : backgroundColor_;
}

void KoImageTitleButton::setWrapsTitle(bool wraps) {
  wrapsTitle_ = wraps;
  hint_.reset();
  updateGeometry();
  update();
}

void KoImageTitleButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) hint_.reset();
  QAbstractButton::changeEvent(event);
}

QSize KoImageTitleButton::sizeHint() const {
  // Layouts ask many times while a window is built; each answer measured the title anew.
  if (!hint_) hint_ = measuredHint();
  return *hint_;
}

QSize KoImageTitleButton::measuredHint() const {
  const QFontMetrics metrics(font());
  const QString title = myTitle_.isEmpty() ? QString() : qtTrId(myTitle_.toUtf8().constData());
  int textWidth = metrics.horizontalAdvance(title);
  int lines = 1;
  if (wrapsTitle_) {
    lines = 2;
    textWidth = 0;
    for (const QString& word : title.split(u' ', Qt::SkipEmptyParts)) {
      textWidth = std::max(textWidth, metrics.horizontalAdvance(word));
    }
  }
  const int width = std::max(kImageSide, textWidth) + 4 * kPadding;
  return {std::max(width, 72), kPadding * 2 + kImageSide + kGap + lines * metrics.height()};
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
  painter.setPen(Qt::NoPen);
  painter.setBrush(fillColor());
  painter.drawRoundedRect(QRectF(rect()), kRadius, kRadius);
  if (hasFocus()) {
    painter.setPen(QPen(KoColours::focusOn(fillColor()), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kRadius, kRadius);
  }

  // Looked up here rather than taken from text(), so a repaint is all a language change needs.
  const QString title = myTitle_.isEmpty() ? QString() : qtTrId(myTitle_.toUtf8().constData());
  const QFontMetrics metrics(font());
  const int lines = wrapsTitle_ ? 2 : 1;
  const int textHeight = title.isEmpty() ? 0 : lines * metrics.height();
  const int room = height() - 2 * kPadding - (textHeight ? textHeight + kGap : 0);
  const int side = std::max(0, std::min({kImageSide, room, width() - 2 * kPadding}));
  const int top = (height() - side - (textHeight ? textHeight + kGap : 0)) / 2;
  const qreal ratio = devicePixelRatioF();
  const QImage& drawn = drawing_.at(QSize(side, side) * ratio, ratio);
  if (!drawn.isNull()) {
    QImage picture = drawn;
    // The picture takes the title's colour, so it stands out from the fill as the title does.
    picture.setDevicePixelRatio(ratio);
    QPainter tint(&picture);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(QRectF(0, 0, side, side), titleColor());
    tint.end();
    if (!isEnabled()) painter.setOpacity(0.6);
    painter.drawImage(QPointF((width() - side) / 2.0, top), picture);
    painter.setOpacity(1);
  }
  if (!title.isEmpty()) {
    painter.setPen(titleColor());
    const QRect textBox(kPadding / 2, top + side + kGap, width() - kPadding, textHeight);
    if (wrapsTitle_) {
      painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title);
    } else {
      painter.drawText(textBox, Qt::AlignCenter,
                       metrics.elidedText(title, Qt::ElideRight, textBox.width()));
    }
  }
}
