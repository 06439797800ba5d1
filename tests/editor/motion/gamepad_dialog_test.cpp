#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "editor/motion/gamepad_dialog.h"
#include "editor/motion/gamepad_view.h"
#include "model/language.h"
#include "widgets/switch.h"

namespace {

using M = KoGamepadMapping;
using pad::Input;

class GamepadDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KoLanguage::instance().install("en");
    QSettings().clear();
  }

  template <class T>
  static T* field(QWidget* dialog, M::Role role, const char* column) {
    const QString name = QString::fromLatin1(M::roleName(role)) + u'_' + QLatin1String(column);
    T* w = dialog->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  static void choose(QWidget* dialog, M::Role role, Input input) {
    auto* box = field<QComboBox>(dialog, role, "input");
    box->setCurrentIndex(box->findData(int(input)));
  }
  static QPushButton* button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name));
  }

  // Runs edit() with `act` done on the open dialog before OK (or Cancel) is pressed.
  static std::optional<M> edit(const std::function<void(KoGamepadDialog*)>& act, bool ok) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<KoGamepadDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      act(dialog);
      button(dialog, ok ? "ok" : "cancel")->click();
    });
    return KoGamepadDialog::edit(nullptr, nullptr);
  }
};

TEST_F(GamepadDialogTest, EditsAndDefaultsSurviveOkIntoTheSettingsAndCancelKeepsThem) {
  M want = M::defaults();
  const auto bind = [&](M::Role role, auto change) {
    M::Binding b = want.binding(role);
    change(b);
    want.setBinding(role, b);
  };
  bind(M::TipForward, [](M::Binding& b) { b.speed = 123, b.invert = true; });
  bind(M::BaseTurn, [](M::Binding& b) { b.deadZone = 0.25; });
  bind(M::TipUp, [](M::Binding& b) { b.input = Input::RightY, b.invert = false; });
  bind(M::RollLeft, [](M::Binding& b) { b.input = Input::None; });
  bind(M::AddFrame, [](M::Binding& b) { b.input = Input::LeftTrigger; });

  const std::optional<M> kept = edit(
      [](KoGamepadDialog* d) {
        field<QSpinBox>(d, M::TipForward, "speed")->setValue(123);
        field<KoSwitch>(d, M::TipForward, "invert")->toggle();
        field<QSpinBox>(d, M::BaseTurn, "deadZone")->setValue(25);
        // A button cannot be turned round: the invert the role had goes with its axis.
        choose(d, M::TipUp, Input::RightShoulder);
        EXPECT_FALSE(field<KoSwitch>(d, M::TipUp, "invert")->isEnabled());
        EXPECT_FALSE(field<QSpinBox>(d, M::TipUp, "deadZone")->isEnabled());
        choose(d, M::TipUp, Input::RightY);
        EXPECT_TRUE(field<KoSwitch>(d, M::TipUp, "invert")->isEnabled());
        choose(d, M::RollLeft, Input::None);
        EXPECT_FALSE(field<QSpinBox>(d, M::RollLeft, "speed")->isEnabled());
        choose(d, M::AddFrame, Input::LeftTrigger);
      },
      true);
  ASSERT_TRUE(kept);
  EXPECT_EQ(*kept, want);
  QSettings settings;
  EXPECT_EQ(M::load(settings), want);

  // Opened again it shows what was kept; a change then cancelled leaves the settings alone.
  const std::optional<M> cancelled = edit(
      [](KoGamepadDialog* d) {
        EXPECT_EQ(field<QSpinBox>(d, M::BaseTurn, "deadZone")->value(), 25);
        EXPECT_TRUE(field<KoSwitch>(d, M::TipForward, "invert")->isOn());
        EXPECT_EQ(field<QComboBox>(d, M::AddFrame, "input")->currentData(),
                  int(Input::LeftTrigger));
        field<QSpinBox>(d, M::TipForward, "speed")->setValue(7);
      },
      false);
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(M::load(settings), want);

  // Defaults puts the README's layout back.
  EXPECT_EQ(edit([](KoGamepadDialog* d) { button(d, "defaults")->click(); }, true), M::defaults());
  EXPECT_EQ(M::load(settings), M::defaults());
}

