#include "model/action_model.h"

#include <gtest/gtest.h>

#include "fake_channel_view.h"
#include "model/action_file.h"
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

PwmFrame fileFrame(const QString& action, const QByteArray& data = QByteArray(14, 0)) {
  auto f = std::make_shared<KoPwmModel>();
  f->time = 1000;
  f->action = action;
  f->data = data;
  f->bytes = KoTools::modelChangeToData(*f);
  return f;
}

// A frame edited in place and a list's frame edited into a copy follow one rule.
TEST(FrameTimeEdit, StoresClampsOrRefuses) {
  const struct {
    const char* text;
    qint64 stored;  // -1: refused
  } cases[] = {
      {"1,500", 1500},   {"30000", 30000},  {"45000", 30000}, {"20", 50},  {"50", 50},
      {"40000x", 30000}, {"51", 51},        {"-5", -1},       {"abc", -1}, {"12abc", -1},
      {"", -1},          {"30000x", 30000},  // the top, however typed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RecordingPrompter::instance().reset();
    VelmarFrame f = sliderFrame();
    const VelmarFrame edited = f->edited(QStringLiteral("time"), QString::fromUtf8(c.text));
    EXPECT_EQ(edited == nullptr, c.stored < 0);
    if (edited) {
      EXPECT_EQ(frame::le16(edited->bytes, 5), c.stored);
    }
    EXPECT_EQ(f->time, 1000);
    EXPECT_EQ(tipsAfterFlush(), QStringList{});

    f->setValue(QString::fromUtf8(c.text), QStringLiteral("time"));
    const qint64 expected = c.stored < 0 ? 1000 : c.stored;
    EXPECT_EQ(f->time, expected);
    EXPECT_EQ(frame::le16(f->bytes, 5), expected);
    EXPECT_EQ(tipsAfterFlush(), c.stored < 0 ? QStringList{"modify_erro"} : QStringList{});
  }
}

TEST(FrameChannelEdit, StoresClampsOrRefuses) {
  const struct {
    QVariant value;
    qint64 stored;  // -1: refused
  } cases[] = {
      {QStringLiteral("1500"), 1000}, {1500, 1000},
      {QStringLiteral("999"), 999},   {QStringLiteral("0"), 0},
      {QStringLiteral("-1"), -1},     {QStringLiteral("+5"), -1},
      {QStringLiteral("7x"), -1},     {QStringLiteral(""), -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.toString().toStdString());
    RecordingPrompter::instance().reset();
    VelmarFrame f = sliderFrame();
    const VelmarFrame edited = f->edited(QStringLiteral("id3"), c.value);
    EXPECT_EQ(edited == nullptr, c.stored < 0);
    if (edited) {
      EXPECT_EQ(frame::le16(edited->bytes, 14), c.stored);
    }
    EXPECT_EQ(f->id(3), 500);

    f->setValue(c.value, QStringLiteral("id3"));
    const qint64 expected = c.stored < 0 ? 500 : c.stored;
    EXPECT_EQ(f->id(3), expected);
    // Channel 3 sits at offset 14 of the move and offset 4 of the 12-byte record.
    EXPECT_EQ(frame::le16(f->bytes, 14), expected);
    EXPECT_EQ(frame::le16(f->data, 4), expected);
    EXPECT_EQ(tipsAfterFlush(), c.stored < 0 ? QStringList{"modify_erro"} : QStringList{});
  }
}

TEST(FrameEdit, MissingValue) {
  VelmarFrame f = sliderFrame();
  f->setValue(QVariant(), QStringLiteral("time"));
  EXPECT_EQ(tipsAfterFlush(), QStringList{});
  f->setValue(QVariant(), QStringLiteral("id2"));
  EXPECT_EQ(tipsAfterFlush(), QStringList{"modify_erro"});
  EXPECT_EQ(f->time, 1000);
  EXPECT_EQ(f->id(2), 500);
}

TEST(FrameEdit, RefusalsCoalescePerFrame) {
  VelmarFrame a = sliderFrame();
  VelmarFrame b = sliderFrame();
  a->setValue(QStringLiteral("x"), QStringLiteral("time"));
  a->setValue(QStringLiteral("-1"), QStringLiteral("id1"));
  EXPECT_EQ(tipsAfterFlush().size(), 1);

  RecordingPrompter::instance().reset();
  a->setValue(QStringLiteral("x"), QStringLiteral("time"));
  b->setValue(QStringLiteral("x"), QStringLiteral("time"));
  EXPECT_EQ(tipsAfterFlush().size(), 2);
}

