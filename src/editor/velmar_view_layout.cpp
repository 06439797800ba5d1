// How the editor's panels are built and arranged; what they do is in
// velmar_view_controller.cpp.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>

#include "editor/files/save_reminder.h"
#include "editor/list/frame_cell_delegate.h"
#include "editor/list/frame_table_view.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/motion_controls.h"
#include "editor/music/music_control.h"
#include "editor/velmar_view_controller.h"
#include "model/limits.h"
#include "model/notification_center.h"
#include "session/frame_list_model.h"
#include "widgets/drag_view.h"
#include "widgets/elided_label.h"
#include "widgets/image_title_button.h"
#include "widgets/quiet_scroll_bar.h"
#include "widgets/status_line.h"
#include "widgets/switch.h"
#include "widgets/theme.h"
#include "widgets/tool_view.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/widget_tools.h"

namespace {

constexpr int kGap = 8;
constexpr int kRowHeight = 26;
// Between the buttons of one panel: twenty of them share two rows at the smallest window.
constexpr int kButtonGap = 4;
// The least either middle panel may have: the table's eight columns, or the picture's cards.
constexpr int kMiddlePanelWidth = 400;

QHBoxLayout* row(QWidget* parent, int spacing = kGap) {
  auto* layout = new QHBoxLayout(parent);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(spacing);
  return layout;
}

// A panel with a thin border, so the frame table keeps the height the panels leave.
KoToolView* compactPanel() {
  auto* panel = new KoToolView;
  const int margin = KoToolView::kShadow + 2;
  panel->layout()->setContentsMargins(margin, margin, margin, margin);
  return panel;
}

QWidget* strip() {
  auto* w = new QWidget;
  w->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return w;
}

}  // namespace

KoImageTitleButton* KoVelmarViewController::button(const QString& image, const QString& titleKey,
                                                   EditorAction action) {
  auto* b = new KoImageTitleButton(QStringLiteral(":/images/%1.svg").arg(image), titleKey);
  b->setTag(tagOf(action));
  b->setProperty("koTag", tagOf(action));
  // Twenty buttons share the width beside the pose panel.
  b->setFont(KoTheme::font(KoTheme::Type::Caption, true));
  b->setWrapsTitle(true);
  tagged_.append(b);
  connect(b, &QAbstractButton::clicked, this, [this, action] { buttonClick(action); });
  return b;
}

void KoVelmarViewController::addButtons(QBoxLayout* into, std::initializer_list<ButtonDef> defs) {
  for (const ButtonDef& def : defs) {
    KoImageTitleButton* b =
        button(QLatin1String(def.image), QLatin1String(def.titleKey), def.action);
    b->setProperty("tipKey", QByteArray(def.tipKey));
    into->addWidget(b);
  }
}

void KoVelmarViewController::buildPanels() {
  auto* body = new QVBoxLayout(this);
  body->setContentsMargins(kGap, kGap, kGap, 0);
  body->setSpacing(kGap);

  // The tools stand in two rows above the picture and the frame table.
  const QList<QList<QWidget*>> tools{{buildTimePanel(), buildFileRow()},
                                     {buildOnlineRow(), buildGroupRow()}};
  for (const QList<QWidget*>& panels : tools) {
    auto* line = new QHBoxLayout;
    line->setSpacing(kGap);
    for (QWidget* panel : panels) line->addWidget(panel);
    line->addStretch();
    body->addLayout(line);
  }

  // The picture and the table share the width in a fixed ratio rather than by what their
  // captions measure, so a language switch or a long message leaves the cards where they are.
  auto* middle = new QHBoxLayout;
  middle->setSpacing(kGap);
  const std::pair<QWidget*, int> halves[] = {{buildPosePanel(), 6}, {buildTable(), 5}};
  for (const auto& [panel, share] : halves) {
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panel->setMinimumWidth(kMiddlePanelWidth);
    middle->addWidget(panel, share);
  }
  body->addLayout(middle, 1);
}

