#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
#include <atomic>
#include <future>
#include <thread>

#include "editor/editor_actions.h"
#include "editor/editor_serial.h"
#include "editor_fixture.h"
#include "pseudo_terminal.h"
#include "widgets/image_title_button.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"

using std::chrono::milliseconds;

namespace {

using A = EditorAction;

// What the gate answers, written as a user meets it: a refusing tip, a silent refusal (""),
// or nothing.
TEST(EditorGate, EachStateRefusesWhatItMustAndAllowsTheRest) {
  const EditorState noBoard{};
  const EditorState serial{.serialOpen = true};
  const EditorState running{.board = true, .running = true};
  const EditorState downloading{.board = true, .downloading = true};
  const EditorState recording{.board = true, .recording = true};
  const EditorState tooLong{.board = true, .frames = 1021};
  const EditorState fullGroup{.board = true, .frames = 1020};
  const struct {
    const char* name;
    A action;
    EditorState state;
    const char* tip;  // nullptr: allowed
  } cases[] = {
      {"a list edit needs no board", A::Add, noBoard, nullptr},
      {"a board action needs one", A::RunGroup, noBoard, "connect_robot"},
      {"files never touch the board", A::Open, serial, nullptr},
      {"the run goes over the line", A::RunOnline, serial, nullptr},
      {"stop with the line open", A::Stop, serial, nullptr},
      {"the board's memory is not on the line", A::Download, serial, "operation_fail"},
      {"servos to the middle over USB only", A::ResetServos, serial, "operation_fail"},
      {"stop during a run", A::Stop, running, nullptr},
      {"copy during a run", A::Copy, running, nullptr},
      {"a list edit waits for the run", A::Add, running, ""},
      {"a paste waits for the run", A::PasteOver, running, ""},
      {"nothing beside a download", A::Stop, downloading, "progress"},
      {"stop ends a recording", A::Stop, recording, nullptr},
      {"the record button ends it too", A::Record, recording, nullptr},
      {"the rest waits", A::Add, recording, "recording_busy"},
      {"a full group downloads", A::Download, fullGroup, nullptr},
      {"one frame more does not", A::Download, tooLong, "actions_max_velmar_tips"},
  };
  for (const auto& c : cases) {
    const auto refused = refusal(c.action, c.state);
    if (!c.tip) {
      EXPECT_FALSE(refused) << c.name << ": " << (refused ? refused->tipKey : "");
    } else {
      ASSERT_TRUE(refused) << c.name;
      EXPECT_STREQ(refused->tipKey, c.tip) << c.name;
    }
  }
}

// An action without a row of its own would silently take the first row's rule.
TEST(EditorGate, EveryActionHasItsOwnRow) {
  for (A a :
       {A::SelectAll,     A::ResetServos, A::Undo,      A::Redo,   A::ReadTrims,  A::StoreTrims,
        A::ResetTrims,    A::SerialPort,  A::RunGroup,  A::Stop,   A::EraseGroup, A::EraseAll,
        A::Download,      A::Add,         A::Delete,    A::Update, A::Insert,     A::Copy,
        A::PasteBefore,   A::PasteAfter,  A::PasteOver, A::Loop,   A::RunOnline,  A::Unload,
        A::ReadPositions, A::Record,      A::Open,      A::Save,   A::Merge,      A::SaveAs}) {
    EXPECT_EQ(ruleOf(a).action, a) << tagOf(a);
  }
}

// The servo positions of the multi-servo moves the board received, servo 1 of each.
QList<int> firstServoOfMoves(const VirtualBoard& board) {
  QList<int> out;
  for (const QByteArray& f : board.receivedWith(protocol::kMultiServoMove)) {
    out.append(quint8(f[8]) | quint8(f[9]) << 8);
  }
  return out;
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
  std::atomic<int> held{0};
  std::atomic<int> sent{0};
};

class BoardControlTest : public EditorOnBoardFixture {
 protected:
  KoImageTitleButton* runButton() const {
    return static_cast<KoImageTitleButton*>(editor.control(A::RunOnline));
  }
};

TEST_F(BoardControlTest, EachChannelInputMovesItsServoOnceAndResetCentresThemAll) {
  KoVelmarSliderView* card = editor.panView()->sliders()[2];
  const auto reaches = [this](int position) {
    return processUntil([&] { return board.targetPosition(3) == position; });
  };
  card->textField()->selectAll();
  QTest::keyClicks(card->textField(), "737");
  processPending();
  const auto before = board.received().size();
  QTest::keyClick(card->textField(), Qt::Key_Return);
  ASSERT_TRUE(reaches(737));
  EXPECT_EQ(board.received().size(), before + 1);
  QTest::keyClick(card->textField(), Qt::Key_PageUp);
  ASSERT_TRUE(reaches(747));
  QTest::keyClick(card->slider(), Qt::Key_Down);
  ASSERT_TRUE(reaches(746));
  const QPointF at(card->slider()->width() / 2.0, card->slider()->height() / 2.0);
  QWheelEvent notch(at, card->slider()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(card->slider(), &notch);
  ASSERT_TRUE(reaches(745));

  editor.buttonClick(A::ResetServos);
  ASSERT_TRUE(reaches(500));
  for (ChannelView* v : views()) EXPECT_EQ(v->text(), "500");
}

TEST_F(BoardControlTest, OnlineRunKeepsEachFrameToItsDueTimeAndEndsQuietly) {
  addFrame(100, 1000);
  addFrame(200, 500);
  addFrame(300, 2000);
  // Each wake-up comes late; the next frame is still due on time, so nothing adds up.
  clock.setLateness(milliseconds(7));
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(3));
  ASSERT_TRUE(processUntil([this] { return !status().isEmpty(); }));
  EXPECT_EQ(clock.sleeps(), (QList<int>{0, 1000, 1500, 3500}));
  EXPECT_EQ(firstServoOfMoves(board), (QList<int>{100, 200, 300}));
  // A run played to its end says so on the status line, with no box to click.
  EXPECT_EQ(status(), "run_over");
  EXPECT_TRUE(editor.statusLine()->fading());
  EXPECT_TRUE(tips().isEmpty());
  EXPECT_EQ(runButton()->image(), ":/images/play.svg");
  EXPECT_EQ(editor.model()->selectIndex(), 2);
}

TEST_F(BoardControlTest, StopDropsTheQueuedFramesARestartBeginsAgainAndAnUnplugEndsIt) {
  for (int p : {100, 200, 300, 400}) addFrame(p, 100);
  auto owned = std::make_unique<HeldMoves>(&board);
  HeldMoves* held = owned.get();
  link.setTransport(std::move(owned));
  ASSERT_TRUE(processUntil([this] { return link.connection(); }));
  // Four frames due at 0 to 300 ms; the run then waits for its end at 400.
  clock.setHorizon(milliseconds(350));
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(
      processUntil([&] { return held->held == 1 && editor.online()->run()->queuedSends() == 3; }));
  EXPECT_EQ(runButton()->image(), ":/images/stop.svg");
  editor.buttonClick(A::Add);  // the list waits for the run
  EXPECT_EQ(editor.model()->count(), 4);

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
  editor.buttonClick(A::Stop);
  doorman.join();
  EXPECT_TRUE(editor.online()->stopped());
  processPending();
  EXPECT_EQ(held->sent, 1);
  // The button also tells the board to stop a group it may be playing.
  EXPECT_EQ(board.receivedWith(protocol::kStopActionGroup).size(), 1);

  // A restart begins again at the first frame; a board that goes away ends it with a tip.
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(2));
  EXPECT_EQ(firstServoOfMoves(board), (QList<int>{100, 100}));
  board.unplug();
  ASSERT_TRUE(processUntil([] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{"stop_run"});
  EXPECT_TRUE(editor.online()->stopped());
  EXPECT_EQ(runButton()->image(), ":/images/play.svg");
}

TEST_F(BoardControlTest, DownloadStoresExactlyTheListAndSaysHowItEnded) {
  editor.boxActions()->setEditText("12");
  for (int p : {100, 200, 300, 400}) addFrame(p, 50);
  editor.buttonClick(A::Download);
  editor.buttonClick(A::Add);  // refused while it runs
  EXPECT_EQ(editor.model()->count(), 4);
  ASSERT_TRUE(processUntil([] { return tips().contains("download_success"); }));
  EXPECT_EQ(tips(), (QStringList{"progress", "download_success"}));
  ASSERT_TRUE(processUntil([this] { return board.group(12).has_value(); }));
  ASSERT_EQ(board.group(12)->size(), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(board.group(12)->at(i), editor.model()->frameAt(i)->bytes.mid(4));
  // A group downloaded here has a known length: the line says when it is over.
  editor.buttonClick(A::RunGroup);
  EXPECT_EQ(editor.groups()->runningGroup(), 12);
  ASSERT_TRUE(processUntil([this] { return editor.groups()->runningGroup() == -1; }));
  EXPECT_EQ(status(), "group_over");

  // A lost acknowledgement ends it with a tip and gives the button and the list back.
  editor.groups()->downloader().setAckTimeout(milliseconds(50));
  tips().clear();
  board.dropAcknowledgement(4, 2);
  editor.buttonClick(A::Download);
  ASSERT_TRUE(processUntil([] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{"download_fail"});
  EXPECT_FALSE(link.download());
  EXPECT_EQ(static_cast<KoImageTitleButton*>(editor.control(A::Download))->myTitle(), "download");
  EXPECT_EQ(editor.model()->count(), 4);

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

TEST_F(BoardControlTest, BytesOfRunStopAndErase) {
  editor.boxActions()->setEditText("12");
  prompter().answers = {true, false, true};
  const struct {
    A tag;
    QByteArray sent;
  } cases[] = {
      {A::RunGroup, hex("555505060c0100")}, {A::Stop, hex("55550207")},
      {A::EraseGroup, hex("555503080c")},   {A::EraseAll, {}},  // declined
      {A::EraseAll, hex("55550308ff")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(tagOf(c.tag));
    board.clearReceived();
    editor.buttonClick(c.tag);
    processPending();
    if (c.sent.isEmpty()) {
      EXPECT_TRUE(board.received().isEmpty());
    } else {
      ASSERT_EQ(board.received().size(), 1);
      EXPECT_EQ(board.received().first().bytes.left(c.sent.size()).toHex(), c.sent.toHex());
    }
  }
  EXPECT_EQ(tips().count("erase_success"), 2);
}

TEST_F(BoardControlTest, GroupsSayTheyRunUntilStoppedOrTheBoardGoes) {
  editor.boxActions()->setEditText("7");
  editor.buttonClick(A::RunGroup);
  EXPECT_EQ(status(), "group_running");  // no translation loaded: the key
  EXPECT_FALSE(editor.statusLine()->fading());
  EXPECT_EQ(editor.groups()->runningGroup(), 7);
  editor.buttonClick(A::Stop);
  EXPECT_EQ(status(), "group_stopped");
  EXPECT_TRUE(editor.statusLine()->fading());
  EXPECT_EQ(editor.groups()->runningGroup(), -1);

  // A board that goes away takes what it ran with it.
  editor.buttonClick(A::RunGroup);
  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !link.connection(); }));
  EXPECT_TRUE(status().isEmpty());
  EXPECT_EQ(editor.groups()->runningGroup(), -1);
}

TEST_F(BoardControlTest, ReadPositionsSkipsHiddenChannelsAndNoChannelMakesNoFrame) {
  editor.buttonClick(A::Unload);
  processPending();
  EXPECT_TRUE(board.isUnloaded(1));
  board.poseByHand(1, 321);
  board.poseByHand(6, 654);
  editor.arraySliderTextCheckViews()[2]->click();  // hides channel 3
  editor.buttonClick(A::ReadPositions);
  ASSERT_TRUE(processUntil([this] { return editor.model()->count() == 1; }));
  const VelmarFrame frame = editor.model()->frameAt(0);
  EXPECT_EQ(frame->id(1), 321);
  EXPECT_EQ(frame->id(6), 654);
  EXPECT_FALSE(frame->isPresent(3));
  EXPECT_EQ(tips(), (QStringList{"motor_off_tips", "read_success"}));

  // With every channel hidden nothing is read and no pose becomes a frame.
  editor.buttonClick(A::SelectAll);  // "select_none" first
  editor.history()->markSaved();
  board.clearReceived();
  EXPECT_EQ(tipsOf(A::ReadPositions), QStringList{"read_no_channel"});
  for (A action : {A::Add, A::Insert}) {
    EXPECT_EQ(tipsOf(action), QStringList{"pose_no_channel"}) << tagOf(action);
  }
  EXPECT_TRUE(board.received().isEmpty());
  EXPECT_EQ(editor.model()->count(), 1);
  EXPECT_FALSE(editor.history()->modified());
  editor.buttonClick(A::SelectAll);
  for (QCheckBox* box : editor.arraySliderTextCheckViews()) EXPECT_TRUE(box->isChecked());
}

TEST_F(BoardControlTest, TrimsReadAdjustedStoredAndReset) {
  const auto trim = [this](int channel) {
    return editor.panView()->sliders()[channel - 1]->sliderSmall()->value();
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
  prompter().answers = {true};
  editor.buttonClick(A::ReadTrims);
  ASSERT_TRUE(processUntil([] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{qtTrId("read_dev_erro") + " 3,5"});
  EXPECT_EQ(trim(1), 9);
  EXPECT_EQ(trim(2), -10);

  prompter().answers = {true};
  editor.buttonClick(A::StoreTrims);
  ASSERT_TRUE(processUntil([this] { return board.storedDeviation(1) == 9; }));
  EXPECT_EQ(board.storedDeviation(2), -10);
  ASSERT_TRUE(processUntil([this] { return !status().isEmpty(); }));
  EXPECT_EQ(status(), "trims_stored");

  // A board that does not answer has not taken them, and the line says so.
  editor.statusLine()->clearMessage();
  link.setReplyTimeout(milliseconds(0));
  board.dropRepliesTo(protocol::kDownloadDeviations);
  prompter().answers = {true};
  editor.buttonClick(A::StoreTrims);
  ASSERT_TRUE(processUntil([this] { return !status().isEmpty(); }));
  EXPECT_EQ(status(), "trims_not_stored");

  board.clearReceived();
  editor.buttonClick(A::ResetTrims);
  processPending();
  for (int channel = 1; channel <= 6; ++channel) EXPECT_EQ(trim(channel), 0) << channel;
  EXPECT_TRUE(board.received().isEmpty());
}

TEST_F(BoardControlTest, TheGateWithTheSerialLineOpenAndWithNoBoard) {
  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !link.connection(); }));
  for (A tag : {A::ReadTrims, A::StoreTrims, A::RunGroup, A::Stop, A::EraseGroup, A::EraseAll,
                A::Download, A::Unload, A::ReadPositions, A::Record}) {
    EXPECT_EQ(tipsOf(tag), QStringList{"connect_robot"}) << tagOf(tag);
  }

  Pty pty;
  ASSERT_FALSE(pty.path.isEmpty());
  QComboBox* portBox = nullptr;
  for (QComboBox* b : editor.findChildren<QComboBox*>()) {
    if (b != editor.boxActions() && b->isEditable()) portBox = b;
  }
  ASSERT_NE(portBox, nullptr);
  portBox->lineEdit()->setText(pty.path);
  emit portBox->lineEdit()->returnPressed();
  editor.buttonClick(KoEditorSerial::kConnectTag);
  ASSERT_TRUE(processUntil([this] { return editor.serialControls()->isOpen(); }));

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
  views()[5]->setText("700");
  addFrame(250, 1000);
  clock.setHorizon(milliseconds(500));
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(pty.pump([&] { return pty.received.size() >= 25; }));
  EXPECT_EQ(pty.received.toHex(), "5555170306e80301fa0002f40103f40104f40105f40106bc02");
  editor.buttonClick(A::RunOnline);
  EXPECT_TRUE(editor.online()->stopped());
  EXPECT_TRUE(tips().isEmpty());
}

}  // namespace
