#include <QCheckBox>
#include <QComboBox>
#include <QScopeGuard>
#include <QTest>
#include <atomic>
#include <future>

#include "editor/board/editor_serial.h"
#include "editor/editor_actions.h"
#include "editor_fixture.h"
#include "pseudo_terminal.h"

using std::chrono::milliseconds;

namespace {

using A = EditorAction;

// What the gate answers: a refusing tip, a silent refusal (""), or nothing (nullptr). Rows the
// board tests below meet end to end are left to them.
TEST(EditorGate, EachStateRefusesWhatItMustAndAllowsTheRest) {
  const std::tuple<const char*, A, EditorState, const char*> cases[] = {
      {"files never touch the board", A::Open, {.serialOpen = true}, nullptr},
      {"stop with the line open", A::Stop, {.serialOpen = true}, nullptr},
      {"copy during a run", A::Copy, {.board = true, .running = true}, nullptr},
      {"the loop switch during a run", A::Loop, {.board = true, .running = true}, nullptr},
      {"a paste waits for the run", A::PasteOver, {.board = true, .running = true}, ""},
      {"nothing beside a download", A::Stop, {.board = true, .downloading = true}, "progress"},
      {"stop ends a recording", A::Stop, {.board = true, .recording = true}, nullptr},
      {"the record button ends it too", A::Record, {.board = true, .recording = true}, nullptr},
      {"the rest waits", A::Add, {.board = true, .recording = true}, "recording_busy"},
      {"a full group downloads", A::Download, {.board = true, .frames = 1020}, nullptr},
      {"one line to the board", A::SerialPort, {.board = true}, "serial_usb_in_use"},
  };
  for (const auto& [name, action, state, tip] : cases) {
    const auto refused = refusal(action, state);
    EXPECT_STREQ(refused ? refused->tipKey : nullptr, tip) << name;
  }
}

// The link's transport, with moves held at the door until the test lets them through, so
// that frames pile up behind the sender as they would behind a slow line.
class HeldMoves : public VirtualHidTransport {
 public:
  using VirtualHidTransport::VirtualHidTransport;
  bool write(const QByteArray& frame) override {
    if (static_cast<quint8>(frame[3]) == protocol::kMultiServoMove) {
      ++held;
      door.wait();
      ++sent;
    }
    return VirtualHidTransport::write(frame);
  }
  std::promise<void> opener;
  std::shared_future<void> door = opener.get_future().share();
  std::atomic<int> held{0}, sent{0};
};

using BoardControlTest = EditorOnBoardFixture;

// Frames are due from the pass's start, however late the wake-ups. Without the right to a raised
// priority (the usual case) both threads fall back, with no tip and no warning logged.
TEST_F(BoardControlTest, OnlineRunKeepsEachFrameToItsDueTimeAndEndsQuietly) {
  std::atomic<int> realtimeAsked{0}, niceAsked{0};
  const auto refuse = [](std::atomic<int>& asked) {
    return [&asked](int) {
      ++asked;
      return false;
    };
  };
  editor.online()->run()->setSchedulingCalls({refuse(realtimeAsked), refuse(niceAsked)});
  for (auto [position, time] : {std::pair{100, 1000}, {200, 500}, {300, 2000}})
    addFrame(position, time);
  clock.setLateness(milliseconds(7));
  // Every message logged meanwhile, from any thread.
  static std::mutex logMutex;
  static QList<std::pair<QtMsgType, QString>> log;
  const auto restore =
      qScopeGuard([previous = qInstallMessageHandler(
                       [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                         std::lock_guard lock(logMutex);
                         log.append({type, text});
                       })] { qInstallMessageHandler(previous); });
  for (int run = 1; run <= 2; ++run) {
    editor.model()->setSelectIndex(0);  // the run moves the selection with it, to the last
    trigger(editor, A::RunOnline);
    ASSERT_TRUE(moves(3 * run));
    ASSERT_TRUE(processUntil([this] { return editor.online()->stopped(); }));
    if (run == 1) {
      EXPECT_EQ(clock.sleeps(), (QList<int>{0, 1000, 1500, 3500}));
      EXPECT_EQ(realtimeAsked, 2);
      EXPECT_EQ(niceAsked, 2);
    }
  }
  EXPECT_EQ(moveFields(kFirstServo), (QList<int>{100, 200, 300, 100, 200, 300}));
  ASSERT_TRUE(processUntil([this] { return !status().isEmpty(); }));
  EXPECT_EQ(status(), "run_over");
  EXPECT_TRUE(editor.statusLine()->fading());
  EXPECT_TRUE(tips().isEmpty());
  EXPECT_EQ(button(A::RunOnline)->image(), ":/images/play.svg");
  EXPECT_EQ(editor.model()->selectIndex(), 2);
  {
    const std::lock_guard lock(logMutex);
    int said = 0;
    for (const auto& [type, text] : std::as_const(log)) {
      EXPECT_TRUE(type == QtDebugMsg || type == QtInfoMsg) << text.toStdString();
      said += text.contains("priority");
    }
    EXPECT_LE(said, 1);
  }

  // Space plays the selected frame from the table only: elsewhere the key is the widget's.
  editor.model()->setSelectIndex(0);
  for (QWidget* at : {static_cast<QWidget*>(editor.panView()->sliders()[0]->slider()),
                      static_cast<QWidget*>(editor.tableView())}) {
    at->setFocus();
    QTest::keyClick(at, Qt::Key_Space);
    EXPECT_EQ(cardText(1), at == editor.tableView() ? "100" : "300");
  }
}

TEST_F(BoardControlTest, StopDropsTheQueuedFramesARestartBeginsAgainAndAnUnplugEndsIt) {
  for (int p : {100, 200, 300, 400}) addFrame(p, 100);
  auto owned = std::make_unique<HeldMoves>(&board);
  HeldMoves* held = owned.get();
  link.setTransport(std::move(owned));
  ASSERT_TRUE(processUntil([this] { return link.connection(); }));
  // Four frames due at 0 to 300 ms; the run then waits for its end at 400.
  clock.setHorizon(milliseconds(350));
  trigger(editor, A::RunOnline);
  ASSERT_TRUE(
      processUntil([&] { return held->held == 1 && editor.online()->run()->queuedSends() == 3; }));
  EXPECT_EQ(button(A::RunOnline)->image(), ":/images/stop.svg");
  EXPECT_EQ(button(A::RunOnline)->text(), "stop");

  // The door opens only once Stop has dropped what waited behind the first frame.
  std::thread doorman([&] {
    // Bounded only so that a broken Stop fails instead of hanging the suite.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (editor.online()->run()->queuedSends() != 0 &&
           std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::yield();
    }
    held->opener.set_value();
  });
  trigger(editor, A::Stop);
  doorman.join();
  EXPECT_TRUE(editor.online()->stopped());
  processPending();
  EXPECT_EQ(held->sent, 1);
  // The button also tells the board to stop a group it may be playing.
  EXPECT_EQ(board.receivedWith(protocol::kStopActionGroup).size(), 1);