QWidget* KoVelmarViewController::buildPosePanel() {
  auto* panel = compactPanel();
  auto* layout = new QVBoxLayout(panel->contentWidget());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // Of fixed height: a caption's script must not take a pixel from the picture below.
  auto* boxRow = strip();
  boxRow->setFixedHeight(kRowHeight);
  auto* boxes = row(boxRow);
  for (int channel = 1; channel <= 6; ++channel) {
    auto* box = new QCheckBox(QStringLiteral("ID:%1").arg(channel));
    box->setChecked(true);
    box->setProperty("koTag", kFirstCheckBoxTag + channel - 1);
    tooltips_.append({box, QT_TRID_NOOP("tip_channel_box")});
    tagged_.append(box);
    connect(box, &QCheckBox::clicked, this, [this, box] { buttonBoxClick(box); });
    checkBoxes_.append(box);
    boxes->addWidget(box);
  }
  boxes->addStretch();
  buttonSelectAll_ = new QPushButton;
  buttonSelectAll_->setProperty("koTag", tagOf(kSelectAllTag));
  buttonSelectAll_->setProperty("selectsAll", false);
  tooltips_.append({buttonSelectAll_, QT_TRID_NOOP("tip_select_all")});
  tagged_.append(buttonSelectAll_);
  connect(buttonSelectAll_, &QPushButton::clicked, this, [this] { buttonClick(kSelectAllTag); });
  boxes->addWidget(buttonSelectAll_);
  layout->addWidget(boxRow);

  panView_ = new KoVelmarPanView(this);
  layout->addWidget(panView_, 1);
  layout->addWidget(buildSerialRow());
  return panel;
}

QWidget* KoVelmarViewController::buildTimePanel() {
  auto* panel = compactPanel();
  auto* layout = row(panel->contentWidget(), kButtonGap);
  addButtons(
      layout,
      {{"add", "add_action", EditorAction::Add, QT_TRID_NOOP("tip_add_action")},
       {"delete", "delete_action", EditorAction::Delete, QT_TRID_NOOP("tip_delete_action")},
       {"reset", "update_action", EditorAction::Update, QT_TRID_NOOP("tip_update_action")},
       {"insert", "Insert_action", EditorAction::Insert, QT_TRID_NOOP("tip_insert_action")}});
  return panel;
}

QWidget* KoVelmarViewController::buildFileRow() {
  auto* tools = strip();
  auto* layout = row(tools);
  auto* files = compactPanel();
  auto* fileButtons = row(files->contentWidget(), kButtonGap);
  addButtons(fileButtons,
             {{"open-file", "open_action", EditorAction::Open, QT_TRID_NOOP("tip_open_action")},
              {"save-file", "save_action", EditorAction::Save, QT_TRID_NOOP("tip_save_action")},
              {"integ-file", "integrate_action", EditorAction::Merge,
               QT_TRID_NOOP("tip_integrate_action")}});
  buttonRecent_ = new QToolButton;
  buttonRecent_->setArrowType(Qt::DownArrow);
  buttonRecent_->setPopupMode(QToolButton::InstantPopup);
  buttonRecent_->setAutoRaise(true);
  tooltips_.append({buttonRecent_, QT_TRID_NOOP("recent_files")});
  fileButtons->insertWidget(1, buttonRecent_);
  layout->addWidget(files);

  auto* trims = compactPanel();
  tooltips_.append({trims, QT_TRID_NOOP("servo_deviation")});
  auto* trimButtons = row(trims->contentWidget(), kButtonGap);
  addButtons(trimButtons, {{"read-dev", "read_deviation", EditorAction::ReadTrims,
                            QT_TRID_NOOP("tip_read_deviation")},
                           {"down-dev", "download_deviation", EditorAction::StoreTrims,
                            QT_TRID_NOOP("tip_download_deviation")},
                           {"reset-dev", "reset_deviation", EditorAction::ResetTrims,
                            QT_TRID_NOOP("tip_reset_deviation")}});
  layout->addWidget(trims);
  return tools;
}

