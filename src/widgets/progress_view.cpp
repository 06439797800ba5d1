#include "widgets/progress_view.h"

#include <QPainter>

#include "model/notification_center.h"

namespace {

constexpr int kUpdates = 201;
constexpr double kComplete = 200;
const QColor kBox(0xDD, 0xDE, 0xE1);
const QColor kBar(0x4C, 0xBB, 0x5A);

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
  painter.setBrush(kBox);
  painter.drawRoundedRect(QRectF(rect()), 2, 2);
  const qreal bar = std::min<qreal>(pro_, width());
  if (bar > 0) {
    painter.setBrush(kBar);
    painter.drawRoundedRect(QRectF(0, 0, bar, height()), 2, 2);
  }
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(15);
  painter.setFont(f);
  painter.setPen(Qt::black);
  painter.drawText(rect(), Qt::AlignCenter, qtTrId(title_.toUtf8().constData()));
}
