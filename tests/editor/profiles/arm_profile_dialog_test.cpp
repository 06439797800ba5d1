#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <functional>

#include "editor/profiles/arm_profile_dialog.h"
#include "model/file_io.h"
#include "model/language.h"
#include "model/notification_center.h"
#include "recording_prompter.h"
#include "temp_files.h"
#include "wait.h"

// Readable failures of QString comparisons.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace {

// A reference: the name itself is set up in another file, maybe after this one.
const QString& kShipped = KoArmProfile::kShippedName;

// Profiles kept in memory, shared with the test after the dialog has taken the store. Its
// free names follow the documented pattern ("base", "base 2", ...).
struct StoreState {
  QList<KoArmProfile> profiles;
  QString chosen;
  int saves = 0;
  QSettings::Status saved = QSettings::NoError;
};

class FakeStore final : public KoArmProfileStore {
 public:
  explicit FakeStore(StoreState& state) : s_(state) {}
  QList<KoArmProfile> all() const override { return s_.profiles; }
  QString chosenName() const override { return s_.chosen; }
  bool choose(const QString& name) override {
    if (indexOf(name) < 0) return false;
    s_.chosen = name;
    return true;
  }
  bool put(const KoArmProfile& profile) override {
    if (profile.name.isEmpty() || profile.name == kShipped) return false;
    const int i = indexOf(profile.name);
    if (i < 0) {
      s_.profiles.append(profile);
    } else {
      s_.profiles[i] = profile;
    }
    return true;
  }
  bool remove(const QString& name) override {
    const int i = indexOf(name);
    if (i <= 0) return false;
    s_.profiles.removeAt(i);
    return true;
  }
  QString freeName(const QString& base) const override {
    QString name = base;
    for (int n = 2; indexOf(name) >= 0; ++n) name = QStringLiteral("%1 %2").arg(base).arg(n);
    return name;
  }
  QSettings::Status save() const override {
    ++s_.saves;
    return s_.saved;
  }

 private:
  int indexOf(const QString& name) const {
    for (int i = 0; i < s_.profiles.size(); ++i) {
      if (s_.profiles[i].name == name) return i;
    }
    return -1;
  }
  StoreState& s_;
};

KoArmProfile deskArm() {
  KoArmProfile p = KoArmProfile::shipped();
  p.name = QStringLiteral("Desk arm");
  p.linksMm = {80, 120.5, 100, 60};
  p.columnRadiusMm = 25;
  p.joints.joints[KoArmJoints::kElbow] = {4, 90, -90};
  p.channels[1] = {QStringLiteral("Roll"), 100, 900, false};
  p.channels[5] = {QStringLiteral("Turn"), 0, 1000, true};
  return p;
}

KoArmProfile spare() {
  KoArmProfile p = deskArm();
  p.name = QStringLiteral("Spare");
  p.linksMm[KoArmProfile::kHand] = 90;
  return p;
}

QStringList namesOf(const StoreState& state) {
  QStringList out;
  for (const KoArmProfile& p : state.profiles) out.append(p.name);
  return out;
}

KoArmProfile stored(const StoreState& state, const QString& name) {
  for (const KoArmProfile& p : state.profiles) {
    if (p.name == name) return p;
  }
  ADD_FAILURE() << "no profile " << name.toStdString();
  return {};
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
    KoLanguage::instance().install(QStringLiteral("en"));
    state.profiles = {KoArmProfile::shipped(), deskArm(), spare()};
    state.chosen = deskArm().name;
    KoArmProfileDialog::setFileChooser(
        [this](QWidget*, KoArmProfileDialog::FileAction action, const QString& suggested) {
          asked.append({action, suggested});
          return chosenPath;
        });
    open();
  }
  void TearDown() override { KoArmProfileDialog::setFileChooser({}); }

  void open() {
    dialog = std::make_unique<KoArmProfileDialog>(nullptr, std::make_unique<FakeStore>(state));
    dialog->show();
  }
  template <class T>
  T* field(const QString& name) const {
    T* w = dialog->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QComboBox* profiles() const { return field<QComboBox>(QStringLiteral("profiles")); }
  QPushButton* button(const char* name) const { return field<QPushButton>(QLatin1String(name)); }
  QPushButton* ok() const { return button("ok"); }
  QString text(const char* label) const { return field<QLabel>(QLatin1String(label))->text(); }
  // Picks the profile in the list as the user does.
  void pick(const QString& name) {
    const int i = profiles()->findData(name);
    ASSERT_GE(i, 0) << name.toStdString();
    profiles()->setCurrentIndex(i);
    emit profiles()->activated(i);
  }

  StoreState state;
  std::unique_ptr<KoArmProfileDialog> dialog;
  QString chosenPath;
  QList<std::pair<KoArmProfileDialog::FileAction, QString>> asked;
};

