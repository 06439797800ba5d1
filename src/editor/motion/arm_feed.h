#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "model/arm_pose.h"

class KoArmView;
class KoEditorSession;
class KoSerial;
class usbHid;

// Keeps the arm view posed while it shows: from the servos themselves where the link can see
// them (the virtual board, moves taking their time), otherwise from the channel controls,
// which follow every slider drag, online run, played frame, download and read-back. During
// a download the controls show the frame being sent. While the user poses the arm in the view,
// the view keeps the pose it wants rather than what is read back.
class KoArmFeed : public QObject {
  Q_OBJECT

 public:
  static constexpr int kFrameMs = 30;

  KoArmFeed(const KoEditorSession& session, KoArmView* view, QObject* parent = nullptr);
  // Moves that go over this line never reach the board the link sees.
  void setSerialLine(const KoSerial* line) { line_ = line; }

  // The pose the view should show now.
  KoChannelPositions positions() const;
  // Poses the view once; the timer does it while the view is visible.
  void refresh();

 private:
  const KoEditorSession& session_;
  const KoSerial* line_ = nullptr;
  KoArmView* view_;
  QTimer timer_;
};

// Sends the positions the arm view wants as slider moves, at most one per channel per
// interval: a drag asks many times a frame, and the servo can only follow so fast. A move
// that comes too soon waits, replaced by any later one for its channel, and goes out once the
// channel's interval is over, so the last position asked for is always the one sent.
class KoArmMoves : public QObject {
  Q_OBJECT

 public:
  static constexpr int kIntervalMs = 20;
  using Send = std::function<void(int channel, int position)>;
  // Milliseconds on a steady clock.
  using Clock = std::function<qint64()>;

  explicit KoArmMoves(Send send, QObject* parent = nullptr);

  // Tests step the time themselves; flush() then does what the timer would.
  void setClock(Clock clock) { clock_ = std::move(clock); }
  // On: the channels share one interval and go out together, so that the arm passes only
  // through poses that were asked for (a pose checked whole stays whole on the way).
  void setTogether(bool on) { together_ = on; }

  // Channels 1 to 6; absent ones are left alone.
  void want(const KoChannelPositions& moves);
  // Sends every waiting move whose channel's interval is over, and waits for the rest.
  void flush();
  bool pending() const;
  // Drops every waiting move: what was sent stays sent, nothing more goes.
  void cancel();
  // The timer that calls flush(): running while a move waits, due when the first one may go.
  const QTimer& timer() const { return timer_; }

 private:
  void schedule();

  Send send_;
  Clock clock_;
  int interval_ = kIntervalMs;
  bool together_ = false;
  static constexpr int kChannels = std::tuple_size_v<KoChannelPositions>;
  std::array<std::optional<qint64>, kChannels> sentAt_;
  std::array<std::optional<int>, kChannels> waiting_;
  QTimer timer_;
};
