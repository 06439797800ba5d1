#include <QtTest>
#include <QtWidgets>

#include "../model/english.h"
#include "editor/files/recent_files.h"
#include "editor_fixture.h"
#include "model/action_file.h"
#include "model/action_text.h"
#include "widgets/drag_view.h"
#include "widgets/elided_label.h"

namespace {

using A = EditorAction;
using Answer = Prompter::SaveAnswer;

const QByteArray kPlain = hex("e803f401f401f401f401f401f401");
// Channel 4 absent, as saved while its slider was hidden: the other arm's marker.
const QByteArray kFourHidden = hex("e803f401f401f40155555f01f401");
// Frames 1..3 differ in time and channel 1; frame 3 has channel 5 absent and a stored
// position above what a field shows.
const QByteArray kRecords =
    hex("e803640064006400640064006400"
        "d007c800c800c800c800c800c800"
        "b80b4c044c014c014c0155552c01");

// What each frame stores and sends, one line per frame.
QStringList bytesOf(const VelmarFrames& frames) {
  QStringList out;
  for (const VelmarFrame& f : frames) {
    out.append(QStringLiteral("%1 %2 %3 %4")
                   .arg(f->time)
                   .arg(f->data.toHex(), f->bytes.toHex(), f->action));
  }
  return out;
}

class EditorTest : public EditorFixture {
 protected:
  QString base() { return write("base.rob", actionImage(kRecords)); }
  // Poses the arm with channel 1 at `position` and adds/inserts/updates with `tag`.
  void pose(int position, A tag) {
    editor.session()->setPosition(1, position);
    trigger(editor, tag);
    processPending();
  }
  // Runs `tag` on the selected `rows`.
  void act(A tag, const QList<int>& rows) {
    selectRows(editor, rows);
    trigger(editor, tag);
  }
};

TEST_F(EditorTest, FrameButtonsWithAndWithoutSelection) {
  const struct {
    int click;  // the row clicked first, if any
    A tag;
    int position;
    QList<int> channels;  // channel 1 of every frame after
    int selected;
    const char* total;
    bool remind;  // the save reminder waits to show: a change, and something left to save
  } steps[] = {
      {-1, A::Update, 100, {}, -1, "0s", false},  // an empty list: nothing to replace
      {-1, A::Delete, 100, {}, -1, "0s", false},
      {-1, A::Insert, 100, {100}, 0, "1s", true},  // nothing selected: goes in first
      {-1, A::Add, 200, {100, 200}, 1, "2s", true},
      {-1, A::Add, 300, {100, 200, 300}, 2, "3s", true},
      {1, A::Insert, 150, {100, 150, 200, 300}, 1, "4s", true},
      {-1, A::Update, 250, {100, 250, 200, 300}, 1, "4s", true},
      {-1, A::Delete, 0, {100, 200, 300}, 1, "3s", true},
      {2, A::Delete, 0, {100, 200}, 1, "2s", true},  // the last: the new last is selected
      {-1, A::Delete, 0, {100}, 0, "1s", true},
      {-1, A::Delete, 0, {}, -1, "0s", false},
  };
  QTableView* table = editor.tableView();
  // The selected frame's positions are marked on the cards, beside the pose Update would write.
  KoVelmarSliderView* card = editor.panView()->sliders().first();
  const auto mark = [](const QList<int>& channel, int row) {
    return row >= 0 ? std::optional<qint64>(channel[row]) : std::nullopt;
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message() << tagOf(s.tag) << " " << s.position);
    if (s.click >= 0) {
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                        table->visualRect(model()->index(s.click, 1)).center());
      EXPECT_EQ(card->frameMark(), mark(valuesOf(*model(), 1), s.click));
    }
    pose(s.position, s.tag);
    EXPECT_EQ(valuesOf(*model(), 1), s.channels);
    EXPECT_EQ(table->currentIndex().row(), s.selected);
    EXPECT_EQ(card->frameMark(), mark(s.channels, s.selected));
    EXPECT_EQ(editor.labelActionstimeShow()->text(), s.total);
    EXPECT_EQ(editor.labelsave_file_tips()->revealPending(), s.remind);
  }
  EXPECT_EQ(tips(), QStringList(2, "add_action_tips"));  // Update and Delete, on the empty list

  // Once due, the reminder shows gliding, each time it comes back; a change puts it away.
  UILabel* reminder = editor.labelsave_file_tips();
  for (int shown = 0; shown < 2; ++shown) {
    reminder->setDelay(0);  // due at the next turn of the event loop, not after real time
    pose(100, A::Add);
    ASSERT_TRUE(processUntil([reminder] { return reminder->isVisible(); }));
    EXPECT_TRUE(reminder->gliding());
    reminder->setDelay(60 * 1000);  // from here on no reveal may come before the checks
    pose(100, A::Insert);
    EXPECT_FALSE(reminder->isVisible());
  }

  // A channel the frame leaves out has no mark.
  editor.session()->setShown(2, false);
  pose(300, A::Add);
  EXPECT_EQ(card->frameMark(), 300);
  EXPECT_EQ(editor.panView()->sliders()[1]->frameMark(), std::nullopt);
}