TEST_F(ArmProfileDialogTest, OpensOnTheChosenProfileMarkedAndAnotherCanBeChosen) {
  EXPECT_EQ(profiles()->currentText(), QStringLiteral("Desk arm (in use)"));
  EXPECT_DOUBLE_EQ(field<QDoubleSpinBox>(QStringLiteral("upperArm"))->value(), 120.5);
  EXPECT_TRUE(field<QCheckBox>(QStringLiteral("channel6_reversed"))->isChecked());
  EXPECT_FALSE(button("use")->isEnabled());

  pick(QStringLiteral("Spare"));
  EXPECT_DOUBLE_EQ(field<QDoubleSpinBox>(QStringLiteral("hand"))->value(), 90);
  button("use")->click();
  EXPECT_EQ(state.chosen, QStringLiteral("Spare"));
  EXPECT_EQ(profiles()->itemText(1), QStringLiteral("Desk arm"));
  EXPECT_EQ(profiles()->itemText(2), QStringLiteral("Spare (in use)"));
  EXPECT_FALSE(button("use")->isEnabled());
}

// Each field writes its own value into the shown profile, and nothing else.
TEST_F(ArmProfileDialogTest, EachFieldEditsItsOwnValue) {
  struct Edit {
    const char* field;
    std::function<void(QWidget*)> edit;
    std::function<void(KoArmProfile&)> expect;
  };
  const auto spin = [](int v) {
    return [v](QWidget* w) { static_cast<QSpinBox*>(w)->setValue(v); };
  };
  const auto real = [](double v) {
    return [v](QWidget* w) { static_cast<QDoubleSpinBox*>(w)->setValue(v); };
  };
  using P = KoArmProfile;
  const Edit edits[] = {
      {"column", real(81.5), [](P& p) { p.linksMm[P::kColumn] = 81.5; }},
      {"upperArm", real(130), [](P& p) { p.linksMm[P::kUpperArm] = 130; }},
      {"forearm", real(99.9), [](P& p) { p.linksMm[P::kForearm] = 99.9; }},
      {"hand", real(70), [](P& p) { p.linksMm[P::kHand] = 70; }},
      {"columnRadius", real(31), [](P& p) { p.columnRadiusMm = 31; }},
      {"base_channel", spin(16), [](P& p) { p.joints.joints[KoArmJoints::kBase].channel = 16; }},
      {"shoulder_at0", real(-45.5),
       [](P& p) { p.joints.joints[KoArmJoints::kShoulder].angleAt0 = -45.5; }},
      {"elbow_at1000", real(-100),
       [](P& p) { p.joints.joints[KoArmJoints::kElbow].angleAt1000 = -100; }},
      {"wrist_roll_channel", spin(9),
       [](P& p) { p.joints.joints[KoArmJoints::kWristRoll].channel = 9; }},
      {"gripper_at0", real(360),
       [](P& p) { p.joints.joints[KoArmJoints::kGripper].angleAt0 = 360; }},
      {"channel1_name", [](QWidget* w) { typeInto(static_cast<QLineEdit*>(w), " Claw "); },
       [](P& p) { p.channels[0].name = QStringLiteral("Claw"); }},
      {"channel2_lowest", spin(0), [](P& p) { p.channels[1].lowest = 0; }},
      {"channel2_highest", spin(1000), [](P& p) { p.channels[1].highest = 1000; }},
      {"channel5_highest", spin(500), [](P& p) { p.channels[4].highest = 500; }},
      {"channel6_reversed", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); },
       [](P& p) { p.channels[5].reversed = false; }},
  };
  KoArmProfile expected = deskArm();
  for (const Edit& e : edits) {
    SCOPED_TRACE(e.field);
    QWidget* w = field<QWidget>(QLatin1String(e.field));
    ASSERT_NE(w, nullptr);
    e.edit(w);
    e.expect(expected);
    EXPECT_EQ(stored(state, QStringLiteral("Desk arm")), expected);
  }
  EXPECT_EQ(stored(state, QStringLiteral("Spare")), spare());
  EXPECT_EQ(state.saves, 0);
}

