#pragma once

#include <QObject>
#include <atomic>
#include <functional>

#include "editor/editor_actions.h"
#include "model/move_frame.h"
#include "session/arm_ranges.h"

class KoEditorSession;
class KoFrameListModel;
class KoFrameMarks;
class KoImageTitleButton;
class KoOnlineRun;
class KoSerial;
class KoSwitch;
class usbHid;

// Drives the arm straight from the editor: slider moves, the online run of the frame list,
// one frame from its row, all servos to the middle, unloading the servos and reading their
// positions back into a new frame. Moves go over the serial port while it is open.
class KoOnlineControl : public QObject {
  Q_OBJECT

 public:
  static constexpr EditorAction kResetServos = EditorAction::ResetServos;
  static constexpr EditorAction kLoop = EditorAction::Loop;
  static constexpr EditorAction kRun = EditorAction::RunOnline;
  static constexpr EditorAction kUnload = EditorAction::Unload;
  static constexpr EditorAction kReadPositions = EditorAction::ReadPositions;

  // What goes to the arm is held within the session's profile ranges, and a run of a list
  // with a frame that would strike asks first.
  KoOnlineControl(KoEditorSession& session, KoSerial& serial, QObject* parent = nullptr);

  void setControls(KoImageTitleButton* runButton, KoSwitch* loopSwitch);
  // Soft start: the first frame of a run, and a frame played from its row, takes at least
  // this long, so an arm far from the first pose does not slam into it. 0 is off.
  void setSoftStart(int atLeastMs) { softStartMs_ = std::max(0, atLeastMs); }
  int softStart() const { return softStartMs_; }
  KoOnlineRun* run() const { return run_; }
  // The serial line that carries the moves while its port is open.
  const KoSerial& serialLine() const { return serial_; }
  // Asked as a run starts: true when the run keeps time with a song.
  void setFollowsSong(std::function<bool()> follows) { followsSong_ = std::move(follows); }

  // The buttons, by tag; false when the tag is not one of them.
  bool buttonClick(EditorAction action);
  // `stop` of the screen: no online run is in progress.
  bool stopped() const;
  void sliderMoved(int servoId, int value);
  // A row's play button: that frame, always over USB.
  void play(int row);
  // A reply 21 reaches the editor.
  void positionsReceived(const QList<ServoPosition>& readings);
  // Reading positions adds frames only while the screen is in front.
  void setReadAngel(bool on) { readAngel_ = on; }
  // The USB board went away: a run in progress ends, saying so.
  void connectionLost();
  // Ends a run in progress; no frame goes out after this returns.
  void stopRun();

 signals:
  void listEdited();
  // The run ended, whichever way: stopped, over, or its board gone.
  void runEnded();
  void scrollToRow(int row);
  // How the run went: a result that fades.
  void statusChanged(const QString& text, bool lasting);

 private:
  void startOrStop();
  void showRunning(bool running);
  void showStopMessage();
  void frameOnSliders(int row);
  // The frame as it goes to the arm: within the safe ranges.
  VelmarFrame sent(int row, KoArmRanges::FirstMoved& first) const;
  void tellClamped(const KoArmRanges::FirstMoved& first);
  QByteArray resetMove() const;

  KoEditorSession& session_;
  usbHid& hid_;
  KoSerial& serial_;
  KoFrameListModel* model_;
  KoOnlineRun* run_;
  KoImageTitleButton* runButton_ = nullptr;
  KoSwitch* loopSwitch_ = nullptr;
  const KoArmRanges* ranges_;  // the session's: never null
  const KoFrameMarks* marks_;
  bool readAngel_ = false;
  // What the sender thread sends, taken when the run starts: the list may change meanwhile.
  QList<QByteArray> usbMoves_;
  QList<QByteArray> serialMoves_;
  int softStartMs_ = 0;
  std::function<bool()> followsSong_;
  // The softened first moves, sent once at the start of a run.
  QByteArray softUsb_;
  QByteArray softSerial_;
  std::atomic<bool> softPending_{false};
};
