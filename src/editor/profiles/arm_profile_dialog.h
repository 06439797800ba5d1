#pragma once

#include <QDialog>
#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "model/arm_pose.h"
#include "model/arm_profile.h"
#include "model/limits.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The profiles the dialog edits. The dialog changes them in memory as the user works and
// calls save() only on OK, so throwing the store away discards every change. The program
// uses the settings (KoArmProfiles); tests may give a store of their own.
class KoArmProfileStore {
 public:
  virtual ~KoArmProfileStore() = default;
  // The shipped profile first, then the user's own.
  virtual QList<KoArmProfile> all() const = 0;
  virtual QString chosenName() const = 0;
  virtual bool choose(const QString& name) = 0;
  // Adds or replaces (by name) one of the user's profiles; false for the shipped name.
  virtual bool put(const KoArmProfile& profile) = 0;
  virtual bool remove(const QString& name) = 0;
  // A name not yet taken, starting from `base`.
  virtual QString freeName(const QString& base) const = 0;
  // Anything but NoError means the profiles are not kept.
  virtual QSettings::Status save() const = 0;

  // KoArmProfiles as the settings have it now.
  static std::unique_ptr<KoArmProfileStore> fromSettings();
};

// Chooses, edits, copies, deletes, imports and exports arm profiles. The shipped profile is
// shown read-only. OK writes the store and tells the program when the chosen profile or its
// contents changed (a store that could not be written keeps the dialog open, saying so);
// Cancel (or closing) keeps everything as it was.
class KoArmProfileDialog : public QDialog {
  Q_OBJECT

 public:
  enum class FileAction { Import, Export };
  // Asks for the file to import from or export to; empty when the user cancelled.
  // `suggested` is the file name an export proposes.
  using FileChooser =
      std::function<QString(QWidget* parent, FileAction action, const QString& suggested)>;

  explicit KoArmProfileDialog(QWidget* parent = nullptr,
                              std::unique_ptr<KoArmProfileStore> store = nullptr);
  ~KoArmProfileDialog() override;

  // Opens the dialog over `parent`'s window, which it blocks, and returns at once; the
  // dialog deletes itself when closed.
  static void edit(QWidget* parent);
  // Replaces the file dialogs (tests answer at once); an empty chooser restores them.
  static void setFileChooser(FileChooser chooser);

  // The profile shown in the editor.
  QString shownName() const { return draft_.name; }
  // What stops OK now, one message per fault; empty when the shown profile may be kept.
  QStringList faults() const;

  void accept() override;

 private:
  struct JointRow {
    QLabel* label;
    QSpinBox* channel;
    QDoubleSpinBox* at0;
    QDoubleSpinBox* at1000;
  };
  struct ChannelRow {
    QLabel* label;
    QLineEdit* name;
    QSpinBox* lowest;
    QSpinBox* highest;
    QCheckBox* reversed;
  };

  void build();
  void retranslate();
  // The editor's fields, in the order Tab visits them.
  QList<QWidget*> fields() const;
  void fillList();
  void showProfile(const QString& name);
  void fillEditor();
  // The user changed a field of the shown profile: the store takes it when it is sound.
  void edited();
  QString nameFault() const;
  // Empty when channel `index` (0 for channel 1) has its lowest position at or below its highest.
  QString rangeFault(int index) const;
  void showFaults();
  bool readOnly() const;

  void useShown();
  void copyShown();
  void deleteShown();
  void importProfile();
  void exportShown();
  void rename(const QString& from, const KoArmProfile& to);
  void setStatus(const QString& text);

  std::unique_ptr<KoArmProfileStore> store_;
  // The chosen profile when the dialog opened, to tell whether OK changes it.
  KoArmProfile chosenBefore_;
  // The shown profile as edited; the store has it under `storedName_` once it is sound.
  KoArmProfile draft_;
  QString storedName_;

  QLabel* profileLabel_ = nullptr;
  QComboBox* profiles_ = nullptr;
  QPushButton* use_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* export_ = nullptr;
  QLabel* readOnlyNote_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* nameFault_ = nullptr;
  QGroupBox* linksBox_ = nullptr;
  std::array<QLabel*, KoArmProfile::kLinkCount> linkLabels_{};
  std::array<QDoubleSpinBox*, KoArmProfile::kLinkCount> links_{};
  QLabel* radiusLabel_ = nullptr;
  QDoubleSpinBox* radius_ = nullptr;
  QGroupBox* jointsBox_ = nullptr;
  std::array<QLabel*, 3> jointHeaders_{};
  std::array<JointRow, KoArmJoints::kJointCount> joints_{};
  QGroupBox* channelsBox_ = nullptr;
  std::array<QLabel*, 5> channelHeaders_{};
  std::array<ChannelRow, limits::kArmChannels> channels_{};
  QLabel* rangeFault_ = nullptr;
  QLabel* status_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};
