#include "model/action_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <cerrno>
#include <cstring>

#include "bytes.h"
#include "fake_channel_view.h"
#include "model/file_io.h"
#include "model/frame_encoding.h"
#include "recording_prompter.h"
#include "temp_files.h"

namespace {

const QByteArray kTwoFrames =
    hex("534f4241524d0200 0000000000000000"
        "e803f401f401f401f401f401f401"
        "f401f401f401f401f401f401f401");

using ActionFileTest = TempFilesTest;

// The texts in English for the tests that read them; the others expect text ids.
struct English {
  QTranslator translator;
  English() {
    EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/vorn_en.qm")));
    QCoreApplication::installTranslator(&translator);
  }
  ~English() { QCoreApplication::removeTranslator(&translator); }
};

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

// Each refused at once, with the reason named: a /proc file reports size 0 and a device
// none, yet either gives without end, and a FIFO's open waits for a writer that never comes.
TEST_F(ActionFileTest, AFileThatCannotBeReadGivesNoFramesAndSaysWhy) {
  QFile huge(write("huge.rob", kTwoFrames));
  ASSERT_TRUE(huge.resize(KoTools::kMaxActionFileSize + 1));  // sparse: costs no disk
  const QString fifo = dir.filePath("fifo.rob");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const English english;
  const struct {
    QString path;
    QString tip;
  } cases[] = {
      {write("short.rob", "SOBARM"), qtTrId("file_damage")},
      {dir.filePath("missing.rob"), "Could not open “missing.rob”: no such file"},
      {dir.path(), "Could not open “" + QFileInfo(dir.path()).fileName() + "”: not a regular file"},
      {huge.fileName(), "Could not open “huge.rob”: too large"},
      {"/proc/self/pagemap", "Could not open “pagemap”: too large"},
      {"/dev/zero", "Could not open “zero”: not a regular file"},
      {fifo, "Could not open “fifo.rob”: not a regular file"},
  };
  const auto peakKiB = [] {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const long before = peakKiB();
  for (const auto& c : cases) {
    RecordingPrompter::instance().tips.clear();
    EXPECT_TRUE(KoTools::openVelmarFile(c.path).isEmpty()) << c.path.toStdString();
    EXPECT_EQ(RecordingPrompter::instance().tips, QStringList{c.tip}) << c.path.toStdString();
  }
  EXPECT_LT(peakKiB() - before, 4 * KoTools::kMaxActionFileSize / 1024) << "read past the limit";
}

// A failed save names its cause in plain words and leaves the old file as it was.
TEST_F(ActionFileTest, AFailedSaveSaysWhyAndKeepsTheOldFile) {
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

// A name is the bytes the system gives; one that is not UTF-8 still names its file.
TEST_F(ActionFileTest, ANameThatIsNotUtf8Opens) {
  const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xe9-\xff\xc3(.rob";
  const QString name = KoTools::fileNameFromNative(native);
  EXPECT_EQ(KoTools::nativeFileName(name), native);
  ASSERT_EQ(KoTools::writeFile(name, kTwoFrames), KoTools::FileError::None);
  struct stat status {};
  EXPECT_EQ(::stat(native.constData(), &status), 0) << "written under another name";
  EXPECT_EQ(KoTools::openVelmarFile(name).size(), 2);
  ::unlink(native.constData());  // the temporary folder's own removal cannot name it
  for (const QByteArray& bytes :
       {QByteArray("\xed\xa0\x80"), QByteArray("a\xf4\x90\x80\x80"), QByteArray("\xe2\x82"),
        QByteArray("\xf0\x9f\x98\x80 \xc0\xaf")}) {
    EXPECT_EQ(KoTools::nativeFileName(KoTools::fileNameFromNative(bytes)), bytes)
        << bytes.toHex().toStdString();
  }
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
