#include "gamepad/gamepad_source.h"

#include <gtest/gtest.h>

#include "virtual_pad.h"

using pad::Input;

namespace {

// What the source said, in order; each state reported is kept too.
struct Heard {
  explicit Heard(KoGamepadSource& source) {
    QObject::connect(&source, &KoGamepadSource::connected, [this](auto& n) { log << "+" + n; });
    QObject::connect(&source, &KoGamepadSource::disconnected, [this](auto& n) { log << "-" + n; });
    QObject::connect(&source, &KoGamepadSource::stateChanged, [this](const pad::State& s) {
      log << "state";
      last = s;
    });
  }
  QStringList take() { return std::exchange(log, {}); }
  QStringList log;
  pad::State last;
};

}  // namespace

TEST(GamepadSource, TheLastPluggedIsInUseAndUnpluggingItFallsBackToTheOneBefore) {
  VirtualPad first("First pad");
  KoGamepadSource source;
  Heard heard(source);
  source.poll();  // not started: SDL's queue is not ours yet
  EXPECT_FALSE(source.hasController());
  ASSERT_TRUE(source.start()) << qPrintable(source.error());
  ASSERT_TRUE(source.start());
  source.poll();
  EXPECT_EQ(heard.take(), QStringList{"+First pad"});
  EXPECT_EQ(source.name(), "First pad");
  source.setListening(true);
  first.setAxis(Input::LeftX, 1);
  source.poll();
  EXPECT_EQ(source.state().axis(Input::LeftX), 1.0);
  heard.take();

  // The newcomer takes over: what the first holds or does no longer counts.
  VirtualPad second("Second pad");
  source.poll();
  first.setAxis(Input::RightY, -1);
  first.setButton(Input::Back, true);
  source.poll();
  EXPECT_EQ(heard.take(), (QStringList{"state", "+Second pad"}));
  EXPECT_EQ(heard.last, pad::State{});
  second.setButton(Input::DpadRight, true);
  source.poll();
  EXPECT_EQ(heard.take(), QStringList{"state"});
  EXPECT_TRUE(heard.last.held(Input::DpadRight));

  // Unplugged while held: at rest before it is gone, then the first is in use again.
  second.unplug();
  source.poll();
  EXPECT_EQ(heard.take(), (QStringList{"state", "-Second pad", "+First pad"}));
  EXPECT_EQ(heard.last, pad::State{});
  first.setAxis(Input::LeftY, 0.5);
  source.poll();
  EXPECT_NEAR(source.state().axis(Input::LeftY), 0.5, 1e-4);
  first.unplug();
  source.poll();
  EXPECT_EQ(heard.take().last(), "-First pad");
  EXPECT_FALSE(source.hasController());
}

TEST(GamepadSource, ReportsInputsOnlyWhileListeningAndStartsFromTheStateAsItIsNow) {
  KoGamepadSource source;
  ASSERT_TRUE(source.start()) << qPrintable(source.error());
  VirtualPad pad;
  source.poll();
  Heard heard(source);

  pad.setAxis(Input::LeftX, -1);
  pad.setButton(Input::Start, true);
  source.poll();
  EXPECT_EQ(heard.take(), QStringList{});
  EXPECT_EQ(source.state(), pad::State{});

  // What is held now, once: a stick all the way reads -1, a fresh pad's triggers 0.
  source.setListening(true);
  source.poll();
  pad::State now;
  now.axes[0] = -1;
  now.setHeld(Input::Start, true);
  EXPECT_EQ(heard.take(), QStringList{"state"});
  EXPECT_EQ(heard.last, now);

  // Triggers from 0 to 1; one report for all that a poll finds.
  pad.setAxis(Input::LeftTrigger, 0.25);
  pad.setAxis(Input::RightTrigger, 1);
  pad.setButton(Input::Start, false);
  pad.setButton(Input::A, true);
  source.poll();
  EXPECT_EQ(heard.take(), QStringList{"state"});
  EXPECT_NEAR(heard.last.axis(Input::LeftTrigger), 0.25, 1e-4);
  EXPECT_EQ(heard.last.axis(Input::RightTrigger), 1.0);
  EXPECT_EQ(heard.last.buttons, 1u << (int(Input::A) - pad::kAxes));

  // Done while not listening: nothing of it comes later but the state it left.
  source.setListening(false);
  pad.setAxis(Input::RightTrigger, 0);
  source.poll();
  source.setListening(true);
  source.poll();
  EXPECT_EQ(heard.take(), QStringList{"state"});
  EXPECT_EQ(heard.last.axis(Input::RightTrigger), 0.0);
}
