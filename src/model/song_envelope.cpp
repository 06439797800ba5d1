#include "model/song_envelope.h"

#include <algorithm>
#include <cmath>
#include <limits>

float SongEnvelope::peak(double fromMs, double toMs) const {
  // Bins are reckoned as doubles and only then made indices: a NaN or a time past any index
  // has no integer to be converted to. A NaN fails both tests here.
  if (rms.empty() || !(toMs >= 0) || !(fromMs <= toMs)) return 0;
  const double lastBin = double(rms.size() - 1);
  const double from = std::max(0.0, std::floor(fromMs / kBinMs));
  if (!(from <= lastBin)) return 0;
  const qsizetype first = qsizetype(from);
  const qsizetype last = qsizetype(std::min(lastBin, std::floor(toMs / kBinMs)));
  float loudest = 0;
  for (qsizetype i = first; i <= last; ++i) loudest = std::max(loudest, rms[size_t(i)]);
  return loudest;
}

void KoEnvelopeBuilder::take(double meanSquare) {
  envelope_.rms.push_back(float(std::sqrt(meanSquare)));
}

void KoEnvelopeBuilder::add(const float* samples, qsizetype frames, int channels, int sampleRate) {
  if (!samples || frames <= 0 || channels <= 0 || sampleRate <= 0) return;
  if (sampleRate_ != sampleRate) {
    sampleRate_ = sampleRate;
    binEnd_ = double(frames_) + sampleRate * (SongEnvelope::kBinMs / 1000.0);
  }
  const double perBin = sampleRate * (SongEnvelope::kBinMs / 1000.0);
  for (qsizetype f = 0; f < frames; ++f) {
    double mixed = 0;
    for (int c = 0; c < channels; ++c) {
      // A decoder's NaN or overshoot counts as what it can stand for, so that every level
      // stays within [0, 1].
      const float s = samples[f * channels + c];
      mixed += std::isnan(s) ? 0.0f : std::clamp(s, -1.0f, 1.0f);
    }
    mixed /= channels;
    sum_ += mixed * mixed;
    ++inBin_;
    ++frames_;
    if (double(frames_) >= binEnd_) {
      take(sum_ / double(inBin_));
      sum_ = 0;
      inBin_ = 0;
      binEnd_ += perBin;
    }
  }
}

void KoEnvelopeBuilder::add(const qint16* samples, qsizetype frames, int channels, int sampleRate) {
  if (!samples || frames <= 0 || channels <= 0) return;
  // In blocks, so a long buffer needs no second copy of itself.
  constexpr qsizetype kBlock = 4096;
  std::vector<float> block;
  for (qsizetype at = 0; at < frames; at += kBlock) {
    const qsizetype n = std::min(kBlock, frames - at);
    block.resize(size_t(n * channels));
    for (qsizetype i = 0; i < n * channels; ++i) {
      block[size_t(i)] = samples[at * channels + i] / 32768.0f;
    }
    add(block.data(), n, channels, sampleRate);
  }
}

SongEnvelope KoEnvelopeBuilder::finish() {
  if (inBin_ > 0) take(sum_ / double(inBin_));
  envelope_.durationMs = sampleRate_ > 0 ? frames_ * 1000 / sampleRate_ : 0;
  SongEnvelope done = std::move(envelope_);
  *this = KoEnvelopeBuilder();
  return done;
}

