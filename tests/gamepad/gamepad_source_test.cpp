#include "gamepad/gamepad_source.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "virtual_pad.h"

using pad::Input;

TEST(GamepadSource, ReportsInputsOnlyWhileListeningAndStartsFromTheStateAsItIsNow) {
  KoGamepadSource source;
  ASSERT_TRUE(source.start()) << qPrintable(source.error());
  VirtualPad pad;
  source.poll();
  QSignalSpy reports(&source, &KoGamepadSource::stateChanged);
  const auto last = [&] { return reports.last().at(0).value<pad::State>(); };

  pad.setAxis(Input::LeftX, -1);
  pad.setButton(Input::Start, true);
  source.poll();
  EXPECT_TRUE(reports.isEmpty());
  EXPECT_EQ(source.state(), pad::State{});

  // What is held now, once: a stick all the way reads -1, a fresh pad's triggers 0.
  source.setListening(true);
  source.poll();
  pad::State now;
  now.axes[0] = -1;
  now.setHeld(Input::Start, true);
  ASSERT_EQ(reports.size(), 1);
  EXPECT_EQ(last(), now);

  // Triggers from 0 to 1; one report for all that a poll finds.
  pad.setAxis(Input::LeftTrigger, 0.25);
  pad.setAxis(Input::RightTrigger, 1);
  pad.setButton(Input::Start, false);
  pad.setButton(Input::A, true);
  source.poll();
  ASSERT_EQ(reports.size(), 2);
  EXPECT_NEAR(last().axis(Input::LeftTrigger), 0.25, 1e-4);
  EXPECT_EQ(last().axis(Input::RightTrigger), 1.0);
  EXPECT_EQ(last().buttons, 1u << (int(Input::A) - pad::kAxes));

  // Done while not listening: nothing of it comes later but the state it left.
  source.setListening(false);
  pad.setAxis(Input::RightTrigger, 0);
  source.poll();
  source.setListening(true);
  source.poll();
  ASSERT_EQ(reports.size(), 3);
  EXPECT_EQ(last().axis(Input::RightTrigger), 0.0);
}
