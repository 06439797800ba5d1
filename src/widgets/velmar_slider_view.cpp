#include "widgets/velmar_slider_view.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

#include "model/limits.h"
#include "model/notification_center.h"
#include "model/value_utils.h"
#include "widgets/colours.h"

namespace {

const QColor kOrange = QColor::fromRgbF(1.0f, 0.6941176470588235f, 0.27450980392156865f);
// The shake swings by 7.5 degrees each way; a widget cannot turn, so it swings sideways by
// the arc that angle sweeps at the control's half width.
constexpr double kShakeRadians = 0.1308996938995747;
constexpr int kShakeMilliseconds = 250;

QFont pointFont(qreal points, bool bold = false) {
  QFont f = QApplication::font();
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

}  // namespace

KoVelmarLabelView::KoVelmarLabelView(const QString& stringValue, QWidget* parent)
    : QWidget(parent), title_(stringValue) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  retranslate();
}

void KoVelmarLabelView::retranslate() {
  const qreal advance =
      QFontMetricsF(pointFont(11)).horizontalAdvance(qtTrId(title_.toUtf8().constData()));
  setFixedSize(std::max(18, static_cast<int>(std::ceil(2 * textOrigin().x() + advance))), 18);
  update();
}

QPointF KoVelmarLabelView::textOrigin() const {
  return {qtTrId(title_.toUtf8().constData()).size() == 1 ? 5.5 : 3.5, 4.0};
}

void KoVelmarLabelView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(rect(), 4, 4);
  p.setPen(Qt::white);
  const QFont font = pointFont(11);
  p.setFont(font);
  const QPointF origin = textOrigin();
  p.drawText(QPointF(origin.x(), origin.y() + QFontMetricsF(font).ascent() - 3),
             qtTrId(title_.toUtf8().constData()));
}

KoVelmarSliderView::KoVelmarSliderView(int tag, const QString& title,
                                       KoVelmarSliderViewDelegate* delegate,
                                       const QString& leftTitle, const QString& rightTitle,
                                       QWidget* parent)
    : QWidget(parent),
      tag_(tag),
      title_(new QLabel(title)),
      left_(new KoVelmarLabelView(leftTitle)),
      right_(new KoVelmarLabelView(rightTitle)),
      slider_(new QSlider(Qt::Horizontal)),
      textField_(new QLineEdit(QStringLiteral("500"))),
      sliderSmall_(new QSlider(Qt::Horizontal)),
      lableSmall_(new QLabel(QStringLiteral("0"))) {
  resize(kSize);
  delegate_.set(delegate);
  setAttribute(Qt::WA_StyledBackground, false);
  auto* opacity = new QGraphicsOpacityEffect(this);
  opacity->setOpacity(0.8);
  setGraphicsEffect(opacity);

  title_->setFont(pointFont(11, true));
  title_->setStyleSheet(QStringLiteral("color:#1a1a1a;background:transparent;"));

  slider_->setRange(limits::kPosition.minimum, limits::kPosition.maximum);
  slider_->setValue(limits::kPosition.start);
  slider_->setStyleSheet(
      QStringLiteral("QSlider::groove:horizontal{background:white;height:6px;border-radius:3px;}"
                     "QSlider::handle:horizontal{background:#2b2d31;width:10px;margin:-4px "
                     "0;border-radius:5px;}QSlider:focus{border:2px solid %1;border-radius:4px;}")
          .arg(KoColours::focus().name()));
  textField_->setReadOnly(true);
  textField_->setAlignment(Qt::AlignCenter);
  textField_->setFont(pointFont(11.5));
  textField_->setFixedWidth(40);
  textField_->setProperty("tag", tag);
  textField_->setStyleSheet(
      QStringLiteral("QLineEdit{background:#2b2d31;color:white;border:none;border-radius:8px;}"));

  sliderSmall_->setRange(limits::kTrim.minimum, limits::kTrim.maximum);
  sliderSmall_->setValue(limits::kTrim.start);
  sliderSmall_->setProperty("tag", kTrimTag);
  sliderSmall_->setStyleSheet(
      QStringLiteral(
          "QSlider::groove:horizontal{background:#e0453a;height:4px;border-radius:2px;}"
          "QSlider::handle:horizontal{background:white;width:8px;margin:-3px 0;border-radius:4px;}"
          "QSlider:focus{border:2px solid %1;border-radius:4px;}")
          .arg(KoColours::focus().name()));
  lableSmall_->setAlignment(Qt::AlignCenter);
  lableSmall_->setFont(pointFont(10));
  lableSmall_->setFixedWidth(40);
  lableSmall_->setStyleSheet(QStringLiteral("color:#1a1a1a;background:transparent;"));

  auto* top = new QHBoxLayout;
  top->setSpacing(3);
  top->addWidget(title_);
  top->addStretch();
  top->addWidget(left_);
  top->addWidget(right_);
  auto* position = new QHBoxLayout;
  position->addWidget(slider_, 1);
  position->addWidget(textField_);
  auto* trim = new QHBoxLayout;
  trim->addWidget(sliderSmall_, 1);
  trim->addWidget(lableSmall_);
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(6, 4, 6, 4);
  rows->setSpacing(2);
  rows->addLayout(top);
  rows->addLayout(position);
  rows->addLayout(trim);

  // Values set from code block these signals, so only a user's move gets here.
  connect(slider_, &QSlider::valueChanged, this, [this] { click(slider_); });
  connect(sliderSmall_, &QSlider::valueChanged, this, [this] { click(sliderSmall_); });

  auto& center = KoNotificationCenter::defaultCenter();
  connect(&center, &KoNotificationCenter::refreshSliderTextField, this,
          &KoVelmarSliderView::reSetFrame);
  connect(&center, &KoNotificationCenter::changeLanguage, this, &KoVelmarSliderView::retranslate);
  retranslate();
}

