#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "model/arm_pose.h"
#include "model/channel_view.h"

class KoArmView;
class usbHid;

// Keeps the arm view posed while it shows: from the servos themselves where the link can see
// them (the virtual board, moves taking their time), otherwise from the channel controls,
// which follow every slider drag, online run, played frame, download and read-back. During
// a download the controls show the frame being sent.
class KoArmFeed : public QObject {
  Q_OBJECT

 public:
  using Views = std::function<ChannelViews()>;
  static constexpr int kFrameMs = 30;

  KoArmFeed(usbHid& hid, Views views, KoArmView* view, QObject* parent = nullptr);

  // The pose the view should show now.
  KoChannelPositions positions() const;
  // Poses the view once; the timer does it while the view is visible.
  void refresh();

 private:
  usbHid& hid_;
  Views views_;
  KoArmView* view_;
  QTimer timer_;
};
