#include <QtTest>
#include <QtWidgets>

#include "editor/list/frame_cell_delegate.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/motion_controls.h"
#include "editor_fixture.h"
#include "model/arm_kinematics.h"
#include "model/notification_center.h"
#include "motion/motion_frames.h"
#include "session/arm_ranges.h"
#include "session/frame_marks.h"

namespace {

using A = EditorAction;
using Pose = std::array<int, 6>;

// The texts whose arguments a test reads, shown with them: "range_outside(ID:1,100,900)";
// every other text is its key, whatever language another test left installed.
class ArgumentsShown : public QTranslator {
 public:
  ArgumentsShown() { QCoreApplication::installTranslator(this); }
  ~ArgumentsShown() override { QCoreApplication::removeTranslator(this); }
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* id, const char*, int) const override {
    static const QHash<QByteArray, int> arguments{
        {"range_outside", 3},       {"strike_mark", 1},  {"mark_frame", 1},  {"strike_ask_run", 2},
        {"strike_ask_download", 2}, {"send_clamped", 4}, {"slider_range", 2}};
    const int count = arguments.value(QByteArray(id), 0);
    if (count == 0) return QString::fromLatin1(id);
    QStringList marks;
    for (int i = 1; i <= count; ++i) marks.append(QStringLiteral("%") + QString::number(i));
    return QStringLiteral("%1(%2)").arg(QLatin1String(id), marks.join(u','));
  }
};

// Narrowed ranges on the shipped arm's links, with a base column wide enough that poses
// within the ranges strike the ground, the column or both.
KoArmProfile testProfile() {
  KoArmProfile p = KoArmProfile::shipped();
  p.name = QStringLiteral("test arm");
  p.columnRadiusMm = 80;
  const std::pair<int, int> ranges[] = {{100, 900}, {200, 800}, {50, 950},
                                        {50, 950},  {50, 950},  {550, 850}};
  for (int c = 0; c < 6; ++c) std::tie(p.channels[c].lowest, p.channels[c].highest) = ranges[c];
  return p;
}

constexpr int kMark = KoFrameListModel::MarkRole;
constexpr Pose kSafe{500, 500, 500, 500, 500, 600};
constexpr Pose kGround{500, 500, 600, 150, 50, 600};
constexpr Pose kColumn{500, 500, 100, 50, 300, 600};
constexpr Pose kBoth{500, 500, 50, 50, 50, 600};

Pose with(Pose pose, int channel, int position) {
  pose[size_t(channel - 1)] = position;
  return pose;
}

QList<int> positionsOf(const KoVelmarPwmModel& f) {
  QList<int> out;
  for (int c = 1; c <= 6; ++c) out.append(f.isPresent(c) ? int(f.id(c)) : -1);
  return out;
}

TEST(ArmRanges, JudgePosesAsSentAndFollowTheChoice) {
  KoArmRanges ranges;
  KoArmProfile held = testProfile();
  held.channels[4].lowest = 400;
  ranges.setProfile(held);
  const VelmarFrame low = frameOf(with(kSafe, 5, 0));
  ASSERT_NE(kinematics::poseFaults(held, {500, 500, 500, 500, 0, 600}), kinematics::kNoFault);
  EXPECT_EQ(ranges.faults(*low), kinematics::kNoFault);

  QSignalSpy changed(&ranges, &KoArmRanges::profileChanged);
  KoNotificationCenter::defaultCenter().postArmProfileChanged();
  EXPECT_EQ(ranges.profile(), KoArmProfiles::current());
  EXPECT_EQ(changed.size(), 1);
}

