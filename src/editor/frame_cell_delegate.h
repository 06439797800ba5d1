#pragma once

#include <QStyledItemDelegate>

// Paints the frame table's plain cells straight away: each holds one short centred number,
// and a change near the top of a long list repaints every visible row. Cells with more to
// them (the play button, the keyboard's focus) keep the style's own painting.
class KoFrameCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};
