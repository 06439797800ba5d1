#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextLayout>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "board/virtual_hid_transport.h"
#include "editor/board_groups.h"
#include "editor/editor_actions.h"
#include "editor/editor_files.h"
#include "editor/frame_editor.h"
#include "editor/frame_history.h"
#include "editor/frame_list_model.h"
#include "editor/online_control.h"
#include "editor/online_run.h"
#include "editor/status_line.h"
#include "editor_fixture.h"
#include "link/protocol.h"
#include "recording_prompter.h"
#include "wait.h"

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
      {"reading positions needs one", A::ReadPositions, noBoard, "connect_robot"},
      {"files never touch the board", A::Open, serial, nullptr},
      {"saving with the line open", A::Save, serial, nullptr},
      {"save as with the line open", A::SaveAs, serial, nullptr},
      {"merging with the line open", A::Merge, serial, nullptr},
      {"pasting with the line open", A::PasteAfter, serial, nullptr},
      {"the run goes over the line", A::RunOnline, serial, nullptr},
      {"stop with the line open", A::Stop, serial, nullptr},
      {"the board's memory is not on the line", A::Download, serial, "operation_fail"},
      {"nor its trims", A::StoreTrims, serial, "operation_fail"},
      {"servos to the middle over USB only", A::ResetServos, serial, "operation_fail"},
      {"stop during a run", A::Stop, running, nullptr},
      {"loop during a run", A::Loop, running, nullptr},
      {"copy during a run", A::Copy, running, nullptr},
      {"a list edit waits for the run", A::Add, running, ""},
      {"a paste waits for the run", A::PasteOver, running, ""},
      {"a file waits for the run", A::Open, running, ""},
      {"nothing beside a download", A::Stop, downloading, "progress"},
      {"not even a file", A::Save, downloading, "progress"},
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

TEST(EditorGate, EveryActionHasItsOwnRowAndTag) {
  const A all[] = {A::SelectAll,  A::ResetServos, A::Undo,       A::Redo,        A::ReadTrims,
                   A::StoreTrims, A::ResetTrims,  A::SerialPort, A::RunGroup,    A::Stop,
                   A::EraseGroup, A::EraseAll,    A::Download,   A::Add,         A::Delete,
                   A::Update,     A::Insert,      A::Copy,       A::PasteBefore, A::PasteAfter,
                   A::PasteOver,  A::Loop,        A::RunOnline,  A::Unload,      A::ReadPositions,
                   A::Record,     A::Open,        A::Save,       A::Merge,       A::SaveAs};
  QSet<int> tags;
  for (A a : all) {
    EXPECT_EQ(ruleOf(a).action, a) << tagOf(a);
    tags.insert(tagOf(a));
  }
  EXPECT_EQ(tags.size(), qsizetype(std::size(all)));
}

// The link's transport, with moves held at the door until the test lets them through, so
// that frames pile up behind the sender as they would behind a slow line.
class HeldMoves : public VirtualHidTransport {
 public:
  using VirtualHidTransport::VirtualHidTransport;
  bool write(const QByteArray& frame) override {
    if (static_cast<quint8>(frame[3]) == protocol::kMultiServoMove) {
      std::unique_lock lock(mutex_);
      ++held;
      open_.wait(lock, [this] { return opened_; });
      ++sent;
    }
    return VirtualHidTransport::write(frame);
  }
  void open() {
    {
      std::lock_guard lock(mutex_);
      opened_ = true;
    }
    open_.notify_all();
  }
  std::atomic<int> held{0};
  std::atomic<int> sent{0};

 private:
  std::mutex mutex_;
  std::condition_variable open_;
  bool opened_ = false;
};

class EditorActionsTest : public EditorOnBoardFixture {
 protected:
  void SetUp() override {
    EditorOnBoardFixture::SetUp();
    editor.resize(1260, 740);
    editor.show();
    editor.model()->setRenumberDelay(0);
    editor.frameEditor()->setAddDelay(0);
    processPending();
  }
  QStringList& tips() { return RecordingPrompter::instance().tips; }
  void addFrames(int n, int time) {
    editor.texttime()->setText(QString::number(time));
    for (int i = 0; i < n; ++i) {
      editor.arraySliderTextViews().first()->setText(QString::number(100 * (i + 1)));
      editor.buttonClick(A::Add);
    }
    processPending();
  }
  QString status() const { return editor.statusLine()->text(); }
};

