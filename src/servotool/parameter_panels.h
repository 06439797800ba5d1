#pragma once

#include <QObject>

#include "link/servo_info.h"

class KoDashBoardPostionView;
class KoDashBoardTemperatureView;
class KoDashBoardView;
class KoNumberField;
class KoSlider;
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
  void setInfo(const KoServoInfo& info);

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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildParameterPanels(QWidget* parent);
  void buildReadingsPanel(QWidget* parent);
  void nameControls();
  void showParameters();
  void showReadings();
  void showLed();

  KoServoInfo info_;
};
