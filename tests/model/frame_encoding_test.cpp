#include "model/frame_encoding.h"

#include <gtest/gtest.h>

#include "bytes.h"
#include "model/action_file.h"
#include "model/pose.h"

namespace {

// A file of one frame: time 1000, channels 1 to 4 at 500, channels 5 and 6 absent.
const QByteArray kFileImage =
    QByteArray("SOBARM\x01\0", 8) + QByteArray(8, 0) + hex("e803f401f401f401f40155555555");

// The move and the record carry the pose's own value even where the frame's fields clamp; a
// hidden channel is absent from both.
TEST(PoseToFrame, ShownChannelsAsTheyStand) {
  KoPose pose;
  pose.positions[0] = 1200;
  pose.shown[1] = false;
  pose.positions[2] = 0;
  pose.time = 300;
  VelmarFrame f = KoTools::frameOfPose(pose, 4);
  EXPECT_EQ(f->bytes, hex("55551403 052c01 01b004 030000 04f401 05f401 06f401"));
  EXPECT_EQ(f->data, hex("b004 5555 0000 f401 f401 f401"));
  EXPECT_EQ(f->action, QStringLiteral("#1 P1200 #3 P0 #4 P500 #5 P500 #6 P500 "));
  EXPECT_EQ(f->ID, 5);
  EXPECT_EQ(f->time, 300);
  EXPECT_EQ(f->id(1), 1000);
}

// An edit of one field re-encodes the frame without waking its absent channels: a channel
// nobody posed must not be driven to 0 when the frame is played or downloaded.
TEST(FrameReEncoding, AbsentChannelsStayAbsent) {
  struct Case {
    const char* name;
    VelmarFrame frame;
    const char* key;
    const char* value;
    QByteArray bytes;
    QByteArray data;
    const char* action;
  } cases[] = {
      {"file, time edited", KoTools::readVelmarData(kFileImage).first(), "time", "2000",
       hex("55551103 04d007 01f401 02f401 03f401 04f401"), hex("d007f401f401f401f40155555555"),
       "#1 P500 #2 P500 #3 P500 #4 P500 "},
      {"file, absent channel typed", KoTools::readVelmarData(kFileImage).first(), "id6", "300",
       hex("55551403 05e803 01f401 02f401 03f401 04f401 062c01"),
       hex("e803f401f401f401f40155552c01"), "#1 P500 #2 P500 #3 P500 #4 P500 #6 P300 "},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.frame->setValue(QString::fromLatin1(c.value), QString::fromLatin1(c.key));
    EXPECT_EQ(c.frame->bytes.toHex(), c.bytes.toHex());
    EXPECT_EQ(c.frame->data.toHex(), c.data.toHex());
    EXPECT_EQ(c.frame->action, QString::fromLatin1(c.action));
  }
}

// The serial run sends fixed six-servo moves built from a frame's positions, absent servos at 0.
TEST(SixServoMove, FromThePositions) {
  const VelmarFrame file = KoTools::readVelmarData(kFileImage).first();
  EXPECT_EQ(KoTools::sixServoMoveWithVelmarModel(*file),
            hex("55551703 06e803 01f401 02f401 03f401 04f401 050000 060000"));
  const VelmarFrame typed = file->edited(QStringLiteral("id5"), QStringLiteral("1000"));
  ASSERT_TRUE(typed);
  EXPECT_EQ(KoTools::sixServoMoveWithVelmarModel(*typed),
            hex("55551703 06e803 01f401 02f401 03f401 04f401 05e803 060000"));
}

// Readings past the end stop read as the end, wrapped ones as 0; a hidden channel's reading
// and readings for no channel are left out.
TEST(ReadBack, ReadingsBecomeAFrame) {
  const QList<int> ids = {1, 3, 4, 5, 6};
  const QList<ServoPosition> readings = {{1, 100},   {0, 300},  {2, 400}, {3, 1500},
                                         {4, 65531}, {5, 2000}, {9, 200}, {6, 600}};
  bool complete = false;
  VelmarFrame f = KoTools::frameOfReadings(readings, ids, 2, 700, &complete);
  ASSERT_TRUE(f);
  EXPECT_TRUE(complete);
  EXPECT_EQ(f->ID, 3);
  EXPECT_EQ(f->action, QStringLiteral("#1 P100 #3 P1000 #4 P0 #5 P1000 #6 P600 "));
  EXPECT_EQ(f->bytes, hex("55551403 05bc02 016400 03e803 040000 05e803 065802"));
  EXPECT_EQ(f->data, hex("64005555e8030000e8035802"));

  // A visible channel without a reading gives no frame.
  EXPECT_FALSE(KoTools::frameOfReadings(readings.first(6), ids, 0, 500, &complete));
  EXPECT_FALSE(complete);
}

}  // namespace
