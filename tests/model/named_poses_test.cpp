#include "model/named_poses.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QSettings>

#include "english.h"

namespace {

const KoNamedPose kWave{QStringLiteral("Wave"), {500, 120, std::nullopt, 0, 1000, std::nullopt}};
const KoNamedPose kBow{QStringLiteral("鞠躬 bow"), {std::nullopt, 900, 300, 300, 500, 500}};

class NamedPoses : public ::testing::Test {
 protected:
  void SetUp() override { QSettings().clear(); }
  void TearDown() override { QSettings().clear(); }

  const English english_;
};

// Poses survive JSON and the settings; an import keeps every pose; unreadable settings are kept.
TEST_F(NamedPoses, RoundTripThroughJsonAndTheSettingsAndImportKeepsEveryPose) {
  KoNamedPoses poses;
  ASSERT_TRUE(poses.put(kWave));
  ASSERT_TRUE(poses.put(kBow));
  KoNamedPose other = kBow;
  other.name = kWave.name;
  EXPECT_EQ(poses.merge({other, other}), 2);
  QStringList names;
  for (const KoNamedPose& p : poses.all()) names.append(p.name);
  EXPECT_EQ(names, (QStringList{"Wave", kBow.name, "Wave 2", "Wave 3"}));
  EXPECT_EQ(poses.all().first(), kWave);
  EXPECT_EQ(KoNamedPoses::fromJson(poses.toJson()), poses.all());
  const QJsonDocument exported = QJsonDocument::fromJson(poses.toJson());
  EXPECT_EQ(exported["version"], 1);
  EXPECT_EQ(exported["poses"][0]["ch3"], QJsonValue(QJsonValue::Null));  // left out, not absent
  ASSERT_EQ(poses.save(), QSettings::NoError);
  EXPECT_EQ(KoNamedPoses::load().all(), poses.all());

  // Saving under a taken name replaces that pose in its place; a pose needs a name and a channel.
  EXPECT_TRUE(poses.put({QStringLiteral(" Wave "), kBow.positions}));
  EXPECT_EQ(poses.all().size(), 4);
  EXPECT_EQ(poses.all().first().positions, kBow.positions);
  EXPECT_FALSE(poses.put({QStringLiteral("   "), kBow.positions}));
  EXPECT_FALSE(poses.put({QStringLiteral("none"), {}}));
  EXPECT_TRUE(poses.remove(QStringLiteral("Wave 2")));
  EXPECT_FALSE(poses.remove(QStringLiteral("Wave 2")));

  QSettings().setValue(QLatin1String(KoNamedPoses::kSettingsKey), QStringLiteral("{broken"));
  poses = KoNamedPoses::load();
  EXPECT_TRUE(poses.all().isEmpty());
  poses.put(kWave);
  ASSERT_EQ(poses.save(), QSettings::NoError);
  EXPECT_EQ(QSettings().value(QLatin1String(KoNamedPoses::kUnreadableKey)).toString(), "{broken");
}

TEST_F(NamedPoses, BadJsonSaysWhatAndWhere) {
  const std::tuple<const char*, const char*> cases[] = {
      {"{\"poses\": [", "not a JSON text (at byte"},
      {"[]", "no list of poses"},
      {"{\"poses\": [{\"name\": \"a\", \"ch1\": 1}, {\"ch1\": 1}]}", "pose 2, name"},
      {"{\"poses\": [{\"name\": \"a\", \"ch3\": 1001}]}", "pose 1, ch3: a whole number from 0"},
      {"{\"poses\": [{\"name\": \"a\", \"ch1\": null}]}", "pose 1, no channel"},
      // No integer holds this: it is refused before any conversion.
      {"{\"poses\": [{\"name\": \"a\", \"ch2\": 1e19}]}", "pose 1, ch2"},
      {"{\"poses\": [{\"name\": \"\\u202Eevaw\", \"ch1\": 1}]}",
       "pose 1, name: holds U+202E, a character that cannot be shown"},
  };
  for (const auto& [json, says] : cases) {
    QString error;
    EXPECT_FALSE(KoNamedPoses::fromJson(json, &error)) << json;
    EXPECT_TRUE(error.startsWith(QLatin1String(says))) << json << " -> " << error.toStdString();
  }
  // Limits are inclusive; unknown fields are no fault.
  const auto edge = KoNamedPoses::fromJson(
      "{\"poses\": [{\"name\": \"e\", \"ch1\": 0, \"ch2\": 1000, \"x\": 1}]}");
  ASSERT_TRUE(edge);
  EXPECT_EQ(edge->first().positions[1], 1000);
}

}  // namespace
