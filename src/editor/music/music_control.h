#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "editor/editor_actions.h"
#include "editor/music/song_backend.h"
#include "model/song_envelope.h"

class QLabel;
class QPushButton;
class QToolButton;
class QWidget;
class KoCurveView;
class KoFrameHistory;
class KoFrameListModel;
class KoOnlineRun;
class KoSwitch;

// A song to dance to: chosen for the list (and remembered for its file), read in the
// background into the loudness the curves draw under the channels, played alone to listen or
// with the online run, which then keeps time with the song rather than the clock, and whose
// beats the selected frames can be put on.
class KoMusicControl : public QObject {
  Q_OBJECT

 public:
  static constexpr EditorAction kSwitch = EditorAction::Music;
  static constexpr EditorAction kPlay = EditorAction::MusicPlay;
  static constexpr EditorAction kChoose = EditorAction::MusicChoose;
  static constexpr EditorAction kSnap = EditorAction::SnapToBeat;
  // How long a song may take to start before the run goes on without it.
  static constexpr int kStartTimeoutMs = 2000;

  using Backends = std::function<std::unique_ptr<KoSongBackend>()>;
  using Selection = std::function<QList<int>()>;
  using Click = std::function<void(EditorAction)>;

  KoMusicControl(KoFrameListModel* model, KoFrameHistory* history, KoOnlineRun* run,
                 KoCurveView* curves, Click click, QObject* parent = nullptr);
  ~KoMusicControl() override;

  // Where the backend comes from: the module by default, a silent one in tests. Set before
  // the first song.
  void setBackends(Backends backends) { backends_ = std::move(backends); }
  void setSelection(Selection selection) { selection_ = std::move(selection); }
  void setStartTimeout(int ms) { startTimeout_.setInterval(ms); }

  // The row of controls under the table's recorder row.
  QWidget* row() const { return row_; }
  KoSwitch* musicSwitch() const { return switch_; }
  QToolButton* playButton() const { return playButton_; }
  QPushButton* chooseButton() const { return chooseButton_; }
  QLabel* musicText() const { return text_; }
  QPushButton* snapButton() const { return snapButton_; }

  bool buttonClick(EditorAction action);
  void retranslate();

  // Chooses `path` as the song, remembered for the list's file when it has one.
  void choose(const QString& path);
  QString song() const { return song_; }
  const SongEnvelope& envelope() const { return envelope_; }
  // Where the song plays, in ms; -1 when it does not.
  qint64 playbackPosition() const;

  // The list now comes from `path`: its remembered song is offered, if it still exists.
  void documentChanged(const QString& path);
  // The list was saved to `path`: the song goes with it.
  void documentSaved(const QString& path);

  // The run asks whether it follows the song: the switch is on, a song is chosen and there
  // is a device to play it on (without one, a notice says so once and the run goes alone).
  bool runFollowsSong();
  // The run ended, whichever way: its song stops.
  void runEnded();
  // Stop and Escape: the song stops, with a run or played alone.
  void stopSong();

  // The settings key a file's song is kept under.
  static QString settingsKey(const QString& documentPath);

 signals:
  // A result for the status line.
  void statusChanged(const QString& text, bool lasting);

 private:
  KoSongBackend* backend();
  void passWaiting(int pass, int leadMs);
  void startSong();
  void pollStart();
  void togglePlay();
  void snapToBeat();
  void showSong();
  void showPlaying();
  void refreshControls();
  void sayNoDevice();
  // Takes `path` (none: no song) with nothing of the song before.
  void setSong(const QString& path);
  void sayUnreadable();

  KoFrameListModel* model_;
  KoFrameHistory* history_;
  KoOnlineRun* run_;
  // Drawn with the song's envelope, which this owns: told when the envelope goes.
  QPointer<KoCurveView> curves_;
  Click click_;
  Backends backends_;
  Selection selection_;
  std::unique_ptr<KoSongBackend> backend_;
  bool backendTried_ = false;

  QWidget* row_;
  QLabel* caption_;
  KoSwitch* switch_;
  QToolButton* playButton_;
  QPushButton* chooseButton_;
  QLabel* text_;
  QPushButton* snapButton_;

  QString song_;
  QString documentPath_;
  SongEnvelope envelope_;
  std::optional<beats::Estimate> beats_;
  bool decoding_ = false;
  int decodePercent_ = 0;
  // The id of why the song cannot be read, shown in the language of the moment; empty when
  // it can be read.
  QString failure_;
  // What the decoder or the player said of a failure: a detail for the song's tooltip.
  QString detail_;
  // The song was asked to play, alone or with the run: a failure now is news.
  bool asked_ = false;
  bool runWithSong_ = false;
  bool saidNoDevice_ = false;
  // The song of the run's waiting pass: started, and watched until it plays.
  QTimer lead_;
  QTimer startPoll_;
  QTimer startTimeout_;
  QElapsedTimer played_;
  // Moves the curves' playhead while the song plays.
  QTimer playhead_;
};
