#include "editor/motion/gamepad_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "editor/motion/gamepad_view.h"
#include "gamepad/gamepad_source.h"
#include "model/notification_center.h"
#include "widgets/accessible_controls.h"
#include "widgets/switch.h"
#include "widgets/theme.h"

namespace {

using Role = KoGamepadMapping::Role;

// The motions' table: caption, then these columns.
enum Column { kInputColumn, kSpeedColumn, kDeadZoneColumn, kInvertColumn, kNowColumn };
const char* const kColumnKeys[] = {
    QT_TRID_NOOP("pad_column_input"), QT_TRID_NOOP("pad_column_speed"),
    QT_TRID_NOOP("pad_column_dead_zone"), QT_TRID_NOOP("pad_column_invert"),
    QT_TRID_NOOP("pad_column_now")};
const char* const kColumnTips[] = {
    QT_TRID_NOOP("pad_column_input_tips"), QT_TRID_NOOP("pad_column_speed_tips"),
    QT_TRID_NOOP("pad_column_dead_zone_tips"), QT_TRID_NOOP("pad_column_invert_tips"),
    QT_TRID_NOOP("pad_column_now_tips")};

bool tipRole(Role role) {
  return role == KoGamepadMapping::TipForward || role == KoGamepadMapping::TipUp;
}

QString fieldOf(const QString& row, const QString& column) {
  return qtTrId("arm_profile_field_of").arg(row, column);
}

// What a role gets now: a motion's signed level from the middle outwards, an action's mark lit
// while its input is down.
class Level : public QWidget {
 public:
  explicit Level(bool motion) : motion_(motion) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    KoAccessible::setRole(this, QAccessible::Indicator);
  }

  double value() const { return value_; }
  void setValue(double value) {
    if (value == value_) return;
    value_ = value;
    update();
  }
  QSize sizeHint() const override { return motion_ ? QSize(64, 12) : QSize(12, 12); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const KoTheme::Roles& colours = KoTheme::roles();
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!motion_) {
      p.setPen(QPen(value_ > 0 ? colours.accentLine : colours.line, 1));
      p.setBrush(value_ > 0 ? colours.accent : colours.inset);
      p.drawEllipse(r);
      return;
    }
    p.setPen(QPen(colours.line, 1));
    p.setBrush(colours.inset);
    p.drawRoundedRect(r, 2, 2);
    const double mid = r.center().x();
    const double reach = std::clamp(value_, -1.0, 1.0) * (r.width() / 2 - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(colours.accentLine);
    p.drawRect(QRectF(std::min(mid, mid + reach), r.top() + 2, std::abs(reach), r.height() - 4));
    p.setPen(QPen(colours.mutedText, 1));
    p.drawLine(QPointF(mid, r.top()), QPointF(mid, r.bottom()));
  }

 private:
  bool motion_;
  double value_ = 0;
};

Level* levelOf(QWidget* w) { return static_cast<Level*>(w); }

}  // namespace

KoGamepadDialog::KoGamepadDialog(const KoGamepadMapping& mapping, KoGamepadSource* source,
                                 QWidget* parent)
    : QDialog(parent), mapping_(mapping) {
  build();
  retranslate();
  fill();
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoGamepadDialog::retranslate);
  if (source) {
    view_->setController(source->hasController() ? source->name() : QString());
    showState(source->state());
    connect(source, &KoGamepadSource::stateChanged, this, &KoGamepadDialog::showState);
    connect(source, &KoGamepadSource::connected, view_, &KoGamepadView::setController);
    connect(source, &KoGamepadSource::disconnected, this, [this, source] {
      view_->setController(source->hasController() ? source->name() : QString());
      showState(source->state());
    });
  }
}

