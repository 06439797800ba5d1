#include "editor/profiles/arm_profile_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/file_io.h"
#include "model/notification_center.h"
#include "widgets/file_panel_texts.h"
#include "widgets/prompter.h"
#include "widgets/theme.h"

namespace {

// The fields hold what a profile may hold, by the profile's own rules.
constexpr double kMaxLinkMm = KoArmProfile::kMaxLinkMm;
constexpr double kMaxColumnRadiusMm = KoArmProfile::kMaxColumnRadiusMm;
constexpr double kMaxAngle = KoArmProfile::kMaxJointAngle;
constexpr int kMaxJointChannel = KoArmProfile::kMaxJointChannel;
// Every link has a length (a profile refuses one of 0); one decimal is shown.
constexpr double kShortestLinkMm = 0.1;
// A profile is a few kilobytes; anything far larger is no profile and is not read whole.
constexpr qint64 kMaxImportBytes = 1 << 20;

const char* const kLinkKeys[KoArmProfile::kLinkCount] = {
    QT_TRID_NOOP("arm_profile_link_column"), QT_TRID_NOOP("arm_profile_link_upper_arm"),
    QT_TRID_NOOP("arm_profile_link_forearm"), QT_TRID_NOOP("arm_profile_link_hand")};
const char* const kJointKeys[KoArmJoints::kJointCount] = {
    QT_TRID_NOOP("arm_profile_joint_base"),       QT_TRID_NOOP("arm_profile_joint_shoulder"),
    QT_TRID_NOOP("arm_profile_joint_elbow"),      QT_TRID_NOOP("arm_profile_joint_wrist"),
    QT_TRID_NOOP("arm_profile_joint_wrist_roll"), QT_TRID_NOOP("arm_profile_joint_gripper")};

const char* const kFaultProperty = "fault";

class SettingsStore final : public KoArmProfileStore {
 public:
  QList<KoArmProfile> all() const override { return profiles_.all(); }
  QString chosenName() const override { return profiles_.chosenName(); }
  bool choose(const QString& name) override { return profiles_.choose(name); }
  bool put(const KoArmProfile& profile) override { return profiles_.put(profile); }
  bool remove(const QString& name) override { return profiles_.remove(name); }
  QString freeName(const QString& base) const override { return profiles_.freeName(base); }
  QSettings::Status save() const override { return profiles_.save(); }

 private:
  KoArmProfiles profiles_ = KoArmProfiles::load();
};

QString fileDialog(QWidget* parent, KoArmProfileDialog::FileAction action,
                   const QString& suggested) {
  const bool import = action == KoArmProfileDialog::FileAction::Import;
  QFileDialog panel(
      parent, import ? qtTrId("arm_profile_import_title") : qtTrId("arm_profile_export_title"), {},
      qtTrId("arm_profile_file_filter") + QStringLiteral(" (*.json)"));
  panel.setAcceptMode(import ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  panel.setFileMode(import ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  panel.setDefaultSuffix(QStringLiteral("json"));
  KoTools::speakChosenLanguage(panel);
  if (!suggested.isEmpty()) panel.selectFile(suggested);
  return panel.exec() == QDialog::Accepted ? panel.selectedFiles().value(0) : QString();
}

KoArmProfileDialog::FileChooser& fileChooser() {
  static KoArmProfileDialog::FileChooser chooser;
  return chooser;
}

// A profile name as a file name: no folder separators or characters some systems refuse.
QString fileNameFor(const QString& profile) {
  QString name = profile;
  for (QChar& c : name) {
    if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32) c = u'_';
  }
  return name + QStringLiteral(".json");
}

QDoubleSpinBox* lengthBox(double minimum, double maximum) {
  auto* box = new QDoubleSpinBox;
  box->setRange(minimum, maximum);
  box->setDecimals(1);
  box->setSuffix(QStringLiteral(" mm"));
  return box;
}

QDoubleSpinBox* angleBox() {
  auto* box = new QDoubleSpinBox;
  box->setRange(-kMaxAngle, kMaxAngle);
  box->setDecimals(1);
  box->setSuffix(QStringLiteral("°"));
  return box;
}

QSpinBox* positionBox() {
  auto* box = new QSpinBox;
  box->setRange(limits::kPosition.minimum, limits::kPosition.maximum);
  return box;
}

QLabel* header() {
  auto* label = new QLabel;
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QString fieldOf(const QString& row, const QString& column) {
  return qtTrId("arm_profile_field_of").arg(row, column);
}

}  // namespace

std::unique_ptr<KoArmProfileStore> KoArmProfileStore::fromSettings() {
  return std::make_unique<SettingsStore>();
}

KoArmProfileDialog::KoArmProfileDialog(QWidget* parent, std::unique_ptr<KoArmProfileStore> store)
    : QDialog(parent), store_(store ? std::move(store) : KoArmProfileStore::fromSettings()) {
  for (const KoArmProfile& p : store_->all()) {
    if (p.name == store_->chosenName()) chosenBefore_ = p;
  }
  build();
  retranslate();
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoArmProfileDialog::retranslate);
  showProfile(store_->chosenName());
}

KoArmProfileDialog::~KoArmProfileDialog() = default;

void KoArmProfileDialog::edit(QWidget* parent) {
  auto* dialog = new KoArmProfileDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::WindowModal);
  dialog->open();
}

