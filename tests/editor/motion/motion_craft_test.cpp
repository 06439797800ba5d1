#include <QtTest>
#include <QtWidgets>

#include "editor/motion/curve_view.h"
#include "editor/motion/easing_dialog.h"
#include "editor/motion/motion_craft.h"
#include "editor_fixture.h"
#include "model/action_file.h"
#include "session/arm_ranges.h"

namespace {

using A = EditorAction;

// Four frames of a second each; channel 2 absent from the third, channel 1 past the top in
// the last (as a file may hold it).
const QByteArray kRecords =
    hex("e803 6400 6400 6400 6400 6400 6400"
        "e803 8403 c800 c800 c800 c800 c800"
        "e803 2c01 5555 2c01 2c01 2c01 2c01"
        "e803 dc05 9001 9001 9001 9001 9001");

// The craft on a list of its own, its questions answered at once as the dialogs would on OK.
class MotionCraftTest : public ::testing::Test {
 protected:
  MotionCraftTest() {
    model.replaceAll(KoTools::readVelmarData(actionImage(kRecords)));
    history.markSaved();
    craft.setSelection([this] { return rows; });
    craft.setRanges(&ranges);
    craft.setAskers(
        [this] {
          ++asked;
          return std::optional(KoMotionCraft::EaseChoice{easing::kInOut, 100});
        },
        [this] {
          ++asked;
          return std::optional(easing::Channels{true, false, false, false, false, false});
        });
  }
  QByteArray image() const { return KoTools::changeToData(model.frames()); }

