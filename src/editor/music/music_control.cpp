#include "editor/music/music_control.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "editor/files/file_panels.h"
#include "editor/motion/curve_view.h"
#include "model/limits.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "session/online_run.h"
#include "widgets/prompter.h"
#include "widgets/svg_images.h"
#include "widgets/switch.h"
#include "widgets/widget_tools.h"

namespace {

// Often enough for the playhead to glide; the song's own position is read each time.
constexpr int kPlayheadMs = 40;
// How often a starting song is asked whether it plays: the run's first frame waits for it,
// so this is the most the frame can lag the song.
constexpr int kStartPollMs = 1;

// The song's name cut in its middle where the row is short, so its length and what is
// happening to it stay in view. Screen readers get the whole text.
class SongText final : public QLabel {
 public:
  // `tail` is never cut: " · 3:24", " · reading 42 %".
  void show(const QString& name, const QString& tail) {
    name_ = name;
    tail_ = tail;
    setText(name + tail);
  }
  QSize minimumSizeHint() const override { return {40, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics m = fontMetrics();
    const int room = std::max(0, width() - m.horizontalAdvance(tail_));
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter,
               m.elidedText(name_, Qt::ElideMiddle, room) + tail_);
  }

 private:
  QString name_;
  QString tail_;
};

QString minutes(qint64 ms) {
  const qint64 seconds = (ms + 500) / 1000;
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

KoMusicControl::KoMusicControl(KoFrameListModel* model, KoFrameHistory* history, KoOnlineRun* run,
                               KoCurveView* curves, Click click, QObject* parent)
    : QObject(parent),
      model_(model),
      history_(history),
      run_(run),
      curves_(curves),
      click_(std::move(click)),
      backends_([] { return KoSongBackend::load(); }) {
  row_ = new QWidget;
  auto* layout = new QHBoxLayout(row_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  caption_ = new QLabel;
  switch_ = new KoSwitch;
  switch_->setProperty("koTag", tagOf(kSwitch));
  KoTools::setAccessibleKeys(switch_, QT_TRID_NOOP("music"), QT_TRID_NOOP("music_tips"));
  playButton_ = new QToolButton;
  playButton_->setProperty("koTag", tagOf(kPlay));
  playButton_->setAutoRaise(true);
  playButton_->setIconSize({18, 18});
  KoTools::setAccessibleKeys(playButton_, QT_TRID_NOOP("music_play"));
  chooseButton_ = new QPushButton;
  chooseButton_->setProperty("koTag", tagOf(kChoose));
  chooseButton_->setAutoDefault(false);
  KoTools::setAccessibleKeys(chooseButton_, QT_TRID_NOOP("music_choose"),
                             QT_TRID_NOOP("music_choose_tips"));
  text_ = new SongText;
  // Takes what room the row has; a long name is cut rather than widening the panel.
  text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  text_->setMinimumWidth(40);
  KoTools::setAccessibleKeys(text_, QT_TRID_NOOP("music_text"));
  snapButton_ = new QPushButton;
  snapButton_->setProperty("koTag", tagOf(kSnap));
  snapButton_->setAutoDefault(false);
  KoTools::setAccessibleKeys(snapButton_, QT_TRID_NOOP("music_snap"),
                             QT_TRID_NOOP("music_snap_tips"));
  layout->addWidget(caption_);
  layout->addWidget(switch_);
  layout->addWidget(playButton_);
  layout->addWidget(chooseButton_);
  layout->addWidget(text_, 1);
  layout->addWidget(snapButton_);

  connect(switch_, &KoSwitch::toggledByUser, this, [this] { click_(kSwitch); });
  connect(playButton_, &QToolButton::clicked, this, [this] { click_(kPlay); });
  connect(chooseButton_, &QPushButton::clicked, this, [this] { click_(kChoose); });
  connect(snapButton_, &QPushButton::clicked, this, [this] { click_(kSnap); });
  connect(run_, &KoOnlineRun::passWaiting, this, &KoMusicControl::passWaiting);

  lead_.setSingleShot(true);
  lead_.setTimerType(Qt::PreciseTimer);
  connect(&lead_, &QTimer::timeout, this, &KoMusicControl::startSong);
  startPoll_.setInterval(kStartPollMs);
  startPoll_.setTimerType(Qt::PreciseTimer);
  connect(&startPoll_, &QTimer::timeout, this, &KoMusicControl::pollStart);
  startTimeout_.setSingleShot(true);
  startTimeout_.setInterval(kStartTimeoutMs);
  connect(&startTimeout_, &QTimer::timeout, this, [this] {
    // The run goes on by the clock; the song that would not start is let go.
    startPoll_.stop();
    run_->follow(run_->now());
    if (backend_) backend_->stop();
    runWithSong_ = false;
    emit statusChanged(qtTrId("music_not_started"), false);
    showPlaying();
  });
  playhead_.setInterval(kPlayheadMs);
  connect(&playhead_, &QTimer::timeout, this, &KoMusicControl::showPlaying);
  retranslate();
}

KoMusicControl::~KoMusicControl() {
  if (curves_) curves_->setSong(nullptr);
}

QString KoMusicControl::settingsKey(const QString& documentPath) {
  // Percent-encoded: a path's slashes would otherwise nest groups in the settings.
  return QStringLiteral("musicForFile/") +
         QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(documentPath).absoluteFilePath()));
}

KoSongBackend* KoMusicControl::backend() {
  if (backendTried_) return backend_.get();
  backendTried_ = true;
  backend_ = backends_();
  if (!backend_) return nullptr;
  KoSongBackend::Events events;
  events.decodeProgress = [this](int percent) {
    decodePercent_ = percent;
    showSong();
  };
  events.decoded = [this](SongEnvelope envelope) {
    if (!decoding_) return;
    decoding_ = false;
    envelope_ = std::move(envelope);
    beats_.reset();
    curves_->setSong(&envelope_);
    showSong();
  };
  events.decodeFailed = [this](const QString& why) {
    if (!decoding_) return;
    decoding_ = false;
    // The decoder's words are in English and for the curious: a detail, not the news.
    failure_ = why.isEmpty() ? QT_TRID_NOOP("music_no_sound") : QT_TRID_NOOP("music_not_decoded");
    detail_ = why;
    sayUnreadable();
  };
  events.failed = [this](const QString& why) {
    detail_ = why;
    // The run keeps its own time when its song fails.
    if (runWithSong_) {
      startPoll_.stop();
      startTimeout_.stop();
      run_->follow(run_->now());
      runWithSong_ = false;
    }
    // A file the player would not even load is told of by its reading, and a missing
    // device when the song is asked to play: once, either way.
    if (asked_) {
      asked_ = false;
      emit statusChanged(qtTrId(backend_->hasOutput() ? QT_TRID_NOOP("music_stopped")
                                                      : QT_TRID_NOOP("music_no_device_play")),
                         false);
    }
    showSong();
    showPlaying();
  };
  events.ended = [this] {
    asked_ = false;
    showPlaying();
  };
  backend_->setEvents(std::move(events));
  return backend_.get();
}

bool KoMusicControl::buttonClick(EditorAction action) {
  switch (action) {
    case kSwitch:
      return true;  // read when a run starts
    case kPlay:
      togglePlay();
      return true;
    case kChoose:
      if (const QString path = KoFilePanels::installed().chooseSong(); !path.isEmpty()) {
        choose(path);
      }
      return true;
    case kSnap:
      snapToBeat();
      return true;
    default:
      return false;
  }
}

void KoMusicControl::choose(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    KoTools::showTipWithMessage(qtTrId("music_missing").arg(path));
    return;
  }
  if (backend_) backend_->stop();
  setSong(path);
  if (!documentPath_.isEmpty()) QSettings().setValue(settingsKey(documentPath_), song_);
  KoSongBackend* b = backend();
  if (!b) {
    failure_ = QT_TRID_NOOP("music_unavailable");
    sayUnreadable();
  } else {
    decoding_ = true;
    decodePercent_ = 0;
    b->setSource(song_);
    b->decode(song_);
  }
  showSong();
}