TEST_F(ArmProfileDialogTest, ShippedProfileIsShownReadOnlyWithTheReason) {
  pick(kShipped);
  EXPECT_FALSE(field<QLabel>(QStringLiteral("readOnlyNote"))->isHidden());
  const QString why = text("readOnlyNote");
  EXPECT_TRUE(why.contains(QStringLiteral("Copy"))) << why.toStdString();
  int editable = 0;
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (!qobject_cast<QAbstractSpinBox*>(w) && !qobject_cast<QCheckBox*>(w) &&
        !(qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractSpinBox*>(w->parent()) &&
          !qobject_cast<QComboBox*>(w->parent()))) {
      continue;
    }
    ++editable;
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(w->toolTip(), why) << w->objectName().toStdString();
  }
  EXPECT_EQ(editable, 1 + 5 + 3 * KoArmJoints::kJointCount + 4 * limits::kArmChannels);
  EXPECT_FALSE(button("delete")->isEnabled());
  EXPECT_TRUE(button("copy")->isEnabled());
  EXPECT_TRUE(button("export")->isEnabled());

  pick(QStringLiteral("Spare"));
  EXPECT_TRUE(field<QLabel>(QStringLiteral("readOnlyNote"))->isHidden());
  EXPECT_TRUE(field<QSpinBox>(QStringLiteral("channel1_lowest"))->isEnabled());
  EXPECT_TRUE(field<QSpinBox>(QStringLiteral("channel1_lowest"))->toolTip().isEmpty());
  EXPECT_TRUE(button("delete")->isEnabled());
}

TEST_F(ArmProfileDialogTest, CopiesTakeFreeNamesAndRenamesKeepTheOrder) {
  pick(kShipped);
  button("copy")->click();
  pick(kShipped);
  button("copy")->click();
  pick(QStringLiteral("Desk arm"));
  field<QSpinBox>(QStringLiteral("channel3_lowest"))->setValue(200);
  button("copy")->click();
  EXPECT_EQ(namesOf(state), QStringList({kShipped, "Desk arm", "Spare", "Vorn arm copy",
                                         "Vorn arm copy 2", "Desk arm copy"}));
  EXPECT_EQ(state.chosen, QStringLiteral("Desk arm"));
  KoArmProfile expected = deskArm();
  expected.name = QStringLiteral("Desk arm copy");
  expected.channels[2].lowest = 200;
  EXPECT_EQ(stored(state, expected.name), expected);
  // The copy is shown, its name ready to be typed over.
  auto* name = field<QLineEdit>(QStringLiteral("name"));
  EXPECT_EQ(name->selectedText(), expected.name);

  pick(QStringLiteral("Desk arm"));
  typeInto(name, QStringLiteral("Bench"));
  EXPECT_EQ(namesOf(state), QStringList({kShipped, "Bench", "Spare", "Vorn arm copy",
                                         "Vorn arm copy 2", "Desk arm copy"}));
  EXPECT_EQ(state.chosen, QStringLiteral("Bench"));
  EXPECT_EQ(profiles()->itemText(1), QStringLiteral("Bench (in use)"));
}

TEST_F(ArmProfileDialogTest, NameMustBeGivenAndFree) {
  auto* name = field<QLineEdit>(QStringLiteral("name"));
  for (const QString bad : {"", "   ", "Spare", "Vorn arm", " Spare "}) {
    SCOPED_TRACE(bad.toStdString());
    typeInto(name, bad);
    const QString fault = text("nameFault");
    EXPECT_FALSE(fault.isEmpty());
    if (!bad.trimmed().isEmpty()) {
      EXPECT_TRUE(fault.contains(bad.trimmed()));
    }
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_FALSE(profiles()->isEnabled());
    EXPECT_FALSE(button("copy")->isEnabled());
    // The store has the last sound name typed on the way, never the refused one.
    const QStringList names = namesOf(state);
    EXPECT_EQ(names.size(), 3);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 3);
    EXPECT_FALSE(names.contains(QString()));
    dialog->accept();
    EXPECT_EQ(state.saves, 0);
  }
  // Pasted, since typing drops them: a name that hides what it is, or steers a terminal.
  QGuiApplication::clipboard()->setText(QStringLiteral("Arm\u202e"));
  name->selectAll();
  name->paste();
  EXPECT_EQ(text("nameFault"),
            QStringLiteral("The name holds U+202E, a character that cannot be shown."));
  EXPECT_FALSE(ok()->isEnabled());
  EXPECT_FALSE(namesOf(state).contains(QStringLiteral("Arm\u202e")));
  typeInto(name, QStringLiteral("Desk arm"));
  EXPECT_TRUE(text("nameFault").isEmpty());
  EXPECT_TRUE(ok()->isEnabled());
}