  KoFrameListModel model;
  KoFrameHistory history{&model};
  KoArmRanges ranges;
  KoMotionCraft craft{&model, &history};
  QList<int> rows;
  int asked = 0;
};

// Each action changes the list as one step back, and undo gives the same bytes.
// Easing frames not next to each other, or reversing one frame, is refused before any question.
TEST_F(MotionCraftTest, EachActionIsOneUndoStepAndRefusalsLeaveTheListAsItWas) {
  const struct {
    A action;
    QList<int> rows;
    int frames;    // in the list after
    int channel1;  // of the frame in the selection's first row after
  } cases[] = {
      {A::Ease, {1, 2, 3}, 4 + 2 * 9, 900},  // 1000 ms moves at 100 ms: ten steps each
      {A::Mirror, {}, 4, 900},               // 100 -> 900 in the current row, the first
      {A::Reverse, {1, 2, 3}, 4, 1000},      // the last frame's pose first
  };
  const QByteArray before = image();
  for (const auto& [action, rows, tip] : {std::tuple{A::Ease, QList<int>{0, 2}, "craft_choose_two"},
                                          {A::Reverse, QList<int>{2}, "craft_choose_reverse"}}) {
    SCOPED_TRACE(tip);
    this->rows = rows;
    tips().clear();
    craft.buttonClick(action);
    processPending();
    EXPECT_EQ(tips(), QStringList{tip});
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(image(), before);
  }
  tips().clear();
  for (const auto& c : cases) {
    SCOPED_TRACE(tagOf(c.action));
    rows = c.rows;
    model.setSelectIndex(0);
    const int stepsBefore = history.index();
    craft.buttonClick(c.action);
    processPending();
    EXPECT_TRUE(tips().isEmpty()) << tips().join(u'|').toStdString();
    ASSERT_EQ(model.count(), c.frames);
    EXPECT_EQ(model.frameAt(c.rows.value(0))->id(1), c.channel1);
    EXPECT_EQ(model.timeSum(), 4000);
    EXPECT_EQ(history.index(), stepsBefore + 1);
    history.undo();
    EXPECT_EQ(image(), before);
  }
  EXPECT_FALSE(history.modified());
}

// A list near a group's frames eases what fits and names the move that would not.
TEST_F(MotionCraftTest, EasingPastTheGroupsFramesIsRefusedNamingTheMove) {
  const int room = 12;
  VelmarFrames frames = model.frames();
  while (frames.size() < limits::kMaxFramesPerGroup - room) frames.append(frames[1]->copy());
  model.replaceAll(frames);
  model.flushRenumbering();
  const QByteArray before = image();
  const int stepsBefore = history.index();
  rows = {0, 1, 2};  // nine frames each at 100 ms: the second move does not fit
  tips().clear();
  EXPECT_FALSE(craft.ease(easing::kIn, 100));
  EXPECT_EQ(tips(), QStringList{"craft_over_budget"});
  EXPECT_EQ(image(), before);
  EXPECT_EQ(history.index(), stepsBefore);

  // The dialog says the same before anything is done, and offers no OK.
  KoCurveView view(&model);
  KoEasingDialog dialog(&craft, &view);
  dialog.stepBox()->setValue(100);
  EXPECT_EQ(dialog.planLabel()->text(), "craft_over_budget");
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  EXPECT_FALSE(view.showsPreview());
  // A longer step makes it fit: five steps each, eight frames more.
  dialog.stepBox()->setValue(200);
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  EXPECT_EQ(dialog.planLabel()->text(), "craft_will_add");
  EXPECT_TRUE(craft.ease(dialog.choice().curve, dialog.choice().stepMs));
  EXPECT_EQ(model.count(), limits::kMaxFramesPerGroup - room + 8);
}

// While the easing dialog is open the curve view shows the steps the choice would put in.
// The mirror dialog offers the base's channel.
TEST_F(MotionCraftTest, TheDialogsPreviewTheStepsOnTheCurvesAndOfferTheBaseToMirror) {
  KoCurveView view(&model);
  view.resize(600, 200);
  view.show();
  processPending();
  rows = {0, 1};
  {
    KoEasingDialog dialog(&craft, &view);
    dialog.curveBox()->setCurrentIndex(dialog.curveBox()->findText("craft_curve_in"));
    dialog.stepBox()->setValue(250);
    ASSERT_TRUE(view.showsPreview());
    // Four steps from 100 to 900 on channel 1: the first lies low, nearer the start, as
    // easing in does; the last on the frame's own point.
    const QPointF start = *view.previewPoint(0, 0, 1);
    const QPointF first = *view.previewPoint(0, 1, 1);
    const QPointF last = *view.previewPoint(0, 4, 1);
    EXPECT_FALSE(view.previewPoint(0, 5, 1));
    EXPECT_NEAR(start.x(), view.pointOf(0, 1).x(), 0.5);
    EXPECT_NEAR(last.x(), view.pointOf(1, 1).x(), 0.5);
    EXPECT_NEAR(last.y(), view.pointOf(1, 1).y(), 0.5);
    const double share = (start.y() - first.y()) / (start.y() - last.y());
    EXPECT_NEAR(share, easing::kIn.at(0.25), 0.01);
    EXPECT_EQ(dialog.choice().curve, easing::kIn);

    // Tab reaches the curve, and a handle moved from the keyboard makes it a custom one.
    for (int i = 0; i < 9 && dialog.focusWidget() != dialog.editor(); ++i)
      QTest::keyClick(&dialog, Qt::Key_Tab);
    ASSERT_EQ(dialog.focusWidget(), dialog.editor());
    QTest::keyClick(dialog.editor(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(dialog.curveBox()->currentText(), "craft_curve_custom");
    EXPECT_NEAR(dialog.choice().curve.y1, easing::kIn.y1 + KoBezierEditor::kBigKeyStep, 1e-9);
    EXPECT_LT(view.previewPoint(0, 1, 1)->y(), first.y());
    QTest::keyClick(dialog.editor(), Qt::Key_Space);  // takes the other handle
    QTest::keyClick(dialog.editor(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_NEAR(dialog.choice().curve.x2, easing::kIn.x2 - KoBezierEditor::kBigKeyStep, 1e-9);
  }
  EXPECT_FALSE(view.showsPreview());
  // Nor does a preview outlive a change of the frames it was made from.
  view.setPreview(craft.plan(easing::kOut, 100));
  ASSERT_TRUE(view.showsPreview());
  model.replaceAt(1, model.frameAt(1)->copy());
  EXPECT_FALSE(view.showsPreview());

  KoArmProfile profile = KoArmProfile::shipped();
  profile.joints.joints[KoArmJoints::kBase].channel = 4;
  ranges.setProfile(profile);
  const easing::Channels base = craft.defaultMirrorChannels();
  EXPECT_EQ(base, (easing::Channels{false, false, false, true, false, false}));
  KoMirrorDialog dialog(base, &ranges);
  EXPECT_TRUE(dialog.boxes()[3]->isChecked());
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.boxes()[3]->setChecked(false);
  EXPECT_FALSE(dialog.okButton()->isEnabled());
}

}  // namespace
