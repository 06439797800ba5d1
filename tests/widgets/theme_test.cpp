#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include <QFile>

#include "app/colour_scheme.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

namespace {

using KoTheme::Roles;
using KoTheme::Scheme;

// A see-through colour as it shows over `under`.
QColor over(const QColor& c, const QColor& under) {
  const double a = c.alphaF();
  return QColor::fromRgbF(float(c.redF() * a + under.redF() * (1 - a)),
                          float(c.greenF() * a + under.greenF() * (1 - a)),
                          float(c.blueF() * a + under.blueF() * (1 - a)));
}

// What is drawn on what: text at 4.5:1, a control's edge or a graphic at 3:1.
struct Pair {
  const char* name;
  QColor Roles::*front;
  QColor Roles::*back;
  double least;
};
constexpr double kText = 4.5, kGraphic = 3.0;
const Pair kPairs[] = {
    {"text/surface", &Roles::text, &Roles::surface, kText},
    {"text/inset", &Roles::text, &Roles::inset, kText},
    {"text/insetShade", &Roles::text, &Roles::insetShade, kText},
    {"text/warningTint", &Roles::text, &Roles::warningTint, kText},
    {"text/dangerTint", &Roles::text, &Roles::dangerTint, kText},
    {"mutedText/surface", &Roles::mutedText, &Roles::surface, kText},
    {"mutedText/inset", &Roles::mutedText, &Roles::inset, kText},
    {"danger/surface", &Roles::danger, &Roles::surface, kText},
    {"danger/inset", &Roles::danger, &Roles::inset, kText},
    {"warning/surface", &Roles::warning, &Roles::surface, kText},
    {"success/surface", &Roles::success, &Roles::surface, kText},
    {"voltLabel/surface", &Roles::voltLabel, &Roles::surface, kText},
    {"positionLabel/surface", &Roles::positionLabel, &Roles::surface, kText},
    {"onAccent/accent", &Roles::onAccent, &Roles::accent, kText},
    {"onAccent/busy", &Roles::onAccent, &Roles::busy, kText},
    {"onAccent/progress", &Roles::onAccent, &Roles::progress, kText},
    {"onAccent/accentWash", &Roles::onAccent, &Roles::accentWash, kText},
    {"accentInsetText/accentInset", &Roles::accentInsetText, &Roles::accentInset, kText},
    {"bodyText/body", &Roles::bodyText, &Roles::body, kText},
    {"bodyMuted/body", &Roles::bodyMuted, &Roles::body, kText},
    {"bodyWarning/body", &Roles::bodyWarning, &Roles::body, kText},
    {"bodyText/barField", &Roles::bodyText, &Roles::barField, kText},
    {"line/surface", &Roles::line, &Roles::surface, kGraphic},
    {"line/inset", &Roles::line, &Roles::inset, kGraphic},
    {"track/surface", &Roles::track, &Roles::surface, kGraphic},
    {"track/inset", &Roles::track, &Roles::inset, kGraphic},
    {"barLine/barField", &Roles::barLine, &Roles::barField, kGraphic},
    {"accentLine/inset", &Roles::accentLine, &Roles::inset, kGraphic},
    {"accentLine/surface", &Roles::accentLine, &Roles::surface, kGraphic},
    {"danger/inset (ring)", &Roles::danger, &Roles::inset, kGraphic},
    {"playhead/inset", &Roles::playhead, &Roles::inset, kGraphic},
    {"chartTemperature/inset", &Roles::chartTemperature, &Roles::inset, kGraphic},
    {"chartVoltage/inset", &Roles::chartVoltage, &Roles::inset, kGraphic},
    {"chartPosition/inset", &Roles::chartPosition, &Roles::inset, kGraphic},
    {"voltGauge/surface", &Roles::voltGauge, &Roles::surface, kGraphic},
    {"positionGauge/surface", &Roles::positionGauge, &Roles::surface, kGraphic},
    {"mercury/surface", &Roles::mercury, &Roles::surface, kGraphic},
    {"mark/accent", &Roles::mark, &Roles::accent, kGraphic},
    {"accentInset/accent", &Roles::accentInset, &Roles::accent, kGraphic},
    {"trim/accent", &Roles::trim, &Roles::accent, kGraphic},
};

// Every text on every surface it is drawn on, and every edge and graphic, in both schemes; the
// figures are printed for the visual language's page when VORN_THEME_FIGURES is set.
TEST(Theme, TextAndGraphicsKeepTheirContrastInBothSchemes) {
  const bool figures = qEnvironmentVariableIsSet("VORN_THEME_FIGURES");
  // The page's figures, "| text/surface | 15.95 | 11.59 | 4.5 |": a colour changed shows there.
  QFile page(QStringLiteral(VORN_SOURCE_DIR "/docs/visual-language.md"));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  std::map<QString, std::array<double, 2>> told;
  for (const QString& line : QString::fromUtf8(page.readAll()).split(u'\n')) {
    const QStringList cells = line.split(u'|');
    if (cells.size() == 6 && cells[2].trimmed().toDouble() > 1)
      told[cells[1].trimmed()] = {cells[2].toDouble(), cells[3].toDouble()};
  }
  ASSERT_GT(told.size(), 40u);
  for (const Scheme scheme : {Scheme::Light, Scheme::Dark}) {
    const Roles& r = KoTheme::roles(scheme);
    const char* name = scheme == Scheme::Light ? "light" : "dark";
    const auto check = [&](const QString& what, const QColor& front, const QColor& back,
                           double least) {
      const double ratio = KoColours::contrastRatio(front, back);
      if (figures)
        std::printf("%s %s %.2f (at least %.1f)\n", name, qPrintable(what), ratio, least);
      EXPECT_GE(ratio, least) << name << ' ' << what.toStdString();
      if (told.count(what)) {
        EXPECT_NEAR(ratio, told[what][scheme == Scheme::Dark], 0.005)
            << name << ' ' << what.toStdString();
      }
    };
    // The trim field's wash lies on the card's orange.
    for (const Pair& p : kPairs)
      check(QLatin1String(p.name), r.*p.front, over(r.*p.back, r.accent), p.least);
    for (size_t c = 0; c < r.channels.size(); ++c)
      check(QStringLiteral("channel %1/inset").arg(c + 1), r.channels[c], r.inset, kGraphic);
    // The focus ring also on the tiles' hover and pressed shades, the switches' tracks, the
    // bar's fields and the close button under the pointer.
    for (const QColor back :
         {r.surface, r.inset, r.accent, r.body, QColor(0xffc64e), QColor(0xd3d3d3),
          QColor(0xb4b7bd), QColor(0x26282c), QColor(0x3a3d42), KoColours::closeHover()})
      check("focus/" + back.name(), KoColours::focusOn(back), back, kGraphic);
  }
}

// The settings' choice wins; without one the desktop's preference does, light when it has none.
TEST(Theme, SchemeFollowsTheSettingElseTheDesktop) {
  const std::tuple<QString, uint, Scheme> cases[] = {
      {QStringLiteral("dark"), 2, Scheme::Dark},  {QStringLiteral("Light"), 1, Scheme::Light},
      {QStringLiteral("auto"), 1, Scheme::Dark},  {QString(), 2, Scheme::Light},
      {QStringLiteral("blue"), 0, Scheme::Light}, {QString(), 7, Scheme::Light},
  };
  for (const auto& [setting, portal, expected] : cases) {
    EXPECT_EQ(
        KoTheme::resolve(KoTheme::choiceFromSetting(setting), KoColourScheme::fromPortal(portal)),
        expected)
        << setting.toStdString() << ' ' << portal;
  }
  EXPECT_EQ(KoTheme::resolve(KoTheme::Choice::Auto, std::nullopt), Scheme::Light);
}

}  // namespace
