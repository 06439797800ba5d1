#include "widgets/drag_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "recording_prompter.h"
#include "temp_files.h"

namespace {

class RecordingDragDelegate : public QObject, public KoDragViewDelegate {
 public:
  void returnDataArray(const DragViewResult& r) override { results.append(r); }
  QList<DragViewResult> results;
};

using DragViewTest = TempFilesTest;

TEST_F(DragViewTest, OnlyTheFirstActionFileOfADropIsLoadedAndOtherFilesAreRefused) {
  RecordingDragDelegate delegate;
  KoDragView view;
  view.setDelegate(&delegate);
  const QByteArray oneFrame = QByteArray("SOBARM\x01\0", 8) + QByteArray(8, 0) +
                              QByteArray::fromHex("e803f401f401f401f401f401f401");
  const QString a = write("a.rob", oneFrame);
  const QString b = write("b.rob", oneFrame + oneFrame.mid(16));
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&view, &enter);
  EXPECT_TRUE(view.isDragIn());
  QDragLeaveEvent leave;
  QApplication::sendEvent(&view, &leave);
  EXPECT_FALSE(view.isDragIn());
  QApplication::sendEvent(&view, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&view, &drop);
  EXPECT_FALSE(view.isDragIn());
  ASSERT_EQ(delegate.results.size(), 1);
  EXPECT_EQ(std::get<VelmarFrames>(delegate.results[0]).size(), 1);
  EXPECT_EQ(view.filePath(), a);

  view.dropFiles({write("b.ROB", oneFrame)});
  view.dropFiles({write("b.txt", oneFrame)});
  view.dropFiles({});
  EXPECT_EQ(delegate.results.size(), 1);
  EXPECT_EQ(RecordingPrompter::instance().tips, QStringList(3, qtTrId("file_damage")));
  EXPECT_EQ(view.filePath(), a);
}

}  // namespace
