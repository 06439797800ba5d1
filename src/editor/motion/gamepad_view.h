#pragma once

#include <QString>
#include <QWidget>

#include "gamepad/gamepad_mapping.h"
#include "gamepad/gamepad_state.h"

namespace KoTools {
// An input as the mapping page names it ("Left stick ←→", "A", "D-pad ↑"); "None" for none.
QString inputText(pad::Input input);
}  // namespace KoTools

// The controller as it is now, to check a mapping against: both sticks (the dot where the stick
// stands, the inner ring the dead zone of the roles its axes drive), both triggers as bars, the
// buttons as chips lit while held, and the controller's name. A screen reader hears the same
// in words, in the view's description.
class KoGamepadView : public QWidget {
  Q_OBJECT

 public:
  explicit KoGamepadView(QWidget* parent = nullptr);

  void setState(const pad::State& state);
  const pad::State& state() const { return state_; }
  // The controller's name; empty when none is plugged in.
  void setController(const QString& name);
  QString controller() const { return controller_; }
  void setMapping(const KoGamepadMapping& mapping);

  // What the view shows, in words.
  QString describe() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void retranslate();
  // The dead zone of the first motion driven by `axis`, 0 when none is.
  double deadZoneOf(pad::Input axis) const;

  pad::State state_;
  QString controller_;
  KoGamepadMapping mapping_ = KoGamepadMapping::defaults();
};
