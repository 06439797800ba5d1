#include "app/bus_servo_menu.h"

#include <QActionGroup>

#include "board/virtual_board.h"
#include "model/notification_center.h"

namespace {

constexpr const char* kCountKeys[] = {QT_TRID_NOOP("bus_servos_none"),
                                      QT_TRID_NOOP("bus_servos_one"),
                                      QT_TRID_NOOP("bus_servos_two")};

}  // namespace

KoBusServoMenu::KoBusServoMenu(QWidget* parent) : QMenu(parent), counts_(new QActionGroup(this)) {
  addAction(QString())->setEnabled(false);  // the menu's heading
  addSeparator();
  for (int count = 0; count < 3; ++count) {
    QAction* item = addAction(QString());
    item->setCheckable(true);
    item->setData(count);
    counts_->addAction(item);
    connect(item, &QAction::triggered, this, [this, count] {
      if (!board_) return;
      board_->setBusServoCount(count);
      emit busChanged();
    });
  }
  retranslate();
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoBusServoMenu::retranslate);
}

void KoBusServoMenu::setBoard(VirtualBoard* board) {
  board_ = board;
  const int count = board ? board->busServoCount() : -1;
  for (QAction* item : counts_->actions()) item->setChecked(item->data().toInt() == count);
}

void KoBusServoMenu::retranslate() {
  actions().first()->setText(qtTrId("virtual_bus_servos"));
  for (QAction* item : counts_->actions()) item->setText(qtTrId(kCountKeys[item->data().toInt()]));
}
