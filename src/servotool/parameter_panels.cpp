#include "servotool/parameter_panels.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/limits.h"
#include "model/notification_center.h"
#include "model/value_utils.h"
#include "servotool/key_label.h"
#include "servotool/live_status.h"
#include "servotool/strip_chart.h"
#include "widgets/dash_board_view.h"
#include "widgets/number_field.h"
#include "widgets/slider.h"
#include "widgets/switch.h"
#include "widgets/theme.h"
#include "widgets/tool_view.h"
#include "widgets/widget_tools.h"

namespace {

// The gauges grow with the window from a size that fits the smallest one; a dial stops
// growing by itself and stays centred in its room.
constexpr int kGaugeSide = 130;

void growable(QWidget* gauge, int width) {
  gauge->setMinimumSize(width == 0 ? kGaugeSide : width, kGaugeSide);
  gauge->setMaximumSize(width == 0 ? QWIDGETSIZE_MAX : width, KoDashBoardDial::kLargestSide);
  gauge->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

KoSlider* limitSlider(Qt::Orientation orientation, const KoServoRange& range, int tag,
                      QWidget* parent) {
  auto* slider = new KoSlider(orientation, KoSliderCell::KoToolSlider, parent);
  slider->setRange(range.minimum, range.maximum);
  slider->setStep(range.step);
  slider->setValue(range.start);
  slider->setTag(tag);
  return slider;
}

QLabel* valueLabel(QWidget* parent, int width = 44) {
  auto* label = new QLabel(parent);
  label->setMinimumWidth(width);
  label->setAlignment(Qt::AlignCenter);
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  return label;
}

}  // namespace

KoServoParameterPanels::KoServoParameterPanels(QWidget* parent) : QObject(parent) {
  buildParameterPanels(parent);
  buildReadingsPanel(parent);
  nameControls();
  showParameters();
  showReadings();
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoServoParameterPanels::showLed);
}