TEST(FrameEdit, FrameGoneBeforeItsTipShowsNothing) {
  VelmarFrame a = sliderFrame();
  a->setValue(QStringLiteral("x"), QStringLiteral("time"));
  a.reset();
  EXPECT_EQ(tipsAfterFlush(), QStringList{});
}

TEST(FrameEdit, UnknownKeyChangesNothing) {
  VelmarFrame f = sliderFrame();
  const QByteArray before = f->bytes;
  f->setValue(QStringLiteral("5"), QStringLiteral("id17"));
  f->setValue(QStringLiteral("5"), QStringLiteral("speed"));
  EXPECT_EQ(f->bytes, before);
  EXPECT_EQ(f->edited(QStringLiteral("id17"), QStringLiteral("5")), nullptr);
  EXPECT_EQ(f->edited(QStringLiteral("action"), QStringLiteral("5")), nullptr);
  EXPECT_EQ(tipsAfterFlush(), QStringList{});
}

TEST(FrameCopy, OwnsItsPositionsRecord) {
  VelmarFrame original = sliderFrame();
  const QByteArray data = original->data;
  VelmarFrame copy = original->copy();
  EXPECT_EQ(copy->bytes, original->bytes);
  EXPECT_EQ(copy->id(4), 500);
  copy->setValue(QStringLiteral("700"), QStringLiteral("id1"));
  EXPECT_EQ(original->data, data);
  EXPECT_EQ(original->id(1), 500);
  EXPECT_EQ(frame::le16(copy->data, 0), 700);

  PwmFrame file = fileFrame(QStringLiteral("#1 P500 #2 P500 "));
  file->id1 = 9;
  PwmFrame fileCopy = file->copy();
  EXPECT_EQ(fileCopy->id1, 0);
  fileCopy->setValue(QStringLiteral("#1 P600 #2 P500 "), QStringLiteral("action"));
  EXPECT_EQ(file->data, QByteArray(14, 0));
}

TEST(FileFrameActionEdit, KeepsStructureChangesPositions) {
  const QString stored = QStringLiteral("#1 P500 #2 P500 ");
  const struct {
    const char* text;
    bool accepted;
  } cases[] = {
      {"#1 P600 #2 P500 ", true},
      {"#1 P0 #2 P1000 ", true},
      {"#1 P600 #3 P500 ", false},   // id changed
      {"#1 P600  #2 P500 ", false},  // two spaces
      {"#1 P1200 #2 P500 ", false},  // above 1000
      {"#1 P00 #2 P500 ", false},    // padded zero
      {"#1 P-5 #2 P500 ", false},
      {"#1 Px #2 P500 ", false},
      {"#1 P600 #2 P500", false},  // lost the trailing space
      {"#1 P600 ", false},
      {"# 1 P600 #2 P500 ", false},
      {"1 P600 #2 P500 ", false},
      {"#1P600 #2 P500 ", false},
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RecordingPrompter::instance().reset();
    PwmFrame f = fileFrame(stored);
    const QByteArray bytes = f->bytes;
    f->setValue(QString::fromUtf8(c.text), QStringLiteral("action"));
    EXPECT_EQ(f->action, c.accepted ? QString::fromUtf8(c.text) : stored);
    EXPECT_EQ(f->bytes == bytes, !c.accepted || QString::fromUtf8(c.text) == stored);
    EXPECT_EQ(tipsAfterFlush(), c.accepted ? QStringList{} : QStringList{"modify_erro"});
  }
}

TEST(FileFrameEdit, ReEncodesInsideItsRecord) {
  // A file record: time 1000, channel 1 at 500, channel 2 at 500, channels 3 to 6 absent.
  QByteArray record = QByteArray::fromHex("e803f401f4015555555555555555");
  PwmFrame f =
      KoTools::readPwmData(QByteArray("SOBARM\x01\0", 8) + QByteArray(8, 0) + record).first();
  f->setValue(QStringLiteral("#1 P600 #2 P700 "), QStringLiteral("action"));
  f->setValue(QStringLiteral("800"), QStringLiteral("time"));
  EXPECT_EQ(f->data, QByteArray::fromHex("20035802bc025555555555555555"));
  EXPECT_EQ(f->bytes, QByteArray::fromHex("55550b030220030158020"
                                          "2bc02"));
  EXPECT_EQ(f->time, 800);
  f->setValue(QStringLiteral("10"), QStringLiteral("time"));
  EXPECT_EQ(f->time, 50);
}

}  // namespace