// Copied frames go to the clipboard as text; pasted, they come back whole, each paste a frame
// of its own. Pasted text is taken as the table would take it typed, or refused whole.
TEST_F(EditorTest, CopyAndPaste) {
  open(base());
  // The menu as it opens: Paste After is offered only with something to paste; after the
  // frame items come Undo and Redo, and none of the window's other keys.
  EXPECT_FALSE(editor.menuTable()->actions()[2]->isEnabled());
  const QList<QAction*> items = editor.menuTable()->actions();
  EXPECT_EQ(items[5]->property("koTag").toInt(), tagOf(A::Undo));
  EXPECT_EQ(items[6]->property("koTag").toInt(), tagOf(A::Redo));
  const QStringList before = bytesOf(model()->frames());
  for (const char* text : {"100\t1\t2\t3\t4\t5\t6\n100\t1\tx\n", "-5\t1\n",
                           "\n\n100\t1\t2\t3\t4\t5\t6\t7\n", "abc", "100\t+5\n"}) {
    SCOPED_TRACE(text);
    tips().clear();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
    act(A::PasteAfter, {1});
    EXPECT_EQ(tips(), QStringList{"paste_refused"});
    EXPECT_EQ(bytesOf(model()->frames()), before);
    EXPECT_FALSE(editor.history()->modified());
  }
  EXPECT_TRUE(editor.menuTable()->actions()[2]->isEnabled());

  selectRows(editor, {0, 2});
  editor.menuTable()->actions()[0]->trigger();  // Copy, from the menu
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "1000\t100\t100\t100\t100\t100\t100\n3000\t1000\t332\t332\t332\t-\t300\n");
  act(A::PasteAfter, {2});
  act(A::PasteOver, {1});
  act(A::PasteBefore, {0});
  processPending();
  EXPECT_EQ(valuesOf(*model(), 1), (QList<int>{100, 1000, 100, 100, 1000, 100, 1000}));
  // The record's 1100 is more than the text shows; the copy itself keeps it.
  EXPECT_EQ(model()->frameAt(6)->data, kRecords.mid(28, 14));
  model()->frameAt(2)->setValue(QStringLiteral("5"), QStringLiteral("id1"));
  EXPECT_EQ(valuesOf(*model(), 1), (QList<int>{100, 1000, 5, 100, 1000, 100, 1000}));

  // What the table would store for the same typing: clamped, commas taken, "-" absent.
  QGuiApplication::clipboard()->setText("40,000\t1200\t-\t\t0\t7\t8\r\n20\t5\n");
  act(A::PasteAfter, {0});
  ASSERT_EQ(model()->count(), 9);
  EXPECT_EQ(model()->frameAt(1)->data.toHex(), QByteArray("3075e80355555555000007000800"));
  EXPECT_EQ(model()->frameAt(2)->time, 50);
}

