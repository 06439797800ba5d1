#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "editor/editor_files.h"
#include "editor/file_panels.h"
#include "editor/frame_editor.h"
#include "editor/frame_history.h"
#include "editor/frame_list_model.h"
#include "editor/save_reminder.h"
#include "editor/velmar_view_controller.h"
#include "editor_fixture.h"
#include "fake_channel_view.h"
#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/frame_encoding.h"
#include "recording_prompter.h"
#include "wait.h"
#include "widgets/drag_view.h"
#include "widgets/velmar_pan_view.h"

namespace {

QByteArray hex(const char* h) { return QByteArray::fromHex(h); }

const QByteArray kPlain = hex("e803f401f401f401f401f401f401");
// Channel 4 absent, as saved while its slider was hidden: the other arm's marker.
const QByteArray kFourHidden = hex("e803f401f401f40155555f01f401");

class EditorTest : public EditorFilesFixture {
 protected:
  void SetUp() override {
    quieten(editor);
    editor.resize(1260, 740);
    editor.show();
  }

  KoFrameListModel* model() const { return editor.model(); }
  QStringList& tips() { return RecordingPrompter::instance().tips; }
  // Poses the arm with channel 1 at `position` and adds/inserts/updates with `tag`.
  void pose(int position, EditorAction tag) {
    editor.arraySliderTextViews().first()->setText(QString::number(position));
    editor.buttonClick(tag);
    processPending();
  }
  // Channel 1 of every frame, and whether the frames are numbered 1..n.
  QList<qint64> firstChannels() const {
    QList<qint64> out;
    for (int row = 0; row < model()->count(); ++row) {
      EXPECT_EQ(model()->frameAt(row)->ID, row + 1);
      out.append(model()->frameAt(row)->id(1));
    }
    return out;
  }
  QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }

  KoVelmarViewController editor{usbHid::sharedManager()};
};

TEST_F(EditorTest, FrameButtonsWithAndWithoutSelection) {
  pose(100, KoFrameEditor::kUpdate);  // nothing selected: nothing to replace
  pose(100, KoFrameEditor::kDelete);
  EXPECT_EQ(model()->count(), 0);
  EXPECT_EQ(editor.labelActionstimeShow()->text(), "0s");

  pose(100, KoFrameEditor::kInsert);  // nothing selected: goes in first
  pose(200, KoFrameEditor::kAdd);
  pose(300, KoFrameEditor::kAdd);
  EXPECT_EQ(firstChannels(), (QList<qint64>{100, 200, 300}));
  EXPECT_EQ(model()->selectIndex(), 2);
  EXPECT_EQ(editor.tableView()->currentIndex().row(), 2);
  EXPECT_EQ(editor.labelActionstimeShow()->text(), "3s");

  QTest::mouseClick(editor.tableView()->viewport(), Qt::LeftButton, {},
                    editor.tableView()->visualRect(model()->index(1, 1)).center());
  EXPECT_EQ(model()->selectIndex(), 1);
  pose(150, KoFrameEditor::kInsert);
  EXPECT_EQ(firstChannels(), (QList<qint64>{100, 150, 200, 300}));
  EXPECT_EQ(model()->selectIndex(), 1);
  pose(250, KoFrameEditor::kUpdate);
  EXPECT_EQ(firstChannels(), (QList<qint64>{100, 250, 200, 300}));
  pose(0, KoFrameEditor::kDelete);
  EXPECT_EQ(firstChannels(), (QList<qint64>{100, 200, 300}));
  EXPECT_EQ(model()->selectIndex(), 1);
  EXPECT_EQ(editor.labelActionstimeShow()->text(), "3s");  // the deleted second is gone

  model()->setSelectIndex(2);
  pose(0, KoFrameEditor::kDelete);  // the last: the new last is selected
  EXPECT_EQ(model()->selectIndex(), 1);
  pose(0, KoFrameEditor::kDelete);
  pose(0, KoFrameEditor::kDelete);
  EXPECT_EQ(model()->count(), 0);
  EXPECT_EQ(model()->selectIndex(), -1);
  EXPECT_EQ(editor.labelActionstimeShow()->text(), "0s");
  EXPECT_TRUE(tips().isEmpty());
}

