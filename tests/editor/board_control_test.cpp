#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "editor/board_groups.h"
#include "editor/editor_serial.h"
#include "editor/frame_list_model.h"
#include "editor/online_control.h"
#include "editor/online_run.h"
#include "editor/status_line.h"
#include "editor/velmar_view_controller.h"
#include "editor_fixture.h"
#include "link/protocol.h"
#include "link/serial_port_manager.h"
#include "link_fixture.h"
#include "pseudo_terminal.h"
#include "recording_prompter.h"
#include "virtual_run_clock.h"
#include "widgets/image_title_button.h"
#include "widgets/switch.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"

using std::chrono::milliseconds;

namespace {

// The servo positions of the multi-servo moves the board received, servo 1 of each.
QList<int> firstServoOfMoves(const VirtualBoard& board) {
  QList<int> out;
  for (const QByteArray& f : board.receivedWith(protocol::kMultiServoMove)) {
    out.append(quint8(f[8]) | quint8(f[9]) << 8);
  }
  return out;
}

class BoardControlTest : public EditorOnBoardFixture {
 protected:
  void SetUp() override {
    EditorOnBoardFixture::SetUp();
    editor.groups()->downloader().setAckTimeout(std::chrono::hours(1));
    editor.resize(1260, 740);
    editor.show();
    processPending();
  }

  QStringList& tips() { return RecordingPrompter::instance().tips; }
  ChannelViews views() const { return editor.arraySliderTextViews(); }
  void addFrame(int position, int time) {
    views().first()->setText(QString::number(position));
    editor.texttime()->setText(QString::number(time));
    editor.buttonClick(EditorAction::Add);
    processPending();
  }
  KoImageTitleButton* runButton() const {
    return static_cast<KoImageTitleButton*>(editor.control(KoOnlineControl::kRun));
  }
  bool moves(int n) {
    return processUntil([&] { return board.receivedWith(protocol::kMultiServoMove).size() >= n; });
  }
};

TEST_F(BoardControlTest, SliderMovesAndResetReachTheServos) {
  editor.sliderTextFieldView(editor.panView()->sliders()[2], 730, 1);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 730; }));
  views()[2]->setText("730");

  editor.buttonClick(KoOnlineControl::kResetServos);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 500; }));
  for (ChannelView* v : views()) EXPECT_EQ(v->text(), "500");
}

TEST_F(BoardControlTest, ATypedValueKeysAndTheWheelOnAChannelMoveItsServoOncePerMove) {
  KoVelmarSliderView* card = editor.panView()->sliders()[2];
  const auto sent = [this] { return board.received().size(); };
  card->textField()->selectAll();
  QTest::keyClicks(card->textField(), "737");
  processPending();
  const auto before = sent();
  QTest::keyClick(card->textField(), Qt::Key_Return);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 737; }));
  EXPECT_EQ(sent(), before + 1);
  QTest::keyClick(card->textField(), Qt::Key_PageUp);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 747; }));
  QTest::keyClick(card->slider(), Qt::Key_Down);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 746; }));
  const QPointF at(card->slider()->width() / 2.0, card->slider()->height() / 2.0);
  QWheelEvent notch(at, card->slider()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(card->slider(), &notch);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(3) == 745; }));
}

TEST_F(BoardControlTest, OnlineRunKeepsEachFrameToItsDueTime) {
  addFrame(100, 1000);
  addFrame(200, 500);
  addFrame(300, 2000);
  // Each wake-up comes late; the next frame is still due on time, so nothing adds up.
  clock.setLateness(milliseconds(7));
  editor.buttonClick(KoOnlineControl::kRun);
  ASSERT_TRUE(moves(3));
  ASSERT_TRUE(processUntil([this] { return !editor.statusLine()->text().isEmpty(); }));
  EXPECT_EQ(clock.sleeps(), (QList<int>{0, 1000, 1500, 3500}));
  EXPECT_EQ(firstServoOfMoves(board), (QList<int>{100, 200, 300}));
  // A run played to its end says so on the status line, with no box to click.
  EXPECT_EQ(editor.statusLine()->text(), "run_over");
  EXPECT_TRUE(editor.statusLine()->fading());
  EXPECT_TRUE(tips().isEmpty());
  EXPECT_EQ(runButton()->image(), ":/images/play.svg");
  EXPECT_TRUE(editor.online()->stopped());
  EXPECT_EQ(editor.model()->selectIndex(), 2);

  // With loop the second pass starts when the last frame has had its time (the late wake-up
  // at its end, 3507, is where it starts), and each pass counts from its own start.
  tips().clear();
  board.clearReceived();
  clock.setHorizon(milliseconds(3507 + 3500));
  static_cast<KoSwitch*>(editor.control(KoOnlineControl::kLoop))->setOn(true);
  editor.buttonClick(KoOnlineControl::kRun);
  ASSERT_TRUE(moves(4));
  ASSERT_TRUE(processUntil([this] { return clock.sleeps().size() == 4 + 5; }));
  EXPECT_EQ(clock.sleeps().mid(4), (QList<int>{3507, 4507, 5007, 7007, 8007}));
  EXPECT_EQ(firstServoOfMoves(board), (QList<int>{100, 200, 300, 100}));
  EXPECT_TRUE(tips().isEmpty());
}