TEST_F(EditorTest, FieldRules) {
  QLineEdit* group = editor.boxActions()->lineEdit();
  QLineEdit* time = editor.texttime();
  const std::tuple<QLineEdit*, const char*, const char*> cases[] = {
      {group, "250", "230"}, {group, "1a2", "12"},
      {group, "", "0"},      {group, "99999999999", "230"},
      {group, "007", "7"},   {time, "", "50"},
      {time, "20", "50"},    {time, "45000", "30000"},
      {time, "1500", "1500"}};
  for (const auto& [field, typed, shown] : cases) {
    field->selectAll();
    // Typing replaces the selection; an emptied field is mended at once.
    *typed ? QTest::keyClicks(field, QString::fromLatin1(typed))
           : QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->text(), QString::fromLatin1(shown)) << typed;
  }
  EXPECT_EQ(editor.boxActions()->count(), 231);

  // The gate mends a short duration before the action uses it.
  time->setText(QStringLiteral("10"));
  pose(500, A::Add);
  EXPECT_EQ(model()->frameAt(0)->time, 50);
}

// Open replaces the list, Merge appends to it, a dropped file replaces it. A hidden channel 4
// looks like the other arm's file: each way in asks first, and Cancel leaves the list alone.
TEST_F(EditorTest, OpenMergeAndDropAskAboutTheOtherArmsFiles) {
  const QString path = write("hidden4.rob", actionImage(kPlain + kFourHidden));
  panels.openPath = path;
  // Each way in, the frames it leaves, and whether they are left unsaved.
  const std::tuple<const char*, std::function<void()>, int, bool> ways[] = {
      {"open", [&] { trigger(editor, A::Open); }, 2, false},
      {"merge", [&] { trigger(editor, A::Merge); }, 3, true},
      {"drop", [&] { editor.dragView()->dropFiles({path}); }, 2, false},
  };
  for (const auto& [name, way, count, unsaved] : ways) {
    SCOPED_TRACE(name);
    model()->replaceAll(KoTools::readVelmarData(actionImage(kPlain)));
    editor.history()->markSaved();
    editor.lableFilePath()->setFullText({});
    prompter().answers = {false};
    way();
    EXPECT_EQ(model()->count(), 1);
    EXPECT_TRUE(editor.lableFilePath()->fullText().isEmpty());
    prompter().answers = {true};
    way();
    processPending();
    EXPECT_EQ(model()->count(), count);
    EXPECT_EQ(model()->selectIndex(), count - 1);
    EXPECT_EQ(model()->frames().last()->data, kFourHidden);
    EXPECT_TRUE(editor.lableFilePath()->fullText().endsWith(path));
    EXPECT_EQ(editor.labelsave_file_tips()->revealPending(), unsaved);
  }
  EXPECT_EQ(prompter().destructive, QStringList(6, "is_file_velmar_ask"));
  EXPECT_TRUE(tips().isEmpty());
}

TEST_F(EditorTest, SavingRefusesWhatWouldNotReadBackAndAFailedSaveKeepsTheList) {
  trigger(editor, A::Save);
  EXPECT_EQ(tips(), QStringList{"add_action_tips"});
  EXPECT_TRUE(panels.shown.isEmpty());

  pose(100, A::Add);
  pose(200, A::Add);
  model()->frameAt(0)->data.clear();
  trigger(editor, A::Save);
  EXPECT_EQ(tips().last(), "save_frame_damaged");
  EXPECT_TRUE(panels.shown.isEmpty());
  EXPECT_TRUE(editor.labelsave_file_tips()->revealPending());  // still unsaved

  model()->setSelectIndex(0);
  pose(100, A::Update);
  const VelmarFrames kept = model()->frames();
  // One frame more than a file's header can count would read back short.
  model()->replaceAll(
      KoTools::readVelmarData(actionImage(kPlain.repeated(KoTools::kMaxActionFrames))));
  model()->append(kept.first());
  trigger(editor, A::Save);
  EXPECT_EQ(tips().last(), "save_too_many_frames");
  EXPECT_TRUE(panels.shown.isEmpty());

  model()->replaceAll(kept);
  // With no file yet, the save a close or an open asks for needs a name; a cancelled panel or a
  // failed write keeps the list and the window.
  panels.openPath = write("two.rob", actionImage(kPlain + kPlain));
  tips().clear();
  for (const QString& path : {QString(), dir.filePath("no/such/folder/x.rob")}) {
    SCOPED_TRACE(path.toStdString());
    panels.savePath = path;
    prompter().saveAnswers = {Answer::Save, Answer::Save};
    trigger(editor, A::Open);
    EXPECT_EQ(model()->frames(), kept);
    window.close();
    EXPECT_TRUE(window.isVisible());
  }
  // The cancelled panel says nothing; the failed write says why, for the open and the close.
  EXPECT_EQ(tips(), QStringList(2, "save_file_fail"));

  panels.savePath = dir.filePath("out.rob");
  English english;
  trigger(editor, A::Save);
  EXPECT_EQ(editor.statusLine()->text(), "Saved out.rob");
  EXPECT_TRUE(editor.statusLine()->fading()) << "a result fades; only a state stays";
  EXPECT_FALSE(editor.labelsave_file_tips()->revealPending());
  EXPECT_EQ(read(panels.savePath),
            actionImage(hex("e8036400f401f401f401f401f401 e803c800f401f401f401f401f401")));
}

