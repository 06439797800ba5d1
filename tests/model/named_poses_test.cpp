#include "model/named_poses.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSet>
#include <QSettings>
#include <QTranslator>

#include "model/arm_profile.h"
#include "temp_files.h"

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

// Poses go through JSON and the settings unchanged. A settings value that cannot be read is
// kept aside, not overwritten; settings that cannot be written are never taken for kept.
TEST_F(NamedPoses, RoundTripThroughJsonAndTheSettings) {
  KoNamedPoses poses;
  ASSERT_TRUE(poses.put(kWave));
  ASSERT_TRUE(poses.put(kBow));
  EXPECT_EQ(KoNamedPoses::fromJson(poses.toJson()), poses.all());
  EXPECT_TRUE(KoNamedPoses().toJson().contains("\"poses\": ["));
  ASSERT_EQ(poses.save(), QSettings::NoError);
  EXPECT_EQ(KoNamedPoses::load().all(), poses.all());

  QSettings().setValue(QLatin1String(KoNamedPoses::kSettingsKey), QStringLiteral("{broken"));
  poses = KoNamedPoses::load();
  EXPECT_TRUE(poses.all().isEmpty());
  poses.put(kWave);
  ASSERT_EQ(poses.save(), QSettings::NoError);
  EXPECT_EQ(QSettings().value(QLatin1String(KoNamedPoses::kUnreadableKey)).toString(), "{broken");
  EXPECT_EQ(KoNamedPoses::load().all(), QList<KoNamedPose>{kWave});

  const UnwritableSettings unwritable;
  EXPECT_EQ(poses.save(), QSettings::AccessError);
  EXPECT_EQ(KoArmProfiles().save(), QSettings::AccessError);
}

TEST_F(NamedPoses, BadJsonSaysWhatAndWhere) {
  const std::tuple<const char*, const char*> cases[] = {
      {"", "not a JSON text"},
      {"{\"poses\": [", "not a JSON text (at byte"},
      {"[]", "no list of poses"},
      {"{\"poses\": [3]}", "pose 1, not an object"},
      {"{\"poses\": [{\"name\": \"a\", \"ch1\": 1}, {\"ch1\": 1}]}", "pose 2, name"},
      {"{\"poses\": [{\"name\": 7, \"ch1\": 1}]}", "pose 1, name"},
      {"{\"poses\": [{\"name\": \"a\", \"ch3\": 1001}]}", "pose 1, ch3: a whole number from 0"},
      {"{\"poses\": [{\"name\": \"a\", \"ch3\": 2.5}]}", "pose 1, ch3"},
      {"{\"poses\": [{\"name\": \"a\", \"ch6\": \"500\"}]}", "pose 1, ch6"},
      {"{\"poses\": [{\"name\": \"a\", \"ch1\": null}]}", "pose 1, no channel"},
      // No integer holds these: they are refused before any conversion.
      {"{\"poses\": [{\"name\": \"a\", \"ch2\": 1e19}]}", "pose 1, ch2"},
      // A name shows what it is: nothing that hides, steers a terminal or turns the text.
      {"{\"poses\": [{\"name\": \"a\\u0000b\", \"ch1\": 1}]}",
       "pose 1, name: holds U+0000, a character that cannot be shown"},
      {"{\"poses\": [{\"name\": \"a\", \"ch1\": 1}, {\"name\": \"\\u202Eevaw\", \"ch1\": 1}]}",
       "pose 2, name: holds U+202E"},
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

// What an import adds: every kept pose still there as it was, every new one under a name of
// its own that stays its own when kept, each pose put() accepts counted once.
void expectMergeAdds(KoNamedPoses& poses, const QList<KoNamedPose>& imported) {
  const QList<KoNamedPose> before = poses.all();
  const int added = poses.merge(imported);
  EXPECT_EQ(added, imported.size());
  const QList<KoNamedPose>& after = poses.all();
  ASSERT_EQ(after.size(), before.size() + imported.size());
  EXPECT_EQ(after.mid(0, before.size()), before);
  QSet<QString> names;
  for (const KoNamedPose& p : after) {
    names.insert(p.name);
    EXPECT_EQ(KoNamedPoses::tidyName(p.name), p.name);
    EXPECT_FALSE(KoTools::firstUnprintable(p.name)) << p.name.toStdString();
  }
  EXPECT_EQ(names.size(), after.size());
}

// Names made free by cutting a long one.
TEST_F(NamedPoses, AnImportNeverReplacesAKeptPose) {
  const QString a57(57, u'A');
  const QString endsInWords = a57 + QStringLiteral(" xy");  // cut for " 2", it ends in a space
  const QString emoji = a57 + QStringLiteral("😀b");         // cut for " 2", a pair is split
  using Case = std::tuple<QStringList, QStringList, QStringList>;
  const Case cases[] = {
      {{endsInWords, a57 + " 2"},
       {endsInWords, endsInWords, endsInWords},
       {a57 + " 3", a57 + " 4", a57 + " 5"}},
      {{emoji}, {emoji, emoji}, {a57 + " 2", a57 + " 3"}},
      {{QString(60, u'A')}, {QString(70, u'A')}, {QString(58, u'A') + " 2"}},
  };
  for (const auto& [kept, importedNames, expected] : cases) {
    SCOPED_TRACE(importedNames.first().toStdString());
    KoNamedPoses poses;
    for (const QString& name : kept) ASSERT_TRUE(poses.put({name, kWave.positions}));
    QList<KoNamedPose> imported;
    for (const QString& name : importedNames) imported.append({name, kBow.positions});
    expectMergeAdds(poses, imported);
    QStringList added;
    for (const KoNamedPose& p : poses.all().mid(kept.size())) added.append(p.name);
    EXPECT_EQ(added, expected);
  }
}

}  // namespace
