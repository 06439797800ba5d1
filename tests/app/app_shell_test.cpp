#include <gtest/gtest.h>

#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/app_delegate.h"
#include "app/mode_window.h"
#include "app/single_instance.h"
#include "app/top_black_view.h"
#include "app/tray_notifier.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "editor/board/editor_serial.h"
#include "editor/board/online_control.h"
#include "editor/files/editor_files.h"
#include "editor/motion/motion_controls.h"
#include "editor/music/music_control.h"
#include "editor/velmar_view_controller.h"
#include "link/desktop_notifier.h"
#include "link/hid_transport.h"
#include "link/ko_serial.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/action_text.h"
#include "model/language.h"
#include "mouse.h"
#include "recording_prompter.h"
#include "servotool/live_status.h"
#include "servotool/servo_test_panel.h"
#include "servotool/steer_debugging_tool.h"
#include "session/arm_ranges.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "temp_files.h"
#include "wait.h"
#include "widgets/elided_label.h"
#include "widgets/status_line.h"
#include "widgets/switch.h"
#include "widgets/theme.h"
#include "widgets/velmar_pan_view.h"

namespace {

using Answer = Prompter::SaveAnswer;

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

// The program as it starts on the virtual board.
class AppShellTest : public TempFilesTest {
 protected:
  void SetUp() override {
    QSettings().clear();
    KoLanguage::instance().load();
    delegate.applicationDidFinishLaunching(true);
    KoTools::installPrompter(&prompter());  // the shell installs its own
    delegate.window()->show();
    delegate.viewTop()->grab();  // lays out the tab outlines
  }
  void TearDown() override {
    editor()->history()->markSaved();
    DesktopNotifier::install(nullptr);
  }

  void clickTab(int i) {
    const QPointF centre = delegate.viewTop()->paths().at(i).boundingRect().center();
    QTest::mouseClick(delegate.viewTop(), Qt::LeftButton, {}, centre.toPoint());
  }
  // The page shown, which the bar's tabs must agree with.
  int tab() {
    EXPECT_EQ(delegate.viewTop()->index(), delegate.tabView()->currentIndex());
    return delegate.tabView()->currentIndex();
  }
  void language(const char* name) {
    emit delegate.viewTop()->boxLanguage()->textActivated(QString::fromUtf8(name));
  }
  KoVelmarViewController* editor() const {
    return static_cast<KoVelmarViewController*>(delegate.vc1());
  }
  KoSteerDebuggingTool* tool() const { return qobject_cast<KoSteerDebuggingTool*>(delegate.vc2()); }
  void turnMotor() {
    tool()->servoTest()->sege->setIndex(1);
    tool()->servoTest()->selectTitleIndex(1);
  }
  // The virtual board, found and answering at once.
  VirtualBoard* board() {
    EXPECT_TRUE(processUntil([&] { return link.connection(); }));
    delegate.virtualBoard()->setReplyLatency(std::chrono::milliseconds(0));
    return delegate.virtualBoard();
  }

  // Frames whose first channel tells their file apart: 500 + 10 * file + frame.
  QString file(const QString& name, int number, int count = 2) {
    QList<KoTools::ActionRecord> frames;
    for (int i = 0; i < count; ++i)
      frames.append(KoTools::ActionRecord{
          quint16(100 + i), {quint16(500 + 10 * number + i), 1500, 1500, 1500, 1500, 1500}});
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == u"rob") return write(name, KoTools::actionImage(frames));
    return write(name, KoTools::exportActionText(frames, suffix == u"json"
                                                             ? KoTools::ActionTextFormat::Json
                                                             : KoTools::ActionTextFormat::Csv));
  }
  QList<int> firstChannel() const {
    QList<int> out;
    for (const VelmarFrame& f : editor()->model()->frames()) out.append(f->id(1));
    return out;
  }

  usbHid link;
  QPointer<UsbBoard> usb;
  AppDelegate delegate{link, [this] {
                         auto board = std::make_unique<UsbBoard>();
                         usb = board.get();
                         return board;
                       }};
};