void KoArmProfileDialog::setFileChooser(FileChooser chooser) { fileChooser() = std::move(chooser); }

// The controls are made in reading order, row by row, which is the order Tab visits them in.
void KoArmProfileDialog::build() {
  setObjectName(QStringLiteral("armProfileDialog"));
  auto* root = new QVBoxLayout(this);

  auto* bar = new QHBoxLayout;
  profileLabel_ = new QLabel;
  profiles_ = new QComboBox;
  profiles_->setObjectName(QStringLiteral("profiles"));
  // A long name is elided in the box rather than widening the dialog past the screen.
  profiles_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  profiles_->setMinimumContentsLength(16);
  profileLabel_->setBuddy(profiles_);
  use_ = new QPushButton;
  use_->setObjectName(QStringLiteral("use"));
  copy_ = new QPushButton;
  copy_->setObjectName(QStringLiteral("copy"));
  delete_ = new QPushButton;
  delete_->setObjectName(QStringLiteral("delete"));
  import_ = new QPushButton;
  import_->setObjectName(QStringLiteral("import"));
  export_ = new QPushButton;
  export_->setObjectName(QStringLiteral("export"));
  bar->addWidget(profileLabel_);
  bar->addWidget(profiles_, 1);
  for (QPushButton* b : {use_, copy_, delete_, import_, export_}) {
    b->setAutoDefault(false);
    bar->addWidget(b);
  }
  root->addLayout(bar);

  readOnlyNote_ = new QLabel;
  readOnlyNote_->setObjectName(QStringLiteral("readOnlyNote"));
  readOnlyNote_->setWordWrap(true);
  root->addWidget(readOnlyNote_);

  auto* nameRow = new QHBoxLayout;
  nameLabel_ = new QLabel;
  name_ = new QLineEdit;
  name_->setObjectName(QStringLiteral("name"));
  name_->setMaxLength(KoArmProfile::kMaxNameLength);
  nameLabel_->setBuddy(name_);
  nameFault_ = new QLabel;
  nameFault_->setObjectName(QStringLiteral("nameFault"));
  nameFault_->setWordWrap(true);
  nameFault_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  nameRow->addWidget(nameLabel_);
  nameRow->addWidget(name_, 1);
  nameRow->addWidget(nameFault_, 1);
  root->addLayout(nameRow);

  linksBox_ = new QGroupBox;
  auto* links = new QGridLayout(linksBox_);
  for (int i = 0; i <= KoArmProfile::kLinkCount; ++i) {
    const bool radius = i == KoArmProfile::kLinkCount;
    QLabel* label = header();
    QDoubleSpinBox* box =
        radius ? lengthBox(0, kMaxColumnRadiusMm) : lengthBox(kShortestLinkMm, kMaxLinkMm);
    box->setObjectName(radius ? QStringLiteral("columnRadius")
                              : QString::fromLatin1(KoArmProfile::kLinkNames[i]));
    label->setBuddy(box);
    links->addWidget(label, 0, i);
    links->addWidget(box, 1, i);
    if (radius) {
      radiusLabel_ = label;
      radius_ = box;
      connect(box, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        draft_.columnRadiusMm = v;
        edited();
      });
    } else {
      linkLabels_[i] = label;
      links_[i] = box;
      connect(box, &QDoubleSpinBox::valueChanged, this, [this, i](double v) {
        draft_.linksMm[i] = v;
        edited();
      });
    }
  }
  root->addWidget(linksBox_);

  auto* tables = new QHBoxLayout;
  jointsBox_ = new QGroupBox;
  auto* joints = new QGridLayout(jointsBox_);
  for (int c = 0; c < int(jointHeaders_.size()); ++c) {
    jointHeaders_[c] = header();
    joints->addWidget(jointHeaders_[c], 0, c + 1);
  }
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    JointRow& row = joints_[j];
    const QString id = QString::fromLatin1(KoArmJoints::kNames[j]);
    row.label = new QLabel;
    row.channel = new QSpinBox;
    row.channel->setRange(1, kMaxJointChannel);
    row.channel->setObjectName(id + QStringLiteral("_channel"));
    row.at0 = angleBox();
    row.at0->setObjectName(id + QStringLiteral("_at0"));
    row.at1000 = angleBox();
    row.at1000->setObjectName(id + QStringLiteral("_at1000"));
    joints->addWidget(row.label, j + 1, 0);
    joints->addWidget(row.channel, j + 1, 1);
    joints->addWidget(row.at0, j + 1, 2);
    joints->addWidget(row.at1000, j + 1, 3);
    connect(row.channel, &QSpinBox::valueChanged, this, [this, j](int v) {
      draft_.joints.joints[j].channel = v;
      edited();
    });
    connect(row.at0, &QDoubleSpinBox::valueChanged, this, [this, j](double v) {
      draft_.joints.joints[j].angleAt0 = v;
      edited();
    });
    connect(row.at1000, &QDoubleSpinBox::valueChanged, this, [this, j](double v) {
      draft_.joints.joints[j].angleAt1000 = v;
      edited();
    });
  }
  tables->addWidget(jointsBox_);

  channelsBox_ = new QGroupBox;
  auto* channels = new QGridLayout(channelsBox_);
  for (int c = 0; c < int(channelHeaders_.size()); ++c) {
    channelHeaders_[c] = header();
    channels->addWidget(channelHeaders_[c], 0, c);
  }
  channelHeaders_[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int c = 0; c < limits::kArmChannels; ++c) {
    ChannelRow& row = channels_[c];
    const QString id = QStringLiteral("channel%1").arg(c + 1);
    row.label = new QLabel(QString::number(c + 1));
    row.name = new QLineEdit;
    row.name->setObjectName(id + QStringLiteral("_name"));
    row.name->setMaxLength(40);
    row.lowest = positionBox();
    row.lowest->setObjectName(id + QStringLiteral("_lowest"));
    row.highest = positionBox();
    row.highest->setObjectName(id + QStringLiteral("_highest"));
    row.reversed = new QCheckBox;
    row.reversed->setObjectName(id + QStringLiteral("_reversed"));
    channels->addWidget(row.label, c + 1, 0);
    channels->addWidget(row.name, c + 1, 1);
    channels->addWidget(row.lowest, c + 1, 2);
    channels->addWidget(row.highest, c + 1, 3);
    channels->addWidget(row.reversed, c + 1, 4, Qt::AlignCenter);
    connect(row.name, &QLineEdit::textEdited, this, [this, c](const QString& v) {
      draft_.channels[c].name = v.trimmed();
      edited();
    });
    connect(row.lowest, &QSpinBox::valueChanged, this, [this, c](int v) {
      draft_.channels[c].lowest = v;
      edited();
    });
    connect(row.highest, &QSpinBox::valueChanged, this, [this, c](int v) {
      draft_.channels[c].highest = v;
      edited();
    });
    connect(row.reversed, &QCheckBox::toggled, this, [this, c](bool v) {
      draft_.channels[c].reversed = v;
      edited();
    });
  }
  channels->setColumnStretch(1, 1);
  rangeFault_ = new QLabel;
  rangeFault_->setObjectName(QStringLiteral("rangeFault"));
  // One short line per channel, unwrapped, so that the dialog always makes room for all.
  channels->addWidget(rangeFault_, limits::kArmChannels + 1, 0, 1, 5);

  tables->addWidget(channelsBox_, 1);
  tables->setAlignment(jointsBox_, Qt::AlignTop);
  root->addLayout(tables);
  root->addStretch(1);

  for (QLabel* fault : {nameFault_, rangeFault_}) {
    KoTheme::setTextRole(fault, &KoTheme::Roles::danger);
    fault->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }

  auto* bottom = new QHBoxLayout;
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
  buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  bottom->addWidget(status_, 1);
  bottom->addWidget(buttons_);
  root->addLayout(bottom);

  connect(profiles_, &QComboBox::activated, this,
          [this](int index) { showProfile(profiles_->itemData(index).toString()); });
  connect(use_, &QPushButton::clicked, this, &KoArmProfileDialog::useShown);
  connect(copy_, &QPushButton::clicked, this, &KoArmProfileDialog::copyShown);
  connect(delete_, &QPushButton::clicked, this, &KoArmProfileDialog::deleteShown);
  connect(import_, &QPushButton::clicked, this, &KoArmProfileDialog::importProfile);
  connect(export_, &QPushButton::clicked, this, &KoArmProfileDialog::exportShown);
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& v) {
    draft_.name = v.trimmed();
    edited();
  });
  connect(buttons_, &QDialogButtonBox::accepted, this, &KoArmProfileDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &KoArmProfileDialog::reject);
}