  // A restart begins again at the first frame; a board that goes away ends it with a tip.
  trigger(editor, A::RunOnline);
  ASSERT_TRUE(moves(2));
  EXPECT_EQ(moveFields(kFirstServo), (QList<int>{100, 100}));
  board.unplug();
  ASSERT_TRUE(processUntil([] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{"stop_run"});
  EXPECT_TRUE(editor.online()->stopped());
  EXPECT_EQ(button(A::RunOnline)->image(), ":/images/play.svg");
  EXPECT_EQ(button(A::RunOnline)->text(), "run_online");
}

TEST_F(BoardControlTest, DownloadStoresExactlyTheListAndSaysHowItEnded) {
  editor.boxActions()->setEditText("12");
  for (int p : {100, 200, 300, 400}) addFrame(p, 50);
  trigger(editor, A::Download);
  ASSERT_TRUE(processUntil([this] { return status() == "group_stored"; }));
  EXPECT_TRUE(editor.statusLine()->fading());
  EXPECT_TRUE(tips().isEmpty());
  // The last step is not answered: the virtual board keeps the group just after it is sent.
  ASSERT_TRUE(
      processUntil([this] { return board.group(12).value_or(QList<QByteArray>{}).size() == 4; }));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(board.group(12)->at(i), editor.model()->frameAt(i)->bytes.mid(4));
  // A group downloaded here has a known length: the line says when it is over.
  trigger(editor, A::RunGroup);
  EXPECT_EQ(editor.groups()->runningGroup(), 12);
  ASSERT_TRUE(processUntil([this] { return editor.groups()->runningGroup() == -1; }));
  EXPECT_EQ(status(), "group_over");

  // A lost acknowledgement ends it with a tip and gives the button and the list back.
  editor.groups()->downloader().setAckTimeout(milliseconds(50));
  tips().clear();
  board.dropAcknowledgement(4, 2);
  trigger(editor, A::Download);
  ASSERT_TRUE(processUntil([] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{"download_fail"});
  EXPECT_FALSE(link.download());
  EXPECT_EQ(button(A::Download)->myTitle(), "download");

  // The frame after what a group holds is kept with a tip, and refused before a byte goes out.
  VelmarFrames frames;
  for (int i = 4; i < KoFrameListModel::kMaxFrames - 1; ++i)
    frames.append(editor.model()->frameAt(0)->copy());
  editor.model()->appendMany(frames);
  tips().clear();
  addFrame(500, 600);
  EXPECT_TRUE(tips().isEmpty());  // the 1020th is the last that fits
  addFrame(600, 600);
  EXPECT_EQ(tips(), QStringList{"actions_max_velmar_tips"});
  EXPECT_EQ(editor.tableView()->currentIndex().row(), 1020);
  board.clearReceived();
  EXPECT_EQ(tipsOf(A::Download), QStringList{"actions_max_velmar_tips"});
  EXPECT_TRUE(board.received().isEmpty());
}

// A declined erase sends nothing; the app shell's tests answer one.
TEST_F(BoardControlTest, GroupButtonsSendTheirBytesAndTheLineSaysAGroupRunsUntilStopped) {
  editor.boxActions()->setEditText("12");
  prompter().answers = {true, true};
  // The button, what the board gets, and the status line (no translation loaded: the key)
  // and whether it fades.
  const std::tuple<A, QByteArray, const char*, bool> cases[] = {
      {A::RunGroup, hex("555505060c0100"), "group_running", false},
      {A::Stop, hex("55550207"), "group_stopped", true},
      {A::EraseGroup, hex("555503080c"), "group_erased", true},
      {A::EraseAll, hex("55550308ff"), "groups_erased", true},
  };
  for (const auto& [tag, sent, shown, fading] : cases) {
    SCOPED_TRACE(tagOf(tag));
    board.clearReceived();
    trigger(editor, tag);
    processPending();
    ASSERT_EQ(board.received().size(), 1);
    EXPECT_EQ(board.received().first().bytes.left(sent.size()).toHex(), sent.toHex());
    EXPECT_EQ(status(), shown);
    EXPECT_EQ(editor.statusLine()->fading(), fading);
  }
  EXPECT_EQ(editor.groups()->runningGroup(), -1);

  // A board that goes away takes what it ran with it.
  trigger(editor, A::RunGroup);
  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !link.connection(); }));
  EXPECT_TRUE(status().isEmpty());
  EXPECT_EQ(editor.groups()->runningGroup(), -1);
}

