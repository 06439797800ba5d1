#pragma once

#include <QScrollArea>

// Holds a page that fills the area and scrolls only where the area is smaller than the
// page's minimum size. Unlike a resizable QScrollArea it does not let a wrapped label's
// preferred height bring a scroll bar at a size where the page fits.
class KoFitScrollArea : public QScrollArea {
 public:
  explicit KoFitScrollArea(QWidget* page, QWidget* parent = nullptr);

  // The size the page gets now: its minimum, or the room the area leaves, whichever is larger.
  QSize fittedSize() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fit();
};
