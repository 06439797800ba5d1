#include <gtest/gtest.h>

#include <QHeaderView>
#include <QStandardItemModel>

#include "editor/list/frame_cell_delegate.h"
#include "editor/list/frame_table_view.h"
#include "wait.h"
#include "widgets/caption_header.h"

namespace {

// An editor covers its cell and leaves the grid, in each cell's last pixel row and column (the
// screens' pictures hold the grid itself), in sight.
TEST(FrameTable, AnEditorLeavesTheGridInSight) {
  QStandardItemModel model(3, 4);
  KoFrameTableView table;
  table.setModel(&model);
  table.setItemDelegate(new KoFrameCellDelegate(&table));
  table.show();
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
