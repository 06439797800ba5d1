#pragma once

#include <QWidget>

// An on/off switch: a sliding knob on a track, orange when on, grey when off. A click or the
// space key toggles it.
class KoSwitch : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool on READ isOn WRITE setOn NOTIFY stateChanged)

 public:
  explicit KoSwitch(QWidget* parent = nullptr);

  bool isOn() const { return on_; }
  // Sets the state from code: only stateChanged is emitted.
  void setOn(bool on);
  // Toggles as a click does, for the user: both signals are emitted.
  void toggle();

  QSize sizeHint() const override;

 signals:
  // The user toggled the switch; `on` is the new state.
  void toggledByUser(bool on);
  // The state changed, by the user or from code.
  void stateChanged(bool on);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool on_ = false;
  bool pressed_ = false;
};
