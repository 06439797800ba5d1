#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "model/action_model.h"
#include "model/arm_profile.h"
#include "model/named_poses.h"

class KoArmRanges;
class KoVelmarViewController;
class QLabel;
class QListWidget;
class QPushButton;

// The user's named poses, each with a small drawing of the arm in it, in a window of its own
// that the pose panel's Poses button opens. Saving keeps the pose the shown channels make;
// a double-click (or Enter) moves the arm there as the sliders would, and Insert as Frame puts
// it in the list. The poses live in the settings and go to and from JSON files.
class KoPosePanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kThumbnail = 88;

  // Asks for a pose's name (empty: cancelled), and for a file to import from or export to.
  using NameAsker = std::function<QString(QWidget* parent, const QString& suggested)>;
  using FileChooser = std::function<QString(QWidget* parent, bool save)>;

  explicit KoPosePanel(const KoArmRanges* ranges, QWidget* parent = nullptr);
  ~KoPosePanel() override;

  // Wires the panel to the editor: the shown channels, the arm's moves and the frame list.
  void attach(KoVelmarViewController* editor);
  void setCurrentPose(std::function<KoChannelPositions()> pose) { pose_ = std::move(pose); }
  void setAskers(NameAsker name, FileChooser file);

  // The button that opens the panel, for the screen to place.
  QPushButton* openButton() const { return openButton_; }
  QListWidget* list() const { return list_; }
  // What the list says while it is empty: how to keep a pose.
  QLabel* emptyHint() const { return emptyHint_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* insertButton() const { return insert_; }
  const KoNamedPoses& poses() const { return poses_; }

  // The arm in a pose, drawn from the side to the profile's measures.
  static QPixmap thumbnail(const KoArmProfile& profile, const KoChannelPositions& positions,
                           int size = kThumbnail);
  // A frame of `time` ms moving the pose's channels.
  static VelmarFrame frameOf(const KoChannelPositions& positions, qint64 time);

  void saveCurrent();
  void removeSelected();
  void importFile();
  void exportFile();

 signals:
  // The arm should move to these positions, as slider moves.
  void moveWanted(const KoChannelPositions& positions);
  // The pose should go into the list as a frame.
  void insertWanted(const KoChannelPositions& positions);
  // A result for the editor's status line (none lasts).
  void statusChanged(const QString& text, bool lasting);

 private:
  void retranslate();
  // Writes the poses to the settings, telling the user when they could not be kept there.
  void keep();
  void refill(const QString& select = {});
  void updateButtons();
  // The selected pose, if any.
  const KoNamedPose* selected() const;

  const KoArmRanges* ranges_;
  KoNamedPoses poses_;
  std::function<KoChannelPositions()> pose_;
  NameAsker askName_;
  FileChooser chooseFile_;
  // Placed by the screen in a row of its own; owned here until it is.
  QPointer<QPushButton> openButton_;
  QListWidget* list_;
  QLabel* emptyHint_;
  bool placed_ = false;
  QPushButton* save_;
  QPushButton* insert_;
  QPushButton* delete_;
  QPushButton* import_;
  QPushButton* export_;
};