TEST_F(AppShellTest, KeysSwitchTabsUnlessTheSerialPortOrADownloadIsBusyAndCloseTheWindow) {
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
  QTest::keyClick(delegate.viewTop(), Qt::Key_Right);
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
  KoSerial& line = editor()->serialControls()->line();
  line.setCarriesMoves(true);  // says so on the tab shown too
  clickTab(1);
  QTest::keyClick(delegate.window(), Qt::Key_1, ctrl);
  EXPECT_EQ(tips(), QStringList(2, qtTrId("operation_fail")));
  EXPECT_EQ(tab(), 1);
  line.setCarriesMoves(false);

  // A servo turning in motor mode is stopped before the tool's page goes.
  QStringList order;
  delegate.setMotorModeReset([&] {
    order << QStringLiteral("reset at %1").arg(delegate.tabView()->currentIndex());
    tool()->resetToServoMode();
  });
  turnMotor();
  ASSERT_TRUE(tool()->motorMode());
  clickTab(0);
  EXPECT_EQ(order, QStringList{"reset at 1"});
  EXPECT_FALSE(tool()->motorMode());
  EXPECT_EQ(tab(), 0);

  for (const Qt::Key key : {Qt::Key_W, Qt::Key_Q}) {
    delegate.window()->show();
    delegate.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(delegate.window()));
    QTest::keyClick(delegate.window(), key, ctrl);
    EXPECT_FALSE(delegate.window()->isVisible()) << key;
  }
}

// A first start is in English; a language chosen is stored (for vornctl too) and relabels. The
// badge switches boards and says what is there; its menu sets the virtual bus's servos, and the
// tool in front, built when first shown with the settings of then, checks again.
TEST_F(AppShellTest, TheTopBarsLanguageAndBadgeRelabelAndSwitchTheBoard) {
  QSettings settings;
  EXPECT_EQ(settings.value("AppLanguagesKey").toString(), "en");
  settings.setValue(KoLiveStatus::kSettingsKey, true);
  language("繁體");
  EXPECT_EQ(settings.value("AppLanguagesKey").toString(), "zh-Hant");

  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  QToolButton* badge = delegate.viewTop()->linkBadge();
  EXPECT_EQ(badge->text(), qtTrId("link_virtual"));
  badge->click();
  EXPECT_FALSE(delegate.usesVirtualBoard());
  EXPECT_FALSE(link.connection());
  ASSERT_TRUE(usb);
  tips().clear();
  EXPECT_EQ(badge->text(), qtTrId("link_usb_none"));
  usb->deny();
  EXPECT_EQ(badge->text(), qtTrId("link_usb_denied"));
  usb->arrive();
  EXPECT_EQ(badge->text(), qtTrId("link_usb_board").arg("TAVEN"));
  EXPECT_EQ(tips(), QStringList{qtTrId("hid_permission") + "\n\nPermission denied"});
  // The board on USB here takes no frame: a burst of failed sends is told once.
  tips().clear();
  EXPECT_FALSE(link.sendOneSteering(1, 500, 0));
  EXPECT_FALSE(link.sendReadServoInfo());
  EXPECT_EQ(tips(), QStringList{qtTrId("send_fail")});

  tips().clear();
  link.setDownload(true);
  badge->click();
  EXPECT_FALSE(delegate.usesVirtualBoard());
  EXPECT_EQ(tips(), QStringList{qtTrId("progress")});
  link.setDownload(false);
  badge->click();
  EXPECT_TRUE(delegate.usesVirtualBoard());

  board();
  clickTab(1);
  ASSERT_NE(tool(), nullptr);
  EXPECT_TRUE(tool()->isVisible());
  ASSERT_TRUE(processUntil([&] { return tool()->check() == KoSteerDebuggingTool::Check::Single; }));
  EXPECT_TRUE(tool()->liveStatus()->isPolling());
  for (QAction* a : badge->menu()->actions())
    if (a->data() == 2) a->trigger();
  for (QAction* a : badge->menu()->actions()) EXPECT_EQ(a->isChecked(), a->data() == 2);
  EXPECT_TRUE(processUntil([&] { return tool()->check() == KoSteerDebuggingTool::Check::Many; }));
  language("English");
}