std::optional<KoGamepadMapping> KoGamepadDialog::edit(QWidget* parent, KoGamepadSource* source) {
  QSettings settings;
  KoGamepadDialog dialog(KoGamepadMapping::load(settings), source, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const KoGamepadMapping mapping = dialog.mapping();
  mapping.save(settings);
  return mapping;
}

void KoGamepadDialog::build() {
  setObjectName(QStringLiteral("gamepadDialog"));
  auto* root = new QVBoxLayout(this);
  root->setSpacing(2 * KoTheme::kSpacing);

  hint_ = new QLabel;
  hint_->setWordWrap(true);
  KoTheme::setTextRole(hint_, &KoTheme::Roles::mutedText);
  root->addWidget(hint_);

  motions_ = new QGroupBox;
  actions_ = new QGroupBox;
  auto* motionGrid = new QGridLayout(motions_);
  auto* actionGrid = new QGridLayout(actions_);
  for (QGridLayout* grid : {motionGrid, actionGrid}) {
    grid->setVerticalSpacing(KoTheme::kSpacing);
    grid->setHorizontalSpacing(3 * KoTheme::kSpacing);
  }
  for (size_t c = 0; c < headers_.size(); ++c) {
    headers_[c] = new QLabel;
    headers_[c]->setFont(KoTheme::font(KoTheme::Type::Caption));
    KoTheme::setTextRole(headers_[c], &KoTheme::Roles::mutedText);
    motionGrid->addWidget(
        headers_[c], 0, int(c) + 1,
        c == kNowColumn || c == kInvertColumn ? Qt::AlignCenter : Qt::Alignment());
  }

  QList<QWidget*> order;
  for (int r = 0; r < KoGamepadMapping::kRoleCount; ++r) {
    const auto role = Role(r);
    const bool motion = KoGamepadMapping::isMotion(role);
    const QString id = QString::fromLatin1(KoGamepadMapping::roleName(role));
    Row& row = rows_[size_t(r)];
    row.caption = new QLabel;
    row.input = new QComboBox;
    row.input->setObjectName(id + QStringLiteral("_input"));
    row.input->addItem(QString(), int(pad::Input::None));
    for (int i = 0; i < pad::kInputs; ++i) row.input->addItem(QString(), i);
    row.caption->setBuddy(row.input);
    row.level = new Level(motion);
    row.level->setObjectName(id + QStringLiteral("_level"));
    order << row.input;
    connect(row.input, &QComboBox::currentIndexChanged, this, [this, role, &row] {
      KoGamepadMapping::Binding b = mapping_.binding(role);
      b.input = pad::Input(row.input->currentData().toInt());
      if (!pad::isAxis(b.input)) b.invert = false;
      mapping_.setBinding(role, b);
      if (row.invert) row.invert->setOn(b.invert);
      edited(role);
    });

    if (!motion) {
      const int at = r - KoGamepadMapping::kMotionCount;
      actionGrid->addWidget(row.caption, at, 0);
      actionGrid->addWidget(row.input, at, 1);
      actionGrid->addWidget(row.level, at, 2, Qt::AlignCenter);
      continue;
    }
    row.speed = new QSpinBox;
    row.speed->setObjectName(id + QStringLiteral("_speed"));
    row.speed->setRange(0, int(std::floor(KoGamepadMapping::maxSpeed(role))));
    row.speed->setSuffix(tipRole(role) ? QStringLiteral(" mm/s") : QStringLiteral(" °/s"));
    row.deadZone = new QSpinBox;
    row.deadZone->setObjectName(id + QStringLiteral("_deadZone"));
    row.deadZone->setRange(0, int(std::lround(KoGamepadMapping::kMaxDeadZone * 100)));
    row.deadZone->setSuffix(QStringLiteral("%"));
    row.invert = new KoSwitch;
    row.invert->setObjectName(id + QStringLiteral("_invert"));
    order << row.speed << row.deadZone << row.invert;
    connect(row.speed, &QSpinBox::valueChanged, this, [this, role](int v) {
      KoGamepadMapping::Binding b = mapping_.binding(role);
      b.speed = v;
      mapping_.setBinding(role, b);
      edited(role);
    });
    connect(row.deadZone, &QSpinBox::valueChanged, this, [this, role](int v) {
      KoGamepadMapping::Binding b = mapping_.binding(role);
      b.deadZone = v / 100.0;
      mapping_.setBinding(role, b);
      edited(role);
    });
    connect(row.invert, &KoSwitch::toggledByUser, this, [this, role](bool on) {
      KoGamepadMapping::Binding b = mapping_.binding(role);
      b.invert = on;
      mapping_.setBinding(role, b);
      edited(role);
    });
    const int at = r + 1;
    motionGrid->addWidget(row.caption, at, 0);
    motionGrid->addWidget(row.input, at, 1 + kInputColumn);
    motionGrid->addWidget(row.speed, at, 1 + kSpeedColumn);
    motionGrid->addWidget(row.deadZone, at, 1 + kDeadZoneColumn);
    motionGrid->addWidget(row.invert, at, 1 + kInvertColumn, Qt::AlignCenter);
    motionGrid->addWidget(row.level, at, 1 + kNowColumn, Qt::AlignCenter);
  }
  motionGrid->setColumnStretch(1 + kInputColumn, 1);
  actionGrid->setColumnStretch(1, 1);
  actionGrid->setRowStretch(KoGamepadMapping::kRoleCount - KoGamepadMapping::kMotionCount, 1);
  root->addWidget(motions_);

  auto* lower = new QHBoxLayout;
  lower->setSpacing(2 * KoTheme::kSpacing);
  lower->addWidget(actions_, 1);
  view_ = new KoGamepadView;
  view_->setObjectName(QStringLiteral("view"));
  view_->setMapping(mapping_);
  lower->addWidget(view_, 0, Qt::AlignTop);
  root->addLayout(lower);
  order << view_;

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
  buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  defaults_ = buttons_->addButton(QString(), QDialogButtonBox::ResetRole);
  defaults_->setObjectName(QStringLiteral("defaults"));
  defaults_->setAutoDefault(false);
  root->addWidget(buttons_);
  order << defaults_ << buttons_->button(QDialogButtonBox::Ok)
        << buttons_->button(QDialogButtonBox::Cancel);
  for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  connect(defaults_, &QPushButton::clicked, this, [this] {
    mapping_ = KoGamepadMapping::defaults();
    fill();
  });
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void KoGamepadDialog::retranslate() {
  setWindowTitle(qtTrId("gamepad_mapping"));
  setAccessibleName(windowTitle());
  hint_->setText(qtTrId("pad_mapping_hint"));
  motions_->setTitle(qtTrId("pad_motions"));
  actions_->setTitle(qtTrId("pad_actions"));
  for (size_t c = 0; c < headers_.size(); ++c) {
    headers_[c]->setText(qtTrId(kColumnKeys[c]));
    headers_[c]->setToolTip(qtTrId(kColumnTips[c]));
  }
  for (int r = 0; r < KoGamepadMapping::kRoleCount; ++r) {
    const Row& row = rows_[size_t(r)];
    const QString caption = qtTrId(KoGamepadMapping::roleKey(Role(r)));
    row.caption->setText(caption);
    for (int i = 0; i < row.input->count(); ++i) {
      row.input->setItemText(i, KoTools::inputText(pad::Input(row.input->itemData(i).toInt())));
    }
    const std::pair<QWidget*, Column> fields[] = {{row.input, kInputColumn},
                                                  {row.speed, kSpeedColumn},
                                                  {row.deadZone, kDeadZoneColumn},
                                                  {row.invert, kInvertColumn},
                                                  {row.level, kNowColumn}};
    for (const auto& [field, column] : fields) {
      if (!field) continue;
      field->setAccessibleName(fieldOf(caption, qtTrId(kColumnKeys[column])));
      field->setToolTip(qtTrId(kColumnTips[column]));
    }
  }
  defaults_->setText(qtTrId("pad_defaults"));
  defaults_->setToolTip(qtTrId("pad_defaults_tips"));
  buttons_->button(QDialogButtonBox::Ok)->setText(qtTrId("comfirm"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(qtTrId("cancel"));
  for (QAbstractButton* b : buttons_->buttons()) b->setAccessibleName(b->text());
  showLevels();
}

void KoGamepadDialog::fill() {
  for (int r = 0; r < KoGamepadMapping::kRoleCount; ++r) {
    const auto role = Role(r);
    const Row& row = rows_[size_t(r)];
    const KoGamepadMapping::Binding& b = mapping_.binding(role);
    {
      const QSignalBlocker block(row.input);
      row.input->setCurrentIndex(std::max(0, row.input->findData(int(b.input))));
    }
    if (row.speed) {
      const QSignalBlocker blockSpeed(row.speed);
      const QSignalBlocker blockDeadZone(row.deadZone);
      row.speed->setValue(int(std::lround(b.speed)));
      row.deadZone->setValue(int(std::lround(b.deadZone * 100)));
      row.invert->setOn(b.invert);
    }
    enableFields(role);
  }
  view_->setMapping(mapping_);
  showLevels();
}

void KoGamepadDialog::enableFields(Role role) {
  const Row& row = rows_[size_t(role)];
  if (!row.speed) return;
  const pad::Input input = mapping_.binding(role).input;
  // A button is only ever fully pressed: no dead zone, no direction to turn round.
  row.speed->setEnabled(input != pad::Input::None);
  row.deadZone->setEnabled(pad::isAxis(input));
  row.invert->setEnabled(pad::isAxis(input));
}

void KoGamepadDialog::edited(Role role) {
  enableFields(role);
  view_->setMapping(mapping_);
  showLevels();
}

void KoGamepadDialog::showState(const pad::State& state) {
  state_ = state;
  view_->setState(state);
  showLevels();
}

double KoGamepadDialog::level(Role role) const {
  return levelOf(rows_[size_t(role)].level)->value();
}

void KoGamepadDialog::showLevels() {
  for (int r = 0; r < KoGamepadMapping::kRoleCount; ++r) {
    const auto role = Role(r);
    Level* level = levelOf(rows_[size_t(r)].level);
    const bool motion = KoGamepadMapping::isMotion(role);
    const double v = motion ? mapping_.deflection(role, state_) : mapping_.down(role, state_);
    level->setValue(v);
    const QString said = motion  ? QStringLiteral("%1%").arg(std::lround(v * 100))
                         : v > 0 ? qtTrId("pad_pressed")
                                 : qtTrId("pad_released");
    if (level->accessibleDescription() != said) level->setAccessibleDescription(said);
  }
}
