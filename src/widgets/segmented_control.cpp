#include "widgets/segmented_control.h"

#include <QDebug>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "model/notification_center.h"
#include "widgets/accessible_controls.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

KoSegmentedControl::KoSegmentedControl(QWidget* parent) : QWidget(parent) {
  setFont(KoTheme::font(KoTheme::Type::Body));
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFocusPolicy(Qt::TabFocus);
  KoAccessible::setTabs(this,
                        {[this] {
                           QStringList texts;
                           for (const QString& key : titles_)
                             texts.append(qtTrId(key.toUtf8().constData()));
                           return texts;
                         },
                         [this] { return index_; },
                         [this](int i) { return paths().value(i).boundingRect().toAlignedRect(); },
                         [this](int i) { choose(i); }});
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoSegmentedControl::changed);
  changed();
}

void KoSegmentedControl::setIndex(int index) {
  if (index == index_) return;
  index_ = index;
  update();
}

QColor KoSegmentedControl::titleColor(bool selected) const {
  return selected ? KoTheme::roles().onAccent : KoTheme::roles().text;
}

// Segments that are not selected carry their own backing, so their titles read on whatever the
// control sits on.
QColor KoSegmentedControl::fillColor(bool selected) const {
  return selected ? KoTheme::roles().accent : KoTheme::roles().inset;
}

void KoSegmentedControl::setCornerRadius(qreal radius) {
  cornerRadius_ = radius;
  update();
}

void KoSegmentedControl::setBorderWidth(qreal width) {
  borderWidth_ = width;
  changed();
}

// Titles and margins change the natural size as well as the drawing.
void KoSegmentedControl::changed() {
  QStringList texts;
  for (const QString& key : titles_) texts.append(qtTrId(key.toUtf8().constData()));
  setAccessibleName(texts.join(QStringLiteral(" / ")));
  updateGeometry();
  update();
}

QList<qreal> KoSegmentedControl::titleWidths() const {
  const QFontMetricsF metrics(font());
  QList<qreal> widths;
  for (const QString& key : titles_) {
    widths.append(metrics.horizontalAdvance(qtTrId(key.toUtf8().constData())));
  }
  return widths;
}

// Built from the current state rather than kept from the last paint, so a click before the
// first paint or right after a language change hits the outline the user will see.
QList<KoSlantedTabs::Tab> KoSegmentedControl::tabs() const {
  // Half the line lies outside an outline; keep it inside the widget.
  const qreal half = borderWidth_ / 2;
  return KoSlantedTabs::layout(titleWidths(), maginLeftOne_ + half, maginLeftTwo_,
                               height() - borderWidth_, height() - half, cornerRadius_);
}

QList<QPainterPath> KoSegmentedControl::paths() const { return KoSlantedTabs::paths(tabs()); }

QSize KoSegmentedControl::sizeHint() const {
  const qreal width = KoSlantedTabs::rowWidth(titleWidths(), maginLeftOne_, maginLeftTwo_);
  const int height = static_cast<int>(std::ceil(QFontMetricsF(font()).height())) + 12;
  return {static_cast<int>(std::ceil(width + borderWidth_)), height};
}

void KoSegmentedControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) painter.setOpacity(0.5);
  const QList<KoSlantedTabs::Tab> all = tabs();
  for (int i = 0; i < all.size(); ++i) {
    const bool selected = i == index_;
    painter.setPen(QPen(KoTheme::roles().accentLine, borderWidth_, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(fillColor(selected));
    painter.drawPath(all[i].path);
    painter.setPen(titleColor(selected));
    painter.drawText(all[i].titleRect, Qt::AlignCenter, qtTrId(titles_[i].toUtf8().constData()));
    if (selected && hasFocus()) {
      painter.setPen(QPen(KoColours::focusOn(fillColor(true)), 2));
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(all[i].path);
    }
  }
}

void KoSegmentedControl::choose(int i) {
  if (i < 0 || i >= titles_.size() || i == index_) return;
  setIndex(i);
  if (delegate_) delegate_->selectTitleIndex(i);
}

void KoSegmentedControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
    choose(index_ + (event->key() == Qt::Key_Right ? 1 : -1));
    return;
  }
  QWidget::keyPressEvent(event);
}

void KoSegmentedControl::mousePressEvent(QMouseEvent* event) {
  const QList<QPainterPath> outlines = paths();
  for (int i = 0; i < outlines.size(); ++i) {
    if (!outlines[i].contains(event->position())) continue;
    qInfo().noquote() << QStringLiteral("mouseDown  %1").arg(i);
    choose(i);
    return;
  }
  event->ignore();
}