TEST_F(GamepadDialogTest, EachRowAndTheViewShowWhatTheControllerDoesNow) {
  KoGamepadDialog dialog(M::defaults(), nullptr);
  KoGamepadView* view = dialog.view();
  EXPECT_EQ(view->accessibleDescription(), "No controller");
  view->setController("Pad");

  pad::State state;
  state.axes[size_t(Input::LeftX)] = 0.55;  // half way out past the 10% dead zone
  state.axes[size_t(Input::LeftY)] = -1;    // up: the tip rises
  state.axes[size_t(Input::RightX)] = 0.05;
  state.setHeld(Input::A, true);
  dialog.showState(state);
  EXPECT_DOUBLE_EQ(dialog.level(M::TipForward), 0.5);
  EXPECT_DOUBLE_EQ(dialog.level(M::TipUp), 1);
  EXPECT_EQ(dialog.level(M::BaseTurn), 0);
  EXPECT_EQ(dialog.level(M::AddFrame), 1);
  EXPECT_EQ(dialog.level(M::StopAll), 0);
  EXPECT_EQ(view->accessibleDescription(),
            "Pad: Left stick ←→ 55%, Left stick ↑↓ -100%, Right stick ←→ 5%, A held");

  // An edit shows at once, without waiting for the controller to move again.
  field<KoSwitch>(&dialog, M::TipForward, "invert")->toggle();
  EXPECT_DOUBLE_EQ(dialog.level(M::TipForward), -0.5);
  choose(&dialog, M::AddFrame, Input::Y);
  EXPECT_EQ(dialog.level(M::AddFrame), 0);

  dialog.showState({});
  EXPECT_EQ(dialog.level(M::TipUp), 0);
  EXPECT_EQ(view->accessibleDescription(), "Pad: every input at rest");

  // A language chosen meanwhile reaches the title, the rows and the view.
  KoLanguage::instance().choose("简体", nullptr);
  EXPECT_EQ(dialog.windowTitle(), qtTrId("gamepad_mapping"));
  EXPECT_NE(dialog.windowTitle(), "Gamepad mapping");
  EXPECT_EQ(field<QComboBox>(&dialog, M::TipForward, "input")->currentText(),
            qtTrId("pad_input_left_x"));
  EXPECT_NE(view->accessibleDescription(), "Pad: every input at rest");
  KoLanguage::instance().choose("English", nullptr);
}

TEST_F(GamepadDialogTest, TabReachesEveryControlOnceAndEachHasANameOfItsOwn) {
  KoGamepadDialog dialog(M::defaults(), nullptr);
  dialog.show();
  QList<QWidget*> controls;
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    if (w->isEnabled() && !w->focusProxy() && (w->focusPolicy() & Qt::TabFocus)) controls << w;
  }
  // Every row's fields, the live view and the buttons.
  ASSERT_GT(controls.size(), 2 * int(M::kRoleCount));
  ASSERT_TRUE(controls.contains(dialog.view()));
  QStringList names;
  QWidget* at = controls.first();
  for (qsizetype i = 0, n = controls.size(); i < n; ++i) {
    EXPECT_TRUE(controls.removeOne(at)) << at->metaObject()->className();
    names << QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name);
    do {
      at = at->nextInFocusChain();
    } while (!at->isEnabled() || !(at->focusPolicy() & Qt::TabFocus) || at->focusProxy());
  }
  EXPECT_TRUE(controls.isEmpty());
  // Each told apart from the others by a screen reader.
  EXPECT_FALSE(names.contains(QString()));
  EXPECT_EQ(QSet<QString>(names.cbegin(), names.cend()).size(), names.size())
      << names.join(", ").toStdString();
}

}  // namespace
