#include <gtest/gtest.h>

#include <cstdio>

#include <QCryptographicHash>
#include <QFontDatabase>
#include <QSettings>
#include <QtWidgets>

#include "app/app_delegate.h"
#include "app/mode_window.h"
#include "app/top_black_view.h"
#include "app/tray_notifier.h"
#include "app/window.h"
#include "app/window_buttons.h"
#include "editor/files/editor_files.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/easing_dialog.h"
#include "editor/motion/motion_controls.h"
#include "editor/motion/pose_panel.h"
#include "editor/profiles/arm_profile_dialog.h"
#include "editor/velmar_view_controller.h"
#include "link/serial_port_manager.h"
#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/action_text.h"
#include "model/language.h"
#include "model/named_poses.h"
#include "model/song_envelope.h"
#include "recording_prompter.h"
#include "session/frame_history.h"
#include "temp_files.h"
#include "wait.h"
#include "widgets/switch.h"
#include "widgets/theme.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"

// The screens as docs/visual-language.md shows them, drawn offscreen and held to the pictures
// a person looked at, pixel for pixel: a margin, a colour, a text's place or a control left
// out shows. Pictures depend on the fonts and the Qt that draw them, so where those are not
// the ones the pictures were made with (environment.txt) the comparison is skipped, never
// failed. After a change of look, VORN_UPDATE_LOOKS=1 writes new pictures to look at.
namespace {

const QString kLooks = QStringLiteral(VORN_SOURCE_DIR "/tests/app/looks/");

QString environment() {
  QStringList fonts;
  for (const QString& family : QFontDatabase::families()) {
    fonts << family + u':' + QFontDatabase::styles(family).join(u',');
  }
  const QByteArray hash =
      QCryptographicHash::hash(fonts.join(u'\n').toUtf8(), QCryptographicHash::Sha1);
  return QStringLiteral("Qt %1, fonts %2\n").arg(qVersion(), hash.toHex().left(16));
}

class Looks : public TempFilesTest {
 protected:
  void SetUp() override {
    QFile recorded(kLooks + QStringLiteral("environment.txt"));
    update_ = qEnvironmentVariableIsSet("VORN_UPDATE_LOOKS");
    if (update_) {
      ASSERT_TRUE(recorded.open(QIODevice::WriteOnly));
      recorded.write(environment().toUtf8());
    } else if (!recorded.open(QIODevice::ReadOnly) || recorded.readAll() != environment()) {
      GTEST_SKIP() << "fonts or Qt differ from the pictures': " << environment().toStdString();
    }
    QSettings().clear();
    KoLanguage::instance().load();
    delegate.applicationDidFinishLaunching(true);
    KoTools::installPrompter(&prompter());
    delegate.window()->resize(960, 680);
    delegate.window()->show();
    ASSERT_TRUE(processUntil([&] {
      return link.connection() && ORSSerialPortManager::sharedSerialPortManager()->listed();
    }));
    KoTheme::apply(KoTheme::Scheme::Light);
  }
  void TearDown() override { KoTheme::apply(KoTheme::Scheme::Light); }
  KoVelmarViewController* editor() const {
    return static_cast<KoVelmarViewController*>(delegate.vc1());
  }

  // Compares what `widget` draws now with the picture `name`.
  void expectLooks(QWidget* widget, const QString& name, bool focused = false, qreal ratio = 1) {
    SCOPED_TRACE(name.toStdString());
    QApplication::setCursorFlashTime(0);  // a caret that does not blink
    if (QWidget* focus = QApplication::focusWidget(); focus && !focused) focus->clearFocus();
    // Once what is already due has run (a port list filled in, a relayout) the picture holds.
    QImage drawn;
    for (QImage before; drawn.isNull() || drawn != before;) {
      before = drawn;
      processPending();
      QWidget* top = widget->window();  // so a part shows on the window's own background
      if (ratio == 1) {
        drawn = top->grab(QRect(widget->mapTo(top, QPoint()), widget->size()))
                    .toImage()
                    .convertToFormat(QImage::Format_RGB32);
      } else {  // as on a screen at that scale
        drawn = QImage(widget->size() * ratio, QImage::Format_RGB32);
        drawn.setDevicePixelRatio(ratio);
        widget->render(&drawn);
      }
    }
    const QString path = kLooks + name + QStringLiteral(".png");
    if (update_) {
      EXPECT_TRUE(drawn.save(path));
      return;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), expected.size());
    if (drawn != expected) {
      const QString seen = QDir::temp().filePath(QStringLiteral("vorn-looks-%1.png").arg(name));
      drawn.save(seen);
      ADD_FAILURE() << "drawn differently; see " << seen.toStdString();
    }
  }

  bool update_ = false;
  usbHid link;
  // Only the virtual board: no USB board is looked for.
  AppDelegate delegate{link, [] { return std::unique_ptr<HidTransport>(); }};
};

