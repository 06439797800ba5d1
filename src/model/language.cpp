#include "model/language.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "model/notification_center.h"

namespace {

const QString kEnglish = QStringLiteral("English");

bool loadTranslation(QTranslator& t, const QString& code) {
  return t.load(QStringLiteral(":/i18n/vorn_%1.qm").arg(code));
}

// Qt's own texts (the file panels' "Look in", the dialogs' standard buttons) come from the
// system's Qt translations, named by locale rather than by script.
bool loadQtTranslation(QTranslator& t, const QString& code) {
  const QString locale =
      code == QLatin1String("zh-Hant") ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
  return t.load(QStringLiteral("qt_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// Numbers and dates follow the language rather than the system, so that a Chinese window
// does not write "Dec" in its file panels. English keeps the system's own English (its date
// order, say) where the system speaks English.
QLocale localeFor(const QString& code) {
  if (code == QLatin1String("zh-Hans")) return QLocale(QLocale::Chinese, QLocale::China);
  if (code == QLatin1String("zh-Hant")) return QLocale(QLocale::Chinese, QLocale::Taiwan);
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::English) return system;
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

void setLocale(const QLocale& locale) {
  if (QLocale() == locale) return;
  QLocale::setDefault(locale);
  // Widgets made before keep the locale they were made with until told.
  if (QCoreApplication* app = QCoreApplication::instance()) {
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(app, &change);
  }
}

}  // namespace

KoLanguage& KoLanguage::instance() {
  static KoLanguage language;
  return language;
}

QStringList KoLanguage::languages() {
  return {QStringLiteral("简体"), QStringLiteral("繁體"), kEnglish};
}

QString KoLanguage::codeForName(const QString& name) {
  if (name == QStringLiteral("简体")) return QStringLiteral("zh-Hans");
  if (name == QStringLiteral("繁體")) return QStringLiteral("zh-Hant");
  if (name == kEnglish) return QStringLiteral("en");
  return {};
}

void KoLanguage::load() {
  storeFirstStart();
  installStored();
}

void KoLanguage::installStored() { install(code()); }

void KoLanguage::storeFirstStart() {
  QSettings settings;
  if (settings.contains(kNameKey)) return;
  // Both keys in one write: each write of the settings file waits for the disk.
  settings.setValue(kNameKey, kEnglish);
  settings.setValue(kCodeKey, QStringLiteral("en"));
  settings.sync();
}

void KoLanguage::setLanguage(const QString& code) {
  QSettings settings;
  settings.setValue(kCodeKey, code);
  settings.sync();
  install(code);
}

QString KoLanguage::code() const {
  return QSettings().value(kCodeKey, QStringLiteral("en")).toString();
}

QString KoLanguage::name() const { return QSettings().value(kNameKey, kEnglish).toString(); }

bool KoLanguage::choose(const QString& name, QObject* sender) {
  if (name == this->name()) return false;
  const QString code = codeForName(name);
  if (!code.isEmpty()) setLanguage(code);
  QSettings settings;
  settings.setValue(kNameKey, name);
  settings.sync();
  KoNotificationCenter::defaultCenter().postChangeLanguage(sender);
  return true;
}

void KoLanguage::install(const QString& code) {
  if (!english_) {
    english_ = std::make_unique<QTranslator>();
    if (loadTranslation(*english_, QStringLiteral("en"))) {
      QCoreApplication::installTranslator(english_.get());
    } else {
      qWarning() << "the English texts are missing";
    }
  }
  if (chosen_) QCoreApplication::removeTranslator(chosen_.get());
  chosen_.reset();
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  qt_.reset();
  if (code == QLatin1String("en")) return setLocale(localeFor(code));
  auto t = std::make_unique<QTranslator>();
  if (!loadTranslation(*t, code)) {
    // Qt's dialogs and the numbers stay English too, rather than speak a language the rest
    // does not.
    qWarning().noquote() << "no texts for language" << code << "- English is shown";
    return setLocale(localeFor(QStringLiteral("en")));
  }
  setLocale(localeFor(code));
  QCoreApplication::installTranslator(t.get());
  chosen_ = std::move(t);
  auto qt = std::make_unique<QTranslator>();
  if (loadQtTranslation(*qt, code)) {
    QCoreApplication::installTranslator(qt.get());
    qt_ = std::move(qt);
  } else {
    qWarning().noquote() << "no Qt texts for language" << code << "- its dialogs stay English";
  }
}
