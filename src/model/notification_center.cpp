#include "model/notification_center.h"

KoNotificationCenter& KoNotificationCenter::defaultCenter() {
  static KoNotificationCenter center;
  return center;
}
