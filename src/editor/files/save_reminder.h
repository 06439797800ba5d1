#pragma once

#include <QLabel>
#include <QTimer>

class QPropertyAnimation;

// The save reminder: hidden until revealed, some time after the last unsaved change; then
// it shows "save_file_tips" in red and glides across its parent and back, without end.
class UILabel : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kDefaultDelay = 300 * 1000;
  static constexpr int kGlideMilliseconds = 20 * 1000;

  explicit UILabel(QWidget* parent = nullptr);

  // Arms (the frame count is above 0) or cancels the reveal; either way the reminder hides.
  void setMove(bool move);
  void playMove();

  void setActionCount(qint64 count) { actionCount_ = count; }
  // The wait from arming to the reveal (tests shorten it).
  void setDelay(int milliseconds) { reveal_.setInterval(milliseconds); }
  bool revealPending() const { return reveal_.isActive(); }
  bool gliding() const;

  void retranslate();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void restartGlide();

  bool move_ = false;
  qint64 actionCount_ = 0;
  QTimer reveal_;
  QPropertyAnimation* animationShake_ = nullptr;
  int homeX_ = 0;
};
