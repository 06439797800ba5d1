#include "editor/list/frame_table_view.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include "widgets/caption_header.h"

KoFrameTableView::KoFrameTableView(QWidget* parent) : QTableView(parent) {
  setShowGrid(false);
  auto* captions = new KoCaptionHeader(this);
  captions->setSectionsClickable(true);
  setHorizontalHeader(captions);
}

void KoFrameTableView::setSelectionModel(QItemSelectionModel* selection) {
  QTableView::setSelectionModel(selection);
  // The captions keep a selection of their own: a selected row spans every column, so each
  // new selection would repaint every caption. Clicks on a caption select through the table.
  delete captionSelection_;
  captionSelection_ = model() ? new QItemSelectionModel(model(), horizontalHeader()) : nullptr;
  horizontalHeader()->setSelectionModel(captionSelection_);
}

void KoFrameTableView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (!model() || model()->rowCount() == 0 || model()->columnCount() == 0) return;
  const QRect dirty = event->rect();
  const QHeaderView* rows = verticalHeader();
  const QHeaderView* columns = horizontalHeader();
  const int firstRow = std::max(0, rows->visualIndexAt(dirty.top()));
  int lastRow = rows->visualIndexAt(dirty.bottom());
  if (lastRow < 0) lastRow = rows->count() - 1;
  const int firstColumn = std::max(0, columns->visualIndexAt(dirty.left()));
  int lastColumn = columns->visualIndexAt(dirty.right());
  if (lastColumn < 0) lastColumn = columns->count() - 1;
  // As far as there are cells, no further.
  const auto end = [](const QHeaderView* header, int visual) {
    const int logical = header->logicalIndex(visual);
    return header->sectionViewportPosition(logical) + header->sectionSize(logical) - 1;
  };
  const int right = std::min(dirty.right(), end(columns, lastColumn));
  const int bottom = std::min(dirty.bottom(), end(rows, lastRow));
  if (right < dirty.left() || bottom < dirty.top()) return;

  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QColor colour =
      QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
  QPainter painter(viewport());
  for (int visual = firstRow; visual <= lastRow; ++visual) {
    const int row = rows->logicalIndex(visual);
    const int y = rows->sectionViewportPosition(row) + rows->sectionSize(row) - 1;
    painter.fillRect(QRect(dirty.left(), y, right - dirty.left() + 1, 1), colour);
  }
  for (int visual = firstColumn; visual <= lastColumn; ++visual) {
    const int column = columns->logicalIndex(visual);
    const int x = columns->sectionViewportPosition(column) + columns->sectionSize(column) - 1;
    painter.fillRect(QRect(x, dirty.top(), 1, bottom - dirty.top() + 1), colour);
  }
}
