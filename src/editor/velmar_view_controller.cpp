#include "editor/velmar_view_controller.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>

#include "editor/board/board_groups.h"
#include "editor/board/editor_serial.h"
#include "editor/board/online_control.h"
#include "editor/board/teach_recorder.h"
#include "editor/board/trims.h"
#include "editor/files/editor_files.h"
#include "editor/files/save_reminder.h"
#include "editor/list/frame_editor.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/easing_dialog.h"
#include "editor/motion/frame_on_cards.h"
#include "editor/motion/gamepad_controls.h"
#include "editor/motion/motion_controls.h"
#include "editor/motion/motion_craft.h"
#include "editor/motion/pose_panel.h"
#include "editor/music/music_control.h"
#include "link/ko_serial.h"
#include "link/protocol.h"
#include "link/serial_port_manager.h"
#include "model/notification_center.h"
#include "model/value_utils.h"
#include "session/arm_ranges.h"
#include "session/editor_session.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "session/frame_marks.h"
#include "session/online_run.h"
#include "widgets/drag_view.h"
#include "widgets/image_title_button.h"
#include "widgets/prompter.h"
#include "widgets/status_line.h"
#include "widgets/switch.h"
#include "widgets/tool_view.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/widget_tools.h"

namespace {

// Title keys of the context menu, in item order, with their actions.
constexpr std::pair<const char*, EditorAction> kMenuItems[] = {
    {QT_TRID_NOOP("copy_action"), KoFrameEditor::kCopy},
    {QT_TRID_NOOP("copy_action_up"), KoFrameEditor::kPasteBefore},
    {QT_TRID_NOOP("copy_action_down"), KoFrameEditor::kPasteAfter},
    {QT_TRID_NOOP("copy_action_update"), KoFrameEditor::kPasteOver},
};

}  // namespace