TEST_F(EditorActionsTest, StopEndsARunAndNoQueuedFrameGoesOutAfterIt) {
  addFrames(4, 100);
  auto owned = std::make_unique<HeldMoves>(&board);
  HeldMoves* held = owned.get();
  link.setTransport(std::move(owned));
  ASSERT_TRUE(processUntil([this] { return link.connection(); }));
  // Four frames due at 0 to 300 ms; the run then waits for its end at 400.
  clock.setHorizon(milliseconds(350));
  editor.buttonClick(KoOnlineControl::kRun);
  ASSERT_TRUE(
      processUntil([&] { return held->held == 1 && editor.online()->run()->queuedSends() == 3; }));

  // The door opens only once Stop has dropped what waited behind the first frame.
  std::thread door([&] {
    // Bounded only so that a broken Stop fails instead of hanging the suite.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (editor.online()->run()->queuedSends() != 0 &&
           std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::yield();
    }
    held->open();
  });
  editor.buttonClick(A::Stop);
  door.join();
  EXPECT_TRUE(editor.online()->stopped());
  processPending();
  EXPECT_EQ(held->sent, 1);
  // The button also tells the board to stop a group it may be playing.
  EXPECT_EQ(board.receivedWith(protocol::kStopActionGroup).size(), 1);
}

TEST_F(EditorActionsTest, GroupsSayTheyRunUntilStoppedOrOver) {
  editor.boxActions()->setEditText("7");
  editor.buttonClick(KoBoardGroups::kRunGroup);
  EXPECT_EQ(status(), "group_running");  // no translation loaded: the key
  EXPECT_FALSE(editor.statusLine()->fading());
  EXPECT_EQ(editor.groups()->runningGroup(), 7);
  editor.buttonClick(A::Stop);
  EXPECT_EQ(status(), "group_stopped");
  EXPECT_TRUE(editor.statusLine()->fading());
  EXPECT_EQ(editor.groups()->runningGroup(), -1);

  // A group downloaded here has a known length: the line says when it is over.
  addFrames(2, 50);
  editor.buttonClick(KoBoardGroups::kDownload);
  ASSERT_TRUE(processUntil([this] { return tips().contains("download_success"); }));
  editor.buttonClick(KoBoardGroups::kRunGroup);
  EXPECT_EQ(editor.groups()->runningGroup(), 7);
  ASSERT_TRUE(processUntil([this] { return editor.groups()->runningGroup() == -1; }));
  EXPECT_EQ(status(), "group_over");

  // A board that goes away takes what it ran with it.
  editor.buttonClick(KoBoardGroups::kRunGroup);
  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !link.connection(); }));
  EXPECT_TRUE(status().isEmpty());
  EXPECT_EQ(editor.groups()->runningGroup(), -1);
}

TEST_F(EditorActionsTest, TheDownloadButtonKeepsItsWidthWhileItCounts) {
  addFrames(12, 50);
  QWidget* button = editor.control(A::Download);
  const auto width = [button] {
    return std::max(button->sizeHint().width(), button->minimumWidth());
  };
  QList<int> widths;
  QObject::connect(editor.groups(), &KoBoardGroups::frameSent, button,
                   [&] { widths.append(width()); });
  editor.buttonClick(A::Download);
  ASSERT_TRUE(processUntil([this] { return tips().contains("download_success"); }));
  ASSERT_EQ(widths.size(), 12);
  EXPECT_EQ(QSet<int>(widths.begin(), widths.end()).size(), 1)
      << widths.first() << ".." << widths.last();
}

TEST_F(EditorActionsTest, StoringTrimsSaysWhetherTheBoardTookThem) {
  RecordingPrompter::instance().answers = {true, true};
  editor.buttonClick(A::StoreTrims);
  ASSERT_TRUE(processUntil([this] { return !status().isEmpty(); }));
  EXPECT_EQ(status(), "trims_stored");

  editor.statusLine()->clearMessage();
  link.setReplyTimeout(milliseconds(0));
  board.dropRepliesTo(protocol::kDownloadDeviations);
  editor.buttonClick(A::StoreTrims);
  ASSERT_TRUE(processUntil([this] { return !status().isEmpty(); }));
  EXPECT_EQ(status(), "trims_not_stored");
}

