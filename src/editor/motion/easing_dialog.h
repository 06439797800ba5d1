#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>

#include "editor/editor_actions.h"
#include "editor/motion/motion_craft.h"
#include "model/easing.h"

class KoArmRanges;
class KoCurveView;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QMenu;
class QSpinBox;

// A timing curve drawn in a square, time to the right and the way covered upwards, with its
// two control points as handles to drag. From the keyboard the arrow keys move the chosen
// handle (a hundredth, with Shift a tenth) and Space chooses the other one.
class KoBezierEditor : public QWidget {
  Q_OBJECT

 public:
  static constexpr double kKeyStep = 0.01;
  static constexpr double kBigKeyStep = 0.1;

  explicit KoBezierEditor(QWidget* parent = nullptr);

  easing::Curve curve() const { return curve_; }
  // Held within the unit square; no signal.
  void setCurve(const easing::Curve& curve);
  // Where a handle is drawn, and the curve point for a unit-square point.
  QPointF handlePoint(int handle) const;
  QPointF toWidget(QPointF unit) const;

  QSize sizeHint() const override { return {180, 180}; }
  QSize minimumSizeHint() const override { return {120, 120}; }

 signals:
  // The user moved a handle.
  void curveEdited(const easing::Curve& curve);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRectF square() const;
  void moveHandle(int handle, QPointF unit);

  easing::Curve curve_ = easing::kInOut;
  int active_ = 0;
  bool dragging_ = false;
};

// Asks how to ease the selected moves: the curve (ease in, out, in and out, or one drawn in
// the curve editor) and the step time. While it is open the curve view shows the steps the
// choice would put in, and the dialog says how many frames they add or which move would take
// the list past a group's frames (and then OK stays off).
class KoEasingDialog : public QDialog {
  Q_OBJECT

 public:
  KoEasingDialog(KoMotionCraft* craft, KoCurveView* preview, QWidget* parent = nullptr);
  ~KoEasingDialog() override;

  KoMotionCraft::EaseChoice choice() const;
  QComboBox* curveBox() const { return curveBox_; }
  KoBezierEditor* editor() const { return editor_; }
  QSpinBox* stepBox() const { return stepBox_; }
  QLabel* planLabel() const { return planLabel_; }
  QPushButton* okButton() const;

  // The dialog run as the craft's question: its choice on OK, nothing on Cancel. The last
  // choice is offered again next time.
  static KoMotionCraft::EaseAsker asker(QWidget* parent, KoMotionCraft* craft,
                                        KoCurveView* preview);

 private:
  void retranslate();
  void kindChosen();
  void showPlan();

  KoMotionCraft* craft_;
  KoCurveView* preview_;
  QComboBox* curveBox_;
  KoBezierEditor* editor_;
  QSpinBox* stepBox_;
  QLabel* planLabel_;
  QLabel* curveLabel_;
  QLabel* stepLabel_;
  QDialogButtonBox* buttons_;
  bool settingCurve_ = false;
};

// Asks which channels to mirror, the base's channel ticked at first.
class KoMirrorDialog : public QDialog {
  Q_OBJECT

 public:
  KoMirrorDialog(const easing::Channels& chosen, const KoArmRanges* ranges,
                 QWidget* parent = nullptr);

  easing::Channels channels() const;
  const std::array<QCheckBox*, limits::kArmChannels>& boxes() const { return boxes_; }
  QPushButton* okButton() const;

  static KoMotionCraft::MirrorAsker asker(QWidget* parent, KoMotionCraft* craft,
                                          const KoArmRanges* ranges);

 private:
  std::array<QCheckBox*, limits::kArmChannels> boxes_{};
  QDialogButtonBox* buttons_;
};

namespace KoTools {
// Adds easing, mirroring and reversing to the frame table's menu; each item runs its action
// through `run`, the screen's gate. The items follow language changes themselves.
void addCraftItems(QMenu* menu, const std::function<void(EditorAction)>& run);
}  // namespace KoTools
