// The song backend over Qt Multimedia: a module of its own, loaded when a song is first
// chosen, so that the audio libraries are not loaded by every start of the program.
#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <memory>

#include "editor/music/song_backend.h"
#include "model/song_envelope.h"

namespace {

void addBuffer(KoEnvelopeBuilder& builder, const QAudioBuffer& buffer) {
  const QAudioFormat format = buffer.format();
  const int channels = format.channelCount();
  const int rate = format.sampleRate();
  const qsizetype frames = buffer.frameCount();
  switch (format.sampleFormat()) {
    case QAudioFormat::Int16:
      builder.add(buffer.constData<qint16>(), frames, channels, rate);
      break;
    case QAudioFormat::Float:
      builder.add(buffer.constData<float>(), frames, channels, rate);
      break;
    case QAudioFormat::Int32: {
      std::vector<float> samples(size_t(frames * channels));
      const qint32* in = buffer.constData<qint32>();
      for (size_t i = 0; i < samples.size(); ++i) samples[i] = float(in[i] / 2147483648.0);
      builder.add(samples.data(), frames, channels, rate);
      break;
    }
    case QAudioFormat::UInt8: {
      std::vector<float> samples(size_t(frames * channels));
      const quint8* in = buffer.constData<quint8>();
      for (size_t i = 0; i < samples.size(); ++i) samples[i] = (in[i] - 128) / 128.0f;
      builder.add(samples.data(), frames, channels, rate);
      break;
    }
    default:
      break;
  }
}

class MediaSongBackend : public KoSongBackend {
 public:
  MediaSongBackend() {
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
                     [this](QMediaPlayer::Error error, const QString& text) {
                       if (error == QMediaPlayer::NoError) return;
                       if (events_.failed) events_.failed(text);
                     });
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this](QMediaPlayer::MediaStatus status) {
                       if (status == QMediaPlayer::EndOfMedia && events_.ended) events_.ended();
                     });
  }

  bool hasOutput() override {
    if (QMediaDevices::audioOutputs().isEmpty()) return false;
    if (!output_) {
      output_ = std::make_unique<QAudioOutput>();
      player_.setAudioOutput(output_.get());
    }
    return true;
  }
  void setSource(const QString& path) override {
    source_ = QUrl::fromLocalFile(path);
    loaded_ = false;
    load();
  }
  void play() override {
    if (load()) player_.play();
  }
  void pause() override { player_.pause(); }
  void stop() override {
    player_.pause();
    player_.setPosition(0);
  }
  bool isPlaying() const override { return player_.playbackState() == QMediaPlayer::PlayingState; }
  qint64 positionMs() const override { return player_.position(); }

  void decode(const QString& path) override {
    decoder_ = std::make_unique<QAudioDecoder>();
    builder_ = KoEnvelopeBuilder();
    duration_ = 0;
    lastPercent_ = -1;
    QAudioDecoder* decoder = decoder_.get();
    QObject::connect(decoder, &QAudioDecoder::durationChanged, decoder,
                     [this](qint64 ms) { duration_ = ms; });
    QObject::connect(decoder, &QAudioDecoder::bufferReady, decoder, [this, decoder] {
      const QAudioBuffer buffer = decoder->read();
      if (!buffer.isValid()) return;
      addBuffer(builder_, buffer);
      if (duration_ > 0 && events_.decodeProgress) {
        const int percent = int(std::clamp<qint64>(buffer.startTime() / 10 / duration_, 0, 99));
        if (percent != lastPercent_) events_.decodeProgress(lastPercent_ = percent);
      }
    });
    QObject::connect(decoder, &QAudioDecoder::finished, decoder, [this] {
      SongEnvelope envelope = builder_.finish();
      decoder_.release()->deleteLater();
      if (envelope.isEmpty()) {
        if (events_.decodeFailed) events_.decodeFailed(QString());
      } else if (events_.decoded) {
        events_.decoded(std::move(envelope));
      }
    });
    QObject::connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), decoder,
                     [this, decoder](QAudioDecoder::Error) {
                       const QString why = decoder->errorString();
                       decoder_.release()->deleteLater();
                       builder_ = KoEnvelopeBuilder();
                       if (events_.decodeFailed) events_.decodeFailed(why);
                     });
    decoder->setSource(QUrl::fromLocalFile(path));
    decoder->start();
  }

 private:
  // The output first: one attached to a loaded source is never linked into its pipeline,
  // and the song then plays without moving on. Without a device the source waits, since a
  // pipeline with nowhere to play fails with words that would only puzzle.
  bool load() {
    if (!hasOutput()) return false;
    if (!loaded_ && !source_.isEmpty()) {
      loaded_ = true;
      player_.setSource(source_);
      // Ready to go at once when the run asks, rather than after the pipeline has prerolled.
      player_.pause();
    }
    return true;
  }

  QMediaPlayer player_;
  QUrl source_;
  bool loaded_ = false;
  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QAudioDecoder> decoder_;
  KoEnvelopeBuilder builder_;
  qint64 duration_ = 0;
  int lastPercent_ = -1;
};

}  // namespace

extern "C" Q_DECL_EXPORT KoSongBackend* vornSongBackend() { return new MediaSongBackend; }
