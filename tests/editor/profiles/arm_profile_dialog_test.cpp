#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "editor/profiles/arm_profile_dialog.h"
#include "model/file_io.h"
#include "model/language.h"
#include "model/notification_center.h"
#include "recording_prompter.h"
#include "temp_files.h"

namespace {

// A reference: the name itself is set up in another file, maybe after this one.
const QString& kShipped = KoArmProfile::kShippedName;

// The profiles in memory, shared with the test; saves are counted and give `saved`.
struct StoreState {
  KoArmProfiles kept;
  int saves = 0;
  QSettings::Status saved = QSettings::NoError;
};

class FakeStore final : public KoArmProfileStore {
 public:
  explicit FakeStore(StoreState& state) : s_(state) {}
  QList<KoArmProfile> all() const override { return s_.kept.all(); }
  QString chosenName() const override { return s_.kept.chosenName(); }
  bool choose(const QString& name) override { return s_.kept.choose(name); }
  bool put(const KoArmProfile& profile) override { return s_.kept.put(profile); }
  bool remove(const QString& name) override { return s_.kept.remove(name); }
  QString freeName(const QString& base) const override { return s_.kept.freeName(base); }
  QSettings::Status save() const override {
    ++s_.saves;
    return s_.saved;
  }

 private:
  StoreState& s_;
};

KoArmProfile deskArm() {
  KoArmProfile p = KoArmProfile::shipped();
  p.name = "Desk arm";
  p.linksMm = {80, 120.5, 100, 60};
  p.columnRadiusMm = 25;
  p.joints.joints[KoArmJoints::kElbow] = {4, 90, -90};
  p.channels[1] = {"Roll", 100, 900, false};
  p.channels[5] = {"Turn", 0, 1000, true};
  return p;
}

KoArmProfile spare() {
  KoArmProfile p = deskArm();
  p.name = "Spare";
  p.linksMm[KoArmProfile::kHand] = 90;
  return p;
}

void typeInto(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
}

// The shipped profile, "Desk arm" (chosen) and "Spare", in a dialog shown on "Desk arm".
// File dialogs answer with `chosenPath` at once.
class ArmProfileDialogTest : public TempFilesTest {
 protected:
  void SetUp() override {
    KoLanguage::instance().install("en");
    KoArmProfileDialog::setFileChooser(
        [this](QWidget*, KoArmProfileDialog::FileAction action, const QString& suggested) {
          asked.append({action, suggested});
          return chosenPath;
        });
    fresh();
  }
  void TearDown() override {
    KoArmProfileDialog::setFileChooser({});
    KoLanguage::instance().install("en");
  }