// After each change the screen shows what the window draws from scratch: nothing left stale.
TEST_F(AppShellTest, TheScreenKeepsUpWithEachChange) {
  KoWindow* window = delegate.window();
  window->resize(960, 680);
  const auto same = [&](const char* step) {
    processPending();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    const QImage full = window->grab().toImage();
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) ==
                full.convertToFormat(QImage::Format_RGB32))
        << step;
  };
  delegate.openFiles({file(QStringLiteral("a.rob"), 1, 5)});
  same("opened");
  for (const int row : {0, 3}) {
    editor()->tableView()->selectRow(row);
    same("a row chosen");
  }
  QAbstractItemModel* rows = editor()->tableView()->model();
  rows->setData(rows->index(0, 1), 900, Qt::EditRole);
  rows->setData(rows->index(0, 2), 100, Qt::EditRole);
  same("a frame changed");
  editor()->motion()->liveSwitch()->setOn(true);
  emit editor()->motion()->liveSwitch()->toggledByUser(true);
  same("the live arm");
  KoArmProfile longer = KoArmProfile::shipped();
  longer.name = QStringLiteral("Longer");
  longer.linksMm[KoArmProfile::kForearm] *= 1.5;
  editor()->armRanges()->setProfile(longer);
  same("another arm");
  KoTheme::apply(KoTheme::Scheme::Dark);
  same("dark");
  KoTheme::apply(KoTheme::Scheme::Light);
  window->showMaximized();
  same("zoomed");
  window->showNormal();
  same("back");
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(file(QStringLiteral("b.rob"), 2))});
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
  QApplication::sendEvent(editor()->dragView(), &enter);
  same("a file dragged in");
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                    Qt::Key_Tab);
    same("tabbed");
  }
}

// The window holds still: only its top bar moves it, and no text (a long path or message, a
// song, a language) moves the window, a lane, a panel or a card in the smallest window.
TEST_F(AppShellTest, TheWindowHoldsStill) {
  KoWindow* window = delegate.window();
  KoStatusLine* status = editor()->statusLine();
  QWidget* picture = editor()->panView();
  for (const auto& [widget, moves] :
       {std::pair<QWidget*, bool>{delegate.viewTop(), true}, {picture, false}}) {
    const QPoint start = window->pos(), at(widget->width() / 2, 4), by(60, 40);
    press(widget, at);
    drag(widget, at + by);
    release(widget, at + by);
    EXPECT_EQ(window->pos(), moves ? start + by : start) << widget->metaObject()->className();
  }

  QList<QWidget*> watched{window, editor()->lableFilePath(), status, status->parentWidget(),
                          picture};
  for (QWidget* card : editor()->panView()->sliders()) watched.append(card);
  window->resize(960, 680);  // the smallest, where room is least
  const auto geometry = [&] {
    processPending();
    QList<QRect> out;
    for (QWidget* w : watched) out.append(QRect(w->mapTo(window, QPoint()), w->size()));
    return out;
  };
  const QList<QRect> before = geometry();
  const QString longName = QString(120, u'n') + QStringLiteral(".rob");
  const QString notice = qtTrId("send_clamped").arg(12).arg("ID:2").arg(100).arg(900);
  const std::pair<const char*, std::function<void()>> texts[] = {
      {"a long path", [&] { delegate.openFiles({file(longName, 1)}); }},
      {"a long message", [&] { status->showState(notice); }},
      {"a song", [&] { editor()->music()->musicText()->setText(longName + " · 3:24"); }},
      {"Simplified Chinese", [&] { language("简体"); }},
      {"Traditional Chinese", [&] { language("繁體"); }},
  };
  for (const auto& [name, change] : texts) {
    change();
    EXPECT_TRUE(geometry() == before) << name;
  }
  EXPECT_TRUE(editor()->lableFilePath()->toolTip().contains(longName)) << "the whole path";
  EXPECT_EQ(status->toolTip(), notice);
}