void KoMusicControl::documentChanged(const QString& path) {
  // The same document again is a merge into it, or its save: its song stays.
  if (path == documentPath_) return;
  documentPath_ = path;
  const QString remembered =
      path.isEmpty() ? QString() : QSettings().value(settingsKey(path)).toString();
  if (!remembered.isEmpty() && remembered == song_) return;
  if (remembered.isEmpty() || !QFileInfo(remembered).isFile()) {
    // Another file's song would otherwise play with this one, and be remembered for it.
    stopSong();
    setSong({});
    showSong();
    return;
  }
  choose(remembered);
  emit statusChanged(qtTrId("music_offered").arg(QFileInfo(remembered).fileName()), false);
}

void KoMusicControl::setSong(const QString& path) {
  song_ = path;
  failure_.clear();
  detail_.clear();
  asked_ = false;
  // A read still going is of the song before: what it brings is not this one's.
  decoding_ = false;
  envelope_ = {};
  beats_.reset();
  curves_->setSong(nullptr);
}

void KoMusicControl::documentSaved(const QString& path) {
  documentPath_ = path;
  if (!song_.isEmpty() && !path.isEmpty()) QSettings().setValue(settingsKey(path), song_);
}

void KoMusicControl::sayUnreadable() {
  showSong();
  emit statusChanged(
      qtTrId("music_unreadable").arg(QFileInfo(song_).fileName(), qtTrId(qPrintable(failure_))),
      false);
}