TEST_F(EditorActionsTest, APoseWithEveryChannelHiddenMakesNoFrame) {
  editor.buttonClick(EditorAction::SelectAll);  // all shown: the button hides them all
  for (A action : {A::Add, A::Insert}) {
    tips().clear();
    editor.buttonClick(action);
    processPending();
    EXPECT_EQ(tips(), QStringList{"pose_no_channel"}) << tagOf(action);
  }
  EXPECT_EQ(editor.model()->count(), 0);
  EXPECT_FALSE(editor.history()->modified());
}

TEST_F(EditorActionsTest, EveryButtonSaysWhatItDoes) {
  for (QAbstractButton* b : editor.findChildren<QAbstractButton*>()) {
    if (!b->isVisibleTo(&editor) || b->inherits("QTabBar") ||
        b->parent()->inherits("QAbstractScrollArea")) {
      continue;
    }
    EXPECT_FALSE(b->toolTip().isEmpty())
        << b->metaObject()->className() << " " << b->accessibleName().toStdString();
  }
  // The keys of a button stand beside what it does.
  EXPECT_EQ(editor.control(A::Save)->toolTip(),
            QStringLiteral("tip_save_action (%1)")
                .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
  EXPECT_EQ(editor.control(A::Stop)->toolTip(), "tip_stop (Esc)");
}

class EditorGuardTest : public EditorFilesFixture {
 protected:
  void SetUp() override {
    quieten(editor);
    RecordingPrompter::instance().reset();
    editor.resize(1260, 740);
    editor.show();
    editor.buttonClick(A::Add);
    processPending();
    ASSERT_TRUE(editor.history()->modified());
    panels.openPath = write(
        "other.rob", actionImage(QByteArray::fromHex("e803f401f401f401f401f401f401").repeated(2)));
  }
  RecordingPrompter& prompter() { return RecordingPrompter::instance(); }
  // Whether a close of the window would go ahead.
  bool closes() {
    QWidget window;
    window.installEventFilter(editor.files());
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    return close.isAccepted();
  }
  KoVelmarViewController editor{usbHid::sharedManager()};
};

TEST_F(EditorGuardTest, ASaveThatIsCancelledOrFailsKeepsTheListAndTheWindow) {
  // Save chosen, then the save panel cancelled.
  prompter().saveAnswers = {Prompter::SaveAnswer::Save, Prompter::SaveAnswer::Save};
  panels.savePath.clear();
  editor.buttonClick(A::Open);
  EXPECT_EQ(editor.model()->count(), 1);
  EXPECT_TRUE(editor.history()->modified());
  EXPECT_FALSE(closes());

  // Save chosen, and the file cannot be written.
  prompter().saveAnswers = {Prompter::SaveAnswer::Save, Prompter::SaveAnswer::Save};
  panels.savePath = dir.filePath("no/such/folder/x.rob");
  prompter().tips.clear();
  editor.buttonClick(A::Open);
  EXPECT_EQ(editor.model()->count(), 1);
  EXPECT_EQ(prompter().tips.size(), 1);  // why the save failed
  EXPECT_FALSE(closes());
  EXPECT_TRUE(editor.history()->modified());

  // A save that works lets the open go ahead; the panel says what it opens for.
  prompter().saveAnswers = {Prompter::SaveAnswer::Save};
  panels.savePath = dir.filePath("kept.rob");
  editor.buttonClick(A::Open);
  EXPECT_TRUE(QFile::exists(panels.savePath));
  EXPECT_EQ(editor.model()->count(), 2);
  EXPECT_EQ(panels.titles.last(), "open_panel_title");
  editor.buttonClick(A::Merge);
  EXPECT_EQ(panels.titles.last(), "integrate_panel_title");
}

TEST(SaveQuestion, KeepsTheFileNameOnOneLine) {
  const QString name = QStringLiteral("3号wave-routine.rob");
  const QString text = QStringLiteral("是否保存对 %1 的修改？").arg(KoEditorFiles::unbroken(name));
  const QFont font = QApplication::font();
  // Narrow enough that the name would be broken after its first few characters.
  const qreal width = QFontMetricsF(font).horizontalAdvance(QStringLiteral("是否保存对 3号wa"));
  QTextLayout layout(text, font);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
  }
  layout.endLayout();
  const int first = int(text.indexOf(u'3'));
  const int last = int(text.lastIndexOf(u'b'));
  EXPECT_EQ(layout.lineForTextPosition(first).lineNumber(),
            layout.lineForTextPosition(last).lineNumber());
  QString shown = text;
  EXPECT_TRUE(shown.remove(QChar(0x2060)).contains(name));
}

}  // namespace
