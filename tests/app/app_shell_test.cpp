#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/app_delegate.h"
#include "app/mode_window.h"
#include "app/top_black_view.h"
#include "app/tray_notifier.h"
#include "app/window.h"
#include "app/window_buttons.h"
#include "board/virtual_board.h"
#include "editor/board/editor_serial.h"
#include "editor/board/online_control.h"
#include "editor/velmar_view_controller.h"
#include "link/hid_transport.h"
#include "link/ko_serial.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/frame_encoding.h"
#include "model/language.h"
#include "model/move_frame.h"
#include "model/notification_center.h"
#include "recording_prompter.h"
#include "servotool/live_status.h"
#include "servotool/parameter_panels.h"
#include "servotool/servo_test_panel.h"
#include "servotool/steer_debugging_tool.h"
#include "session/frame_list_model.h"
#include "wait.h"
#include "widgets/lazy_page.h"
#include "widgets/switch.h"

namespace {

QStringList& tips() { return RecordingPrompter::instance().tips; }

// The USB side, with a board that comes, goes or may not be opened when the test says so.
class UsbBoard : public HidTransport {
 public:
  void start() override {}
  bool write(const QByteArray&) override { return false; }
  QString name() const override { return QStringLiteral("USB"); }
  void arrive() { emit deviceArrived(QStringLiteral("TAVEN")); }
  void leave() { emit deviceRemoved(QStringLiteral("TAVEN")); }
  void deny() {
    emit accessDenied(QStringLiteral("/dev/hidraw3"), QStringLiteral("Permission denied"));
  }
};

class AppShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings().clear();
    KoLanguage::instance().load();
    delegate.applicationDidFinishLaunching(true);
    KoTools::installPrompter(&RecordingPrompter::instance());  // the shell installs its own
    delegate.window()->show();
    delegate.viewTop()->grab();  // lays out the tab outlines
  }
  void TearDown() override { DesktopNotifier::install(nullptr); }

  void clickTab(int i) {
    const QPointF centre = delegate.viewTop()->paths().at(i).boundingRect().center();
    QTest::mouseClick(delegate.viewTop(), Qt::LeftButton, {}, centre.toPoint());
  }
  // The page shown, which the bar's tabs must agree with.
  int tab() {
    EXPECT_EQ(delegate.viewTop()->index(), delegate.tabView()->currentIndex());
    return delegate.tabView()->currentIndex();
  }
  usbHid link;
  QPointer<UsbBoard> usb;
  AppDelegate delegate{link, [this] {
                         auto board = std::make_unique<UsbBoard>();
                         usb = board.get();
                         return board;
                       }};
};

// A first start is in English; a language chosen is stored (vornctl reads it too), here in
// this process's own folder so that programs run side by side do not share it.
TEST_F(AppShellTest, ChoosingALanguageStoresItAndRelabelsOnce) {
  QSettings settings;
  EXPECT_TRUE(settings.fileName().startsWith(QDir::tempPath() + u'/'))
      << settings.fileName().toStdString();
  EXPECT_FALSE(settings.fileName().contains(QStringLiteral("/.qttest/")));
  EXPECT_EQ(settings.value("language").toString(), "English");
  EXPECT_EQ(settings.value("AppLanguagesKey").toString(), "en");
  const QString english = QStringLiteral("Bus Servo Tool");
  EXPECT_EQ(delegate.tabView()->tabText(1), english);
  EXPECT_EQ(delegate.viewTop()->labelTitle()->text(),
            "Vorn (V" + QApplication::applicationVersion() + ")");
  QSignalSpy posts(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage);
  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("繁體"));
  EXPECT_EQ(posts.size(), 1);
  EXPECT_EQ(settings.value("language").toString(), "繁體");
  EXPECT_EQ(settings.value("AppLanguagesKey").toString(), "zh-Hant");
  EXPECT_EQ(delegate.tabView()->tabText(1), qtTrId("servo_adjust"));
  EXPECT_NE(delegate.tabView()->tabText(1), english);
  EXPECT_EQ(delegate.viewTop()->labelTitle()->text(),
            "Vorn（V" + QApplication::applicationVersion() + "）");

  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("繁體"));
  EXPECT_EQ(posts.size(), 1);  // already chosen

  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("English"));
  EXPECT_EQ(delegate.tabView()->tabText(1), english);
}

