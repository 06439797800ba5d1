#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <map>

#include "bytes.h"
#include "editor/board/board_groups.h"
#include "editor/board/online_control.h"
#include "editor/files/editor_files.h"
#include "editor/files/file_panels.h"
#include "editor/files/save_reminder.h"
#include "editor/list/frame_editor.h"
#include "editor/velmar_view_controller.h"
#include "link/protocol.h"
#include "link/serial_port_manager.h"
#include "link_fixture.h"
#include "model/frame_encoding.h"
#include "recording_prompter.h"
#include "session/editor_session.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "temp_files.h"
#include "virtual_run_clock.h"
#include "widgets/image_title_button.h"
#include "widgets/status_line.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"

// An action file image of `records` (14 bytes each).
inline QByteArray actionImage(const QByteArray& records) {
  QByteArray out("SOBARM", 6);
  out.append(char(records.size() / 14)).append('\0').append(8, '\0');
  return out + records;
}

// Channel `channel` of every frame in the list, or with kTimes every frame's time.
constexpr int kTimes = 0;
inline QList<int> valuesOf(const KoFrameListModel& model, int channel) {
  QList<int> out;
  for (const VelmarFrame& f : model.frames()) out.append(int(channel ? f->id(channel) : f->time));
  return out;
}

// Selects whole rows of the editor's table, the first of them current.
inline void selectRows(KoVelmarViewController& editor, const QList<int>& rows) {
  editor.model()->setSelectIndex(rows.first());
  QItemSelectionModel* selection = editor.tableView()->selectionModel();
  selection->clear();
  for (int r : rows) {
    selection->select(editor.model()->index(r, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

// The editor's keys, each with the action its button runs.
inline const std::map<EditorAction, const char*> kEditorKeys{
    {EditorAction::Add, "Ctrl+Return"},   {EditorAction::Insert, "Ctrl+Shift+Return"},
    {EditorAction::Update, "Alt+Return"}, {EditorAction::Delete, "Del"},
    {EditorAction::RunOnline, "F5"},      {EditorAction::RunGroup, "Ctrl+F5"},
    {EditorAction::Stop, "Shift+F5"},     {EditorAction::Download, "Ctrl+D"}};

// Runs `action` by its key where it has one, from a channel's field (a button for Delete,
// which the field keeps for its text), else as its button does.
inline void trigger(KoVelmarViewController& editor, EditorAction action) {
  const auto key = kEditorKeys.find(action);
  if (key == kEditorKeys.end()) return editor.buttonClick(action);
  QWidget* focus = action == EditorAction::Delete ? editor.control(EditorAction::Save)
                                                  : editor.panView()->sliders()[0]->textField();
  QApplication::setActiveWindow(editor.window());
  focus->setFocus();
  QTest::keySequence(focus, QKeySequence(QString::fromLatin1(key->second)));
}

// Answers the open and save panels at once and notes each one shown.
class FakePanels : public KoFilePanels {
 public:
  QStringList chooseFilesToOpen(bool, const QString& title) override {
    shown.append(title);
    return {openPath};
  }
  QString chooseFileToSave(const QString& current) override {
    shown.append(QStringLiteral("save ") + current);
    return savePath;
  }
  QString chooseSong() override {
    shown.append(QStringLiteral("song"));
    return songPath;
  }
  QString openPath;
  QString savePath;
  QString songPath;
  QStringList shown;  // an open panel by its title, a save panel as "save " and where it starts
};

// The editor without a board in a window that asks before it closes, its files through fake
// panels; renumbering and the tip after an add come at once, the save reminder never.
class EditorFixture : public TempFilesTest {
 protected:
  void SetUp() override {
    KoFilePanels::install(&panels);
    QGuiApplication::clipboard()->clear();
    editor.model()->setRenumberDelay(0);
    editor.frameEditor()->setAddDelay(0);
    editor.labelsave_file_tips()->setDelay(60 * 1000);
    window.resize(1260, 740);
    (new QVBoxLayout(&window))->addWidget(&editor);
    window.installEventFilter(editor.files());
    window.show();
  }
  void TearDown() override {
    editor.history()->markSaved();
    KoFilePanels::install(nullptr);
  }

  KoFrameListModel* model() const { return editor.model(); }
  void open(const QString& path) {
    panels.openPath = path;
    editor.buttonClick(EditorAction::Open);
    processPending();
  }

  FakePanels panels;
  QWidget window;
  KoVelmarViewController editor{usbHid::sharedManager()};
};

// The editor shown on the virtual board, its online run on a clock the test moves.
class EditorOnBoardFixture : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    editor.online()->run()->setClock(&clock);
    // A download fails in these tests only where a test drops an acknowledgement.
    editor.groups()->downloader().setAckTimeout(std::chrono::hours(1));
    editor.model()->setRenumberDelay(0);
    editor.frameEditor()->setAddDelay(0);
    editor.show();
    processPending();
  }
  void TearDown() override {
    editor.online()->run()->stop();
    LinkFixture::TearDown();
  }

  QString status() const { return editor.statusLine()->text(); }
  // What channel's card shows.
  QString cardText(int channel) const { return editor.panView()->sliders()[channel - 1]->text(); }
  KoImageTitleButton* button(EditorAction action) const {
    return static_cast<KoImageTitleButton*>(editor.control(action));
  }
  // One field of every multi-servo move the board received; servo triples follow the move's
  // 7-byte head.
  enum MoveField { kMoveTime = 5, kFirstServo = 8, kSixthServo = 23 };
  QList<int> moveFields(MoveField at) const {
    QList<int> out;
    for (const QByteArray& f : board.receivedWith(protocol::kMultiServoMove))
      out.append(frame::le16(f, at));
    return out;
  }
  // Whether the board has received `n` multi-servo moves.
  bool moves(int n) {
    return processUntil([&] { return board.receivedWith(protocol::kMultiServoMove).size() >= n; });
  }
  // The tips `action` gives on its own.
  QStringList tipsOf(EditorAction action) {
    tips().clear();
    trigger(editor, action);
    processPending();
    return tips();
  }
  void addFrame(int position, int time) {
    editor.session()->setPosition(1, position);
    editor.texttime()->setText(QString::number(time));
    trigger(editor, EditorAction::Add);
    processPending();
  }

  VirtualClock clock;
  ORSSerialPortManager ports{[] { return QStringList{"/dev/vorn-test-none"}; }};
  KoVelmarViewController editor{link, nullptr, &ports};
};
