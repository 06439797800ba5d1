#pragma once

#include <QByteArray>
#include <cmath>
#include <functional>

// A 16-bit PCM WAV file of `seconds`, each sample from `sample(frame, channel)` in [-1, 1].
inline QByteArray wavFile(double seconds, int rate, int channels,
                          const std::function<double(qint64 frame, int channel)>& sample) {
  const auto frames = qint64(std::llround(seconds * rate));
  const auto dataBytes = quint32(frames * channels * 2);
  QByteArray out;
  const auto le = [&out](qint64 v, int bytes) {  // little-endian
    for (int i = 0; i < bytes; ++i) out.append(char(v >> (8 * i)));
  };
  out.append("RIFF");
  le(36 + dataBytes, 4);
  // The format chunk: PCM, channels, rate, bytes a second, bytes a frame, bits a sample.
  out.append("WAVEfmt ");
  const std::pair<qint64, int> format[] = {
      {16, 4},           {1, 2}, {channels, 2}, {rate, 4}, {rate * channels * 2, 4},
      {channels * 2, 2}, {16, 2}};
  for (const auto& [value, bytes] : format) le(value, bytes);
  out.append("data");
  le(dataBytes, 4);
  out.reserve(out.size() + qsizetype(dataBytes));
  for (qint64 f = 0; f < frames; ++f)
    for (int c = 0; c < channels; ++c)
      le(quint16(qint16(std::lround(std::clamp(sample(f, c), -1.0, 1.0) * 32767))), 2);
  return out;
}

// A click of `clickMs` on every beat of `bpm` from `firstMs`, silent between: a metronome.
inline std::function<double(qint64, int)> clickTrack(int rate, double bpm, double firstMs = 0,
                                                     double clickMs = 15) {
  return [=](qint64 frame, int) {
    const double ms = frame * 1000.0 / rate - firstMs;
    if (ms < 0) return 0.0;
    const double intoBeat = std::fmod(ms, 60000.0 / bpm);
    if (intoBeat >= clickMs) return 0.0;
    return 0.8 * std::sin(2 * M_PI * 1000.0 * frame / rate) * (1 - intoBeat / clickMs);
  };
}