TEST_F(EditorTest, HiddenChannelsTakeNoPartInNewFrames) {
  QCheckBox* second = editor.arraySliderTextCheckViews()[1];
  QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(4, second->height() / 2));
  EXPECT_TRUE(editor.panView()->sliders()[1]->isHidden());
  pose(100, KoFrameEditor::kAdd);
  const int channel1 = KoFrameListModel::kFirstChannelColumn;
  EXPECT_EQ(cell(0, channel1), "100");
  EXPECT_EQ(cell(0, channel1 + 1), "");
  EXPECT_EQ(model()->frameAt(0)->data.mid(2, 2), hex("5555"));

  editor.buttonClick(KoVelmarViewController::kSelectAllTag);  // "select_none": all hidden
  for (KoVelmarSliderView* s : editor.panView()->sliders()) EXPECT_TRUE(s->isHidden());
  editor.buttonClick(KoVelmarViewController::kSelectAllTag);
  for (KoVelmarSliderView* s : editor.panView()->sliders()) EXPECT_FALSE(s->isHidden());
  EXPECT_TRUE(second->isChecked());
}

TEST_F(EditorTest, TheFrameAfterTheBoardsLimitIsKeptWithATip) {
  VelmarFrames frames;
  for (int i = 1; i < KoFrameListModel::kMaxFrames; ++i) {
    frames.append(KoTools::readVelmarData(actionImage(kPlain)).first());
  }
  model()->appendMany(frames);
  pose(500, KoFrameEditor::kAdd);
  EXPECT_TRUE(tips().isEmpty());  // the 1020th was the last that fits
  pose(500, KoFrameEditor::kAdd);
  EXPECT_EQ(model()->count(), 1021);
  EXPECT_EQ(tips(), QStringList{"actions_max_velmar_tips"});
  EXPECT_EQ(editor.tableView()->currentIndex().row(), 1020);
}

TEST_F(EditorTest, CopyAndPaste) {
  pose(100, KoFrameEditor::kAdd);
  pose(200, KoFrameEditor::kAdd);
  QMenu* menu = editor.menuTable();
  ASSERT_NE(menu, nullptr);
  const auto enabled = [this] {
    QList<bool> out;
    for (QAction* a : editor.menuTable()->actions().mid(0, 4)) out.append(a->isEnabled());
    return out;
  };
  EXPECT_EQ(enabled(), (QList<bool>{true, false, false, false}));

  model()->setSelectIndex(0);
  menu->actions()[0]->trigger();  // copy frame 1
  EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true}));
  model()->frameAt(0)->setValue(QStringLiteral("111"), QStringLiteral("id1"));
  model()->setSelectIndex(1);
  editor.menuTable()->actions()[2]->trigger();  // after the last: appended
  processPending();
  EXPECT_EQ(firstChannels(), (QList<qint64>{111, 200, 111}));
  model()->setSelectIndex(1);
  editor.menuTable()->actions()[3]->trigger();  // over the selected one
  editor.menuTable()->actions()[1]->trigger();  // before it
  processPending();
  EXPECT_EQ(firstChannels(), (QList<qint64>{111, 111, 111, 111}));
  // Each paste is a frame of its own.
  model()->frameAt(1)->setValue(QStringLiteral("5"), QStringLiteral("id1"));
  EXPECT_EQ(firstChannels(), (QList<qint64>{111, 5, 111, 111}));
}

