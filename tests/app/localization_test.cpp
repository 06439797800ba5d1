#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtWidgets>

#include "app/app_delegate.h"
#include "app/fonts.h"
#include "app/mode_window.h"
#include "app/window.h"
#include "editor/files/editor_files.h"
#include "editor/files/file_panels.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/easing_dialog.h"
#include "editor/motion/gamepad_dialog.h"
#include "editor/motion/pose_panel.h"
#include "editor/profiles/arm_profile_dialog.h"
#include "editor/velmar_view_controller.h"
#include "link/usb_hid.h"
#include "model/action_text.h"
#include "model/language.h"
#include "recording_prompter.h"
#include "temp_files.h"
#include "wait.h"

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

// Every text a reader finds in the visible tree, with where; controls it cannot name: `unnamed`.
void hear(QAccessibleInterface* reader, QList<std::pair<QString, QString>>& out,
          QStringList& unnamed) {
  if (!reader || reader->state().invisible) return;
  const QString where = reader->object() ? reader->object()->metaObject()->className() : "cell";
  for (const QString& text :
       {reader->text(QAccessible::Name), reader->text(QAccessible::Description)}) {
    // Paths and the user's own folder are the system's words.
    if (!text.trimmed().isEmpty() && !QFileInfo::exists(text) && text != QDir::home().dirName())
      out.append({text, where});
  }
  if (auto* w = qobject_cast<QWidget*>(reader->object());
      w && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
      !qobject_cast<QAbstractSpinBox*>(w->parentWidget()) &&
      (reader->role() == QAccessible::Client || reader->text(QAccessible::Name).isEmpty())) {
    unnamed << where;
  }
  for (int i = 0; i < reader->childCount(); ++i) hear(reader->child(i), out, unnamed);
}

// Kept in any language: the product, the shipped profile (a settings key), the languages, keys,
// units, file kinds, file and port names ("3号wave.rob" is the batch download's naming rule).
const QRegularExpression kKept(QStringLiteral(
    R"(Vorn arm|Vorn|English|简体|繁體|Ctrl|Shift|Alt|Tab|Del|Esc|Enter|Return|Page (Up|Down)|tty\w+|)"
    R"(\bID\b|\b[ABXY]\b|USB|LED|PWM|\bms\b|\bmm\b|\bV\b|JSON|CSV|WAV|MP3|OGG|FLAC|\*\.\w+|\S+\.rob)"));

// Every language's file has every text, drawable. On the virtual board, both tabs and every
// dialog show no text of another language: none left English in Chinese, no Chinese in English.
TEST(Localization, EveryTextInEveryLanguageTranslatedDrawableAndShownInItsLanguageOnly) {
  const QSet<QString> used = idsInCode();
  ASSERT_GT(used.size(), 50);
  ASSERT_FALSE(KoFonts::installedFamilies().isEmpty())
      << "none of the interface fonts is installed: "
      << KoFonts::uiFamilies().join(", ").toStdString();
  const QRegularExpression cjk(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
  QMap<QString, QSet<QString>> translations;
  for (const QString& code :
       {QStringLiteral("en"), QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant")}) {
    SCOPED_TRACE(code.toStdString());
    const QMap<QString, QString> texts = textsOf(code);
    for (const QString& id : used)
      EXPECT_FALSE(texts.value(id).trimmed().isEmpty()) << "no text for " << id.toStdString();
    int chinese = 0;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
      EXPECT_TRUE(used.contains(it.key())) << "unused text " << it.key().toStdString();
      EXPECT_EQ(KoFonts::missingGlyphs(it.value()), QString()) << it.key().toStdString();
      if (it.value().contains(cjk)) ++chinese;
      translations[code].insert(it.value());
    }
    // A text left in English in a Chinese file is a translation nobody made.
    if (code != u"en") {
      EXPECT_GT(chinese, texts.size() * 9 / 10);
    }
  }
  EXPECT_NE(translations["zh-Hans"], translations["zh-Hant"]);
  // The language selector shows the names in their own scripts.
  EXPECT_EQ(KoFonts::missingGlyphs(KoLanguage::languages().join(QString())), QString());
  // A private-use character: no interface font draws it.
  EXPECT_EQ(KoFonts::missingGlyphs(QStringLiteral("ok \uE000 ok\n")), QStringLiteral("\uE000"));

  QSettings().clear();
  KoLanguage::instance().load();
  usbHid link;
  AppDelegate app(link, [] { return std::unique_ptr<HidTransport>(); });
  app.applicationDidFinishLaunching(true);
  KoTools::installPrompter(&prompter());
  KoFilePanels::install(nullptr);
  TempFiles folder;
  QDir(folder.dir.path()).mkdir("1");
  const QString rob = folder.write(
      "2.rob", KoTools::actionImage({{100, {1, 2, 3, 4, 5, 6}}, {200, {6, 5, 4, 3, 2, 1}}}));
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(folder.dir.path());
  app.window()->show();
  auto* editor = static_cast<KoVelmarViewController*>(app.vc1());
  // A chosen frame puts its positions into the cards' words.
  ASSERT_TRUE(editor->files()->openPaths({rob}));
  editor->tableView()->selectRow(1);
  const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}"));
  for (const QString& name : KoLanguage::languages()) {
    KoLanguage::instance().choose(name, nullptr);
    const QString code = KoLanguage::codeForName(name);
    QList<std::pair<QString, QString>> seen;
    QStringList unnamed;
    const auto walk = [&](QWidget* w) {
      w->show();
      hear(QAccessible::queryAccessibleInterface(w), seen, unnamed);
    };
    for (int tab : {0, 1}) {
      app.tabView()->setCurrentIndex(tab);
      walk(app.window());
    }
    walk(std::make_unique<ModeWindow>(ModeWindow::Kind::SaveQuestion, "x.rob").get());
    walk(std::make_unique<KoArmProfileDialog>().get());
    walk(std::make_unique<KoGamepadDialog>(KoGamepadMapping::defaults(), nullptr).get());
    walk(std::make_unique<KoPosePanel>(editor->armRanges()).get());
    walk(std::make_unique<KoMirrorDialog>(easing::Channels{}, editor->armRanges()).get());
    walk(std::make_unique<KoEasingDialog>(editor->craft(), app.window()->findChild<KoCurveView*>())
             .get());
    // The real file panel, on a folder and a file, its columns filled.
    QTimer::singleShot(0, [&] {
      auto* panel = static_cast<QDialog*>(QApplication::activeModalWidget());
      auto* files = panel->findChild<QTreeView*>();
      ASSERT_TRUE(processUntil([&] { return files->model()->rowCount(files->rootIndex()) == 2; }));
      walk(panel);
      panel->reject();
    });
    KoFilePanels::installed().chooseFilesToOpen(false, qtTrId("open_panel_title"));

    QStringList wrong;
    for (const auto& [text, where] : seen) {
      const QString rest = QString(text).remove(kKept);
      // A text wholly kept (a controller's "B") may match another language's by chance.
      const bool foreign = !translations[code].contains(text) && !rest.trimmed().isEmpty() &&
                           std::any_of(translations.cbegin(), translations.cend(),
                                       [&](auto& t) { return t.contains(text); });
      if (foreign || (code == u"en" ? rest.contains(cjk) : rest.contains(latin)))
        wrong << where + ": " + text;
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
    EXPECT_TRUE(wrong.isEmpty()) << code.toStdString() << ":\n" << wrong.join("\n").toStdString();
  }
  KoLanguage::instance().choose("English", nullptr);
  QDir::setCurrent(cwd);
}

}  // namespace
