#include "model/named_poses.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace {

const KoNamedPose kWave{QStringLiteral("Wave"), {500, 120, std::nullopt, 0, 1000, std::nullopt}};
const KoNamedPose kBow{QStringLiteral("鞠躬 bow"), {std::nullopt, 900, 300, 300, 500, 500}};

class NamedPoses : public ::testing::Test {
 protected:
  // The faults in English for this suite only: the others expect text ids.
  void SetUp() override {
    ASSERT_TRUE(english_.load(QStringLiteral(":/i18n/vorn_en.qm")));
    QCoreApplication::installTranslator(&english_);
    clear();
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&english_);
    clear();
  }
  static void clear() {
    for (const char* key : {KoNamedPoses::kSettingsKey, KoNamedPoses::kUnreadableKey}) {
      QSettings().remove(QLatin1String(key));
    }
  }

  QTranslator english_;
};

TEST_F(NamedPoses, RoundTripThroughJsonAndTheSettings) {
  KoNamedPoses poses;
  ASSERT_TRUE(poses.put(kWave));
  ASSERT_TRUE(poses.put(kBow));
  const auto back = KoNamedPoses::fromJson(poses.toJson());
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, poses.all());

  poses.save();
  EXPECT_EQ(KoNamedPoses::load().all(), poses.all());
  EXPECT_TRUE(KoNamedPoses().toJson().contains("\"poses\": ["));
}

TEST_F(NamedPoses, BadJsonSaysWhatAndWhere) {
  const struct {
    const char* json;
    const char* says;
  } cases[] = {
      {"", "not a JSON text"},
      {"{\"poses\": [", "not a JSON text (at byte"},
      {"[]", "no list of poses"},
      {"{\"poses\": {}}", "no list of poses"},
      {"{\"poses\": [3]}", "pose 1, not an object"},
      {"{\"poses\": [{\"name\": \"a\", \"ch1\": 1}, {\"ch1\": 1}]}", "pose 2, name"},
      {"{\"poses\": [{\"name\": \"  \", \"ch1\": 1}]}", "pose 1, name"},
      {"{\"poses\": [{\"name\": 7, \"ch1\": 1}]}", "pose 1, name"},
      {"{\"poses\": [{\"name\": \"a\", \"ch3\": 1001}]}", "pose 1, ch3: a whole number from 0"},
      {"{\"poses\": [{\"name\": \"a\", \"ch3\": -1}]}", "pose 1, ch3"},
      {"{\"poses\": [{\"name\": \"a\", \"ch3\": 2.5}]}", "pose 1, ch3"},
      {"{\"poses\": [{\"name\": \"a\", \"ch6\": \"500\"}]}", "pose 1, ch6"},
      {"{\"poses\": [{\"name\": \"a\", \"ch1\": null}]}", "pose 1, no channel"},
  };
  for (const auto& c : cases) {
    QString error;
    EXPECT_FALSE(KoNamedPoses::fromJson(c.json, &error)) << c.json;
    EXPECT_TRUE(error.startsWith(QLatin1String(c.says))) << c.json << " -> " << error.toStdString();
  }
  // Limits are inclusive; unknown fields are no fault.
  const auto edge = KoNamedPoses::fromJson(
      "{\"poses\": [{\"name\": \"e\", \"ch1\": 0, \"ch2\": 1000, \"x\": 1}]}");
  ASSERT_TRUE(edge);
  EXPECT_EQ(edge->first().positions[1], 1000);
}

TEST_F(NamedPoses, ImportKeepsEveryPoseAlreadyThere) {
  KoNamedPoses poses;
  ASSERT_TRUE(poses.put(kWave));
  KoNamedPose other = kBow;
  other.name = kWave.name;
  EXPECT_EQ(poses.merge({other, other, kBow}), 3);
  QStringList names;
  for (const KoNamedPose& p : poses.all()) names.append(p.name);
  EXPECT_EQ(names, (QStringList{"Wave", "Wave 2", "Wave 3", kBow.name}));
  EXPECT_EQ(poses.all().first(), kWave);

  // Saving under a taken name replaces that pose in its place; a pose needs a name and a channel.
  EXPECT_TRUE(poses.put({QStringLiteral(" Wave "), kBow.positions}));
  EXPECT_EQ(poses.all().size(), 4);
  EXPECT_EQ(poses.all().first().positions, kBow.positions);
  EXPECT_FALSE(poses.put({QStringLiteral("   "), kBow.positions}));
  EXPECT_FALSE(poses.put({QStringLiteral("none"), {}}));
  EXPECT_TRUE(poses.remove(QStringLiteral("Wave 2")));
  EXPECT_FALSE(poses.remove(QStringLiteral("Wave 2")));
}

// A settings value that cannot be read is kept aside, not overwritten.
TEST_F(NamedPoses, AnUnreadableSettingIsKeptAside) {
  QSettings().setValue(QLatin1String(KoNamedPoses::kSettingsKey), QStringLiteral("{broken"));
  KoNamedPoses poses = KoNamedPoses::load();
  EXPECT_TRUE(poses.all().isEmpty());
  poses.put(kWave);
  poses.save();
  EXPECT_EQ(QSettings().value(QLatin1String(KoNamedPoses::kUnreadableKey)).toString(), "{broken");
  EXPECT_EQ(KoNamedPoses::load().all(), QList<KoNamedPose>{kWave});
}

}  // namespace