KoVelmarViewController::KoVelmarViewController(usbHid& hid, QWidget* parent,
                                               ORSSerialPortManager* ports)
    : QWidget(parent),
      hid_(hid),
      // First among the children, so that it goes first: nothing is sent once it is gone.
      session_(new KoEditorSession(hid, this)),
      model_(session_->list()),
      ranges_(session_->ranges()),
      marks_(session_->marks()),
      history_(session_->history()),
      serial_(new KoSerial(this)) {
  frameEditor_ = new KoFrameEditor(
      model_,
      [this](int index) {
        takeTypedPositions();
        return session_->frameOfPose(index);
      },
      this);
  frameEditor_->setHistory(history_);
  frameEditor_->setRanges(ranges_);
  frameEditor_->setSelection([this] { return selectedRows(); });
  online_ = new KoOnlineControl(*session_, *serial_, this);
  motion_ = new KoMotionControls(*session_, online_, this);
  motion_->curveView()->setMarks(marks_);
  music_ = new KoMusicControl(
      model_, history_, online_->run(), motion_->curveView(),
      [this](EditorAction action) { buttonClick(action); }, this);
  music_->setSelection([this] { return selectedRows(); });
  online_->setFollowsSong([this] { return music_->runFollowsSong(); });
  connect(online_, &KoOnlineControl::runEnded, music_, &KoMusicControl::runEnded);
  posePanel_ = new KoPosePanel(ranges_, this);
  buildPanels();
  motion_->attachArmView(panView_);
  new KoFrameOnCards(model_, panView_, this);
  posePanel_->attach(this);
  // Beside the arm profile's button, where the pose panel's row has room to spare.
  if (auto* liveRow = qobject_cast<QBoxLayout*>(motion_->liveRow()->layout())) {
    liveRow->addWidget(posePanel_->openButton());
    // Placed after the rest was built: Tab would otherwise reach it last, after the window.
    setTabOrder(motion_->profileButton(), posePanel_->openButton());
  }
  connect(motion_->curveView(), &KoCurveView::editStarted, history_, &KoFrameHistory::beginStep);
  connect(motion_->curveView(), &KoCurveView::editFinished, history_, &KoFrameHistory::endStep);
  craft_ = new KoMotionCraft(model_, history_, this);
  craft_->setSelection([this] { return selectedRows(); });
  craft_->setRanges(ranges_);
  craft_->setAskers(KoEasingDialog::asker(this, craft_, motion_->curveView()),
                    KoMirrorDialog::asker(this, craft_, ranges_));
  files_ = new KoEditorFiles(model_, history_, reminder_, this);
  files_->setDragView(dragView_);
  online_->setControls(qobject_cast<KoImageTitleButton*>(control(KoOnlineControl::kRun)),
                       loopSwitch_);
  frameEditor_->setStopped([this] { return online_->stopped(); });
  groups_ = new KoBoardGroups(
      hid_, model_, [this] { return KoTools::integerValue(action_); }, this);
  groups_->setDownloadButton(qobject_cast<KoImageTitleButton*>(control(KoBoardGroups::kDownload)));
  groups_->setRanges(ranges_, marks_);
  trims_ = new KoTrims(
      *session_, [this](EditorAction action) { buttonClick(action); }, this);
  serialControls_ = new KoEditorSerial(
      hid_, *serial_, ports ? ports : ORSSerialPortManager::sharedSerialPortManager(), this);
  serialControls_->setControls(boxPorts_, boxBauds_, buttonSerial_, imageSerialState_);

  connect(online_, &KoOnlineControl::scrollToRow, this, &KoVelmarViewController::scrollToRow);
  const auto showStatus = [this](const QString& text, bool lasting) {
    if (text.isEmpty()) {
      statusLine_->clearMessage();
    } else if (lasting) {
      statusLine_->showState(text);
    } else {
      statusLine_->showResult(text);
    }
  };
  connect(online_, &KoOnlineControl::statusChanged, this, showStatus);
  connect(music_, &KoMusicControl::statusChanged, this, showStatus);
  connect(files_, &KoEditorFiles::saved, music_, &KoMusicControl::documentSaved);
  // The list's own path: a merge tells of the merged file's, whose song is not the list's.
  connect(files_, &KoEditorFiles::filePathChanged, music_,
          [this] { music_->documentChanged(files_->currentPath()); });
  connect(groups_, &KoBoardGroups::statusChanged, this, showStatus);
  connect(trims_, &KoTrims::statusChanged, this, showStatus);
  connect(files_, &KoEditorFiles::statusChanged, this, showStatus);
  connect(posePanel_, &KoPosePanel::statusChanged, this, showStatus);
  connect(&hid_, &usbHid::replyTimedOut, this, [this](int command) {
    if (command == protocol::kDownloadDeviations && isVisible()) {
      statusLine_->showResult(qtTrId("trims_not_stored"));
    }
  });
  connect(motion_, &KoMotionControls::scrollToRow, this, &KoVelmarViewController::scrollToRow);
  connect(groups_, &KoBoardGroups::frameSent, this, [this](int row) {
    model_->setSelectIndex(row);
    scrollToRow(row);
    if (const VelmarFrame frame = model_->frameAt(row)) {
      session_->showFileFrame(*frame);
    }
  });
  connect(serialControls_, &KoEditorSerial::lineLost, this, [this] {
    if (!hid_.connection()) online_->connectionLost();
    motion_->gamepad()->boardGone();
  });
  connectGamepad(showStatus);
  connect(tableView_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    if (index.column() == KoFrameListModel::kPlayColumn && index.row() == model_->playRow()) {
      online_->play(index.row());
    }
  });
  connect(&hid_, &usbHid::connectionChanged, this, &KoVelmarViewController::connection);

  // Every change re-arms the save reminder; coming back to the saved list clears it.
  connect(history_, &KoFrameHistory::changed, this,
          [this] { files_->movelabel(history_->modified()); });
  connect(history_, &KoFrameHistory::modifiedChanged, this, &KoVelmarViewController::showDocument);
  connect(files_, &KoEditorFiles::filePathChanged, this, &KoVelmarViewController::showDocument);
  connect(frameEditor_, &KoFrameEditor::scrollToRow, this, &KoVelmarViewController::scrollToRow);
  connect(files_, &KoEditorFiles::scrollToRow, this, &KoVelmarViewController::scrollToRow);
  connect(model_, &KoFrameListModel::framesChanged, this, &KoVelmarViewController::setActionTime);
  connect(model_, &KoFrameListModel::selectIndexChanged, this,
          &KoVelmarViewController::showSelection);
  connect(tableView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) model_->setSelectIndex(current.row());
          });
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoVelmarViewController::changeLanguage);
  connect(ranges_, &KoArmRanges::profileChanged, this, &KoVelmarViewController::applyProfile);
  // The cards show the session's pose and hand it every move of the user's.
  connect(session_, &KoEditorSession::poseChanged, this, &KoVelmarViewController::showPose);
  connect(session_, &KoEditorSession::channelsReset, this, [this](const QList<int>& channels) {
    const auto& sliders = panView_->sliders();
    for (int channel : channels) {
      if (channel >= 1 && channel <= sliders.size()) sliders[channel - 1]->setShake(true);
    }
  });
  connect(texttime_, &QLineEdit::textChanged, session_,
          [this](const QString& text) { session_->setFrameTime(KoTools::integerValue(text)); });
  applyProfile();
  addShortcuts();
  changeLanguage();
  setActionTime();
  connection(hid_.connection());
}