TEST(FrameMarks, FollowEveryChangeAsAFreshLookWould) {
  Frames frames(5);
  KoFrameListModel model;
  model.setRenumberDelay(60000);
  KoArmRanges ranges;
  ranges.setProfile(testProfile());
  KoFrameMarks kept(&model, &ranges);
  KoArmProfile wider = testProfile();
  wider.columnRadiusMm = 0;
  wider.channels[0].lowest = 0;
  model.appendMany(frames.many(30));
  int marked = 0;
  for (int step = 0; step < 400; ++step) {
    const int row = frames.pick(0, std::max(0, model.count() - 1));
    switch (frames.pick(0, 4)) {
      case 0:
        model.setData(model.index(row, KoFrameListModel::kFirstChannelColumn + frames.pick(0, 5)),
                      QString::number(frames.pick(0, 1000)), Qt::EditRole);
        break;
      case 1:
        model.splice(row, frames.pick(0, 3), frames.many(frames.pick(0, 3)));
        break;
      case 2:
        model.appendMany(frames.many(frames.pick(1, 3)));
        break;
      case 3:
        ranges.setProfile(step % 2 ? wider : testProfile());
        break;
      default:
        if (step % 50 == 0) model.replaceAll(frames.many(frames.pick(0, 30)));
    }
    KoFrameMarks fresh(&model, &ranges);
    ASSERT_EQ(kept.count(), model.count()) << step;
    for (int r = 0; r < model.count(); ++r) {
      ASSERT_EQ(kept.at(r).outside, fresh.at(r).outside) << step << " row " << r;
      ASSERT_EQ(kept.at(r).faults, fresh.at(r).faults) << step << " row " << r;
      marked += bool(kept.at(r));
    }
  }
  EXPECT_GT(marked, 1000);  // the list was not all clean
}

// A frame outside a range is marked amber, one that would strike red, in the table's cells and
// behind it on the curves, and each says why; an edit or a new profile clears what it ends.
TEST(FrameMarks, TheTableAndTheCurvesShowTheMarksAndSayWhy) {
  ArgumentsShown shown;
  usbHid link;
  KoEditorSession session(link);
  session.ranges()->setProfile(testProfile());
  KoFrameListModel& model = *session.list();
  VelmarFrames frames;
  for (int i = 0; i < 12; ++i) frames.append(frameOf(i == 3 ? with(kGround, 2, 200) : kSafe));
  frames[7] = frameOf(with(with(kSafe, 1, 20), 2, 200));
  frames[9] = frameOf(with(kBoth, 1, 20));
  for (int i : {0, 5}) frames[i] = frameOf(with(kSafe, 2, 200));
  model.appendMany(frames);
  model.flushRenumbering();

  using Mark = KoFrameListModel::CellMark;
  const QColor outside = KoFrameCellDelegate::markColour(int(Mark::Outside));
  const QColor strike = KoFrameCellDelegate::markColour(int(Mark::Strike));
  const QString outside1 = "range_outside(ID:1 (arm_profile_joint_gripper),100,900)";
  // Channels by number, the frame number's column by 0.
  const auto cell = [&model](int row, int column) {
    return model.index(row, column == 0 ? KoFrameListModel::kPlayColumn
                                        : KoFrameListModel::kFirstChannelColumn + column - 1);
  };
  const std::tuple<int, int, QColor, QString> cells[] = {
      {0, 1, {}, ""},
      {7, 1, outside, outside1},
      {3, 0, strike, "strike_mark(strike_ground)"},
      {9, 1, outside, outside1 + "\nstrike_mark(strike_both)"},
      {9, 2, strike, "strike_mark(strike_both)"},
  };
  for (const auto& [row, column, colour, tip] : cells) {
    SCOPED_TRACE(testing::Message() << row << "," << column);
    EXPECT_EQ(KoFrameCellDelegate::markColour(cell(row, column).data(kMark).toInt()), colour);
    EXPECT_EQ(cell(row, column).data(Qt::ToolTipRole).toString(), tip);
  }
  QTableView table;
  table.setModel(&model);
  table.setItemDelegate(new KoFrameCellDelegate(&table));
  table.resize(900, 700);
  table.show();
  const QImage painted = table.viewport()->grab().toImage();
  const auto colourAt = [&](const QModelIndex& i) {
    return QColor(painted.pixel(table.visualRect(i).topLeft() + QPoint(2, 2)));
  };
  EXPECT_EQ(colourAt(cell(7, 1)), outside);
  EXPECT_EQ(colourAt(cell(3, 2)), strike);
  EXPECT_NE(colourAt(cell(7, 2)), outside);

  KoCurveView view(&model);
  view.setMarks(session.marks());
  view.resize(600, 220);
  view.show();
  processPending();
  // High on the plot, where no line runs: positions 500 and 200 give the scale.
  const double y500 = view.pointOf(0, 1).y();
  const double y900 = y500 - (view.pointOf(0, 2).y() - y500) * 4 / 3;
  const auto tintAt = [&](int row) {
    const QImage image = view.grab().toImage();
    return QColor(image.pixel(QPointF(view.pointOf(row, 1).x(), y900).toPoint()));
  };
  EXPECT_EQ(tintAt(3), KoCurveView::strikeTint());
  EXPECT_EQ(tintAt(7), KoCurveView::outsideTint());
  const QColor ground = tintAt(5);
  EXPECT_NE(ground, KoCurveView::strikeTint());
  EXPECT_NE(ground, KoCurveView::outsideTint());
  EXPECT_EQ(view.markTipAt(QPointF(view.pointOf(3, 1).x(), y900)),
            "mark_frame(4)\nstrike_mark(strike_ground)");
  const QPoint over = QPointF(view.pointOf(7, 1).x(), y900).toPoint();
  QHelpEvent hover(QEvent::ToolTip, over, view.mapToGlobal(over));
  QApplication::sendEvent(&view, &hover);
  EXPECT_EQ(QToolTip::text(), "mark_frame(8)\n" + outside1);

  // An edit that ends the strike and a profile that takes the range in repaint every row.
  model.setData(cell(3, 5), "500", Qt::EditRole);
  QSignalSpy repainted(&model, &QAbstractItemModel::dataChanged);
  KoArmProfile wider = testProfile();
  wider.channels[0].lowest = 0;
  session.ranges()->setProfile(wider);
  ASSERT_EQ(repainted.size(), 1);
  EXPECT_EQ(repainted[0][0].toModelIndex().row(), 0);
  EXPECT_EQ(repainted[0][1].toModelIndex().row(), model.count() - 1);
  processPending();
  EXPECT_EQ(tintAt(3), ground);
  EXPECT_EQ(tintAt(7), ground);
}

