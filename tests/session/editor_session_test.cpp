#include "session/editor_session.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "link/usb_hid.h"
#include "session/arm_ranges.h"
#include "session/frame_list_model.h"

namespace {

KoArmProfile narrowProfile() {
  KoArmProfile p;
  std::tie(p.channels[0].lowest, p.channels[0].highest) = std::pair(200, 700);
  return p;
}

class EditorSessionTest : public testing::Test {
 protected:
  usbHid link;
  KoEditorSession session{link};
  QList<KoPose> poses;  // every pose the session announced

  void SetUp() override {
    QObject::connect(&session, &KoEditorSession::poseChanged,
                     [this](const KoPose& p) { poses.append(p); });
  }
};

// The pose holds positions within the chosen profile's ranges, even after it changes, trims
// within theirs; a change that changes nothing is not announced.
TEST_F(EditorSessionTest, ThePoseStaysWithinTheProfileAndTellsOfRealChanges) {
  session.ranges()->setProfile(narrowProfile());
  session.setPosition(1, 950);
  session.setPosition(2, -5);
  session.setTrim(3, 250);
  const KoPose& p = session.pose();
  EXPECT_EQ(std::tuple(p.positions[0], p.positions[1], p.trims[2]), std::tuple(700, 0, 100));
  const qsizetype told = poses.size();
  session.setPosition(1, 800);  // held at 700 again: nothing new
  session.setPosition(9, 100);  // no such channel
  EXPECT_EQ(poses.size(), told);
  ASSERT_FALSE(poses.isEmpty());
  EXPECT_EQ(poses.last(), session.pose());

  KoArmProfile narrower = narrowProfile();
  narrower.channels[0].highest = 400;
  session.ranges()->setProfile(narrower);
  EXPECT_EQ(session.pose().positions[0], 400);
  EXPECT_EQ(poses.last().positions[0], 400);
}

// A frame of the pose holds its shown channels and time; a played frame and the resets set it,
// naming the channels reset; trims read back name the shown channels that gave none.
TEST_F(EditorSessionTest, FramesResetsAndTrimsReadBack) {
  session.setPosition(1, 650);
  session.setShown(2, false);
  session.setFrameTime(300);
  const VelmarFrame made = session.frameOfPose(0);
  EXPECT_EQ(made->action, QStringLiteral("#1 P650 #3 P500 #4 P500 #5 P500 #6 P500 "));
  EXPECT_EQ(made->time, 300);
  EXPECT_EQ(session.pose().shownIds(), (QList<int>{1, 3, 4, 5, 6}));

  auto played = std::make_shared<KoVelmarPwmModel>();
  for (int c = 1; c <= 6; ++c) played->setId(c, 100 * c);
  session.showFrame(*played);
  EXPECT_EQ(session.pose().positions, (std::array<qint64, 6>{100, 200, 300, 400, 500, 600}));

  QSignalSpy resets(&session, &KoEditorSession::channelsReset);
  const auto reset = [&] { return resets.takeFirst().at(0).value<QList<int>>(); };
  session.resetPositions();
  EXPECT_EQ(session.pose().positions, KoPose().positions);
  EXPECT_EQ(reset(), (QList<int>{1, 2, 3, 4, 5, 6}));

  const QList<int> missing = session.takeTrims({{1, -20}, {3, 15}, {2, 7}, {40, 1}});
  EXPECT_EQ(missing, (QList<int>{4, 5, 6}));
  EXPECT_EQ(session.pose().trims, (std::array<qint64, 6>{-20, 7, 15, 0, 0, 0}));
  EXPECT_EQ(reset(), (QList<int>{1, 3, 2}));
  session.resetTrims();
  EXPECT_EQ(session.pose().trims, KoPose().trims);
  EXPECT_EQ(reset(), (QList<int>{1, 2, 3, 4, 5, 6}));
}

}  // namespace
