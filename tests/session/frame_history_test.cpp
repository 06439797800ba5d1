#include <gtest/gtest.h>

#include "session/frame_history.h"
#include "session/frame_list_model.h"

namespace {

VelmarFrame frameAt(int position) {
  auto f = std::make_shared<KoVelmarPwmModel>();
  f->setId(1, position);
  return f;
}

QList<qint64> firstChannel(const KoFrameListModel& list) {
  QList<qint64> out;
  for (const VelmarFrame& f : list.frames()) out.append(f->id(1));
  return out;
}

}  // namespace

// The unsaved mark is true exactly while the list differs from what was saved, whatever
// path undo, redo and new edits take; an opened document has nothing to undo.
TEST(FrameHistory, TheUnsavedMarkFollowsTheSavedListAndAnOpenedFileStartsClean) {
  KoFrameListModel list;
  KoFrameHistory history(&list);
  list.append(frameAt(100));
  list.append(frameAt(200));
  EXPECT_TRUE(history.modified());
  history.markSaved();
  EXPECT_FALSE(history.modified());

  history.undo();
  EXPECT_TRUE(history.modified());
  history.redo();
  EXPECT_FALSE(history.modified());

  // Undone, then a different edit: the saved list can no longer be reached.
  history.undo();
  list.append(frameAt(300));
  EXPECT_EQ(firstChannel(list), (QList<qint64>{100, 300}));
  EXPECT_TRUE(history.modified());
  EXPECT_FALSE(history.canRedo());
  history.undo();
  EXPECT_TRUE(history.modified());

  // A step undoes as one, nested or not; an undo while it is open (during a drag) leaves it.
  history.beginStep();
  list.append(frameAt(400));
  history.beginStep();
  list.replaceAt(0, frameAt(500));
  history.endStep();
  history.undo();
  EXPECT_EQ(firstChannel(list), (QList<qint64>{500, 400}));
  list.replaceAt(1, frameAt(600));
  history.endStep();
  history.undo();
  EXPECT_EQ(firstChannel(list), (QList<qint64>{100}));

  // The saved state falls off the oldest end with the steps beyond the limit.
  history.markSaved();
  const int saved = history.index();
  for (int i = 0; i <= KoFrameHistory::kUndoLimit; ++i) list.replaceAt(0, frameAt(i));
  while (history.index() > saved) history.undo();
  EXPECT_EQ(history.count(), KoFrameHistory::kUndoLimit);
  EXPECT_TRUE(history.modified());

  list.replaceAll({frameAt(600)});
  history.startDocument();
  EXPECT_FALSE(history.canUndo());
  EXPECT_FALSE(history.modified());
  history.undo();
  EXPECT_EQ(firstChannel(list), (QList<qint64>{600}));
}