void KoVelmarViewController::connectGamepad(
    const std::function<void(const QString&, bool)>& showStatus) {
  KoGamepadControls* pad = motion_->gamepad();
  pad->setCanMove([this] { return hid_.connection() || serial_->carriesMoves(); });
  pad->setBusy([this] { return !online_->stopped() || hid_.download(); });
  connect(pad, &KoGamepadControls::statusChanged, this, showStatus);
  connect(pad, &KoGamepadControls::actionAsked, this, &KoVelmarViewController::buttonClick);
  connect(pad, &KoGamepadControls::stopAsked, this, [this] { stopEverything(false); });
  connect(pad, &KoGamepadControls::runOrStopAsked, this,
          [this] { buttonClick(online_->stopped() ? KoOnlineControl::kRun : EditorAction::Stop); });
  // As a click on a row and Space would: the row is selected and its pose goes to the arm.
  connect(pad, &KoGamepadControls::rowStepAsked, this, [this](int step) {
    const int count = model_->count();
    if (count == 0 || !online_->stopped()) return;
    const int at = model_->selectIndex();
    const int row = at < 0 ? (step > 0 ? 0 : count - 1) : std::clamp(at + step, 0, count - 1);
    scrollToRow(row);
    online_->play(row);
  });
}

KoVelmarViewController::~KoVelmarViewController() {
  // The run's sender uses the serial sender, which goes before the run among our children.
  session_->run()->stop();
}

QWidget* KoVelmarViewController::control(EditorAction action) const {
  for (QWidget* w : tagged_) {
    if (w->property("koTag").toInt() == tagOf(action)) return w;
  }
  return nullptr;
}

EditorState KoVelmarViewController::state() const {
  EditorState s;
  s.board = hid_.connection();
  s.serialOpen = serialControls_->isOpen();
  s.running = !online_->stopped();
  s.downloading = hid_.download();
  s.recording = motion_->recorder()->isRecording();
  s.frames = model_->count();
  return s;
}

bool KoVelmarViewController::checkState(EditorAction action) {
  // A duration below the minimum never reaches a frame, even while the field is edited.
  if (KoTools::integerValue(texttime_->text()) < kTimeActionMin) {
    texttime_->setText(QString::number(kTimeActionMin));
  }
  const std::optional<EditorRefusal> refused = refusal(action, state());
  if (!refused) return true;
  if (*refused->tipKey) KoTools::showTipWithMessage(qtTrId(refused->tipKey));
  return false;
}

void KoVelmarViewController::buttonClick(EditorAction action) {
  if (!checkState(action)) return;
  if (action == EditorAction::Stop) {
    stopEverything(true);
    return;
  }
  if (frameEditor_->buttonClick(action) || files_->buttonClick(action) ||
      online_->buttonClick(action) || groups_->buttonClick(action) || trims_->buttonClick(action) ||
      motion_->buttonClick(action) || music_->buttonClick(action) || craft_->buttonClick(action)) {
    return;
  }
  if (action == KoEditorSerial::kConnectTag) {
    serialControls_->toggle();
  } else if (action == kUndoTag) {
    history_->undo();
  } else if (action == kRedoTag) {
    history_->redo();
  } else if (action == kSelectAllTag) {
    // The title says what the next click does.
    const bool all = buttonSelectAll_->property("selectsAll").toBool();
    buttonSelectAll_->setProperty("selectsAll", !all);
    buttonSelectAll_->setText(qtTrId(all ? "select_none" : "select_all"));
    for (QCheckBox* box : checkBoxes_) {
      box->setChecked(all);
      buttonBoxClick(box);
    }
  }
}

void KoVelmarViewController::stopEverything(bool always) {
  // Nothing is sent after this returns: the run's pending frames are dropped with it.
  if (!online_->stopped()) online_->stopRun();
  music_->stopSong();
  if (motion_->recorder()->isRecording()) motion_->recorder()->stop();
  // The board says nothing of a group it plays: the button always tells it to stop, Escape
  // only when this program started one.
  if ((always || groups_->runningGroup() >= 0) && hid_.connection() && !hid_.download()) {
    groups_->buttonClick(KoBoardGroups::kStopGroup);
  }
}