QList<QWidget*> KoArmProfileDialog::fields() const {
  QList<QWidget*> out{name_};
  for (QDoubleSpinBox* box : links_) out.append(box);
  out.append(radius_);
  for (const JointRow& row : joints_) out << row.channel << row.at0 << row.at1000;
  for (const ChannelRow& row : channels_)
    out << row.name << row.lowest << row.highest << row.reversed;
  return out;
}

void KoArmProfileDialog::retranslate() {
  setWindowTitle(qtTrId("arm_profile_title"));
  setAccessibleName(qtTrId("arm_profile_title"));
  profileLabel_->setText(qtTrId("arm_profile_profile"));
  profiles_->setAccessibleName(qtTrId("arm_profile_profile"));
  use_->setText(qtTrId("arm_profile_use"));
  copy_->setText(qtTrId("arm_profile_copy"));
  delete_->setText(qtTrId("arm_profile_delete"));
  import_->setText(qtTrId("arm_profile_import"));
  export_->setText(qtTrId("arm_profile_export"));
  for (QPushButton* b : {use_, copy_, delete_, import_, export_}) b->setAccessibleName(b->text());
  readOnlyNote_->setText(qtTrId("arm_profile_read_only"));
  nameLabel_->setText(qtTrId("arm_profile_name"));
  name_->setAccessibleName(qtTrId("arm_profile_name"));

  linksBox_->setTitle(qtTrId("arm_profile_links"));
  for (int i = 0; i < KoArmProfile::kLinkCount; ++i) {
    linkLabels_[i]->setText(qtTrId(kLinkKeys[i]));
    links_[i]->setAccessibleName(fieldOf(qtTrId("arm_profile_links"), qtTrId(kLinkKeys[i])));
  }
  radiusLabel_->setText(qtTrId("arm_profile_column_radius"));
  radius_->setAccessibleName(qtTrId("arm_profile_column_radius"));

  jointsBox_->setTitle(qtTrId("arm_profile_joints"));
  const QString jointColumns[] = {qtTrId("arm_profile_joint_channel"),
                                  qtTrId("arm_profile_angle_at_0"),
                                  qtTrId("arm_profile_angle_at_1000")};
  for (int c = 0; c < int(jointHeaders_.size()); ++c) jointHeaders_[c]->setText(jointColumns[c]);
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const JointRow& row = joints_[j];
    const QString joint = qtTrId(kJointKeys[j]);
    row.label->setText(joint);
    row.channel->setAccessibleName(fieldOf(joint, jointColumns[0]));
    row.at0->setAccessibleName(fieldOf(joint, jointColumns[1]));
    row.at1000->setAccessibleName(fieldOf(joint, jointColumns[2]));
  }

  channelsBox_->setTitle(qtTrId("arm_profile_channels"));
  const QString channelColumns[] = {qtTrId("arm_profile_joint_channel"), qtTrId("arm_profile_name"),
                                    qtTrId("arm_profile_lowest"), qtTrId("arm_profile_highest"),
                                    qtTrId("arm_profile_reversed")};
  for (int c = 0; c < int(channelHeaders_.size()); ++c) {
    channelHeaders_[c]->setText(channelColumns[c]);
  }
  for (int c = 0; c < limits::kArmChannels; ++c) {
    const ChannelRow& row = channels_[c];
    const QString channel = qtTrId("arm_profile_channel_number").arg(c + 1);
    row.name->setAccessibleName(fieldOf(channel, channelColumns[1]));
    row.lowest->setAccessibleName(fieldOf(channel, channelColumns[2]));
    row.highest->setAccessibleName(fieldOf(channel, channelColumns[3]));
    row.reversed->setAccessibleName(fieldOf(channel, channelColumns[4]));
  }

  buttons_->button(QDialogButtonBox::Ok)->setText(qtTrId("comfirm"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(qtTrId("cancel"));
  for (QAbstractButton* b : buttons_->buttons()) b->setAccessibleName(b->text());
  fillList();
  fillEditor();
}

void KoArmProfileDialog::fillList() {
  const QSignalBlocker block(profiles_);
  profiles_->clear();
  const QString chosen = store_->chosenName();
  for (const KoArmProfile& p : store_->all()) {
    profiles_->addItem(p.name == chosen ? qtTrId("arm_profile_in_use").arg(p.name) : p.name,
                       p.name);
    if (p.name == storedName_) profiles_->setCurrentIndex(profiles_->count() - 1);
  }
}

void KoArmProfileDialog::showProfile(const QString& name) {
  const QList<KoArmProfile> all = store_->all();
  if (all.isEmpty()) return;
  draft_ = all.first();
  for (const KoArmProfile& p : all) {
    if (p.name == name) draft_ = p;
  }
  storedName_ = draft_.name;
  fillList();
  fillEditor();
}

void KoArmProfileDialog::fillEditor() {
  // Blocked, so that a value a box cannot show exactly is not taken for an edit.
  const QList<QWidget*> all = fields();
  for (QWidget* field : all) field->blockSignals(true);
  name_->setText(draft_.name);
  for (int i = 0; i < KoArmProfile::kLinkCount; ++i) links_[i]->setValue(draft_.linksMm[i]);
  radius_->setValue(draft_.columnRadiusMm);
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const KoArmJoint& joint = draft_.joints.joints[j];
    joints_[j].channel->setValue(joint.channel);
    joints_[j].at0->setValue(joint.angleAt0);
    joints_[j].at1000->setValue(joint.angleAt1000);
  }
  for (int c = 0; c < limits::kArmChannels; ++c) {
    const KoChannelProfile& channel = draft_.channels[c];
    channels_[c].name->setText(channel.shownName());
    channels_[c].lowest->setValue(channel.lowest);
    channels_[c].highest->setValue(channel.highest);
    channels_[c].reversed->setChecked(channel.reversed);
  }
  for (QWidget* field : all) field->blockSignals(false);

  const bool locked = readOnly();
  const QString why = locked ? qtTrId("arm_profile_read_only") : QString();
  for (QWidget* field : all) {
    field->setEnabled(!locked);
    field->setToolTip(why);
  }
  delete_->setToolTip(why);
  readOnlyNote_->setVisible(locked);
  showFaults();
}