// Keys and the wheel reach the same channel callback as a typed value; the channel tests cover
// them.
TEST_F(BoardControlTest, ATypedValueMovesItsServoResetCentresAndAReadSkipsHiddenChannels) {
  KoVelmarSliderView* card = editor.panView()->sliders()[2];
  card->textField()->selectAll();
  QTest::keyClicks(card->textField(), "737");
  processPending();
  const auto before = board.received().size();
  QTest::keyClick(card->textField(), Qt::Key_Return);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 737; }));
  EXPECT_EQ(board.received().size(), before + 1);

  trigger(editor, A::ResetServos);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 500; }));
  for (KoVelmarSliderView* v : editor.panView()->sliders()) EXPECT_EQ(v->text(), "500");

  trigger(editor, A::Unload);
  processPending();
  board.poseByHand(1, 321);
  board.poseByHand(6, 654);
  editor.arraySliderTextCheckViews()[2]->click();  // hides channel 3
  trigger(editor, A::ReadPositions);
  ASSERT_TRUE(processUntil([this] { return editor.model()->count() == 1; }));
  // Channels 1 to 6: 321, 500, absent, 500, 500, 654.
  EXPECT_EQ(editor.model()->frameAt(0)->data.toHex(), "4101f4015555f401f4018e02");
  EXPECT_EQ(tips(), QStringList{"motor_off_tips"});
  EXPECT_EQ(status(), "positions_read");
  board.setChannelServos({1, 2, 3, 4, 5});  // channel 6 no longer answers
  editor.buttonClick(A::ReadPositions);
  ASSERT_TRUE(processUntil([] { return tips().value(1) == "connect_velmar"; }));

  // With every channel hidden nothing is read and no pose becomes a frame.
  trigger(editor, A::SelectAll);  // "select_none" first
  editor.history()->markSaved();
  board.clearReceived();
  EXPECT_EQ(tipsOf(A::ReadPositions), QStringList{"read_no_channel"});
  for (A tag : {A::Add, A::Insert}) EXPECT_EQ(tipsOf(tag), QStringList{"pose_no_channel"});
  EXPECT_TRUE(board.received().isEmpty());
  EXPECT_EQ(editor.model()->count(), 1);
  EXPECT_FALSE(editor.history()->modified());
}

