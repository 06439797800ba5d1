#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include "app/fonts.h"
#include "model/language.h"

namespace {

const QString kSource = QStringLiteral(VORN_SOURCE_DIR);

// Every text id the program's code asks for.
QSet<QString> idsInCode() {
  QSet<QString> ids;
  const QRegularExpression call(QStringLiteral(R"re((?:qtTrId|QT_TRID_NOOP)\("([^"]+)"[,)])re"));
  QDirIterator it(kSource + QStringLiteral("/src"),
                  {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile f(it.next());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    for (const auto& m : call.globalMatch(text)) ids.insert(m.captured(1));
  }
  return ids;
}

// id -> text of one translation file.
QMap<QString, QString> textsOf(const QString& code) {
  QFile f(kSource + QStringLiteral("/resources/translations/vorn_%1.ts").arg(code));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << code.toStdString();
  QMap<QString, QString> texts;
  QXmlStreamReader xml(&f);
  QString id;
  bool numerus = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("message")) {
      id = xml.attributes().value("id").toString();
      numerus = xml.attributes().value("numerus") == QLatin1String("yes");
    }
    if (xml.name() == QLatin1String("translation") && !numerus) texts[id] = xml.readElementText();
    if (xml.name() == QLatin1String("numerusform")) texts[id] += xml.readElementText();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return texts;
}

TEST(Localization, EveryTextInEveryLanguageTranslatedAndDrawableAndNothingElse) {
  const QSet<QString> used = idsInCode();
  ASSERT_GT(used.size(), 50);
  ASSERT_FALSE(KoFonts::installedFamilies().isEmpty())
      << "none of the interface fonts is installed: "
      << KoFonts::uiFamilies().join(", ").toStdString();
  const QRegularExpression cjk(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
  for (const QString& code :
       {QStringLiteral("en"), QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant")}) {
    SCOPED_TRACE(code.toStdString());
    const QMap<QString, QString> texts = textsOf(code);
    for (const QString& id : used) {
      EXPECT_FALSE(texts.value(id).trimmed().isEmpty()) << "no text for " << id.toStdString();
    }
    int chinese = 0;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
      EXPECT_TRUE(used.contains(it.key())) << "unused text " << it.key().toStdString();
      EXPECT_EQ(KoFonts::missingGlyphs(it.value()), QString()) << it.key().toStdString();
      if (it.value().contains(cjk)) ++chinese;
    }
    // A text left in English in a Chinese file is a translation nobody made.
    if (code != u"en") {
      EXPECT_GT(chinese, texts.size() * 9 / 10);
    }
  }
  EXPECT_NE(textsOf(QStringLiteral("zh-Hans")).value("servo_adjust"),
            textsOf(QStringLiteral("zh-Hant")).value("servo_adjust"));
  // The language selector shows the names in their own scripts.
  EXPECT_EQ(KoFonts::missingGlyphs(KoLanguage::languages().join(QString())), QString());
  // A private-use character: no interface font draws it.
  EXPECT_EQ(KoFonts::missingGlyphs(QStringLiteral("ok \uE000 ok\n")), QStringLiteral("\uE000"));
}

}  // namespace