// A cell edit puts a new frame in its row whose move carries what was typed, clamped; a
// refused edit leaves the very frame in place, and a burst of them gives one tip.
TEST_F(EditorTest, CellEditsReachTheMoveOrLeaveTheFrameAsItWas) {
  open(write("four.rob", actionImage(kPlain + hex("e803f401f401f401f40155555555"))));
  const int ch1 = KoFrameListModel::kFirstChannelColumn;
  QTableView* table = editor.tableView();
  table->setCurrentIndex(model()->index(1, ch1 + 2));
  table->edit(table->currentIndex());
  auto* line = table->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  // The editor covers its cell and leaves the grid, in the cell's last pixel row and column.
  EXPECT_EQ(line->geometry(), table->visualRect(table->currentIndex()).adjusted(0, 0, -1, -1));
  line->selectAll();
  QTest::keyClicks(line, QStringLiteral("700"));
  QTest::keyClick(line, Qt::Key_Return);
  processPending();
  EXPECT_EQ(model()->frameAt(1)->bytes, hex("55551103 04e803 01f401 02f401 03bc02 04f401"));

  const int steps = editor.history()->count();
  const auto edit = [this](int column, const char* typed) {
    return model()->setData(model()->index(1, column), QString::fromLatin1(typed), Qt::EditRole);
  };
  const std::tuple<int, const char*, QByteArray> accepted[] = {
      {ch1, "1500", hex("55551103 04e803 01e803 02f401 03bc02 04f401")},
      {ch1 + 5, "0", hex("55551403 05e803 01e803 02f401 03bc02 04f401 060000")},
      {KoFrameListModel::kTimeColumn, "2,000",
       hex("55551403 05d007 01e803 02f401 03bc02 04f401 060000")},
  };
  for (const auto& [column, typed, bytes] : accepted) {
    SCOPED_TRACE(typed);
    const VelmarFrame before = model()->frameAt(1);
    edit(column, typed);
    EXPECT_NE(model()->frameAt(1), before);
    EXPECT_EQ(model()->frameAt(1)->bytes, bytes);
  }
  EXPECT_EQ(model()->timeSum(), 3000);
  EXPECT_EQ(model()->index(1, KoFrameListModel::kTimeColumn).data().toString(), "2000");
  EXPECT_EQ(model()->frameAt(0)->data, kPlain);

  const VelmarFrame kept = model()->frameAt(1);
  EXPECT_FALSE(edit(ch1 + 4, ""));  // left empty, an absent channel is no refused edit
  for (const char* typed : {"-1", "+5", "7x", "abc"}) edit(ch1 + 1, typed);
  edit(KoFrameListModel::kTimeColumn, "x");
  EXPECT_EQ(model()->frameAt(1), kept);
  EXPECT_EQ(kept->data, hex("d007e803f401bc02f40155550000"));
  // One step for each accepted edit, none for a refused one, and one tip for them all.
  EXPECT_EQ(editor.history()->count(), steps + int(std::size(accepted)));
  English english;  // the tip names the range of the last refused cell
  processPending();
  EXPECT_EQ(tips(), QStringList{"Invalid value: type a whole number from 50 to 30000. The "
                                "change was not applied."});
}

