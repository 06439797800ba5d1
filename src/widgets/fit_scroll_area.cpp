#include "widgets/fit_scroll_area.h"

#include <QEvent>
#include <QScrollBar>

KoFitScrollArea::KoFitScrollArea(QWidget* page, QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  // The page's controls take the focus, and the area scrolls to the one that has it.
  setFocusPolicy(Qt::NoFocus);
  setWidget(page);
  // The window's body shows through; setWidget turned the page's fill on.
  viewport()->setAutoFillBackground(false);
  page->setAutoFillBackground(false);
  page->installEventFilter(this);
}

QSize KoFitScrollArea::fittedSize() const {
  const QWidget* page = widget();
  const QSize minimum = page->minimumSizeHint().expandedTo(page->minimumSize());
  QSize room = maximumViewportSize();
  // A scroll bar needed one way takes room from the other.
  const bool tooTall = minimum.height() > room.height();
  const bool tooWide = minimum.width() > room.width();
  if (tooTall) room.rwidth() -= verticalScrollBar()->sizeHint().width();
  if (tooWide) room.rheight() -= horizontalScrollBar()->sizeHint().height();
  return minimum.expandedTo(room);
}

void KoFitScrollArea::fit() {
  if (widget() && widget()->size() != fittedSize()) widget()->resize(fittedSize());
}

void KoFitScrollArea::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  fit();
}

bool KoFitScrollArea::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::LayoutRequest) fit();
  return QScrollArea::eventFilter(watched, event);
}
