#include "editor/motion/gamepad_view.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "model/notification_center.h"
#include "widgets/accessible_controls.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

namespace {

using pad::Input;

// The face buttons keep the letters printed on them in every language.
const char* const kInputKeys[pad::kInputs] = {
    QT_TRID_NOOP("pad_input_left_x"),
    QT_TRID_NOOP("pad_input_left_y"),
    QT_TRID_NOOP("pad_input_right_x"),
    QT_TRID_NOOP("pad_input_right_y"),
    QT_TRID_NOOP("pad_input_left_trigger"),
    QT_TRID_NOOP("pad_input_right_trigger"),
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    QT_TRID_NOOP("pad_input_back"),
    QT_TRID_NOOP("pad_input_guide"),
    QT_TRID_NOOP("pad_input_start"),
    QT_TRID_NOOP("pad_input_left_stick"),
    QT_TRID_NOOP("pad_input_right_stick"),
    QT_TRID_NOOP("pad_input_left_shoulder"),
    QT_TRID_NOOP("pad_input_right_shoulder"),
    QT_TRID_NOOP("pad_input_dpad_up"),
    QT_TRID_NOOP("pad_input_dpad_down"),
    QT_TRID_NOOP("pad_input_dpad_left"),
    QT_TRID_NOOP("pad_input_dpad_right"),
};

constexpr int kMargin = 2 * KoTheme::kSpacing;
constexpr int kNameHeight = 18;
constexpr int kStick = 96;
constexpr int kBarWidth = 12;
constexpr int kMiddle = 150;
constexpr int kChip = 18;
constexpr int kGap = 2 * KoTheme::kSpacing;
constexpr int kDot = 6;

// Below this a reading is noise, not a move worth telling.
constexpr double kShownMove = 0.01;

// Short labels as the controller prints them; the rest of the chips take the input's name.
QString chipText(Input input) {
  switch (input) {
    case Input::A:
      return QStringLiteral("A");
    case Input::B:
      return QStringLiteral("B");
    case Input::X:
      return QStringLiteral("X");
    case Input::Y:
      return QStringLiteral("Y");
    case Input::LeftShoulder:
      return QStringLiteral("LB");
    case Input::RightShoulder:
      return QStringLiteral("RB");
    case Input::LeftStick:
      return QStringLiteral("L3");
    case Input::RightStick:
      return QStringLiteral("R3");
    case Input::DpadUp:
      return QStringLiteral("↑");
    case Input::DpadDown:
      return QStringLiteral("↓");
    case Input::DpadLeft:
      return QStringLiteral("←");
    case Input::DpadRight:
      return QStringLiteral("→");
    case Input::LeftTrigger:
      return QStringLiteral("LT");
    case Input::RightTrigger:
      return QStringLiteral("RT");
    default:
      return KoTools::inputText(input);
  }
}

int chipWidth(const QFontMetrics& metrics, Input input) {
  return std::max(kChip, metrics.horizontalAdvance(chipText(input)) + 2 * KoTheme::kSpacing);
}

}  // namespace

namespace KoTools {

QString inputText(Input input) {
  const int i = int(input);
  if (i < 0 || i >= pad::kInputs) return qtTrId("pad_input_none");
  return kInputKeys[i] ? qtTrId(kInputKeys[i])
                       : QString::fromLatin1(pad::inputName(input)).toUpper();
}

}  // namespace KoTools

KoGamepadView::KoGamepadView(QWidget* parent) : QWidget(parent) {
  // Reached by Tab, so that a screen reader can tell what the controller does now.
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  KoAccessible::setRole(this, QAccessible::Chart);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoGamepadView::retranslate);
  retranslate();
}

QSize KoGamepadView::sizeHint() const {
  return {2 * kMargin + 2 * kBarWidth + 2 * kStick + kMiddle + 4 * kGap,
          2 * kMargin + kNameHeight + kGap + kStick + kGap + kChip};
}

QSize KoGamepadView::minimumSizeHint() const { return sizeHint(); }

