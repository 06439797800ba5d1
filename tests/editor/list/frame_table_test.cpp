#include <gtest/gtest.h>

#include <QHeaderView>
#include <QStandardItemModel>

#include "editor/list/frame_cell_delegate.h"
#include "editor/list/frame_table_view.h"
#include "wait.h"
#include "widgets/caption_header.h"

namespace {

// The grid lies in each cell's last pixel row and column, as far as there are cells and no
// further; a selected row's highlight reaches it on both sides and never covers it.
TEST(FrameTable, GridLinesBoundEachCellAndStopWithTheCells) {
  QStandardItemModel model(3, 4);
  KoFrameTableView table;
  table.setModel(&model);
  table.setItemDelegate(new KoFrameCellDelegate(&table));
  table.setSelectionBehavior(QAbstractItemView::SelectRows);
  table.verticalHeader()->hide();
  table.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table.horizontalHeader()->setDefaultSectionSize(60);
  table.verticalHeader()->setDefaultSectionSize(24);
  table.resize(400, 200);  // room to the right of and below the cells
  table.show();
  // Selected without the keyboard's focus cell, which the style draws.
  table.selectionModel()->select(model.index(1, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  processPending();

  const QImage image = table.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QStyleOptionViewItem option;
  option.initFrom(&table);
  const QRgb grid =
      QRgb(table.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &table)) | 0xff000000;
  const QRgb base = table.palette().color(QPalette::Base).rgb();
  const QRgb highlight = table.palette().color(QPalette::Inactive, QPalette::Highlight).rgb();
  const auto at = [&image](int x, int y) { return image.pixel(x, y); };
  // Three rows of 24 pixels, four columns of 60.
  const int cellsRight = 4 * 60 - 1, cellsBottom = 3 * 24 - 1;
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    const int lineY = row * 24 + 23;
    EXPECT_EQ(at(30, lineY), grid);
    EXPECT_EQ(at(cellsRight, lineY), grid);
    EXPECT_EQ(at(cellsRight + 5, lineY), base);  // not past the last column
  }
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE(column);
    const int lineX = column * 60 + 59;
    EXPECT_EQ(at(lineX, 5), grid);
    EXPECT_EQ(at(lineX, cellsBottom + 5), base);  // not below the last row
    // The selected row: highlight on either side of the line, up to it.
    EXPECT_EQ(at(lineX, 24 + 12), grid);
    EXPECT_EQ(at(lineX - 1, 24 + 12), highlight);
    if (column < 3) {
      EXPECT_EQ(at(lineX + 1, 24 + 12), highlight);
    }
  }
  EXPECT_EQ(at(30, 24), highlight);  // the first pixel row of the selected row
  EXPECT_EQ(at(30, 24 + 22), highlight);
  EXPECT_EQ(at(30, 24 + 23), grid);

  // An editor covers its cell and leaves the grid in sight.
  const QModelIndex cell = model.index(2, 1);
  table.edit(cell);
  processPending();
  QWidget* editor = table.indexWidget(cell);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->geometry(), table.visualRect(cell).adjusted(0, 0, -1, -1));
}

// The caption header measures itself once, and again when its font or captions change.
TEST(CaptionHeader, SizeFollowsCaptionsAndFont) {
  QStandardItemModel model(1, 2);
  model.setHorizontalHeaderLabels({"a", "b"});
  KoCaptionHeader header;
  header.setModel(&model);
  const QSize plain = header.sizeHint();
  QFont large = header.font();
  large.setPointSize(large.pointSize() * 3);
  header.setFont(large);
  EXPECT_GT(header.sizeHint().height(), plain.height());

  header.setFont(QFont());
  EXPECT_EQ(header.sizeHint(), plain);
  model.setHorizontalHeaderLabels({"a", "a much longer caption than before"});
  EXPECT_GT(header.sizeHint().width(), plain.width());
}

}  // namespace