QWidget* KoVelmarViewController::buildOnlineRow() {
  auto* tools = strip();
  auto* layout = row(tools);
  auto* pose = compactPanel();
  auto* poseButtons = row(pose->contentWidget(), kButtonGap);
  addButtons(
      poseButtons,
      {{"hand", "motor_off", EditorAction::Unload, QT_TRID_NOOP("tip_motor_off")},
       {"rang", "read_angle", EditorAction::ReadPositions, QT_TRID_NOOP("tip_read_angle")},
       {"reset-servo", "reset_servo", EditorAction::ResetServos, QT_TRID_NOOP("tip_reset_servo")}});
  layout->addWidget(pose);

  auto* loop = compactPanel();
  auto* loopRow = row(loop->contentWidget(), kButtonGap);
  // Loop and soft start share one column, each switch with its caption on its left and the
  // soft start's time under both.
  auto* loopColumn = new QGridLayout;
  loopColumn->setVerticalSpacing(0);
  auto* loopCaption = new QLabel;
  captions_.append({loopCaption, QT_TRID_NOOP("loop")});
  loopSwitch_ = new KoSwitch;
  loopSwitch_->setProperty("koTag", tagOf(EditorAction::Loop));
  tooltips_.append({loopSwitch_, QT_TRID_NOOP("tip_loop")});
  tagged_.append(loopSwitch_);
  KoTools::setAccessibleKeys(loopSwitch_, QT_TRID_NOOP("loop"));
  connect(loopSwitch_, &KoSwitch::toggledByUser, this, [this] { buttonClick(EditorAction::Loop); });
  loopColumn->addWidget(loopCaption, 0, 0);
  loopColumn->addWidget(loopSwitch_, 0, 1);
  loopColumn->addWidget(motion_->softStartCaption(), 1, 0);
  loopColumn->addWidget(motion_->softStartSwitch(), 1, 1);
  loopColumn->addWidget(motion_->softStartTime(), 2, 0, 1, 2);
  loopRow->addLayout(loopColumn);
  addButtons(loopRow,
             {{"play", "run_online", EditorAction::RunOnline, QT_TRID_NOOP("tip_run_online")}});
  layout->addWidget(loop);
  return tools;
}

QWidget* KoVelmarViewController::buildGroupRow() {
  auto* group = compactPanel();
  auto* groupRow = row(group->contentWidget(), kButtonGap);
  auto* boxColumn = new QVBoxLayout;
  auto* caption = new QLabel;
  captions_.append({caption, QT_TRID_NOOP("action_group")});
  boxActions_ = new QComboBox;
  boxActions_->setEditable(true);
  boxActions_->setInsertPolicy(QComboBox::NoInsert);
  // In one insertion: item by item, the editable box updated its completer for each of them.
  QStringList groups;
  for (int g = 0; g <= kMaxGroup; ++g) groups.append(QString::number(g));
  boxActions_->addItems(groups);
  boxActions_->setMinimumWidth(72);
  KoTools::setAccessibleKeys(boxActions_, QT_TRID_NOOP("action_group"));
  KoTools::setAccessibleKeys(boxActions_->lineEdit(), QT_TRID_NOOP("action_group"));
  connect(boxActions_, &QComboBox::editTextChanged, this,
          &KoVelmarViewController::groupTextChanged);
  boxColumn->addWidget(caption);
  boxColumn->addWidget(boxActions_);
  groupRow->addLayout(boxColumn);
  addButtons(groupRow,
             {{"download", "download", EditorAction::Download, QT_TRID_NOOP("tip_download")},
              {"run", "run_action", EditorAction::RunGroup, QT_TRID_NOOP("tip_run_action")},
              {"stop-run", "stop", EditorAction::Stop, QT_TRID_NOOP("tip_stop")},
              {"erase", "single_erase", EditorAction::EraseGroup, QT_TRID_NOOP("tip_single_erase")},
              {"erase-all", "all_erase", EditorAction::EraseAll, QT_TRID_NOOP("tip_all_erase")}});
  return group;
}

