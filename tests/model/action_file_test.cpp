#include "model/action_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "bytes.h"
#include "fake_channel_view.h"
#include "model/frame_encoding.h"
#include "recording_prompter.h"
#include "temp_files.h"

namespace {

const QByteArray kTwoFrames =
    hex("534f4241524d0200 0000000000000000"
        "e803f401f401f401f401f401f401"
        "f401f401f401f401f401f401f401");

using ActionFileTest = TempFilesTest;

TEST_F(ActionFileTest, SliderFramesWriteTheDocumentedImageAndItReadsBack) {
  FakeSliders sliders(6);
  VelmarFrames frames = {
      KoTools::returnVelmarCurrentData(sliders.views(), QStringLiteral("1000"), 0),
      KoTools::returnVelmarCurrentData(sliders.views(), QStringLiteral("500"), 1)};
  EXPECT_EQ(KoTools::changeToData(frames), kTwoFrames);

  frames = KoTools::openVelmarFile(write("two.rob", kTwoFrames));
  ASSERT_EQ(frames.size(), 2);
  EXPECT_EQ(frames[1]->ID, 2);
  EXPECT_EQ(frames[1]->time, 500);
  EXPECT_EQ(frames[0]->bytes, hex("55551703 06e803 01f401 02f401 03f401 04f401 05f401 06f401"));
  EXPECT_EQ(KoTools::changeToData(frames), kTwoFrames);
}

// The header's own count and magic are not trusted; the length decides, up to what the
// header can count.
TEST_F(ActionFileTest, LengthDecidesTheFrameCount) {
  const QByteArray header = kTwoFrames.first(KoTools::kActionFileHeaderSize);
  EXPECT_EQ(KoTools::openVelmarFile(write("a.rob", header)).size(), 0);
  EXPECT_EQ(KoTools::openVelmarFile(write("b.rob", kTwoFrames.first(16 + 14 + 5))).size(), 1);
  QByteArray lying = kTwoFrames;
  lying[6] = 9;
  lying[0] = 'X';
  EXPECT_EQ(KoTools::openVelmarFile(write("c.rob", lying)).size(), 2);
  EXPECT_TRUE(RecordingPrompter::instance().tips.isEmpty());

  const qsizetype limit = KoTools::kMaxActionFrames;
  const QByteArray image = header + kTwoFrames.mid(16, 14).repeated(limit + 2);
  const VelmarFrames frames = KoTools::openVelmarFile(write(QStringLiteral("big.rob"), image));
  EXPECT_EQ(frames.size(), limit);
  EXPECT_EQ(frames.last()->ID, limit);
  EXPECT_EQ(RecordingPrompter::instance().tips, QStringList{"file_too_many_frames"});
}

TEST_F(ActionFileTest, RecordsOfAnotherLengthCannotBeWritten) {
  FakeSliders sliders(6);
  VelmarFrames frames = KoTools::readVelmarData(kTwoFrames);
  frames.append(KoTools::returnVelmarCurrentData(sliders.views(), QStringLiteral("1000"), 2));
  EXPECT_EQ(KoTools::firstUnwritableFrame(frames), -1);
  for (const int size : {0, 13, 16}) {
    frames[1]->data.resize(size);
    EXPECT_EQ(KoTools::firstUnwritableFrame(frames), 1) << size;
  }
}

TEST_F(ActionFileTest, DamagedOrMissingFileGivesNoFramesAndATip) {
  EXPECT_TRUE(KoTools::openVelmarFile(write("short.rob", "SOBARM")).isEmpty());
  EXPECT_TRUE(KoTools::openVelmarFile(dir.filePath("missing.rob")).isEmpty());
  EXPECT_TRUE(KoTools::openVelmarFile(dir.path()).isEmpty());  // a folder
  QFile huge(write("huge.rob", kTwoFrames));
  ASSERT_TRUE(huge.resize(KoTools::kMaxActionFileSize + 1));  // sparse: costs no disk
  EXPECT_TRUE(KoTools::openVelmarFile(huge.fileName()).isEmpty());
  EXPECT_EQ(RecordingPrompter::instance().tips, QStringList(4, "file_damage"));
}

// Absent channels and a value beyond the range stay in the record as they came, so the file
// is written back as it was read.
TEST_F(ActionFileTest, TheRecordIsKeptAsItCame) {
  const QByteArray record = hex("e803 b004 f401 f401 f401 5555 5555");
  VelmarFrames frames = KoTools::readVelmarData(kTwoFrames.first(16) + record);
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0]->bytes, hex("55551103 04e803 01b004 02f401 03f401 04f401"));
  EXPECT_EQ(frames[0]->action, QStringLiteral("#1 P1200 #2 P500 #3 P500 #4 P500 "));
  EXPECT_EQ(frames[0]->id(1), 1000);
  EXPECT_EQ(frames[0]->data, record);
  EXPECT_EQ(KoTools::changeToData(frames).mid(16), record);
}

TEST_F(ActionFileTest, SaveReplacesAtomicallyAndReportsFailure) {
  const QString path = dir.filePath("keep.rob");
  ASSERT_TRUE(KoTools::saveActionFile(path, kTwoFrames));
  EXPECT_EQ(read(path), kTwoFrames);

  // A second save puts a new file in the old one's place rather than writing over it, so a
  // save cut short never leaves half a file: a hard link to the old file keeps the old bytes.
  const QString link = dir.filePath("old-link.rob");
  ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
  ASSERT_TRUE(KoTools::saveActionFile(path, kTwoFrames.first(30)));
  EXPECT_EQ(read(path), kTwoFrames.first(30));
  EXPECT_EQ(read(link), kTwoFrames);

  QString error;
  EXPECT_FALSE(KoTools::saveActionFile(dir.filePath("no/such/dir/x.rob"), kTwoFrames, &error));
  EXPECT_FALSE(error.isEmpty());

  // A folder in the way: the save fails and the folder is left alone.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.rob"));
  EXPECT_FALSE(KoTools::saveActionFile(dir.filePath("taken.rob"), kTwoFrames));
  EXPECT_TRUE(QFileInfo(dir.filePath("taken.rob")).isDir());
}

// Files downloaded into several groups carry the group before 号 (vornctl's download-many).
TEST(ActionFileNames, NameTheirGroup) {
  const std::pair<const char*, int> cases[] = {{"3号a.rob", 3},     {"0号c.rob", 0},
                                               {"230号d.rob", 230}, {"231号b.rob", -1},
                                               {"-1号x.rob", -1},   {"abc.rob", -1}};
  for (const auto& [name, group] : cases) {
    EXPECT_EQ(KoTools::groupOfFileName(QString::fromUtf8(name)), group) << name;
  }
}

}  // namespace
