#include "widgets/velmar_slider_view.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

#include "model/limits.h"
#include "model/notification_center.h"
#include "model/value_utils.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

namespace {

// The shake swings by 7.5 degrees each way; a widget cannot turn, so it swings sideways by
// the arc that angle sweeps at the control's half width.
constexpr double kShakeRadians = 0.1308996938995747;
constexpr int kShakeMilliseconds = 250;

// Digits of the range's widest end, and a sign where it goes below zero; Enter clamps the rest.
QValidator* fieldValidator(limits::Range range, QObject* parent) {
  const int digits = static_cast<int>(std::max(QString::number(std::abs(range.minimum)).size(),
                                               QString::number(range.maximum).size()));
  const QString sign = range.minimum < 0 ? QStringLiteral("[-+]?") : QString();
  return new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("%1\\d{0,%2}").arg(sign).arg(digits)), parent);
}

constexpr int kFocusRing = 2;

// The cards are orange in either scheme, and so is everything on them.
const KoTheme::Roles& card() { return KoTheme::roles(KoTheme::Scheme::Light); }

// A ring of kFocusRing pixels inside `outer`, its outer corners rounded by `radius`.
void paintFocusRing(QPainter& p, const QRectF& outer, qreal radius, const QColor& background) {
  QPainterPath ring;
  ring.addRoundedRect(outer, radius, radius);
  const qreal inner = std::max<qreal>(0, radius - kFocusRing);
  ring.addRoundedRect(outer.adjusted(kFocusRing, kFocusRing, -kFocusRing, -kFocusRing), inner,
                      inner);
  p.fillPath(ring, KoColours::focusOn(background));
}

}  // namespace

KoChannelSlider::KoChannelSlider(limits::Range range, Look look, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), look_(look) {
  setRange(range.minimum, range.maximum);
  setValue(range.start);
  setSingleStep(1);
  setPageStep(KoVelmarSliderView::kPageStep);
}

QRect KoChannelSlider::track() const {
  return hasFocus() ? rect().adjusted(kFocusRing, kFocusRing, -kFocusRing, -kFocusRing) : rect();
}

QRect KoChannelSlider::grooveRect() const {
  const QRect t = track();
  return {t.x(), t.y() + (t.height() - look_.grooveHeight) / 2, t.width(), look_.grooveHeight};
}

int KoChannelSlider::travel() const {
  return std::max(1, grooveRect().width() - look_.knobSize.width());
}

QRect KoChannelSlider::knobRect() const {
  const QRect groove = grooveRect();
  const QSize knob = look_.knobSize;
  const int x = QStyle::sliderPositionFromValue(minimum(), maximum(), sliderPosition(), travel(),
                                                invertedAppearance());
  return {groove.x() + x, groove.y() - (knob.height() - groove.height()) / 2, knob.width(),
          knob.height()};
}

QRectF KoChannelSlider::markRect(int position) const {
  const qreal x = grooveRect().x() + look_.knobSize.width() / 2.0 +
                  QStyle::sliderPositionFromValue(minimum(), maximum(),
                                                  std::clamp(position, minimum(), maximum()),
                                                  travel(), invertedAppearance());
  return {x - 2, qreal(track().top()), 4, qreal(track().height())};
}

void KoChannelSlider::setMark(std::optional<int> position) {
  if (position == mark_) return;
  // Only the strips the mark leaves and takes: it moves with every selection, and a whole
  // card repainted each time made adding a frame cost three times as much.
  for (const std::optional<int>& at : {mark_, position}) {
    if (at) update(markRect(*at).toAlignedRect().adjusted(-1, 0, 1, 0));
  }
  mark_ = position;
}

QSize KoChannelSlider::sizeHint() const { return {84, 15}; }

QSize KoChannelSlider::minimumSizeHint() const { return {15, 15}; }

void KoChannelSlider::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const KoTheme::Roles& colours = KoTheme::roles();
  if (hasFocus()) paintFocusRing(p, rect(), 4, colours.accent);  // on the card
  p.setPen(Qt::NoPen);
  const QRect groove = grooveRect();
  p.setBrush(look_.groove);
  p.drawRoundedRect(groove, groove.height() / 2.0, groove.height() / 2.0);
  const QRect knob = knobRect();
  p.setBrush(look_.knob);
  p.drawRoundedRect(knob, knob.width() / 2.0, knob.width() / 2.0);
  if (mark_) {
    // Over the knob, so that a mark where the knob stands still shows; a light edge parts it
    // from the dark knob.
    const QRectF edge = markRect(*mark_);
    p.setBrush(colours.accentTrack);
    p.drawRect(edge);
    p.setBrush(colours.mark);
    p.drawRect(edge.adjusted(1, 0, -1, 0));
  }
}

void KoChannelSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QSlider::mousePressEvent(event);
  event->accept();
  const QRect knob = knobRect();
  const qreal x = event->position().x();
  // A reversed slider has its lowest value on the right.
  const SliderAction towardLeft = invertedAppearance() ? SliderPageStepAdd : SliderPageStepSub;
  const SliderAction towardRight = invertedAppearance() ? SliderPageStepSub : SliderPageStepAdd;
  if (x < knob.left()) {
    triggerAction(towardLeft);
  } else if (x > knob.right()) {
    triggerAction(towardRight);
  }
  dragging_ = true;
  fine_ = event->modifiers() & Qt::ShiftModifier;
  pressX_ = lastX_ = x;
  pressValue_ = value();
  setSliderDown(true);
}

void KoChannelSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return QSlider::mouseMoveEvent(event);
  event->accept();
  // Measured afresh from where Shift went down or up, so that the knob does not leap.
  if (const bool fine = event->modifiers() & Qt::ShiftModifier; fine != fine_) {
    fine_ = fine;
    pressX_ = lastX_;
    pressValue_ = sliderPosition();
  }
  lastX_ = event->position().x();
  const double perPixel =
      fine_ ? 1.0 / kFinePixelsPerUnit : double(maximum() - minimum()) / travel();
  const qint64 moved = qRound64((lastX_ - pressX_) * perPixel) * (invertedAppearance() ? -1 : 1);
  setSliderPosition(std::clamp<qint64>(pressValue_ + moved, minimum(), maximum()));
}

void KoChannelSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_) return QSlider::mouseReleaseEvent(event);
  event->accept();
  dragging_ = false;
  setSliderDown(false);
}

void KoChannelSlider::wheelEvent(QWheelEvent* event) {
  event->accept();
  int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
  if (event->inverted() != invertedControls()) delta = -delta;
  // A fine wheel or touchpad sends parts of a notch; they add up to whole ones.
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
  wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
  if (notches == 0) return;
  const bool coarse = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  const qint64 target = qint64(value()) + qint64(notches) * (coarse ? pageStep() : singleStep());
  setSliderPosition(std::clamp<qint64>(target, minimum(), maximum()));
}

KoChannelField::KoChannelField(const QString& text, QColor background, QColor textColour,
                               int radius, QWidget* parent)
    : QLineEdit(text, parent), background_(background), radius_(radius) {
  setFrame(false);
  // The field draws its own box; the application's style sheet would draw a second one.
  setProperty("plain", true);
  setStyleSheet(QStringLiteral("color:%1;").arg(textColour.name(QColor::HexArgb)));
}

QSize KoChannelField::sizeHint() const { return {QLineEdit::sizeHint().width(), fieldHeight()}; }

QSize KoChannelField::minimumSizeHint() const {
  return {QLineEdit::minimumSizeHint().width(), fieldHeight()};
}

void KoChannelField::focusInEvent(QFocusEvent* event) {
  // The text keeps inside the ring.
  setTextMargins(kFocusRing, kFocusRing, kFocusRing, kFocusRing);
  QLineEdit::focusInEvent(event);
}

void KoChannelField::focusOutEvent(QFocusEvent* event) {
  setTextMargins(0, 0, 0, 0);
  QLineEdit::focusOutEvent(event);
}

int KoChannelField::fieldHeight() const {
  return fontMetrics().height() + 2;  // a line of text and a pixel above and below
}

void KoChannelField::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(background_);
    p.drawRoundedRect(rect(), radius_, radius_);
    if (hasFocus()) paintFocusRing(p, rect(), radius_, background_);
  }
  QLineEdit::paintEvent(event);
}

KoVelmarLabelView::KoVelmarLabelView(const QString& stringValue, QWidget* parent)
    : QWidget(parent), title_(stringValue) {
  retranslate();
}

void KoVelmarLabelView::retranslate() {
  const qreal advance = QFontMetricsF(KoTheme::font(KoTheme::Type::Title))
                            .horizontalAdvance(qtTrId(title_.toUtf8().constData()));
  setFixedSize(std::max(18, static_cast<int>(std::ceil(2 * textOrigin().x() + advance))), 18);
  update();
}

