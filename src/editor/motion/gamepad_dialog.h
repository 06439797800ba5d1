#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "gamepad/gamepad_mapping.h"
#include "gamepad/gamepad_state.h"

class KoGamepadSource;
class KoGamepadView;
class KoSwitch;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The gamepad's mapping page: for each role the input that drives it and, for motions, its
// speed at full deflection, its dead zone and whether it runs the other way. Each row shows
// what its role gets from the controller now, and the live view beside shows the controller
// itself, so a user can push a stick and see the mapping work before keeping it.
class KoGamepadDialog : public QDialog {
  Q_OBJECT

 public:
  // With a source the dialog follows its controller; the caller keeps it listening.
  KoGamepadDialog(const KoGamepadMapping& mapping, KoGamepadSource* source,
                  QWidget* parent = nullptr);

  // The mapping as the fields now say.
  KoGamepadMapping mapping() const { return mapping_; }
  // Opens on the mapping in the settings; OK saves it there and returns it.
  static std::optional<KoGamepadMapping> edit(QWidget* parent, KoGamepadSource* source);

  // Shows the controller's inputs as they are now; the source calls it, tests may too.
  void showState(const pad::State& state);
  // What a role's row shows now: the motion's signed deflection, or 1 while an action's input
  // is down and 0 otherwise.
  double level(KoGamepadMapping::Role role) const;
  KoGamepadView* view() const { return view_; }

 private:
  struct Row {
    QLabel* caption = nullptr;
    QComboBox* input = nullptr;
    QSpinBox* speed = nullptr;     // motions only
    QSpinBox* deadZone = nullptr;  // motions only
    KoSwitch* invert = nullptr;    // motions only
    QWidget* level = nullptr;
  };

  void build();
  void retranslate();
  // Puts the mapping into the fields, as edits of nobody.
  void fill();
  // Turns on only the fields the row's input gives a meaning to.
  void enableFields(KoGamepadMapping::Role role);
  void edited(KoGamepadMapping::Role role);
  void showLevels();

  KoGamepadMapping mapping_;
  pad::State state_;
  std::array<Row, KoGamepadMapping::kRoleCount> rows_{};
  QLabel* hint_ = nullptr;
  QGroupBox* motions_ = nullptr;
  QGroupBox* actions_ = nullptr;
  std::array<QLabel*, 5> headers_{};
  KoGamepadView* view_ = nullptr;
  QPushButton* defaults_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};