namespace beats {

namespace {

// Rises in loudness on a compressed scale, so a soft passage's onsets count as well as a
// loud one's.
std::vector<double> onsetStrength(const std::vector<float>& rms) {
  std::vector<double> onset(rms.size(), 0.0);
  double previous = 0;
  for (size_t i = 0; i < rms.size(); ++i) {
    const double level = std::log1p(1000.0 * rms[i]);
    if (i > 0) onset[i] = std::max(0.0, level - previous);
    previous = level;
  }
  double mean = 0;
  for (double v : onset) mean += v;
  mean /= double(std::max<size_t>(1, onset.size()));
  for (double& v : onset) v -= mean;
  return onset;
}

}  // namespace

Estimate estimate(const SongEnvelope& envelope) {
  Estimate out;
  const std::vector<double> onset = onsetStrength(envelope.rms);
  const double bin = SongEnvelope::kBinMs;
  const int minLag = int(std::floor(60000.0 / kFastest / bin));
  const int maxLag = int(std::ceil(60000.0 / kSlowest / bin));
  const qsizetype n = qsizetype(onset.size());
  if (n < 3 * maxLag) return out;  // too short for a tempo to show

  // Correlation summed over neighbouring lags: a period that falls between two bins splits
  // its onsets' distances between them.
  std::vector<double> raw(size_t(maxLag + 3), 0.0);
  for (int lag = minLag - 2; lag <= maxLag + 2; ++lag) {
    double sum = 0;
    for (qsizetype i = 0; i + lag < n; ++i) sum += onset[size_t(i)] * onset[size_t(i + lag)];
    raw[size_t(lag)] = sum / double(n - lag);
  }
  std::vector<double> correlation(size_t(maxLag + 2), 0.0);
  for (int lag = minLag - 1; lag <= maxLag + 1; ++lag) {
    correlation[size_t(lag)] =
        0.25 * raw[size_t(lag - 1)] + 0.5 * raw[size_t(lag)] + 0.25 * raw[size_t(lag + 1)];
  }
  // Weighted towards 120 bpm, an octave either side counting for about half.
  const auto weight = [bin](int lag) {
    const double octaves = std::log2(lag * bin / 500.0);
    return std::exp(-0.5 * octaves * octaves / (1.2 * 1.2));
  };
  int best = -1;
  double bestScore = 0;
  for (int lag = minLag; lag <= maxLag; ++lag) {
    const double score = correlation[size_t(lag)] * weight(lag);
    const bool peak = correlation[size_t(lag)] >= correlation[size_t(lag - 1)] &&
                      correlation[size_t(lag)] >= correlation[size_t(lag + 1)];
    if (peak && score > bestScore) {
      bestScore = score;
      best = lag;
    }
  }
  if (best < 0) return out;
  // Every multiple of a period repeats as well as the period itself: where half the period
  // is as strong, that is the beat.
  for (;;) {
    const int half = int(std::lround(best / 2.0));
    if (half - 1 < minLag) break;
    int top = half;
    for (int lag = half - 1; lag <= half + 1; ++lag) {
      if (correlation[size_t(lag)] > correlation[size_t(top)]) top = lag;
    }
    if (correlation[size_t(top)] < 0.7 * correlation[size_t(best)]) break;
    best = top;
  }
  // Between bins: the top of a parabola through the peak and its neighbours.
  const double before = correlation[size_t(best - 1)];
  const double at = correlation[size_t(best)];
  const double after = correlation[size_t(best + 1)];
  const double curve = before - 2 * at + after;
  const double shift = curve < 0 ? std::clamp(0.5 * (before - after) / curve, -0.5, 0.5) : 0.0;
  double period = best + shift;  // in bins

  // An onset falls within a few bins of its beat: the grid's drift from a period a fraction
  // off, or a beat played a little early or late.
  const int reach = std::max(1, int(period * 0.08));
  const auto strongestNear = [&](double t) {
    qsizetype best = -1;
    for (qsizetype i = std::max<qsizetype>(0, qsizetype(std::lround(t)) - reach);
         i <= std::min(n - 1, qsizetype(std::lround(t)) + reach); ++i) {
      if (best < 0 || onset[size_t(i)] > onset[size_t(best)]) best = i;
    }
    return best;
  };
  // The phase whose grid of beats collects the most onset.
  double phase = 0;
  double bestSum = -std::numeric_limits<double>::infinity();
  for (int p = 0; p < int(std::ceil(period)); ++p) {
    double sum = 0;
    for (double t = p; t < double(n); t += period) {
      if (const qsizetype i = strongestNear(t); i >= 0) sum += onset[size_t(i)];
    }
    if (sum > bestSum) {
      bestSum = sum;
      phase = p;
    }
  }
  // Then the line through the onsets each beat of that grid found: the period and phase
  // to a fraction of a bin over the whole song, where the autocorrelation gave whole bins.
  double sk = 0, st = 0, skk = 0, skt = 0;
  int count = 0;
  int k = 0;
  for (double t = phase; t < double(n); t += period, ++k) {
    const qsizetype i = strongestNear(t);
    if (i < 0 || onset[size_t(i)] <= 0) continue;
    sk += k;
    st += double(i);
    skk += double(k) * k;
    skt += double(k) * double(i);
    ++count;
  }
  if (const double d = count * skk - sk * sk; count >= 4 && d > 0) {
    const double fitted = (count * skt - sk * st) / d;
    if (std::abs(fitted - period) < reach) {
      period = fitted;
      phase = (st - period * sk) / count;
      while (phase - period > -0.5) phase -= period;
      while (phase < -0.5) phase += period;
    }
  }
  out.periodMs = period * bin;
  out.firstMs = std::max(0.0, phase * bin);
  for (double t = out.firstMs; t < double(envelope.durationMs); t += out.periodMs) {
    out.timesMs.append(qint64(std::llround(t)));
  }
  return out;
}

QList<int> snapped(const QList<int>& timesMs, const QList<int>& selected,
                   const QList<qint64>& beatsMs, int minMs, int maxMs) {
  QList<int> times = timesMs;
  if (beatsMs.isEmpty()) return times;
  qint64 start = 0;  // of the row being looked at, with the changes made so far
  int next = 0;      // into selected
  for (int row = 0; row < times.size(); ++row) {
    while (next < selected.size() && selected[next] < row) ++next;
    if (row > 0 && next < selected.size() && selected[next] == row) {
      const qint64 previousStart = start - times[row - 1];
      // The beat nearest to where the row starts now, among those its previous frame's time
      // can reach.
      const qint64 earliest = previousStart + minMs;
      const qint64 latest = previousStart + maxMs;
      const qint64 wanted = std::clamp(start, earliest, latest);
      const auto after = std::lower_bound(beatsMs.begin(), beatsMs.end(), wanted);
      qint64 target = -1;
      if (after != beatsMs.end() && *after <= latest) target = *after;
      if (after != beatsMs.begin() && *(after - 1) >= earliest &&
          (target < 0 || wanted - *(after - 1) <= target - wanted)) {
        target = *(after - 1);
      }
      if (target >= 0) {
        times[row - 1] = int(target - previousStart);
        start = target;
      }
    }
    start += times[row];
  }
  return times;
}

}  // namespace beats