bool KoArmProfileDialog::readOnly() const { return storedName_ == KoArmProfile::kShippedName; }

QString KoArmProfileDialog::nameFault() const {
  if (draft_.name.isEmpty()) return qtTrId("arm_profile_error_name_empty");
  if (const std::optional<char32_t> c = KoTools::firstUnprintable(draft_.name)) {
    return qtTrId("arm_profile_error_name_unprintable").arg(KoTools::codePointName(*c));
  }
  if (draft_.name == storedName_) return {};
  for (const KoArmProfile& p : store_->all()) {
    if (p.name == draft_.name) return qtTrId("arm_profile_error_name_taken").arg(draft_.name);
  }
  return {};
}

QStringList KoArmProfileDialog::faults() const {
  QStringList out;
  if (const QString name = nameFault(); !name.isEmpty()) out.append(name);
  for (int c = 0; c < limits::kArmChannels; ++c) {
    if (const QString range = rangeFault(c); !range.isEmpty()) out.append(range);
  }
  return out;
}

QString KoArmProfileDialog::rangeFault(int index) const {
  const KoChannelProfile& channel = draft_.channels[index];
  if (channel.lowest <= channel.highest) return {};
  return qtTrId("arm_profile_error_range").arg(index + 1).arg(channel.lowest).arg(channel.highest);
}