QPointF KoVelmarLabelView::textOrigin() const {
  return {qtTrId(title_.toUtf8().constData()).size() == 1 ? 5.5 : 3.5, 4.0};
}

void KoVelmarLabelView::paintEvent(QPaintEvent*) {
  // Plain text, not a chip: it names a way the joint turns and does nothing when pressed.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(KoTheme::roles().onAccent);
  const QFont font = KoTheme::font(KoTheme::Type::Title);
  p.setFont(font);
  const QPointF origin = textOrigin();
  p.drawText(QPointF(origin.x(), origin.y() + QFontMetricsF(font).ascent() - 3),
             qtTrId(title_.toUtf8().constData()));
}

// The controls are made inside the view, in the order the rows place them (the Tab order): a
// control given its style sheet before it had a parent was styled again when a layout took it.
KoVelmarSliderView::KoVelmarSliderView(int tag, const QString& title,
                                       KoVelmarSliderViewDelegate* delegate,
                                       const QString& leftTitle, const QString& rightTitle,
                                       QWidget* parent)
    : QWidget(parent),
      tag_(tag),
      title_(new QLabel(title, this)),
      left_(new KoVelmarLabelView(leftTitle, this)),
      right_(new KoVelmarLabelView(rightTitle, this)),
      slider_(new KoChannelSlider(limits::kPosition,
                                  {card().accentTrack, 6, card().accentInset, {10, 14}}, this)),
      textField_(new KoChannelField(QString::number(limits::kPosition.start), card().accentInset,
                                    card().accentInsetText, 8, this)),
      sliderSmall_(
          new KoChannelSlider(limits::kTrim, {card().trim, 4, card().accentTrack, {8, 10}}, this)),
      lableSmall_(new KoChannelField(QString::number(limits::kTrim.start), card().accentWash,
                                     card().onAccent, 6, this)) {
  resize(kSize);
  delegate_.set(delegate);
  setAttribute(Qt::WA_StyledBackground, false);

  title_->setFont(KoTheme::font(KoTheme::Type::Title, true));
  QPalette titlePalette = title_->palette();
  titlePalette.setColor(QPalette::WindowText, card().onAccent);
  title_->setPalette(titlePalette);

  textField_->setValidator(fieldValidator(limits::kPosition, textField_));
  textField_->setAlignment(Qt::AlignCenter);
  textField_->setFont(KoTheme::font(KoTheme::Type::Title));
  // "1000" in full, clear of the rounded ends.
  textField_->setFixedWidth(46);
  textField_->setProperty("tag", tag);

  sliderSmall_->setProperty("tag", kTrimTag);
  lableSmall_->setValidator(fieldValidator(limits::kTrim, lableSmall_));
  lableSmall_->setAlignment(Qt::AlignCenter);
  lableSmall_->setFont(KoTheme::font(KoTheme::Type::Body));
  lableSmall_->setFixedWidth(46);
  for (QLineEdit* field : {textField_, lableSmall_}) field->installEventFilter(this);

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

void KoVelmarSliderView::setChannelProfile(const KoChannelProfile& channel) {
  lowest_ = limits::kPosition.clamp(channel.lowest);
  highest_ = std::max(lowest_, limits::kPosition.clamp(channel.highest));
  reversed_ = channel.reversed;
  {
    const QSignalBlocker block(slider_);
    slider_->setRange(lowest_, highest_);
    slider_->setInvertedAppearance(reversed_);
    slider_->setInvertedControls(reversed_);
  }
  // A position the new range cuts off shows where the slider now stands; nothing is sent.
  if (KoTools::isPureInt(textField_->text()))
    textField_->setText(QString::number(slider_->value()));
  retranslate();
}

void KoVelmarSliderView::retranslate() {
  left_->retranslate();
  right_->retranslate();
  for (auto [tag, tip] : {std::pair{left_, QT_TRID_NOOP("tag_left_end_tips")},
                          {right_, QT_TRID_NOOP("tag_right_end_tips")}}) {
    tag->setToolTip(qtTrId(tip));
    tag->setAccessibleName(qtTrId(tag->title().toUtf8().constData()));
    tag->setAccessibleDescription(qtTrId(tip));
  }
  const QString channel = title_->text();
  rangeTip_ = qtTrId("slider_range").arg(lowest_).arg(highest_);
  if (reversed_) rangeTip_ += u'\n' + qtTrId("slider_reversed");
  showSliderTip();
  slider_->setAccessibleName(channel + u' ' + qtTrId("position"));
  textField_->setAccessibleName(channel + u' ' + qtTrId("position"));
  textField_->setAccessibleDescription(qtTrId("channel_field_tips"));
  sliderSmall_->setAccessibleName(channel + u' ' + qtTrId("deviation"));
  sliderSmall_->setAccessibleDescription(qtTrId("slider_trim_tips"));
  lableSmall_->setAccessibleName(channel + u' ' + qtTrId("deviation"));
  lableSmall_->setAccessibleDescription(qtTrId("channel_field_tips"));
  for (QLineEdit* field : {textField_, lableSmall_}) {
    field->setToolTip(qtTrId("channel_field_tips"));
  }
}

void KoVelmarSliderView::showSliderTip() {
  QString tip = rangeTip_;
  // Replaced rather than arg(): the mark moves with every selection, and a text without its
  // place holder would be warned of each time.
  if (frameMark_) {
    tip += u'\n' +
           qtTrId("slider_frame_mark").replace(QStringLiteral("%1"), QString::number(*frameMark_));
  }
  slider_->setToolTip(tip);
  slider_->setAccessibleDescription(qtTrId("slider_position_tips") + u'\n' + tip);
}

bool KoVelmarSliderView::eventFilter(QObject* watched, QEvent* event) {
  QLineEdit* field = watched == textField_    ? textField_
                     : watched == lableSmall_ ? lableSmall_
                                              : nullptr;
  if (!field) return QWidget::eventFilter(watched, event);
  QSlider* slider = field == textField_ ? slider_ : sliderSmall_;
  if (event->type() == QEvent::FocusOut) {
    // An edit left unsent does not stay on show; one interrupted by another window waits.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      restore(slider, field);
    }
  } else if (event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        commit(slider, field);
        return true;
      case Qt::Key_Escape:
        restore(slider, field);
        return true;
      case Qt::Key_Up:
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
      case Qt::Key_Down:
        slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
      case Qt::Key_PageUp:
        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
      case Qt::Key_PageDown:
        slider->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void KoVelmarSliderView::commit(QSlider* slider, QLineEdit* field) {
  bool ok = false;
  const qint64 typed = field->text().toLongLong(&ok);
  if (!ok) return restore(slider, field);
  {
    const QSignalBlocker block(slider);
    slider->setValue(static_cast<int>(typed));  // the slider clamps it to its range
  }
  click(slider);
}

void KoVelmarSliderView::restore(QSlider* slider, QLineEdit* field) {
  field->setText(QString::number(slider->value()));
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

std::optional<qint64> KoVelmarSliderView::typedPosition() const {
  const QString typed = textField_->text();
  if (!KoTools::isPureInt(typed) || KoTools::integerValue(typed) == slider_->value()) return {};
  return KoTools::integerValue(typed);
}

void KoVelmarSliderView::setPosition(qint64 position) {
  // The pose changed elsewhere: a value being typed here stays until Enter, Escape or leaving.
  if (slider_->value() == limits::kPosition.clamp(position) && textField_->isModified()) return;
  {
    const QSignalBlocker block(slider_);
    slider_->setValue(limits::kPosition.clamp(position));
  }
  // A position beyond the safe range shows as the range's end, where the slider stops.
  textField_->setText(QString::number(slider_->value()));
}

void KoVelmarSliderView::setTrim(qint64 trim) {
  {
    const QSignalBlocker block(sliderSmall_);
    sliderSmall_->setValue(limits::kTrim.clamp(trim));
  }
  lableSmall_->setText(QString::number(sliderSmall_->value()));
}

void KoVelmarSliderView::setFrameMark(std::optional<qint64> position) {
  if (position == frameMark_) return;
  frameMark_ = position;
  slider_->setMark(position ? std::optional<int>(limits::kPosition.clamp(*position))
                            : std::nullopt);
  showSliderTip();
}

void KoVelmarSliderView::setShake(bool shake) {
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
  // Opaque: the picture behind a card would show through its texts and fields.
  p.setBrush(card().accent);
  p.drawRoundedRect(rect(), KoTheme::kRadius, KoTheme::kRadius);
}

void KoVelmarSliderView::mousePressEvent(QMouseEvent* event) {
  point1_ = event->position().toPoint();
  const QWidget* parent = parentWidget();
  if (!parent || parent->rect().contains(mapToParent(point1_))) {
    raise();
    setCursor(Qt::PointingHandCursor);
  }
}