// OK whose profiles cannot be kept says so and stays open, the changes there to export.
TEST_F(ArmProfileDialogTest, OkThatCannotKeepTheProfilesSaysSoAndStaysOpen) {
  QSignalSpy posted(&KoNotificationCenter::defaultCenter(),
                    &KoNotificationCenter::armProfileChanged);
  pick(QStringLiteral("Spare"));
  button("use")->click();
  state.saved = QSettings::AccessError;
  ok()->click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_TRUE(posted.isEmpty());
  const QStringList& tips = RecordingPrompter::instance().tips;
  ASSERT_EQ(tips.size(), 1);
  EXPECT_TRUE(tips[0].startsWith(QStringLiteral("The arm profiles could not be written to ")))
      << tips[0].toStdString();

  state.saved = QSettings::NoError;
  ok()->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(posted.size(), 1);
  EXPECT_EQ(tips.size(), 1);
}

TEST_F(ArmProfileDialogTest, LowestAboveHighestIsRefusedWhereItIs) {
  auto* lowest = field<QSpinBox>(QStringLiteral("channel2_lowest"));
  auto* highest = field<QSpinBox>(QStringLiteral("channel2_highest"));
  lowest->setValue(950);
  const QString fault = text("rangeFault");
  EXPECT_TRUE(fault.contains(QStringLiteral("Channel 2"))) << fault.toStdString();
  EXPECT_TRUE(fault.contains(QStringLiteral("950")));
  EXPECT_FALSE(field<QLabel>(QStringLiteral("rangeFault"))->isHidden());
  EXPECT_EQ(lowest->accessibleDescription(), fault);
  EXPECT_EQ(highest->accessibleDescription(), fault);
  EXPECT_EQ(dialog->faults(), QStringList{fault});
  EXPECT_FALSE(ok()->isEnabled());
  EXPECT_FALSE(profiles()->isEnabled());
  EXPECT_FALSE(button("export")->isEnabled());
  // The store keeps the last sound range; OK does nothing meanwhile.
  EXPECT_EQ(stored(state, QStringLiteral("Desk arm")).channels[1].lowest, 100);
  dialog->accept();
  EXPECT_EQ(state.saves, 0);
  EXPECT_TRUE(dialog->isVisible());

  highest->setValue(950);  // equal ends hold one position, which is allowed
  EXPECT_TRUE(dialog->faults().isEmpty());
  EXPECT_TRUE(field<QLabel>(QStringLiteral("rangeFault"))->isHidden());
  EXPECT_TRUE(lowest->accessibleDescription().isEmpty());
  EXPECT_TRUE(ok()->isEnabled());
  const KoChannelProfile kept = stored(state, QStringLiteral("Desk arm")).channels[1];
  EXPECT_EQ(std::pair(kept.lowest, kept.highest), std::pair(950, 950));
}

TEST_F(ArmProfileDialogTest, DeleteAsksWithCancelFirstAndShowsANeighbour) {
  auto& prompter = RecordingPrompter::instance();
  pick(QStringLiteral("Spare"));
  button("delete")->click();  // no answer queued: the question is declined
  ASSERT_EQ(prompter.destructive.size(), 1);
  EXPECT_TRUE(prompter.destructive[0].contains(QStringLiteral("Spare")));
  EXPECT_EQ(namesOf(state), QStringList({kShipped, "Desk arm", "Spare"}));

  prompter.answers = {true};
  button("delete")->click();
  EXPECT_EQ(namesOf(state), QStringList({kShipped, "Desk arm"}));
  EXPECT_EQ(dialog->shownName(), QStringLiteral("Desk arm"));
  EXPECT_EQ(state.chosen, QStringLiteral("Desk arm"));

  // Deleting the chosen profile leaves the shipped one chosen.
  prompter.answers = {true};
  button("delete")->click();
  EXPECT_EQ(namesOf(state), QStringList({kShipped}));
  EXPECT_EQ(state.chosen, kShipped);
  EXPECT_EQ(dialog->shownName(), kShipped);
  EXPECT_FALSE(button("delete")->isEnabled());
  EXPECT_EQ(prompter.destructive.size(), 3);
}

