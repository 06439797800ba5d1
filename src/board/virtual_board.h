#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

#include "link/servo_info.h"
#include "model/limits.h"

// The controller board, simulated: it answers every command the way the real board's
// replies are laid out and keeps the state a user can see (servo positions that take their
// time to change, trims, unloaded servos that can be posed by hand, every stored group, a
// running group, bus servos). Faults can be injected for tests. Lives on the main thread;
// only isPlugged() may be asked from other threads.
class VirtualBoard : public QObject {
  Q_OBJECT

 public:
  using Clock = std::chrono::steady_clock;

  struct ReceivedFrame {
    QByteArray bytes;
    Clock::time_point at;    // when the board took it, on the board's thread
    Clock::time_point sent;  // when the host's write handed it on, on the writing thread
  };

  // A bus servo: its parameter record, readings included, as it reports them. In motor mode
  // its position advances by `speed` units a second, wrapping round the position range.
  struct BusServo {
    KoServoInfo info = leftTheFactory();
    bool motorMode = false;
    int speed = 0;
    bool keepsId = false;  // takes a write but not its new id, as a servo with a locked id
    Clock::time_point turnedUntil{};  // the time its position was last brought up to

    // Id 1, the limits' start values, and readings of a servo at rest in the middle.
    static KoServoInfo leftTheFactory();
  };

  // One stored frame: the move payload of a download step 4 (count, time, triples).
  using StoredGroup = QList<QByteArray>;

  static constexpr int kGroupCount = limits::kGroupCount;
  static constexpr std::chrono::milliseconds kUsbRoundTrip{2};

  explicit VirtualBoard(QObject* parent = nullptr);

  bool isPlugged() const { return plugged_; }
  void plug();
  void unplug();
  // Pulled out now, but the host only notices at its next poll: writes fail meanwhile.
  void unplugNoticedLater();

  // Where the servos' moves and the bus servos' turning take their time from; tests put in
  // a clock they move.
  void setClock(std::function<Clock::time_point()> now) { now_ = std::move(now); }

  // Time between a frame's arrival and its reply; 0 answers at once.
  void setReplyLatency(std::chrono::milliseconds latency) { latency_ = latency; }

  // Channel servos that answer reads (ids 1 to 6 unless changed).
  void setChannelServos(const QList<int>& ids);
  int position(int id) const;
  int targetPosition(int id) const;
  bool isUnloaded(int id) const { return unloaded_.contains(id); }
  // A user moving an unloaded servo's horn.
  void poseByHand(int id, int position);
  int deviation(int id) const { return deviations_.value(id); }
  int storedDeviation(int id) const { return storedDeviations_.value(id); }
  void setDeviation(int id, int deviation) { deviations_[id] = deviation; }

  std::optional<StoredGroup> group(int group) const;
  void storeGroup(int group, const StoredGroup& frames) { groups_[group] = frames; }
  int runningGroup() const { return runningGroup_; }

  QList<BusServo>& busServos() { return busServos_; }
  // Puts `count` servos on the bus, each as it leaves the factory (id 1). Several can be
  // written to at once but answer no parameter read.
  void setBusServoCount(int count);
  int busServoCount() const { return static_cast<int>(busServos_.size()); }

  // The latest frames received, oldest first: at most receivedKept() of them, since a board
  // left running a looped action all day would otherwise keep every frame it was sent.
  QList<ReceivedFrame> received() const { return received_; }
  // Frames received with this command code, in order.
  QList<QByteArray> receivedWith(int command) const;
  void clearReceived() { received_.clear(); }
  // A whole group's download fits; a caller that looks further back asks for more.
  static constexpr int kReceivedKept = 1024;
  int receivedKept() const { return receivedKept_; }
  void setReceivedKept(int frames);
  // Why the last download was refused, empty when none was.
  QString downloadError() const { return downloadError_; }

  // Fault injection.
  void dropRepliesTo(int command, int count = -1);
  // Drops the n-th acknowledgement of a download step (1-based n).
  void dropAcknowledgement(int step, int occurrence = 1);
  void setDuplicateAcknowledgements(bool on) { duplicateAcks_ = on; }
  // Unplugs instead of handling the frame that arrives after `frames` more frames.
  // With noticedLater the host learns of it only at its next poll (unplugNoticedLater).
  void unplugAfterFrames(int frames, bool noticedLater = false) {
    unplugCountdown_ = frames;
    unplugNoticedLater_ = noticedLater;
  }
  void clearFaults();
  // Sends any report as it is (garbage, short, unasked).
  void sendReport(const QByteArray& raw);

  // A frame from the host, written at `sent`.
  void receive(const QByteArray& frame, Clock::time_point sent = Clock::now());

 signals:
  void plugged();
  void unplugged();
  void report(const QByteArray& report);

 private:
  struct Servo {
    int from = limits::kPosition.start;
    int to = limits::kPosition.start;
    Clock::time_point start{};
    int duration = 0;
  };
  struct Download {
    int group = -1;
    int frames = 0;
    int pages = 0;
    int nextStep = 1;
    StoredGroup received;
  };

  void reply(int command, const QByteArray& body);
  void acknowledge(int step);
  void move(int id, int position, int time);
  void handleMove(const QByteArray& f);
  void handleDownload(const QByteArray& f);
  bool refuseDownload(const QString& why);
  void handleIdList(int command, const QByteArray& f);
  void handleBusServo(int command, const QByteArray& f);
  void answerBusCheck(const QByteArray& f);
  // Brings a turning servo's position up to now.
  void turn(BusServo& s);
  void runGroup(int group, int times);
  void playNextFrame();
  void stopGroup();

  std::atomic<bool> plugged_{true};
  std::chrono::milliseconds latency_ = kUsbRoundTrip;
  QList<int> channelServos_{1, 2, 3, 4, 5, 6};
  QHash<int, Servo> servos_;
  QSet<int> unloaded_;
  QHash<int, int> deviations_;
  QHash<int, int> storedDeviations_;
  QMap<int, StoredGroup> groups_;
  std::optional<Download> download_;
  QString downloadError_;
  int runningGroup_ = -1;
  int runningFrame_ = 0;
  int passesLeft_ = 0;  // after the one playing
  QTimer playTimer_;
  QList<BusServo> busServos_{BusServo{}};
  std::function<Clock::time_point()> now_ = [] { return Clock::now(); };
  QList<ReceivedFrame> received_;
  int receivedKept_ = kReceivedKept;

  QHash<int, int> dropReplies_;
  QHash<int, int> dropAcks_;  // step -> occurrence to drop
  QHash<int, int> ackCounts_;
  bool duplicateAcks_ = false;
  int unplugCountdown_ = -1;
  bool unplugNoticedLater_ = false;
};