void KoMusicControl::sayNoDevice() {
  if (saidNoDevice_) return;
  saidNoDevice_ = true;
  emit statusChanged(qtTrId("music_no_device"), false);
}

bool KoMusicControl::runFollowsSong() {
  runWithSong_ = false;
  if (!switch_->isOn() || song_.isEmpty() || !failure_.isEmpty()) return false;
  KoSongBackend* b = backend();
  if (!b) return false;
  if (!b->hasOutput()) {
    sayNoDevice();
    return false;
  }
  b->stop();
  runWithSong_ = true;
  asked_ = true;
  return true;
}

void KoMusicControl::passWaiting(int, int leadMs) {
  if (!runWithSong_) {
    // The song failed earlier in the run: the passes go by the clock.
    run_->follow(run_->now() + std::chrono::milliseconds(leadMs));
    return;
  }
  if (leadMs > 0) {
    lead_.start(leadMs);
  } else {
    startSong();
  }
}

void KoMusicControl::startSong() {
  if (!runWithSong_ || !backend_) return;
  backend_->stop();  // each pass plays the song from its start
  backend_->play();
  played_.start();
  startTimeout_.start();
  startPoll_.start();
  pollStart();
}

void KoMusicControl::pollStart() {
  if (!runWithSong_ || !backend_) return;
  const qint64 position = backend_->positionMs();
  // A position further on than the time since play() is the last pass's, not yet reset.
  if (!backend_->isPlaying() || position <= 0 || position > played_.elapsed() + 1) return;
  startPoll_.stop();
  startTimeout_.stop();
  // Where the song was at zero, by the run's clock: the pass's frames are due from there.
  run_->follow(run_->now() - std::chrono::milliseconds(position));
  showPlaying();
}

void KoMusicControl::runEnded() {
  lead_.stop();
  startPoll_.stop();
  startTimeout_.stop();
  if (runWithSong_ && backend_) backend_->stop();
  runWithSong_ = false;
  asked_ = false;
  showPlaying();
}

qint64 KoMusicControl::playbackPosition() const {
  return backend_ && backend_->isPlaying() ? backend_->positionMs() : -1;
}

void KoMusicControl::stopSong() {
  runEnded();
  if (backend_ && backend_->isPlaying()) backend_->stop();
  showPlaying();
}

void KoMusicControl::togglePlay() {
  if (song_.isEmpty()) return;
  KoSongBackend* b = backend();
  if (!b) return;
  if (!b->hasOutput()) {
    emit statusChanged(qtTrId("music_no_device_play"), false);
    return;
  }
  if (b->isPlaying()) {
    asked_ = false;
    b->pause();
  } else {
    asked_ = true;
    b->play();
  }
  showPlaying();
}

