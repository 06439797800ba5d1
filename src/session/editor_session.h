#pragma once

#include <QObject>

#include "model/pose.h"
#include "session/online_run.h"

class KoArmRanges;
class KoFrameHistory;
class KoFrameListModel;
class KoFrameMarks;
class usbHid;

// The editor without its widgets: the frame list and its history, the chosen arm profile's
// ranges, the frame marks, the arm's pose, the online run and the board link. The window
// binds its controls to it; a front end without a window can drive the same session.
class KoEditorSession : public QObject {
  Q_OBJECT

 public:
  explicit KoEditorSession(usbHid& link, QObject* parent = nullptr);
  ~KoEditorSession() override;

  usbHid& link() const { return link_; }
  KoFrameListModel* list() const { return list_; }
  KoFrameHistory* history() const { return history_; }
  KoArmRanges* ranges() const { return ranges_; }
  KoFrameMarks* marks() const { return marks_; }
  KoOnlineRun* run() const { return run_; }
  // Who puts the run's frames on the wire; set once, before the first run. The run calls it
  // on its sender thread.
  void setRunSender(KoOnlineRun::Sender sender) { runSender_ = std::move(sender); }

  const KoPose& pose() const { return pose_; }
  // Every change of the pose comes here. Positions are held within the profile's ranges and
  // trims within theirs, as the arm would take them; poseChanged tells of a real change.
  void setPose(KoPose pose);
  void setPosition(int channel, qint64 position);
  void setTrim(int channel, qint64 trim);
  void setShown(int channel, bool shown);
  void setFrameTime(qint64 time);
  // A played or sent frame shows where the arm goes.
  void showFrame(const KoVelmarPwmModel& frame) { setPose(KoTools::poseWithFrame(pose_, frame)); }
  void showFileFrame(const KoActionModel& frame) {
    setPose(KoTools::poseWithFileFrame(pose_, frame));
  }
  // Every position, or every trim, back to its start; channelsReset names the channels.
  void resetPositions();
  void resetTrims();
  // Trims read back from the servos: those of the shown channels are taken. Returns the
  // shown channels that got none.
  QList<int> takeTrims(const QList<std::pair<int, int>>& trims);
  // A new frame of the pose's shown channels, to stand at `index`.
  VelmarFrame frameOfPose(int index) const { return KoTools::frameOfPose(pose_, index); }

 signals:
  void poseChanged(const KoPose& pose);
  // Values of these channels were replaced at once, not moved one by one.
  void channelsReset(const QList<int>& channels);

 private:
  KoPose clamped(KoPose pose) const;

  usbHid& link_;
  KoFrameListModel* list_;
  KoArmRanges* ranges_;
  KoFrameMarks* marks_;
  KoFrameHistory* history_;
  KoOnlineRun* run_;
  KoOnlineRun::Sender runSender_;
  KoPose pose_;
};