class ArmRangeTest : public EditorOnBoardFixture {
 protected:
  void SetUp() override {
    EditorOnBoardFixture::SetUp();
    editor.armRanges()->setProfile(testProfile());
    processPending();
  }

  KoFrameListModel* model() const { return editor.model(); }
  KoVelmarSliderView* card(int channel) const { return editor.panView()->sliders()[channel - 1]; }
  void type(int channel, const QString& text) {
    card(channel)->textField()->selectAll();
    QTest::keyClicks(card(channel)->textField(), text);
  }
  void enter(int channel, const QString& text) {
    type(channel, text);
    QTest::keyClick(card(channel)->textField(), Qt::Key_Return);
    processPending();
  }
  void setList(const QList<Pose>& poses) {
    VelmarFrames frames;
    for (const Pose& p : poses) frames.append(frameOf(p, 100));
    model()->replaceAll(frames);
    model()->reSetCode();  // as an opened file is numbered
    processPending();
  }
  QModelIndex cell(int row, int channel) const {
    return model()->index(row, KoFrameListModel::kFirstChannelColumn + channel - 1);
  }
  QList<int> positions(int row) const { return positionsOf(*model()->frameAt(row)); }

  ArgumentsShown shown;
};

TEST_F(ArmRangeTest, TheSlidersTheirFieldsAndKeysStayWithinTheRange) {
  // Enter sends the typed value held at the nearer end, which the field then shows.
  const std::tuple<int, const char*, int> typed[] = {{6, "950", 850}, {1, "0", 100}};
  for (const auto& [channel, text, held] : typed) {
    SCOPED_TRACE(text);
    enter(channel, QString::fromLatin1(text));
    ASSERT_TRUE(processUntil([&] { return board.targetPosition(channel) == held; }));
    EXPECT_EQ(card(channel)->textField()->text(), QString::number(held));
  }
  // At its end a key goes no further and sends nothing; the other end is a key away.
  processPending();
  board.clearReceived();
  QTest::keyClick(card(6)->slider(), Qt::Key_PageUp);
  QTest::keyClick(card(1)->textField(), Qt::Key_PageDown);
  processPending();
  EXPECT_TRUE(board.received().isEmpty());
  QTest::keyClick(card(2)->slider(), Qt::Key_End);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(2) == 800; }));
  EXPECT_EQ(card(2)->textField()->text(), "800");

  // A new profile ranges the sliders again at once and moves nothing.
  processPending();
  board.clearReceived();
  KoArmProfile narrower = testProfile();
  narrower.channels[5].highest = 700;
  narrower.channels[1].lowest = 300;
  editor.armRanges()->setProfile(narrower);
  EXPECT_EQ(card(6)->slider()->maximum(), 700);
  EXPECT_EQ(card(6)->textField()->text(), "700");
  EXPECT_EQ(card(2)->slider()->minimum(), 300);
  EXPECT_EQ(card(2)->slider()->value(), 800);  // still within
  processPending();
  EXPECT_TRUE(board.received().isEmpty());
}

