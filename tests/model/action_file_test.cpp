#include "model/action_file.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstring>
#include <tuple>

#include "bytes.h"
#include "english.h"
#include "model/file_io.h"
#include "model/frame_encoding.h"
#include "model/pose.h"
#include "temp_files.h"

namespace {

const QByteArray kTwoFrames =
    hex("534f4241524d0200 0000000000000000"
        "e803f401f401f401f401f401f401"
        "f401f401f401f401f401f401f401");

using ActionFileTest = TempFilesTest;

TEST_F(ActionFileTest, SliderFramesWriteTheDocumentedImageAndItReadsBack) {
  KoPose shortPose;
  shortPose.time = 500;
  VelmarFrames frames = {KoTools::frameOfPose(KoPose(), 0), KoTools::frameOfPose(shortPose, 1)};
  EXPECT_EQ(KoTools::changeToData(frames), kTwoFrames);

  frames = KoTools::openVelmarFile(write("two.rob", kTwoFrames)).frames;
  ASSERT_EQ(frames.size(), 2);
  EXPECT_EQ(frames[1]->ID, 2);
  EXPECT_EQ(frames[1]->time, 500);
  EXPECT_EQ(frames[0]->bytes, hex("55551703 06e803 01f401 02f401 03f401 04f401 05f401 06f401"));
  EXPECT_EQ(KoTools::changeToData(frames), kTwoFrames);
}

// Not the header's count or magic but the length decides, up to what the header can count.
// The header check tells vornctl and the module, which refuse a file without the magic.
TEST_F(ActionFileTest, LengthDecidesTheFrameCount) {
  using Fault = KoTools::ActionImageCheck::Fault;
  const auto told = [](const QByteArray& image) {
    const KoTools::ActionImageCheck c = KoTools::checkActionImage(image);
    return std::tuple(c.fault, c.position, c.spareBytes);
  };
  const QByteArray header = kTwoFrames.first(KoTools::kActionFileHeaderSize);
  QByteArray lying = kTwoFrames;
  lying[6] = 9;
  lying[0] = 'X';
  const std::tuple<QByteArray, int, Fault, qsizetype> images[] = {
      {header, 0, Fault::None, 0},
      {kTwoFrames.first(16 + 14 + 5), 1, Fault::None, 5},
      {lying, 2, Fault::NotActionFile, 0}};
  for (const auto& [image, count, fault, spare] : images) {
    const auto opened = KoTools::openVelmarFile(write("a.rob", image));
    EXPECT_EQ(opened.frames.size(), count);
    EXPECT_FALSE(opened.problem);
    EXPECT_EQ(told(image), std::tuple(fault, 0, spare));
  }
  EXPECT_EQ(told(header.first(15)), std::tuple(Fault::Short, 15, 0));

  const qsizetype limit = KoTools::kMaxActionFrames;
  const QByteArray image = header + kTwoFrames.mid(16, 14).repeated(limit + 1);
  const auto big = KoTools::openVelmarFile(write(QStringLiteral("big.rob"), image));
  EXPECT_EQ(big.frames.size(), limit);
  EXPECT_EQ(big.frames.last()->ID, limit);
  ASSERT_TRUE(big.problem);
  EXPECT_EQ(big.problem->kind, KoTools::FileProblem::Kind::TooManyFrames);
  EXPECT_EQ(big.problem->name, "big.rob");
  EXPECT_EQ(told(image), std::tuple(Fault::TooManyFrames, 16 + 14 * limit, 0));
  EXPECT_EQ(std::get<0>(told(image.chopped(14))), Fault::None);
}

// Each refused at once, with the reason named: a /proc file reports size 0 yet never ends.
TEST_F(ActionFileTest, AFileThatCannotBeReadGivesNoFramesAndSaysWhy) {
  QFile huge(write("huge.rob", kTwoFrames));
  ASSERT_TRUE(huge.resize(KoTools::kMaxActionFileSize + 1));  // sparse: costs no disk
  const English english;
  const std::pair<QString, QString> cases[] = {
      // the reason, none for a damaged file
      {write("short.rob", "SOBARM"), {}},  {dir.filePath("missing.rob"), "no such file"},
      {dir.path(), "not a regular file"},  {huge.fileName(), "too large"},
      {"/proc/self/pagemap", "too large"},
  };
  const auto peakKiB = [] {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const long before = peakKiB();
  using Kind = KoTools::FileProblem::Kind;
  for (const auto& [path, why] : cases) {
    SCOPED_TRACE(path.toStdString());
    const auto opened = KoTools::openVelmarFile(path);
    EXPECT_TRUE(opened.frames.isEmpty());
    ASSERT_TRUE(opened.problem);
    EXPECT_EQ(opened.problem->kind, why.isEmpty() ? Kind::Damaged : Kind::Unreadable);
    EXPECT_EQ(opened.problem->name, QFileInfo(path).fileName());
    if (!why.isEmpty()) {
      EXPECT_EQ(KoTools::describe(opened.problem->error), why);
    }
  }
  EXPECT_LT(peakKiB() - before, 4 * KoTools::kMaxActionFileSize / 1024) << "read past the limit";
}

// A save puts a new file in the old one's place, never half a file: a hard link to the old one
// keeps its bytes. A failed save names its cause and leaves the old file as it was.
TEST_F(ActionFileTest, ASaveReplacesTheOldFileAndAFailedOneSaysWhyAndKeepsIt) {
  const QString kept = dir.filePath("keep.rob"), link = dir.filePath("old-link.rob");
  ASSERT_TRUE(KoTools::saveActionFile(kept, kTwoFrames));
  ASSERT_EQ(::link(QFile::encodeName(kept).constData(), QFile::encodeName(link).constData()), 0);
  ASSERT_TRUE(KoTools::saveActionFile(kept, kTwoFrames.first(30)));
  EXPECT_EQ(read(kept), kTwoFrames.first(30));
  EXPECT_EQ(read(link), kTwoFrames);

  const QByteArray small = QFile::encodeName(dir.filePath("small"));
  ASSERT_EQ(::mkdir(small.constData(), 0700), 0);
  if (::mount("tmpfs", small.constData(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small disk here: " << std::strerror(errno);
  }
  const struct Unmount {
    const char* at;
    ~Unmount() { ::umount2(at, MNT_DETACH); }
  } unmount{small.constData()};
  const English english;
  const QString path = dir.filePath("small/wave.rob");
  ASSERT_TRUE(KoTools::saveActionFile(path, kTwoFrames));
  QString error;
  EXPECT_FALSE(KoTools::saveActionFile(path, QByteArray(1 << 20, 'x'), &error));
  EXPECT_EQ(error, "disk full");
  EXPECT_EQ(read(path), kTwoFrames);
  const auto everything = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
  EXPECT_EQ(QDir(dir.filePath("small")).entryList(everything), QStringList{"wave.rob"});
  ASSERT_EQ(::mount(nullptr, small.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  EXPECT_FALSE(KoTools::saveActionFile(path, kTwoFrames, &error));
  EXPECT_EQ(error, "read-only file system");
}

// Absent channels and a value beyond the range are written back as they were read.
TEST_F(ActionFileTest, TheRecordIsKeptAsItCame) {
  const QByteArray record = hex("e803 b004 f401 f401 f401 5555 5555");
  VelmarFrames frames = KoTools::readVelmarData(kTwoFrames.first(16) + record);
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0]->bytes, hex("55551103 04e803 01b004 02f401 03f401 04f401"));
  EXPECT_EQ(frames[0]->action, QStringLiteral("#1 P1200 #2 P500 #3 P500 #4 P500 "));
  EXPECT_EQ(frames[0]->id(1), 1000);
  EXPECT_EQ(KoTools::changeToData(frames).mid(16), record);
}

// Files for several groups carry the group before 号 (the batch rule: vornctl's tests).
TEST(ActionFileNames, NameTheirGroup) {
  const std::pair<const char*, int> cases[] = {{"3号a.rob", 3},     {"0号c.rob", 0},
                                               {"230号d.rob", 230}, {"231号b.rob", -1},
                                               {"-1号x.rob", -1},   {"abc.rob", -1}};
  for (const auto& [name, group] : cases) {
    EXPECT_EQ(KoTools::groupOfFileName(QString::fromUtf8(name)), group) << name;
  }
}

}  // namespace
