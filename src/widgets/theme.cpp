#include "widgets/theme.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "widgets/colours.h"

namespace KoTheme {

namespace {

Roles lightRoles() {
  Roles r;
  r.body = QColor(0x2b, 0x2d, 0x31);
  r.bodyText = KoColours::lightText();
  r.bodyMuted = QColor(0xb8, 0xbc, 0xc3);
  r.bodyWarning = QColor(0xff, 0x8a, 0x7a);
  r.barField = QColor(0x3a, 0x3d, 0x42);
  r.barLine = QColor(0x8c, 0x8f, 0x94);
  r.barHover = QColor(255, 255, 255, 40);
  r.surface = QColor(0xf4, 0xf5, 0xf7);
  r.inset = QColor(0xff, 0xff, 0xff);
  r.insetShade = QColor(0xe9, 0xeb, 0xee);
  r.grid = QColor(0xdc, 0xdf, 0xe3);
  r.line = QColor(0x7c, 0x81, 0x89);
  r.text = KoColours::darkText();
  r.mutedText = QColor(0x55, 0x59, 0x60);
  r.disabledText = QColor(0x80, 0x84, 0x8b);
  r.accent = KoColours::orange();
  r.onAccent = KoColours::darkText();
  r.accentLine = QColor(0xc2, 0x5e, 0x00);
  r.accentInset = QColor(0x2b, 0x2d, 0x31);
  r.accentInsetText = QColor(0xff, 0xff, 0xff);
  r.accentTrack = QColor(0xff, 0xff, 0xff);
  r.accentWash = QColor(255, 255, 255, 110);
  r.trim = QColor(0xb3, 0x26, 0x1e);
  r.busy = KoColours::lightGrey();
  r.progress = QColor(0x4c, 0xbb, 0x5a);
  r.track = QColor(0x85, 0x8a, 0x92);
  r.warning = QColor(0x8a, 0x55, 0x00);
  r.danger = QColor(0xb0, 0x2a, 0x1e);
  r.success = QColor(0x2e, 0x7d, 0x32);
  r.warningTint = QColor(0xfb, 0xe6, 0xb0);
  r.dangerTint = QColor(0xfd, 0xe2, 0xdf);
  r.mark = QColor(0x1f, 0x5f, 0xc8);
  r.playhead = QColor(0x1a, 0x1a, 0x1a);
  r.song = QColor(0xe4, 0xea, 0xf3);
  r.channels = {r.accentLine,
                QColor(0x02, 0x77, 0xbd),
                QColor(0x2e, 0x7d, 0x32),
                QColor(0xc2, 0x18, 0x5b),
                QColor(0x6a, 0x4f, 0xc4),
                QColor(0x7a, 0x70, 0x10)};
  r.voltGauge = QColor(0xb8, 0x64, 0x00);
  r.voltLabel = QColor(0x8a, 0x52, 0x00);
  r.positionGauge = QColor(0x9a, 0x7d, 0x00);
  r.positionLabel = QColor(0x6e, 0x58, 0x00);
  r.mercury = QColor::fromRgbF(0.918f, 0.333f, 0.078f);
  r.shadow = QColor(0, 0, 0, 7);
  r.knobShadow = QColor(0, 0, 0, 40);
  r.chartTemperature = QColor(0xc2, 0x41, 0x0c);
  r.chartVoltage = QColor(0xa1, 0x62, 0x07);
  r.chartPosition = QColor(0x1d, 0x4e, 0xd8);
  return r;
}

Roles darkRoles() {
  Roles r = lightRoles();
  r.body = QColor(0x17, 0x18, 0x1b);
  r.surface = QColor(0x2a, 0x2c, 0x31);
  r.inset = QColor(0x1f, 0x21, 0x25);
  r.insetShade = QColor(0x18, 0x19, 0x1c);
  r.grid = QColor(0x3c, 0x3f, 0x45);
  r.line = QColor(0x80, 0x85, 0x8d);
  r.text = QColor(0xe8, 0xea, 0xed);
  r.mutedText = QColor(0xa9, 0xad, 0xb5);
  r.disabledText = QColor(0x7a, 0x7e, 0x86);
  r.accentLine = KoColours::orange();
  r.track = QColor(0x80, 0x85, 0x8d);
  r.warning = QColor(0xf0, 0xb4, 0x4a);
  r.danger = QColor(0xff, 0x8a, 0x7a);
  r.success = QColor(0x81, 0xc7, 0x84);
  r.warningTint = QColor(0x6e, 0x58, 0x1e);
  r.dangerTint = QColor(0x84, 0x2a, 0x32);
  r.mark = QColor(0x1f, 0x5f, 0xc8);
  r.playhead = QColor(0xf2, 0xf4, 0xf7);
  r.song = QColor(0x3a, 0x46, 0x58);
  r.channels = {r.accentLine,
                QColor(0x4f, 0xc3, 0xf7),
                QColor(0x81, 0xc7, 0x84),
                QColor(0xf0, 0x62, 0x92),
                QColor(0xba, 0x9c, 0xf5),
                QColor(0xe0, 0xe0, 0x6a)};
  r.voltGauge = QColor::fromRgbF(0.953f, 0.596f, 0);
  r.voltLabel = QColor(0xf0, 0xb4, 0x4a);
  r.positionGauge = QColor::fromRgbF(0.957f, 0.796f, 0.212f);
  r.positionLabel = QColor(0xe8, 0xd4, 0x6a);
  r.shadow = QColor(0, 0, 0, 24);
  r.knobShadow = QColor(0, 0, 0, 90);
  r.chartTemperature = QColor(0xff, 0x8a, 0x5c);
  r.chartVoltage = QColor(0xf0, 0xb4, 0x4a);
  r.chartPosition = QColor(0x7a, 0xa7, 0xff);
  return r;
}

Scheme current = Scheme::Light;

// Keeps a widget's text in its role's colour across changes of scheme.
class TextRole : public QObject {
 public:
  TextRole(QWidget* widget, QColor Roles::*role) : QObject(widget), widget_(widget), role_(role) {
    widget->installEventFilter(this);
  }

