#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

#include "editor/motion/curve_view.h"
#include "editor/motion/motion_controls.h"
#include "editor/music/music_control.h"
#include "editor_fixture.h"
#include "model/notification_center.h"
#include "song_files.h"
#include "widgets/switch.h"

namespace {

using A = EditorAction;
using std::chrono::milliseconds;

// A song player that plays nothing: it notes what it was asked, starts at once (one
// millisecond in) and reads a song only when the test says how that went.
class SilentSong : public KoSongBackend {
 public:
  bool hasOutput() override { return output; }
  void setSource(const QString& path) override { source = path; }
  void play() override {
    ++plays;
    playing = true;
  }
  void pause() override { playing = false; }
  void stop() override {
    if (playing) ++stops;
    playing = false;
  }
  bool isPlaying() const override { return playing; }
  qint64 positionMs() const override { return playing && starts ? 1 : 0; }
  void decode(const QString& path) override { decoding = path; }

  void decoded(SongEnvelope envelope) { events_.decoded(std::move(envelope)); }
  void failed(const QString& why) { events_.decodeFailed(why); }
  void playFailed(const QString& why) { events_.failed(why); }

  bool output = true;
  bool starts = true;  // false: never gets under way
  bool playing = false;
  int plays = 0, stops = 0;
  QString source, decoding;
};

// 30 s of clicks at 120 bpm, as its envelope.
SongEnvelope clicks() {
  KoEnvelopeBuilder builder;
  const int rate = 8000;
  const auto sample = clickTrack(rate, 120);
  std::vector<qint16> samples(size_t(30 * rate));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = qint16(sample(qint64(i), 0) * 32767);
  builder.add(samples.data(), qsizetype(samples.size()), 1, rate);
  return builder.finish();
}

class MusicTest : public EditorOnBoardFixture, protected TempFiles {
 protected:
  void SetUp() override {
    EditorOnBoardFixture::SetUp();
    KoFilePanels::install(&panels);
    music()->setBackends([this] {
      auto made = std::make_unique<SilentSong>();
      song = made.get();
      return made;
    });
    prompter().answers.clear();
    tips().clear();
  }
  void TearDown() override {
    KoFilePanels::install(nullptr);
    EditorOnBoardFixture::TearDown();
  }
  KoMusicControl* music() const { return editor.music(); }
  // Chooses a song that reads as `envelope` through the Music… button.
  void chooseSong(const SongEnvelope& envelope = clicks(), const QString& name = "song.ogg") {
    panels.songPath = write(name, "not read by the silent player");
    editor.buttonClick(A::MusicChoose);
    ASSERT_NE(song, nullptr);
    song->decoded(envelope);
  }
  bool runStopped() {
    return processUntil([this] { return editor.online()->stopped(); });
  }

  FakePanels panels;
  SilentSong* song = nullptr;
};

// Played alone, the song moves the curves' marker and leaves the arm still; played with the
// run, it sets the frames' times, and whatever ends the run or the song alone stops it.
TEST_F(MusicTest, TheRunKeepsTimeWithTheSongEachPassAndItsEndStopAndEscapeStopTheSong) {
  for (auto [position, time] : {std::pair{100, 1000}, {200, 500}, {300, 2000}})
    addFrame(position, time);
  EXPECT_FALSE(music()->playButton()->isEnabled()) << "nothing to play yet";
  chooseSong();
  KoCurveView* curves = editor.motion()->curveView();
  EXPECT_EQ(curves->songPosition(), -1);
  editor.buttonClick(A::MusicPlay);
  EXPECT_TRUE(song->playing);
  EXPECT_EQ(curves->songPosition(), 1);
  QTranslator chinese;  // a new language offers to pause in its own words
  ASSERT_TRUE(chinese.load(QStringLiteral(":/i18n/vorn_zh-Hans.qm")));
  QCoreApplication::installTranslator(&chinese);
  KoNotificationCenter::defaultCenter().postChangeLanguage(nullptr);
  EXPECT_EQ(music()->playButton()->toolTip(), qtTrId("music_pause_tips"));
  QCoreApplication::removeTranslator(&chinese);
  EXPECT_TRUE(moveFields(kFirstServo).isEmpty()) << "the arm stays still";
  editor.buttonClick(A::MusicPlay);
  EXPECT_FALSE(song->playing);
  EXPECT_EQ(curves->songPosition(), -1);
  editor.buttonClick(A::MusicPlay);
  editor.buttonClick(A::Stop);
  EXPECT_FALSE(song->playing);

  music()->musicSwitch()->setOn(true);
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(3));
  ASSERT_TRUE(runStopped());
  // The song was 1 ms in when the run saw it playing: the frames are due from its start.
  EXPECT_EQ(clock.sleeps(), (QList<int>{-1, 999, 1499, 3499}));
  EXPECT_EQ(song->plays, 3);
  EXPECT_FALSE(song->playing) << "the end of the run stops the song";
  EXPECT_EQ(status(), "run_over");