void KoVelmarViewController::usbhidDidStoreTrims() { trims_->trimsStored(); }

void KoVelmarViewController::buttonBoxClick(QCheckBox* box) {
  const int index = box->property("koTag").toInt() - kFirstCheckBoxTag;
  const auto& sliders = panView_->sliders();
  if (index >= 0 && index < sliders.size()) session_->setShown(index + 1, box->isChecked());
}

void KoVelmarViewController::takeTypedPositions() {
  const auto& sliders = panView_->sliders();
  for (int i = 0; i < std::min<int>(KoPose::kChannels, int(sliders.size())); ++i) {
    if (const auto typed = sliders[i]->typedPosition()) session_->setPosition(i + 1, *typed);
  }
}

void KoVelmarViewController::showPose(const KoPose& pose) {
  const auto& sliders = panView_->sliders();
  for (int i = 0; i < std::min<int>(KoPose::kChannels, int(sliders.size())); ++i) {
    KoVelmarSliderView* card = sliders[i];
    card->setPosition(pose.positions[size_t(i)]);
    card->setTrim(pose.trims[size_t(i)]);
    if (card->isHidden() == pose.shown[size_t(i)]) card->setVisible(pose.shown[size_t(i)]);
  }
}

void KoVelmarViewController::sliderTextFieldView(KoVelmarSliderView* view, qint64 value, int type) {
  const int servoId = view->tag() - 1000;
  if (type) {
    session_->setPosition(servoId, value);
    online_->sliderMoved(servoId, int(value));
  } else {
    session_->setTrim(servoId, value);
    trims_->trimMoved(servoId, int(value));
  }
}

// Download acknowledgements go straight to the downloader, which listens to the link.
void KoVelmarViewController::usbhidDidEraseGroups() { groups_->groupsErased(); }

void KoVelmarViewController::usbhidDidReadPositions(const protocol::PositionsRead& read) {
  if (motion_->recorder()->isRecording()) {
    motion_->recorder()->positionsReceived(read.readings);
  } else {
    online_->positionsReceived(read.readings);
  }
}

void KoVelmarViewController::usbhidDidReadTrims(const QList<protocol::ServoDeviation>& trims) {
  trims_->deviationsReceived(trims);
}

void KoVelmarViewController::usbhidDidMatch() { serialControls_->closePort(); }

void KoVelmarViewController::connection(bool connected) {
  serialControls_->usbConnectionChanged(connected);
  if (connected) return;
  online_->connectionLost();
  groups_->connectionLost();
  motion_->recorder()->connectionLost();
  motion_->gamepad()->boardGone();
}

void KoVelmarViewController::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Replies go to the screen in front.
  if (!event->spontaneous()) hid_.setDelegate(this);
  motion_->gamepad()->setWindow(window());
}

void KoVelmarViewController::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  online_->setReadAngel(false);
  // Its readings would go to the screen in front now.
  motion_->recorder()->stop();
}

void KoVelmarViewController::applyProfile() {
  const auto& sliders = panView_->sliders();
  for (int i = 0; i < sliders.size(); ++i) sliders[i]->setChannelProfile(ranges_->channel(i + 1));
  showPose(session_->pose());
}

void KoVelmarViewController::setActionTime() {
  labelActionstimeShow_->setText(model_->count() == 0 ? QStringLiteral("0s")
                                                      : KoTools::FloatKeepTwoBitsAndRemoveAllZero(
                                                            float(model_->timeSum()) / 1000.0f));
}