void KoServoParameterPanels::buildParameterPanels(QWidget* parent) {
  auto caption = [](const char* key, QWidget* in) { return new KoKeyLabel(key, in); };

  viewID = new KoToolView(QStringLiteral("servo_id"), parent);
  textID = new KoNumberField(static_cast<int>(KoServoInfo::kServoId.maximum));
  textID->setMaximumWidth(70);
  auto* idRow = new QHBoxLayout(viewID->contentWidget());
  idRow->setContentsMargins(0, 0, 0, 0);
  idRow->addWidget(caption(QT_TRID_NOOP("servo_id_label"), viewID));
  idRow->addWidget(textID, 1);
  // Any text the field takes is the id: a reply may have shown one above what can be typed.
  connect(textID, &QLineEdit::textChanged, this, [this](const QString& text) {
    info_.servoId = static_cast<int>(KoTools::integerValue(text));
  });

  viewAngleDeviation = new KoToolView(QStringLiteral("deviation"), parent);
  labelDeviation = valueLabel(viewAngleDeviation);
  auto* deviationBox = new QVBoxLayout(viewAngleDeviation->contentWidget());
  deviationBox->setContentsMargins(0, 0, 0, 0);
  deviationBox->addWidget(labelDeviation);

  viewLEDControl = new KoToolView(QStringLiteral("led_control"), parent);
  switchLed = new KoSwitch;
  labelLED = new QLabel;
  imageLEDState = new QLabel;
  imageLEDState->setFixedSize(20, 20);
  auto* ledRow = new QHBoxLayout(viewLEDControl->contentWidget());
  ledRow->setContentsMargins(0, 0, 0, 0);
  ledRow->addWidget(switchLed);
  ledRow->addWidget(labelLED, 1);
  ledRow->addWidget(imageLEDState);
  connect(switchLed, &KoSwitch::toggledByUser, this, [this](bool on) { info_.ledOn = on; });
  connect(switchLed, &KoSwitch::stateChanged, this, &KoServoParameterPanels::showLed);

  viewAngleAdjustment = new KoToolView(QStringLiteral("angle"), parent);
  sliderAngleOne = limitSlider(Qt::Horizontal, KoServoInfo::kAngleMax, kAngleTop, nullptr);
  sliderAngleTwo = limitSlider(Qt::Horizontal, KoServoInfo::kAngleMin, kAngleBottom, nullptr);
  lableAngleTop = valueLabel(viewAngleAdjustment);
  lableAngleBottom = valueLabel(viewAngleAdjustment);
  auto* angles = new QGridLayout(viewAngleAdjustment->contentWidget());
  angles->setContentsMargins(0, 0, 0, 0);
  angles->addWidget(caption(QT_TRID_NOOP("upper_limit"), viewAngleAdjustment), 0, 0);
  angles->addWidget(sliderAngleOne, 0, 1);
  angles->addWidget(lableAngleTop, 0, 2);
  angles->addWidget(caption(QT_TRID_NOOP("lower_limit"), viewAngleAdjustment), 1, 0);
  angles->addWidget(sliderAngleTwo, 1, 1);
  angles->addWidget(lableAngleBottom, 1, 2);

  viewVoltageAdjustment = new KoToolView(QStringLiteral("voltage"), parent);
  sliderVoltageOne = limitSlider(Qt::Vertical, KoServoInfo::kVoltageMin, kVoltageMin, nullptr);
  sliderVoltageTwo = limitSlider(Qt::Vertical, KoServoInfo::kVoltageMax, kVoltageMax, nullptr);
  lableVoltageRangeMin = valueLabel(viewVoltageAdjustment);
  lableVoltageRangeMax = valueLabel(viewVoltageAdjustment);
  auto* volts = new QGridLayout(viewVoltageAdjustment->contentWidget());
  volts->setContentsMargins(0, 0, 0, 0);
  volts->addWidget(caption(QT_TRID_NOOP("lower_limit"), viewVoltageAdjustment), 0, 0,
                   Qt::AlignCenter);
  volts->addWidget(caption(QT_TRID_NOOP("upper_limit"), viewVoltageAdjustment), 0, 1,
                   Qt::AlignCenter);
  volts->addWidget(sliderVoltageOne, 1, 0, Qt::AlignHCenter);
  volts->addWidget(sliderVoltageTwo, 1, 1, Qt::AlignHCenter);
  volts->addWidget(lableVoltageRangeMin, 2, 0);
  volts->addWidget(lableVoltageRangeMax, 2, 1);

  viewTemperatureAdjustment = new KoToolView(QStringLiteral("temperature"), parent);
  sliderTemperature =
      limitSlider(Qt::Vertical, KoServoInfo::kTemperatureLimit, kTemperature, nullptr);
  lableTemperatureRange = valueLabel(viewTemperatureAdjustment, 64);
  auto* temperature = new QVBoxLayout(viewTemperatureAdjustment->contentWidget());
  temperature->setContentsMargins(0, 0, 0, 0);
  temperature->addWidget(sliderTemperature, 1, Qt::AlignHCenter);
  temperature->addWidget(lableTemperatureRange);

  for (KoSlider* s :
       {sliderAngleOne, sliderAngleTwo, sliderVoltageOne, sliderVoltageTwo, sliderTemperature}) {
    connect(s, &KoSlider::sliderAction, this, [this, s] { sliderClick(s->tag()); });
  }

  viewLEDAlert = new KoToolView(QStringLiteral("led_warning"), parent);
  auto* alarms = new QGridLayout(viewLEDAlert->contentWidget());
  alarms->setContentsMargins(0, 0, 0, 0);
  auto alarm = [&](const char* key, int row, bool KoServoInfo::*field, int bit) {
    auto* s = new KoSwitch;
    alarms->addWidget(s, row, 0);
    alarms->addWidget(caption(key, viewLEDAlert), row, 1);
    connect(s, &KoSwitch::toggledByUser, this, [this, field, bit](bool on) {
      info_.*field = on;
      alarmsEdited_ |= bit;
    });
    return s;
  };
  switchOverTemperature = alarm(QT_TRID_NOOP("over_heat"), 0, &KoServoInfo::alarmOverTemperature,
                                KoServoInfo::kAlarmOverTemperature);
  switchOverpressure = alarm(QT_TRID_NOOP("over_voltage"), 1, &KoServoInfo::alarmOverVoltage,
                             KoServoInfo::kAlarmOverVoltage);
  switchStall =
      alarm(QT_TRID_NOOP("over_position"), 2, &KoServoInfo::alarmStall, KoServoInfo::kAlarmStall);
}