void KoArmProfileDialog::edited() {
  if (readOnly()) return;
  showFaults();
  if (!faults().isEmpty()) return;
  if (draft_.name == storedName_) {
    store_->put(draft_);
  } else {
    rename(storedName_, draft_);
    storedName_ = draft_.name;
    fillList();
  }
}

void KoArmProfileDialog::rename(const QString& from, const KoArmProfile& to) {
  // The store appends what it is given, so the profiles after the renamed one go back in
  // behind it to keep the list's order.
  const QString chosen = store_->chosenName();
  QList<KoArmProfile> after;
  bool past = false;
  for (const KoArmProfile& p : store_->all()) {
    if (past) after.append(p);
    if (p.name == from) past = true;
  }
  store_->remove(from);
  for (const KoArmProfile& p : after) store_->remove(p.name);
  store_->put(to);
  for (const KoArmProfile& p : after) store_->put(p);
  store_->choose(chosen == from ? to.name : chosen);
}

void KoArmProfileDialog::showFaults() {
  nameFault_->setText(nameFault());
  nameFault_->setAccessibleName(nameFault_->text());
  name_->setAccessibleDescription(nameFault_->text());
  QStringList ranges;
  for (int c = 0; c < limits::kArmChannels; ++c) {
    const QString fault = rangeFault(c);
    const bool crossed = !fault.isEmpty();
    if (crossed) ranges.append(fault);
    for (QSpinBox* box : {channels_[c].lowest, channels_[c].highest}) {
      if (box->property(kFaultProperty).toBool() == crossed) continue;
      box->setProperty(kFaultProperty, crossed);
      QPalette palette;  // resolves nothing: the box follows its parent again
      if (crossed) {
        palette = box->palette();
        palette.setColor(QPalette::Base, KoTheme::roles().dangerTint);
        palette.setColor(QPalette::Text, KoTheme::roles().text);
      }
      box->setPalette(palette);
      // The application's style sheet fills a box by its "fault" property, read when polished.
      box->style()->unpolish(box);
      box->style()->polish(box);
      box->setAccessibleDescription(fault);
    }
  }
  rangeFault_->setText(ranges.join(u'\n'));
  rangeFault_->setAccessibleName(rangeFault_->text());
  rangeFault_->setVisible(!ranges.isEmpty());

  // Nothing else may happen to the profiles while the shown one cannot be kept, so that the
  // store never holds a profile the user saw refused.
  const bool sound = nameFault_->text().isEmpty() && ranges.isEmpty();
  profiles_->setEnabled(sound);
  use_->setEnabled(sound && storedName_ != store_->chosenName());
  copy_->setEnabled(sound);
  delete_->setEnabled(sound && !readOnly());
  import_->setEnabled(sound);
  export_->setEnabled(sound);
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(sound);
}

