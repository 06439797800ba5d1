#pragma once

#include <QMenu>
#include <QPointer>

class QActionGroup;
class VirtualBoard;

// The virtual board's menu on the link badge: how many servos hang on its bus, so that a
// user can see the bus-servo tool's check pass and fail.
class KoBusServoMenu : public QMenu {
  Q_OBJECT

 public:
  explicit KoBusServoMenu(QWidget* parent = nullptr);

  void setBoard(VirtualBoard* board);

 signals:
  // The user put another number of servos on the bus.
  void busChanged();

 private:
  void retranslate();

  QPointer<VirtualBoard> board_;
  QActionGroup* counts_;
};