  void setRole(QColor Roles::*role) {
    role_ = role;
    apply();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::ApplicationPaletteChange) apply();
    return false;
  }

 private:
  void apply() {
    QPalette palette = widget_->palette();
    const QColor colour = roles().*role_;
    if (palette.color(QPalette::WindowText) == colour &&
        palette.isBrushSet(QPalette::Active, QPalette::WindowText)) {
      return;
    }
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget_->setPalette(palette);
  }

  QWidget* widget_;
  QColor Roles::*role_;
};

}  // namespace

const Roles& roles(Scheme scheme) {
  static const Roles light = lightRoles();
  static const Roles dark = darkRoles();
  return scheme == Scheme::Dark ? dark : light;
}

const Roles& roles() { return roles(current); }

Scheme scheme() { return current; }

QColor focusOnInset(Scheme scheme) { return KoColours::focusOn(roles(scheme).inset); }

QPalette palette(Scheme scheme) {
  const Roles& r = roles(scheme);
  QPalette p;
  const std::pair<QPalette::ColorRole, QColor> all[] = {
      {QPalette::Window, r.surface},
      {QPalette::WindowText, r.text},
      {QPalette::Base, r.inset},
      {QPalette::AlternateBase, r.insetShade},
      {QPalette::Text, r.text},
      {QPalette::Button, r.surface},
      {QPalette::ButtonText, r.text},
      {QPalette::BrightText, r.danger},
      {QPalette::ToolTipBase, r.inset},
      {QPalette::ToolTipText, r.text},
      {QPalette::PlaceholderText, r.mutedText},
      {QPalette::Highlight, r.accent},
      {QPalette::HighlightedText, r.onAccent},
      {QPalette::Link, focusOnInset(scheme)},
      {QPalette::Light, r.inset},
      {QPalette::Midlight, r.grid},
      {QPalette::Mid, r.line},
      {QPalette::Dark, r.line},
      {QPalette::Shadow, r.body},
  };
  for (const auto& [role, colour] : all) p.setColor(role, colour);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, r.disabledText);
  }
  p.setColor(QPalette::Disabled, QPalette::Base, r.surface);
  return p;
}

