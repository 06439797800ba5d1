#include "editor/frame_cell_delegate.h"

#include <QPainter>
#include <QStyle>

void KoFrameCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QVariant decoration = index.data(Qt::DecorationRole);
  if (decoration.isValid() || option.state & QStyle::State_HasFocus) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : option.state & QStyle::State_Active   ? QPalette::Active
                                                                             : QPalette::Inactive;
  const bool selected = option.state & QStyle::State_Selected;
  if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  painter->setPen(
      option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(option.font);
  painter->drawText(option.rect.adjusted(0, 0, 0, -1), Qt::AlignCenter,
                    index.data(Qt::DisplayRole).toString());
}
