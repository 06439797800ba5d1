#pragma once

#include <QList>
#include <QtGlobal>
#include <vector>

// A song's loudness over time, in bins short enough to place a frame on a beat by eye and to
// find the beats from: what the curve view draws under the channels and what the beat
// estimate reads. A few hundred kilobytes for a long song, where its samples would be tens
// of megabytes.
struct SongEnvelope {
  static constexpr int kBinMs = 5;
  // Root mean square of each bin, 1 being full scale.
  std::vector<float> rms;
  qint64 durationMs = 0;

  bool isEmpty() const { return rms.empty(); }
  // The loudest bin from `fromMs` up to `toMs`, 0 outside the song.
  float peak(double fromMs, double toMs) const;
};

// Folds decoded samples, buffer by buffer in the order they play, into an envelope.
class KoEnvelopeBuilder {
 public:
  // Samples interleaved by channel, each in [-1, 1] (a NaN counts as silence, a sample beyond
  // as full scale). The format may not change midway.
  void add(const float* samples, qsizetype frames, int channels, int sampleRate);
  // The same for 16-bit samples, the form most decoders give.
  void add(const qint16* samples, qsizetype frames, int channels, int sampleRate);
  SongEnvelope finish();

 private:
  void take(double meanSquare);

  SongEnvelope envelope_;
  int sampleRate_ = 0;
  qint64 frames_ = 0;
  double sum_ = 0;    // of squares in the bin being filled
  qint64 inBin_ = 0;  // frames in it
  // Bins are cut at whole frames; the fraction left over carries on so that no drift builds
  // up over minutes at rates that do not divide into kBinMs.
  double binEnd_ = 0;
};

namespace beats {

// The tempo range looked in, in beats per minute.
inline constexpr double kSlowest = 50;
inline constexpr double kFastest = 220;

struct Estimate {
  double periodMs = 0;  // 0 when the song has no beat to find
  double firstMs = 0;   // the first beat's time
  QList<qint64> timesMs;
  double bpm() const { return periodMs > 0 ? 60000.0 / periodMs : 0; }
};

// Onset strength from rises in loudness, the tempo from its autocorrelation (favouring
// periods near half a second, where a piece has its beat more often than at its halves or
// doubles), then the phase at which beats best fall on onsets.
Estimate estimate(const SongEnvelope& envelope);

// The list's frame times after its `selected` rows (ascending) are made to start on the
// beat nearest to where each starts now. A frame starts when the ones before it have had
// their times, so it is the time of the frame before each that changes; the frames after
// move with it. Each changed time stays within [minMs, maxMs]: a frame with no beat left in
// reach keeps its time. The first row starts with the song and cannot move.
QList<int> snapped(const QList<int>& timesMs, const QList<int>& selected,
                   const QList<qint64>& beatsMs, int minMs, int maxMs);

}  // namespace beats
