#include "app/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>

#include <fontconfig/fontconfig.h>

namespace KoFonts {

QStringList uiFamilies() {
  return {QStringLiteral("Noto Sans"),          QStringLiteral("DejaVu Sans"),
          QStringLiteral("Liberation Sans"),    QStringLiteral("WenQuanYi Micro Hei"),
          QStringLiteral("Noto Sans CJK SC"),   QStringLiteral("Noto Sans CJK TC"),
          QStringLiteral("Droid Sans Fallback")};
}

QStringList installedFamilies() {
  QStringList installed;
  for (const QString& family : uiFamilies()) {
    if (QFontDatabase::hasFamily(family)) installed.append(family);
  }
  return installed;
}

void applyUiFont() {
  QFont font = QApplication::font();
  font.setFamilies(uiFamilies());
  QApplication::setFont(font);
}

std::shared_future<void> readConfigurationAhead() {
  return std::async(std::launch::async, [] { FcInit(); }).share();
}

void releaseConfiguration(const std::shared_future<void>& configuration) {
  if (!configuration.valid()) return;
  configuration.wait();
  FcFini();
}

std::future<void> loadAhead(std::shared_future<void> configuration) {
  return std::async(std::launch::async, [font = QApplication::font(), configuration] {
    // Read twice at once, the configuration would be read twice over.
    if (configuration.valid()) configuration.wait();
    // The faces this thread loads stay with it; what the window gains is the database and
    // the fallback lists.
    QFontMetricsF(font).horizontalAdvance(QStringLiteral("Vorn 简体 繁體"));
  });
}

QString missingGlyphs(const QString& text) {
  static QHash<QString, QRawFont> faces;
  QList<QRawFont> installed;
  for (const QString& family : installedFamilies()) {
    auto it = faces.find(family);
    if (it == faces.end()) it = faces.insert(family, QRawFont::fromFont(QFont(family)));
    installed.append(*it);
  }
  QString missing;
  for (const char32_t c : text.toUcs4()) {
    const QChar::Category category = QChar::category(c);
    if (QChar::isSpace(c) || category == QChar::Other_Control || category == QChar::Other_Format) {
      continue;
    }
    const bool drawn = std::any_of(installed.cbegin(), installed.cend(),
                                   [c](const QRawFont& f) { return f.supportsCharacter(c); });
    const QString character = QString::fromUcs4(&c, 1);
    if (!drawn && !missing.contains(character)) missing += character;
  }
  return missing;
}

}  // namespace KoFonts