void KoMusicControl::snapToBeat() {
  if (envelope_.isEmpty()) {
    KoTools::showTipWithMessage(qtTrId(decoding_ ? QT_TRID_NOOP("music_reading_wait")
                                                 : QT_TRID_NOOP("music_snap_no_song")));
    return;
  }
  if (!beats_) beats_ = beats::estimate(envelope_);
  if (beats_->periodMs <= 0) {
    KoTools::showTipWithMessage(qtTrId("music_no_beat"));
    return;
  }
  QList<int> rows = selection_ ? selection_() : QList<int>{};
  std::sort(rows.begin(), rows.end());
  rows.erase(std::remove_if(rows.begin(), rows.end(), [](int r) { return r <= 0; }), rows.end());
  if (rows.isEmpty()) {
    KoTools::showTipWithMessage(qtTrId("music_snap_select"));
    return;
  }
  QList<int> times;
  times.reserve(model_->count());
  for (int row = 0; row < model_->count(); ++row) times.append(int(model_->frameAt(row)->time));
  const QList<int> snapped = beats::snapped(times, rows, beats_->timesMs,
                                            limits::kFrameTime.minimum, limits::kFrameTime.maximum);
  QList<int> changed;
  for (int row = 0; row < times.size(); ++row) {
    if (snapped[row] != times[row]) changed.append(row);
  }
  if (changed.isEmpty()) {
    emit statusChanged(qtTrId("music_on_beat"), false);
    return;
  }
  const QString ask =
      qtTrId("music_snap_ask").arg(rows.size()).arg(qRound(beats_->bpm())).arg(changed.size());
  if (!KoTools::showCancelAndOkWithMessage(ask)) return;
  history_->beginStep();
  for (int row : changed) {
    model_->setData(model_->index(row, KoFrameListModel::kTimeColumn), snapped[row], Qt::EditRole);
  }
  history_->endStep();
  emit statusChanged(qtTrId("music_snapped").arg(rows.size()), false);
}

void KoMusicControl::showSong() {
  refreshControls();
  auto* text = static_cast<SongText*>(text_);
  if (song_.isEmpty()) {
    text->show(qtTrId("music_none"), {});
    text_->setToolTip({});
    return;
  }
  const QString name = QFileInfo(song_).fileName();
  // The texts place the name first: what follows it is the tail that is never cut.
  QString shown;
  if (!failure_.isEmpty()) {
    shown = qtTrId("music_failed_text").arg(name);
  } else if (decoding_) {
    shown = qtTrId("music_reading").arg(name).arg(decodePercent_);
  } else {
    shown = QStringLiteral("%1 · %2").arg(name, minutes(envelope_.durationMs));
  }
  const qsizetype at = shown.indexOf(name);
  if (at == 0) {
    text->show(name, shown.mid(name.size()));
  } else {
    text->show({}, shown);
  }
  QString tip = song_;
  for (const QString& more :
       {failure_.isEmpty() ? QString() : qtTrId(qPrintable(failure_)), detail_}) {
    if (!more.isEmpty()) tip += QLatin1Char('\n') + more;
  }
  text_->setToolTip(tip);
}

void KoMusicControl::refreshControls() {
  const bool usable = !song_.isEmpty() && failure_.isEmpty();
  switch_->setEnabled(usable);
  if (!usable && switch_->isOn()) switch_->setOn(false);
  playButton_->setEnabled(usable);
  snapButton_->setEnabled(usable && !envelope_.isEmpty());
}

void KoMusicControl::showPlaying() {
  const bool playing = backend_ && backend_->isPlaying();
  playButton_->setIcon(KoSvgImages::icon(playing ? QStringLiteral(":/images/music-pause.svg")
                                                 : QStringLiteral(":/images/music-play.svg"),
                                         playButton_->iconSize()));
  playButton_->setToolTip(
      qtTrId(playing ? QT_TRID_NOOP("music_pause_tips") : QT_TRID_NOOP("music_play_tips")));
  curves_->setSongPosition(playing ? backend_->positionMs() : -1);
  if (playing && !playhead_.isActive()) playhead_.start();
  if (!playing) playhead_.stop();
}

void KoMusicControl::retranslate() {
  caption_->setText(qtTrId("music"));
  switch_->setToolTip(qtTrId("music_tips"));
  chooseButton_->setText(qtTrId("music_choose"));
  chooseButton_->setToolTip(qtTrId("music_choose_tips"));
  snapButton_->setText(qtTrId("music_snap"));
  snapButton_->setToolTip(qtTrId("music_snap_tips"));
  showSong();
  showPlaying();
}
