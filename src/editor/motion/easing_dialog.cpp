#include "editor/motion/easing_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "editor/motion/curve_view.h"
#include "model/notification_center.h"
#include "session/arm_ranges.h"
#include "widgets/accessible_controls.h"
#include "widgets/colours.h"
#include "widgets/theme.h"
#include "widgets/widget_tools.h"

namespace {

constexpr double kMargin = 12;
constexpr double kHandleRadius = 6;
// A press this near a handle takes it.
constexpr double kGrabRadius = 14;
constexpr int kCurveSamples = 64;

// The curve box's entries, in order.
constexpr std::pair<easing::Kind, const char*> kKinds[] = {
    {easing::Kind::InOut, QT_TRID_NOOP("craft_curve_in_out")},
    {easing::Kind::In, QT_TRID_NOOP("craft_curve_in")},
    {easing::Kind::Out, QT_TRID_NOOP("craft_curve_out")},
    {easing::Kind::Custom, QT_TRID_NOOP("craft_curve_custom")},
};

KoMotionCraft::EaseChoice lastChoice{easing::kInOut, easing::kStepMs.start};

}  // namespace

KoBezierEditor::KoBezierEditor(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  KoAccessible::setRole(this, QAccessible::Chart);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void KoBezierEditor::setCurve(const easing::Curve& curve) {
  curve_ = curve.held();
  update();
}

QRectF KoBezierEditor::square() const {
  const double side = std::max(1.0, std::min(width(), height()) - 2 * kMargin);
  return {(width() - side) / 2, (height() - side) / 2, side, side};
}

QPointF KoBezierEditor::toWidget(QPointF unit) const {
  const QRectF s = square();
  return {s.left() + unit.x() * s.width(), s.bottom() - unit.y() * s.height()};
}

QPointF KoBezierEditor::handlePoint(int handle) const {
  return toWidget(handle == 0 ? QPointF(curve_.x1, curve_.y1) : QPointF(curve_.x2, curve_.y2));
}

void KoBezierEditor::moveHandle(int handle, QPointF unit) {
  easing::Curve c = curve_;
  (handle == 0 ? c.x1 : c.x2) = unit.x();
  (handle == 0 ? c.y1 : c.y2) = unit.y();
  c = c.held();
  if (c == curve_) return;
  curve_ = c;
  update();
  emit curveEdited(curve_);
}

void KoBezierEditor::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF s = square();
  const KoTheme::Roles& colours = KoTheme::roles();
  p.fillRect(rect(), colours.inset);
  p.setPen(QPen(colours.line, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(s);
  p.setPen(QPen(colours.grid, 1, Qt::DashLine));
  p.drawLine(s.bottomLeft(), s.topRight());

  p.setPen(QPen(colours.text, 1));
  p.drawLine(toWidget({0, 0}), handlePoint(0));
  p.drawLine(toWidget({1, 1}), handlePoint(1));

  QPainterPath path(toWidget({0, 0}));
  for (int i = 1; i <= kCurveSamples; ++i) {
    const double t = double(i) / kCurveSamples;
    path.lineTo(toWidget({t, curve_.at(t)}));
  }
  p.setPen(QPen(colours.accentLine, 2.5));
  p.drawPath(path);

  for (int h = 0; h < 2; ++h) {
    const bool focused = hasFocus() && h == active_;
    p.setPen(QPen(focused ? KoColours::focusOn(colours.inset) : colours.inset, focused ? 3 : 1.5));
    p.setBrush(colours.accentLine);
    p.drawEllipse(handlePoint(h), kHandleRadius, kHandleRadius);
  }
}

void KoBezierEditor::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  const double d0 = QLineF(at, handlePoint(0)).length();
  const double d1 = QLineF(at, handlePoint(1)).length();
  const int nearest = d1 < d0 ? 1 : 0;
  if (std::min(d0, d1) > kGrabRadius) return;
  active_ = nearest;
  dragging_ = true;
  update();
}

void KoBezierEditor::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QRectF s = square();
  const QPointF at = event->position();
  moveHandle(active_, {(at.x() - s.left()) / s.width(), (s.bottom() - at.y()) / s.height()});
}