// Enter and Space press the focused button, at first the default, which never destroys; only
// Discard throws changes away.
TEST(ModeWindow, AnswersOfAConfirmation) {
  DialogPrompter prompter;
  using Button = QPushButton* (ModeWindow::*)() const;
  enum Kind { kConfirm, kDestructive, kSave };
  const std::tuple<Kind, Button, Qt::Key, Answer> cases[] = {
      {kConfirm, nullptr, Qt::Key_Return, Answer::Save},
      {kDestructive, nullptr, Qt::Key_Return, Answer::Cancel},
      {kConfirm, &ModeWindow::buttonCancel, Qt::Key_Return, Answer::Cancel},
      {kDestructive, &ModeWindow::buttonCancelComfirm, Qt::Key_Enter, Answer::Save},
      {kSave, &ModeWindow::buttonCancelComfirm, Qt::Key_Space, Answer::Save},
      {kSave, &ModeWindow::buttonDiscard, Qt::Key_Return, Answer::Discard},
      {kSave, nullptr, Qt::Key_Escape, Answer::Cancel}};
  const QString question = QStringLiteral("erase it?");
  for (const auto& [kind, focused, key, expected] : cases) {
    prompter.onShow = [focused, key](ModeWindow* w) {
      QTimer::singleShot(0, w, [w, focused, key] {
        if (focused) (w->*focused)()->setFocus();
        QTest::keyClick(w->focusWidget(), key);
      });
    };
    const bool yes = kind != kSave && (kind == kConfirm ? prompter.confirm(question)
                                                        : prompter.confirmDestructive(question));
    EXPECT_EQ(kind == kSave ? prompter.askToSave(question)
              : yes         ? Answer::Save
                            : Answer::Cancel,
              expected)
        << kind << ' ' << key;
  }
}

TEST_F(AppShellTest, EscapeAnywhereInTheWindowStopsTheRunWithoutTakingTheKeyFromAField) {
  ASSERT_TRUE(processUntil([&] { return link.connection(); }));
  editor()->texttime()->setText(QStringLiteral("30000"));  // still playing when Escape comes
  editor()->buttonClick(EditorAction::Add);
  processPending();
  for (int tab : {0, 1}) {
    SCOPED_TRACE(tab);
    editor()->buttonClick(EditorAction::RunOnline);
    ASSERT_FALSE(editor()->online()->stopped());
    clickTab(tab);
    if (tab == 1) turnMotor();  // a servo the tool set turning stops too
    auto* field = delegate.tabView()->currentWidget()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(editor()->online()->stopped());
    EXPECT_FALSE(tool() && tool()->motorMode());
  }
  // Escape in a dialog of its own is that dialog's.
  editor()->buttonClick(EditorAction::RunOnline);
  QLineEdit elsewhere;
  QTest::keyClick(&elsewhere, Qt::Key_Escape);
  EXPECT_FALSE(editor()->online()->stopped());
  editor()->buttonClick(EditorAction::Stop);
  EXPECT_TRUE(editor()->online()->stopped());
}

// The board's news waits while a tip or question is open, never stacking or acting behind it;
// nothing is erased unasked; the virtual board keeps no growing record of a day-long loop; a
// missing reply is told only where the user waits for one.
TEST_F(AppShellTest, TheBoardsRepliesWaitTheirTurnAndOnlyAwaitedOnesAreMissed) {
  VirtualBoard* virtualBoard = board();
  QSignalSpy read(&link, &usbHid::servoInfoRead);
  qsizetype readWhileOpen = -1;
  prompter().whileTipOpen = [&](const QString&) {
    link.sendReadServoInfo();
    processPending();
    readWhileOpen = read.size();
  };
  KoTools::showTipWithMessage(QStringLiteral("first"));
  EXPECT_EQ(readWhileOpen, 0);
  EXPECT_TRUE(processUntil([&] { return read.size() == 1; }));
  prompter().whileTipOpen = nullptr;

  // Erase asks as a question whose yes destroys something; a no sends nothing.
  editor()->boxActions()->setEditText(QStringLiteral("12"));
  virtualBoard->clearReceived();
  prompter().answers = {false, false};
  editor()->buttonClick(EditorAction::EraseGroup);
  editor()->buttonClick(EditorAction::EraseAll);
  processPending();
  EXPECT_EQ(prompter().destructive,
            (QStringList{qtTrId("comfirm_single_erase").arg(12), qtTrId("comfirm_all_erase")}));
  EXPECT_TRUE(virtualBoard->received().isEmpty());

  const int sent = 10 * AppDelegate::kBoardFramesKept;
  for (int i = 0; i < sent; ++i) link.sendData(frame::multiServoMove(50, {{1, i % 1000}}));
  ASSERT_TRUE(processUntil([&] {
    const auto frames = virtualBoard->received();
    return !frames.isEmpty() && frame::le16(frames.last().bytes, 8) == (sent - 1) % 1000;
  }));
  EXPECT_EQ(virtualBoard->received().size(), AppDelegate::kBoardFramesKept);

  link.setReplyTimeout(std::chrono::milliseconds(0));
  const std::pair<QByteArray, const char*> noReply[] = {
      {protocol::removeActions(3), "erase_fail"},
      {protocol::idList(protocol::kReadPositions, {1}), "wait_timeout"},
      {protocol::readServoInfo(), "read_timeout"},
      {protocol::speed(1, 0, 0), nullptr},
  };
  for (const auto& [frame, tip] : noReply) {
    const int command = static_cast<quint8>(frame[3]);
    SCOPED_TRACE(command);
    tips().clear();
    virtualBoard->dropRepliesTo(command);
    ASSERT_TRUE(link.sendData(frame));
    ASSERT_TRUE(processUntil([&] { return link.pendingTimeouts(command) == 0; }));
    processPending();
    EXPECT_EQ(tips(), tip ? QStringList{qtTrId(tip)} : QStringList{});
  }
}

