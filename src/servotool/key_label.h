#pragma once

#include <QLabel>

#include "model/notification_center.h"

// A label that shows a localization key and follows every language change.
class KoKeyLabel : public QLabel {
 public:
  explicit KoKeyLabel(const char* key, QWidget* parent = nullptr) : QLabel(parent), key_(key) {
    retranslate();
    connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
            [this] { retranslate(); });
  }

 private:
  void retranslate() { setText(qtTrId(key_)); }

  const char* key_;
};