// OK writes the store once and tells the program only when the chosen profile changed; Cancel
// after the same steps writes nothing and tells nobody.
TEST_F(ArmProfileDialogTest, OkPostsForTheChosenProfileOnlyAndCancelKeepsAll) {
  struct Case {
    const char* what;
    std::function<void()> act;
    bool posts;
  };
  const Case cases[] = {
      {"nothing", [] {}, false},
      {"edit the chosen", [this] { field<QSpinBox>(QStringLiteral("base_channel"))->setValue(3); },
       true},
      {"rename the chosen", [this] { typeInto(field<QLineEdit>(QStringLiteral("name")), "Bench"); },
       true},
      {"edit another",
       [this] {
         pick(QStringLiteral("Spare"));
         field<QCheckBox>(QStringLiteral("channel1_reversed"))->click();
       },
       false},
      {"choose another",
       [this] {
         pick(QStringLiteral("Spare"));
         button("use")->click();
       },
       true},
      {"choose another and back",
       [this] {
         pick(kShipped);
         button("use")->click();
         pick(QStringLiteral("Desk arm"));
         button("use")->click();
       },
       false},
      {"copy the chosen", [this] { button("copy")->click(); }, false},
      {"delete the chosen",
       [this] {
         RecordingPrompter::instance().answers = {true};
         button("delete")->click();
       },
       true},
  };
  QSignalSpy posted(&KoNotificationCenter::defaultCenter(),
                    &KoNotificationCenter::armProfileChanged);
  for (const bool accept : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (accept ? ", OK" : ", Cancel"));
      state = {{KoArmProfile::shipped(), deskArm(), spare()}, deskArm().name, 0};
      open();
      c.act();
      posted.clear();
      if (accept) {
        ok()->click();
      } else {
        button("cancel")->click();
      }
      EXPECT_EQ(dialog->result(), accept ? QDialog::Accepted : QDialog::Rejected);
      EXPECT_EQ(state.saves, accept ? 1 : 0);
      EXPECT_EQ(posted.size(), accept && c.posts ? 1 : 0);
    }
  }
}