TEST_F(BoardControlTest, TrimsReadAdjustedStoredAndReset) {
  const auto trims = [this] {
    QList<int> out;
    for (KoVelmarSliderView* s : editor.panView()->sliders()) out.append(s->sliderSmall()->value());
    return out;
  };
  // The first move asks to read first; declined, it is not sent, and later moves are.
  editor.sliderTextFieldView(editor.panView()->sliders()[0], 7, 0);
  EXPECT_EQ(prompter().questions, QStringList{"read_dev_first"});
  processPending();
  EXPECT_TRUE(board.receivedWith(protocol::kAdjustDeviation).isEmpty());
  editor.sliderTextFieldView(editor.panView()->sliders()[0], 9, 0);
  ASSERT_TRUE(processUntil([this] { return board.deviation(1) == 9; }));

  board.setDeviation(2, -10);
  board.setChannelServos({1, 2, 4, 6});
  trigger(editor, A::ReadTrims);  // declined: the trims set here stay
  processPending();
  EXPECT_TRUE(board.receivedWith(protocol::kReadDeviations).isEmpty());
  prompter().answers = {true};
  trigger(editor, A::ReadTrims);
  ASSERT_TRUE(processUntil([] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{qtTrId("read_dev_erro") + " 3,5"});
  EXPECT_EQ(trims(), (QList<int>{9, -10, 0, 0, 0, 0}));

  prompter().answers = {true};
  trigger(editor, A::StoreTrims);
  ASSERT_TRUE(processUntil([this] { return !status().isEmpty(); }));
  EXPECT_EQ(status(), "trims_stored");
  EXPECT_EQ(std::pair(board.storedDeviation(1), board.storedDeviation(2)), std::pair(9, -10));

  // Reset asks, then zeroes the servos' trims and their stored ones; a read gives back zeros.
  prompter().answers = {true, true};
  trigger(editor, A::ResetTrims);
  ASSERT_TRUE(processUntil([this] { return status() == "trims_reset"; }));
  EXPECT_TRUE(editor.statusLine()->fading());
  EXPECT_EQ(trims(), QList<int>(6, 0));  // shown at once, before any read
  board.setChannelServos({1, 2, 3, 4, 5, 6});
  editor.session()->setTrim(1, 4);
  editor.buttonClick(A::ReadTrims);
  ASSERT_TRUE(processUntil([this] { return status() == "trims_read"; }));
  EXPECT_EQ(prompter().questions.last(2), (QStringList{"reset_dev_tips", "replace_deviation"}));
  EXPECT_EQ(trims(), QList<int>(6, 0));
  EXPECT_EQ(std::pair(board.deviation(1), board.storedDeviation(1)), std::pair(0, 0));
}

TEST_F(BoardControlTest, TheGateWithTheSerialLineOpenAndWithNoBoard) {
  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !link.connection(); }));
  for (A tag : {A::ReadTrims, A::StoreTrims, A::ResetTrims, A::RunGroup, A::Stop, A::EraseGroup,
                A::EraseAll, A::Download, A::Unload, A::ReadPositions, A::Record}) {
    EXPECT_EQ(tipsOf(tag), QStringList{"connect_robot"}) << tagOf(tag);
  }

  Pty pty;
  QComboBox* portBox = nullptr;
  for (QComboBox* b : editor.findChildren<QComboBox*>())
    if (b != editor.boxActions() && b->isEditable()) portBox = b;
  ASSERT_NE(portBox, nullptr);
  EXPECT_EQ(portBox->currentData(), "/dev/vorn-test-none");  // the listed port, chosen at start
  portBox->lineEdit()->setText(pty.path);
  emit portBox->lineEdit()->returnPressed();
  trigger(editor, KoEditorSerial::kConnectTag);
  ASSERT_TRUE(processUntil([this] { return editor.serialControls()->isOpen(); }));
  EXPECT_FALSE(portBox->isEnabled()) << "the open port is not changed under the line";

  // The line is set up as the arm's receiver expects: 9600 8N1, no flow control.
  termios line{};
  ASSERT_EQ(tcgetattr(pty.slave, &line), 0);
  EXPECT_EQ(
      std::tuple(cfgetospeed(&line), cfgetispeed(&line),
                 line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), line.c_iflag & (IXON | IXOFF)),
      std::tuple(speed_t(B9600), speed_t(B9600), tcflag_t(CS8), tcflag_t(0)));

  for (A tag : {A::ReadTrims, A::StoreTrims, A::RunGroup, A::EraseGroup, A::EraseAll, A::Download,
                A::Unload, A::ReadPositions, A::Record, A::ResetServos, A::ResetTrims}) {
    EXPECT_EQ(tipsOf(tag), QStringList{"operation_fail"}) << tagOf(tag);
  }

  // A run goes over the line as six-servo moves built from each frame's positions.
  tips().clear();
  editor.session()->setPosition(6, 700);
  addFrame(250, 1000);
  clock.setHorizon(milliseconds(500));
  trigger(editor, A::RunOnline);
  ASSERT_TRUE(pty.pump([&] { return pty.received.size() >= 25; }));
  EXPECT_EQ(pty.received.toHex(), "5555170306e80301fa0002f40103f40104f40105f40106bc02");
  trigger(editor, A::RunOnline);
  EXPECT_TRUE(editor.online()->stopped());
  EXPECT_TRUE(tips().isEmpty());
}

}  // namespace
