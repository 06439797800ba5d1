// A song's samples come from whatever decoder reads the file: any values, channel counts and
// rates, the rate even changing midway. Folding them into an envelope, asking its loudness
// over any span of time and estimating its beat must keep every level within full scale and
// every beat within the song, and convert nothing to an integer that cannot hold it.
//
// The input is a run of blocks: a kind byte (bit 0: 16-bit rather than float samples), the
// channel count and the rate as 32-bit numbers, a sample count, the samples; then what is
// left is read as pairs of times (64-bit doubles, NaN and infinities included) to ask peak().
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/song_envelope.h"

namespace {

void require(bool ok) {
  if (!ok) __builtin_trap();
}

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  template <class T>
  bool take(T* out) {
    if (size_ - at_ < sizeof(T)) return false;
    std::memcpy(out, data_ + at_, sizeof(T));
    at_ += sizeof(T);
    return true;
  }
  size_t left() const { return size_ - at_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

template <class Sample>
void addBlock(KoEnvelopeBuilder& builder, Reader& in, int32_t channels, int32_t rate,
              uint16_t count) {
  std::vector<Sample> samples(std::min<size_t>(count, in.left() / sizeof(Sample)));
  for (Sample& s : samples) in.take(&s);
  // Frames as a decoder hands them: whole ones, never more than the buffer holds.
  const qsizetype frames = channels > 0 ? qsizetype(samples.size()) / channels : 0;
  builder.add(samples.data(), frames, channels, rate);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in(data, size);
  KoEnvelopeBuilder builder;
  uint8_t kind = 0;
  int32_t channels = 0;
  int32_t rate = 0;
  uint16_t count = 0;
  while (in.take(&kind) && (kind & 0x80) == 0 && in.take(&channels) && in.take(&rate) &&
         in.take(&count)) {
    if (kind & 1) {
      addBlock<qint16>(builder, in, channels, rate, count);
    } else {
      addBlock<float>(builder, in, channels, rate, count);
    }
  }
  const SongEnvelope envelope = builder.finish();
  require(envelope.durationMs >= 0);
  float loudest = 0;
  for (const float level : envelope.rms) {
    require(level >= 0 && level <= 1);
    loudest = std::max(loudest, level);
  }

  double span[2];
  while (in.take(&span[0]) && in.take(&span[1])) {
    const float peak = envelope.peak(span[0], span[1]);
    require(peak >= 0 && peak <= loudest);
  }

  const beats::Estimate estimate = beats::estimate(envelope);
  require(std::isfinite(estimate.periodMs) && estimate.periodMs >= 0);
  qint64 previous = -1;
  for (const qint64 t : estimate.timesMs) {
    require(t > previous && t <= envelope.durationMs);
    previous = t;
  }
  return 0;
}