TEST_F(ArmRangeTest, FramesFromTheSlidersPastesCellEditsAndDragsStayWithinTheRange) {
  // A value typed and not yet sent still makes a frame within the range.
  type(2, "990");
  editor.buttonClick(A::Add);
  processPending();
  ASSERT_EQ(model()->count(), 1);
  EXPECT_EQ(positions(0), (QList<int>{500, 800, 500, 500, 500, 550}));

  // A frame from a file keeps what it holds; an edit of one cell holds only that cell.
  setList({with(with(kSafe, 1, 20), 3, 500), kSafe});
  model()->setData(cell(0, 3), "990", Qt::EditRole);
  EXPECT_EQ(positions(0), (QList<int>{20, 500, 950, 500, 500, 600}));
  model()->setData(cell(0, 1), "0", Qt::EditRole);
  EXPECT_EQ(positions(0).first(), 100);

  // Pasted text is held within the ranges.
  setList({kSafe, kSafe});
  QGuiApplication::clipboard()->setText("1000\t0\t1000\t1000\t500\t0\t999\n");
  model()->setSelectIndex(1);
  editor.frameEditor()->menuclick(A::PasteAfter);
  ASSERT_EQ(model()->count(), 3);
  EXPECT_EQ(positions(2), (QList<int>{100, 800, 950, 500, 50, 850}));

  // A point dragged past the range's end stops there.
  setList({{-1, -1, -1, -1, -1, 700}, {-1, -1, -1, -1, -1, 700}});
  KoCurveView* curves = editor.motion()->curveView();
  processPending();
  const QPoint from = curves->pointOf(1, 6).toPoint();
  ASSERT_EQ(curves->hitTest(from), (KoCurveView::Hit{1, 6}));
  QTest::mousePress(curves, Qt::LeftButton, {}, from);
  for (const double dy : {-5.0, -2000.0})
    sendMouse(curves, QEvent::MouseMove, from + QPointF(0, dy));
  QTest::mouseRelease(curves, Qt::LeftButton, {}, from);
  EXPECT_EQ(positions(1).last(), 850);
}

// A fine drag (Shift held, one unit per few pixels) of `dx` from the middle of `s`.
void drag(QSlider* s, double dx) {
  const QPointF knob(s->width() / 2.0, s->height() / 2.0);
  sendMouse(s, QEvent::MouseButtonPress, knob);
  sendMouse(s, QEvent::MouseMove, knob + QPointF(dx, 0), Qt::ShiftModifier);
  sendMouse(s, QEvent::MouseButtonRelease, knob + QPointF(dx, 0));
}

