#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/editor_files.h"
#include "editor/file_panels.h"
#include "editor/frame_editor.h"
#include "editor/frame_history.h"
#include "editor/frame_list_model.h"
#include "editor/recent_files.h"
#include "editor/save_reminder.h"
#include "editor/velmar_view_controller.h"
#include "editor_fixture.h"
#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/action_text.h"
#include "recording_prompter.h"
#include "wait.h"

namespace {

using Answer = Prompter::SaveAnswer;

// Frames 1..3 differ in time and channel 1; frame 3 has channel 5 absent and a stored
// position above what a field shows.
const QByteArray kRecords = QByteArray::fromHex(
    "e803640064006400640064006400"
    "d007c800c800c800c800c800c800"
    "b80b4c044c014c014c0155552c01");

struct FrameBytes {
  qint64 time;
  QByteArray data;
  QByteArray bytes;
  QString action;
  friend bool operator==(const FrameBytes&, const FrameBytes&) = default;
  friend std::ostream& operator<<(std::ostream& os, const FrameBytes& f) {
    return os << f.time << " " << f.data.toHex().constData() << " " << f.bytes.toHex().constData();
  }
};

QList<FrameBytes> bytesOf(const VelmarFrames& frames) {
  QList<FrameBytes> out;
  for (const VelmarFrame& f : frames) out.append({f->time, f->data, f->bytes, f->action});
  return out;
}

// Clears the stored recent files before the editor reads them.
struct FreshSettings {
  FreshSettings() { QSettings().remove(QStringLiteral("recentFiles")); }
};

class EditorComfortsTest : public EditorFilesFixture {
 protected:
  void SetUp() override {
    quieten(editor);
    window.resize(1260, 740);
    (new QVBoxLayout(&window))->addWidget(&editor);
    window.installEventFilter(editor.files());
    window.show();
    base = write("base.rob", actionImage(kRecords));
    open(base);
  }
  void TearDown() override {
    editor.history()->markSaved();
    editor.setParent(nullptr);
    EditorFilesFixture::TearDown();
  }

