#include "editor/list/frame_cell_delegate.h"

#include <QPainter>
#include <QStyle>

#include "session/frame_list_model.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

namespace {

// Times and positions repeat; a list of distinct values beyond this starts the store over.
constexpr qsizetype kMostTexts = 4096;

}  // namespace

const QStaticText& KoFrameCellDelegate::laidOut(const QString& text, const QFont& font) const {
  if (font != font_ || texts_.size() >= kMostTexts) {
    texts_.clear();
    font_ = font;
  }
  auto it = texts_.find(text);
  if (it == texts_.end()) {
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);
    it = texts_.insert(text, laid);
  }
  return *it;
}

namespace {

// The table's grid takes each cell's last column and row of pixels.
QRect insideGrid(const QRect& cell) { return cell.adjusted(0, 0, -1, -1); }

}  // namespace

QColor KoFrameCellDelegate::markColour(int mark) {
  using Mark = KoFrameListModel::CellMark;
  switch (Mark(mark)) {
    case Mark::Outside:
      return KoTheme::roles().warningTint;
    case Mark::Strike:
      return KoTheme::roles().dangerTint;
  }
  return {};
}

void KoFrameCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (!index.data(KoFrameListModel::PlayingRole).toBool()) return;
  // Made when first shown: the first picture icon loads the icon plug-in, which the window's
  // first frame need not wait for.
  if (playIcon_.isNull()) playIcon_ = QIcon(QStringLiteral(":/images/play.svg"));
  option->icon = playIcon_;
  option->features |= QStyleOptionViewItem::HasDecoration;
}

void KoFrameCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const {
  QStyleOptionViewItem inside(option);
  inside.rect = insideGrid(option.rect);
  QStyledItemDelegate::updateEditorGeometry(editor, inside, index);
}

void KoFrameCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QRect cell = insideGrid(option.rect);
  if (index.data(KoFrameListModel::PlayingRole).toBool() || option.state & QStyle::State_HasFocus) {
    QStyleOptionViewItem inside(option);
    inside.rect = cell;
    QStyledItemDelegate::paint(painter, inside, index);
    return;
  }
  const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : option.state & QStyle::State_Active   ? QPalette::Active
                                                                             : QPalette::Inactive;
  const bool selected = option.state & QStyle::State_Selected;
  // A marked cell keeps its colour when selected, as a frame inside the highlight.
  const QColor mark = markColour(index.data(KoFrameListModel::MarkRole).toInt());
  QColor pen = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
  if (selected) {
    painter->fillRect(cell, option.palette.brush(group, QPalette::Highlight));
    if (mark.isValid()) {
      painter->fillRect(QRect(cell.left(), cell.top(), cell.width(), 2), mark);
      painter->fillRect(QRect(cell.left(), cell.bottom() - 1, cell.width(), 2), mark);
    }
  } else if (mark.isValid()) {
    painter->fillRect(cell, mark);
    pen = KoColours::textOn(mark);
  }
  painter->setPen(pen);
  painter->setFont(option.font);
  const QStaticText& text = laidOut(index.data(Qt::DisplayRole).toString(), option.font);
  const QSizeF size = text.size();
  const QRectF box = cell.adjusted(0, 0, 0, -1);
  painter->drawStaticText(QPointF(box.center().x() - size.width() / 2,
                                  std::round(box.center().y() - size.height() / 2)),
                          text);
}
