#include "session/frame_list_model.h"

#include "session/arm_ranges.h"
#include "session/frame_marks.h"

namespace {

constexpr int kRenumberDelay = 50;

bool isChannelColumn(int column) {
  return column >= KoFrameListModel::kFirstChannelColumn && column < KoFrameListModel::kColumnCount;
}

int channelOfColumn(int column) { return column - KoFrameListModel::kFirstChannelColumn + 1; }

}  // namespace

KoFrameListModel::KoFrameListModel(QObject* parent) : QAbstractTableModel(parent) {
  renumber_.setSingleShot(true);
  renumber_.setInterval(kRenumberDelay);
  connect(&renumber_, &QTimer::timeout, this, &KoFrameListModel::flushRenumbering);
}

void KoFrameListModel::setMarks(const KoFrameMarks* marks) {
  if (marks_) disconnect(marks_, nullptr, this, nullptr);
  marks_ = marks;
  if (!marks_) return;
  // Only a new profile changes marks without changing frames, and it may change any of them.
  connect(marks_, &KoFrameMarks::marksReset, this, [this] {
    if (count() > 0) emit dataChanged(index(0, 0), index(count() - 1, kColumnCount - 1));
  });
}

VelmarFrame KoFrameListModel::frameAt(int row) const {
  return row >= 0 && row < count() ? dataArray_[row] : nullptr;
}

void KoFrameListModel::setSelectIndex(int index) {
  if (index < 0 || index >= count()) index = count() - 1;
  if (index != selectIndex_) select(index, playRow());
}

int KoFrameListModel::playRow() const { return selectIndex_ >= 0 ? selectIndex_ : count() - 1; }

void KoFrameListModel::select(int index, int formerPlayRow) {
  selectIndex_ = index < 0 || index >= count() ? count() - 1 : index;
  if (formerPlayRow >= 0 && formerPlayRow < count()) rowChanged(formerPlayRow);
  if (playRow() >= 0) rowChanged(playRow());
  emit selectIndexChanged(selectIndex_);
}

void KoFrameListModel::append(VelmarFrame frame) { insert(count(), std::move(frame)); }

void KoFrameListModel::insert(int row, VelmarFrame frame) {
  row = std::clamp(row, 0, count());
  int formerPlayRow = playRow();
  timeSum_ += frame->time;
  beginInsertRows({}, row, row);
  numbers_.insert(numbers_.begin() + row, int(frame->ID));
  dataArray_.insert(row, std::move(frame));
  endInsertRows();
  if (formerPlayRow >= row) ++formerPlayRow;
  markRenumber(row);
  select(row, formerPlayRow);
  record(row, {}, {dataArray_[row]});
  emit framesChanged(row, 0, 1);
}

void KoFrameListModel::appendMany(const VelmarFrames& frames) {
  if (frames.isEmpty()) return;
  const int formerPlayRow = playRow();
  const int first = count();
  beginInsertRows({}, first, first + int(frames.size()) - 1);
  dataArray_.append(frames);
  for (const VelmarFrame& f : frames) numbers_.push_back(int(f->ID));
  endInsertRows();
  for (const VelmarFrame& f : frames) timeSum_ += f->time;
  markRenumber(first);
  select(count() - 1, formerPlayRow);
  record(first, {}, frames);
  emit framesChanged(first, 0, int(frames.size()));
}

void KoFrameListModel::removeAt(int row) {
  if (row < 0 || row >= count()) return;
  const VelmarFrame removed = dataArray_[row];
  int formerPlayRow = playRow();
  // The view may move its current row while the row goes; the selection is decided here.
  const int selected = selectIndex_;
  timeSum_ -= dataArray_[row]->time;
  beginRemoveRows({}, row, row);
  dataArray_.removeAt(row);
  numbers_.erase(numbers_.begin() + row);
  endRemoveRows();
  if (formerPlayRow > row) --formerPlayRow;
  markRenumber(row);
  // The frame after the removed one takes its place; removing the last selects the new last.
  const int keep = selected > row ? selected - 1 : selected;
  select(keep >= count() ? count() - 1 : keep, formerPlayRow);
  record(row, {removed}, {});
  emit framesChanged(row, 1, 0);
}