TEST_F(Looks, EachScreenInEachSchemeAndLanguageDrawsAsItsPicture) {
  QList<KoTools::ActionRecord> frames;
  for (quint16 i = 0; i < 6; ++i) {
    frames.append(KoTools::ActionRecord{
        quint16(400 + 100 * i),
        {quint16(200 + 90 * i), 500, 700, quint16(300 + 40 * i), 600, 0x5555}});
  }
  // One path for every run, as a wide window shows it whole; moved in at once, so a run
  // beside this one never reads it half written.
  const QString wave = QDir::temp().filePath(QStringLiteral("vorn-looks-wave.rob"));
  ASSERT_EQ(std::rename(QFile::encodeName(write("wave.rob", KoTools::actionImage(frames))),
                        QFile::encodeName(wave)),
            0);
  ASSERT_TRUE(editor()->files()->openPaths({wave}));
  if (QLabel* notice = delegate.notifier()->notice()) notice->hide();  // shown for 3 s of clock
  QWidget* window = delegate.window();
  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("English"));
  expectLooks(window, QStringLiteral("editor-light"));

  // A song's loudness under the curves, and where it plays.
  SongEnvelope song{{}, 4000};
  for (int i = 0; i < 800; ++i) song.rms.push_back(float(std::abs(std::sin(i / 15.0))));
  auto* curves = window->findChild<KoCurveView*>();
  curves->setSong(&song);
  curves->setSongPosition(1500);
  KoTheme::apply(KoTheme::Scheme::Dark);
  expectLooks(window, QStringLiteral("editor-dark"));
  curves->setSong(nullptr);
  KoTheme::apply(KoTheme::Scheme::Light);
  for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
    window->resize(size);
    expectLooks(window, QStringLiteral("editor-%1").arg(size.width()));
  }
  window->resize(960, 680);

  // The live arm, and the steps easing would add between frames 2 and 3 on the curves.
  editor()->motion()->liveSwitch()->setOn(true);
  emit editor()->motion()->liveSwitch()->toggledByUser(true);
  editor()->tableView()->selectRow(1);
  editor()->tableView()->selectionModel()->select(
      editor()->tableView()->model()->index(2, 0),
      QItemSelectionModel::Select | QItemSelectionModel::Rows);
  {
    KoEasingDialog easing(editor()->craft(), window->findChild<KoCurveView*>());
    easing.show();
    expectLooks(window, QStringLiteral("editor-live-arm-easing"));
    expectLooks(&easing, QStringLiteral("easing"));
    expectLooks(&easing, QStringLiteral("easing-at-200"), false, 2);
  }
  KoArmProfileDialog profiles;
  profiles.show();
  expectLooks(&profiles, QStringLiteral("arm-profiles"));
  auto none = std::make_unique<KoPosePanel>(editor()->armRanges());
  none->show();
  none->resize(none->minimumSizeHint());  // its smallest, where the hint must still fit
  expectLooks(none.get(), QStringLiteral("named-poses-empty"));
  KoNamedPoses kept;
  kept.put({QStringLiteral("Wave"), {120, std::nullopt, 300, 400, 500, 600}});
  kept.put({QStringLiteral("Bow"), {500, 500, 800, 200, 650, 500}});
  ASSERT_EQ(kept.save(), QSettings::NoError);
  KoPosePanel poses(editor()->armRanges());
  poses.show();
  expectLooks(&poses, QStringLiteral("named-poses"));

  delegate.tabView()->setCurrentIndex(1);
  delegate.notifier()->notify(QStringLiteral("Title"), QStringLiteral("A notice's words"));
  expectLooks(window, QStringLiteral("tool-notice"));
  delegate.notifier()->notice()->hide();
  delegate.tabView()->setCurrentIndex(0);

  // The rings Tab draws: on a card's slider and field, and on a zoomed window's buttons.
  QApplication::setActiveWindow(window);
  KoVelmarSliderView* card = editor()->panView()->sliders().constFirst();
  card->slider()->setFocus(Qt::TabFocusReason);
  expectLooks(card, QStringLiteral("card-slider-focused"), true);
  card->textField()->setFocus(Qt::TabFocusReason);
  expectLooks(card, QStringLiteral("card-field-focused"), true);
  window->showMaximized();
  KoWindowButton* zoom = window->findChildren<KoWindowButton*>().at(1);
  zoom->setFocus(Qt::TabFocusReason);
  expectLooks(zoom->parentWidget(), QStringLiteral("window-buttons-zoomed"), true);
  window->showNormal();

  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("简体"));
  expectLooks(window, QStringLiteral("editor-zh-Hans"));
  ModeWindow question(ModeWindow::Kind::DestructiveConfirmation, qtTrId("comfirm_all_erase"));
  question.adjustSize();
  expectLooks(&question, QStringLiteral("question-zh-Hans"));
}

}  // namespace