TEST_F(AppShellTest, TheWindowFitsTheScreenAndEachPageFitsTheSmallestAndNamesItsControls) {
  // The offscreen screen is 800 x 600: the fixed 1260 x 800 does not fit, so the window
  // takes the screen and stays resizable.
  KoWindow* window = delegate.window();
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(available.contains(window->geometry()));
  EXPECT_TRUE(window->resizable());

  // On a screen where the window may be as small as it allows, the arm picture, the bar
  // and each page still fit; a page is named so the one that grew is found at once.
  const QSize smallest = placeWindow({0, 0, 1920, 1080}, {0, 0, 1920, 1080}).minimum;
  const QSize needed = window->layout()->minimumSize();
  EXPECT_EQ(needed.boundedTo(smallest), needed);
  window->setGeometry(QRect(QPoint(), smallest));
  window->layout()->activate();
  QTabWidget* tabs = delegate.tabView();
  const QSize room = tabs->currentWidget()->size();
  for (const QString& language : KoLanguage::languages()) {
    emit delegate.viewTop()->boxLanguage()->textActivated(language);
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      QWidget* page = tabs->currentWidget();
      if (auto* lazy = qobject_cast<KoLazyPage*>(page)) page = lazy->content();
      SCOPED_TRACE(language.toStdString() + " on " + page->metaObject()->className());
      // A page may scroll on a screen smaller than the smallest window, not at that size.
      const auto* scroll = qobject_cast<QScrollArea*>(
          page->layout() ? page->layout()->itemAt(0)->widget() : nullptr);
      QWidget* content = scroll ? scroll->widget() : page;
      const QSize wanted = content->minimumSizeHint().expandedTo(content->minimumSize());
      EXPECT_TRUE(wanted.width() <= room.width() && wanted.height() <= room.height())
          << "needs " << wanted.width() << " x " << wanted.height()
          << ", the smallest window leaves " << room.width() << " x " << room.height();
      // Several controls share an on-screen caption such as "Max"; each says which it is.
      QMap<QString, QStringList> namesByKind;
      int named = 0;
      for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window)) continue;
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        QStringList& names = namesByKind[w->metaObject()->className()];
        EXPECT_FALSE(name.isEmpty() || names.contains(name))
            << w->metaObject()->className() << " " << name.toStdString();
        names.append(name);
        ++named;
      }
      EXPECT_GE(named, 6);  // tabs, language, badge and the three window buttons
      EXPECT_GE(namesByKind.value("KoSlider").size(), i == 1 ? 7 : 0);  // the tool's limits
    }
  }
}

TEST_F(AppShellTest, TheWindowButtonsAndTheirKeys) {
  KoWindowButtons* buttons = delegate.windowButtons();
  buttons->zoom()->click();
  EXPECT_TRUE(delegate.window()->isMaximized());
  EXPECT_EQ(buttons->zoom()->accessibleName(), qtTrId("window_restore"));
  buttons->zoom()->click();
  EXPECT_FALSE(delegate.window()->isMaximized());
  buttons->close()->click();
  EXPECT_FALSE(delegate.window()->isVisible());

  for (const int key : {Qt::Key_W, Qt::Key_Q}) {
    delegate.window()->show();
    delegate.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(delegate.window()));
    QTest::keyClick(delegate.window(), static_cast<Qt::Key>(key), Qt::ControlModifier);
    EXPECT_FALSE(delegate.window()->isVisible()) << key;
  }
}