TEST_F(EditorTest, UndoRestoresEveryKindOfChangeAndRedoRepeatsIt) {
  const QString other = write("other.rob", actionImage(kRecords.left(14)));
  const auto on = [this](QList<A> tags, QList<int> rows) {
    return [this, tags, rows] {
      if (!rows.isEmpty()) selectRows(editor, rows);
      for (A tag : tags) trigger(editor, tag);
    };
  };
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"add", on({A::Add}, {})},
      {"insert", on({A::Insert}, {1})},
      {"update", on({A::Update}, {2})},
      {"delete several", on({A::Delete}, {0, 2})},
      {"paste frames", on({A::Copy, A::PasteBefore}, {1, 2})},
      {"paste text", on({A::PasteBefore}, {0})},
      {"paste two over one", on({A::PasteOver}, {0})},
      {"cell edit",
       [this] {
         model()->setData(model()->index(2, KoFrameListModel::kTimeColumn), "1234", Qt::EditRole);
       }},
      {"merge", on({A::Merge}, {})},
  };
  const QString path = base();
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    prompter().saveAnswers = {Answer::Discard};
    open(path);
    // Undo never brings the list before under the name of the one opened: Save would write it.
    EXPECT_FALSE(editor.history()->canUndo());
    panels.openPath = other;
    QGuiApplication::clipboard()->setText("60\t1\t2\t3\t-\t5\t6\n70\t7\n");
    const QStringList before = bytesOf(model()->frames());
    change();
    processPending();
    const QStringList after = bytesOf(model()->frames());
    ASSERT_NE(after, before);
    EXPECT_TRUE(editor.history()->modified());
    trigger(editor, A::Undo);
    EXPECT_EQ(bytesOf(model()->frames()), before);
    EXPECT_FALSE(editor.history()->modified());
    trigger(editor, A::Redo);
    EXPECT_EQ(bytesOf(model()->frames()), after);
    processPending();
    for (int row = 0; row < model()->count(); ++row)
      EXPECT_EQ(model()->index(row, KoFrameListModel::kPlayColumn).data(), row + 1);
  }
  EXPECT_EQ(tips(), QStringList{});
}

TEST_F(EditorTest, TheGuardsThreeAnswersForCloseAndOpen) {
  // A word joiner between every two characters keeps the name on one line where the question
  // wraps (Chinese text breaks between any two); none goes inside a surrogate pair.
  EXPECT_EQ(KoEditorFiles::unbroken(QStringLiteral("3号\U0001F600b")),
            QStringLiteral("3\u2060号\u2060\U0001F600\u2060b"));
  const QString other = write("other.rob", actionImage(kRecords.left(14)));
  for (const bool closing : {true, false}) {
    for (const Answer answer : {Answer::Cancel, Answer::Discard, Answer::Save}) {
      SCOPED_TRACE(testing::Message() << (closing ? "close " : "open ") << int(answer));
      window.show();
      prompter().saveAnswers = {Answer::Discard};
      const QString path = base();
      open(path);
      pose(100, A::Add);
      prompter().questions.clear();
      prompter().saveAnswers = {answer};
      if (closing)
        window.close();
      else
        open(other);
      EXPECT_EQ(prompter().questions, QStringList{"save_changes_ask"});
      // Whether leaving went through: the window closed or the other file opened.
      EXPECT_EQ(closing ? window.isHidden() : model()->count() == 1, answer != Answer::Cancel);
      // Save writes the opened file in place, with the added frame.
      EXPECT_EQ(QFileInfo(path).size(), 16 + 14 * (answer == Answer::Save ? 4 : 3));
      if (closing && answer == Answer::Save) {  // saved: nothing is left to ask about
        prompter().questions.clear();
        window.show();
        window.close();
        EXPECT_EQ(prompter().questions, QStringList{});
      }
    }
  }
}

TEST_F(EditorTest, JsonAndCsvOpenToTheFramesOfTheirRob) {
  open(base());
  const QStringList rob = bytesOf(model()->frames());
  const auto records = KoTools::actionRecords(actionImage(kRecords));
  for (const auto& [name, format] : {std::pair{"a.json", KoTools::ActionTextFormat::Json},
                                     std::pair{"a.csv", KoTools::ActionTextFormat::Csv}}) {
    SCOPED_TRACE(name);
    open(write(name, KoTools::exportActionText(records, format)));
    EXPECT_EQ(bytesOf(model()->frames()), rob);

    // Saved as text again, it matches what the command line exports.
    panels.savePath = dir.filePath(QStringLiteral("saved-") + name);
    trigger(editor, A::SaveAs);
    EXPECT_EQ(panels.shown.last(), "save " + dir.filePath(name));
    EXPECT_EQ(read(panels.savePath), KoTools::exportActionText(records, format));
    EXPECT_TRUE(editor.lableFilePath()->fullText().endsWith(panels.savePath)) << "its new name";
  }
  tips().clear();
  open(write("bad.csv", "time,ch1\nnot a csv"));
  EXPECT_EQ(tips(), QStringList{"file_text_refused"});
  EXPECT_EQ(bytesOf(model()->frames()), rob);
}

