#pragma once

#include <QWidget>

#include "model/arm_pose.h"

// The arm drawn from its six channel positions: a side view in the plane the base turns it
// to, a dial from above for the base's turn, and the gripper's jaws opening and rolling. It draws
// what it is given; who feeds it decides whether that is the board's servos or the last positions
// sent.
class KoArmView : public QWidget {
  Q_OBJECT

 public:
  explicit KoArmView(QWidget* parent = nullptr, KoArmJoints joints = KoArmJoints::load());

  void setPositions(const KoChannelPositions& positions);
  const KoChannelPositions& positions() const { return positions_; }
  const KoArmJoints& joints() const { return joints_; }

  QSize sizeHint() const override { return {400, 400}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  KoArmJoints joints_;
  KoChannelPositions positions_;
};
