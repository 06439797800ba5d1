#include "model/frame_encoding.h"

#include <gtest/gtest.h>

#include "bytes.h"
#include "model/action_file.h"
#include "model/action_model.h"
#include "model/pose.h"

namespace {

// A file of one frame: time 1000, channels 1 to 4 at 500, channels 5 and 6 absent.
const QByteArray kFileImage =
    QByteArray("SOBARM\x01\0", 8) + QByteArray(8, 0) + hex("e803f401f401f401f40155555555");

// The move and record carry the pose's value where the fields clamp; a hidden channel neither.
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

// An edit makes a copy: time held to 50 to 30000 ms, position to 0 to 1000, fractions refused.
TEST(FrameEdit, StoresClampsOrRefuses) {
  const struct {
    const char* key;
    QVariant value;
    qint64 stored;  // -1: refused
  } cases[] = {
      {"time", "1,500", 1500},   {"time", "45000", 30000}, {"time", "20", 50},  {"time", "-5", -1},
      {"time", "30000x", 30000}, {"id3", "1500", 1000},    {"id3", 1500, 1000}, {"id3", "0", 0},
      {"id3", "+5", -1},         {"id3", "7x", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << " " << c.value.toString().toStdString());
    const QString key = QString::fromLatin1(c.key);
    const bool time = key == "time";
    // The time sits at offset 5 of the move, channel 3 at offset 14.
    const auto value = [&](const VelmarFrame& f) { return time ? f->time : f->id(3); };
    const auto wire = [&](const VelmarFrame& f) { return frame::le16(f->bytes, time ? 5 : 14); };
    const VelmarFrame f = KoTools::frameOfPose(KoPose(), 0);
    const qint64 before = value(f);
    const VelmarFrame edited = f->edited(key, c.value);
    EXPECT_EQ(value(f), before);
    ASSERT_EQ(edited == nullptr, c.stored < 0);
    if (!edited) continue;
    EXPECT_EQ(value(edited), c.stored);
    EXPECT_EQ(wire(edited), c.stored);
    if (!time) {
      EXPECT_EQ(frame::le16(edited->data, 4), c.stored);  // channel 3 of the 12-byte record
    }
  }
}

// An edit in place says whether it was taken. It re-encodes the frame without waking absent
// channels: one nobody posed must not be driven to 0 when played or downloaded.
TEST(FrameEdit, InPlaceEditsSayWhetherTakenAndLeaveAbsentChannelsAbsent) {
  const VelmarFrame f = KoTools::readVelmarData(kFileImage).first();
  EXPECT_TRUE(f->setValue(QStringLiteral("2000"), QStringLiteral("time")));
  EXPECT_EQ(f->bytes.toHex(), hex("55551103 04d007 01f401 02f401 03f401 04f401").toHex());
  EXPECT_FALSE(f->setValue(QStringLiteral("7x"), QStringLiteral("id2")));
  EXPECT_FALSE(f->setValue(QVariant(), QStringLiteral("id2")));  // no value for a position
  EXPECT_TRUE(f->setValue(QVariant(), QStringLiteral("time")));  // the time keeps its own
  EXPECT_TRUE(f->setValue(QStringLiteral("700"), QStringLiteral("id2")));
  EXPECT_TRUE(f->setValue(QStringLiteral("300"), QStringLiteral("id6")));
  EXPECT_EQ(f->bytes.toHex(), hex("55551403 05d007 01f401 02bc02 03f401 04f401 062c01").toHex());
  EXPECT_EQ(f->data.toHex(), hex("d007f401bc02f401f40155552c01").toHex());
  EXPECT_EQ(f->action, QStringLiteral("#1 P500 #2 P700 #3 P500 #4 P500 #6 P300 "));
  // The serial run sends fixed six-servo moves, an absent servo at 0.
  EXPECT_EQ(KoTools::sixServoMoveWithVelmarModel(*f),
            hex("55551703 06d007 01f401 02bc02 03f401 04f401 050000 062c01"));
}

// Readings past the end stop read as the end, wrapped ones as 0; hidden or unknown ones go.
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
