#include "model/action_model.h"

#include <gtest/gtest.h>

#include "fake_channel_view.h"
#include "model/frame_encoding.h"
#include "recording_prompter.h"
#include "wait.h"

namespace {

QStringList tipsAfterFlush() {
  processPending();
  return RecordingPrompter::instance().tips;
}

VelmarFrame sliderFrame() {
  FakeSliders sliders(6);
  return KoTools::returnVelmarCurrentData(sliders.views(), QStringLiteral("1000"), 0);
}

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
      {"time", "51", 51},      {"time", "-5", -1},       {"time", "abc", -1},
      {"time", "12abc", -1},   {"time", "", -1},         {"time", "30000x", 30000},
      {"id3", "1500", 1000},   {"id3", 1500, 1000},      {"id3", "999", 999},
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
  EXPECT_EQ(tipsAfterFlush(), QStringList{});  // a refusal is the list's to tip
}

// One tip for the refusals of a frame within the delay, none for a frame gone by then.
TEST(FrameEdit, RefusalsTipOncePerFrame) {
  VelmarFrame a = sliderFrame();
  VelmarFrame b = sliderFrame();
  a->scheduleTip();
  a->scheduleTip();
  EXPECT_EQ(tipsAfterFlush(), QStringList{"modify_erro"});

  RecordingPrompter::instance().reset();
  a->scheduleTip();
  b->scheduleTip();
  EXPECT_EQ(tipsAfterFlush().size(), 2);

  RecordingPrompter::instance().reset();
  b->scheduleTip();
  b.reset();
  EXPECT_EQ(tipsAfterFlush(), QStringList{});
}

}  // namespace
