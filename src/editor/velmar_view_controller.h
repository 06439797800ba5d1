#pragma once

#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>
#include <functional>

#include "editor/editor_actions.h"
#include "link/usb_hid.h"
#include "model/action_model.h"
#include "model/limits.h"
#include "widgets/velmar_slider_view.h"

class QBoxLayout;
class KoArmRanges;
class KoEditorSession;
struct KoPose;
class KoFrameMarks;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;
class KoBoardGroups;
class KoDragView;
class KoElidedLabel;
class KoEditorFiles;
class KoEditorSerial;
class KoOnlineControl;
class KoSerial;
class KoTrims;
class ORSSerialPortManager;
class KoFrameEditor;
class KoFrameHistory;
class KoMotionControls;
class KoMusicControl;
class KoMotionCraft;
class KoPosePanel;
class KoFrameListModel;
class KoImageTitleButton;
class KoSwitch;
class KoToolView;
class KoVelmarPanView;
class UILabel;
class KoStatusLine;

// The action-group editor: the pose panel, the frame table and the panels around them. A
// thin screen: it builds and lays out the controls, passes each action through its gate and
// hands it to the collaborator of its concern (frame list, frame operations, files and
// reminder, online control, board groups, trims, the serial line). While in front it is the
// USB link's delegate and hands each reply to the collaborator that asked for it.
class KoVelmarViewController : public QWidget,
                               public KoVelmarSliderViewDelegate,
                               public UsbHidDelegate {
  Q_OBJECT

 public:
  static constexpr EditorAction kSelectAllTag = EditorAction::SelectAll;
  static constexpr EditorAction kUndoTag = EditorAction::Undo;
  static constexpr EditorAction kRedoTag = EditorAction::Redo;
  static constexpr int kFirstCheckBoxTag = 3001;
  static constexpr int kMaxGroup = limits::kGroup.maximum;
  static constexpr int kTimeActionMin = limits::kFrameTime.minimum;
  static constexpr int kTimeActionMax = limits::kFrameTime.maximum;
  // After the file's name while the list differs from what was last saved.
  static inline const QString kUnsavedMark = QStringLiteral(" *");

  // Without a port manager the program's own one is used.
  explicit KoVelmarViewController(usbHid& hid, QWidget* parent = nullptr,
                                  ORSSerialPortManager* ports = nullptr);
  ~KoVelmarViewController() override;

  // Runs an action after the gate; the context menu, the keys and the buttons all come here.
  void buttonClick(EditorAction action);
  // The gate every action passes; false (and the refusing tip shown) when it may not run now.
  bool checkState(EditorAction action);
  // What the gate weighs now.
  EditorState state() const;
  // Stops whatever plays: the online run, a recording and the board's group (the Stop button;
  // Escape anywhere in the window, which tells the board only of a group started here).
  void stopEverything(bool always);
  void buttonBoxClick(QCheckBox* box);

  // The editor's state without the widgets: list, history, ranges, marks, pose, run, link.
  KoEditorSession* session() const { return session_; }
  KoFrameListModel* model() const { return model_; }
  // The chosen arm's safe ranges and reversed channels, which every input and send obeys.
  KoArmRanges* armRanges() const { return ranges_; }
  KoFrameEditor* frameEditor() const { return frameEditor_; }
  KoFrameHistory* history() const { return history_; }
  QToolButton* buttonRecent() const { return buttonRecent_; }
  // What the window shows as its title: the file's name and a modified mark.
  QString documentTitle() const;
  KoEditorFiles* files() const { return files_; }
  KoOnlineControl* online() const { return online_; }
  KoBoardGroups* groups() const { return groups_; }
  KoMotionControls* motion() const { return motion_; }
  KoMusicControl* music() const { return music_; }
  // Easing, mirroring and reversing the selected frames.
  KoMotionCraft* craft() const { return craft_; }
  KoEditorSerial* serialControls() const { return serialControls_; }
  UILabel* labelsave_file_tips() const { return reminder_; }
  // Where board actions say how they went.
  KoStatusLine* statusLine() const { return statusLine_; }
  KoElidedLabel* lableFilePath() const { return lableFilePath_; }
  QLabel* labelUnsaved() const { return labelUnsaved_; }
  QLabel* labelActionstimeShow() const { return labelActionstimeShow_; }
  QLineEdit* texttime() const { return texttime_; }
  QComboBox* boxActions() const { return boxActions_; }
  QTableView* tableView() const { return tableView_; }
  KoDragView* dragView() const { return dragView_; }
  KoVelmarPanView* panView() const { return panView_; }
  const QList<QCheckBox*>& arraySliderTextCheckViews() const { return checkBoxes_; }
  // The context menu as it would pop up now; null while the list is empty.
  QMenu* menuTable();
  // Every control of the screen that carries a tag, buttons and boxes alike.
  QWidget* control(EditorAction action) const;

  // KoVelmarSliderViewDelegate: the pose changed; moves go to the board with online control.
  void sliderTextFieldView(KoVelmarSliderView* view, qint64 value, int type) override;

  // UsbHidDelegate: replies, and a board found or gone.
  void usbhidDidEraseGroups() override;
  void usbhidDidReadPositions(const protocol::PositionsRead& read) override;
  void usbhidDidReadTrims(const QList<protocol::ServoDeviation>& trims) override;
  void usbhidDidStoreTrims() override;
  void usbhidDidMatch() override;
  void usbhidDidRemove() override {}

 signals:
  void documentTitleChanged(const QString& title);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void buildPanels();
  QWidget* buildPosePanel();
  QWidget* buildTimePanel();
  QWidget* buildFileRow();
  QWidget* buildOnlineRow();
  QWidget* buildGroupRow();
  QWidget* buildSerialRow();
  QWidget* buildTable();
  QWidget* buildFilePathPanel();
  struct ButtonDef {
    const char* image;
    const char* titleKey;
    EditorAction action;
    const char* tipKey;  // what the button does, for its tooltip
  };
  KoImageTitleButton* button(const QString& image, const QString& titleKey, EditorAction action);
  void addButtons(QBoxLayout* into, std::initializer_list<ButtonDef> defs);

  void connection(bool connected);
  // The controller's presses run through the gate as the keys do.
  void connectGamepad(const std::function<void(const QString&, bool)>& showStatus);
  // The editing keys, each on the button that does the same where there is one.
  void addShortcuts();
  void showDocument();
  void fillRecentMenu();
  QList<int> selectedRows() const;
  void changeLanguage();
  // The sliders take the profile's ranges and directions.
  void applyProfile();
  // A value typed into a card and not yet sent counts for a frame made now, as it shows.
  void takeTypedPositions();
  // The cards show the pose; they report nothing for it.
  void showPose(const KoPose& pose);
  void setActionTime();
  void showSelection(int index);
  void scrollToRow(int row);
  void popUpMenu(const QPoint& at);
  void timeTextChanged(const QString& text);
  void timeEditingFinished();
  void groupTextChanged(const QString& text);

  usbHid& hid_;
  KoEditorSession* session_;
  KoFrameListModel* model_;
  KoArmRanges* ranges_;
  KoFrameMarks* marks_;
  KoFrameHistory* history_;
  KoFrameEditor* frameEditor_ = nullptr;
  KoEditorFiles* files_ = nullptr;
  UILabel* reminder_ = nullptr;
  KoStatusLine* statusLine_ = nullptr;
  KoSerial* serial_;
  KoOnlineControl* online_ = nullptr;
  KoBoardGroups* groups_ = nullptr;
  KoTrims* trims_ = nullptr;
  KoMotionControls* motion_ = nullptr;
  KoMusicControl* music_ = nullptr;
  KoMotionCraft* craft_ = nullptr;
  KoPosePanel* posePanel_ = nullptr;
  KoEditorSerial* serialControls_ = nullptr;

  KoVelmarPanView* panView_ = nullptr;
  QList<QCheckBox*> checkBoxes_;
  QPushButton* buttonSelectAll_ = nullptr;
  QLineEdit* texttime_ = nullptr;
  QLabel* labelActionstimeShow_ = nullptr;
  QComboBox* boxActions_ = nullptr;
  QString action_ = QStringLiteral("0");
  QTableView* tableView_ = nullptr;
  KoDragView* dragView_ = nullptr;
  KoElidedLabel* lableFilePath_ = nullptr;
  QLabel* labelUnsaved_ = nullptr;
  QMenu* menu_ = nullptr;
  KoSwitch* loopSwitch_ = nullptr;
  QComboBox* boxPorts_ = nullptr;
  QComboBox* boxBauds_ = nullptr;
  QPushButton* buttonSerial_ = nullptr;
  QLabel* imageSerialState_ = nullptr;
  QList<QPair<QWidget*, const char*>> tooltips_;
  QToolButton* buttonRecent_ = nullptr;
  QList<QPair<EditorAction, QKeySequence>> buttonKeys_;
  // Labels and buttons whose text is a key.
  QList<QPair<QWidget*, const char*>> captions_;
  QList<QWidget*> tagged_;
  bool settingText_ = false;
};