void KoGamepadView::setState(const pad::State& state) {
  pad::State shown = state;
  // A reading past the controller's range is drawn at its edge, one that is no number at rest.
  for (double& a : shown.axes) a = std::isfinite(a) ? std::clamp(a, -1.0, 1.0) : 0.0;
  if (shown == state_) return;
  state_ = shown;
  setAccessibleDescription(describe());
  update();
}

void KoGamepadView::setController(const QString& name) {
  if (name == controller_) return;
  controller_ = name;
  setAccessibleDescription(describe());
  update();
}

void KoGamepadView::setMapping(const KoGamepadMapping& mapping) {
  mapping_ = mapping;
  update();
}

void KoGamepadView::retranslate() {
  setAccessibleName(qtTrId("pad_view"));
  setToolTip(qtTrId("pad_view_tips"));
  setAccessibleDescription(describe());
  update();
}

double KoGamepadView::deadZoneOf(Input axis) const {
  for (int r = 0; r < KoGamepadMapping::kMotionCount; ++r) {
    const KoGamepadMapping::Binding& b = mapping_.binding(KoGamepadMapping::Role(r));
    if (b.input == axis) return b.deadZone;
  }
  return 0;
}

QString KoGamepadView::describe() const {
  if (controller_.isEmpty()) return qtTrId("pad_no_controller");
  QStringList parts;
  for (int i = 0; i < pad::kAxes; ++i) {
    const double v = state_.axes[size_t(i)];
    if (std::abs(v) >= kShownMove) {
      parts << QStringLiteral("%1 %2%").arg(KoTools::inputText(Input(i))).arg(std::lround(v * 100));
    }
  }
  for (int i = pad::kAxes; i < pad::kInputs; ++i) {
    if (state_.held(Input(i))) parts << qtTrId("pad_view_held").arg(KoTools::inputText(Input(i)));
  }
  return qtTrId("pad_view_state")
      .arg(controller_,
           parts.isEmpty() ? qtTrId("pad_view_rest") : parts.join(qtTrId("pad_list_separator")));
}

