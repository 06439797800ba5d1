#include "link/action_downloader.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <future>

#include "link/cross_thread_queue.h"
#include "link/protocol.h"
#include "link_fixture.h"

namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

QByteArray move(int i) { return frame::multiServoMove(100 + i, {{1, i % 1000}, {2, 500}}); }

DownloadJob job(int group, int frames) {
  DownloadJob j;
  j.group = group;
  for (int i = 0; i < frames; ++i) j.frames.append(move(i));
  return j;
}

struct Listener : DownloadListener {
  void downloadJobStarted(int job) override { jobs.append(job); }
  void downloadFrameSent(int, int frame) override { frames.append(frame); }
  void downloadFinished(const DownloadResult& r) override { result = r; }
  QList<int> jobs;
  QList<int> frames;
  std::optional<DownloadResult> result;
};

class DownloaderTest : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    downloader.setListener(&listener);
    downloader.setAckTimeout(hours(1));
  }
  DownloadResult runToEnd(const QList<DownloadJob>& jobs) {
    listener.result.reset();
    EXPECT_TRUE(downloader.start(jobs));
    EXPECT_TRUE(link.download());
    EXPECT_TRUE(processUntil([this] { return listener.result.has_value(); }));
    EXPECT_FALSE(link.download());
    EXPECT_FALSE(downloader.isRunning());
    processPending();  // the board may still be taking the last frame
    return listener.result.value_or(DownloadResult{DownloadEnd::Cancelled});
  }
  QList<int> stepsSent() const {
    QList<int> steps;
    for (const QByteArray& f : board.receivedWith(protocol::kActionDownload)) steps.append(f[4]);
    return steps;
  }

  Listener listener;
  ActionDownloader downloader{link};
};

// Stored whole, so sent in order; duplicate acknowledgements skip no frame; no frames, no step 4.
TEST_F(DownloaderTest, JobsGoOutInOrderPageByPage) {
  board.setDuplicateAcknowledgements(true);
  downloader.setAwaitFinishAcknowledgement(true);
  EXPECT_EQ(runToEnd({job(12, 300), job(7, 0)}).end, DownloadEnd::Done);
  EXPECT_EQ(listener.jobs, (QList<int>{0, 1}));
  EXPECT_EQ(listener.frames.size(), 300);
  ASSERT_TRUE(board.group(12) && board.group(7));
  EXPECT_EQ(board.group(12)->size(), 300);
  EXPECT_EQ(board.group(12)->at(299), move(299).sliced(4));
  EXPECT_TRUE(board.group(7)->isEmpty());
  EXPECT_EQ(stepsSent().sliced(303), (QList<int>{5, 1, 2, 3, 5}));
}

// A pulled board fails the next write before the poll sees it: lost either way, no failed send.
TEST_F(DownloaderTest, ALostAcknowledgementOrAnUnplugEndsTheDownload) {
  QSignalSpy failedSends(&link, &usbHid::sendFailed);
  downloader.setAckTimeout(milliseconds(100));
  downloader.setAwaitFinishAcknowledgement(true);
  for (int step : {2, 4, 5}) {
    SCOPED_TRACE(step);
    board.clearReceived();
    board.dropAcknowledgement(step, step == 4 ? 2 : 1);
    const DownloadResult r = runToEnd({job(3, 4)});
    EXPECT_EQ(r.end, DownloadEnd::NoAcknowledgement);
    EXPECT_EQ(r.step, step);
    EXPECT_EQ(stepsSent().last(), step);
    board.clearFaults();
  }
  for (const bool writeFails : {false, true}) {
    SCOPED_TRACE(writeFails);
    board.plug();
    board.unplugAfterFrames(10, writeFails);
    EXPECT_EQ(runToEnd({job(5, 50)}).end, DownloadEnd::BoardLost);
    EXPECT_FALSE(board.group(5));
  }
  processPending();
  EXPECT_EQ(failedSends.size(), 0);
}

// A start that cannot go well is refused, as is a second; a cancel ends a waiting download.
TEST_F(DownloaderTest, StartIsRefusedWhenItCannotGoWellAndCancelEndsARun) {
  QString why;
  EXPECT_FALSE(downloader.start({job(1, protocol::kMaxDownloadFrames + 1)}, &why));
  EXPECT_FALSE(downloader.start(
      {{.group = 1, .frames = {QByteArray::fromHex("5555")}, .name = "cut short"}}, &why));
  EXPECT_FALSE(link.download());

  board.dropAcknowledgement(2);
  EXPECT_TRUE(downloader.start({job(1, 10)}));
  EXPECT_FALSE(downloader.start({job(2, 1)}, &why));
  EXPECT_EQ(why, "a download is running");
  downloader.cancel();
  ASSERT_TRUE(processUntil([this] { return listener.result.has_value(); }));
  EXPECT_EQ(listener.result->end, DownloadEnd::Cancelled);
  EXPECT_FALSE(link.download());

  board.unplug();
  EXPECT_FALSE(downloader.start({job(1, 1)}, &why));
  EXPECT_EQ(why, "no board");
}

// Acknowledges each step before write() returns, ahead of the wait; `wrongStep`, another step.
class EagerBoard : public HidTransport {
 public:
  void start() override { emit deviceArrived(QStringLiteral("TAVEN")); }
  bool write(const QByteArray& frame) override {
    if (frame[3] != protocol::kActionDownload) return true;
    const int step = frame[4] + (wrongStep ? 1 : 0);
    std::promise<void> delivered;
    mainThread.post([this, step, &delivered] {
      emit reportReceived((QByteArray::fromHex("55550305") + char(step)).leftJustified(64, '\0'));
      delivered.set_value();
    });
    delivered.get_future().wait();
    ++written;
    return true;
  }
  QString name() const override { return QStringLiteral("eager"); }
  CrossThreadQueue mainThread{this};
  std::atomic<bool> wrongStep{false};
  std::atomic<int> written{0};
};

TEST_F(DownloaderTest, EarlyAcknowledgementsAreKeptOthersIgnored) {
  auto* eager = new EagerBoard;
  link.setTransport(std::unique_ptr<HidTransport>(eager));
  downloader.setAwaitFinishAcknowledgement(true);
  EXPECT_EQ(runToEnd({job(1, 20)}).end, DownloadEnd::Done);
  EXPECT_EQ(eager->written, 3 + 20 + 1);

  eager->wrongStep = true;
  downloader.setAckTimeout(milliseconds(50));
  const DownloadResult r = runToEnd({job(1, 20)});
  EXPECT_EQ(r.end, DownloadEnd::NoAcknowledgement);
  EXPECT_EQ(r.step, 1);
}

}  // namespace
