#pragma once

#include <QImage>
#include <QRect>
#include <functional>

class QPainter;

// A picture that varies only within `border` pixels of its edges, such as a rounded box and
// its shadow. It is drawn once at the smallest size that holds it, and painted at any size
// from that: corners as drawn, edges stretched, the middle filled. An antialiased fill of a
// whole window or panel costs milliseconds; this costs a few small copies.
class KoNineSlice {
 public:
  using Draw = std::function<void(QPainter&, const QRect&)>;

  KoNineSlice(int border, Draw draw);

  // Paints the picture over `target`, clipped to it. A target too small to slice, or a fractional
  // pixel ratio that would show seams between the slices, is drawn directly.
  void paint(QPainter& painter, const QRect& target);
  // Has the picture drawn again at the next paint.
  void reset() { source_ = QImage(); }

 private:
  int border_;
  Draw draw_;
  QImage source_;
};