void KoFrameListModel::replaceAt(int row, VelmarFrame frame) {
  if (row < 0 || row >= count()) return;
  frame->ID = numbers_[size_t(row)] = row + 1;
  timeSum_ += frame->time - dataArray_[row]->time;
  const VelmarFrame removed = std::exchange(dataArray_[row], std::move(frame));
  rowChanged(row);
  record(row, {removed}, {dataArray_[row]});
  emit framesChanged(row, 1, 1);
}

void KoFrameListModel::replaceAll(const VelmarFrames& frames) {
  const VelmarFrames removed = dataArray_;
  beginResetModel();
  dataArray_ = frames;
  resetNumbers();
  selectIndex_ = count() - 1;
  endResetModel();
  recountTimes();
  markRenumber(0);
  emit selectIndexChanged(selectIndex_);
  record(0, removed, frames);
  emit framesChanged(0, int(removed.size()), count());
}

void KoFrameListModel::splice(int row, int removeCount, const VelmarFrames& inserted) {
  row = std::clamp(row, 0, count());
  removeCount = std::clamp(removeCount, 0, count() - row);
  const int added = int(inserted.size());
  if (removeCount == 0 && added == 0) return;
  for (int i = row; i < row + removeCount; ++i) timeSum_ -= dataArray_[i]->time;
  for (const VelmarFrame& f : inserted) timeSum_ += f->time;
  const int formerPlayRow = playRow();
  if (removeCount == added) {
    std::copy(inserted.begin(), inserted.end(), dataArray_.begin() + row);
    emit dataChanged(index(row, 0), index(row + added - 1, kColumnCount - 1));
  } else if (removeCount == count() && added > 0) {
    beginResetModel();
    dataArray_ = inserted;
    resetNumbers();
    selectIndex_ = -1;
    endResetModel();
  } else {
    if (removeCount > 0) {
      beginRemoveRows({}, row, row + removeCount - 1);
      dataArray_.remove(row, removeCount);
      numbers_.erase(numbers_.begin() + row, numbers_.begin() + row + removeCount);
      endRemoveRows();
    }
    if (added > 0) {
      beginInsertRows({}, row, row + added - 1);
      dataArray_.insert(row, added, nullptr);
      std::copy(inserted.begin(), inserted.end(), dataArray_.begin() + row);
      numbers_.insert(numbers_.begin() + row, size_t(added), 0);
      for (int i = 0; i < added; ++i) numbers_[size_t(row + i)] = int(inserted[i]->ID);
      endInsertRows();
    }
  }
  markRenumber(row);
  // Rows that moved are repainted by the view; one that stayed in place is repainted here.
  const bool stayed = formerPlayRow < row || (removeCount == added && formerPlayRow < count());
  select(std::min(row, count() - 1), stayed ? formerPlayRow : -1);
  emit framesChanged(row, removeCount, added);
}

void KoFrameListModel::record(int row, const VelmarFrames& removed, const VelmarFrames& inserted) {
  if (recorder_) recorder_(row, removed, inserted);
}

void KoFrameListModel::reSetCode() {
  if (renumberFrom_ < 0) renumberFrom_ = 0;
  renumber_.start();
}

void KoFrameListModel::markRenumber(int fromRow) {
  renumberFrom_ = renumberFrom_ < 0 ? fromRow : std::min(renumberFrom_, fromRow);
}

void KoFrameListModel::flushRenumbering() {
  renumber_.stop();
  if (renumberFrom_ < 0) return;
  const int from = std::min(renumberFrom_, count());
  renumberFrom_ = -1;
  for (int p = from; p < count(); ++p) numbers_[size_t(p)] = p + 1;
  if (from < count()) emit dataChanged(index(from, kPlayColumn), index(count() - 1, kPlayColumn));
}