QWidget* KoVelmarViewController::buildSerialRow() {
  auto* panel = strip();
  auto* layout = row(panel);
  imageSerialState_ = new QLabel;
  imageSerialState_->setFixedSize(kRowHeight, kRowHeight);
  layout->addWidget(imageSerialState_);
  boxPorts_ = new QComboBox;
  boxPorts_->setMinimumWidth(180);
  tooltips_.append({boxPorts_, QT_TRID_NOOP("serial_port_tips")});
  // Editable for a path no enumeration lists; made so here so its field gets the name too.
  boxPorts_->setEditable(true);
  for (QWidget* w :
       {static_cast<QWidget*>(boxPorts_), static_cast<QWidget*>(boxPorts_->lineEdit())}) {
    KoTools::setAccessibleKeys(w, QT_TRID_NOOP("Serial Port"), QT_TRID_NOOP("serial_port_tips"));
  }
  boxBauds_ = new QComboBox;
  boxBauds_->addItems({QStringLiteral("9600"), QStringLiteral("115200")});
  KoTools::setAccessibleKeys(boxBauds_, QT_TRID_NOOP("baud_rate"));
  tooltips_.append({boxBauds_, QT_TRID_NOOP("tip_baud_rate")});
  buttonSerial_ = new QPushButton;
  buttonSerial_->setProperty("koTag", tagOf(EditorAction::SerialPort));
  tooltips_.append({buttonSerial_, QT_TRID_NOOP("tip_serial_connect")});
  tagged_.append(buttonSerial_);
  connect(buttonSerial_, &QPushButton::clicked, this,
          [this] { buttonClick(EditorAction::SerialPort); });
  for (QWidget* w : {static_cast<QWidget*>(boxPorts_), static_cast<QWidget*>(boxBauds_),
                     static_cast<QWidget*>(buttonSerial_)}) {
    w->setFixedHeight(kRowHeight);
    layout->addWidget(w);
  }
  return panel;
}

QWidget* KoVelmarViewController::buildTable() {
  auto* panel = compactPanel();
  auto* layout = new QVBoxLayout(panel->contentWidget());
  // The fields and the path keep clear of the panel's rounded edge; the table may touch it.
  layout->setContentsMargins(0, 0, 0, 0);
  auto* fields = new QHBoxLayout;
  fields->setContentsMargins(kGap / 2, 0, kGap / 2, 0);
  fields->setSpacing(kGap);
  auto* timeCaption = new QLabel;
  captions_.append({timeCaption, QT_TRID_NOOP("action_time")});
  texttime_ = new QLineEdit(QString::number(limits::kFrameTime.start));
  texttime_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), texttime_));
  texttime_->setFixedWidth(70);
  KoTools::setAccessibleKeys(texttime_, QT_TRID_NOOP("action_time"));
  connect(texttime_, &QLineEdit::textChanged, this, &KoVelmarViewController::timeTextChanged);
  connect(texttime_, &QLineEdit::editingFinished, this,
          &KoVelmarViewController::timeEditingFinished);
  auto* totalCaption = new QLabel;
  captions_.append({totalCaption, QT_TRID_NOOP("total_time")});
  labelActionstimeShow_ = new QLabel(QStringLiteral("0s"));
  // Fixed and opaque: a new total repaints the label, not the panel's shadow behind it, and
  // lays nothing out again.
  labelActionstimeShow_->setFixedSize(110, labelActionstimeShow_->sizeHint().height());
  labelActionstimeShow_->setAutoFillBackground(true);  // in the palette's Window, the panel's
  fields->addWidget(timeCaption);
  fields->addWidget(texttime_);
  fields->addSpacing(2 * kGap);
  fields->addWidget(totalCaption);
  fields->addWidget(labelActionstimeShow_);
  fields->addStretch();
  layout->addLayout(fields);
  QPushButton* record = motion_->recordButton();
  tagged_.append(record);
  connect(record, &QPushButton::clicked, this,
          [this] { buttonClick(KoMotionControls::kRecordTag); });
  layout->addWidget(motion_->recordRow(), 0, Qt::AlignLeft);
  for (QWidget* w :
       {static_cast<QWidget*>(music_->musicSwitch()), static_cast<QWidget*>(music_->playButton()),
        static_cast<QWidget*>(music_->chooseButton()),
        static_cast<QWidget*>(music_->snapButton())}) {
    tagged_.append(w);
  }
  layout->addWidget(music_->row());
  dragView_ = new KoDragView;
  auto* inside = new QVBoxLayout(dragView_);
  inside->setContentsMargins(3, 3, 3, 3);
  tableView_ = new KoFrameTableView;
  // Tab leaves the table for the next control; the arrows move between cells.
  tableView_->setTabKeyNavigation(false);
  tableView_->setModel(model_);
  tableView_->setItemDelegate(new KoFrameCellDelegate(tableView_));
  KoTools::setAccessibleKeys(tableView_, QT_TRID_NOOP("frame_table"));
  tableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tableView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tableView_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
  tableView_->setContextMenuPolicy(Qt::CustomContextMenu);
  // Fixed sizes: nothing is measured per row, so 65,535 rows cost what the visible ones do.
  tableView_->verticalHeader()->hide();
  tableView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  tableView_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  QHeaderView* header = tableView_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Stretch);
  header->setMinimumSectionSize(40);
  // Always bold rather than bold while a row is selected, as the style would: every change
  // selects a row, and the highlight would repaint the header each time for nothing.
  header->setHighlightSections(false);
  QFont bold = header->font();
  bold.setBold(true);
  header->setFont(bold);
  // The row number and the time keep the width their captions need in the chosen language;
  // the channels share the rest, so no caption is cut in the smallest window.
  const auto fitCaptions = [header] {
    for (int column : {KoFrameListModel::kPlayColumn, KoFrameListModel::kTimeColumn}) {
      header->setSectionResizeMode(column, QHeaderView::Fixed);
      header->resizeSection(column, header->sectionSizeHint(column));
    }
  };
  fitCaptions();
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, header,
          fitCaptions);
  tableView_->setVerticalScrollBar(new KoQuietScrollBar(Qt::Vertical));
  // Opaque scroll bars: a list that grows moves the bar without repainting the panel behind.
  for (QWidget* bar : {static_cast<QWidget*>(tableView_->verticalScrollBar()),
                       tableView_->verticalScrollBar()->parentWidget()}) {
    bar->setAutoFillBackground(true);
  }
  connect(tableView_, &QWidget::customContextMenuRequested, this,
          &KoVelmarViewController::popUpMenu);
  inside->addWidget(tableView_);
  dragView_->setTableView(tableView_);
  // The curves share the table's height; the user moves the line between them.
  auto* split = new QSplitter(Qt::Vertical);
  split->setChildrenCollapsible(false);
  split->addWidget(dragView_);
  split->addWidget(motion_->curveView());
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  layout->addWidget(split, 1);
  layout->addWidget(buildFilePathPanel());
  return panel;
}