  static_cast<KoSwitch*>(editor.control(A::Loop))->setOn(true);
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "Stop");
    const int before = song->plays;
    editor.buttonClick(A::RunOnline);
    ASSERT_TRUE(processUntil([&] { return song->plays >= before + 3; }));
    // Each pass waited for its own start of the song: one restart per pass.
    EXPECT_GE(song->stops, song->plays - 1 - before);
    escape ? editor.stopEverything(false) : editor.buttonClick(A::Stop);
    EXPECT_TRUE(editor.online()->stopped());
    EXPECT_FALSE(song->playing);
    processPending();
  }
}

TEST_F(MusicTest, WithoutTheSwitchADeviceOrAStartTheRunGoesAlone) {
  addFrame(100, 1000);
  addFrame(200, 500);
  chooseSong();
  QStringList said;
  QObject::connect(music(), &KoMusicControl::statusChanged,
                   [&](const QString& text) { said << text; });
  // Switch off: the song stays silent. On the test's clock a run is over once its frames are
  // handed on, and a new start drops what is not yet sent.
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(2));
  ASSERT_TRUE(runStopped());
  EXPECT_EQ(song->plays, 0);
  EXPECT_EQ(clock.sleeps(), (QList<int>{0, 1000, 1500}));

  // A song that never gets under way holds the run only until the time-out.
  music()->musicSwitch()->setOn(true);
  song->starts = false;
  music()->setStartTimeout(0);
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(4));
  ASSERT_TRUE(runStopped());
  EXPECT_EQ(song->plays, 1);
  EXPECT_FALSE(song->playing);

  // No sound device: every run plays, and it is said once.
  song->output = false;
  said.clear();
  for (int run = 0; run < 2; ++run) {
    editor.buttonClick(A::RunOnline);
    ASSERT_TRUE(moves(6 + 2 * run));
    ASSERT_TRUE(runStopped());
  }
  // The song button says why it plays nothing, and a device that fails is told of once.
  editor.buttonClick(A::MusicPlay);
  EXPECT_EQ(song->plays, 1);
  song->output = true;
  editor.buttonClick(A::MusicPlay);
  song->playFailed("Internal data stream error.");
  song->playFailed("Internal data stream error.");
  EXPECT_EQ(said, (QStringList{"music_no_device", "music_no_device_play", "music_stopped"}));
}

// A song that cannot be read is told of once, in the user's language, the decoder's English
// only a detail in the song's tooltip.
TEST_F(MusicTest, AMissingSongTipsAnUnreadableOneIsToldOnceAndTheRunStillPlays) {
  addFrame(100, 1000);
  panels.songPath = dir.filePath("gone.mp3");
  editor.buttonClick(A::MusicChoose);
  EXPECT_EQ(tips(), (QStringList{"music_missing"}));
  EXPECT_TRUE(music()->song().isEmpty());
  EXPECT_FALSE(music()->musicSwitch()->isEnabled());

  tips().clear();
  panels.songPath = write("noise.mp3", QByteArray(4096, '\x5a'));
  editor.buttonClick(A::MusicChoose);
  EXPECT_TRUE(music()->musicSwitch()->isEnabled()) << "usable while it is read";
  music()->musicSwitch()->setOn(true);
  QSignalSpy said(music(), &KoMusicControl::statusChanged);
  QTranslator chinese;
  ASSERT_TRUE(chinese.load(QStringLiteral(":/i18n/vorn_zh-Hans.qm")));
  QCoreApplication::installTranslator(&chinese);
  // The player balks at such a file before the decoder has read it.
  song->playFailed("Could not determine type of stream.");
  song->failed("not an audio file");
  const QString told = qtTrId("music_unreadable").arg("noise.mp3", qtTrId("music_not_decoded"));
  QCoreApplication::removeTranslator(&chinese);
  EXPECT_EQ(QList<QVariantList>(said), (QList<QVariantList>{{told, false}}));
  EXPECT_TRUE(std::any_of(told.begin(), told.end(), [](QChar c) { return c.unicode() >= 0x4e00; }));
  EXPECT_TRUE(music()->musicText()->toolTip().contains("not an audio file"));
  EXPECT_TRUE(tips().isEmpty());
  EXPECT_FALSE(music()->musicSwitch()->isOn());
  EXPECT_FALSE(music()->musicSwitch()->isEnabled());
  EXPECT_FALSE(music()->playButton()->isEnabled());
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(1));
  ASSERT_TRUE(runStopped());
  EXPECT_EQ(song->plays, 0);
}

