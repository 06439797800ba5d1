#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <functional>

#include "editor/editor_actions.h"
#include "model/limits.h"

class QLabel;
class QPushButton;
class QWidget;
class KoArmFeed;
class KoArmMoves;
class KoArmView;
class KoCurveView;
class KoFrameListModel;
class KoGamepadControls;
class KoNumberField;
class KoOnlineControl;
class KoSwitch;
class KoTeachRecorder;
class KoVelmarPanView;
class KoEditorSession;

// The editor's motion controls, built here so the screen only places them: the live arm
// behind the channel controls and its switch, the curves under the table, the soft-start
// option of the loop panel and the teach-by-hand record button with its interval. Choices
// are kept in the settings.
class KoMotionControls : public QObject {
  Q_OBJECT

 public:
  static constexpr EditorAction kRecordTag = EditorAction::Record;
  static constexpr int kDefaultSoftStartMs = limits::kDefaultSoftStartMs;

  KoMotionControls(KoEditorSession& session, KoOnlineControl* online, QObject* parent = nullptr);
  // Puts the live arm behind the pan view's channel controls, in its picture's place.
  void attachArmView(KoVelmarPanView* panView);

  // The live arm and its feed; nullptr until the arm is first shown.
  KoArmView* armView() const { return armView_; }
  KoArmFeed* armFeed() const { return feed_; }
  // The moves of the arm posed in its view, sent as slider moves are.
  KoArmMoves* armMoves() const { return moves_; }
  KoSwitch* liveSwitch() const { return liveSwitch_; }
  QPushButton* profileButton() const { return profileButton_; }
  KoCurveView* curveView() const { return curves_; }
  KoSwitch* softStartSwitch() const { return softSwitch_; }
  KoNumberField* softStartField() const { return softField_; }
  QPushButton* recordButton() const { return recordButton_; }
  KoTeachRecorder* recorder() const { return recorder_; }
  KoGamepadControls* gamepad() const { return gamepad_; }

  // Caption and switch of the live arm, in the pan view's corner.
  QWidget* liveRow() const { return liveRow_; }
  // Caption, and the time with its unit, of the soft start, for the loop panel.
  QLabel* softStartCaption() const { return softCaption_; }
  QWidget* softStartTime() const { return softTime_; }
  // The record button and its interval, for the row above the table.
  QWidget* recordRow() const { return recordRow_; }

  bool buttonClick(EditorAction action);
  void retranslate();

 signals:
  void scrollToRow(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showLive(bool on);
  // A channel the arm view moved: its control shows the position and it goes to the servo
  // as if the user had moved the slider.
  void moveChannel(int channel, int position);
  void applySoftStart();
  void showSoftStart();
  QLabel* caption(const char* key);
  void showRecording(bool on);

  KoOnlineControl* online_;
  KoEditorSession& session_;
  KoVelmarPanView* panView_ = nullptr;
  KoArmView* armView_ = nullptr;
  KoArmFeed* feed_ = nullptr;
  KoArmMoves* moves_;
  KoSwitch* liveSwitch_;
  QPushButton* profileButton_;
  KoCurveView* curves_;
  KoSwitch* softSwitch_;
  KoNumberField* softField_;
  QPushButton* recordButton_;
  KoNumberField* intervalField_;
  KoTeachRecorder* recorder_;
  KoGamepadControls* gamepad_;
  QWidget* liveRow_;
  QLabel* softCaption_;
  QWidget* softTime_;
  QWidget* recordRow_;
  QList<QPair<QWidget*, const char*>> captions_;
  QList<QPair<QWidget*, const char*>> tooltips_;
};
