#pragma once

#include <QObject>
#include <functional>

#include "editor/editor_actions.h"
#include "link/protocol.h"

class KoEditorSession;
class usbHid;

// The servos' trims: read them into the session's pose, adjust a servo live, have the servos
// store them, and set them back to 0 in the servos and the controls. All of it over USB.
class KoTrims : public QObject {
  Q_OBJECT

 public:
  static constexpr EditorAction kRead = EditorAction::ReadTrims;
  static constexpr EditorAction kStore = EditorAction::StoreTrims;
  static constexpr EditorAction kReset = EditorAction::ResetTrims;

  // Clicks a control through the screen's gate.
  using Click = std::function<void(EditorAction action)>;

  KoTrims(KoEditorSession& session, Click click, QObject* parent = nullptr);

  bool buttonClick(EditorAction action);
  // A trim control moved by the user.
  void trimMoved(int servoId, int value);
  // A reply 23 reaches the editor.
  void deviationsReceived(const QList<protocol::ServoDeviation>& trims);
  // The board confirmed storing the trims.
  void trimsStored();

 signals:
  // A result for the status line (none lasts).
  void statusChanged(const QString& text, bool lasting);

 private:
  void reset();

  KoEditorSession& session_;
  usbHid& hid_;
  Click click_;
  bool firstAdjustment_ = true;
  bool resetting_ = false;
};
