#include "model/value_utils.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueUtils, WholeNumbersAreReadWhole) {
  for (const char16_t* text : {u" 42 ", u"+7", u"-3", u"2147483648", u"0", u"\t12\n"}) {
    EXPECT_TRUE(KoTools::isPureInt(QString::fromUtf16(text)));
  }
  for (const char16_t* text : {u"4.0", u"12abc", u"", u"+", u"-", u"   ", u"1 2", u"--1"}) {
    EXPECT_FALSE(KoTools::isPureInt(QString::fromUtf16(text)));
  }
  // The leading number, held at the ends of what a 64-bit integer holds.
  const std::pair<QVariant, qint64> values[] = {
      {QStringLiteral("40000x"), 40000},
      {QStringLiteral("  -12 "), -12},
      {QStringLiteral("abc"), 0},
      {QStringLiteral("99999999999999999999999"), std::numeric_limits<qint64>::max()},
      {QStringLiteral("-99999999999999999999999"), std::numeric_limits<qint64>::min()},
      {1500, 1500},
      {1e300, std::numeric_limits<qint64>::max()}};
  for (const auto& [value, number] : values) {
    EXPECT_EQ(KoTools::integerValue(value), number) << value.toString().toStdString();
  }
}

TEST(ValueUtils, SecondsText) {
  const std::pair<float, const char*> cases[] = {{1.5f, "1.5s"},       {2.0f, "2s"},
                                                 {0.125f, "0.13s"},    {0.f, "0s"},
                                                 {1965.5f, "1965.5s"}, {0.004f, "0s"}};
  for (const auto& [seconds, text] : cases) {
    EXPECT_EQ(KoTools::FloatKeepTwoBitsAndRemoveAllZero(seconds), text) << seconds;
  }
}

}  // namespace
