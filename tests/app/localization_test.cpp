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
#include "editor/files/file_panels.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/easing_dialog.h"
#include "editor/motion/pose_panel.h"
#include "editor/profiles/arm_profile_dialog.h"
#include "editor/velmar_view_controller.h"
#include "link/hid_transport.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "recording_prompter.h"
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

// Every text a user can see or hear in `root`'s visible widgets, with where it was seen; in
// item views only the headers, as their cells hold the user's data. Controls that a reader
// cannot name go to `unnamed`.
QList<std::pair<QString, QString>> textsIn(QWidget* root, QStringList* unnamed) {
  QList<std::pair<QString, QString>> out;
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (!w->isVisible()) continue;
    QStringList t{w->toolTip(), w->isWindow() ? w->windowTitle() : QString()};
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
    t << reader->text(QAccessible::Name) << reader->text(QAccessible::Description);
    // A control a user can reach says what it is and what it is called.
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
        !qobject_cast<QAbstractSpinBox*>(w->parentWidget()) &&
        (reader->role() == QAccessible::Client || reader->text(QAccessible::Name).isEmpty())) {
      unnamed->append(QString::fromLatin1(w->metaObject()->className()) + ' ' + w->objectName());
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) t << b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) t << l->text().remove(QRegularExpression("<[^>]*>"));
    if (auto* g = qobject_cast<QGroupBox*>(w)) t << g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w)) t << e->placeholderText();
    for (int i = 0; auto* c = qobject_cast<QComboBox*>(w); ++i) {
      if (i == c->count()) break;
      t << c->itemText(i);
    }
    for (int i = 0; auto* h = qobject_cast<QHeaderView*>(w); ++i) {
      if (!h->model() || i == h->count()) break;
      t << h->model()->headerData(i, h->orientation()).toString();
    }
    const QString where =
        w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
    for (const QString& text : t) {
      if (!text.trimmed().isEmpty() && !QFileInfo::exists(text)) out.append({text, where});
    }
  }
  return out;
}

// What stays as it is in any language: the product, the shipped profile (a key of the
// settings), the languages in their own scripts, the keys' names, units, file kinds and their
// patterns, and file names ("3号wave.rob" is the batch download's naming rule).
const QRegularExpression kKept(QStringLiteral(
    R"(Vorn arm|Vorn|English|简体|繁體|Ctrl|Shift|Alt|Tab|Del|Esc|Enter|Return|Page Up|Page Down|)"
    R"(\bID\b|USB|LED|PWM|\bms\b|\bmm\b|\bV\b|JSON|CSV|WAV|MP3|OGG|FLAC|\*\.\w+|\S+\.rob)"));

// Run on the virtual board, both tabs, then the dialogs: in each language, no text is another
// language's, and none is left in English in Chinese or holds Chinese in English.
TEST(EveryWord, IsInTheChosenLanguageOnBothTabsAndInEveryDialog) {
  QSettings().clear();
  KoLanguage::instance().load();
  usbHid link;
  AppDelegate app(link, [] { return std::unique_ptr<HidTransport>(); });
  app.applicationDidFinishLaunching(true);
  KoTools::installPrompter(&prompter());
  KoFilePanels::install(nullptr);
  app.window()->show();
  auto* editor = static_cast<KoVelmarViewController*>(app.vc1());
  QMap<QString, QSet<QString>> translations;
  for (const char* code : {"en", "zh-Hans", "zh-Hant"}) {
    for (const QString& text : textsOf(code)) translations[code].insert(text);
  }
  const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}")), cjk(QStringLiteral("\\p{Han}"));
  for (const QString& name : KoLanguage::languages()) {
    KoLanguage::instance().choose(name, nullptr);
    const QString code = KoLanguage::codeForName(name);
    QList<std::pair<QString, QString>> seen;
    QStringList unnamed;
    for (int tab : {0, 1}) {
      app.tabView()->setCurrentIndex(tab);
      seen += textsIn(app.window(), &unnamed);
    }
    const auto walk = [&](QWidget* w) {
      w->show();
      seen += textsIn(w, &unnamed);
    };
    walk(std::make_unique<ModeWindow>(ModeWindow::Kind::SaveQuestion, "x.rob").get());
    walk(std::make_unique<KoArmProfileDialog>().get());
    walk(std::make_unique<KoPosePanel>(editor->armRanges()).get());
    walk(std::make_unique<KoMirrorDialog>(easing::Channels{}, editor->armRanges()).get());
    walk(std::make_unique<KoEasingDialog>(editor->craft(), app.window()->findChild<KoCurveView*>())
             .get());
    // The real file panel, its columns filled: names, sizes, kinds and dates.
    QTimer::singleShot(0, [&] {
      QWidget* panel = QApplication::activeModalWidget();
      auto* files = panel ? panel->findChild<QTreeView*>() : nullptr;
      ASSERT_TRUE(files &&
                  processUntil([&] { return files->model()->rowCount(files->rootIndex()) > 2; }));
      seen += textsIn(panel, &unnamed);
      for (int row = 0; row < 3; ++row) {
        for (int column = 1; column < 4; ++column) {
          seen.append({files->model()->index(row, column, files->rootIndex()).data().toString(),
                       "file panel"});
        }
      }
      static_cast<QDialog*>(panel)->reject();
    });
    KoFilePanels::installed().chooseFilesToOpen(false, qtTrId("open_panel_title"));

    QStringList wrong;
    for (const auto& [text, where] : seen) {
      bool foreign = false;
      for (auto it = translations.cbegin(); it != translations.cend(); ++it) {
        foreign |= it.value().contains(text) && !translations[code].contains(text);
      }
      const QString rest = QString(text).remove(kKept);
      if (foreign || (code == u"en" ? rest.contains(cjk) : rest.contains(latin))) {
        wrong << where + ": " + text;
      }
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
    EXPECT_TRUE(wrong.isEmpty()) << code.toStdString() << ":\n" << wrong.join("\n").toStdString();
  }
  KoLanguage::instance().choose("English", nullptr);
}

}  // namespace