TEST_F(EditorTest, FieldRules) {
  struct Case {
    QWidget* field;
    const char* typed;
    const char* shown;
  };
  QLineEdit* group = editor.boxActions()->lineEdit();
  for (const Case& c :
       {Case{group, "250", "230"}, Case{group, "1a2", "12"}, Case{group, "", "0"},
        Case{group, "99999999999", "230"}, Case{group, "007", "7"},
        Case{editor.texttime(), "", "50"}, Case{editor.texttime(), "20", "50"},
        Case{editor.texttime(), "45000", "30000"}, Case{editor.texttime(), "1500", "1500"}}) {
    auto* line = static_cast<QLineEdit*>(c.field);
    line->selectAll();
    if (*c.typed) {
      QTest::keyClicks(line, QString::fromLatin1(c.typed));
    } else {
      QTest::keyClick(line, Qt::Key_Backspace);
    }
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(line->text(), QString::fromLatin1(c.shown)) << c.typed;
  }
  EXPECT_EQ(editor.action(), "7");
  EXPECT_EQ(editor.boxActions()->count(), 231);

  // The gate mends a short duration before the action uses it.
  editor.texttime()->setText(QStringLiteral("10"));
  pose(500, KoFrameEditor::kAdd);
  EXPECT_EQ(model()->frameAt(0)->time, 50);
}

TEST_F(EditorTest, OpenReplacesIntegrateAppendsDropLoads) {
  const QString two = write("two.rob", actionImage(kPlain + kPlain));
  pose(100, KoFrameEditor::kAdd);
  panels.openPath = two;
  RecordingPrompter::instance().saveAnswers = {Prompter::SaveAnswer::Discard};
  editor.buttonClick(KoEditorFiles::kOpen);
  EXPECT_EQ(model()->count(), 2);
  EXPECT_TRUE(editor.lableFilePath()->text().endsWith(two));
  EXPECT_EQ(model()->selectIndex(), 1);
  EXPECT_FALSE(editor.labelsave_file_tips()->revealPending());

  editor.buttonClick(KoEditorFiles::kIntegrate);
  processPending();
  EXPECT_EQ(firstChannels().size(), 4);
  EXPECT_EQ(model()->selectIndex(), 3);
  EXPECT_TRUE(editor.labelsave_file_tips()->revealPending());

  const QString one = write("one.rob", actionImage(kPlain));
  RecordingPrompter::instance().saveAnswers = {Prompter::SaveAnswer::Discard};
  editor.dragView()->dropFiles({one});
  EXPECT_EQ(model()->count(), 1);
  EXPECT_TRUE(editor.lableFilePath()->text().endsWith(one));
  EXPECT_FALSE(editor.labelsave_file_tips()->revealPending());
  EXPECT_TRUE(tips().isEmpty());
}

// A hidden channel 4 looks like the other arm's file: each way in asks, Cancel first.
TEST_F(EditorTest, TheOtherKindIsAskedAbout) {
  const QString path = write("hidden4.rob", actionImage(kPlain + kFourHidden));
  const std::function<void()> ways[] = {
      [&] { editor.buttonClick(KoEditorFiles::kOpen); },
      [&] { editor.buttonClick(KoEditorFiles::kIntegrate); },
      [&] { editor.dragView()->dropFiles({path}); },
  };
  panels.openPath = path;
  for (const auto& way : ways) {
    model()->replaceAll(KoTools::readVelmarData(actionImage(kPlain)));
    editor.history()->markSaved();
    editor.lableFilePath()->clear();
    RecordingPrompter::instance().answers = {false};
    way();
    EXPECT_EQ(model()->count(), 1);
    EXPECT_TRUE(editor.lableFilePath()->text().isEmpty());
    RecordingPrompter::instance().answers = {true};
    way();
    EXPECT_GE(model()->count(), 2);
    EXPECT_EQ(model()->frames().last()->data, kFourHidden);
    EXPECT_TRUE(editor.lableFilePath()->text().endsWith(path));
  }
  EXPECT_EQ(RecordingPrompter::instance().destructive, QStringList(6, "is_file_velmar_ask"));
}

