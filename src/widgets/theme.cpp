#include "widgets/theme.h"

#include <QApplication>

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
  r.busy = KoColours::lightGrey();
  r.track = QColor(0x8e, 0x93, 0x9b);
  r.warning = QColor(0x8a, 0x55, 0x00);
  r.danger = QColor(0xb0, 0x2a, 0x1e);
  r.success = QColor(0x2e, 0x7d, 0x32);
  r.warningTint = QColor(0xfb, 0xe6, 0xb0);
  r.dangerTint = QColor(0xfd, 0xe2, 0xdf);
  r.mark = QColor(0x1f, 0x5f, 0xc8);
  r.playhead = QColor(0x1a, 0x1a, 0x1a);
  r.channels = {QColor(0xc2, 0x5e, 0x00), QColor(0x02, 0x77, 0xbd), QColor(0x2e, 0x7d, 0x32),
                QColor(0xc2, 0x18, 0x5b), QColor(0x6a, 0x4f, 0xc4), QColor(0x7a, 0x70, 0x10)};
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
  r.busy = QColor(0x9a, 0x9d, 0xa3);
  r.track = QColor(0x80, 0x85, 0x8d);
  r.warning = QColor(0xf0, 0xb4, 0x4a);
  r.danger = QColor(0xff, 0x8a, 0x7a);
  r.success = QColor(0x81, 0xc7, 0x84);
  r.warningTint = QColor(0x5a, 0x44, 0x12);
  r.dangerTint = QColor(0x5c, 0x24, 0x22);
  r.mark = QColor(0x1f, 0x5f, 0xc8);
  r.playhead = QColor(0xf2, 0xf4, 0xf7);
  r.channels = {QColor(0xff, 0xb1, 0x46), QColor(0x4f, 0xc3, 0xf7), QColor(0x81, 0xc7, 0x84),
                QColor(0xf0, 0x62, 0x92), QColor(0xba, 0x9c, 0xf5), QColor(0xe0, 0xe0, 0x6a)};
  r.chartTemperature = QColor(0xff, 0x8a, 0x5c);
  r.chartVoltage = QColor(0xf0, 0xb4, 0x4a);
  r.chartPosition = QColor(0x7a, 0xa7, 0xff);
  return r;
}

Scheme current = Scheme::Light;

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
      "QLineEdit,QAbstractSpinBox,QPlainTextEdit,QTextEdit,QComboBox{background:@inset;"
      "color:@text;border:1px solid @line;border-radius:@fieldpx;padding:2px @unitpx;"
      "selection-background-color:@accent;selection-color:@onAccent;}"
      "QLineEdit:focus,QAbstractSpinBox:focus,QPlainTextEdit:focus,QTextEdit:focus,"
      "QComboBox:focus{border:2px solid @focus;padding:1px 3px;}"
      "QLineEdit:disabled,QAbstractSpinBox:disabled,QComboBox:disabled{background:@surface;"
      "border-color:@grid;}"
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
      "border-right:1px solid @grid;border-bottom:1px solid @line;padding:2px @unitpx;}"
      "QTableCornerButton::section{background:@surface;border:none;}");
  const std::pair<const char*, QString> values[] = {
      {"@inset", r.inset.name()},
      {"@surface", r.surface.name()},
      {"@shade", r.insetShade.name()},
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

void apply(Scheme scheme) {
  const bool changed = scheme != current || qApp->styleSheet().isEmpty();
  current = scheme;
  if (!changed) return;
  QApplication::setPalette(palette(scheme));
  qApp->setStyleSheet(styleSheet(scheme));
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

QFont font(Type size, bool bold) {
  QFont f = QApplication::font();
  f.setPixelSize(static_cast<int>(size));
  f.setBold(bold);
  return f;
}

}  // namespace KoTheme
