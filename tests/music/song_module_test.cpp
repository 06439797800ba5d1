// The song module as the program loads it, decoding real files; no sound device is used.
#include <gtest/gtest.h>

#include <optional>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "editor/music/song_backend.h"
#include "song_files.h"
#include "temp_files.h"
#include "wait.h"

namespace {

class SongModuleTest : public TempFilesTest {
 protected:
  void SetUp() override {
    // Never a sound server of the machine's: the tests must not depend on one.
    qputenv("PULSE_SERVER", "unix:/nonexistent/vorn-test");
    QString why;
    backend = KoSongBackend::load(&why);
    ASSERT_NE(backend, nullptr) << qPrintable(why);
    KoSongBackend::Events events;
    events.decoded = [this](SongEnvelope e) { envelope = std::move(e); };
    events.decodeFailed = [this](const QString& why) { failure = why.isEmpty() ? "-" : why; };
    events.decodeProgress = [this](int percent) { progress.append(percent); };
    backend->setEvents(events);
  }
  bool decoded(const QString& path) {
    envelope.reset();
    failure.reset();
    progress.clear();
    backend->decode(path);
    return processUntil([this] { return envelope || failure; }, std::chrono::seconds(30));
  }

  std::unique_ptr<KoSongBackend> backend;
  std::optional<SongEnvelope> envelope;
  std::optional<QString> failure;
  QList<int> progress;
};

// Every read ends: a file without sound fails with a reason, and a good song reads after it,
// with or without a sound device.
TEST_F(SongModuleTest, BadFilesFailAndAWavClickTrackReadsToItsBeatsWithoutASoundDevice) {
  const int rate = 22050;
  const QByteArray wav = wavFile(20.0, rate, 2, clickTrack(rate, 120, 250));
  const std::tuple<const char*, QString> cases[] = {
      {"missing", dir.filePath("gone.wav")},
      {"header only", write("cut.wav", wav.left(44))},
      {"text", write("notes.flac", "la la la")},
  };
  for (const auto& [what, path] : cases) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(decoded(path));
    EXPECT_FALSE(envelope.has_value());
    EXPECT_TRUE(failure.has_value());
  }

  const QString song = write("clicks.wav", wav);
  ASSERT_TRUE(decoded(song));
  ASSERT_TRUE(envelope.has_value()) << qPrintable(failure.value_or(""));
  EXPECT_NEAR(double(envelope->durationMs), 20000, 50);
  EXPECT_NEAR(double(envelope->rms.size()) * SongEnvelope::kBinMs, 20000, 50);
  const beats::Estimate est = beats::estimate(*envelope);
  EXPECT_NEAR(est.periodMs, 500, 10);
  EXPECT_NEAR(est.firstMs, 250, 10);
  EXPECT_FALSE(progress.isEmpty());
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));

  EXPECT_FALSE(backend->hasOutput());
  backend->setSource(song);
  backend->play();
  QCoreApplication::processEvents();
  EXPECT_FALSE(backend->isPlaying());
  backend->stop();
  EXPECT_EQ(backend->positionMs(), 0);
}

}  // namespace

namespace {

// The folder VORN_MODULE_DIR names is looked in before the program's own.
TEST(SongModuleFolder, TheEnvironmentsFolderComesFirst) {
  QTemporaryDir own;
  ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/../lib/vorn/vorn_music.so",
                          own.filePath("vorn_music.so")));
  qputenv("VORN_MODULE_DIR", QFile::encodeName(own.path()));
  EXPECT_NE(KoSongBackend::load(), nullptr);
  qunsetenv("VORN_MODULE_DIR");
  QFile maps(QStringLiteral("/proc/self/maps"));
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  EXPECT_TRUE(maps.readAll().contains(QFile::encodeName(own.path())));
}

}  // namespace
