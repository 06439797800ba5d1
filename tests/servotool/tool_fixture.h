#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QSettings>
#include <QTest>

#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "recording_prompter.h"
#include "servotool/parameter_panels.h"
#include "servotool/steer_debugging_tool.h"
#include "wait.h"
#include "widgets/image_title_button.h"
#include "widgets/number_field.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

// The tool on a virtual board that answers at once, in English from fresh settings.
class ToolFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings().clear();
    KoLanguage::instance().load();
    board.setReplyLatency(std::chrono::milliseconds(0));
    link.setTransport(std::make_unique<VirtualHidTransport>(&board));
    ASSERT_TRUE(processUntil([this] { return link.connection(); }));
    tool.setDelays(std::chrono::milliseconds(0), std::chrono::milliseconds(0));
  }

  // Shows the tool and waits for its single-servo check to be answered.
  void showTool(int busServos = 1) {
    board.setBusServoCount(busServos);
    tool.show();
    ASSERT_TRUE(
        processUntil([this] { return tool.check() != KoSteerDebuggingTool::Check::Pending; }));
    processPending();
  }

  void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

  void typeId(const QString& id) {
    panels().textID->selectAll();
    QTest::keyClick(panels().textID, Qt::Key_Backspace);
    QTest::keyClicks(panels().textID, id);
  }

  // Presses "set" and lets it be written, answering `yes` should it ask about a new id.
  void set(bool yes = true) {
    RecordingPrompter::instance().answers = {yes};
    click(tool.buttonSetting());
    processPending();
  }

  void read() {
    const qsizetype before = tips().size();
    click(tool.buttonRead());
    ASSERT_TRUE(processUntil([&] { return tips().size() > before; }));
  }

  // What the panels show: id, trim, LED, angle limits (lower, upper), voltage limits,
  // temperature limit, then the position, temperature and voltage readings.
  QStringList shown() {
    KoServoParameterPanels& p = panels();
    QStringList texts{p.textID->text()};
    for (QLabel* l : {p.labelDeviation, p.labelLED, p.lableAngleBottom, p.lableAngleTop,
                      p.lableVoltageRangeMin, p.lableVoltageRangeMax, p.lableTemperatureRange,
                      p.textCurrentPosition, p.textCurrentTemperature, p.textCurrentVoltage}) {
      texts.append(l->text());
    }
    return texts;
  }

  QStringList sent(int command) const {
    QStringList frames;
    for (const QByteArray& f : board.receivedWith(command)) frames.append(f.toHex(' '));
    return frames;
  }
  static QStringList& tips() { return RecordingPrompter::instance().tips; }
  KoServoParameterPanels& panels() { return *tool.panels(); }

  VirtualBoard board;
  usbHid link;
  KoSteerDebuggingTool tool{link};
};