// Stored and sent positions stay as they are: only the slider turns.
TEST_F(ArmRangeTest, AReversedChannelsSliderTurnsTheOtherWayAndNothingStoredOrSentChanges) {
  KoArmProfile reversed = testProfile();
  reversed.channels[1].reversed = true;
  editor.armRanges()->setProfile(reversed);
  QSlider* s = card(2)->slider();
  EXPECT_FALSE(card(3)->slider()->invertedAppearance());
  EXPECT_EQ(s->value(), 500);
  const std::pair<std::function<void()>, int> moves[] = {
      {[s] { drag(s, 40); }, 490},
      {[s] { QTest::keyClick(s, Qt::Key_PageUp); }, 480},
      {[this] { QTest::keyClick(card(2)->textField(), Qt::Key_Up); }, 481},
  };
  for (const auto& [move, value] : moves) {
    move();
    EXPECT_EQ(s->value(), value);
    ASSERT_TRUE(processUntil([&] { return board.targetPosition(2) == value; }));
  }
  enter(2, "250");
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(2) == 250; }));
  editor.buttonClick(A::Add);
  processPending();
  ASSERT_EQ(model()->count(), 1);
  EXPECT_EQ(positions(0)[1], 250);
}

// The question names the first striking frame and Cancel (what Enter gives) sends nothing;
// what goes out is held within the ranges, said once, and the list keeps what it holds.
TEST_F(ArmRangeTest, RunAndDownloadAskBeforeAStrikeAndSendWithinTheRanges) {
  setList({kSafe, with(with(kSafe, 1, 20), 6, 900), with(kColumn, 6, 1000)});
  board.clearReceived();
  const std::pair<A, QString> asks[] = {{A::RunOnline, "strike_ask_run(3,strike_column)"},
                                        {A::Download, "strike_ask_download(3,strike_column)"}};
  for (const auto& [action, question] : asks) {
    prompter().reset();  // no answer: Cancel
    editor.buttonClick(action);
    processPending();
    EXPECT_EQ(prompter().destructive, QStringList{question});  // Cancel is what Enter gives
    EXPECT_TRUE(board.received().isEmpty());
    EXPECT_TRUE(editor.online()->stopped());
    EXPECT_FALSE(link.download());
  }

  const QString notice = "send_clamped(2,ID:1 (arm_profile_joint_gripper),100,900)";
  const auto said = [](const QSignalSpy& spy, const QString& text) {
    int n = 0;
    for (const QList<QVariant>& s : spy) n += s[0].toString() == text;
    return n;
  };
  QSignalSpy online(editor.online(), &KoOnlineControl::statusChanged);
  prompter().answers = {true};
  editor.buttonClick(A::RunOnline);
  ASSERT_TRUE(moves(3));
  ASSERT_TRUE(processUntil([this] { return editor.online()->stopped(); }));
  EXPECT_EQ(moveFields(kFirstServo), (QList<int>{500, 100, 500}));
  EXPECT_EQ(moveFields(kSixthServo), (QList<int>{600, 850, 850}));
  EXPECT_EQ(said(online, notice), 1);
  EXPECT_EQ(positions(1), (QList<int>{20, 500, 500, 500, 500, 900}));

  QSignalSpy groups(editor.groups(), &KoBoardGroups::statusChanged);
  prompter().answers = {true};
  editor.boxActions()->setEditText("12");
  editor.buttonClick(A::Download);
  ASSERT_TRUE(processUntil([&] { return said(groups, "group_stored") == 1; }));
  ASSERT_TRUE(processUntil([this] { return board.group(12).has_value(); }));
  ASSERT_EQ(board.group(12)->size(), 3);
  // Stored without the move's first four bytes.
  const QByteArray stored = board.group(12)->at(1);
  EXPECT_EQ(frame::le16(stored, 4), 100);
  EXPECT_EQ(frame::le16(stored, 19), 850);
  EXPECT_EQ(frame::le16(board.group(12)->at(2), 19), 850);
  EXPECT_EQ(said(groups, notice), 1);

  // Reset brings each channel as near the middle as its range lets it.
  editor.buttonClick(A::ResetServos);
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(6) == 550; }));
  EXPECT_EQ(board.targetPosition(1), 500);
  EXPECT_EQ(card(6)->textField()->text(), "550");
}

}  // namespace