TEST_F(EditorTest, SavingRefusesWhatWouldNotReadBack) {
  editor.buttonClick(KoEditorFiles::kSave);
  EXPECT_EQ(tips(), QStringList{"add_action_tips"});
  EXPECT_EQ(panels.shown, 0);

  pose(100, KoFrameEditor::kAdd);
  pose(200, KoFrameEditor::kAdd);
  panels.savePath = dir.filePath("out.rob");
  model()->frameAt(0)->data.clear();
  editor.buttonClick(KoEditorFiles::kSave);
  EXPECT_EQ(tips().last(), "save_frame_damaged");
  EXPECT_EQ(panels.shown, 0);
  EXPECT_FALSE(QFile::exists(panels.savePath));
  EXPECT_TRUE(editor.labelsave_file_tips()->revealPending());  // still unsaved

  model()->setSelectIndex(0);
  pose(100, KoFrameEditor::kUpdate);
  const VelmarFrames kept = model()->frames();
  // One frame more than a file's header can count would read back short.
  model()->replaceAll(
      KoTools::readVelmarData(actionImage(kPlain.repeated(KoTools::kMaxActionFrames))));
  model()->append(kept.first());
  editor.buttonClick(KoEditorFiles::kSave);
  EXPECT_EQ(tips().last(), "save_too_many_frames");
  EXPECT_EQ(panels.shown, 0);

  model()->replaceAll(kept);
  editor.buttonClick(KoEditorFiles::kSave);
  EXPECT_FALSE(editor.labelsave_file_tips()->revealPending());
  QFile saved(panels.savePath);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const VelmarFrames back = KoTools::readVelmarData(saved.readAll());
  ASSERT_EQ(back.size(), 2);
  EXPECT_EQ(back[0]->id(1), 100);
  EXPECT_EQ(back[1]->id(1), 200);
}

TEST_F(EditorTest, ReminderFollowsChangesAndIsCancelledBySavingAndOpening) {
  UILabel* reminder = editor.labelsave_file_tips();
  reminder->setDelay(1);
  pose(100, KoFrameEditor::kAdd);
  ASSERT_TRUE(processUntil([reminder] { return reminder->isVisible(); }));
  EXPECT_TRUE(reminder->gliding());
  reminder->setDelay(60 * 1000);  // from here on no reveal may come before the checks

  pose(100, KoFrameEditor::kInsert);  // a change hides it and starts the wait again
  EXPECT_FALSE(reminder->isVisible());
  EXPECT_TRUE(reminder->revealPending());

  model()->setSelectIndex(0);
  pose(0, KoFrameEditor::kDelete);
  pose(0, KoFrameEditor::kDelete);  // nothing left to save
  EXPECT_FALSE(reminder->revealPending());

  pose(100, KoFrameEditor::kAdd);
  panels.savePath = dir.filePath("saved.rob");
  editor.buttonClick(KoEditorFiles::kSave);
  EXPECT_FALSE(reminder->revealPending());

  pose(100, KoFrameEditor::kAdd);
  editor.menuTable()->actions()[0]->trigger();
  editor.menuTable()->actions()[2]->trigger();  // a paste is a change like any other
  EXPECT_TRUE(reminder->revealPending());
  panels.openPath = panels.savePath;
  RecordingPrompter::instance().saveAnswers = {Prompter::SaveAnswer::Discard};
  editor.buttonClick(KoEditorFiles::kOpen);
  EXPECT_FALSE(reminder->revealPending());
  EXPECT_FALSE(reminder->isVisible());
}

TEST_F(EditorTest, EditingOneChannelKeepsTheAbsentOnesAbsent) {
  // Channels 5 and 6 absent.
  panels.openPath = write("four.rob", actionImage(hex("e803f401f401f401f40155555555")));
  editor.buttonClick(KoEditorFiles::kOpen);
  const int channel1 = KoFrameListModel::kFirstChannelColumn;
  EXPECT_EQ(cell(0, channel1 + 4), "");
  EXPECT_EQ(cell(0, channel1 + 5), "");

  QTableView* table = editor.tableView();
  const QModelIndex first = model()->index(0, channel1);
  table->setCurrentIndex(first);
  table->edit(first);
  auto* line = table->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  line->selectAll();
  QTest::keyClicks(line, QStringLiteral("100"));
  QTest::keyClick(line, Qt::Key_Return);
  processPending();

  const VelmarFrame f = model()->frameAt(0);
  EXPECT_EQ(f->bytes, hex("55551103 04e803 016400 02f401 03f401 04f401"));
  EXPECT_EQ(f->data, hex("e8036400f401f401f40155555555"));
  EXPECT_EQ(cell(0, channel1), "100");
  EXPECT_EQ(cell(0, channel1 + 5), "");
  EXPECT_FALSE(model()->setData(model()->index(0, channel1 + 5), QString(), Qt::EditRole) &&
               f->isPresent(6));
  EXPECT_TRUE(tips().isEmpty());

  model()->setData(model()->index(0, channel1 + 5), QStringLiteral("700"), Qt::EditRole);
  EXPECT_EQ(cell(0, channel1 + 5), "700");
  EXPECT_EQ(model()->frameAt(0)->data, hex("e8036400f401f401f4015555bc02"));
}

