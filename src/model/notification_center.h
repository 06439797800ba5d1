#pragma once

#include <QObject>

// The program's named notifications, one signal per name.
class KoNotificationCenter : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kChangeLanguageNotification = "KoChangeLanguageNotification";
  static constexpr const char* kRefreshSliderTextFieldNotification =
      "KoRefreshSliderTextFieldNotification";

  static KoNotificationCenter& defaultCenter();

  void postChangeLanguage(QObject* sender) { emit changeLanguage(sender); }
  void postArmProfileChanged() { emit armProfileChanged(); }

 signals:
  // Language changed (or start-up): every view re-reads its texts.
  void changeLanguage(QObject* sender);
  // Every channel slider control lays itself out again.
  void refreshSliderTextField();
  // Another arm profile was chosen, or the chosen one edited: KoArmProfiles::current() has it.
  void armProfileChanged();
};
