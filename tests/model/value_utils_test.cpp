#include "model/value_utils.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueUtils, WholeNumberTest) {
  const struct {
    const char16_t* text;
    bool whole;
  } cases[] = {
      {u" 42 ", true},   {u"+7", true},   {u"-3", true},     {u"2147483648", true}, {u"0", true},
      {u"\t12\n", true}, {u"4.0", false}, {u"12abc", false}, {u"", false},          {u"+", false},
      {u"-", false},     {u"   ", false}, {u"1 2", false},   {u"--1", false},       {u"abc", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KoTools::isPureInt(QString::fromUtf16(c.text)), c.whole)
        << QString::fromUtf16(c.text).toStdString();
  }
}

TEST(ValueUtils, IntegerValueReadsTheLeadingNumberAndSaturates) {
  EXPECT_EQ(KoTools::integerValue(QStringLiteral("40000x")), 40000);
  EXPECT_EQ(KoTools::integerValue(QStringLiteral("  -12 ")), -12);
  EXPECT_EQ(KoTools::integerValue(QStringLiteral("abc")), 0);
  EXPECT_EQ(KoTools::integerValue(QStringLiteral("99999999999999999999999")),
            std::numeric_limits<qint64>::max());
  EXPECT_EQ(KoTools::integerValue(QStringLiteral("-99999999999999999999999")),
            std::numeric_limits<qint64>::min());
  EXPECT_EQ(KoTools::integerValue(QVariant(1500)), 1500);
  EXPECT_EQ(KoTools::integerValue(QVariant(QStringLiteral("77"))), 77);
  EXPECT_EQ(KoTools::integerValue(QVariant(1e300)), std::numeric_limits<qint64>::max());
}

TEST(ValueUtils, SecondsText) {
  const struct {
    float seconds;
    const char* text;
  } cases[] = {{1.5f, "1.5s"},      {2.0f, "2s"},         {0.125f, "0.13s"}, {0.f, "0s"},
               {12.345f, "12.35s"}, {1965.5f, "1965.5s"}, {0.004f, "0s"}};
  for (const auto& c : cases) {
    EXPECT_EQ(KoTools::FloatKeepTwoBitsAndRemoveAllZero(c.seconds), c.text) << c.seconds;
  }
}

}  // namespace