TEST_F(MusicTest, WithoutTheAudioModuleASongTipsAndTheRunPlaysAlone) {
  addFrame(100, 1000);
  music()->setBackends([] { return std::unique_ptr<KoSongBackend>(); });
  panels.songPath = write("song.ogg", "x");
  editor.buttonClick(A::MusicChoose);
  EXPECT_EQ(status(), "music_unreadable");
  EXPECT_FALSE(music()->musicSwitch()->isEnabled());
  editor.buttonClick(A::MusicPlay);
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(1));
  EXPECT_TRUE(runStopped());
}

TEST_F(MusicTest, TheSongIsRememberedForItsFileAndOfferedWhenItOpensAgain) {
  const auto remembered = [](const QString& path) {
    return QSettings().value(KoMusicControl::settingsKey(path)).toString();
  };
  addFrame(100, 1000);
  chooseSong(clicks(), "first.ogg");
  const QString first = music()->song();
  panels.savePath = dir.filePath("dance.rob");
  editor.buttonClick(A::SaveAs);
  processPending();
  EXPECT_EQ(remembered(panels.savePath), first);
  const int rowWidth = music()->row()->sizeHint().width();
  chooseSong(clicks(), QString(200, 'n') + ".ogg");
  EXPECT_EQ(remembered(panels.savePath), music()->song())
      << "a song chosen for a saved list is its file's song";
  EXPECT_EQ(music()->row()->sizeHint().width(), rowWidth) << "a long name does not widen the row";

  // Opened again, the file offers its song, which a merge keeps; one whose song is gone, or
  // that has none, clears the row and says nothing of a song not asked for now.
  const QString other = write("other.rob", read(panels.savePath));
  const QString bare = write("bare.rob", read(panels.savePath));
  QSettings().setValue(KoMusicControl::settingsKey(panels.savePath), first);
  QSettings().setValue(KoMusicControl::settingsKey(other), dir.filePath("gone.ogg"));
  for (const auto& [path, action] :
       {std::pair{other, A::Open}, {panels.savePath, A::Open}, {bare, A::Merge}, {bare, A::Open}}) {
    music()->musicSwitch()->setOn(true);
    panels.openPath = path;
    prompter().saveAnswers = {Prompter::SaveAnswer::Discard};
    editor.buttonClick(action);
    processPending();
    const bool kept = path == panels.savePath || action == A::Merge;
    EXPECT_EQ(music()->song(), kept ? first : QString());
    EXPECT_EQ(music()->musicSwitch()->isOn(), kept);
    EXPECT_EQ(music()->musicText()->text() == "music_none", !kept);
  }
  EXPECT_EQ(song->decoding, first) << "the offered song is read again";
  song->decoded(clicks());  // too late: the row was cleared while it read
  EXPECT_TRUE(music()->envelope().isEmpty());
  EXPECT_TRUE(tips().isEmpty());
}

TEST_F(MusicTest, SnapToBeatStartsTheSelectedFramesOnBeatsInOneUndoStepOrSaysThereIsNone) {
  for (int time : {480, 630, 390, 740, 300}) addFrame(100, time);
  const auto times = [this] { return valuesOf(*editor.model(), kTimes); };
  const QList<int> before = times(), snapped{500, 500, 500, 740, 300};
  chooseSong();  // beats every 500 ms from 0
  selectRows(editor, {1, 2, 3});
  // Declined: nothing changes.
  prompter().answers = {false};
  editor.buttonClick(A::SnapToBeat);
  EXPECT_EQ(times(), before);
  const int steps = editor.history()->count();

  prompter().answers = {true};
  editor.buttonClick(A::SnapToBeat);
  processPending();
  EXPECT_EQ(times(), snapped);
  EXPECT_EQ(editor.history()->count(), steps + 1);
  editor.buttonClick(A::Undo);
  EXPECT_EQ(times(), before);

  // A song without a beat: said, and nothing changes.
  tips().clear();
  chooseSong(SongEnvelope{std::vector<float>(6000, 0.0f), 30000});
  selectRows(editor, {1});
  editor.buttonClick(A::SnapToBeat);
  EXPECT_EQ(tips(), (QStringList{"music_no_beat"}));
  EXPECT_EQ(times(), before);
}

}  // namespace