void KoGamepadView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const KoTheme::Roles& colours = KoTheme::roles();
  const QRectF whole = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(colours.line, 1));
  p.setBrush(colours.inset);
  p.drawRoundedRect(whole, KoTheme::kRadius / 2.0, KoTheme::kRadius / 2.0);
  if (hasFocus()) KoColours::paintFocusRing(p, whole, KoTheme::kRadius / 2.0);

  const QSize hint = sizeHint();
  const QPointF origin((width() - hint.width()) / 2.0, (height() - hint.height()) / 2.0);
  p.translate(origin);

  p.setFont(KoTheme::font(KoTheme::Type::Label, !controller_.isEmpty()));
  p.setPen(controller_.isEmpty() ? colours.mutedText : colours.text);
  const QRectF nameRect(kMargin, kMargin, hint.width() - 2 * kMargin, kNameHeight);
  const QString name = controller_.isEmpty() ? qtTrId("pad_no_controller") : controller_;
  p.drawText(nameRect, Qt::AlignCenter,
             p.fontMetrics().elidedText(name, Qt::ElideMiddle, int(nameRect.width())));

  p.setFont(KoTheme::font(KoTheme::Type::Caption));
  const QFontMetrics metrics = p.fontMetrics();
  const double top = kMargin + kNameHeight + kGap;

  const auto chip = [&](Input input, QPointF centre) {
    const double w = chipWidth(metrics, input);
    const QRectF r(centre.x() - w / 2, centre.y() - kChip / 2.0, w, kChip);
    const bool lit = state_.held(input);
    p.setPen(QPen(lit ? colours.accent : colours.line, 1));
    p.setBrush(lit ? colours.accent : colours.surface);
    p.drawRoundedRect(r, kChip / 2.0, kChip / 2.0);
    p.setPen(lit ? colours.onAccent : colours.text);
    p.drawText(r, Qt::AlignCenter, chipText(input));
  };

  const auto bar = [&](Input trigger, double x) {
    const QRectF r(x, top, kBarWidth, kStick);
    p.setPen(QPen(colours.line, 1));
    p.setBrush(colours.surface);
    p.drawRect(r);
    const double v = std::clamp(state_.axis(trigger), 0.0, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colours.accentLine);
    p.drawRect(QRectF(r.left(), r.bottom() - v * r.height(), r.width(), v * r.height()));
    if (const double dz = deadZoneOf(trigger); dz > 0) {
      const double y = r.bottom() - dz * r.height();
      p.setPen(QPen(colours.mutedText, 1, Qt::DashLine));
      p.drawLine(QPointF(r.left() - 2, y), QPointF(r.right() + 2, y));
    }
    p.setPen(colours.mutedText);
    p.drawText(QRectF(x - kGap, r.bottom() + kGap / 2.0, kBarWidth + 2 * kGap, kChip),
               Qt::AlignCenter, chipText(trigger));
  };

  const auto stick = [&](Input xAxis, Input yAxis, Input press, double x) {
    const QRectF r(x, top, kStick, kStick);
    const QPointF c = r.center();
    const double radius = kStick / 2.0 - 1;
    p.setPen(QPen(colours.line, 1));
    p.setBrush(colours.surface);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(colours.grid, 1));
    p.drawLine(QPointF(c.x() - radius, c.y()), QPointF(c.x() + radius, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - radius), QPointF(c.x(), c.y() + radius));
    // Each axis has its own dead zone; an axis no motion uses takes the other's.
    double dx = deadZoneOf(xAxis);
    double dy = deadZoneOf(yAxis);
    if (dx == 0) dx = dy;
    if (dy == 0) dy = dx;
    if (dx > 0) {
      p.setPen(QPen(colours.mutedText, 1, Qt::DashLine));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, dx * radius, dy * radius);
    }
    QPointF at(state_.axis(xAxis), state_.axis(yAxis));
    // A stick's square gate reaches past the circle at the corners.
    if (const double length = std::hypot(at.x(), at.y()); length > 1) at /= length;
    const bool inside = std::abs(at.x()) <= dx && std::abs(at.y()) <= dy;
    p.setPen(QPen(colours.inset, 1.5));
    p.setBrush(inside ? colours.mutedText : colours.accentLine);
    p.drawEllipse(c + at * (radius - kDot), kDot, kDot);
    chip(press, QPointF(c.x(), r.bottom() + kGap / 2.0 + kChip / 2.0));
  };

  double x = kMargin;
  bar(Input::LeftTrigger, x);
  x += kBarWidth + kGap;
  stick(Input::LeftX, Input::LeftY, Input::LeftStick, x);
  x += kStick + kGap;

  // The middle: shoulders, the three system buttons, then the D-pad and the face buttons.
  const double left = x;
  const double mid = x + kMiddle / 2.0;
  const double row = kChip + KoTheme::kSpacing;
  chip(Input::LeftShoulder,
       {left + chipWidth(metrics, Input::LeftShoulder) / 2.0, top + kChip / 2.0});
  chip(Input::RightShoulder,
       {left + kMiddle - chipWidth(metrics, Input::RightShoulder) / 2.0, top + kChip / 2.0});
  const Input system[] = {Input::Back, Input::Guide, Input::Start};
  double systemWidth = 2 * KoTheme::kSpacing;
  for (Input b : system) systemWidth += chipWidth(metrics, b);
  double sx = mid - systemWidth / 2;
  for (Input b : system) {
    const double w = chipWidth(metrics, b);
    chip(b, {sx + w / 2, top + row + kChip / 2.0});
    sx += w + KoTheme::kSpacing;
  }
  const double crossY = top + 2 * row + row + kChip / 2.0;
  const double dpadX = left + kMiddle / 4.0;
  const double faceX = left + kMiddle * 3 / 4.0;
  const double step = kChip + 1;
  chip(Input::DpadUp, {dpadX, crossY - step});
  chip(Input::DpadDown, {dpadX, crossY + step});
  chip(Input::DpadLeft, {dpadX - step, crossY});
  chip(Input::DpadRight, {dpadX + step, crossY});
  chip(Input::Y, {faceX, crossY - step});
  chip(Input::A, {faceX, crossY + step});
  chip(Input::X, {faceX - step, crossY});
  chip(Input::B, {faceX + step, crossY});
  x += kMiddle + kGap;

  stick(Input::RightX, Input::RightY, Input::RightStick, x);
  x += kStick + kGap;
  bar(Input::RightTrigger, x);
}