TEST_F(AppShellTest, TabsSwitchByClickOrKeyUnlessTheSerialPortOrADownloadIsBusy) {
  delegate.window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(delegate.window()));
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {
      {Qt::Key_Tab, ctrl, 1},
      {Qt::Key_Tab, ctrl, 0},
      {Qt::Key_PageDown, ctrl, 1},
      {Qt::Key_PageUp, ctrl, 0},
      {Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 1},
      {Qt::Key_1, ctrl, 0},
      {Qt::Key_2, ctrl, 1}};
  for (const auto& [key, modifiers, shown] : keys) {
    QTest::keyClick(delegate.window(), key, modifiers);
    EXPECT_EQ(tab(), shown) << key;
  }
  delegate.viewTop()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(delegate.viewTop(), Qt::Key_Left);
  EXPECT_EQ(tab(), 0);
  clickTab(1);
  EXPECT_EQ(tab(), 1);
  EXPECT_TRUE(tips().isEmpty());

  link.setDownload(true);
  clickTab(0);
  clickTab(1);  // the tab shown: nothing, not even a tip
  QTest::keyClick(delegate.window(), Qt::Key_1, ctrl);
  EXPECT_EQ(tips(), QStringList(2, qtTrId("progress")));
  EXPECT_EQ(tab(), 1);
  link.setDownload(false);
  tips().clear();
  KoSerial& line = static_cast<KoVelmarViewController*>(delegate.vc1())->serialControls()->line();
  line.setCarriesMoves(true);  // says so on the tab shown too
  clickTab(1);
  QTest::keyClick(delegate.window(), Qt::Key_1, ctrl);
  EXPECT_EQ(tips(), QStringList(2, qtTrId("operation_fail")));
  EXPECT_EQ(tab(), 1);
  line.setCarriesMoves(false);

  // A servo turning in motor mode is stopped before the tool's page goes.
  auto* tool = qobject_cast<KoSteerDebuggingTool*>(delegate.vc2());
  ASSERT_TRUE(tool);
  QStringList order;
  delegate.setMotorModeReset([&] {
    order << QStringLiteral("reset at %1").arg(delegate.tabView()->currentIndex());
    tool->resetToServoMode();
  });
  clickTab(0);
  clickTab(1);
  EXPECT_TRUE(order.isEmpty());  // no servo turned
  tool->servoTest()->sege->setIndex(1);
  tool->servoTest()->selectTitleIndex(1);
  ASSERT_TRUE(tool->motorMode());
  clickTab(0);
  EXPECT_EQ(order, QStringList{"reset at 1"});
  EXPECT_FALSE(tool->motorMode());
  EXPECT_EQ(tab(), 0);
}

TEST_F(AppShellTest, TheBadgeSwitchesBetweenTheVirtualAndTheUsbBoardAndSaysWhichIsThere) {
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  QToolButton* badge = delegate.viewTop()->linkBadge();
  EXPECT_EQ(badge->text(), qtTrId("link_virtual"));
  badge->click();
  EXPECT_FALSE(delegate.usesVirtualBoard());
  EXPECT_FALSE(link.connection());
  ASSERT_TRUE(usb);
  const std::pair<std::function<void()>, QString> steps[] = {
      {[] {}, qtTrId("link_usb_none")},
      {[&] { usb->deny(); }, qtTrId("link_usb_denied")},
      {[&] { usb->arrive(); }, qtTrId("link_usb_board").arg("TAVEN")},
      {[&] { usb->leave(); }, qtTrId("link_usb_none")},
  };
  for (const auto& [step, text] : steps) {
    step();
    EXPECT_EQ(badge->text(), text);
  }

  tips().clear();
  link.setDownload(true);
  badge->click();
  EXPECT_FALSE(delegate.usesVirtualBoard());
  EXPECT_EQ(tips(), QStringList{qtTrId("progress")});
  link.setDownload(false);
  badge->click();
  EXPECT_TRUE(delegate.usesVirtualBoard());
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));

  // Its menu puts servos on the virtual bus, and the tool in front checks again.
  delegate.virtualBoard()->setReplyLatency(std::chrono::milliseconds(0));
  clickTab(1);
  auto* tool = qobject_cast<KoSteerDebuggingTool*>(delegate.vc2());
  ASSERT_TRUE(processUntil([&] { return tool->check() == KoSteerDebuggingTool::Check::Single; }));
  for (QAction* a : badge->menu()->actions()) {
    if (a->data() == 2) a->trigger();
  }
  EXPECT_EQ(delegate.virtualBoard()->busServoCount(), 2);
  EXPECT_TRUE(processUntil([&] { return tool->check() == KoSteerDebuggingTool::Check::Many; }));
}

// Every text a person or an assistive tool gets from the widgets under `root`, in order.
QStringList textsUnder(QWidget* root) {
  QStringList texts;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    texts << w->accessibleName() << w->accessibleDescription() << w->toolTip();
  }
  return texts;
}

