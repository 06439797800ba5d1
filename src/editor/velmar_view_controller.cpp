#include "editor/velmar_view_controller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "editor/editor_files.h"
#include "editor/frame_editor.h"
#include "editor/frame_list_model.h"
#include "editor/save_reminder.h"
#include "link/usb_hid.h"
#include "model/frame_encoding.h"
#include "model/notification_center.h"
#include "model/prompter.h"
#include "model/value_utils.h"
#include "widgets/drag_view.h"
#include "widgets/image_title_button.h"
#include "widgets/tool_view.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/widget_tools.h"

namespace {

// Title keys of the context menu, in item order, with their tags.
constexpr std::pair<const char*, int> kMenuItems[] = {
    {QT_TRID_NOOP("copy_action"), KoFrameEditor::kCopy},
    {QT_TRID_NOOP("copy_action_up"), KoFrameEditor::kPasteBefore},
    {QT_TRID_NOOP("copy_action_down"), KoFrameEditor::kPasteAfter},
    {QT_TRID_NOOP("copy_action_update"), KoFrameEditor::kPasteOver},
};

}  // namespace

KoVelmarViewController::KoVelmarViewController(usbHid& hid, QWidget* parent)
    : QWidget(parent), hid_(hid), model_(new KoFrameListModel(this)) {
  frameEditor_ = new KoFrameEditor(
      model_,
      [this](int index) {
        return KoTools::returnVelmarCurrentData(arraySliderTextViews(), texttime_->text(), index);
      },
      this);
  buildPanels();
  files_ = new KoEditorFiles(model_, reminder_, this);
  files_->setDragView(dragView_);

  connect(frameEditor_, &KoFrameEditor::listEdited, this, [this] { files_->movelabel(true); });
  connect(frameEditor_, &KoFrameEditor::scrollToRow, this, &KoVelmarViewController::scrollToRow);
  connect(files_, &KoEditorFiles::scrollToRow, this, &KoVelmarViewController::scrollToRow);
  connect(files_, &KoEditorFiles::filePathChanged, lableFilePath_, &QLabel::setText);
  connect(model_, &KoFrameListModel::timesChanged, this, &KoVelmarViewController::setActionTime);
  connect(model_, &KoFrameListModel::selectIndexChanged, this,
          &KoVelmarViewController::showSelection);
  connect(tableView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) model_->setSelectIndex(current.row());
          });
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoVelmarViewController::changeLanguage);
  changeLanguage();
  setActionTime();
}

KoVelmarViewController::~KoVelmarViewController() = default;

ChannelViews KoVelmarViewController::arraySliderTextViews() const {
  return panView_->channelViews();
}

QWidget* KoVelmarViewController::control(int tag) const {
  for (QWidget* w : tagged_) {
    if (w->property("koTag").toInt() == tag) return w;
  }
  return nullptr;
}

bool KoVelmarViewController::checkState(int) {
  // A duration below the minimum never reaches a frame, even while the field is edited.
  if (KoTools::integerValue(texttime_->text()) < kTimeActionMin) {
    texttime_->setText(QString::number(kTimeActionMin));
  }
  if (hid_.download()) {
    KoTools::showTipWithMessage(qtTrId("progress"));
    return false;
  }
  return true;
}

void KoVelmarViewController::buttonClick(int tag) {
  if (!checkState(tag)) return;
  if (frameEditor_->buttonClick(tag) || files_->buttonClick(tag)) return;
  if (tag == kRefreshTag) {
    KoNotificationCenter::defaultCenter().postRefreshSliderTextField();
  } else if (tag == kSelectAllTag) {
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

void KoVelmarViewController::buttonBoxClick(QCheckBox* box) {
  const int index = box->property("koTag").toInt() - kFirstCheckBoxTag;
  const auto& sliders = panView_->sliders();
  if (index >= 0 && index < sliders.size()) sliders[index]->setVisible(box->isChecked());
}

void KoVelmarViewController::sliderTextFieldView(KoVelmarSliderView*, qint64, int) {}

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
  if (model_->count() == 0) return nullptr;
  if (!menu_) {
    menu_ = new QMenu(this);
    for (const auto& [key, tag] : kMenuItems) {
      const int t = tag;
      menu_->addAction(KoTools::menuItemWithTitle(
          qtTrId(key), [this, t] { frameEditor_->menuclick(t); }, {}, t, menu_));
    }
  }
  const QList<QAction*> items = menu_->actions();
  for (qsizetype i = 1; i < items.size(); ++i) items[i]->setEnabled(frameEditor_->canPaste());
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
  for (const auto& [widget, key] : captions_) {
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(qtTrId(key));
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) b->setText(qtTrId(key));
  }
  for (KoImageTitleButton* b : findChildren<KoImageTitleButton*>()) b->update();
  const bool all = buttonSelectAll_->property("selectsAll").toBool();
  buttonSelectAll_->setText(qtTrId(all ? "select_all" : "select_none"));
  if (menu_) {
    const QList<QAction*> items = menu_->actions();
    for (qsizetype i = 0; i < items.size(); ++i) items[i]->setText(qtTrId(kMenuItems[i].first));
  }
  reminder_->retranslate();
  emit model_->headerDataChanged(Qt::Horizontal, 0, KoFrameListModel::kColumnCount - 1);
}
