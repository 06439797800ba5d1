#include "app/window_buttons.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QPainter>

#include "app/window.h"
#include "model/notification_center.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

namespace {

constexpr QSize kButtonSize(26, 18);
constexpr qreal kGlyph = 8;

}  // namespace

KoWindowButton::KoWindowButton(Kind kind, QWidget* parent) : QAbstractButton(parent), kind_(kind) {
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
}

QSize KoWindowButton::sizeHint() const { return kButtonSize; }

void KoWindowButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void KoWindowButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void KoWindowButton::focusInEvent(QFocusEvent* event) {
  ring_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  update();
  QAbstractButton::focusInEvent(event);
}

void KoWindowButton::focusOutEvent(QFocusEvent* event) {
  ring_ = false;
  update();
  QAbstractButton::focusOutEvent(event);
}

void KoWindowButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  if ((hovered_ || isDown()) && isEnabled()) {
    p.setPen(Qt::NoPen);
    p.setBrush(kind_ == Kind::Close ? KoColours::closeHover() : KoTheme::roles().barHover);
    p.drawRoundedRect(box, 4, 4);
  }
  if (hasFocus() && ring_) {
    p.setPen(QPen(KoColours::focusLight(), 2));  // on the dark bar
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 4, 4);
  }
  QColor glyph = KoColours::lightText();
  if (!isEnabled()) glyph.setAlphaF(0.35f);
  p.setPen(QPen(glyph, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QRectF g(0, 0, kGlyph, kGlyph);
  g.moveCenter(box.center());
  switch (kind_) {
    case Kind::Minimise:
      p.drawLine(QPointF(g.left(), g.center().y()), QPointF(g.right(), g.center().y()));
      break;
    case Kind::Zoom:
      if (window() && window()->isMaximized()) {
        p.drawRect(g.adjusted(0, 2, -2, 0));
        p.drawPolyline(QPolygonF{{g.left() + 2, g.top() + 2},
                                 {g.left() + 2, g.top()},
                                 {g.right(), g.top()},
                                 {g.right(), g.bottom() - 2},
                                 {g.right() - 2, g.bottom() - 2}});
      } else {
        p.drawRect(g);
      }
      break;
    case Kind::Close:
      p.drawLine(g.topLeft(), g.bottomRight());
      p.drawLine(g.topRight(), g.bottomLeft());
      break;
  }
}

KoWindowButtons::KoWindowButtons(KoWindow* window, QWidget* parent)
    : QWidget(parent),
      window_(window),
      minimise_(new KoWindowButton(KoWindowButton::Kind::Minimise)),
      zoom_(new KoWindowButton(KoWindowButton::Kind::Zoom)),
      close_(new KoWindowButton(KoWindowButton::Kind::Close)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  row->addWidget(minimise_);
  row->addWidget(zoom_);
  row->addWidget(close_);
  connect(minimise_, &QAbstractButton::clicked, window_, &QWidget::showMinimized);
  connect(zoom_, &QAbstractButton::clicked, window_, &KoWindow::toggleZoom);
  connect(close_, &QAbstractButton::clicked, window_, &QWidget::close);
  connect(window_, &KoWindow::zoomChanged, this, &KoWindowButtons::refresh);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoWindowButtons::retranslate);
  retranslate();
}

void KoWindowButtons::refresh() {
  zoom_->setEnabled(window_->resizable() || window_->isMaximized());
  retranslate();
}

void KoWindowButtons::retranslate() {
  const auto name = [](KoWindowButton* b, const QString& title, const QString& description) {
    b->setText(title);
    b->setAccessibleName(title);
    b->setToolTip(title);
    b->setAccessibleDescription(description);
  };
  name(minimise_, qtTrId("window_minimise"), qtTrId("window_minimise_tips"));
  name(zoom_, window_->isMaximized() ? qtTrId("window_restore") : qtTrId("window_zoom"),
       qtTrId("window_zoom_tips"));
  name(close_, qtTrId("window_close"), qtTrId("window_close_tips"));
  if (!zoom_->isEnabled()) zoom_->setToolTip(qtTrId("window_fixed_tips"));
  update();
}