// A file that cannot be read or written is named with the reason, and nothing changes.
TEST_F(ArmProfileDialogTest, FileFaultsNameTheFileAndChangeNothing) {
  QString error;
  ASSERT_FALSE(KoArmProfile::fromJson("{\"name\": 3", &error));
  const QString fifo = dir.filePath(QStringLiteral("pipe.json"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  KoArmProfile rtl = deskArm();
  rtl.name = QStringLiteral("Arm \u202e");
  const QByteArray rightToLeft = rtl.toJson();
  struct Case {
    KoArmProfileDialog::FileAction action;
    QString path;
    QString file;
    QString reason;
  };
  using A = KoArmProfileDialog::FileAction;
  const Case cases[] = {
      {A::Import, dir.filePath(QStringLiteral("missing.json")), "missing.json", "cannot be read"},
      {A::Import, write(QStringLiteral("big.json"), QByteArray(2 << 20, ' ')), "big.json",
       "too large"},
      {A::Import, write(QStringLiteral("bad.json"), "{\"name\": 3"), "bad.json", error},
      {A::Import, fifo, "pipe.json", "cannot be read"},  // refused at once, not waited on
      {A::Import, write(QStringLiteral("rtl.json"), rightToLeft), "rtl.json", "name: holds U+202E"},
      {A::Export, dir.filePath(QStringLiteral("no folder/arm.json")), "no folder",
       "could not be written: " + KoTools::describe(KoTools::FileError::NotFound)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    auto& tips = RecordingPrompter::instance().tips;
    tips.clear();
    asked.clear();
    chosenPath = c.path;
    button(c.action == A::Import ? "import" : "export")->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].first, c.action);
    ASSERT_EQ(tips.size(), 1);
    EXPECT_TRUE(tips[0].contains(c.file)) << tips[0].toStdString();
    EXPECT_TRUE(tips[0].contains(c.reason)) << tips[0].toStdString();
    EXPECT_EQ(namesOf(state), QStringList({kShipped, "Desk arm", "Spare"}));
    EXPECT_EQ(dialog->shownName(), QStringLiteral("Desk arm"));
    EXPECT_TRUE(text("status").isEmpty());
  }
  // The export proposes the profile's name as a file name.
  typeInto(field<QLineEdit>(QStringLiteral("name")), QStringLiteral("Arm 2/3: test"));
  chosenPath.clear();  // cancelled
  button("export")->click();
  EXPECT_EQ(asked.value(1).second, QStringLiteral("Arm 2_3_ test.json"));
  EXPECT_EQ(RecordingPrompter::instance().tips.size(), 1);
}

TEST_F(ArmProfileDialogTest, TabVisitsEveryFieldRowByRowAndEachHasAName) {
  QStringList expected{"profiles", "copy", "delete", "import", "export", "name"};
  for (const char* link : KoArmProfile::kLinkNames) expected.append(QLatin1String(link));
  expected.append(QStringLiteral("columnRadius"));
  for (const char* joint : KoArmJoints::kNames) {
    for (const char* column : {"_channel", "_at0", "_at1000"}) {
      expected.append(QLatin1String(joint) + QLatin1String(column));
    }
  }
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    for (const char* column : {"_name", "_lowest", "_highest", "_reversed"}) {
      expected.append(QStringLiteral("channel%1").arg(c) + QLatin1String(column));
    }
  }
  // The button box puts OK and Cancel in the platform's order.
  const QSet<QString> buttons{QStringLiteral("ok"), QStringLiteral("cancel")};

  for (const char* code : {"en", "zh-Hans", "zh-Hant"}) {
    SCOPED_TRACE(code);
    KoLanguage::instance().install(QLatin1String(code));
    emit KoNotificationCenter::defaultCenter().changeLanguage(nullptr);
    QStringList visited;
    QSet<QString> names;
    QWidget* w = profiles();
    do {
      if (w->isEnabled() && w->isVisibleTo(dialog.get()) && (w->focusPolicy() & Qt::TabFocus) &&
          !w->focusProxy()) {
        const QString id = w->objectName();
        visited.append(id);
        EXPECT_FALSE(w->accessibleName().isEmpty()) << id.toStdString();
        EXPECT_FALSE(names.contains(w->accessibleName())) << w->accessibleName().toStdString();
        names.insert(w->accessibleName());
      }
      w = w->nextInFocusChain();
    } while (w != profiles());
    EXPECT_EQ(visited.mid(0, expected.size()), expected);
    const QStringList last = visited.mid(expected.size());
    EXPECT_EQ(QSet<QString>(last.begin(), last.end()), buttons);
    EXPECT_EQ(last.size(), 2);
  }
  KoLanguage::instance().install(QStringLiteral("en"));
}

// The smallest window the program supports is 960 by 680; the dialog must fit it, title bar
// and all, in every language and with every fault shown.
TEST_F(ArmProfileDialogTest, FitsTheSmallestWindowInEveryLanguage) {
  const QSize room(960, 680 - 40);
  KoArmProfile longest = spare();
  longest.name = QString(80, u'W');
  state.profiles.append(longest);
  state.chosen = longest.name;
  open();
  pick(QStringLiteral("Desk arm"));
  typeInto(field<QLineEdit>(QStringLiteral("name")), longest.name);
  ASSERT_TRUE(text("nameFault").contains(longest.name));
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    field<QSpinBox>(QStringLiteral("channel%1_lowest").arg(c))->setValue(1000);
    field<QSpinBox>(QStringLiteral("channel%1_highest").arg(c))->setValue(999);
  }
  ASSERT_EQ(dialog->faults().size(), 1 + limits::kArmChannels);
  for (const char* code : {"en", "zh-Hans", "zh-Hant"}) {
    SCOPED_TRACE(code);
    KoLanguage::instance().install(QLatin1String(code));
    emit KoNotificationCenter::defaultCenter().changeLanguage(nullptr);
    dialog->layout()->activate();
    const QSize size = dialog->sizeHint();
    EXPECT_LE(size.width(), room.width());
    EXPECT_LE(size.height(), room.height());
    EXPECT_LE(dialog->heightForWidth(size.width()), room.height());
    if (QLatin1String(code) != QLatin1String("en")) {
      EXPECT_NE(dialog->windowTitle(), QStringLiteral("Arm profiles"));
    }
  }
  KoLanguage::instance().install(QStringLiteral("en"));
}

