#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>
#include <chrono>
#include <functional>
#include <optional>

#include "link/usb_hid.h"

class KoImageTitleButton;
class KoLiveStatus;
class KoMassDownloadPanel;
class KoProgressView;
class KoServoParameterPanels;
class KoServoTestPanel;
class KoStatusLine;
class QLabel;
class QSvgWidget;
class QVariantAnimation;

// The bus-servo tool: reads, edits and writes the parameters of the one servo on the
// board's bus, tests it in servo or motor mode, and downloads many action files at once.
// It is the link's receiver while it is shown.
class KoSteerDebuggingTool : public QWidget, public UsbHidDelegate {
  Q_OBJECT

 public:
  using Delay = std::chrono::milliseconds;

  enum Tag { kDefault = 5001, kSet = 5002, kRead = 5003 };
  // Where the single-servo check stands; "read" and "set" need exactly one servo.
  enum class Check { NotRun, Pending, None, Single, Many };

  explicit KoSteerDebuggingTool(usbHid& link, QWidget* parent = nullptr);
  ~KoSteerDebuggingTool() override;

  // How long "set" rests after a press (1 s).
  void setSetRest(Delay setRest) { setRest_ = setRest; }
  // How long the check after an id change waits for the servo (2 s).
  void setIdCheckWait(Delay wait) { idCheckWait_ = wait; }
  // The clock the live charts take their times from, in milliseconds.
  void setClock(std::function<qint64()> msecs) { clock_ = std::move(msecs); }

  void usbhidDidCountServos(int count) override;
  void usbhidDidReadServoInfo(const KoServoInfo& info) override;
  void usbhidDidMatch() override;
  void usbhidDidRemove() override {}

  // Whether a tagged control may act now; shows the refusing tip itself.
  bool checkState(int tag);
  void buttonClick(int tag);
  void sendWriteServoInfo();
  void reSet();
  // Starts the single-servo check; a new check lets live status that went quiet run again.
  void connection();
  // Servo mode again, as when the user leaves the tool in motor mode.
  void resetToServoMode();
  // A servo turns in motor mode: the window puts it back before the tool's page goes.
  bool motorMode() const;

  Check check() const { return check_; }
  // The id the lone servo last answered with, if it has.
  std::optional<int> servoIdOnBus() const { return servoIdOnBus_; }

  KoLiveStatus* liveStatus() const { return live_; }
  // What the notice above the parameters says.
  QString notice() const;
  QLabel* labelOnlineState() const { return labelOnlineState_; }
  // Where a read, a write's id change and a batch download say that they went well.
  KoStatusLine* resultLine() const { return resultLine_; }

  KoServoParameterPanels* panels() const { return panels_; }
  KoServoTestPanel* servoTest() const { return test_; }
  KoMassDownloadPanel* massDownload() const { return mass_; }
  KoImageTitleButton* buttonDefault() const { return buttonDefault_; }
  KoImageTitleButton* buttonSetting() const { return buttonSetting_; }
  KoImageTitleButton* buttonRead() const { return buttonRead_; }
  KoProgressView* myprogress() const { return myprogress_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void viewWillAppear();
  void viewWillDisappear();
  void showConnection(bool connected);
  void connectionChanged(bool connected);
  void recheck(bool clearLiveStop);
  void retranslate();
  void showNotice();
  // Kept as a text to follow a language switch while it shows.
  void showResult(std::function<QString()> text);
  void showLiveState();
  void liveWentSilent();
  void checkNewId();
  void idCheckEnded(std::optional<int> answeredId);
  // No check has said otherwise: not run yet, or exactly one servo answered.
  bool singleServo() const;
  void updateButtons();
  QWidget* buildIndicator(QWidget* parent);
  QWidget* buildButtons(QWidget* parent);

  usbHid& link_;
  KoServoParameterPanels* panels_;
  KoServoTestPanel* test_;
  KoMassDownloadPanel* mass_;
  KoImageTitleButton* buttonDefault_;
  KoImageTitleButton* buttonSetting_;
  KoImageTitleButton* buttonRead_;
  KoProgressView* myprogress_;
  QSvgWidget* imageOnlineState_;
  QVariantAnimation* pulse_;
  QLabel* labelOnlineState_;
  KoStatusLine* resultLine_;
  std::function<QString()> result_;
  KoLiveStatus* live_;
  QTimer* testMoveRest_;
  QTimer* idCheckTimer_;

  Check check_ = Check::NotRun;
  int servoCount_ = -1;
  std::optional<int> servoIdOnBus_;
  // Replies carry no request, so each waiting kind is flagged; "read" is answered first.
  std::optional<qint64> readAskedAt_;
  std::optional<int> idToCheck_;
  bool idCheckPending_ = false;
  // The next reading moves the servo test's knob to where the servo stands.
  bool testFollows_ = false;
  std::function<qint64()> clock_;
  bool setResting_ = false;
  bool viewShow_ = false;
  Delay setRest_{1000};
  Delay idCheckWait_{2000};
};
