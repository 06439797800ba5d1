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
      {"time", "1,500", 1500}, {"time", "30000", 30000}, {"time", "45000", 30000},
      {"time", "20", 50},      {"time", "50", 50},       {"time", "40000x", 30000},
      {"time", "-5", -1},      {"time", "abc", -1},      {"time", "30000x", 30000},
      {"time", "", -1},        {"id3", "1500", 1000},    {"id3", 1500, 1000},
      {"id3", "0", 0},         {"id3", "-1", -1},        {"id3", "+5", -1},
      {"id3", "7x", -1},       {"id3", "", -1},
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

// No screen edits a file frame today; its edit rules still bind whoever calls them: an action
// text may change positions, never the ids or the layout.
TEST(FileFrameEdit, ReEncodesInsideItsRecord) {
  // A file record: time 1000, channel 1 at 500, channel 2 at 500, channels 3 to 6 absent.
  QByteArray record = QByteArray::fromHex("e803f401f4015555555555555555");
  PwmFrame f =
      KoTools::readPwmData(QByteArray("SOBARM\x01\0", 8) + QByteArray(8, 0) + record).first();
  for (const char* refused : {"#1 P600 #3 P700 ", "#1 P600  #2 P700 ", "#1 P1200 #2 P700 ",
                              "#1 P00 #2 P700 ", "#1 P600 #2 P700", "#1P600 #2 P700 "}) {
    EXPECT_FALSE(f->setValue(QString::fromUtf8(refused), QStringLiteral("action"))) << refused;
  }
  EXPECT_EQ(f->data, record);
  EXPECT_TRUE(f->setValue(QStringLiteral("#1 P600 #2 P700 "), QStringLiteral("action")));
  f->setValue(QStringLiteral("800"), QStringLiteral("time"));
  EXPECT_EQ(f->data, QByteArray::fromHex("20035802bc025555555555555555"));
  EXPECT_EQ(f->bytes, QByteArray::fromHex("55550b030220030158020"
                                          "2bc02"));
  EXPECT_EQ(f->time, 800);
  f->setValue(QStringLiteral("10"), QStringLiteral("time"));
  EXPECT_EQ(f->time, 50);
}

}  // namespace