// Built when its tab is first shown, the tool speaks the language and keeps the settings of
// then, and Tab reaches it after the window's own controls.
TEST_F(AppShellTest, TheToolIsBuiltWhenFirstShownInTheLanguageAndSettingsOfThen) {
  EXPECT_EQ(delegate.vc2(), nullptr);
  EXPECT_FALSE(delegate.toolPage()->built());
  QSettings().setValue(KoLiveStatus::kSettingsKey, true);
  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("繁體"));
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  delegate.virtualBoard()->setReplyLatency(std::chrono::milliseconds(0));
  EXPECT_FALSE(delegate.toolPage()->built());  // nor later, while its tab stays hidden

  clickTab(1);
  auto* tool = qobject_cast<KoSteerDebuggingTool*>(delegate.vc2());
  ASSERT_NE(tool, nullptr);
  EXPECT_TRUE(tool->isVisible());
  EXPECT_EQ(tool->size(), delegate.toolPage()->size());
  ASSERT_TRUE(processUntil([&] { return tool->check() == KoSteerDebuggingTool::Check::Single; }));
  EXPECT_TRUE(tool->panels()->switchLive->isOn());
  EXPECT_TRUE(tool->liveStatus()->isPolling());

  const QStringList built = textsUnder(tool);
  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("English"));
  const QStringList english = textsUnder(tool);
  emit delegate.viewTop()->boxLanguage()->textActivated(QStringLiteral("繁體"));
  EXPECT_EQ(built, textsUnder(tool));
  EXPECT_NE(built, english);
  EXPECT_TRUE(built.contains(qtTrId("live_status_tips")));

  // The window's own controls come first in the Tab order, then the tool's, none between.
  QStringList owners;
  QWidget* w = delegate.window();
  do {
    w = w->nextInFocusChain();
    if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus)) continue;
    const QString owner = tool->isAncestorOf(w) ? "tool" : "window";
    if (owners.isEmpty() || owners.last() != owner) owners << owner;
  } while (w != delegate.window());
  EXPECT_EQ(owners, (QStringList{"window", "tool"}));
}

TEST(ModeWindow, AnswersOfAConfirmation) {
  DialogPrompter prompter;
  QList<bool> visible;
  QString shown;
  using Answer = std::function<void(ModeWindow*)>;
  auto answerWith = [&](Answer answer) {
    prompter.onShow = [&, answer](ModeWindow* w) {
      visible = {w->comfirm()->isVisibleTo(w), w->viewCancelOk()->isVisibleTo(w)};
      shown = w->message()->text();
      QTimer::singleShot(0, w, [w, answer] { answer(w); });
    };
  };
  const Answer ok = [](ModeWindow* w) { w->buttonCancelComfirm()->click(); };
  const Answer escape = [](ModeWindow* w) { QTest::keyClick(w, Qt::Key_Escape); };
  const Answer closed = [](ModeWindow* w) { w->close(); };
  const Answer enter = [](ModeWindow* w) { QTest::keyClick(w, Qt::Key_Return); };
  // Enter gives the default answer: yes to a plain question, no to a destructive one.
  const std::tuple<Answer, bool, bool> confirms[] = {
      {ok, false, true},      {[](ModeWindow* w) { w->buttonCancel()->click(); }, false, false},
      {closed, false, false}, {escape, false, false},
      {enter, false, true},   {enter, true, false}};
  for (const auto& [answer, destructive, yes] : confirms) {
    answerWith(answer);
    const QString q = QStringLiteral("erase all?");
    EXPECT_EQ(destructive ? prompter.confirmDestructive(q) : prompter.confirm(q), yes);
    EXPECT_EQ(visible, (QList<bool>{false, true}));
  }

  // Only the discard button throws unsaved changes away; Escape keeps them.
  using Save = Prompter::SaveAnswer;
  const std::pair<Answer, Save> saveAnswers[] = {
      {ok, Save::Save},
      {[](ModeWindow* w) { w->buttonDiscard()->click(); }, Save::Discard},
      {escape, Save::Cancel},
      {closed, Save::Cancel}};
  for (const auto& [answer, expected] : saveAnswers) {
    answerWith(answer);
    EXPECT_EQ(prompter.askToSave(QStringLiteral("save changes?")), expected);
  }

  answerWith([](ModeWindow* w) { w->comfirm()->click(); });
  prompter.showTip(QStringLiteral("saved"));
  EXPECT_EQ(shown, "saved");
  EXPECT_EQ(visible, (QList<bool>{true, false}));
}

