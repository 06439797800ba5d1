#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "model/song_envelope.h"

// What plays and reads songs for the editor. The real one lives in a module of its own,
// loaded the first time a song is chosen: the audio libraries it needs would otherwise be
// loaded by every start of the program, used or not. Tests put a silent one in its place.
//
// Plain C++ without signals, so that the module shares no meta-object with the program:
// the backend reports through the callbacks set on it, on the main thread.
class KoSongBackend {
 public:
  struct Events {
    // Playback stopped by an error; the reason is a sentence for the user.
    std::function<void(const QString& reason)> failed;
    // The song played to its end.
    std::function<void()> ended;
    // Reading a song for its envelope: how far it has got, 0 to 100.
    std::function<void(int percent)> decodeProgress;
    std::function<void(SongEnvelope envelope)> decoded;
    std::function<void(const QString& reason)> decodeFailed;
  };

  virtual ~KoSongBackend() = default;

  void setEvents(Events events) { events_ = std::move(events); }

  // A device to play on. Without one nothing plays, but songs are still read.
  virtual bool hasOutput() = 0;
  virtual void setSource(const QString& path) = 0;
  // From where the song stands; from its start after stop().
  virtual void play() = 0;
  virtual void pause() = 0;
  virtual void stop() = 0;
  virtual bool isPlaying() const = 0;
  // Where the song is in its playing, as exactly as the device tells it.
  virtual qint64 positionMs() const = 0;
  // Reads the whole song in the background into its envelope; a new read replaces one in
  // progress.
  virtual void decode(const QString& path) = 0;

  // The module's backend, or nothing when the module or its libraries are missing.
  static std::unique_ptr<KoSongBackend> load(QString* why = nullptr);

 protected:
  Events events_;
};

// The module's one entry point.
using KoSongBackendFactory = KoSongBackend* (*)();
inline constexpr char kSongBackendEntry[] = "vornSongBackend";