TEST(ArmProfileDialogEdit, OpensOverTheWindowWithoutWaitingAndGoesWhenClosed) {
  KoLanguage::instance().install(QStringLiteral("en"));
  QWidget window;
  window.show();
  KoArmProfileDialog::edit(&window);
  QPointer<KoArmProfileDialog> dialog = window.findChild<KoArmProfileDialog*>();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
  EXPECT_EQ(dialog->shownName(), KoArmProfiles::load().chosenName());
  dialog->reject();
  processPending();
  EXPECT_FALSE(dialog);
}

}  // namespace

// These need the profile's JSON and the settings' store.
namespace {

// What the dialog exports it imports again, as it was edited, under a free name.
TEST_F(ArmProfileDialogTest, ExportedProfilesImportUnderAFreeName) {
  field<QSpinBox>(QStringLiteral("channel4_highest"))->setValue(640);
  KoArmProfile edited = deskArm();
  edited.channels[3].highest = 640;
  chosenPath = dir.filePath(QStringLiteral("desk"));
  button("export")->click();
  EXPECT_TRUE(text("status").contains(QStringLiteral("desk.json")));
  const QString desk = chosenPath + QStringLiteral(".json");
  EXPECT_EQ(KoArmProfile::fromJson(read(desk)), std::optional(edited));
  KoArmProfile named = edited;
  named.name = kShipped;
  const QString shipped = write(QStringLiteral("shipped.json"), named.toJson());

  for (const auto& [path, name] :
       {std::pair{desk, "Desk arm 2"}, {desk, "Desk arm 3"}, {shipped, "Vorn arm 2"}}) {
    SCOPED_TRACE(name);
    chosenPath = path;
    button("import")->click();
    EXPECT_EQ(dialog->shownName(), QLatin1String(name));
    edited.name = QLatin1String(name);
    EXPECT_EQ(stored(state, edited.name), edited);
    EXPECT_TRUE(text("status").contains(edited.name));
  }
  EXPECT_TRUE(RecordingPrompter::instance().tips.isEmpty());
  EXPECT_EQ(namesOf(state).size(), 6);
  EXPECT_EQ(state.chosen, QStringLiteral("Desk arm"));
}

// The dialog on the settings: OK writes them, Cancel leaves them as they were.
TEST(ArmProfileDialogSettings, OkWritesTheSettingsAndCancelLeavesThem) {
  KoLanguage::instance().install(QStringLiteral("en"));
  QSettings().remove(QLatin1String(KoArmProfiles::kSettingsKey));
  QSettings().remove(QLatin1String(KoArmProfiles::kChosenKey));
  KoArmProfiles profiles = KoArmProfiles::load();
  ASSERT_TRUE(profiles.put(deskArm()));
  ASSERT_TRUE(profiles.choose(deskArm().name));
  ASSERT_EQ(profiles.save(), QSettings::NoError);

  for (const bool accept : {false, true}) {
    SCOPED_TRACE(accept ? "OK" : "Cancel");
    KoArmProfileDialog dialog;
    ASSERT_EQ(dialog.shownName(), deskArm().name);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("hand"))->setValue(64);
    dialog.findChild<QPushButton*>(QStringLiteral("copy"))->click();
    ASSERT_EQ(dialog.shownName(), QStringLiteral("Desk arm copy"));
    dialog.findChild<QPushButton*>(QStringLiteral("use"))->click();
    accept ? dialog.accept() : dialog.reject();

    const KoArmProfiles after = KoArmProfiles::load();
    KoArmProfile edited = deskArm();
    edited.linksMm[KoArmProfile::kHand] = 64;
    KoArmProfile copy = edited;
    copy.name = QStringLiteral("Desk arm copy");
    const QList<KoArmProfile> expected =
        accept ? QList<KoArmProfile>{KoArmProfile::shipped(), edited, copy}
               : QList<KoArmProfile>{KoArmProfile::shipped(), deskArm()};
    EXPECT_EQ(after.all(), expected);
    EXPECT_EQ(after.chosenName(), accept ? copy.name : deskArm().name);
  }
}

}  // namespace