TEST(Notifications, ShownInTheWindowWithoutATray) {
  KoWindow window;
  window.resize(800, 600);
  TrayNotifier notifier(&window, false, 0);
  window.show();
  notifier.notify(QStringLiteral("USB-HID Connected"), QStringLiteral("TAVEN <b>"));
  ASSERT_TRUE(notifier.notice());
  EXPECT_TRUE(notifier.notice()->isVisible());
  EXPECT_TRUE(notifier.notice()->text().contains("TAVEN &lt;b&gt;"));
  EXPECT_TRUE(processUntil([&] { return !notifier.notice()->isVisible(); }));
}

TEST_F(AppShellTest, EscapeAnywhereInTheWindowStopsTheRunWithoutTakingTheKeyFromAField) {
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  auto* editor = static_cast<KoVelmarViewController*>(delegate.vc1());
  editor->texttime()->setText(QStringLiteral("30000"));  // still playing when Escape comes
  editor->buttonClick(EditorAction::Add);
  processPending();
  for (int tab : {0, 1}) {
    SCOPED_TRACE(tab);
    editor->buttonClick(EditorAction::RunOnline);
    ASSERT_FALSE(editor->online()->stopped());
    clickTab(tab);
    auto* tool = qobject_cast<KoSteerDebuggingTool*>(delegate.vc2());
    if (tab == 1) {  // a servo the tool set turning stops too
      tool->servoTest()->sege->setIndex(1);
      tool->servoTest()->selectTitleIndex(1);
    }
    auto* field = delegate.tabView()->currentWidget()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(editor->online()->stopped());
    EXPECT_FALSE(tool && tool->motorMode());
  }
  // Escape in a dialog of its own is that dialog's.
  editor->buttonClick(EditorAction::RunOnline);
  QLineEdit elsewhere;
  QTest::keyClick(&elsewhere, Qt::Key_Escape);
  EXPECT_FALSE(editor->online()->stopped());
  editor->buttonClick(EditorAction::Stop);
  EXPECT_TRUE(editor->online()->stopped());
}

}  // namespace