// Names in context: several controls share a caption such as "Max" on screen.
void KoServoParameterPanels::nameControls() {
  const char* written = QT_TRID_NOOP("servo_write_tips");
  const std::pair<QWidget*, const char*> names[] = {
      {textID, QT_TRID_NOOP("servo_id")},
      {switchLed, QT_TRID_NOOP("led_control")},
      {sliderAngleOne, QT_TRID_NOOP("servo_angle_max_name")},
      {sliderAngleTwo, QT_TRID_NOOP("servo_angle_min_name")},
      {sliderVoltageOne, QT_TRID_NOOP("servo_voltage_min_name")},
      {sliderVoltageTwo, QT_TRID_NOOP("servo_voltage_max_name")},
      {sliderTemperature, QT_TRID_NOOP("temperature")},
      {switchOverTemperature, QT_TRID_NOOP("servo_alarm_heat_name")},
      {switchOverpressure, QT_TRID_NOOP("servo_alarm_voltage_name")},
      {switchStall, QT_TRID_NOOP("servo_alarm_stall_name")},
  };
  for (const auto& [control, key] : names) KoTools::setAccessibleKeys(control, key, written);
  KoTools::setAccessibleKeys(temperatureGauge, QT_TRID_NOOP("cur_temperature"));
  KoTools::setAccessibleKeys(voltageGauge, QT_TRID_NOOP("cur_voltage"));
  KoTools::setAccessibleKeys(positionGauge, QT_TRID_NOOP("cur_position"));
  KoTools::setAccessibleKeys(switchLive, QT_TRID_NOOP("live_status_name"),
                             QT_TRID_NOOP("live_status_tips"));
  KoTools::setAccessibleKeys(chartTemperature, QT_TRID_NOOP("cur_temperature"));
  KoTools::setAccessibleKeys(chartVoltage, QT_TRID_NOOP("cur_voltage"));
  KoTools::setAccessibleKeys(chartPosition, QT_TRID_NOOP("cur_position"));
}

void KoServoParameterPanels::buildReadingsPanel(QWidget* parent) {
  viewGetState = new KoToolView(QStringLiteral("read_status"), parent);
  temperatureGauge = new KoDashBoardTemperatureView;
  growable(temperatureGauge, 50);
  voltageGauge = new KoDashBoardView;
  growable(voltageGauge, 0);
  positionGauge = new KoDashBoardPostionView;
  growable(positionGauge, 0);
  textCurrentTemperature = valueLabel(viewGetState);
  textCurrentVoltage = valueLabel(viewGetState);
  textCurrentPosition = valueLabel(viewGetState);

  auto* row = new QGridLayout(viewGetState->contentWidget());
  row->setContentsMargins(0, 0, 0, 0);
  row->setHorizontalSpacing(2);
  row->setVerticalSpacing(2);
  const std::array<std::pair<QWidget*, QLabel*>, 3> gauges{{
      {temperatureGauge, textCurrentTemperature},
      {voltageGauge, textCurrentVoltage},
      {positionGauge, textCurrentPosition},
  }};
  const std::array<const char*, 3> keys{QT_TRID_NOOP("cur_temperature"),
                                        QT_TRID_NOOP("cur_voltage"), QT_TRID_NOOP("cur_position")};
  for (int i = 0; i < 3; ++i) {
    gauges[i].first->installEventFilter(this);
    auto* label = new KoKeyLabel(keys[i], viewGetState);
    label->setAlignment(Qt::AlignCenter);
    row->addWidget(gauges[i].first, 1, i);
    row->addWidget(label, 2, i);
    row->addWidget(gauges[i].second, 3, i);
  }
  // Height goes to the gauges, and once they are at their largest above and below them, so
  // that each caption and reading stay under their gauge.
  row->setRowStretch(0, 1);
  row->setRowStretch(1, 100);
  row->setRowStretch(4, 1);

  // The charts stand beside the gauges, under the switch that starts them.
  switchLive = new KoSwitch;
  labelLiveState = new QLabel(viewGetState);
  labelLiveState->setWordWrap(true);
  labelLiveState->setFont(KoTheme::font(KoTheme::Type::Label));
  // The charts, not the state, decide how narrow the column is.
  labelLiveState->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
  chartTemperature =
      new KoStripChart(QT_TRID_NOOP("cur_temperature"), 0, 100, &KoTheme::Roles::chartTemperature);
  chartVoltage =
      new KoStripChart(QT_TRID_NOOP("cur_voltage"), 0, 15, &KoTheme::Roles::chartVoltage);
  chartPosition = new KoStripChart(QT_TRID_NOOP("cur_position"), limits::kPosition.minimum,
                                   limits::kPosition.maximum, &KoTheme::Roles::chartPosition);
  for (KoStripChart* chart : {chartTemperature, chartVoltage, chartPosition}) {
    chart->reserveFor(KoLiveStatus::kInterval);
  }
  auto* charts = new QVBoxLayout;
  charts->setSpacing(4);
  auto* liveRow = new QHBoxLayout;
  liveRow->setSpacing(6);
  liveRow->addWidget(switchLive);
  liveRow->addWidget(new KoKeyLabel(QT_TRID_NOOP("live_status"), viewGetState), 1);
  charts->addLayout(liveRow);
  // Under the switch, where it may wrap in a narrow column instead of being cut.
  charts->addWidget(labelLiveState);
  for (KoStripChart* c : {chartTemperature, chartVoltage, chartPosition}) charts->addWidget(c, 1);
  row->addLayout(charts, 0, 3, 5, 1);
  // Room is shared between the two dials and the charts; the thermometer keeps its width.
  for (int column : {1, 2, 3}) row->setColumnStretch(column, 1);
}

