#pragma once

#include <QAbstractTableModel>
#include <QTimer>
#include <functional>
#include <vector>

#include "model/action_model.h"
#include "model/limits.h"

class KoArmRanges;
class KoFrameMarks;
// The editor's frame list as the table shows it: one row per frame, columns `ID` (the play
// column, "IdentifierPlay0"), `time` and channels 1 to 6. Every change announces exactly
// the rows it touches, so that a table of 65,535 frames repaints only what it shows.
// Frame numbers follow a change of the list after a short delay (reSetCode).
class KoFrameListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kPlayColumn = 0, kTimeColumn = 1, kFirstChannelColumn = 2 };
  static constexpr int kChannels = limits::kArmChannels;
  static constexpr int kColumnCount = kFirstChannelColumn + kChannels;
  // The largest list the board takes as one action group.
  static constexpr int kMaxFrames = limits::kMaxFramesPerGroup;

  explicit KoFrameListModel(QObject* parent = nullptr);

  const VelmarFrames& frames() const { return dataArray_; }
  int count() const { return int(dataArray_.size()); }
  VelmarFrame frameAt(int row) const;
  // The number the row shows, as messages name the frame.
  int number(int row) const { return row >= 0 && row < count() ? numbers_[size_t(row)] : row + 1; }

  // A typed position is held within its channel's safe range (without, within 0 to 1000).
  void setRanges(const KoArmRanges* ranges) { ranges_ = ranges; }
  // Cells of frames outside a range or that would strike are marked (MarkRole) and say why.
  void setMarks(const KoFrameMarks* marks);
  // What a cell shows beyond its text, for the table to draw: its CellMark, and whether the
  // row is the one playing.
  enum Role { MarkRole = Qt::UserRole + 1, PlayingRole };
  enum class CellMark { Outside = 1, Strike };

  // -1 means none; setting -1 selects the last frame (or none in an empty list).
  int selectIndex() const { return selectIndex_; }
  void setSelectIndex(int index);
  // The row whose play button shows: the selected one, or the last while none is.
  int playRow() const;

  // Each change selects as the list controller did: an added frame becomes the selection.
  void append(VelmarFrame frame);
  void insert(int row, VelmarFrame frame);
  void appendMany(const VelmarFrames& frames);
  void removeAt(int row);
  void replaceAt(int row, VelmarFrame frame);
  void replaceAll(const VelmarFrames& frames);
  // Replaces `removeCount` frames at `row` by `inserted` and selects the first of them (or
  // the frame now at `row`). Unlike the changes above it is not reported to the recorder:
  // undo and redo use it to replay what was recorded.
  void splice(int row, int removeCount, const VelmarFrames& inserted);

  // Told of every change to the list, as the frames it removed and those it put in. A cell
  // edit is one of them: the edited frame replaces the former one rather than changing it,
  // so frames handed to the recorder stay as they were.
  using Recorder =
      std::function<void(int row, const VelmarFrames& removed, const VelmarFrames& inserted)>;
  void setRecorder(Recorder recorder) { recorder_ = std::move(recorder); }

  // Renumbers the frames after the renumbering delay: row + 1 is shown as the frame's
  // number; until then a frame shows the number it came with.
  void reSetCode();
  // Renumbers now what a pending reSetCode would.
  void flushRenumbering();
  void setRenumberDelay(int milliseconds) { renumber_.setInterval(milliseconds); }

  // Sum of all durations, in milliseconds; kept up to date rather than summed, since the
  // frames of a long list lie all over memory.
  qint64 timeSum() const { return timeSum_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The frame field a column edits ("time", "id1" ...), empty for the play column.
  static QString keyOfColumn(int column);

 signals:
  void selectIndexChanged(int index);
  // Once per change of the frames, after the table's own row signals: `removed` frames at
  // `row` were replaced by `inserted` ones (a cell edit is 1 and 1). What follows them only
  // moved. Frame numbers and the selection are not changes of the frames.
  void framesChanged(int row, int removed, int inserted);
  // A value typed into a cell of this row and channel (0: the time) was refused (no whole
  // number, or a sign): its frame is left as it was.
  void editRefused(int row, int channel);

 private:
  void rowChanged(int row);
  QVariant markData(const QModelIndex& index, int role) const;
  // Selects `index` (or the last frame) and repaints the rows whose play button changes.
  void select(int index, int formerPlayRow);
  void markRenumber(int fromRow);

  void recountTimes();
  void resetNumbers();
  void record(int row, const VelmarFrames& removed, const VelmarFrames& inserted);

  VelmarFrames dataArray_;
  // The number each row shows, apart from the frames: renumbering 65,535 rows then writes
  // one array instead of visiting every frame.
  std::vector<int> numbers_;
  qint64 timeSum_ = 0;
  int selectIndex_ = -1;
  int renumberFrom_ = -1;
  // One icon for every paint: each new one would draw its picture anew.
  QTimer renumber_;
  Recorder recorder_;
  const KoArmRanges* ranges_ = nullptr;
  const KoFrameMarks* marks_ = nullptr;
};