TEST_F(EditorTest, RecentFilesKeepTheLastEightAndDropTheMissing) {
  QStringList paths;
  for (int i = 0; i < 10; ++i) {
    paths.prepend(write(QStringLiteral("f%1.rob").arg(i), actionImage(kRecords)));
    open(paths.first());
  }
  EXPECT_EQ(editor.files()->recent()->files(), paths.mid(0, KoRecentFiles::kMaxFiles));
  EXPECT_EQ(KoRecentFiles().files(), paths.mid(0, KoRecentFiles::kMaxFiles));  // kept

  QFile::remove(paths[1]);
  QMenu* menu = editor.buttonRecent()->menu();
  bool popped = false;  // on a plain click, not only when held
  QTimer::singleShot(0, menu, [&] { popped = menu->isVisible(), menu->close(); });
  QTest::mouseClick(editor.buttonRecent(), Qt::LeftButton);
  processPending();
  EXPECT_TRUE(popped);
  ASSERT_EQ(menu->actions().size(), KoRecentFiles::kMaxFiles);
  menu->actions()[1]->trigger();
  EXPECT_EQ(tips().size(), 1);
  EXPECT_FALSE(editor.files()->recent()->files().contains(paths[1]));
  menu->actions()[2]->trigger();
  EXPECT_EQ(editor.files()->currentPath(), paths[2]);
  EXPECT_EQ(editor.files()->recent()->files().first(), paths[2]);
}

TEST_F(EditorTest, TitleKeysAndTooltips) {
  open(base());
  QApplication::setActiveWindow(&window);
  editor.tableView()->setFocus();
  selectRows(editor, {0, 1});
  // Delete, then Undo and both keys for Redo.
  for (const auto& [keys, count] :
       {std::pair{"Del", 1}, {"Ctrl+Z", 3}, {"Ctrl+Y", 1}, {"Ctrl+Z", 3}, {"Ctrl+Shift+Z", 1}}) {
    QTest::keySequence(editor.tableView(), QKeySequence(QString::fromLatin1(keys)));
    EXPECT_EQ(model()->count(), count);
    EXPECT_EQ(editor.documentTitle(), count == 3 ? "base.rob" : "base.rob *");
  }
  // Alt and a channel's number: straight into its value field, ready to type over.
  for (const auto& [keys, channel] : {std::pair{"Alt+3", 3}, {"Alt+6", 6}}) {
    QTest::keySequence(editor.tableView(), QKeySequence(QString::fromLatin1(keys)));
    const QLineEdit* field = editor.panView()->sliders()[channel - 1]->textField();
    EXPECT_TRUE(field->hasFocus() && field->hasSelectedText()) << keys;
  }

  // Every button says what it does, and the keys of one stand beside it.
  for (QAbstractButton* b : editor.findChildren<QAbstractButton*>()) {
    const bool shown = b->isVisibleTo(&editor) && !b->parent()->inherits("QAbstractScrollArea");
    EXPECT_FALSE(shown && b->toolTip().isEmpty()) << b->metaObject()->className();
  }
  EXPECT_EQ(editor.control(A::Save)->toolTip(), "tip_save_action (Ctrl+S)");
  EXPECT_EQ(editor.control(A::Stop)->toolTip(), "tip_stop (Esc, Shift+F5)");
  for (const auto& [action, keys] : kEditorKeys)
    EXPECT_TRUE(editor.control(action)->toolTip().endsWith(QStringLiteral("%1)").arg(keys)));

  // A larger font makes the table's captions taller rather than cut them off.
  QHeaderView* captions = editor.tableView()->horizontalHeader();
  const int plain = captions->sizeHint().height();
  QFont large = captions->font();
  large.setPointSize(large.pointSize() * 3);
  captions->setFont(large);
  EXPECT_GT(captions->sizeHint().height(), plain);
}

}  // namespace