// A cell edit puts a new frame in its row, and the row's ready move carries what was typed
// (clamped into range). A refused edit leaves the very frame in place and a burst of them
// gives one tip.
TEST(FrameListCellEdit, ReachesTheMoveOrLeavesTheFrameAsItWas) {
  FakeSliders sliders(6);
  KoFrameListModel model;
  model.append(KoTools::returnVelmarCurrentData(sliders.views(), QStringLiteral("1000"), 0));
  model.append(KoTools::returnVelmarCurrentData(sliders.views(), QStringLiteral("1000"), 1));
  const QByteArray other = model.frameAt(0)->bytes;
  QList<int> recordedRows;
  model.setRecorder(
      [&](int row, const VelmarFrames&, const VelmarFrames&) { recordedRows.append(row); });
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  const auto edit = [&model](int column, const char* typed) {
    return model.setData(model.index(1, column), QString::fromLatin1(typed), Qt::EditRole);
  };
  const int channel1 = KoFrameListModel::kFirstChannelColumn;

  const struct {
    int column;
    const char* typed;
    QByteArray bytes;
  } accepted[] = {
      {channel1 + 2, "700", hex("55551703 06e803 01f401 02f401 03bc02 04f401 05f401 06f401")},
      {channel1, "1500", hex("55551703 06e803 01e803 02f401 03bc02 04f401 05f401 06f401")},
      {channel1 + 5, "0", hex("55551703 06e803 01e803 02f401 03bc02 04f401 05f401 060000")},
      {KoFrameListModel::kTimeColumn, "2,000",
       hex("55551703 06d007 01e803 02f401 03bc02 04f401 05f401 060000")},
  };
  for (const auto& c : accepted) {
    SCOPED_TRACE(c.typed);
    const VelmarFrame before = model.frameAt(1);
    changed.clear();
    EXPECT_TRUE(edit(c.column, c.typed));
    EXPECT_NE(model.frameAt(1), before);
    EXPECT_EQ(model.frameAt(1)->bytes, c.bytes);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).toModelIndex().row(), 1);
  }
  EXPECT_EQ(recordedRows, QList<int>(std::size(accepted), 1));
  EXPECT_EQ(model.timeSum(), 3000);
  EXPECT_EQ(model.frameAt(0)->bytes, other);
  processPending();
  EXPECT_TRUE(RecordingPrompter::instance().tips.isEmpty());

  const VelmarFrame kept = model.frameAt(1);
  const QByteArray keptBytes = kept->bytes;
  const QByteArray keptData = kept->data;
  changed.clear();
  for (const char* typed : {"-1", "+5", "7x", "abc"}) {
    EXPECT_TRUE(edit(channel1 + 1, typed));
  }
  EXPECT_TRUE(edit(KoFrameListModel::kTimeColumn, "x"));
  EXPECT_EQ(model.frameAt(1), kept);
  EXPECT_EQ(kept->bytes, keptBytes);
  EXPECT_EQ(kept->data, keptData);
  EXPECT_EQ(changed.size(), 5);  // each cell shows the stored value again
  EXPECT_EQ(recordedRows.size(), std::size(accepted));
  processPending();
  EXPECT_EQ(RecordingPrompter::instance().tips, QStringList{"modify_erro"});
}

}  // namespace
