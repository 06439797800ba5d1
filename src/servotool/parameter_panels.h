#pragma once

#include <QObject>

#include "link/servo_info.h"

class KoDashBoardPostionView;
class KoDashBoardTemperatureView;
class KoDashBoardView;
class KoNumberField;
class KoSlider;
class KoStripChart;
class KoSwitch;
class KoToolView;
class QLabel;
class QWidget;

// The panels that show and edit the servo's parameters and readings. They own the one
// KoServoInfo record: user edits go into it, and a reply or "default" replaces it and
// every control follows.
class KoServoParameterPanels : public QObject {
  Q_OBJECT

 public:
  enum Tag {
    kAngleTop = 1001,
    kAngleBottom = 1002,
    kVoltageMin = 1003,
    kVoltageMax = 1004,
    kTemperature = 1005,
  };

  // The panels are made as children of `parent`; the caller lays them out.
  explicit KoServoParameterPanels(QWidget* parent);

  const KoServoInfo& info() const { return info_; }
  // A read: every control follows, and the user's edits are over.
  void setInfo(const KoServoInfo& info);
  // A live reading at `msecs`: the readings and their charts follow, and each alarm switch
  // too unless the user has changed it since the last read.
  void showReading(const KoServoInfo& reading, qint64 msecs);
  // No single servo to show: the fields and gauges go blank and the parameters cannot be
  // edited until setEmpty(false).
  void setEmpty(bool empty);
  // What a blank field or gauge shows.
  static QString emptyText();

  // A limit slider was moved by the user.
  void sliderClick(int tag);

  KoToolView* viewID;
  KoToolView* viewAngleDeviation;
  KoToolView* viewLEDControl;
  KoToolView* viewAngleAdjustment;
  KoToolView* viewVoltageAdjustment;
  KoToolView* viewTemperatureAdjustment;
  KoToolView* viewLEDAlert;
  KoToolView* viewGetState;

  KoNumberField* textID;
  QLabel* labelDeviation;
  KoSwitch* switchLed;
  QLabel* labelLED;
  QLabel* imageLEDState;
  KoSlider* sliderAngleOne;
  QLabel* lableAngleTop;
  KoSlider* sliderAngleTwo;
  QLabel* lableAngleBottom;
  KoSlider* sliderVoltageOne;
  QLabel* lableVoltageRangeMin;
  KoSlider* sliderVoltageTwo;
  QLabel* lableVoltageRangeMax;
  KoSlider* sliderTemperature;
  QLabel* lableTemperatureRange;
  KoSwitch* switchOverTemperature;
  KoSwitch* switchOverpressure;
  KoSwitch* switchStall;
  KoDashBoardTemperatureView* temperatureGauge;
  KoDashBoardView* voltageGauge;
  KoDashBoardPostionView* positionGauge;
  QLabel* textCurrentTemperature;
  QLabel* textCurrentVoltage;
  QLabel* textCurrentPosition;
  KoSwitch* switchLive;
  QLabel* labelLiveState;
  KoStripChart* chartTemperature;
  KoStripChart* chartVoltage;
  KoStripChart* chartPosition;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildParameterPanels(QWidget* parent);
  void buildReadingsPanel(QWidget* parent);
  void nameControls();
  void showParameters();
  void showReadings();
  void showLed();
  QList<QWidget*> parameterViews() const;

  KoServoInfo info_;
  bool empty_ = false;
  int alarmsEdited_ = 0;  // alarm bits the user changed since the last read
};