  void open() {
    dialog = std::make_unique<KoArmProfileDialog>(nullptr, std::make_unique<FakeStore>(state));
    dialog->show();
  }
  void fresh() {
    state = {};
    state.kept.put(deskArm());
    state.kept.put(spare());
    state.kept.choose(deskArm().name);
    open();
  }
  template <class T = QWidget>
  T* field(const QString& name) const {
    T* w = dialog->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QSpinBox* spin(const QString& name) const { return field<QSpinBox>(name); }
  QComboBox* profiles() const { return field<QComboBox>("profiles"); }
  QPushButton* button(const char* name) const { return field<QPushButton>(QLatin1String(name)); }
  QPushButton* ok() const { return button("ok"); }
  QString text(const char* label) const { return field<QLabel>(QLatin1String(label))->text(); }
  QStringList names() const {
    QStringList out;
    for (const KoArmProfile& p : state.kept.all()) out.append(p.name);
    return out;
  }
  KoArmProfile stored(const QString& name) const {
    for (const KoArmProfile& p : state.kept.all())
      if (p.name == name) return p;
    ADD_FAILURE() << "no profile " << name.toStdString();
    return {};
  }
  // Picks the profile in the list as the user does.
  void pick(const QString& name) {
    const int i = profiles()->findData(name);
    ASSERT_GE(i, 0) << name.toStdString();
    profiles()->setCurrentIndex(i);
    emit profiles()->activated(i);
  }
  void use(const QString& name) {
    pick(name);
    button("use")->click();
  }

  StoreState state;
  std::unique_ptr<KoArmProfileDialog> dialog;
  QString chosenPath;
  QList<std::pair<KoArmProfileDialog::FileAction, QString>> asked;
};

TEST_F(ArmProfileDialogTest, EachFieldEditsTheShownProfileAndUseChoosesIt) {
  EXPECT_EQ(profiles()->currentText(), "Desk arm (in use)");
  using P = KoArmProfile;
  using J = KoArmJoints;
  const auto joint = [](P& p, int j) -> KoArmJoint& { return p.joints.joints[j]; };
  const struct {
    const char* field;
    QVariant value;
    std::function<void(P&)> expect;
  } edits[] = {
      {"forearm", 99.9, [](P& p) { p.linksMm[P::kForearm] = 99.9; }},
      {"base_channel", 16, [&](P& p) { joint(p, J::kBase).channel = 16; }},
      {"elbow_at1000", -100, [&](P& p) { joint(p, J::kElbow).angleAt1000 = -100; }},
      {"channel1_name", " Claw ", [](P& p) { p.channels[0].name = "Claw"; }},
      {"channel5_highest", 500, [](P& p) { p.channels[4].highest = 500; }},
      {"channel6_reversed", {}, [](P& p) { p.channels[5].reversed = false; }},
  };
  KoArmProfile expected = deskArm();
  for (const auto& e : edits) {
    SCOPED_TRACE(e.field);
    QWidget* w = field(QLatin1String(e.field));
    if (auto* whole = qobject_cast<QSpinBox*>(w)) {
      whole->setValue(e.value.toInt());
    } else if (auto* real = qobject_cast<QDoubleSpinBox*>(w)) {
      real->setValue(e.value.toDouble());
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
      typeInto(line, e.value.toString());
    } else {
      ASSERT_NE(qobject_cast<QCheckBox*>(w), nullptr);
      static_cast<QCheckBox*>(w)->click();
    }
    e.expect(expected);
    EXPECT_EQ(stored("Desk arm"), expected);
  }
  EXPECT_EQ(stored("Spare"), spare());
  EXPECT_EQ(state.saves, 0);

  use("Spare");
  EXPECT_DOUBLE_EQ(field<QDoubleSpinBox>("hand")->value(), 90);
  EXPECT_EQ(state.kept.chosenName(), "Spare");
  EXPECT_EQ(profiles()->itemText(2), "Spare (in use)");
  EXPECT_FALSE(button("use")->isEnabled());
}

TEST_F(ArmProfileDialogTest, TheShippedProfileIsReadOnlyAndCopiesTakeFreeNames) {
  pick(kShipped);
  const QString why = text("readOnlyNote");
  EXPECT_TRUE(why.contains("Copy")) << why.toStdString();
  for (const char* name : {"name", "hand", "elbow_at0", "channel6_highest", "channel2_reversed"})
    EXPECT_FALSE(field(QLatin1String(name))->isEnabled()) << name;
  EXPECT_FALSE(button("delete")->isEnabled());
  EXPECT_TRUE(button("export")->isEnabled());

  button("copy")->click();
  pick("Desk arm");
  EXPECT_TRUE(field<QLabel>("readOnlyNote")->isHidden());
  spin("channel3_lowest")->setValue(200);
  button("copy")->click();
  EXPECT_EQ(names(),
            QStringList({kShipped, "Desk arm", "Spare", "Vorn arm copy", "Desk arm copy"}));
  EXPECT_EQ(state.kept.chosenName(), "Desk arm");
  KoArmProfile expected = deskArm();
  expected.name = "Desk arm copy";
  expected.channels[2].lowest = 200;
  EXPECT_EQ(stored(expected.name), expected);

  pick("Desk arm");
  typeInto(field<QLineEdit>("name"), "Bench");
  EXPECT_EQ(names(), QStringList({kShipped, "Bench", "Spare", "Vorn arm copy", "Desk arm copy"}));
  EXPECT_EQ(state.kept.chosenName(), "Bench");
  EXPECT_EQ(profiles()->itemText(1), "Bench (in use)");
}

// An empty or taken name, or a lowest above its highest, holds OK and the list while the store
// keeps the last sound value. Delete offers Cancel first and shows a neighbour.
TEST_F(ArmProfileDialogTest, FaultsAreSaidWhereTheyAreAndHoldOkAndDeleteAsksFirst) {
  auto* name = field<QLineEdit>("name");
  for (const QString bad : {"   ", "Vorn arm", " Spare "}) {
    SCOPED_TRACE(bad.toStdString());
    typeInto(name, bad);
    const QString fault = text("nameFault");
    EXPECT_FALSE(fault.isEmpty());
    EXPECT_TRUE(fault.contains(bad.trimmed()));
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_FALSE(profiles()->isEnabled());
    const QStringList kept = names();
    EXPECT_EQ(QSet<QString>(kept.begin(), kept.end()).size(), 3);
    EXPECT_FALSE(kept.contains(QString()));
  }
  typeInto(name, "Desk arm");
  EXPECT_TRUE(text("nameFault").isEmpty());

  QSpinBox* lowest = spin("channel2_lowest");
  lowest->setValue(950);
  const QString fault = text("rangeFault");
  EXPECT_TRUE(fault.contains("Channel 2") && fault.contains("950")) << fault.toStdString();
  EXPECT_FALSE(ok()->isEnabled());
  EXPECT_FALSE(button("export")->isEnabled());
  EXPECT_EQ(stored("Desk arm").channels[1].lowest, 100);

  spin("channel2_highest")->setValue(950);  // one position is a range
  EXPECT_TRUE(field<QLabel>("rangeFault")->isHidden());
  EXPECT_TRUE(ok()->isEnabled());
  const KoChannelProfile kept = stored("Desk arm").channels[1];
  EXPECT_EQ(std::pair(kept.lowest, kept.highest), std::pair(950, 950));

  pick("Spare");
  button("delete")->click();  // no answer queued: the question is declined
  ASSERT_EQ(prompter().destructive.size(), 1);
  EXPECT_TRUE(prompter().destructive[0].contains("Spare"));
  EXPECT_EQ(names(), QStringList({kShipped, "Desk arm", "Spare"}));

  prompter().answers = {true};
  button("delete")->click();
  EXPECT_EQ(names(), QStringList({kShipped, "Desk arm"}));
  EXPECT_EQ(dialog->shownName(), "Desk arm");

  // Deleting the chosen profile leaves the shipped one chosen.
  prompter().answers = {true};
  button("delete")->click();
  EXPECT_EQ(state.kept.chosenName(), kShipped);
  EXPECT_EQ(dialog->shownName(), kShipped);
}

// OK writes the store once and tells the program only when the chosen profile changed; Cancel
// after the same steps writes nothing and tells nobody.
TEST_F(ArmProfileDialogTest, OkPostsForTheChosenProfileOnlyAndCancelKeepsAll) {
  const std::tuple<const char*, bool, std::function<void()>> changes[] = {
      {"nothing", false, [] {}},
      {"edit the chosen", true, [this] { spin("base_channel")->setValue(3); }},
      {"choose another", true, [this] { use("Spare"); }},
  };
  QSignalSpy posted(&KoNotificationCenter::defaultCenter(),
                    &KoNotificationCenter::armProfileChanged);
  for (const bool accept : {true, false}) {
    for (const auto& [what, posts, change] : changes) {
      SCOPED_TRACE(std::string(what) + (accept ? ", OK" : ", Cancel"));
      fresh();
      change();
      posted.clear();
      (accept ? ok() : button("cancel"))->click();
      EXPECT_EQ(dialog->result(), accept ? QDialog::Accepted : QDialog::Rejected);
      EXPECT_EQ(state.saves, accept ? 1 : 0);
      EXPECT_EQ(posted.size(), accept && posts ? 1 : 0);
    }
  }

  // Profiles that cannot be kept: said, and the dialog stays open with the changes to export.
  open();
  use("Spare");
  state.saved = QSettings::AccessError;
  ok()->click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(posted.isEmpty());
  ASSERT_EQ(tips().size(), 1);
  EXPECT_TRUE(tips()[0].startsWith("The arm profiles could not be written to "))
      << tips()[0].toStdString();
}

TEST_F(ArmProfileDialogTest, ExportedProfilesImportAgainAndFileFaultsChangeNothing) {
  QString error;
  ASSERT_FALSE(KoArmProfile::fromJson("{\"name\": 3", &error));
  using A = KoArmProfileDialog::FileAction;
  const struct {
    A action;
    QString path;
    QString file;
    QString reason;
  } cases[] = {
      {A::Import, write("bad.json", "{\"name\": 3"), "bad.json", error},
      {A::Import, dir.filePath("gone.json"), "gone.json",
       KoTools::describe(KoTools::FileError::NotFound)},
      {A::Export, dir.filePath("no folder/arm.json"), "no folder",
       "could not be written: " + KoTools::describe(KoTools::FileError::NotFound)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    tips().clear();
    asked.clear();
    chosenPath = c.path;
    button(c.action == A::Import ? "import" : "export")->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].first, c.action);
    ASSERT_EQ(tips().size(), 1);
    EXPECT_TRUE(tips()[0].contains(c.file) && tips()[0].contains(c.reason))
        << tips()[0].toStdString();
    EXPECT_EQ(names(), QStringList({kShipped, "Desk arm", "Spare"}));
    EXPECT_EQ(dialog->shownName(), "Desk arm");
    EXPECT_TRUE(text("status").isEmpty());
  }

  // What the dialog exports it imports again, as it was edited, under a free name.
  tips().clear();
  spin("channel4_highest")->setValue(640);
  KoArmProfile edited = deskArm();
  edited.channels[3].highest = 640;
  chosenPath = dir.filePath("desk");
  button("export")->click();
  EXPECT_TRUE(text("status").contains("desk.json"));
  chosenPath += ".json";
  EXPECT_EQ(KoArmProfile::fromJson(read(chosenPath)), std::optional(edited));
  button("import")->click();
  edited.name = "Desk arm 2";
  EXPECT_EQ(dialog->shownName(), edited.name);
  EXPECT_EQ(stored(edited.name), edited);
  EXPECT_TRUE(text("status").contains(edited.name));
  EXPECT_EQ(names().size(), 4);
  EXPECT_EQ(state.kept.chosenName(), "Desk arm");

  // The export proposes the profile's name as a file name.
  typeInto(field<QLineEdit>("name"), "Arm 2/3: test");
  chosenPath.clear();  // cancelled
  button("export")->click();
  EXPECT_EQ(asked.last().second, "Arm 2_3_ test.json");
  EXPECT_TRUE(tips().isEmpty());
}

}  // namespace