void KoFrameListModel::resetNumbers() {
  numbers_.resize(dataArray_.size());
  for (int i = 0; i < count(); ++i) numbers_[size_t(i)] = int(dataArray_[i]->ID);
}

void KoFrameListModel::recountTimes() {
  timeSum_ = 0;
  for (const VelmarFrame& f : dataArray_) timeSum_ += f->time;
}

int KoFrameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : count();
}

int KoFrameListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant KoFrameListModel::data(const QModelIndex& index, int role) const {
  const KoVelmarPwmModel* f = frameAt(index.row()).get();
  if (!f) return {};
  const int column = index.column();
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  if (role == MarkRole || role == Qt::ToolTipRole) return markData(index, role);
  if (column == kPlayColumn) {
    if (role == Qt::DisplayRole) return numbers_[size_t(index.row())];
    if (role == PlayingRole && index.row() == playRow()) return true;
    return {};
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  // Plain digits in every column, the time as the channels.
  if (column == kTimeColumn) return QString::number(f->time);
  const int channel = channelOfColumn(column);
  return f->isPresent(channel) ? QString::number(f->id(channel)) : QString();
}

QVariant KoFrameListModel::markData(const QModelIndex& index, int role) const {
  if (!marks_) return {};
  const KoFrameMarks::Mark mark = marks_->at(index.row());
  if (!mark) return {};
  const int channel = isChannelColumn(index.column()) ? channelOfColumn(index.column()) : 0;
  if (role == Qt::ToolTipRole) {
    const QString tip = marks_->cellTip(index.row(), channel);
    return tip.isEmpty() ? QVariant() : tip;
  }
  // The offending position in its cell; a pose that would strike along its whole row.
  if (channel && mark.outside & KoArmRanges::bit(channel)) return int(CellMark::Outside);
  if (mark.faults) return int(CellMark::Strike);
  return {};
}

QVariant KoFrameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section == kPlayColumn) return QStringLiteral("ID");
  if (section == kTimeColumn) return qtTrId("time");
  return QStringLiteral("ID:%1").arg(channelOfColumn(section));
}

Qt::ItemFlags KoFrameListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() != kPlayColumn) f |= Qt::ItemIsEditable;
  return f;
}

bool KoFrameListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const VelmarFrame f = frameAt(index.row());
  const QString key = keyOfColumn(index.column());
  if (!f || key.isEmpty() || role != Qt::EditRole) return false;
  const QString text = value.toString().trimmed();
  // Leaving an absent channel's cell empty keeps it absent; it is no refused edit.
  if (isChannelColumn(index.column()) && text.isEmpty() &&
      !f->isPresent(channelOfColumn(index.column()))) {
    return false;
  }
  // The edited frame takes the old one's place, so that a frame the undo history holds is
  // never changed under it.
  VelmarFrame edited = f->edited(key, text);
  // Only the edited channel: a frame read from a file keeps its other positions as they are.
  if (edited && ranges_ && isChannelColumn(index.column())) {
    edited = ranges_->inRange(edited, KoArmRanges::bit(channelOfColumn(index.column())));
  }
  const bool changed =
      edited && (edited->data != f->data || edited->bytes != f->bytes || edited->time != f->time);
  const int row = index.row();
  if (changed) {
    timeSum_ += edited->time - f->time;
    dataArray_[row] = edited;
  }
  // A clamped or refused value differs from what the cell showed.
  rowChanged(row);
  // The frame stays in place; the screen says why.
  if (!edited) {
    emit editRefused(row, isChannelColumn(index.column()) ? channelOfColumn(index.column()) : 0);
  }
  if (!changed) return true;
  record(row, {f}, {edited});
  emit framesChanged(row, 1, 1);
  return true;
}

QString KoFrameListModel::keyOfColumn(int column) {
  if (column == kTimeColumn) return QStringLiteral("time");
  if (isChannelColumn(column)) return QStringLiteral("id%1").arg(channelOfColumn(column));
  return {};
}

void KoFrameListModel::rowChanged(int row) {
  emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}
