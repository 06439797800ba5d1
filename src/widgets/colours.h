#pragma once

#include <QColor>

// The colours the controls share, and the rule that keeps text readable on them.
namespace KoColours {

// The program's orange (1.0, 0.694, 0.275).
QColor orange();
// Text on light and orange fills.
QColor darkText();
// Text on the dark body and bar.
QColor lightText();
// A light-grey button, as a running download shows.
QColor lightGrey();
// The keyboard focus ring.
QColor focus();
// Behind the close button under the pointer.
QColor closeHover();

// The contrast ratio of two colours (1 to 21) by relative luminance; alpha is ignored.
double contrastRatio(const QColor& a, const QColor& b);
// Dark or light text, whichever contrasts more with `background`.
QColor textOn(const QColor& background);

}  // namespace KoColours
