#include "editor/files/save_reminder.h"

#include <QPropertyAnimation>
#include "widgets/theme.h"

UILabel::UILabel(QWidget* parent) : QLabel(parent) {
  setFont(KoTheme::font(KoTheme::Type::Display));
  KoTheme::setTextRole(this, &KoTheme::Roles::danger);
  reveal_.setSingleShot(true);
  reveal_.setInterval(kDefaultDelay);
  connect(&reveal_, &QTimer::timeout, this, &UILabel::playMove);
  retranslate();
  hide();
}

void UILabel::setMove(bool move) {
  move_ = move;
  hide();
  if (animationShake_) animationShake_->stop();
  reveal_.stop();
  if (move_ && actionCount_ > 0) reveal_.start();
}

void UILabel::playMove() {
  show();
  restartGlide();
}

bool UILabel::gliding() const {
  return animationShake_ && animationShake_->state() == QAbstractAnimation::Running;
}

void UILabel::retranslate() {
  setText(qtTrId("save_file_tips"));
  adjustSize();
  if (isVisible()) restartGlide();
}

void UILabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (isVisible() && !text().isEmpty()) restartGlide();
}

void UILabel::restartGlide() {
  if (!parentWidget()) return;
  if (!animationShake_) {
    animationShake_ = new QPropertyAnimation(this, "pos", this);
    animationShake_->setDuration(kGlideMilliseconds);
    animationShake_->setLoopCount(-1);
    homeX_ = x();
  }
  // From where it was placed to the same distance from the parent's other edge, and back.
  const QPoint home(homeX_, y());
  const QPoint far(std::max(homeX_, parentWidget()->width() - width() - homeX_), y());
  animationShake_->stop();
  animationShake_->setKeyValueAt(0, home);
  animationShake_->setKeyValueAt(0.5, far);
  animationShake_->setKeyValueAt(1, home);
  animationShake_->start();
}