QWidget* KoVelmarViewController::buildFilePathPanel() {
  auto* panel = strip();
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(kGap, 0, kGap, 0);
  layout->setSpacing(kGap);
  // Three lanes of fixed shares: no path, reminder or message widens the panel or moves
  // another lane. The path is cut in its middle, where it is least telling.
  lableFilePath_ = new KoElidedLabel(Qt::ElideMiddle);
  lableFilePath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  KoTools::setAccessibleKeys(lableFilePath_, QT_TRID_NOOP("file_path"));
  labelUnsaved_ = new QLabel(kUnsavedMark);
  labelUnsaved_->setFixedSize(labelUnsaved_->sizeHint());
  labelUnsaved_->clear();
  KoTools::setAccessibleKeys(labelUnsaved_, QT_TRID_NOOP("unsaved_mark"));
  auto* title = new QHBoxLayout;
  title->setSpacing(0);
  title->addWidget(lableFilePath_, 1, Qt::AlignVCenter);
  title->addWidget(labelUnsaved_, 0, Qt::AlignVCenter);
  layout->addLayout(title, 3);
  // The reminder glides in a lane of its own between the path and the status, so it never
  // covers either; placed by hand inside it.
  auto* lane = new QWidget;
  lane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  layout->addWidget(lane, 1);
  reminder_ = new UILabel(lane);
  statusLine_ = new KoStatusLine;
  layout->addWidget(statusLine_, 4, Qt::AlignVCenter);
  panel->setFixedHeight(
      std::max({kRowHeight, reminder_->height(), statusLine_->sizeHint().height()}));
  reminder_->move(0, (panel->height() - reminder_->height()) / 2);
  return panel;
}