TEST_F(BoardControlTest, StopRestartAndUnplugDuringARun) {
  addFrame(100, 1000);
  addFrame(200, 500);
  addFrame(300, 2000);
  clock.setHorizon(milliseconds(1200));
  editor.buttonClick(KoOnlineControl::kRun);
  ASSERT_TRUE(moves(2));
  EXPECT_EQ(runButton()->image(), ":/images/stop.svg");
  // During a run only run, loop and refresh pass the gate, silently.
  editor.buttonClick(EditorAction::Add);
  EXPECT_EQ(editor.model()->count(), 3);

  // A stop and an immediate restart: the old pass's frame at 1500 ms never goes out.
  editor.buttonClick(KoOnlineControl::kRun);
  EXPECT_TRUE(editor.online()->stopped());
  editor.buttonClick(KoOnlineControl::kRun);
  ASSERT_TRUE(moves(3));
  processPending();
  EXPECT_EQ(firstServoOfMoves(board), (QList<int>{100, 200, 100}));
  EXPECT_TRUE(tips().isEmpty());

  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{"stop_run"});
  EXPECT_TRUE(editor.online()->stopped());
  EXPECT_EQ(runButton()->image(), ":/images/play.svg");
}

TEST_F(BoardControlTest, DownloadStoresExactlyTheListAndSaysHowItEnded) {
  editor.boxActions()->setEditText("12");
  for (int p : {100, 200, 300, 400}) addFrame(p, 600);
  editor.buttonClick(KoBoardGroups::kDownload);
  editor.buttonClick(EditorAction::Add);  // refused while it runs
  EXPECT_EQ(editor.model()->count(), 4);
  ASSERT_TRUE(processUntil([this] { return tips().contains("download_success"); }));
  EXPECT_EQ(tips(), (QStringList{"progress", "download_success"}));
  ASSERT_TRUE(processUntil([this] { return board.group(12).has_value(); }));
  ASSERT_EQ(board.group(12)->size(), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(board.group(12)->at(i), editor.model()->frameAt(i)->bytes.mid(4));

  // A lost acknowledgement: at step 1, at a step 4 in the middle, at the last step 4.
  editor.groups()->downloader().setAckTimeout(milliseconds(50));
  const auto* button = static_cast<KoImageTitleButton*>(editor.control(KoBoardGroups::kDownload));
  for (const auto& [step, occurrence] : {std::pair{1, 1}, {4, 2}, {4, 4}}) {
    SCOPED_TRACE(occurrence);
    board.clearFaults();
    tips().clear();
    board.clearReceived();
    board.dropAcknowledgement(step, occurrence);
    editor.buttonClick(KoBoardGroups::kDownload);
    ASSERT_TRUE(processUntil([this] { return !tips().isEmpty(); }));
    EXPECT_EQ(tips(), QStringList{"download_fail"});
    QList<int> steps;
    for (const QByteArray& f : board.receivedWith(protocol::kActionDownload)) steps.append(f[4]);
    EXPECT_EQ(steps.last(), step);
    EXPECT_EQ(steps.count(4), step == 4 ? occurrence : 0);
    EXPECT_FALSE(link.download());
    EXPECT_EQ(button->myTitle(), "download");
    EXPECT_EQ(editor.model()->count(), 4);
  }

  // More than one group holds is refused before a byte goes out.
  board.clearReceived();
  tips().clear();
  VelmarFrames many;
  for (int i = 0; i < KoFrameListModel::kMaxFrames + 1 - 4; ++i)
    many.append(editor.model()->frameAt(0));
  editor.model()->appendMany(many);
  editor.buttonClick(KoBoardGroups::kDownload);
  EXPECT_EQ(tips(), QStringList{"actions_max_velmar_tips"});
  EXPECT_TRUE(board.received().isEmpty());
}

TEST_F(BoardControlTest, BytesOfRunStopAndErase) {
  editor.boxActions()->setEditText("12");
  RecordingPrompter::instance().answers = {true, false, true};
  const struct {
    EditorAction tag;
    QByteArray sent;
  } cases[] = {
      {KoBoardGroups::kRunGroup, QByteArray::fromHex("555505060c0100")},
      {KoBoardGroups::kStopGroup, QByteArray::fromHex("55550207")},
      {KoBoardGroups::kEraseGroup, QByteArray::fromHex("555503080c")},
      {KoBoardGroups::kEraseAll, {}},  // declined
      {KoBoardGroups::kEraseAll, QByteArray::fromHex("55550308ff")},
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

TEST_F(BoardControlTest, ReadPositionsSkipsHiddenChannelsAndRefusesWhenAllAreHidden) {
  editor.buttonClick(KoOnlineControl::kUnload);
  processPending();
  EXPECT_TRUE(board.isUnloaded(1));
  board.poseByHand(1, 321);
  board.poseByHand(6, 654);
  editor.arraySliderTextCheckViews()[2]->click();  // hides channel 3
  editor.buttonClick(KoOnlineControl::kReadPositions);
  ASSERT_TRUE(processUntil([this] { return editor.model()->count() == 1; }));
  const VelmarFrame frame = editor.model()->frameAt(0);
  EXPECT_EQ(frame->id(1), 321);
  EXPECT_EQ(frame->id(6), 654);
  EXPECT_FALSE(frame->isPresent(3));
  EXPECT_EQ(tips(), (QStringList{"motor_off_tips", "read_success"}));

  tips().clear();
  board.clearReceived();
  for (QCheckBox* box : editor.arraySliderTextCheckViews()) {
    if (box->isChecked()) box->click();
  }
  editor.buttonClick(KoOnlineControl::kReadPositions);
  processPending();
  EXPECT_EQ(tips(), QStringList{"read_no_channel"});
  EXPECT_TRUE(board.received().isEmpty());
  EXPECT_EQ(editor.model()->count(), 1);
}

TEST_F(BoardControlTest, TrimsReadAdjustedStoredAndReset) {
  auto& prompter = RecordingPrompter::instance();
  const auto trim = [this](int channel) {
    return editor.panView()->sliders()[channel - 1]->sliderSmall()->value();
  };
  // The first move asks to read first; declined, it is not sent, and later moves are.
  editor.sliderTextFieldView(editor.panView()->sliders()[0], 7, 0);
  EXPECT_EQ(prompter.questions, QStringList{"read_dev_first"});
  processPending();
  EXPECT_TRUE(board.receivedWith(protocol::kAdjustDeviation).isEmpty());
  editor.sliderTextFieldView(editor.panView()->sliders()[0], 9, 0);
  ASSERT_TRUE(processUntil([this] { return board.deviation(1) == 9; }));

  board.setDeviation(2, -10);
  board.setChannelServos({1, 2, 4, 6});
  prompter.answers = {true};
  editor.buttonClick(EditorAction::ReadTrims);
  ASSERT_TRUE(processUntil([this] { return !tips().isEmpty(); }));
  EXPECT_EQ(tips(), QStringList{qtTrId("read_dev_erro") + " 3,5"});
  EXPECT_EQ(trim(1), 9);
  EXPECT_EQ(trim(2), -10);

  prompter.answers = {true};
  editor.buttonClick(EditorAction::StoreTrims);
  ASSERT_TRUE(processUntil([this] { return board.storedDeviation(1) == 9; }));
  EXPECT_EQ(board.storedDeviation(2), -10);

  board.clearReceived();
  editor.buttonClick(EditorAction::ResetTrims);
  processPending();
  for (int channel = 1; channel <= 6; ++channel) EXPECT_EQ(trim(channel), 0) << channel;
  EXPECT_TRUE(board.received().isEmpty());
}

TEST_F(BoardControlTest, TheGateWithTheSerialLineOpenAndWithNoBoard) {
  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !link.connection(); }));
  using A = EditorAction;
  const QList<A> boardTags = {A::ReadTrims,     A::StoreTrims, A::RunGroup, A::Stop,
                              A::EraseGroup,    A::EraseAll,   A::Download, A::Unload,
                              A::ReadPositions, A::Record};
  for (A tag : boardTags) {
    tips().clear();
    editor.buttonClick(tag);
    EXPECT_EQ(tips(), QStringList{"connect_robot"}) << tagOf(tag);
  }
  tips().clear();
  editor.texttime()->setText("10");
  editor.buttonClick(
      EditorAction::Add);  // needs no board; a too short time becomes the minimum first
  EXPECT_EQ(editor.texttime()->text(), "50");
  EXPECT_TRUE(tips().isEmpty());

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
  EXPECT_TRUE(link.serial());

  // The line is set up as the arm's receiver expects: 9600 8N1, no flow control.
  termios settings{};
  ASSERT_EQ(tcgetattr(pty.slave, &settings), 0);
  EXPECT_EQ(cfgetospeed(&settings), B9600);
  EXPECT_EQ(cfgetispeed(&settings), B9600);
  EXPECT_EQ(settings.c_cflag & CSIZE, tcflag_t(CS8));
  EXPECT_FALSE(settings.c_cflag & PARENB);
  EXPECT_FALSE(settings.c_cflag & CSTOPB);
  EXPECT_FALSE(settings.c_cflag & CRTSCTS);
  EXPECT_FALSE(settings.c_iflag & (IXON | IXOFF));

  for (A tag :
       QList<A>{A::ReadTrims, A::StoreTrims, A::RunGroup, A::EraseGroup, A::EraseAll, A::Download,
                A::Unload, A::ReadPositions, A::Record, A::ResetServos, A::ResetTrims}) {
    tips().clear();
    editor.buttonClick(tag);
    EXPECT_EQ(tips(), QStringList{"operation_fail"}) << tagOf(tag);
  }
  // Files never touch the board: saving, merging and opening go on with the line open.
  {
    QTemporaryDir dir;
    FakePanels panels;
    KoFilePanels::install(&panels);
    panels.savePath = panels.openPath = dir.filePath("line.rob");
    tips().clear();
    editor.buttonClick(EditorAction::Save);
    EXPECT_TRUE(QFile::exists(panels.savePath));
    editor.buttonClick(EditorAction::Merge);
    EXPECT_EQ(editor.model()->count(), 2);
    RecordingPrompter::instance().saveAnswers = {Prompter::SaveAnswer::Discard};
    editor.buttonClick(EditorAction::Open);
    EXPECT_EQ(editor.model()->count(), 1);
    EXPECT_TRUE(tips().isEmpty());
    KoFilePanels::install(nullptr);
  }

  // A run goes over the line as six-servo moves built from each frame's positions, channel 6 too;
  // the frame added above goes first.
  tips().clear();
  views()[5]->setText("700");
  addFrame(250, 1000);
  clock.setHorizon(milliseconds(500));
  editor.buttonClick(KoOnlineControl::kRun);
  ASSERT_TRUE(pty.pump([&] { return pty.received.size() >= 50; }));
  QByteArray written = pty.received;
  ASSERT_EQ(written.size(), 50);
  written = written.mid(25);
  EXPECT_EQ(quint8(written[3]), protocol::kMultiServoMove);
  ASSERT_EQ(quint8(written[4]), 6);
  QMap<int, int> servos;
  for (int k = 0; k < 6; ++k) {
    servos[quint8(written[7 + 3 * k])] = quint8(written[8 + 3 * k]) | quint8(written[9 + 3 * k])
                                                                          << 8;
  }
  EXPECT_EQ(servos.value(1), 250);
  EXPECT_EQ(servos.value(6), 700);
  editor.buttonClick(KoOnlineControl::kRun);
  EXPECT_TRUE(editor.online()->stopped());
  EXPECT_TRUE(tips().isEmpty());
}

}  // namespace