void KoArmProfileDialog::setStatus(const QString& text) {
  status_->setText(text);
  status_->setAccessibleName(text);
}

void KoArmProfileDialog::useShown() {
  store_->choose(storedName_);
  fillList();
  showFaults();
}

void KoArmProfileDialog::copyShown() {
  if (!faults().isEmpty()) return;
  KoArmProfile copy = draft_;
  copy.name = store_->freeName(qtTrId("arm_profile_copy_name").arg(draft_.name));
  if (!store_->put(copy)) return;
  showProfile(copy.name);
  name_->setFocus();
  name_->selectAll();
}

void KoArmProfileDialog::deleteShown() {
  if (readOnly() || !faults().isEmpty()) return;
  const QString name = storedName_;
  if (!KoTools::showCancelAndOkWithMessage(qtTrId("arm_profile_delete_ask").arg(name),
                                           KoTools::Question::Destructive)) {
    return;
  }
  const QList<KoArmProfile> before = store_->all();
  int index = 0;
  while (index < before.size() && before[index].name != name) ++index;
  const bool chosen = store_->chosenName() == name;
  if (!store_->remove(name)) return;
  if (chosen) store_->choose(KoArmProfile::kShippedName);
  const QList<KoArmProfile> after = store_->all();
  showProfile(after.value(qMin(index, after.size() - 1)).name);
  setStatus({});
}

