#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <functional>

#include "editor/editor_actions.h"
#include "gamepad/gamepad_mapping.h"
#include "model/arm_pose.h"

class QLabel;
class QPushButton;
class QWidget;
class KoArmMoves;
class KoArmView;
class KoEditorSession;
class KoGamepadDriver;
class KoGamepadSource;
class KoSwitch;
class KoTeachRecorder;

// The editor's gamepad: its switch (off by default, remembered) and mapping button, and the
// controller's moves and presses handed to the editor. Moves are throttled as the live arm's
// drags are and show on the live arm; presses become the editor's actions. Only
// while the window is the active one is the controller heard; losing it, the controller or
// the board stops the arm at once.
class KoGamepadControls : public QObject {
  Q_OBJECT

 public:
  // The settings' key of the switch.
  static const char* const kSettingsKey;

  // `send` puts one channel's position on the way to the servo, as a slider's move does.
  KoGamepadControls(KoEditorSession& session, std::function<void(int channel, int position)> send,
                    KoTeachRecorder* recorder, QObject* parent = nullptr);
  ~KoGamepadControls() override;

  // Caption, switch and mapping button, for the row beside the live arm's switch.
  QWidget* row() const { return row_; }
  KoSwitch* gamepadSwitch() const { return switch_; }
  QPushButton* mappingButton() const { return mappingButton_; }
  KoGamepadSource* source() const { return source_; }
  KoGamepadDriver* driver() const { return driver_; }
  // The controller's moves, at most one per 20 ms, every channel of a step together.
  KoArmMoves* moves() const { return moves_; }

  // The window whose being active lets the controller be heard.
  void setWindow(QWidget* window);
  // The live arm, once it exists: it shows what the controller asks for.
  void setArmView(KoArmView* view);
  // Whether the arm can be moved at all (a board, or a serial line carrying the moves), and
  // whether something else moves it now (a run, a download): the sticks wait meanwhile.
  void setCanMove(std::function<bool()> canMove) { canMove_ = std::move(canMove); }
  void setBusy(std::function<bool()> busy) { busy_ = std::move(busy); }

  bool isOn() const;
  // As the switch does; turning on without a board to move says so and stays off.
  void setOn(bool on);
  // The board went away: the switch turns off and the status line says why.
  void boardGone();
  // Whether the controller is heard now: on, a controller, the window active.
  bool isListening() const;
  // Opens the mapping dialog; the new mapping takes effect at once.
  void editMapping();
  void retranslate();

 signals:
  // A press that runs one of the editor's actions through its gate.
  void actionAsked(EditorAction action);
  // B: as Escape, from any state.
  void stopAsked();
  // The D-pad: the row above (-1) or below (1), shown on the arm.
  void rowStepAsked(int step);
  // Start: the list runs, or stops when it runs.
  void runOrStopAsked();
  // For the status line: lasting or a passing result; empty clears.
  void statusChanged(const QString& text, bool lasting);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void listen();
  void pressed(KoGamepadMapping::Role role);
  void moved(const KoChannelPositions& moves);
  void stopMoving();

  KoEditorSession& session_;
  KoArmMoves* moves_;
  KoTeachRecorder* recorder_;
  KoGamepadSource* source_;
  KoGamepadDriver* driver_;
  KoArmView* armView_ = nullptr;
  QWidget* window_ = nullptr;
  std::function<bool()> canMove_;
  std::function<bool()> busy_;
  QWidget* row_;
  QLabel* caption_;
  KoSwitch* switch_;
  QPushButton* mappingButton_;
  // While the mapping is edited, its live view shows what the controller does: the arm waits.
  bool editing_ = false;
};