// As Open File: the first replaces the list, the rest, of any kind, merge in order. One that
// cannot be read is left out with a tip (first, it leaves the list and its file); a merge past
// what a file holds is refused, naming the file, the list kept.
TEST_F(AppShellTest, TheFirstOpensTheRestMergeAndWhatCannotBeReadIsLeftOut) {
  const QString a = file("a.rob", 1, 1);
  const QString c = file("C.CSV", 3, 1);
  QSignalSpy paths(editor()->files(), &KoEditorFiles::filePathChanged);
  EXPECT_TRUE(delegate.openFiles({a, file("b.json", 2, 2), c}));
  EXPECT_EQ(firstChannel(), (QList<int>{510, 520, 521, 530}));
  EXPECT_EQ(editor()->files()->currentPath(), a);
  EXPECT_TRUE(editor()->history()->modified());  // the merged frames are in no file yet
  EXPECT_EQ(paths.size(), 3);
  EXPECT_EQ(paths.last().value(0).toString(), c);

  prompter().saveAnswers = {Answer::Discard};
  EXPECT_TRUE(delegate.openFiles({c, write("bad.rob", "x"), a}));
  EXPECT_EQ(firstChannel(), (QList<int>{530, 510}));
  EXPECT_EQ(editor()->files()->currentPath(), c);
  EXPECT_EQ(tips(), QStringList{qtTrId("file_damage")});
  // The merge is one step to undo; the list before the first file is none.
  editor()->buttonClick(EditorAction::Undo);
  EXPECT_EQ(firstChannel(), (QList<int>{530}));
  EXPECT_FALSE(editor()->history()->canUndo());
  editor()->buttonClick(EditorAction::Redo);
  editor()->history()->markSaved();

  QFile huge(write("huge.csv", "time,ch1,ch2,ch3,ch4,ch5,ch6\n"));
  ASSERT_TRUE(huge.resize(KoTools::kMaxActionTextSize + 1));  // sparse: costs no disk
  QFile hugeRob(write("huge.rob", "SOBARM"));
  ASSERT_TRUE(hugeRob.resize(KoTools::kMaxActionFileSize + 1));
  const std::pair<QString, QString> cases[] = {
      {dir.filePath("missing.rob"), qtTrId("open_file_missing").arg(dir.filePath("missing.rob"))},
      // Refused before it is read: a text this size is no action file.
      {huge.fileName(), qtTrId("open_file_fail").arg("huge.csv", qtTrId("file_error_too_large"))},
      {hugeRob.fileName(),
       qtTrId("open_file_fail").arg("huge.rob", qtTrId("file_error_too_large"))},
  };
  for (const auto& [path, tip] : cases) {
    SCOPED_TRACE(path.toStdString());
    tips().clear();
    EXPECT_FALSE(delegate.openFiles({path, a}));
    EXPECT_EQ(tips(), QStringList{tip});
    EXPECT_EQ(firstChannel(), (QList<int>{530, 510}));
    EXPECT_EQ(editor()->files()->currentPath(), c);
    EXPECT_FALSE(editor()->history()->modified());
  }

  tips().clear();
  const qsizetype most = KoTools::kMaxActionFrames;
  const QString half = file("half.rob", 4, most / 2 + 1);
  ASSERT_TRUE(delegate.openFiles({half, half}));
  EXPECT_EQ(editor()->model()->count(), most / 2 + 1);
  EXPECT_EQ(tips(), QStringList{qtTrId("merge_too_many_frames").arg("half.rob").arg(most)});
  tips().clear();
  ASSERT_TRUE(delegate.openFiles({half, file("rest.rob", 5, most / 2)}));  // exactly the most
  EXPECT_EQ(editor()->model()->count(), most);
  EXPECT_EQ(tips(), QStringList{});
}

