#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <array>
#include <optional>

class QWidget;

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
  QColor barHover;  // behind the window's buttons under the pointer
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
  // On the orange channel cards, alike in both schemes: the dark position field and its
  // text, the light track, the pale trim field and the trim's red track.
  QColor accentInset;
  QColor accentInsetText;
  QColor accentTrack;
  QColor accentWash;
  QColor trim;
  // The orange as a line or a mark on the inset (the arm, the easing curve): deeper in the
  // light scheme, where the plain orange would fade into white.
  QColor accentLine;
  // A button whose action is running (a download): grey, not orange.
  QColor busy;
  // A download's progress, filling the busy grey; `onAccent` reads on both.
  QColor progress;
  // The unlit track of a switch or a slider.
  QColor track;
  // Text and marks that warn, fail or succeed; each reads on the surface and the inset.
  QColor warning;
  QColor danger;
  QColor success;
  // Fills behind a warning or a fault (pale in the light scheme), on which `text` reads.
  QColor warningTint;
  QColor dangerTint;
  // The selected frame's place on a card's track, apart from the orange, red and white.
  QColor mark;
  // The moving line of a playing song, on the inset.
  QColor playhead;
  // A song's waveform behind the curves: quieter than the grid.
  QColor song;
  // The curves of channels 1 to 6, on the inset.
  std::array<QColor, 6> channels;
  // The gauges of the bus-servo tool on the surface: arcs and needles, and their figures.
  QColor voltGauge;
  QColor voltLabel;
  QColor positionGauge;
  QColor positionLabel;
  QColor mercury;
  // A panel's soft shadow on the body, one ring of it.
  QColor shadow;
  // The knob's shadow on a switch or a slider.
  QColor knobShadow;
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
// widget gets a palette-change event. Without `withStyleSheet` only the palette changes: the
// style sheet restyles every control, which start-up leaves until the window is up.
void apply(Scheme scheme, bool withStyleSheet = true);

QPalette palette(Scheme scheme);
// The one application style sheet: stock controls share the surfaces, the radius and the
// focus ring. A line edit that draws its own box sets the property "plain" to true; a field
// holding a fault sets "fault" to true (and is polished again) to be filled with dangerTint.
QString styleSheet(Scheme scheme);

// How the scheme is chosen: the settings key "colourScheme" ("light", "dark", or "auto" and
// absent to follow the desktop).
enum class Choice { Auto, Light, Dark };
Choice choiceFromSetting(const QString& value);
// The scheme a choice and the desktop's preference give (the desktop's may be unknown).
Scheme resolve(Choice choice, std::optional<Scheme> desktop);

// Writes `widget`'s text in a role's colour, and again in the new scheme's after a change.
void setTextRole(QWidget* widget, QColor Roles::*role);

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
