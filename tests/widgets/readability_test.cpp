// Text that can be read: enough contrast on every fill the controls use, and room for the
// text in every language.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QLineF>

#include "app/fonts.h"
#include "model/language.h"
#include "widgets/colours.h"
#include "widgets/dash_board_view.h"
#include "widgets/image_title_button.h"
#include "widgets/segmented_control.h"
#include "widgets/velmar_slider_view.h"

namespace {

constexpr double kReadable = 4.5;

TEST(Contrast, EveryButtonTitleReadsOnItsFill) {
  EXPECT_NEAR(KoColours::contrastRatio(Qt::black, Qt::white), 21, 1e-9);
  EXPECT_LT(KoColours::contrastRatio(Qt::white, KoColours::orange()), 2);  // the old pair
  KoImageTitleButton button(QStringLiteral(":/images/download.svg"), QStringLiteral("download"));
  const struct {
    const char* name;
    QColor background;
    bool enabled;
  } fills[] = {
      {"orange", KoColours::orange(), true},
      {"light grey, a download running", KoColours::lightGrey(), true},
      {"disabled orange", KoColours::orange(), false},
      {"dark", QColor(0x2b, 0x2d, 0x31), true},
  };
  for (const auto& f : fills) {
    button.setBackgroundColor(f.background);
    button.setEnabled(f.enabled);
    EXPECT_GE(KoColours::contrastRatio(button.titleColor(), button.fillColor()), kReadable)
        << f.name;
  }

  KoSegmentedControl mode;
  for (const bool selected : {true, false}) {
    EXPECT_GE(KoColours::contrastRatio(mode.titleColor(selected), mode.fillColor(selected)),
              kReadable)
        << "mode segment, selected " << selected;
  }
  // The dialogs' buttons and the badge take their text the same way.
  for (const QColor& fill : {KoColours::orange(), KoColours::lightGrey()}) {
    EXPECT_GE(KoColours::contrastRatio(KoColours::textOn(fill), fill), kReadable);
  }
}

TEST(DirectionTags, HoldTheirTextInEveryLanguageWithASingleLetterFurtherRight) {
  KoFonts::applyUiFont();
  QFont font = QApplication::font();
  font.setPointSizeF(11);
  for (const char* code : {"en", "zh-Hans", "zh-Hant"}) {
    KoLanguage::instance().setLanguage(QString::fromLatin1(code));
    for (const char* key :
         {"tag_release", "tag_close", "tag_left", "tag_right", "tag_forward", "tag_backward"}) {
      KoVelmarLabelView tag(QString::fromLatin1(key));
      // The text ends inside the tag with the left margin to spare on the right.
      const qreal drawn = QFontMetricsF(font).horizontalAdvance(qtTrId(key));
      EXPECT_LE(2 * tag.textOrigin().x() + drawn, tag.width() + 0.5) << code << " " << key;
    }
  }
  KoLanguage::instance().setLanguage(QStringLiteral("en"));
  EXPECT_EQ(KoVelmarLabelView(QStringLiteral("tag_left")).textOrigin(), QPointF(5.5, 4));  // "L"
  EXPECT_EQ(KoVelmarLabelView(QStringLiteral("no_such_tag")).textOrigin(), QPointF(3.5, 4));
}

TEST(DashBoardLabels, ClearOfTheMarksAtEverySize) {
  for (const int side : {140, 180, 220, 300}) {
    KoDashBoardView voltage;
    KoDashBoardPostionView position;
    for (KoDashBoardDial* dial : std::initializer_list<KoDashBoardDial*>{&voltage, &position}) {
      dial->resize(side, side);
      const QPointF centre = QRectF(dial->rect()).center();
      // Inside the inner edge of the widest (8-point) marks.
      const double clear = dial->markRadius() - 4;
      for (int mark = 0; mark < dial->scale().scaleNumber; mark += dial->scale().majorEvery) {
        const QRectF box = dial->labelRect(mark);
        for (const QPointF& corner :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
          EXPECT_LE(QLineF(centre, corner).length(), clear)
              << dial->metaObject()->className() << " " << side << " mark " << mark;
        }
      }
    }
  }
}

}  // namespace
