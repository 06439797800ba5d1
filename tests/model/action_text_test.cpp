#include <gtest/gtest.h>

#include <functional>

#include "model/action_text.h"
#include "model/limits.h"
#include "model/move_frame.h"

using KoTools::ActionRecord;
using KoTools::ActionTextError;
using KoTools::ActionTextFormat;

namespace {

constexpr quint16 kAbsent = frame::kAbsentChannel;

TEST(ActionText, EveryRecordSurvivesBothFormats) {
  const QList<ActionRecord> records = {
      {0, {0, 0, 0, 0, 0, 0}},
      {65535, {65535, 1000, 1001, kAbsent, 21844, 21846}},
      {50, {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent}},
  };
  for (ActionTextFormat format : {ActionTextFormat::Json, ActionTextFormat::Csv}) {
    for (const QList<ActionRecord>& list : {records, QList<ActionRecord>{}}) {
      ActionTextError error;
      const auto back =
          KoTools::importActionText(KoTools::exportActionText(list, format), format, &error);
      ASSERT_TRUE(back) << error.message.toStdString();
      EXPECT_EQ(*back, list);
    }
  }
  EXPECT_EQ(KoTools::actionRecords(KoTools::actionImage(records)), records);
  const auto fromSpreadsheet =
      KoTools::importActionText("\xEF\xBB\xBFtime,ch1,ch2,ch3,ch4,ch5,ch6\r\n0,0,0,0,0,0,0\r\n",
                                ActionTextFormat::Csv, nullptr);
  ASSERT_TRUE(fromSpreadsheet);
  EXPECT_EQ(*fromSpreadsheet, records.first(1));
}

TEST(ActionText, ImportStopsAtTheFirstBadValueWithItsLineAndField) {
  const QByteArray head = "time,ch1,ch2,ch3,ch4,ch5,ch6\n";
  const QByteArray ok = "1000,1,2,3,4,5,6\n";
  using Case = std::tuple<ActionTextFormat, QByteArray, int, QString>;
  const QList<Case> cases = {
      {ActionTextFormat::Csv, head + "\n" + ok + "1,1,2,3,4,5,+6\n", 4, "ch6"},
      {ActionTextFormat::Csv, head + "1,1,2,3x,4,5,6\n" + "1,-1,2,3,4,5,6\n", 2, "ch3"},
      {ActionTextFormat::Csv, head + "1,21845,2,3,4,5,6\n", 2, "ch1"},
      {ActionTextFormat::Csv, head + "1,1,2,3,4,5\n", 2, ""},
      {ActionTextFormat::Json,
       "{\"frames\": [\n{\"time\": 1, \"ch1\": 1, \"ch2\": 2, \"ch3\": 3, \"ch4\": 4, \"ch5\": 5, "
       "\"ch6\": 6},\n{\"time\": 1, \"ch1\": 1.5, \"ch2\": 2, \"ch3\": 3, \"ch4\": 4, \"ch5\": 5, "
       "\"ch6\": 6}]}",
       3, "ch1"},
      {ActionTextFormat::Json, "{\"frames\": [{\"time\": 1, \"ch7\": 1}]}", 1, "ch7"},
      {ActionTextFormat::Json, "{\"frames\": [\n  {\"time\": 1,,}\n]}", 2, ""},
      {ActionTextFormat::Json, "{\"notes\": [{}], \"frames\": []}", 1, "notes"},
  };
  for (const auto& [format, text, line, field] : cases) {
    SCOPED_TRACE(text.toStdString());
    ActionTextError error;
    EXPECT_FALSE(KoTools::importActionText(text, format, &error));
    EXPECT_EQ(error.line, line);
    EXPECT_EQ(error.field, field);
    EXPECT_FALSE(error.message.isEmpty());
  }
}

// The file header counts frames in 16 bits: one frame more would wrap its count to 0.
TEST(ActionText, EitherFormatHoldsAsManyFramesAsAFileCountsAndNoMore) {
  const auto csv = [](int frames) {
    return "time,ch1,ch2,ch3,ch4,ch5,ch6\n" + QByteArray("100,1,2,3,4,5,6\n").repeated(frames);
  };
  const auto json = [](int frames) {
    const QByteArrayList list(
        frames, R"({"time": 100, "ch1": 1, "ch2": 2, "ch3": 3, "ch4": 4, "ch5": 5, "ch6": 6})");
    return "{\"frames\": [\n" + list.join(",\n") + "\n]}";
  };
  const std::pair<ActionTextFormat, std::function<QByteArray(int)>> formats[] = {
      {ActionTextFormat::Csv, csv}, {ActionTextFormat::Json, json}};
  for (const auto& [format, text] : formats) {
    const auto records =
        KoTools::importActionText(text(limits::kMaxFramesPerFile), format, nullptr);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->size(), limits::kMaxFramesPerFile);
    ActionTextError error;
    EXPECT_FALSE(KoTools::importActionText(text(limits::kMaxFramesPerFile + 1), format, &error));
    EXPECT_EQ(error.line, limits::kMaxFramesPerFile + 2);
  }
}

}  // namespace
