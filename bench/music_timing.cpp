// Two figures of dancing to a song:
//  - how long a 5-minute song takes to read into its loudness envelope (WAV, and MP3, OGG
//    and FLAC where gst-launch-1.0 is there to make them);
//  - how far the online run's first frame lands from the song's start, the song played into
//    a null sink of a PulseAudio server this benchmark starts on its own socket. The song's
//    start is where its reported positions put its zero (the median over its first seconds),
//    the frame's send is when the run hands it to the link.
// A run during which the sink stops taking the song is left out and counted: this machine's
// null sink stalls plain Qt playback too. VORN_TRACE=1 prints every position seen.
// Usage: vorn_music_timing [runs]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "editor/motion/curve_view.h"
#include "editor/music/music_control.h"
#include "editor/music/song_backend.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "session/online_run.h"
#include "silent_prompter.h"
#include "song_files.h"
#include "widgets/switch.h"

namespace {

using Clock = std::chrono::steady_clock;

bool waitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void decodeFigures(const QString& dir) {
  const int rate = 44100;
  const QString wav = dir + QStringLiteral("/song.wav");
  {
    QFile f(wav);
    f.open(QIODevice::WriteOnly);
    // Clicks at 128 bpm over a soft chord: music-like enough for the decoder's work.
    const auto clicks = clickTrack(rate, 128);
    f.write(wavFile(300.0, rate, 2, [&](qint64 frame, int channel) {
      return clicks(frame, channel) +
             0.1 * std::sin(2 * M_PI * (220 + 110 * channel) * frame / rate);
    }));
  }
  QStringList songs{wav};
  const QString launch = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
  for (const auto& [suffix, encoder] :
       {std::pair{"mp3", "lamemp3enc"}, std::pair{"ogg", "vorbisenc ! oggmux"},
        std::pair{"flac", "flacenc"}}) {
    if (launch.isEmpty()) break;
    const QString out = dir + QStringLiteral("/song.") + QLatin1String(suffix);
    const QString pipeline = QStringLiteral(
                                 "filesrc location=%1 ! wavparse ! audioconvert ! %2 ! "
                                 "filesink location=%3")
                                 .arg(wav, QLatin1String(encoder), out);
    QProcess p;
    p.start(launch, QProcess::splitCommand(QStringLiteral("-q ") + pipeline));
    if (p.waitForFinished(120000) && p.exitCode() == 0) songs.append(out);
  }
  if (launch.isEmpty()) std::printf("(gst-launch-1.0 is missing: WAV only)\n");

  std::unique_ptr<KoSongBackend> backend = KoSongBackend::load();
  if (!backend) {
    std::printf("the song module is missing\n");
    return;
  }
  std::optional<SongEnvelope> got;
  QString failed;
  KoSongBackend::Events events;
  events.decoded = [&](SongEnvelope e) { got = std::move(e); };
  events.decodeFailed = [&](const QString& why) { failed = why.isEmpty() ? "no sound" : why; };
  backend->setEvents(events);
  for (const QString& song : songs) {
    std::vector<double> times;
    for (int run = 0; run < 3; ++run) {
      got.reset();
      failed.clear();
      QElapsedTimer t;
      t.start();
      backend->decode(song);
      waitFor([&] { return got || !failed.isEmpty(); }, 60000);
      if (!got) break;
      times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    if (times.empty()) {
      std::printf("%-5s could not be read: %s\n", qPrintable(QFileInfo(song).suffix()),
                  qPrintable(failed));
      continue;
    }
    std::printf(
        "read a 5-minute %-4s into its envelope: median %.0f ms of %zu (%.1f s of song, "
        "%zu bins)\n",
        qPrintable(QFileInfo(song).suffix()), median(times), times.size(),
        double(got->durationMs) / 1000, got->rms.size());
  }
}

// A PulseAudio server of our own with only a null sink, on a socket in `dir`.
QProcess* startNullSink(const QString& dir) {
  const QString pulse = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
  if (pulse.isEmpty()) return nullptr;
  auto* server = new QProcess;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
  env.insert(QStringLiteral("HOME"), dir);
  server->setProcessEnvironment(env);
  const QString socket = dir + QStringLiteral("/native");
  server->start(pulse,
                {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                 QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                 // Real-time scheduling made this server drop data on a busy machine.
                 QStringLiteral("--realtime=false"), QStringLiteral("--high-priority=false"),
                 QStringLiteral("--system=false"), QStringLiteral("-L"),
                 QStringLiteral("module-null-sink"), QStringLiteral("-L"),
                 QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
  if (!waitFor([&] { return QFile::exists(socket); }, 10000)) {
    server->kill();
    delete server;
    return nullptr;
  }
  qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
  return server;
}

void syncFigures(const QString& dir, int runs) {
  const QString wav = dir + QStringLiteral("/song.wav");
  KoFrameListModel model;
  for (int i = 0; i < 20; ++i) {
    auto frame = std::make_shared<KoVelmarPwmModel>();
    frame->time = 500;
    model.append(frame);
  }
  KoFrameHistory history(&model);
  KoCurveView curves(&model);
  std::atomic<Clock::rep> firstSend{0};
  KoOnlineRun run([&](int frame) {
    if (frame == 0) firstSend = Clock::now().time_since_epoch().count();
  });
  KoMusicControl music(&model, &history, &run, &curves, [](EditorAction) {});
  music.choose(wav);
  if (!waitFor([&] { return !music.envelope().isEmpty(); }, 30000)) {
    std::printf("the song could not be read\n");
    return;
  }
  music.musicSwitch()->setOn(true);
  std::vector<double> offsets;
  int stalled = 0;
  // The first run warms the pipeline up and is not counted.
  for (int r = -1; r < runs; ++r) {
    firstSend = 0;
    if (!music.runFollowsSong()) {
      std::printf("no sound device: the null sink did not come up\n");
      return;
    }
    run.start(QList<int>(model.count(), 500), false, 0, KoOnlineRun::Timing::FollowSong);
    // The song's zero by the steady clock, from each position it reports once under way.
    std::vector<double> zeros;
    QElapsedTimer t;
    t.start();
    qint64 last = -1;
    qint64 lastMoved = 0;
    bool stall = false;
    while (t.elapsed() < 2500) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      // Read through the control's own backend, as the run's start was.
      const qint64 position = music.playbackPosition();
      if (position != last) lastMoved = t.elapsed();
      // A sink that stops taking the song for a fifth of a second has stalled: what the run
      // did cannot be told from what the sink did.
      if (position > 0 && t.elapsed() - lastMoved > 200) stall = true;
      if (qEnvironmentVariableIsSet("VORN_TRACE") && position != last)
        std::printf("run %d t=%lld pos=%lld\n", r, (long long)t.elapsed(), (long long)position);
      last = position;
      if (position > 100 && position < 2000) {
        zeros.push_back(
            std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count() -
            double(position));
      }
    }
    run.stop();
    music.runEnded();
    if (r < 0) continue;
    if (!firstSend || zeros.empty()) {
      std::printf("run %d: the song did not start\n", r);
      continue;
    }
    if (stall) {
      ++stalled;
      continue;
    }
    const double send =
        std::chrono::duration<double, std::milli>(Clock::duration(firstSend.load())).count();
    offsets.push_back(send - median(zeros));
    waitFor([] { return false; }, 200);
  }
  if (stalled) std::printf("%d of %d runs left out: the sink stalled during them\n", stalled, runs);
  if (offsets.empty()) return;
  std::vector<double> magnitudes;
  for (double o : offsets) magnitudes.push_back(std::abs(o));
  std::printf(
      "first frame against the song's start, %zu runs: median %.1f ms, max %.1f ms "
      "(signed:",
      offsets.size(), median(magnitudes), *std::max_element(magnitudes.begin(), magnitudes.end()));
  for (double o : offsets) std::printf(" %+.1f", o);
  std::printf(")\n");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SilentPrompter prompter;
  KoTools::installPrompter(&prompter);
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
  QTemporaryDir dir;
  // The sink first: Qt's audio devices are looked for once, when first asked.
  QProcess* server = startNullSink(dir.path());
  decodeFigures(dir.path());
  if (!server) {
    std::printf("pulseaudio is missing or did not start: no start-offset figure\n");
    return 0;
  }
  syncFigures(dir.path(), runs);
  server->terminate();
  server->waitForFinished(3000);
  delete server;
  return 0;
}
