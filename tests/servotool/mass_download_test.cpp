#include <QComboBox>
#include <QListWidget>

#include "link/action_downloader.h"
#include "model/action_text.h"
#include "servotool/mass_download_panel.h"
#include "temp_files.h"
#include "tool_fixture.h"
#include "widgets/colours.h"

namespace {

class MassDownloadTest : public ToolFixture, protected TempFiles {
 protected:
  void SetUp() override {
    ToolFixture::SetUp();
    showTool();
    tips().clear();
    mass().setFileChooser([this] { return chosen; });
  }

  KoMassDownloadPanel& mass() { return *tool.massDownload(); }

  // An action file of `frames` frames moving channel 1.
  QString rob(const QString& name, int frames) {
    QList<KoTools::ActionRecord> records;
    for (int i = 0; i < frames; ++i)
      records.append(KoTools::ActionRecord{500, {quint16(100 + i), 500, 500, 500, 500, 500}});
    return write(name, KoTools::actionImage(records));
  }

  void choose(const QStringList& names) {
    chosen.clear();
    for (const QString& n : names) chosen.append(rob(n, n.startsWith('1') ? 3 : 2));
    click(mass().buttonbatchOpen);
  }

  // `whileRunning` is called once the download has started; `endsAlone` says it may end on
  // the worker's own time-out before the click returns, and so clear the link's flag.
  void download(const std::function<void()>& whileRunning = {}, bool endsAlone = false) {
    click(mass().buttonbatchDownload);
    ASSERT_TRUE(mass().downloader().isRunning());
    EXPECT_TRUE(endsAlone || link.download());
    EXPECT_EQ(mass().buttonbatchDownload->myTitle(), "progress");
    expectReadable();
    if (whileRunning) whileRunning();
    ASSERT_TRUE(processUntil([this] { return !mass().downloader().isRunning(); }));
    processPending();
    EXPECT_FALSE(link.download());
    EXPECT_EQ(mass().buttonbatchDownload->myTitle(), "mass_download");
    for (const QString& line : lines())
      EXPECT_FALSE(line.contains("sending")) << line.toStdString();
    expectReadable();
  }

  // The button changes its fill while a download runs; its title must read on both.
  void expectReadable() {
    const KoImageTitleButton* b = mass().buttonbatchDownload;
    EXPECT_GE(KoColours::contrastRatio(b->titleColor(), b->fillColor()), 4.5);
  }

  // Empty, not a crash, when a failed step left no tip.
  static QString lastTip() { return tips().value(tips().size() - 1); }

  QStringList lines() const {
    QStringList shown;
    for (int i = 0; i < tool.massDownload()->listFiles->count(); ++i) {
      shown.append(tool.massDownload()->listFiles->item(i)->text());
    }
    return shown;
  }

  QStringList chosen;
};

// Before sending, the list says where each file goes or why not; after, how each came out.
TEST_F(MassDownloadTest, TheListNamesEveryFileItsGroupOrWhyItIsRefused) {
  chosen = {rob("0号a.rob", 2),  rob("12号b.rob", 3),           rob("231号c.rob", 2),
            rob("plain.rob", 2), write("7号broken.rob", "SOB"), rob("9号long.rob", 1021)};
  click(mass().buttonbatchOpen);
  EXPECT_TRUE(tips().isEmpty());
  EXPECT_EQ(mass().actions(), (QStringList{"0", "12"}));
  EXPECT_EQ(mass().boxActions->currentText(), "0");
  EXPECT_EQ(lines(), (QStringList{"0号a.rob: group 0", "12号b.rob: group 12",
                                  "231号c.rob: refused, the group is over 230",
                                  "plain.rob: refused, the name has no group number",
                                  "7号broken.rob: refused, the file is damaged",
                                  "9号long.rob: refused, 1021 frames, a group holds 1020"}));

  download();
  EXPECT_EQ(lastTip(), qtTrId("download_success"));
  EXPECT_EQ(lines().mid(0, 3),
            (QStringList{"0号a.rob: stored in group 0", "12号b.rob: stored in group 12",
                         "231号c.rob: refused, the group is over 230"}));
  ASSERT_TRUE(board.group(0) && board.group(12));
  EXPECT_EQ(board.group(0)->size(), 2);
  EXPECT_EQ(board.group(12)->size(), 3);
  EXPECT_EQ(board.group(12)->at(2).toHex(' '),
            "06 f4 01 01 66 00 02 f4 01 03 f4 01 04 f4 01 05 "
            "f4 01 06 f4 01");
  EXPECT_FALSE(board.group(231) || board.group(7) || board.group(9));
  EXPECT_EQ(mass().boxActions->currentText(), "12");
}

// While a download runs the tool refuses its controls. The board goes at the second file's
// first frame: the list and the tip name that file, and say the first one is stored.
TEST_F(MassDownloadTest, ALostBoardIsNamedAndTheFilesAfterItAreNotSent) {
  choose({QStringLiteral("3号a.rob"), QStringLiteral("4号b.rob"), QStringLiteral("5号c.rob")});
  mass().downloader().setAckTimeout(std::chrono::hours(1));
  board.unplugAfterFrames(6 + 3);
  download([this] {
    for (int tag : {int(KoSteerDebuggingTool::kDefault), int(KoSteerDebuggingTool::kRead),
                    int(KoMassDownloadPanel::kOpen), int(KoMassDownloadPanel::kDownload)}) {
      tips().clear();
      tool.buttonClick(tag);
      EXPECT_EQ(tips(), QStringList{qtTrId("progress")}) << tag;
    }
    // The file going out says which frame.
    ASSERT_TRUE(processUntil([this] { return lines().first().contains("frame"); }));
    EXPECT_TRUE(lines().first().startsWith("3号a.rob: group 3, sending frame "))
        << lines().first().toStdString();
  });
  const QString failed =
      qtTrId("download_fail").arg("4号b.rob", "4", qtTrId("download_board_lost"));
  EXPECT_EQ(lines(), (QStringList{"3号a.rob: stored in group 3", failed,
                                  "5号c.rob: not sent, an earlier file failed"}));
  EXPECT_EQ(lastTip(), failed + ' ' + qtTrId("download_fail_earlier_kept"));
  EXPECT_TRUE(board.group(3));
  EXPECT_FALSE(board.group(4) || board.group(5));

  tips().clear();
  click(mass().buttonbatchDownload);
  EXPECT_EQ(tips(), QStringList{qtTrId("connect_robot")});
}

TEST_F(MassDownloadTest, ALostAcknowledgementRestoresThePanel) {
  choose({QStringLiteral("5号wave.rob")});
  mass().downloader().setAckTimeout(std::chrono::milliseconds(0));
  board.dropAcknowledgement(1);
  download({}, true);
  EXPECT_EQ(
      tips(),
      QStringList{qtTrId("download_fail").arg("5号wave.rob", "1", qtTrId("download_no_ack"))});
}

}  // namespace
