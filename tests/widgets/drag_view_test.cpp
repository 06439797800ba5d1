#include "widgets/drag_view.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include "recording_prompter.h"

namespace {

class RecordingDragDelegate : public QObject, public KoDragViewDelegate {
 public:
  void returnDataArray(const DragViewResult& r) override { results.append(r); }
  QList<DragViewResult> results;
};

class DragViewTest : public ::testing::Test {
 protected:
  void SetUp() override { view.setDelegate(&delegate); }
  QString write(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }
  QByteArray oneFrame() const {
    return QByteArray("SOBARM\x01\0", 8) + QByteArray(8, 0) +
           QByteArray::fromHex("e803f401f401f401f401f401f401");
  }

  QTemporaryDir dir;
  RecordingDragDelegate delegate;
  KoDragView view;
};

TEST_F(DragViewTest, OnlyTheFirstActionFileOfADropIsLoaded) {
  const QString a = write("a.rob", oneFrame());
  const QString b = write("b.rob", oneFrame() + oneFrame().mid(16));
  view.dropFiles({a, b});
  ASSERT_EQ(delegate.results.size(), 1);
  EXPECT_EQ(std::get<VelmarFrames>(delegate.results[0]).size(), 1);
  EXPECT_EQ(view.filePath(), a);
}

TEST_F(DragViewTest, OtherFilesAreRefused) {
  view.dropFiles({write("a.ROB", oneFrame())});
  view.dropFiles({write("a.txt", oneFrame())});
  view.dropFiles({});
  EXPECT_TRUE(delegate.results.isEmpty());
  EXPECT_EQ(RecordingPrompter::instance().tips, QStringList(3, "file_damage"));
}

TEST_F(DragViewTest, RealDropEvents) {
  const QString a = write("a.rob", oneFrame());
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(a)});
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
  EXPECT_TRUE(std::holds_alternative<VelmarFrames>(delegate.results[0]));
}

TEST_F(DragViewTest, PressesSayWhetherTheyTouchedTheTable) {
  QWidget parent;
  parent.resize(400, 300);
  view.setParent(&parent);
  view.setGeometry(parent.rect());
  QWidget table(&parent);
  table.setGeometry(50, 50, 100, 100);
  view.setTableView(&table);
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(60, 60));
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(300, 250));
  view.setParent(nullptr);  // the fixture owns it
  ASSERT_EQ(delegate.results.size(), 2);
  EXPECT_EQ(std::get<bool>(delegate.results[0]), true);
  EXPECT_EQ(std::get<bool>(delegate.results[1]), false);
}

}  // namespace
