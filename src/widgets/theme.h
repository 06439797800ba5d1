#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <array>
#include <optional>

class QApplication;

// The program's one visual language: the colour of every role in the light and the dark
// scheme, the type scale, the corner radius and the spacing unit. Widgets take their colours
// from roles() when they paint (not once when made), so a change of scheme repaints them.
namespace KoTheme {

enum class Scheme { Light, Dark };

struct Roles {
  // The dark frame around the panels and the bar above it; dark in both schemes.
  QColor body;
  QColor bodyText;
  QColor bodyMuted;
  QColor bodyWarning;
  QColor barField;  // the bar's language box
  QColor barLine;
  // Panels, cards of the stock widgets, dialogs.
  QColor surface;
  // Sunk into a surface: fields, tables, charts, the curves, the arm view's box.
  QColor inset;
  // The ground under the arm, a shade apart from the inset above it.
  QColor insetShade;
  // Grid lines of charts: a hint, not a control's edge.
  QColor grid;
  // A control's edge: 3:1 against the surface and the inset.
  QColor line;
  // Text on the surface and the inset.
  QColor text;
  QColor mutedText;
  QColor disabledText;
  // The program's orange, behind the tiles and cards, and the text on it.
  QColor accent;
  QColor onAccent;
  // A button whose action is running (a download): grey, not orange.
  QColor busy;
  // The unlit track of a switch or a slider.
  QColor track;
  // Text and marks that warn, fail or succeed; each reads on the surface and the inset.
  QColor warning;
  QColor danger;
  QColor success;
  // Pale fills behind a warning or a fault, on which `text` reads.
  QColor warningTint;
  QColor dangerTint;
  // The selected frame's place on a card's track, apart from the orange, red and white.
  QColor mark;
  // The moving line of a playing run, and what is dragged, on the inset.
  QColor playhead;
  // The curves of channels 1 to 6, on the inset.
  std::array<QColor, 6> channels;
  // The three live charts of the bus-servo tool, on the inset.
  QColor chartTemperature;
  QColor chartVoltage;
  QColor chartPosition;
};

const Roles& roles(Scheme scheme);
// The scheme in use.
const Roles& roles();
Scheme scheme();

// Makes `scheme` the one in use: the application palette and style sheet change, and every
// widget gets a palette-change event.
void apply(Scheme scheme);

QPalette palette(Scheme scheme);
// The one application style sheet: stock controls share the surfaces, the radius and the
// focus ring. A line edit that draws its own box sets the property "plain" to true.
QString styleSheet(Scheme scheme);

// How the scheme is chosen: the settings key "colourScheme" ("light", "dark", or "auto" and
// absent to follow the desktop).
enum class Choice { Auto, Light, Dark };
Choice choiceFromSetting(const QString& value);
// The scheme a choice and the desktop's preference give (the desktop's may be unknown).
Scheme resolve(Choice choice, std::optional<Scheme> desktop);

// Corners of panels, cards, buttons and dialogs; fields take half of it.
constexpr int kRadius = 8;
// The spacing unit: gaps and paddings are multiples of it.
constexpr int kSpacing = 4;

// The type scale, in pixels.
enum class Type {
  Caption = 11,  // notes under controls, axis figures, the editor's tile titles
  Label = 12,    // controls' captions and fields
  Body = 13,     // messages and tool notes
  Title = 15,    // panel titles, the progress figure
  Display = 26,  // the program's name in the bar
};
// The application font at a size of the scale.
QFont font(Type size, bool bold = false);

}  // namespace KoTheme
