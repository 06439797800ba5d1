#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class usbHid;

// Reads the lone servo's parameters on a timer while the user wants live status and nothing
// stands in the way. Polls go out without the link's time-out; the silence of a servo that
// stopped answering is noticed here, by counting the polls it left unanswered; so it pauses
// while the replies are held back, as they are while a tip or question is open.
class KoLiveStatus : public QObject {
  Q_OBJECT

 public:
  // What can hold polling back; several at once.
  enum Pause {
    kHidden = 1,     // the tool is not shown
    kNotSingle = 2,  // no check has found exactly one servo
    kWriting = 4,
    kTestMove = 8,
    kDownloading = 16,
    kPrompt = 32,  // a tip or question is open and the replies wait behind it
  };
  static constexpr std::chrono::milliseconds kInterval{500};
  // Unanswered polls in a row that mean the servo has gone quiet.
  static constexpr int kSilentPolls = 3;
  static constexpr const char* kSettingsKey = "servo_live_status";

  explicit KoLiveStatus(usbHid& link, QObject* parent = nullptr);

  // The user's switch, kept in the settings.
  bool isOn() const { return on_; }
  void setOn(bool on);
  void setPaused(Pause why, bool paused);
  // On and held back by nothing: the timer runs.
  bool isPolling() const { return timer_.isActive(); }
  // Stopped by silence until the user switches again or clearStopped() is called, as when
  // the user puts the tool in front again or another servo is put on the bus.
  bool isStopped() const { return stopped_; }
  void clearStopped();
  int unanswered() const { return unanswered_; }

  std::chrono::milliseconds interval() const { return timer_.intervalAsDuration(); }
  void setInterval(std::chrono::milliseconds interval) { timer_.setInterval(interval); }
  // The timer's slot: a poll, unless a download holds the link or the servo went quiet.
  void tick();
  // A parameter reply came; true when a poll was waiting for it.
  bool answered();

 signals:
  void stateChanged();
  // kSilentPolls polls went unanswered; polling has stopped.
  void servoWentSilent();

 private:
  void update();

  usbHid& link_;
  QTimer timer_;
  bool on_ = false;
  int pauses_ = kHidden | kNotSingle;
  bool stopped_ = false;
  int unanswered_ = 0;
};