// Paths that name no file are told of in one tip, however many. A hand-over during a tip waits
// its turn, so that its own tips and questions do not stack on it.
TEST_F(AppShellTest, MissingPathsAreToldOfOnceAndAHandOverDuringATipWaitsItsTurn) {
  QStringList first{file("a.rob", 1)};
  for (int i = 0; i < 12; ++i) first.append(dir.filePath(QStringLiteral("gone%1.rob").arg(i)));
  const QStringList second{dir.filePath("gone.rob"), file("b.rob", 2)};
  int open = 0;
  int mostOpen = 0;
  prompter().whileTipOpen = [&](const QString&) {
    mostOpen = std::max(mostOpen, ++open);
    if (tips().size() == 1) delegate.activate(second);
    --open;
  };
  delegate.activate(first);
  EXPECT_EQ(mostOpen, 1);
  const QString list =
      first.mid(1, 10).join(u'\n') + u'\n' + qtTrId("open_files_missing_more").arg(2);
  EXPECT_EQ(tips(), (QStringList{qtTrId("open_files_missing").arg(list),
                                 qtTrId("open_file_missing").arg(second[0])}));
}

// Without a tray the notice shows in the window; a board's name is text, never markup.
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

// A later start hands its files, made absolute, to the running window and exits 0; with unsaved
// changes the window asks first. Without files, or with --simulate, it only brings it forward.
TEST_F(AppShellTest, ALaterStartHandsItsFilesToTheRunningWindowAndExitsZero) {
  const QString display = QFileInfo(dir.path()).fileName();
  KoInstanceServer server;
  ASSERT_TRUE(
      server.listen(KoSingleInstance::serverName(QString::number(::getuid()), {}, display)));
  delegate.listenToLaterStarts(&server);
  QSignalSpy asked(&server, &KoInstanceServer::activationRequested);
  const QString a = file("a.rob", 1, 1);
  ASSERT_TRUE(delegate.openFiles({a, file("b.rob", 2, 1)}));  // unsaved: b's frame is in no file
  const QString question =
      qtTrId("save_changes_ask").arg(KoEditorFiles::unbroken(editor()->files()->documentName()));

  const auto start = [&](const QStringList& arguments, Answer answer) {
    SCOPED_TRACE(arguments.join(u' ').toStdString());
    prompter().questions.clear();
    prompter().saveAnswers = {answer};
    asked.clear();
    delegate.window()->showMinimized();
    QProcess vorn;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    vorn.setProcessEnvironment(environment);
    vorn.setWorkingDirectory(dir.path());
    vorn.start(QStringLiteral(VORN_PATH), arguments);
    ASSERT_TRUE(processUntil([&] { return vorn.state() == QProcess::NotRunning; },
                             std::chrono::seconds(30)));
    EXPECT_EQ(vorn.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(vorn.exitCode(), 0) << vorn.readAllStandardError().toStdString();
    ASSERT_TRUE(processUntil([&] { return asked.size() == 1; }));
    processPending();
    EXPECT_FALSE(delegate.window()->isMinimized());
  };
  start({"b.rob"}, Answer::Cancel);
  EXPECT_EQ(prompter().questions, QStringList{question});
  EXPECT_EQ(firstChannel(), (QList<int>{510, 520}));
  start({"a.rob"}, Answer::Discard);
  EXPECT_EQ(prompter().questions, QStringList{question});
  EXPECT_EQ(editor()->files()->currentPath(), a);
  EXPECT_FALSE(editor()->history()->canUndo());  // b's frames stay out of a
  start({"--simulate", "b.rob"}, Answer::Discard);
  start({}, Answer::Discard);
  EXPECT_EQ(firstChannel(), (QList<int>{510}));
  EXPECT_EQ(prompter().questions, QStringList{});
  EXPECT_EQ(tips(), QStringList{});
}

}  // namespace
