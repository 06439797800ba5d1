#include <sys/stat.h>

#include <QtTest>
#include <QtWidgets>
#include <string_view>

#include "../model/english.h"
#include "editor/board/teach_recorder.h"
#include "editor/motion/motion_controls.h"
#include "editor/motion/pose_panel.h"
#include "editor_fixture.h"
#include "model/file_io.h"
#include "session/arm_ranges.h"

namespace {

// The panel on the editor on the virtual board, starting without poses, its questions
// answered by the test.
class PosePanelTest : public EditorOnBoardFixture {
 protected:
  void SetUp() override {
    EditorOnBoardFixture::SetUp();
    panel = std::make_unique<KoPosePanel>(editor.armRanges());
    panel->attach(&editor);
    panel->setAskers([this](QWidget*, const QString&) { return name; },
                     [this](QWidget*, bool) { return file; });
    tips().clear();
  }
  void TearDown() override {
    panel.reset();
    QSettings().remove(QLatin1String(KoNamedPoses::kSettingsKey));
    EditorOnBoardFixture::TearDown();
  }
  // Poses the sliders; a negative position hides its channel.
  void pose(std::array<int, 6> positions) {
    for (int c = 0; c < 6; ++c) {
      QCheckBox* box = editor.arraySliderTextCheckViews()[c];
      box->setChecked(positions[size_t(c)] >= 0);
      editor.buttonBoxClick(box);
      if (positions[size_t(c)] >= 0) editor.session()->setPosition(c + 1, positions[size_t(c)]);
    }
  }
  void choose(const QString& poseName) {
    const QList<QListWidgetItem*> found = panel->list()->findItems(poseName, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << poseName.toStdString();
    panel->list()->setCurrentItem(found.first());
  }
  QStringList names() const {
    QStringList out;
    for (const KoNamedPose& p : panel->poses().all()) out.append(p.name);
    return out;
  }

  std::unique_ptr<KoPosePanel> panel;
  QString name = QStringLiteral("Wave"), file;
  QTemporaryDir dir;
};

// A double-click moves the arm as the sliders would; the window opens over the editor, and its
// empty list says how to keep a pose.
TEST_F(PosePanelTest, SavesTheShownChannelsMovesTheArmAndInsertsAFrame) {
  editor.move(0, 0);
  auto* own = editor.findChild<KoPosePanel*>();
  own->openButton()->click();
  EXPECT_TRUE(own->frameGeometry().contains(editor.frameGeometry().center()));
  EXPECT_FALSE(panel->emptyHint()->isHidden());
  pose({120, -1, 300, 400, 500, 600});
  QTest::mouseClick(panel->saveButton(), Qt::LeftButton);
  EXPECT_TRUE(panel->emptyHint()->isHidden());
  EXPECT_FALSE(panel->list()->dragEnabled()) << "a pose is not dragged out of its place";
  const KoChannelPositions wave{120, std::nullopt, 300, 400, 500, 600};
  ASSERT_EQ(panel->poses().all(), (QList<KoNamedPose>{{"Wave", wave}}));
  // Drawn as the arm stands in it, on the chosen profile.
  const QImage drawn = panel->list()->item(0)->icon().pixmap(KoPosePanel::kThumbnail).toImage();
  EXPECT_EQ(drawn, KoPosePanel::thumbnail(editor.armRanges()->profile(), wave).toImage());
  const KoChannelPositions bent{120, std::nullopt, 300, 100, 100, 600};
  EXPECT_NE(drawn, KoPosePanel::thumbnail(editor.armRanges()->profile(), bent).toImage());
  EXPECT_EQ(KoNamedPoses::load().all(), panel->poses().all());

  pose({900, 900, 900, 900, 900, 900});
  choose("Wave");
  const int movesBefore = int(board.receivedWith(protocol::kMultiServoMove).size());
  emit panel->list()->itemActivated(panel->list()->currentItem());
  ASSERT_TRUE(moves(movesBefore + 5));
  EXPECT_EQ(cardText(1), "120");
  EXPECT_EQ(cardText(2), "900");  // absent from the pose: left where it was
  EXPECT_EQ(board.targetPosition(1), 120);

  addFrame(700, 800);
  const int index = editor.history()->index();
  editor.texttime()->setText("1500");
  QTest::mouseClick(panel->insertButton(), Qt::LeftButton);
  ASSERT_EQ(editor.model()->count(), 2);
  const VelmarFrame inserted = editor.model()->frameAt(0);
  EXPECT_EQ(inserted->armPositions(), (frame::ArmPositions{120, std::nullopt, 300, 400, 500, 600}));
  EXPECT_EQ(inserted->time, 1500);
  EXPECT_EQ(inserted->bytes, frame::armMove({}, 1500, inserted->armPositions()));
  EXPECT_EQ(editor.history()->index(), index + 1);

  // The gate of the Insert button holds: nothing goes in while a recording runs.
  editor.buttonClick(EditorAction::Record);
  ASSERT_TRUE(editor.motion()->recorder()->isRecording());
  tips().clear();
  QTest::mouseClick(panel->insertButton(), Qt::LeftButton);
  EXPECT_EQ(tips(), QStringList{"recording_busy"});
  editor.stopEverything(false);
  EXPECT_EQ(editor.model()->count(), 2);
}

TEST_F(PosePanelTest, NamesAreAskedAndCheckedAndImportAndExportKeepEveryPose) {
  pose({-1, -1, -1, -1, -1, -1});
  panel->saveCurrent();
  EXPECT_EQ(tips(), QStringList{"poses_no_channel"});
  EXPECT_TRUE(names().isEmpty());

  pose({100, 100, 100, 100, 100, 100});
  name.clear();  // cancelled
  panel->saveCurrent();
  EXPECT_TRUE(names().isEmpty());
  name = "Wave";
  panel->saveCurrent();
  pose({200, 200, 200, 200, 200, 200});
  prompter().answers = {false};
  panel->saveCurrent();
  EXPECT_EQ(panel->poses().all().first().positions[0], 100);
  prompter().answers = {true};
  panel->saveCurrent();
  EXPECT_EQ(panel->poses().all().first().positions[0], 200);
  EXPECT_EQ(names(), QStringList{"Wave"});

  // A name that hides what it is, or could steer a terminal, is refused.
  tips().clear();
  name = QStringLiteral("Wave\u202e");
  panel->saveCurrent();
  EXPECT_EQ(tips(), QStringList{"poses_name_unprintable"});
  EXPECT_EQ(names(), QStringList{"Wave"});

  choose("Wave");
  prompter().answers = {false};
  panel->removeSelected();
  EXPECT_EQ(names(), QStringList{"Wave"});
  prompter().answers = {true};
  panel->removeSelected();
  EXPECT_TRUE(names().isEmpty());
  EXPECT_TRUE(KoNamedPoses::load().all().isEmpty());

  // Export and import round trip; a bad file tips what is wrong and changes no pose.
  name = "Wave";
  pose({100, 200, 300, 400, 500, 600});
  panel->saveCurrent();
  file = dir.filePath("poses");  // the suffix is added
  QSignalSpy said(panel.get(), &KoPosePanel::statusChanged);
  panel->exportFile();
  ASSERT_TRUE(QFile::exists(dir.filePath("poses.json")));
  EXPECT_EQ(said.size(), 1);

  file = dir.filePath("poses.json");
  panel->importFile();
  EXPECT_EQ(names(), (QStringList{"Wave", "Wave 2"}));
  EXPECT_EQ(panel->poses().all()[1].positions, panel->poses().all()[0].positions);

  // nullptr: no such file; "fifo": a pipe nobody writes to, refused at once, not waited on.
  for (const char* content : {"not json", static_cast<const char*>(nullptr), "fifo"}) {
    SCOPED_TRACE(content ? content : "missing");
    file = dir.filePath("bad.json");
    QFile::remove(file);
    if (content && std::string_view(content) == "fifo") {
      ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (content) {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(content);
    }
    tips().clear();
    panel->importFile();
    EXPECT_EQ(tips(), QStringList{"poses_import_failed"});
    EXPECT_EQ(names(), (QStringList{"Wave", "Wave 2"}));
  }
  EXPECT_EQ(KoNamedPoses::load().all().size(), 2);

  // Settings that cannot be written are said so at each change, and the poses stay in the
  // panel to be exported; a failed export says what failed in words.
  {
    const UnwritableSettings unwritable;
    tips().clear();
    name = "Bow";
    panel->saveCurrent();
    file = dir.filePath("poses.json");
    panel->importFile();
    choose("Bow");
    prompter().answers = {true};
    panel->removeSelected();
    EXPECT_EQ(tips(), QStringList(3, "poses_not_kept"));
    EXPECT_EQ(names(), (QStringList{"Wave", "Wave 2", "Wave 3"}));
  }
  // Three across at the panel's least size, however narrow a desktop draws its buttons.
  auto* plain = new QCommonStyle;
  plain->setParent(panel.get());
  for (QPushButton* b : panel->findChildren<QPushButton*>()) {
    b->setStyle(plain);
    b->setFont(QFont(b->font().family(), 4));
  }
  panel->show();
  panel->resize(panel->minimumSizeHint());
  const QRect third = panel->list()->visualItemRect(panel->list()->item(2));
  EXPECT_EQ(third.top(), panel->list()->visualItemRect(panel->list()->item(0)).top());
  EXPECT_TRUE(panel->list()->viewport()->rect().contains(third));

  const English english;
  tips().clear();
  file = dir.filePath("no folder/poses.json");
  panel->exportFile();
  const QString reason = KoTools::describe(KoTools::FileError::NotFound);
  EXPECT_EQ(tips(), QStringList{QDir::toNativeSeparators(file) + " cannot be written: " + reason});
}

}  // namespace
