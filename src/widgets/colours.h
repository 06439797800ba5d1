#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The colours the theme (theme.h) is built on, the focus ring, and the rule that keeps text
// readable. Widgets take their colours from the theme's roles.
namespace KoColours {

// The program's orange (1.0, 0.694, 0.275).
QColor orange();
// Text on light and orange fills.
QColor darkText();
// Text on the dark body and bar.
QColor lightText();
// A light-grey button, as a running download shows.
QColor lightGrey();
// The keyboard focus ring's two tones: deep blue for light and orange fills, pale blue for
// the dark body, the bar and dark panels. Each keeps 3:1 against the fills it is meant for.
QColor focusDark();
QColor focusLight();
// The ring's tone that contrasts more with `background`.
QColor focusOn(const QColor& background);
// A ring of two tones `width` pixels each inside `outer`, the dark one inside: whatever
// lies around the control, one of them stands out from it.
void paintFocusRing(QPainter& painter, const QRectF& outer, qreal radius, qreal width = 1.5);
// Behind the close button under the pointer.
QColor closeHover();

// The contrast ratio of two colours (1 to 21) by relative luminance; alpha is ignored.
double contrastRatio(const QColor& a, const QColor& b);
// Dark or light text, whichever contrasts more with `background`.
QColor textOn(const QColor& background);

}  // namespace KoColours
