#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

// The interface language: the per-user settings "AppLanguagesKey" (code) and "language"
// (display name), the installed translations, and the change notification. English texts
// stay installed underneath the chosen language, so a text missing there reads in English;
// a text missing everywhere reads as its key.
class KoLanguage : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kCodeKey = "AppLanguagesKey";
  static constexpr const char* kNameKey = "language";

  static KoLanguage& instance();

  // The selector's entries, in order: "简体", "繁體", "English".
  static QStringList languages();
  // "简体" -> "zh-Hans", "繁體" -> "zh-Hant", "English" -> "en"; empty for anything else.
  static QString codeForName(const QString& name);

  // On first start stores "English" and "en"; then installs the stored language.
  void load();
  // The two halves of load(). A window's start installs first and stores once its first
  // frame is up: the write waits for the disk.
  void installStored();
  void storeFirstStart();
  // Stores the code, writes the settings at once and installs its translations.
  void setLanguage(const QString& code);
  QString code() const;
  // The display name the selectors show ("English" when none is stored).
  QString name() const;

  // A selector chose a display name: stores it and the code and posts
  // "KoChangeLanguageNotification" with the sender; nothing when it is already chosen.
  bool choose(const QString& name, QObject* sender);

  // Installs the translations of `code` over the English ones, writing no settings (the
  // command line speaks the stored language this way).
  void install(const QString& code);

 private:
  KoLanguage() = default;

  std::unique_ptr<QTranslator> english_;
  std::unique_ptr<QTranslator> chosen_;
  std::unique_ptr<QTranslator> qt_;
};
