#include "model/action_model.h"

#include <gtest/gtest.h>

#include "model/action_file.h"
#include "model/frame_encoding.h"
#include "model/pose.h"

namespace {

VelmarFrame sliderFrame() { return KoTools::frameOfPose(KoPose(), 0); }

// A list's frame is edited into a copy, by one rule: a time is held to 50 to 30000 ms, a
// position to 0 to 1000, and what is no whole number is refused.
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
    const VelmarFrame f = sliderFrame();
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

// An edit in place says whether it was taken: a refused one leaves the frame as it was.
TEST(FrameEdit, InPlaceEditsSayWhetherTheyWereTaken) {
  const VelmarFrame f = sliderFrame();
  EXPECT_TRUE(f->setValue(QStringLiteral("700"), QStringLiteral("id2")));
  EXPECT_FALSE(f->setValue(QStringLiteral("7x"), QStringLiteral("id2")));
  EXPECT_FALSE(f->setValue(QStringLiteral("abc"), QStringLiteral("time")));
  EXPECT_FALSE(f->setValue(QVariant(), QStringLiteral("id2")));  // no value for a position
  EXPECT_TRUE(f->setValue(QVariant(), QStringLiteral("time")));  // the time keeps its own
  EXPECT_EQ(f->id(2), 700);
  EXPECT_EQ(f->time, 1000);
  EXPECT_EQ(frame::le16(f->bytes, 11), 700);  // channel 2 of the move
}

}  // namespace
