#include "app/colour_scheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QSettings>
#include <QStyleHints>

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColourSchemeKey = QStringLiteral("color-scheme");

// The portal wraps the value in a variant, and older ones in a second.
uint unwrap(QVariant value) {
  while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>()) {
    value = value.value<QDBusVariant>().variant();
  }
  return value.toUInt();
}

}  // namespace

KoColourScheme::KoColourScheme(QObject* parent) : QObject(parent) {}

std::optional<KoTheme::Scheme> KoColourScheme::fromPortal(uint value) {
  if (value == 1) return KoTheme::Scheme::Dark;
  if (value == 2) return KoTheme::Scheme::Light;
  return std::nullopt;
}

void KoColourScheme::applyStored() {
  choice_ =
      KoTheme::choiceFromSetting(QSettings().value(QStringLiteral("colourScheme")).toString());
  KoTheme::apply(KoTheme::resolve(choice_, desktop_), false);
}

void KoColourScheme::desktopSays(std::optional<KoTheme::Scheme> scheme) {
  desktop_ = scheme;
  KoTheme::apply(KoTheme::resolve(choice_, desktop_));
}

void KoColourScheme::followDesktop() {
  KoTheme::apply(KoTheme::scheme());
  if (choice_ != KoTheme::Choice::Auto) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  const auto fromHints = [](Qt::ColorScheme scheme) -> std::optional<KoTheme::Scheme> {
    if (scheme == Qt::ColorScheme::Dark) return KoTheme::Scheme::Dark;
    if (scheme == Qt::ColorScheme::Light) return KoTheme::Scheme::Light;
    return std::nullopt;
  };
  QStyleHints* hints = QGuiApplication::styleHints();
  connect(hints, &QStyleHints::colorSchemeChanged, this,
          [this, fromHints](Qt::ColorScheme scheme) { desktopSays(fromHints(scheme)); });
  desktopSays(fromHints(hints->colorScheme()));
#else
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  bus.connect(kPortalService, kPortalPath, kPortalSettings, QStringLiteral("SettingChanged"), this,
              SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
  QDBusMessage read =
      QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalSettings, "Read");
  read << kAppearance << kColourSchemeKey;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QVariant> reply = *call;
    // No portal, or one without the key: no preference, the light scheme stays.
    if (reply.isError()) return;
    desktopSays(fromPortal(unwrap(reply.value())));
  });
#endif
}

void KoColourScheme::portalSettingChanged(const QString& group, const QString& key,
                                          const QDBusVariant& value) {
  if (group == kAppearance && key == kColourSchemeKey) {
    desktopSays(fromPortal(unwrap(value.variant())));
  }
}