// A resized dial starts again from rest; the reading is put back once it has.
bool KoServoParameterPanels::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    QMetaObject::invokeMethod(this, &KoServoParameterPanels::showReadings, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

void KoServoParameterPanels::setInfo(const KoServoInfo& info) {
  info_ = info;
  alarmsEdited_ = 0;
  showParameters();
  showReadings();
}

void KoServoParameterPanels::showReading(const KoServoInfo& reading, qint64 msecs) {
  if (empty_) return;
  info_.currentTemperature = reading.currentTemperature;
  info_.currentVoltage = reading.currentVoltage;
  info_.currentPosition = reading.currentPosition;
  // Each alarm switch the user has not changed since the last read follows the servo.
  info_.setAlarmByte((info_.alarmByte() & alarmsEdited_) | (reading.alarmByte() & ~alarmsEdited_));
  switchOverTemperature->setOn(info_.alarmOverTemperature);
  switchOverpressure->setOn(info_.alarmOverVoltage);
  switchStall->setOn(info_.alarmStall);
  showReadings();
  if (reading.currentTemperature) {
    chartTemperature->addSample(msecs, *reading.currentTemperature, textCurrentTemperature->text());
  }
  if (reading.currentVoltage) {
    chartVoltage->addSample(msecs, *reading.currentVoltage / 1000.0, textCurrentVoltage->text());
  }
  if (reading.currentPosition) {
    chartPosition->addSample(msecs, *reading.currentPosition, textCurrentPosition->text());
  }
}

QString KoServoParameterPanels::emptyText() { return QStringLiteral("—"); }

QList<QWidget*> KoServoParameterPanels::parameterViews() const {
  return {viewID,
          viewAngleDeviation,
          viewLEDControl,
          viewAngleAdjustment,
          viewVoltageAdjustment,
          viewTemperatureAdjustment,
          viewLEDAlert};
}

void KoServoParameterPanels::setEmpty(bool empty) {
  if (empty_ == empty) return;
  empty_ = empty;
  for (QWidget* v : parameterViews()) v->setEnabled(!empty);
  if (empty) {
    for (KoStripChart* c : {chartTemperature, chartVoltage, chartPosition}) c->clear();
  }
  // Blank, or the start values again, which is what "set" would write until a read.
  setInfo(KoServoInfo{});
}

void KoServoParameterPanels::sliderClick(int tag) {
  switch (tag) {
    case kAngleTop:
      info_.moveAngleMax(sliderAngleOne->intValue());
      break;
    case kAngleBottom:
      info_.moveAngleMin(sliderAngleTwo->intValue());
      break;
    case kVoltageMin:
      info_.moveVoltageMin(KoServoInfo::millivolts(sliderVoltageOne->value()));
      break;
    case kVoltageMax:
      info_.moveVoltageMax(KoServoInfo::millivolts(sliderVoltageTwo->value()));
      break;
    case kTemperature:
      info_.temperatureLimit = sliderTemperature->intValue();
      break;
    default:
      return;
  }
  showParameters();
}

// Each slider follows its label, clamped to its own range.
void KoServoParameterPanels::showParameters() {
  if (empty_) {
    const QSignalBlocker quiet(textID);
    textID->clear();
    for (QLabel* l : {labelDeviation, lableAngleTop, lableAngleBottom, lableVoltageRangeMin,
                      lableVoltageRangeMax, lableTemperatureRange}) {
      l->setText(emptyText());
    }
    for (KoSwitch* s : {switchLed, switchOverTemperature, switchOverpressure, switchStall}) {
      s->setOn(false);
    }
    labelLED->clear();
    return;
  }
  if (textID->text() != QString::number(info_.servoId)) {
    textID->setText(QString::number(info_.servoId));
  }
  labelDeviation->setText(info_.deviation ? QString::number(*info_.deviation) : QString());
  switchLed->setOn(info_.ledOn);
  showLed();
  lableAngleTop->setText(QString::number(info_.angleMax));
  sliderAngleOne->setValue(info_.angleMax);
  lableAngleBottom->setText(QString::number(info_.angleMin));
  sliderAngleTwo->setValue(info_.angleMin);
  lableVoltageRangeMin->setText(KoServoInfo::voltsText(info_.voltageMin));
  sliderVoltageOne->setValue(info_.voltageMin / 1000.0);
  lableVoltageRangeMax->setText(KoServoInfo::voltsText(info_.voltageMax));
  sliderVoltageTwo->setValue(info_.voltageMax / 1000.0);
  lableTemperatureRange->setText(KoServoInfo::temperatureLimitText(info_.temperatureLimit));
  sliderTemperature->setValue(info_.temperatureLimit);
  switchOverTemperature->setOn(info_.alarmOverTemperature);
  switchOverpressure->setOn(info_.alarmOverVoltage);
  switchStall->setOn(info_.alarmStall);
}

// A reading not yet had shows blank, its gauge at rest, rather than a zero that looks read.
void KoServoParameterPanels::showReadings() {
  const auto& position = info_.currentPosition;
  const auto& temperature = info_.currentTemperature;
  const auto& millivolts = info_.currentVoltage;
  positionGauge->progress(position.value_or(0) / 10);
  textCurrentPosition->setText(position ? QString::number(*position) : emptyText());
  temperatureGauge->setPro(temperature ? *temperature + 10 : 0);
  textCurrentTemperature->setText(temperature ? KoServoInfo::temperatureReadingText(*temperature)
                                              : emptyText());
  voltageGauge->progress(static_cast<float>(millivolts.value_or(0)) / 1000.0f);
  textCurrentVoltage->setText(millivolts ? KoServoInfo::voltageReadingText(*millivolts)
                                         : emptyText());
  // A dial is only a picture to assistive tools; its reading is its description.
  temperatureGauge->setAccessibleDescription(textCurrentTemperature->text());
  voltageGauge->setAccessibleDescription(textCurrentVoltage->text());
  positionGauge->setAccessibleDescription(textCurrentPosition->text());
}

void KoServoParameterPanels::showLed() {
  if (empty_) return;
  const bool on = switchLed->isOn();
  labelLED->setText(on ? qtTrId("led_on") : qtTrId("led_off"));
  imageLEDState->setStyleSheet(
      QStringLiteral("background:%1;border-radius:10px;")
          .arg((on ? KoTheme::roles().accent : KoTheme::roles().track).name()));
}