void KoVelmarSliderView::retranslate() {
  left_->retranslate();
  right_->retranslate();
  const QString channel = title_->text();
  slider_->setAccessibleName(channel + u' ' + qtTrId("position"));
  slider_->setAccessibleDescription(qtTrId("slider_position_tips"));
  textField_->setAccessibleName(channel + u' ' + qtTrId("position"));
  sliderSmall_->setAccessibleName(channel + u' ' + qtTrId("deviation"));
  sliderSmall_->setAccessibleDescription(qtTrId("slider_trim_tips"));
  lableSmall_->setAccessibleName(channel + u' ' + qtTrId("deviation"));
}

void KoVelmarSliderView::click(QSlider* sender) {
  const int value = sender->value();
  const bool trim = sender == sliderSmall_;
  if (trim) {
    lableSmall_->setText(QString::number(value));
  } else {
    textField_->setText(QString::number(value));
  }
  if (auto* d = delegate_.get()) d->sliderTextFieldView(this, value, trim ? 0 : 1);
}

QString KoVelmarSliderView::text() const { return textField_->text(); }

void KoVelmarSliderView::setText(const QString& text) {
  textField_->setText(text);
  const QSignalBlocker block(slider_);
  slider_->setValue(static_cast<int>(std::clamp<qint64>(KoTools::integerValue(text), 0, 1000)));
}

void KoVelmarSliderView::setControlText(const QString& name, const QString& text) {
  if (name == QLatin1String("textField") || name == QLatin1String("slider")) {
    setText(text);
  } else if (name == QLatin1String("sliderSmall")) {
    const QSignalBlocker block(sliderSmall_);
    sliderSmall_->setValue(
        limits::kTrim.clamp(KoTools::integerValue(text)));
  } else if (name == QLatin1String("lableSmall")) {
    lableSmall_->setText(text);
  }
}

void KoVelmarSliderView::setShake(bool shake) {
  shake_ = shake;
  if (!animationShake_) {
    animationShake_ = new QVariantAnimation(this);
    animationShake_->setDuration(kShakeMilliseconds);
    animationShake_->setStartValue(0.0);
    animationShake_->setKeyValueAt(0.25, -kShakeRadians);
    animationShake_->setKeyValueAt(0.5, kShakeRadians);
    animationShake_->setKeyValueAt(0.75, -kShakeRadians);
    animationShake_->setEndValue(0.0);
    connect(animationShake_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
      const QPoint home = orginFrame_.isValid() ? orginFrame_.topLeft() : pos();
      move(home.x() + qRound(v.toDouble() * width() / 2), y());
    });
    connect(animationShake_, &QVariantAnimation::finished, this, [this] {
      if (orginFrame_.isValid()) move(orginFrame_.topLeft());
    });
  }
  animationShake_->stop();
  if (shake) {
    if (!orginFrame_.isValid()) orginFrame_ = geometry();
    animationShake_->start();  // a new shake replaces one still running
  } else if (orginFrame_.isValid()) {
    move(orginFrame_.topLeft());
  }
}

void KoVelmarSliderView::reSetFrame() {
  if (orginFrame_.isValid()) setGeometry(orginFrame_);
}

void KoVelmarSliderView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kOrange);
  p.drawRoundedRect(rect(), 10, 10);
}

void KoVelmarSliderView::mousePressEvent(QMouseEvent* event) {
  point1_ = event->position().toPoint();
  const QWidget* parent = parentWidget();
  if (!parent || parent->rect().contains(mapToParent(point1_))) {
    raise();
    down_ = true;
    setCursor(Qt::PointingHandCursor);
  }
}