void KoBezierEditor::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void KoBezierEditor::keyPressEvent(QKeyEvent* event) {
  const double step = event->modifiers() & Qt::ShiftModifier ? kBigKeyStep : kKeyStep;
  QPointF unit = active_ == 0 ? QPointF(curve_.x1, curve_.y1) : QPointF(curve_.x2, curve_.y2);
  switch (event->key()) {
    case Qt::Key_Space:
      active_ = 1 - active_;
      update();
      return;
    case Qt::Key_Left:
      unit.rx() -= step;
      break;
    case Qt::Key_Right:
      unit.rx() += step;
      break;
    case Qt::Key_Up:
      unit.ry() += step;
      break;
    case Qt::Key_Down:
      unit.ry() -= step;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  moveHandle(active_, unit);
}

KoEasingDialog::KoEasingDialog(KoMotionCraft* craft, KoCurveView* preview, QWidget* parent)
    : QDialog(parent),
      craft_(craft),
      preview_(preview),
      curveBox_(new QComboBox),
      editor_(new KoBezierEditor),
      stepBox_(new QSpinBox),
      planLabel_(new QLabel),
      curveLabel_(new QLabel),
      stepLabel_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  for (const auto& [kind, key] : kKinds) curveBox_->addItem(QString(), int(kind));
  stepBox_->setRange(easing::kStepMs.minimum, easing::kStepMs.maximum);
  stepBox_->setSingleStep(10);
  planLabel_->setWordWrap(true);
  planLabel_->setMinimumWidth(320);
  curveLabel_->setBuddy(curveBox_);
  stepLabel_->setBuddy(stepBox_);

  auto* form = new QFormLayout;
  form->addRow(curveLabel_, curveBox_);
  form->addRow(stepLabel_, stepBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(editor_, 1);
  layout->addWidget(planLabel_);
  layout->addWidget(buttons_);
  setTabOrder(curveBox_, stepBox_);
  setTabOrder(stepBox_, editor_);

  const KoMotionCraft::EaseChoice last = lastChoice;
  editor_->setCurve(last.curve);
  stepBox_->setValue(last.stepMs);
  int index = int(std::size(kKinds)) - 1;
  for (int i = 0; i < int(std::size(kKinds)); ++i) {
    if (kKinds[i].first != easing::Kind::Custom && easing::curveOf(kKinds[i].first) == last.curve) {
      index = i;
    }
  }
  curveBox_->setCurrentIndex(index);

  connect(curveBox_, &QComboBox::currentIndexChanged, this, &KoEasingDialog::kindChosen);
  connect(editor_, &KoBezierEditor::curveEdited, this, [this] {
    // A curve drawn by hand is a custom one.
    settingCurve_ = true;
    curveBox_->setCurrentIndex(int(std::size(kKinds)) - 1);
    settingCurve_ = false;
    showPlan();
  });
  connect(stepBox_, &QSpinBox::valueChanged, this, &KoEasingDialog::showPlan);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  retranslate();
  showPlan();
}

KoEasingDialog::~KoEasingDialog() {
  if (preview_) preview_->setPreview({});
}

QPushButton* KoEasingDialog::okButton() const { return buttons_->button(QDialogButtonBox::Ok); }

KoMotionCraft::EaseChoice KoEasingDialog::choice() const {
  return {editor_->curve(), stepBox_->value()};
}

void KoEasingDialog::retranslate() {
  setWindowTitle(qtTrId("craft_ease_title"));
  setAccessibleName(windowTitle());
  for (int i = 0; i < int(std::size(kKinds)); ++i)
    curveBox_->setItemText(i, qtTrId(kKinds[i].second));
  curveLabel_->setText(qtTrId("craft_curve"));
  curveBox_->setAccessibleName(qtTrId("craft_curve"));
  stepLabel_->setText(qtTrId("craft_step"));
  stepBox_->setAccessibleName(qtTrId("craft_step"));
  stepBox_->setSuffix(QStringLiteral(" ms"));
  editor_->setAccessibleName(qtTrId("craft_curve_editor"));
  editor_->setAccessibleDescription(qtTrId("craft_curve_editor_keys"));
  editor_->setToolTip(qtTrId("craft_curve_editor_keys"));
  okButton()->setText(qtTrId("craft_ease_apply"));
}

void KoEasingDialog::kindChosen() {
  if (settingCurve_) return;
  const auto kind = easing::Kind(curveBox_->currentData().toInt());
  if (kind != easing::Kind::Custom) editor_->setCurve(easing::curveOf(kind));
  showPlan();
}

void KoEasingDialog::showPlan() {
  const KoMotionCraft::EaseChoice c = choice();
  const easing::EasePlan plan = craft_->plan(c.curve, c.stepMs);
  if (!plan.refused() && plan.moves.isEmpty()) {
    planLabel_->setText(qtTrId("craft_too_short").arg(2 * c.stepMs));
  } else {
    planLabel_->setText(craft_->planText(plan));
  }
  okButton()->setEnabled(!plan.refused() && !plan.moves.isEmpty());
  if (preview_) preview_->setPreview(plan.refused() ? easing::EasePlan{} : plan);
}

KoMotionCraft::EaseAsker KoEasingDialog::asker(QWidget* parent, KoMotionCraft* craft,
                                               KoCurveView* preview) {
  return [parent, craft, preview]() -> std::optional<KoMotionCraft::EaseChoice> {
    KoEasingDialog dialog(craft, preview, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    lastChoice = dialog.choice();
    return lastChoice;
  };
}

KoMirrorDialog::KoMirrorDialog(const easing::Channels& chosen, const KoArmRanges* ranges,
                               QWidget* parent)
    : QDialog(parent),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setWindowTitle(qtTrId("craft_mirror_title"));
  setAccessibleName(windowTitle());
  auto* layout = new QVBoxLayout(this);
  auto* about = new QLabel(qtTrId("craft_mirror_about"));
  about->setWordWrap(true);
  layout->addWidget(about);
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    auto* box = new QCheckBox(ranges ? ranges->channelLabel(c) : QStringLiteral("ID:%1").arg(c));
    box->setAccessibleName(box->text());
    box->setChecked(chosen[size_t(c - 1)]);
    connect(box, &QCheckBox::toggled, this, [this] {
      const easing::Channels now = channels();
      okButton()->setEnabled(std::find(now.begin(), now.end(), true) != now.end());
    });
    boxes_[size_t(c - 1)] = box;
    layout->addWidget(box);
  }
  layout->addWidget(buttons_);
  okButton()->setText(qtTrId("craft_mirror_apply"));
  okButton()->setEnabled(std::find(chosen.begin(), chosen.end(), true) != chosen.end());
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QPushButton* KoMirrorDialog::okButton() const { return buttons_->button(QDialogButtonBox::Ok); }

easing::Channels KoMirrorDialog::channels() const {
  easing::Channels out{};
  for (size_t i = 0; i < boxes_.size(); ++i) out[i] = boxes_[i]->isChecked();
  return out;
}

KoMotionCraft::MirrorAsker KoMirrorDialog::asker(QWidget* parent, KoMotionCraft* craft,
                                                 const KoArmRanges* ranges) {
  return [parent, craft, ranges]() -> std::optional<easing::Channels> {
    KoMirrorDialog dialog(craft->defaultMirrorChannels(), ranges, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.channels();
  };
}

namespace KoTools {

void addCraftItems(QMenu* menu, const std::function<void(EditorAction)>& run) {
  constexpr std::pair<const char*, EditorAction> kItems[] = {
      {QT_TRID_NOOP("craft_ease"), KoMotionCraft::kEase},
      {QT_TRID_NOOP("craft_mirror"), KoMotionCraft::kMirror},
      {QT_TRID_NOOP("craft_reverse"), KoMotionCraft::kReverse},
  };
  menu->addSeparator();
  for (const auto& [key, action] : kItems) {
    const EditorAction a = action;
    QAction* item = menuItemWithTitle(
        qtTrId(key), [run, a] { run(a); }, {}, tagOf(a), menu);
    const char* k = key;
    QObject::connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage,
                     item, [item, k] { item->setText(qtTrId(k)); });
    menu->addAction(item);
  }
}

}  // namespace KoTools