void KoArmProfileDialog::importProfile() {
  if (!faults().isEmpty()) return;
  const FileChooser choose = fileChooser() ? fileChooser() : FileChooser(fileDialog);
  const QString path = choose(this, FileAction::Import, {});
  if (path.isEmpty()) return;
  const QString file = QFileInfo(path).fileName();
  const KoTools::FileRead in = KoTools::readFile(path, kMaxImportBytes);
  if (in.error == KoTools::FileError::TooLarge) {
    KoTools::showTipWithMessage(qtTrId("arm_profile_import_too_large").arg(file));
    return;
  }
  if (!in.ok()) {
    KoTools::showTipWithMessage(
        qtTrId("arm_profile_import_unreadable").arg(file, KoTools::describe(in.error)));
    return;
  }
  QString error;
  std::optional<KoArmProfile> profile = KoArmProfile::fromJson(in.data, &error);
  if (!profile) {
    KoTools::showTipWithMessage(qtTrId("arm_profile_import_invalid").arg(file, error));
    return;
  }
  const QString wanted = profile->name.trimmed().isEmpty() ? QFileInfo(path).completeBaseName()
                                                           : profile->name.trimmed();
  profile->name = store_->freeName(wanted);
  if (!store_->put(*profile)) return;
  showProfile(profile->name);
  setStatus(profile->name == wanted
                ? qtTrId("arm_profile_imported").arg(profile->name)
                : qtTrId("arm_profile_imported_renamed").arg(wanted, profile->name));
}

void KoArmProfileDialog::exportShown() {
  if (!faults().isEmpty()) return;
  const FileChooser choose = fileChooser() ? fileChooser() : FileChooser(fileDialog);
  QString path = choose(this, FileAction::Export, fileNameFor(draft_.name));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
  const QString shown = QDir::toNativeSeparators(path);
  if (const KoTools::FileError e = KoTools::writeFile(path, draft_.toJson());
      e != KoTools::FileError::None) {
    KoTools::showTipWithMessage(
        qtTrId("arm_profile_export_failed").arg(shown, KoTools::describe(e)));
    return;
  }
  setStatus(qtTrId("arm_profile_exported").arg(shown));
}

void KoArmProfileDialog::accept() {
  if (!faults().isEmpty()) return;
  // Open still, so that nothing is lost: the user may export the profile or cancel.
  if (store_->save() != QSettings::NoError) {
    KoTools::showTipWithMessage(
        qtTrId("arm_profile_not_kept").arg(QDir::toNativeSeparators(QSettings().fileName())));
    return;
  }
  KoArmProfile chosen;
  for (const KoArmProfile& p : store_->all()) {
    if (p.name == store_->chosenName()) chosen = p;
  }
  QDialog::accept();
  if (!(chosen == chosenBefore_)) KoNotificationCenter::defaultCenter().postArmProfileChanged();
}