  KoFrameListModel* model() const { return editor.model(); }
  RecordingPrompter& prompter() { return RecordingPrompter::instance(); }
  void open(const QString& path) {
    panels.openPath = path;
    editor.buttonClick(KoEditorFiles::kOpen);
    processPending();
  }
  void selectRows(std::initializer_list<int> rows) {
    model()->setSelectIndex(*rows.begin());
    QItemSelectionModel* selection = editor.tableView()->selectionModel();
    selection->clear();
    for (int r : rows) {
      selection->select(model()->index(r, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

  FreshSettings fresh;
  QWidget window;
  KoVelmarViewController editor{usbHid::sharedManager()};
  QString base;
};

TEST_F(EditorComfortsTest, UndoRestoresEveryKindOfChangeAndRedoRepeatsIt) {
  const QString other = write("other.rob", actionImage(kRecords.left(14)));
  const auto button = [this](EditorAction tag, int row) {
    return [this, tag, row] {
      if (row >= 0) selectRows({row});
      editor.buttonClick(tag);
    };
  };
  const struct {
    const char* name;
    std::function<void()> change;
  } changes[] = {
      {"add", button(KoFrameEditor::kAdd, -1)},
      {"insert", button(KoFrameEditor::kInsert, 1)},
      {"update", button(KoFrameEditor::kUpdate, 2)},
      {"delete", button(KoFrameEditor::kDelete, 0)},
      {"delete several",
       [&] {
         selectRows({0, 2});
         editor.buttonClick(KoFrameEditor::kDelete);
       }},
      {"paste frames",
       [&] {
         selectRows({1, 2});
         editor.frameEditor()->menuclick(KoFrameEditor::kCopy);
         selectRows({0});
         editor.frameEditor()->menuclick(KoFrameEditor::kPasteOver);
       }},
      {"paste text",
       [&] {
         QGuiApplication::clipboard()->setText("60\t1\t2\t3\t-\t5\t6\n70\t7\n");
         selectRows({0});
         editor.frameEditor()->menuclick(KoFrameEditor::kPasteBefore);
       }},
      {"cell edit",
       [&] {
         model()->setData(model()->index(2, KoFrameListModel::kTimeColumn), "1234", Qt::EditRole);
       }},
      {"open",
       [&] {
         prompter().saveAnswers = {Answer::Discard};
         open(other);
       }},
      {"integrate",
       [&] {
         panels.openPath = other;
         editor.buttonClick(KoEditorFiles::kIntegrate);
       }},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.name);
    prompter().saveAnswers = {Answer::Discard};
    open(base);
    const QList<FrameBytes> before = bytesOf(model()->frames());
    c.change();
    processPending();
    const QList<FrameBytes> after = bytesOf(model()->frames());
    ASSERT_NE(after, before);
    // An opened file is the saved state; undoing the open leaves the list unsaved.
    const bool opens = c.name == std::string("open");
    EXPECT_EQ(editor.history()->modified(), !opens);
    editor.buttonClick(KoVelmarViewController::kUndoTag);
    EXPECT_EQ(bytesOf(model()->frames()), before);
    EXPECT_EQ(editor.history()->modified(), opens);
    editor.buttonClick(KoVelmarViewController::kRedoTag);
    EXPECT_EQ(bytesOf(model()->frames()), after);
    processPending();
    for (int row = 0; row < model()->count(); ++row) EXPECT_EQ(model()->frameAt(row)->ID, row + 1);
  }
  EXPECT_TRUE(prompter().tips.isEmpty()) << prompter().tips.join(", ").toStdString();
}

// A frame edited after it was put in must not change what undoing and redoing the earlier
// step brings back.
TEST_F(EditorComfortsTest, LaterEditsDoNotLeakIntoEarlierSteps) {
  selectRows({0});
  editor.frameEditor()->menuclick(KoFrameEditor::kCopy);
  editor.frameEditor()->menuclick(KoFrameEditor::kPasteAfter);
  const QList<FrameBytes> pasted = bytesOf(model()->frames());
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    // The frame a redo put back is then edited in place.
    editor.buttonClick(KoVelmarViewController::kUndoTag);
    editor.buttonClick(KoVelmarViewController::kRedoTag);
    model()->setData(model()->index(1, KoFrameListModel::kFirstChannelColumn), "777", Qt::EditRole);
    EXPECT_EQ(model()->frameAt(1)->id(1), 777);
    editor.buttonClick(KoVelmarViewController::kUndoTag);
    EXPECT_EQ(bytesOf(model()->frames()), pasted);
  }
  editor.buttonClick(KoVelmarViewController::kUndoTag);
  editor.buttonClick(KoVelmarViewController::kRedoTag);
  EXPECT_EQ(bytesOf(model()->frames()), pasted);
}

TEST_F(EditorComfortsTest, TheGuardsThreeAnswersForCloseOpenAndQuit) {
  const QString other = write("other.rob", actionImage(kRecords.left(14)));
  const struct {
    const char* name;
    std::function<void()> leave;
    // Whether leaving went through: the window closed or the other file opened.
    std::function<bool()> left;
  } ways[] = {
      {"close", [&] { window.close(); }, [&] { return !window.isVisible(); }},
      {"quit", [] { QApplication::closeAllWindows(); }, [&] { return !window.isVisible(); }},
      {"open", [&] { open(other); }, [&] { return model()->count() == 1; }},
  };
  for (const auto& way : ways) {
    for (const Answer answer : {Answer::Cancel, Answer::Discard, Answer::Save}) {
      SCOPED_TRACE(testing::Message() << way.name << " " << int(answer));
      window.show();
      prompter().saveAnswers = {Answer::Discard};
      open(base);
      editor.buttonClick(KoFrameEditor::kAdd);
      processPending();
      panels.savePath = dir.filePath("saved.rob");
      QFile::remove(panels.savePath);
      prompter().questions.clear();
      prompter().saveAnswers = {answer};
      way.leave();
      EXPECT_EQ(prompter().questions, QStringList{"save_changes_ask"});
      EXPECT_EQ(way.left(), answer != Answer::Cancel);
      QFile saved(base);
      ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
      // Save writes the opened file in place, with the added frame.
      EXPECT_EQ(saved.size(), 16 + 14 * (answer == Answer::Save ? 4 : 3));
      saved.close();
      write("base.rob", actionImage(kRecords));
    }
  }
  // Nothing unsaved: no question.
  window.show();
  prompter().questions.clear();
  window.close();
  EXPECT_TRUE(prompter().questions.isEmpty());
}

TEST_F(EditorComfortsTest, APasteWithABadCellChangesNothing) {
  const struct {
    const char* text;
    int line;
    int column;
  } bad[] = {
      {"100\t1\t2\t3\t4\t5\t6\n100\t1\tx\n", 2, 3},
      {"-5\t1\n", 1, 1},
      {"\n\n100\t1\t2\t3\t4\t5\t6\t7\n", 3, 8},
      {"abc", 1, 1},
      {"100\t+5\n", 1, 2},
  };
  const QList<FrameBytes> before = bytesOf(model()->frames());
  for (const auto& c : bad) {
    SCOPED_TRACE(c.text);
    prompter().tips.clear();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(c.text));
    selectRows({1});
    for (EditorAction tag :
         {KoFrameEditor::kPasteBefore, KoFrameEditor::kPasteAfter, KoFrameEditor::kPasteOver}) {
      editor.frameEditor()->menuclick(tag);
    }
    EXPECT_EQ(prompter().tips, QStringList(3, "paste_refused"));
    EXPECT_EQ(bytesOf(model()->frames()), before);
    EXPECT_FALSE(editor.history()->modified());
  }

  // What the table would store for the same typing: clamped, commas taken, "-" absent.
  QGuiApplication::clipboard()->setText("40,000\t1200\t-\t\t0\t7\t8\r\n20\t5\n");
  selectRows({0});
  editor.frameEditor()->menuclick(KoFrameEditor::kPasteAfter);
  ASSERT_EQ(model()->count(), 5);
  const VelmarFrame first = model()->frameAt(1);
  EXPECT_EQ(first->time, 30000);
  EXPECT_EQ(first->id(1), 1000);
  EXPECT_FALSE(first->isPresent(2));
  EXPECT_FALSE(first->isPresent(3));
  EXPECT_EQ(first->data.toHex(), QByteArray("3075e80355555555000007000800"));
  EXPECT_EQ(model()->frameAt(2)->time, 50);
}

TEST_F(EditorComfortsTest, CopiedFramesGoOutAsTextAndComeBackWhole) {
  selectRows({0, 2});
  editor.frameEditor()->menuclick(KoFrameEditor::kCopy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "1000\t100\t100\t100\t100\t100\t100\n3000\t1000\t332\t332\t332\t-\t300\n");
  // The record's 1100 is more than the text shows; the copy itself keeps it.
  editor.frameEditor()->menuclick(KoFrameEditor::kPasteAfter);
  EXPECT_EQ(model()->frameAt(4)->data, kRecords.mid(28, 14));
}

TEST_F(EditorComfortsTest, JsonAndCsvOpenToTheFramesOfTheirRob) {
  const QList<FrameBytes> rob = bytesOf(model()->frames());
  const auto records = KoTools::actionRecords(actionImage(kRecords));
  for (const auto& [name, format] : {std::pair{"a.json", KoTools::ActionTextFormat::Json},
                                     std::pair{"a.csv", KoTools::ActionTextFormat::Csv}}) {
    SCOPED_TRACE(name);
    open(write(name, KoTools::exportActionText(records, format)));
    EXPECT_EQ(bytesOf(model()->frames()), rob);
    EXPECT_FALSE(editor.history()->modified());

    // Saved as text again, it matches what the command line exports.
    panels.savePath = dir.filePath(QStringLiteral("saved-") + name);
    editor.buttonClick(KoEditorFiles::kSaveAs);
    QFile saved(panels.savePath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), KoTools::exportActionText(records, format));
  }
  prompter().tips.clear();
  open(write("bad.csv", "time,ch1\nnot a csv"));
  EXPECT_EQ(prompter().tips, QStringList{"file_text_refused"});
  EXPECT_EQ(bytesOf(model()->frames()), rob);
}

TEST_F(EditorComfortsTest, RecentFilesKeepTheLastEightAndDropTheMissing) {
  QStringList paths;
  for (int i = 0; i < 10; ++i) {
    paths.prepend(write(QStringLiteral("f%1.rob").arg(i), actionImage(kRecords)));
    open(paths.first());
  }
  const QStringList recent = editor.files()->recent()->files();
  EXPECT_EQ(recent, paths.mid(0, KoRecentFiles::kMaxFiles));
  EXPECT_EQ(KoRecentFiles().files(), recent);  // kept in the settings

  QFile::remove(paths[1]);
  QMenu* menu = editor.buttonRecent()->menu();
  emit menu->aboutToShow();
  ASSERT_EQ(menu->actions().size(), KoRecentFiles::kMaxFiles);
  menu->actions()[1]->trigger();
  EXPECT_EQ(prompter().tips.size(), 1);
  EXPECT_FALSE(editor.files()->recent()->files().contains(paths[1]));
  menu->actions()[2]->trigger();
  EXPECT_EQ(editor.files()->currentPath(), paths[2]);
  EXPECT_EQ(editor.files()->recent()->files().first(), paths[2]);
}

TEST_F(EditorComfortsTest, TitleAndKeys) {
  EXPECT_EQ(editor.documentTitle(), "base.rob");
  QApplication::setActiveWindow(&window);
  editor.tableView()->setFocus();
  selectRows({0, 1});
  QTest::keyClick(editor.tableView(), Qt::Key_Delete);
  EXPECT_EQ(model()->count(), 1);
  EXPECT_EQ(editor.documentTitle(), "base.rob *");
  QTest::keyClick(editor.tableView(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(model()->count(), 3);
  EXPECT_EQ(editor.documentTitle(), "base.rob");
  QTest::keyClick(editor.tableView(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(model()->count(), 1);
  QTest::keyClick(editor.tableView(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(model()->count(), 1);  // nothing left to redo
  EXPECT_TRUE(editor.control(KoEditorFiles::kSave)->toolTip().endsWith("(Ctrl+S)"));
}

}  // namespace
