#pragma once

#include <QDBusVariant>
#include <QObject>
#include <optional>

#include "widgets/theme.h"

// Keeps the light or the dark scheme in use: the settings' "colourScheme" ("light" or "dark")
// decides, and without it (or with "auto") the desktop's preference does, as it changes.
class KoColourScheme : public QObject {
  Q_OBJECT

 public:
  explicit KoColourScheme(QObject* parent = nullptr);

  // Applies the stored choice's palette at once, light until the desktop has answered.
  void applyStored();
  // Adds the application's style sheet, asks the desktop for its preference and follows its
  // changes. The question goes out without waiting for the answer. Call it once the window is
  // up: both would delay its first frame.
  void followDesktop();

  // The desktop portal's "color-scheme" value: 1 dark, 2 light, anything else no preference.
  static std::optional<KoTheme::Scheme> fromPortal(uint value);

 private slots:
  void portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

 private:
  void desktopSays(std::optional<KoTheme::Scheme> scheme);

  KoTheme::Choice choice_ = KoTheme::Choice::Auto;
  std::optional<KoTheme::Scheme> desktop_;
};
