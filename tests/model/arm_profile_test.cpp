#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

#include "english.h"
#include "model/arm_profile.h"

namespace {

QStringList names(const KoArmProfiles& profiles) {
  QStringList out;
  for (const KoArmProfile& p : profiles.all()) out.append(p.name);
  return out;
}

// The shipped profile renamed with every kind of value changed, long-printing fractions too.
KoArmProfile edited(const QString& name = QStringLiteral("Bench \"β\" 机械臂")) {
  KoArmProfile p = KoArmProfile::shipped();
  p.name = name;
  p.linksMm = {0.1, 119.30000000000001, KoArmProfile::kMaxLinkMm, 1e-3};
  p.columnRadiusMm = 0;
  p.joints.joints[KoArmJoints::kBase] = {16, -360, 359.75};
  p.joints.joints[KoArmJoints::kGripper] = {1, 1.0 / 3, 0};
  p.channels[0] = {QString(), 1000, 1000, true};
  p.channels[3] = {QStringLiteral("Elbow\n\"left\""), 120, 880, true};
  p.channels[5].lowest = 0;
  p.channels[5].highest = 0;
  return p;
}

// `value` put at a path of the JSON ("channels.3.lowest"); an undefined value removes.
QJsonValue withValue(const QJsonValue& node, QStringList path, const QJsonValue& value) {
  const QString key = path.takeFirst();
  if (node.isArray()) {
    QJsonArray a = node.toArray();
    const int i = key.toInt();
    if (path.isEmpty() && value.isUndefined()) {
      a.removeAt(i);
    } else {
      a[i] = path.isEmpty() ? value : withValue(a[i], path, value);
    }
    return a;
  }
  QJsonObject o = node.toObject();
  if (path.isEmpty() && value.isUndefined()) {
    o.remove(key);
  } else {
    o[key] = path.isEmpty() ? value : withValue(o[key], path, value);
  }
  return o;
}

using Edits = QList<std::pair<const char*, QJsonValue>>;

QByteArray shippedWith(const Edits& edits) {
  QJsonValue root = QJsonDocument::fromJson(KoArmProfile::shipped().toJson()).object();
  for (const auto& [path, value] : edits) {
    root = withValue(root, QString::fromLatin1(path).split(u'.'), value);
  }
  return QJsonDocument(root.toObject()).toJson();
}

QByteArray resourceFile() {
  QFile file(QStringLiteral(VORN_SOURCE_DIR "/resources/armJoints.json"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kSwappedTable = R"({"base":{"channel":1,"at0":-90,"at1000":90},
    "shoulder":{"channel":5,"at0":90,"at1000":-90},"elbow":{"channel":4,"at0":90,"at1000":-90},
    "wrist":{"channel":3,"at0":90,"at1000":-90},"wrist_roll":{"channel":2,"at0":0,"at1000":180},
    "gripper":{"channel":6,"at0":45,"at1000":0}})";

class ArmProfileTest : public ::testing::Test {
 protected:
  // The settings are this test program's own.
  void SetUp() override { QSettings().clear(); }
  void TearDown() override { QSettings().clear(); }

  static void store(const char* key, const QVariant& value) {
    QSettings().setValue(QLatin1String(key), value);
  }
  static QJsonArray storedProfiles() {
    return QJsonDocument::fromJson(
               QSettings().value(QLatin1String(KoArmProfiles::kSettingsKey)).toString().toUtf8())
        .array();
  }

  const English english_;
};

TEST_F(ArmProfileTest, JsonGivesBackTheSameProfileInAFormatPeopleCanRead) {
  for (const KoArmProfile& p : {KoArmProfile::shipped(), edited()}) {
    SCOPED_TRACE(p.name.toStdString());
    const QByteArray json = p.toJson();
    QString error;
    const std::optional<KoArmProfile> back = KoArmProfile::fromJson(json, &error);
    ASSERT_TRUE(back) << error.toStdString() << json.toStdString();
    EXPECT_EQ(*back, p);
    EXPECT_EQ(back->toJson(), json);
    EXPECT_FALSE(p.fault());
  }
  // Name first, one joint or channel a line, as the README shows it.
  const QByteArray shipped = KoArmProfile::shipped().toJson();
  EXPECT_TRUE(shipped.startsWith("{\n  \"name\": \"Vorn arm\",\n  \"links\": {\"column\": 77, "))
      << shipped.toStdString();
  EXPECT_TRUE(
      shipped.contains("\n    \"elbow\": {\"channel\": 4, \"at0\": 120, \"at1000\": -120},\n"));
  // Channels in any order, unknown fields ignored.
  QJsonObject shuffled = QJsonDocument::fromJson(edited().toJson()).object();
  QJsonArray channels;
  for (const QJsonValue& c : shuffled["channels"].toArray()) channels.prepend(c);
  shuffled["channels"] = channels;
  shuffled["colour"] = QStringLiteral("red");
  EXPECT_EQ(KoArmProfile::fromJson(QJsonDocument(shuffled).toJson()), edited());
}

TEST_F(ArmProfileTest, EachFaultIsNamedWithItsPlaceAndOnlyTheFirstIsTold) {
  using Case = std::tuple<Edits, QString>;
  const QJsonValue removed(QJsonValue::Undefined);
  const QList<Case> cases = {
      {{{"channels.3.lowest", 1200}}, "channels[3].lowest: 1200 is beyond 0 to 1000"},
      {{{"channels.0.highest", 10.5}}, "channels[0].highest: must be a whole number 0 to 1000"},
      {{{"channels.2.lowest", 301}, {"channels.2.highest", 300}},
       "channels[2]: lowest 301 is above highest 300"},
      {{{"channels.2.lowest", 300}, {"channels.2.highest", 300}}, {}},
      {{{"channels.4.channel", 2}}, "channels[4].channel: channel 2 is listed twice"},
      {{{"channels.5", removed}}, "channels: channel 6 is missing"},
      {{{"channels.1.reversed", "yes"}}, "channels[1].reversed: must be true or false"},
      {{{"joints.elbow.channel", 17}}, "joints.elbow.channel: 17 is beyond 1 to 16"},
      {{{"joints.wrist.at0", -360}, {"joints.wrist.at1000", 360}}, {}},
      {{{"joints.wrist.at1000", 360.5}}, "joints.wrist.at1000: 360.5 is beyond -360 to 360"},
      {{{"joints.wrist_roll", removed}}, "joints.wrist_roll: missing"},
      {{{"links.forearm", 0}}, "links.forearm: must be above 0 and at most 2000 mm, not 0"},
      {{{"links.hand", 2000}, {"links.column", 0.01}, {"links.thumb", 5}}, {}},
      {{{"columnRadius", -1}}, "columnRadius: -1 is beyond 0 to 2000"},
      {{{"name", QString(81, u'a')}}, "name: must be at most 80 characters, not 81"},
      {{{"name", "Arm\u202e"}}, "name: holds U+202E, a character that cannot be shown"},
      // The first fault in reading order is the one told; a name of spaces is empty.
      {{{"channels.0.lowest", 5000}, {"links.hand", 0}, {"name", "  "}}, "name: must not be empty"},
  };
  for (const auto& [edits, fault] : cases) {
    const QByteArray json = shippedWith(edits);
    SCOPED_TRACE(json.toStdString());
    QString error;
    const std::optional<KoArmProfile> p = KoArmProfile::fromJson(json, &error);
    EXPECT_EQ(error, fault);
    EXPECT_EQ(p.has_value(), fault.isEmpty());
  }

  // The parser's own words vary with Qt; where it stopped does not.
  QString error;
  EXPECT_FALSE(KoArmProfile::fromJson("{\"name\": \"Vorn arm\",\n\n \"links\": {", &error));
  EXPECT_TRUE(error.startsWith("not JSON: ")) << error.toStdString();
  EXPECT_TRUE(error.endsWith(" at line 3, column 12 (offset 33)")) << error.toStdString();
  EXPECT_FALSE(KoArmProfile::fromJson("{"));  // no place for the error is fine

  KoArmProfile nan = KoArmProfile::shipped();
  nan.linksMm[KoArmProfile::kHand] = std::nan("");
  EXPECT_EQ(nan.fault(), QStringLiteral("links.hand: must be a number"));
}

TEST_F(ArmProfileTest, TheStoreKeepsTheUsersProfilesAndChoiceAndNeverTheShippedOne) {
  KoArmProfiles profiles = KoArmProfiles::load();
  EXPECT_EQ(names(profiles), QStringList{"Vorn arm"});
  EXPECT_EQ(profiles.chosen(), KoArmProfile::shipped());

  EXPECT_FALSE(profiles.put(edited(KoArmProfile::kShippedName)));  // a name taken for good
  KoArmProfile bad = edited(QStringLiteral("Bad"));
  bad.channels[1].lowest = 1001;
  EXPECT_FALSE(profiles.put(bad));
  EXPECT_FALSE(profiles.remove(KoArmProfile::kShippedName));
  EXPECT_FALSE(profiles.choose(QStringLiteral("Nope")));

  const KoArmProfile a = edited(QStringLiteral("A"));
  KoArmProfile b = edited(QStringLiteral("B"));
  ASSERT_TRUE(profiles.put(a));
  ASSERT_TRUE(profiles.put(b));
  b.channels[4] = {QStringLiteral("Shoulder"), 200, 700, false};
  ASSERT_TRUE(profiles.put(b));  // replaces, in place
  EXPECT_EQ(names(profiles), (QStringList{"Vorn arm", "A", "B"}));
  ASSERT_TRUE(profiles.choose(QStringLiteral("B")));
  ASSERT_EQ(profiles.save(), QSettings::NoError);
  // A free name counts on from 2, cut so that the number fits and the profile can be kept.
  EXPECT_EQ(profiles.freeName("A"), "A 2");
  const QString longest(KoArmProfile::kMaxNameLength, u'L');
  ASSERT_TRUE(profiles.put(edited(longest)));
  EXPECT_EQ(profiles.freeName(longest), longest.left(KoArmProfile::kMaxNameLength - 2) + " 2");

  KoArmProfiles again = KoArmProfiles::load();
  EXPECT_EQ(names(again), (QStringList{"Vorn arm", "A", "B"}));
  EXPECT_EQ(again.chosen(), b);
  EXPECT_EQ(KoArmProfiles::current(), b);
  EXPECT_EQ(KoArmProfiles::named(QStringLiteral("A")), a);
  EXPECT_FALSE(KoArmProfiles::named(QStringLiteral("Nope")));

  // Removing the chosen profile, not another, chooses the shipped one.
  ASSERT_TRUE(again.remove(QStringLiteral("A")));
  EXPECT_EQ(again.chosenName(), QStringLiteral("B"));
  ASSERT_TRUE(again.remove(QStringLiteral("B")));
  EXPECT_EQ(again.chosenName(), KoArmProfile::kShippedName);
  ASSERT_EQ(again.save(), QSettings::NoError);
  EXPECT_TRUE(storedProfiles().isEmpty());
}

TEST_F(ArmProfileTest, AnOldJointTableBecomesAChosenProfileOnce) {
  const std::optional<KoArmJoints> table = KoArmJoints::parse(kSwappedTable);
  ASSERT_TRUE(table);
  // One of the user's own already has the name.
  KoArmProfiles before;
  ASSERT_TRUE(before.put(edited(KoArmProfiles::kMigratedName)));
  ASSERT_EQ(before.save(), QSettings::NoError);
  store(KoArmJoints::kSettingsKey, QString::fromUtf8(kSwappedTable));
  // vornctl, built without the table's file, holds the same shipped profile as vorn.
  KoArmProfile fromFile = KoArmProfile::shipped();
  fromFile.joints = KoArmJoints::parse(resourceFile()).value();
  EXPECT_EQ(KoArmProfile::shipped(), fromFile);

  const KoArmProfiles first = KoArmProfiles::load();
  EXPECT_EQ(names(first), (QStringList{"Vorn arm", "My arm", "My arm 2"}));
  KoArmProfile expected = KoArmProfile::shipped();
  expected.name = QStringLiteral("My arm 2");
  expected.joints = *table;
  EXPECT_EQ(first.chosen(), expected);
  EXPECT_FALSE(QSettings().contains(QLatin1String(KoArmJoints::kSettingsKey)));
  EXPECT_EQ(KoArmProfiles::load().chosen(), expected);
  EXPECT_EQ(storedProfiles().size(), 2);

  // A table that is not whole is dropped, and changes nothing else.
  QByteArray tooFar = kSwappedTable;
  tooFar.replace("\"at1000\":180", "\"at1000\":720");
  store(KoArmJoints::kSettingsKey, QString::fromUtf8(tooFar));
  const KoArmProfiles p = KoArmProfiles::load();
  EXPECT_EQ(names(p), names(first));
  EXPECT_EQ(p.chosenName(), QStringLiteral("My arm 2"));
  EXPECT_FALSE(QSettings().contains(QLatin1String(KoArmJoints::kSettingsKey)));
}

// What could not be read is kept, behind what could; a value that is no list is set aside.
TEST_F(ArmProfileTest, JunkInTheSettingsIsSkippedAndKept) {
  const QJsonObject good =
      QJsonDocument::fromJson(edited(QStringLiteral("Good")).toJson()).object();
  QJsonObject shippedName = good;
  shippedName["name"] = KoArmProfile::kShippedName;
  const QJsonArray entries{1, QJsonArray{}, good, good, shippedName};
  store(KoArmProfiles::kSettingsKey,
        QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Compact)));
  store(KoArmProfiles::kChosenKey, KoArmProfile::kShippedName);
  KoArmProfiles profiles = KoArmProfiles::load();
  EXPECT_EQ(names(profiles), (QStringList{"Vorn arm", "Good"}));
  ASSERT_EQ(profiles.save(), QSettings::NoError);
  EXPECT_EQ(storedProfiles(), (QJsonArray{good, 1, QJsonArray{}, good, shippedName}));

  store(KoArmProfiles::kSettingsKey, QStringLiteral("[{"));
  store(KoArmProfiles::kChosenKey, QStringList{"x", "y"});
  KoArmProfiles p = KoArmProfiles::load();
  EXPECT_EQ(names(p), QStringList{"Vorn arm"});
  EXPECT_EQ(p.chosenName(), KoArmProfile::kShippedName);
  ASSERT_TRUE(p.put(edited(QStringLiteral("New"))));
  ASSERT_EQ(p.save(), QSettings::NoError);
  EXPECT_EQ(QSettings().value(QLatin1String(KoArmProfiles::kUnreadableKey)).toString(), "[{");
  EXPECT_EQ(names(KoArmProfiles::load()), (QStringList{"Vorn arm", "New"}));
}

}  // namespace