QString styleSheet(Scheme scheme) {
  const Roles& r = roles(scheme);
  const int field = kRadius / 2;
  // Edges are one pixel and the focus ring two, the padding giving back the difference so that
  // nothing moves when the focus arrives. Text colours come from the palette, so that a
  // control that sets its own still has it.
  QString sheet = QStringLiteral(
      "QToolTip{background:@inset;color:@text;border:1px solid @line;border-radius:@fieldpx;"
      "padding:@unitpx @twopx;}"
      "QDialog{background:@surface;}"
      "QLineEdit,QPlainTextEdit,QTextEdit,QComboBox{background:@inset;"
      "border:1px solid @line;border-radius:@fieldpx;padding:1px 3px;"
      "selection-background-color:@accent;selection-color:@onAccent;}"
      "QLineEdit:focus,QPlainTextEdit:focus,QTextEdit:focus,"
      "QComboBox:focus{border:2px solid @focus;padding:0 2px;}"
      "QLineEdit:disabled,QComboBox:disabled{background:@surface;"
      "border-color:@grid;}"
      "QLineEdit[fault=\"true\"]{background:@danger;}"
      "QComboBox::drop-down{border:none;width:18px;}"
      "QComboBox::down-arrow{image:url(@chevron);width:10px;height:7px;}"
      "QLineEdit[plain=\"true\"]{background:transparent;border:none;"
      "padding:0;}"
      "QComboBox QAbstractItemView{background:@inset;border:1px solid @line;"
      "selection-background-color:@accent;selection-color:@onAccent;}"
      "QPushButton{background:@inset;border:1px solid @line;"
      "border-radius:@fieldpx;padding:3px @threepx;}"
      "QPushButton:hover{background:@shade;}"
      "QPushButton:pressed,QPushButton:checked{background:@grid;}"
      "QPushButton:focus{border:2px solid @focus;padding:2px 11px;}"
      "QPushButton:disabled{border-color:@grid;background:@surface;}"
      "QTableView,QListView,QTreeView{background:@inset;gridline-color:@grid;"
      "border:1px solid @line;selection-background-color:@accent;selection-color:@onAccent;}"
      "QHeaderView::section{background:@surface;border:none;"
      "border-right:1px solid @grid;border-bottom:1px solid @line;padding:0 3px;}"
      "QTableCornerButton::section{background:@surface;border:none;}");
  const std::pair<const char*, QString> values[] = {
      {"@inset", r.inset.name()},
      {"@surface", r.surface.name()},
      {"@shade", r.insetShade.name()},
      {"@danger", r.dangerTint.name()},
      {"@text", r.text.name()},
      {"@line", r.line.name()},
      {"@grid", r.grid.name()},
      {"@accent", r.accent.name()},
      {"@onAccent", r.onAccent.name()},
      {"@chevron", scheme == Scheme::Dark ? QStringLiteral(":/images/chevron-down.svg")
                                          : QStringLiteral(":/images/chevron-down-dark.svg")},
      {"@focus", focusOnInset(scheme).name()},
      {"@field", QString::number(field)},
      {"@unit", QString::number(kSpacing)},
      {"@two", QString::number(2 * kSpacing)},
      {"@three", QString::number(3 * kSpacing)},
  };
  for (const auto& [key, value] : values) sheet.replace(QLatin1String(key), value);
  return sheet;
}

void apply(Scheme scheme, bool withStyleSheet) {
  static bool paletteSet = false;
  if (scheme != current || !paletteSet) QApplication::setPalette(palette(scheme));
  paletteSet = true;
  current = scheme;
  const QString sheet = withStyleSheet ? styleSheet(scheme) : QString();
  if (withStyleSheet && qApp->styleSheet() != sheet) qApp->setStyleSheet(sheet);
}

Choice choiceFromSetting(const QString& value) {
  const QString v = value.trimmed().toLower();
  if (v == QLatin1String("light")) return Choice::Light;
  if (v == QLatin1String("dark")) return Choice::Dark;
  return Choice::Auto;
}

Scheme resolve(Choice choice, std::optional<Scheme> desktop) {
  switch (choice) {
    case Choice::Light:
      return Scheme::Light;
    case Choice::Dark:
      return Scheme::Dark;
    case Choice::Auto:
      break;
  }
  return desktop.value_or(Scheme::Light);
}

void setTextRole(QWidget* widget, QColor Roles::*role) {
  // Not findChild: without a meta-object of its own, any child would pass for a TextRole.
  TextRole* follower = nullptr;
  for (QObject* child : widget->children()) {
    if (auto* found = dynamic_cast<TextRole*>(child)) follower = found;
  }
  if (!follower) follower = new TextRole(widget, role);
  follower->setRole(role);
}

QFont font(Type size, bool bold) {
  QFont f = QApplication::font();
  f.setPixelSize(static_cast<int>(size));
  f.setBold(bold);
  return f;
}

}  // namespace KoTheme
