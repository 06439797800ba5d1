#pragma once

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints the frame table's plain cells straight away: each holds one short centred number,
// and a change near the top of a long list repaints every visible row. The numbers are laid
// out once and kept (there are few distinct ones). A marked cell (a position outside its safe
// range, a pose that would strike) is filled with its colour, or edged with it while
// selected. Cells with more to them (the play button, the keyboard's focus) keep the style's
// own painting. Cells stay clear of the grid KoFrameTableView draws in their last pixel
// column and row.
class KoFrameCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  // The colour of a cell's KoFrameListModel::CellMark; invalid for none.
  static QColor markColour(int mark);

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  const QStaticText& laidOut(const QString& text, const QFont& font) const;

  mutable QHash<QString, QStaticText> texts_;
  mutable QFont font_;
  mutable QIcon playIcon_;
};
