#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "gamepad/gamepad_state.h"

// The game controllers SDL knows (its game-controller layer, not its video), polled on the
// main thread. Of those plugged in, the last one plugged is in use. Only while listening are
// its inputs reported; otherwise plugging and unplugging are still heard, and what the
// controller does meanwhile is dropped, not replayed later.
class KoGamepadSource : public QObject {
  Q_OBJECT

 public:
  static constexpr int kPollMs = 4;
  static constexpr int kIdlePollMs = 250;

  explicit KoGamepadSource(QObject* parent = nullptr);
  ~KoGamepadSource() override;

  // Starts the controller layer and the polling; false, with error(), when it cannot start.
  bool start();
  // Closes the controllers without a signal; the state is at rest again.
  void stop();
  bool isStarted() const { return started_; }
  QString error() const { return error_; }

  bool hasController() const;
  // The controller in use, as SDL names it.
  QString name() const;
  // Its inputs as last polled; all at rest without one.
  const pad::State& state() const { return state_; }

  // On: polled every kPollMs and each change reported, starting with the state as it is now.
  void setListening(bool on);
  bool isListening() const { return listening_; }
  // What the timer does; tests call it after moving a virtual controller.
  void poll();

 signals:
  void connected(const QString& name);
  void disconnected(const QString& name);
  void stateChanged(const pad::State& state);

 private:
  struct Sdl;
  Sdl* sdl_ = nullptr;
  QTimer timer_;
  bool started_ = false;
  bool listening_ = false;
  QString error_;
  pad::State state_;
};
