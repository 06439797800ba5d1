#pragma once

#include <QObject>

class KoActionModel;

// The program's named notifications, one signal per name.
class KoNotificationCenter : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kChangeLanguageNotification = "KoChangeLanguageNotification";
  static constexpr const char* kRefreshTableNotification = "KoRefreshTableNotification";
  static constexpr const char* kRefreshSliderTextFieldNotification =
      "KoRefreshSliderTextFieldNotification";

  static KoNotificationCenter& defaultCenter();

  void postChangeLanguage(QObject* sender) { emit changeLanguage(sender); }
  void postRefreshTable(const KoActionModel* frame) { emit refreshTable(frame); }
  void postRefreshSliderTextField() { emit refreshSliderTextField(); }

 signals:
  // Language changed (or start-up): every view re-reads its texts.
  void changeLanguage(QObject* sender);
  // A frame's edit was stored or refused: the table shows the stored value again.
  void refreshTable(const KoActionModel* frame);
  // Every channel slider control lays itself out again.
  void refreshSliderTextField();
};