namespace {

// The link says what went wrong and with which command; the window puts it into tips, for a
// reply only where the user waits for one.
TEST_F(AppShellTest, WhatGoesWrongOnTheLinkIsToldInTips) {
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  VirtualBoard* board = delegate.virtualBoard();
  board->setReplyLatency(std::chrono::milliseconds(0));
  link.setReplyTimeout(std::chrono::milliseconds(0));
  const std::pair<QByteArray, const char*> noReply[] = {
      {protocol::removeActions(3), "erase_fail"},
      {protocol::idList(protocol::kReadPositions, {1}), "wait_timeout"},
      {protocol::idList(protocol::kDownloadDeviations, {1}), "wait_timeout"},
      {protocol::idList(protocol::kReadDeviations, {1}), "read_timeout"},
      {protocol::readServoInfo(), "read_timeout"},
      {protocol::actionsRun(1), nullptr},
      {protocol::stopActions(), nullptr},
      {protocol::idList(protocol::kUnloadServos, {1}), nullptr},
      {protocol::speed(1, 0, 0), nullptr},
  };
  for (const auto& [frame, tip] : noReply) {
    const int command = static_cast<quint8>(frame[3]);
    SCOPED_TRACE(command);
    tips().clear();
    board->dropRepliesTo(command);
    ASSERT_TRUE(link.sendData(frame));
    ASSERT_TRUE(processUntil([&] { return link.pendingTimeouts(command) == 0; }));
    processPending();
    EXPECT_EQ(tips(), tip ? QStringList{qtTrId(tip)} : QStringList{});
  }

  // The board on USB here takes no frame: a burst of failed sends is told once.
  delegate.viewTop()->linkBadge()->click();
  ASSERT_TRUE(usb);
  usb->arrive();
  tips().clear();
  EXPECT_FALSE(link.sendOneSteering(1, 500, 0));
  EXPECT_FALSE(link.sendReadServoInfo());
  EXPECT_EQ(tips(), QStringList{qtTrId("send_fail")});
  usb->leave();

  tips().clear();
  usb->deny();
  EXPECT_EQ(tips(), QStringList{qtTrId("hid_permission") + "\n\nPermission denied"});
}

// While a tip or question is open the board's news waits, so that a reply never stacks a
// dialog on it or acts behind it.
TEST_F(AppShellTest, TheBoardsNewsWaitsWhileATipIsOpen) {
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  delegate.virtualBoard()->setReplyLatency(std::chrono::milliseconds(0));
  QSignalSpy read(&link, &usbHid::servoInfoRead);
  qsizetype readWhileOpen = -1;
  RecordingPrompter::instance().whileTipOpen = [&](const QString&) {
    link.sendReadServoInfo();
    processPending();
    readWhileOpen = read.size();
  };
  KoTools::showTipWithMessage(QStringLiteral("first"));
  EXPECT_EQ(readWhileOpen, 0);
  EXPECT_TRUE(processUntil([&] { return read.size() == 1; }));
}

// The window asks before a group is erased, as a question whose yes destroys something; a no
// sends nothing.
TEST_F(AppShellTest, TheEditorAsksBeforeItErases) {
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  VirtualBoard* board = delegate.virtualBoard();
  board->setReplyLatency(std::chrono::milliseconds(0));
  auto* editor = static_cast<KoVelmarViewController*>(delegate.vc1());
  editor->boxActions()->setEditText(QStringLiteral("12"));
  RecordingPrompter& prompter = RecordingPrompter::instance();
  board->clearReceived();
  prompter.answers = {false, false};
  editor->buttonClick(EditorAction::EraseGroup);
  editor->buttonClick(EditorAction::EraseAll);
  processPending();
  EXPECT_EQ(prompter.destructive,
            (QStringList{qtTrId("comfirm_single_erase").arg(12), qtTrId("comfirm_all_erase")}));
  EXPECT_TRUE(board->received().isEmpty());

  prompter.answers = {true};
  editor->buttonClick(EditorAction::EraseAll);
  ASSERT_TRUE(processUntil([&] { return tips().contains(qtTrId("erase_success")); }));
  ASSERT_EQ(board->received().size(), 1);
  EXPECT_EQ(board->received().first().bytes.toHex(), "55550308ff");
}

// A value refused in a cell is told after the edit, once for a frame edited again and again.
TEST_F(AppShellTest, RefusedCellEditsAreToldOncePerFrame) {
  auto* editor = static_cast<KoVelmarViewController*>(delegate.vc1());
  editor->buttonClick(EditorAction::Add);
  editor->buttonClick(EditorAction::Add);
  processPending();
  KoFrameListModel* model = editor->model();
  ASSERT_EQ(model->count(), 2);
  tips().clear();
  const auto edit = [&](int row, int column, const char* typed) {
    model->setData(model->index(row, column), QString::fromUtf8(typed), Qt::EditRole);
  };
  edit(0, KoFrameListModel::kTimeColumn, "x");
  edit(0, KoFrameListModel::kFirstChannelColumn, "-1");
  edit(1, KoFrameListModel::kTimeColumn, "abc");
  EXPECT_TRUE(tips().isEmpty());  // not from inside the edit
  processPending();
  EXPECT_EQ(tips(), QStringList(2, qtTrId("modify_erro")));
}

// A classroom leaves the program looping on the virtual board all day: the board may keep
// no growing record of what it was sent.
TEST_F(AppShellTest, TheProgramsVirtualBoardKeepsOnlyItsLatestFrames) {
  ASSERT_TRUE(delegate.usesVirtualBoard());
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  VirtualBoard* board = delegate.virtualBoard();
  for (int i = 0; i < 10 * AppDelegate::kBoardFramesKept; ++i) {
    link.sendData(frame::multiServoMove(50, {{1, i % 1000}}));
  }
  ASSERT_TRUE(processUntil([&] {
    const auto frames = board->received();
    return !frames.isEmpty() &&
           frame::le16(frames.last().bytes, 8) == (10 * AppDelegate::kBoardFramesKept - 1) % 1000;
  }));
  EXPECT_EQ(board->received().size(), AppDelegate::kBoardFramesKept);
}

}  // namespace
