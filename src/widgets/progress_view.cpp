#include "widgets/progress_view.h"

#include <QPainter>

#include "model/notification_center.h"
#include "widgets/theme.h"

namespace {

constexpr int kUpdates = 201;
constexpr double kComplete = 200;

}  // namespace

KoProgressView::KoProgressView(QWidget* parent) : QWidget(parent) {
  hide();
  tick_.setInterval(Delay(5));
  hide_.setInterval(Delay(500));
  hide_.setSingleShot(true);
  connect(&tick_, &QTimer::timeout, this, &KoProgressView::tick);
  connect(&hide_, &QTimer::timeout, this, [this] {
    setPro(0);
    setTitle(QStringLiteral("settings"));
    emit timedRunFinished();
  });
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          qOverload<>(&QWidget::update));
}

void KoProgressView::setPro(double pro) {
  pro_ = pro;
  setVisible(pro_ > 0);
  update();
}

void KoProgressView::setTitle(const QString& key) {
  title_ = key;
  update();
}

void KoProgressView::setTimedRunDelays(Delay tick, Delay hide) {
  tick_.setInterval(tick);
  hide_.setInterval(hide);
}

void KoProgressView::startTimedRun() {
  hide_.stop();
  setTitle(QStringLiteral("settings"));
  setPro(0.1);
  ticksLeft_ = kUpdates;
  tick_.start();
}

void KoProgressView::tick() {
  if (pro_ < kComplete) {
    setTitle(QStringLiteral("settings"));
  } else {
    setTitle(QStringLiteral("set_complete"));
    hide_.start();
  }
  update();
  pro_ += 1;
  if (--ticksLeft_ <= 0) tick_.stop();
}

QSize KoProgressView::sizeHint() const { return {200, 30}; }

void KoProgressView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const KoTheme::Roles& colours = KoTheme::roles();
  painter.setBrush(colours.busy);
  painter.drawRoundedRect(QRectF(rect()), 2, 2);
  const qreal bar = std::min<qreal>(pro_, width());
  if (bar > 0) {
    painter.setBrush(colours.progress);
    painter.drawRoundedRect(QRectF(0, 0, bar, height()), 2, 2);
  }
  painter.setFont(KoTheme::font(KoTheme::Type::Title));
  painter.setPen(colours.onAccent);
  painter.drawText(rect(), Qt::AlignCenter, qtTrId(title_.toUtf8().constData()));
}
