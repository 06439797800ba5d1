#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "model/action_model.h"
#include "model/move_frame.h"

class KoEditorSession;
class KoFrameHistory;
class KoFrameListModel;
class usbHid;

// Teaching by hand: while the servos hang limp, reads the visible channels every interval
// and appends a frame of that interval's time per reading. While another hand (a controller)
// poses the arm, the pose it gave is taken instead of a reading. A reading that moved no channel
// by the threshold or more lengthens the frame before it instead. A reading that does not
// come, or lacks a channel, ends the recording; what was recorded stays.
class KoTeachRecorder : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMinInterval = 100;
  static constexpr int kMaxInterval = 2000;
  static constexpr int kDefaultInterval = 250;
  static constexpr int kDefaultThreshold = 5;

  // A recording is one step of the session's history.
  explicit KoTeachRecorder(KoEditorSession& session, QObject* parent = nullptr);

  bool isRecording() const { return recording_; }
  // False, with a tip, when there is nothing to read.
  bool start();
  void stop();
  // Held within 100 to 2000 ms; takes effect at the next start.
  void setInterval(int ms);
  int interval() const { return interval_; }
  // A recording is one step of the history: one undo takes it all back.
  // Tests tick by hand instead of waiting for the timer.
  void setAutoTick(bool on) { autoTick_ = on; }
  // On: each reading is the editor's pose, taken at once, with no board to ask.
  void setReadsPose(bool on) { readsPose_ = on; }
  bool readsPose() const { return readsPose_; }

  // One reading is due: asks for it, or ends the recording when the last one never came.
  void tick();
  // A reply 21 while recording.
  void positionsReceived(const QList<ServoPosition>& readings);
  // The board went away.
  void connectionLost();

 signals:
  void recordingChanged(bool recording);
  void scrollToRow(int row);

 private:
  void fail();
  void take(const VelmarFrame& reading);
  bool still(const KoVelmarPwmModel& previous, const KoVelmarPwmModel& reading) const;

  KoEditorSession& session_;
  usbHid& hid_;
  KoFrameListModel* model_;
  KoFrameHistory* history_;
  QTimer timer_;
  int interval_ = kDefaultInterval;
  int threshold_ = kDefaultThreshold;
  bool autoTick_ = true;
  bool readsPose_ = false;
  bool recording_ = false;
  bool awaiting_ = false;
  // The frame this recording appended last, the one a still reading lengthens.
  VelmarFrame last_;
};