void KoVelmarViewController::showSelection(int index) {
  QItemSelectionModel* selection = tableView_->selectionModel();
  if (index < 0) {
    selection->clear();
  } else if (selection->currentIndex().row() != index || !selection->hasSelection()) {
    selection->setCurrentIndex(model_->index(index, 0),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  setActionTime();
}

void KoVelmarViewController::scrollToRow(int row) {
  if (row >= 0) tableView_->scrollTo(model_->index(row, 0));
}

QMenu* KoVelmarViewController::menuTable() {
  if (model_->count() == 0 && !history_->canUndo()) return nullptr;
  if (!menu_) {
    menu_ = new QMenu(this);
    for (const auto& [key, tag] : kMenuItems) {
      const EditorAction t = tag;
      // The keys the table takes for the same, shown beside the items.
      const QKeySequence keys = t == KoFrameEditor::kCopy         ? QKeySequence::Copy
                                : t == KoFrameEditor::kPasteAfter ? QKeySequence::Paste
                                                                  : QKeySequence();
      menu_->addAction(KoTools::menuItemWithTitle(
          qtTrId(key), [this, t] { buttonClick(t); }, keys, tagOf(t), menu_));
    }
    menu_->addSeparator();
    for (QAction* a : actions()) {
      const int tag = a->property("koTag").toInt();
      if (tag == tagOf(kUndoTag) || tag == tagOf(kRedoTag)) menu_->addAction(a);
    }
    KoTools::addCraftItems(menu_, [this](EditorAction a) { buttonClick(a); });
  }
  const QList<QAction*> items = menu_->actions();
  items[0]->setEnabled(model_->count() > 0);
  for (size_t i = 1; i < std::size(kMenuItems); ++i) items[i]->setEnabled(frameEditor_->canPaste());
  return menu_;
}

void KoVelmarViewController::popUpMenu(const QPoint& at) {
  if (QMenu* menu = menuTable()) menu->popup(tableView_->viewport()->mapToGlobal(at));
}

void KoVelmarViewController::timeTextChanged(const QString& text) {
  if (settingText_) return;
  QString fixed = text;
  if (fixed.isEmpty()) fixed = QString::number(kTimeActionMin);
  if (KoTools::integerValue(fixed) > kTimeActionMax) fixed = QString::number(kTimeActionMax);
  if (fixed == text) return;
  settingText_ = true;
  texttime_->setText(fixed);
  settingText_ = false;
}

void KoVelmarViewController::timeEditingFinished() {
  if (KoTools::integerValue(texttime_->text()) < kTimeActionMin) {
    texttime_->setText(QString::number(kTimeActionMin));
  }
}

void KoVelmarViewController::groupTextChanged(const QString& text) {
  if (settingText_) return;
  QString digits;
  for (const QChar c : text) {
    if (c >= u'0' && c <= u'9') digits += c;
  }
  while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);
  if (digits.isEmpty()) digits = QStringLiteral("0");
  // Long digit strings cannot overflow: anything over three digits is over the limit.
  if (digits.size() > 3 || digits.toInt() > kMaxGroup) digits = QString::number(kMaxGroup);
  action_ = digits;
  if (digits == text) return;
  settingText_ = true;
  boxActions_->setEditText(digits);
  settingText_ = false;
}

void KoVelmarViewController::changeLanguage() {
  for (const auto& [widget, key] : tooltips_) widget->setToolTip(qtTrId(key));
  buttonRecent_->setAccessibleName(qtTrId("recent_files"));
  // Every button says what it does, and its key where it has one.
  for (QWidget* w : tagged_) {
    const QByteArray tipKey = w->property("tipKey").toByteArray();
    if (tipKey.isEmpty()) continue;
    QStringList keys;
    for (const auto& [action, key] : buttonKeys_) {
      if (tagOf(action) == w->property("koTag").toInt()) {
        keys.append(key.toString(QKeySequence::NativeText));
      }
    }
    const QString tip = qtTrId(tipKey.constData());
    w->setToolTip(keys.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, keys.join(u", ")));
  }
  for (QAction* a : actions()) {
    if (const QByteArray key = a->property("titleKey").toByteArray(); !key.isEmpty()) {
      a->setText(qtTrId(key.constData()));
    }
  }
  showDocument();
  for (const auto& [widget, key] : captions_) {
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(qtTrId(key));
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) b->setText(qtTrId(key));
  }
  for (KoImageTitleButton* b : findChildren<KoImageTitleButton*>()) {
    b->updateGeometry();
    b->update();
  }
  motion_->retranslate();
  music_->retranslate();
  const bool all = buttonSelectAll_->property("selectsAll").toBool();
  buttonSelectAll_->setText(qtTrId(all ? "select_all" : "select_none"));
  if (menu_) {
    const QList<QAction*> items = menu_->actions();
    for (size_t i = 0; i < std::size(kMenuItems); ++i)
      items[i]->setText(qtTrId(kMenuItems[i].first));
  }
  reminder_->retranslate();
  buttonSerial_->setText(qtTrId(buttonSerial_->property("titleKey").toByteArray().constData()));
  emit model_->headerDataChanged(Qt::Horizontal, 0, KoFrameListModel::kColumnCount - 1);
}
