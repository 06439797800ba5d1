#include "editor/motion/pose_panel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIconEngine>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>
#include <memory>

#include "editor/motion/arm_feed.h"
#include "editor/motion/motion_controls.h"
#include "editor/velmar_view_controller.h"
#include "model/arm_kinematics.h"
#include "model/easing.h"
#include "model/file_io.h"
#include "model/notification_center.h"
#include "model/value_utils.h"
#include "session/arm_ranges.h"
#include "session/editor_session.h"
#include "session/frame_list_model.h"
#include "widgets/prompter.h"
#include "widgets/theme.h"

namespace {

// A poses file is a few kilobytes; anything far larger is no poses file.
constexpr qint64 kMaxImportBytes = 4 * 1024 * 1024;

QString askName(QWidget* parent, const QString& suggested) {
  bool ok = false;
  const QString name = QInputDialog::getText(
      parent, qtTrId("poses_save_title"), qtTrId("poses_name"), QLineEdit::Normal, suggested, &ok);
  return ok ? name : QString();
}

QString chooseFile(QWidget* parent, bool save) {
  QFileDialog panel(parent, save ? qtTrId("poses_export_title") : qtTrId("poses_import_title"), {},
                    qtTrId("poses_file_filter") + QStringLiteral(" (*.json)"));
  panel.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  panel.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  panel.setDefaultSuffix(QStringLiteral("json"));
  return panel.exec() == QDialog::Accepted ? panel.selectedFiles().value(0) : QString();
}

// The arm drawn when the list first shows the pose, not when it is listed: an import of many
// thousands of poses neither waits for as many drawings nor holds their pixels.
class Thumbnail final : public QIconEngine {
 public:
  Thumbnail(std::shared_ptr<const KoArmProfile> profile, const KoChannelPositions& positions)
      : profile_(std::move(profile)), positions_(positions) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    return KoPosePanel::thumbnail(*profile_, positions_, std::min(size.width(), size.height()));
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new Thumbnail(*this); }

 private:
  std::shared_ptr<const KoArmProfile> profile_;
  KoChannelPositions positions_;
};

QString positionsTip(const KoChannelPositions& positions) {
  QStringList parts;
  for (size_t j = 0; j < positions.size(); ++j) {
    parts.append(QStringLiteral("ID:%1 %2")
                     .arg(j + 1)
                     .arg(positions[j] ? QString::number(*positions[j]) : QStringLiteral("–")));
  }
  return parts.join(QStringLiteral(" · "));
}

}  // namespace

KoPosePanel::KoPosePanel(const KoArmRanges* ranges, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      ranges_(ranges),
      poses_(KoNamedPoses::load()),
      askName_(askName),
      chooseFile_(chooseFile),
      openButton_(new QPushButton),
      list_(new QListWidget),
      emptyHint_(new QLabel),
      save_(new QPushButton),
      insert_(new QPushButton),
      delete_(new QPushButton),
      import_(new QPushButton),
      export_(new QPushButton) {
  list_->setViewMode(QListView::IconMode);
  list_->setIconSize({kThumbnail, kThumbnail});
  list_->setResizeMode(QListView::Adjust);
  list_->setMovement(QListView::Static);
  list_->setWordWrap(true);
  list_->setSpacing(4);
  list_->setMinimumSize(3 * (kThumbnail + 24), 2 * (kThumbnail + 40));
  emptyHint_->setWordWrap(true);
  emptyHint_->setAlignment(Qt::AlignCenter);
  auto* hintLayout = new QVBoxLayout(list_->viewport());
  hintLayout->setContentsMargins(16, 16, 16, 16);
  hintLayout->addWidget(emptyHint_);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {save_, insert_, delete_}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {import_, export_}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  connect(openButton_, &QPushButton::clicked, this, [this] {
    // Over the window it serves the first time, not wherever the system puts a new window.
    if (!placed_ && parentWidget()) {
      placed_ = true;
      const QWidget* owner = parentWidget()->window();
      adjustSize();
      QRect place(QPoint(), size());
      place.moveCenter(owner->frameGeometry().center());
      if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        place.moveTopLeft({std::clamp(place.left(), room.left(),
                                      std::max(room.left(), room.right() - place.width())),
                           std::clamp(place.top(), room.top(),
                                      std::max(room.top(), room.bottom() - place.height()))});
      }
      move(place.topLeft());
    }
    show();
    raise();
    activateWindow();
  });
  connect(save_, &QPushButton::clicked, this, &KoPosePanel::saveCurrent);
  connect(delete_, &QPushButton::clicked, this, &KoPosePanel::removeSelected);
  connect(import_, &QPushButton::clicked, this, &KoPosePanel::importFile);
  connect(export_, &QPushButton::clicked, this, &KoPosePanel::exportFile);
  connect(insert_, &QPushButton::clicked, this, [this] {
    if (const KoNamedPose* pose = selected()) emit insertWanted(pose->positions);
  });
  connect(list_, &QListWidget::itemActivated, this, [this] {
    if (const KoNamedPose* pose = selected()) emit moveWanted(pose->positions);
  });
  connect(list_, &QListWidget::itemSelectionChanged, this, &KoPosePanel::updateButtons);
  if (ranges_) connect(ranges_, &KoArmRanges::profileChanged, this, [this] { refill(); });
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoPosePanel::retranslate);
  retranslate();
  refill();
}

KoPosePanel::~KoPosePanel() {
  if (openButton_ && !openButton_->parent()) delete openButton_;
}

void KoPosePanel::attach(KoVelmarViewController* editor) {
  KoEditorSession* session = editor->session();
  setCurrentPose([session] { return session->pose().present(); });
  connect(this, &KoPosePanel::moveWanted, editor->motion()->armMoves(), &KoArmMoves::want);
  connect(this, &KoPosePanel::insertWanted, editor,
          [editor, session](const KoChannelPositions& pose) {
            // Inserted as the Insert button inserts the pose of the sliders.
            if (!editor->checkState(EditorAction::Insert)) return;
            KoFrameListModel* model = editor->model();
            const int at = std::max(model->selectIndex(), 0);
            model->insert(at, editor->armRanges()->inRange(frameOf(pose, session->pose().time)));
            model->reSetCode();
          });
}

void KoPosePanel::setAskers(NameAsker name, FileChooser file) {
  askName_ = std::move(name);
  chooseFile_ = std::move(file);
}

void KoPosePanel::retranslate() {
  setWindowTitle(qtTrId("poses_title"));
  openButton_->setText(qtTrId("poses_open"));
  openButton_->setToolTip(qtTrId("poses_open_tip"));
  list_->setAccessibleName(qtTrId("poses_title"));
  list_->setToolTip(qtTrId("poses_list_tip"));
  emptyHint_->setText(qtTrId("poses_empty"));
  save_->setText(qtTrId("poses_save"));
  insert_->setText(qtTrId("poses_insert"));
  delete_->setText(qtTrId("poses_delete"));
  import_->setText(qtTrId("poses_import"));
  export_->setText(qtTrId("poses_export"));
  for (QPushButton* b : {openButton_.data(), save_, insert_, delete_, import_, export_}) {
    b->setAccessibleName(b->text());
  }
}

const KoNamedPose* KoPosePanel::selected() const {
  const QListWidgetItem* item = list_->currentItem();
  if (!item || !item->isSelected()) return nullptr;
  const int i = poses_.indexOf(item->data(Qt::UserRole).toString());
  return i >= 0 ? &poses_.all()[i] : nullptr;
}

void KoPosePanel::updateButtons() {
  const bool chosen = selected() != nullptr;
  insert_->setEnabled(chosen);
  delete_->setEnabled(chosen);
  export_->setEnabled(!poses_.all().isEmpty());
}

void KoPosePanel::refill(const QString& select) {
  const auto profile =
      std::make_shared<const KoArmProfile>(ranges_ ? ranges_->profile() : KoArmProfile::shipped());
  const QString keep = select.isEmpty() && selected() ? selected()->name : select;
  list_->clear();
  for (const KoNamedPose& pose : poses_.all()) {
    auto* item = new QListWidgetItem(QIcon(new Thumbnail(profile, pose.positions)), pose.name);
    item->setData(Qt::UserRole, pose.name);
    item->setToolTip(positionsTip(pose.positions));
    list_->addItem(item);
    if (pose.name == keep) list_->setCurrentItem(item);
  }
  emptyHint_->setVisible(poses_.all().isEmpty());
  updateButtons();
}

void KoPosePanel::saveCurrent() {
  const KoChannelPositions pose = pose_ ? pose_() : KoChannelPositions{};
  if (std::none_of(pose.begin(), pose.end(), [](const auto& p) { return p.has_value(); })) {
    KoTools::showTipWithMessage(qtTrId("poses_no_channel"));
    return;
  }
  const QString asked = askName_(this, poses_.freeName(qtTrId("poses_default_name")));
  if (const std::optional<char32_t> c = KoTools::firstUnprintable(asked.simplified())) {
    KoTools::showTipWithMessage(qtTrId("poses_name_unprintable").arg(KoTools::codePointName(*c)));
    return;
  }
  // Asked about under the name it will have, so that a long one cut to a kept pose's name
  // does not replace that pose unasked.
  const QString name = KoNamedPoses::tidyName(asked);
  if (name.isEmpty()) return;
  if (poses_.indexOf(name) >= 0 &&
      !KoTools::showCancelAndOkWithMessage(qtTrId("poses_replace").arg(name))) {
    return;
  }
  if (!poses_.put({name, pose})) return;
  keep();
  refill(name);
}

void KoPosePanel::removeSelected() {
  const KoNamedPose* pose = selected();
  if (!pose) return;
  const QString name = pose->name;
  if (!KoTools::showCancelAndOkWithMessage(qtTrId("poses_delete_confirm").arg(name),
                                           KoTools::Question::Destructive)) {
    return;
  }
  poses_.remove(name);
  keep();
  refill();
}

void KoPosePanel::importFile() {
  const QString path = chooseFile_(this, false);
  if (path.isEmpty()) return;
  const QString file = QFileInfo(path).fileName();
  const KoTools::FileRead in = KoTools::readFile(path, kMaxImportBytes);
  if (!in.ok()) {
    KoTools::showTipWithMessage(qtTrId("poses_import_failed")
                                    .arg(file, in.error == KoTools::FileError::TooLarge
                                                   ? qtTrId("poses_file_too_large")
                                                   : KoTools::describe(in.error)));
    return;
  }
  QString error;
  const auto read = KoNamedPoses::fromJson(in.data, &error);
  if (!read) {
    KoTools::showTipWithMessage(qtTrId("poses_import_failed").arg(file, error));
    return;
  }
  poses_.merge(*read);
  keep();
  refill();
}

void KoPosePanel::exportFile() {
  QString path = chooseFile_(this, true);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
  if (const KoTools::FileError e = KoTools::writeFile(path, poses_.toJson());
      e != KoTools::FileError::None) {
    KoTools::showTipWithMessage(
        qtTrId("poses_export_failed").arg(QDir::toNativeSeparators(path), KoTools::describe(e)));
    return;
  }
  emit statusChanged(
      qtTrId("poses_exported", int(poses_.all().size())).arg(QFileInfo(path).fileName()), false);
}

void KoPosePanel::keep() {
  if (poses_.save() != QSettings::NoError) {
    KoTools::showTipWithMessage(
        qtTrId("poses_not_kept").arg(QDir::toNativeSeparators(QSettings().fileName())));
  }
}

QPixmap KoPosePanel::thumbnail(const KoArmProfile& profile, const KoChannelPositions& positions,
                               int size) {
  QPixmap pixmap(size, size);
  const KoTheme::Roles& colours = KoTheme::roles();
  pixmap.fill(colours.inset);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // The arm at full stretch either way and upright fits, standing on the ground at the bottom.
  const double reach = std::max(1.0, profile.reachMm());
  const double column = profile.linksMm[KoArmProfile::kColumn];
  const double margin = size * 0.08;
  const double scale = (size - 2 * margin) / std::max(2 * reach, column + reach);
  const QPointF foot(size / 2.0, size - margin);
  const auto at = [&](QPointF mm) { return foot + QPointF(mm.x() * scale, -mm.y() * scale); };

  p.setPen(QPen(colours.line, 1.5));
  p.drawLine(QPointF(margin / 2, foot.y()), QPointF(size - margin / 2, foot.y()));
  const kinematics::Skeleton bones = kinematics::skeleton(profile, positions);
  const double width = std::max(2.0, size / 22.0);
  p.setPen(QPen(colours.track, 2 * width, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(at(bones[kinematics::kFoot]), at(bones[kinematics::kShoulder]));
  p.setPen(QPen(colours.accentLine, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPolygonF arm;
  for (int i = kinematics::kShoulder; i <= kinematics::kTip; ++i) arm << at(bones[size_t(i)]);
  p.drawPolyline(arm);
  p.setPen(Qt::NoPen);
  p.setBrush(colours.inset);
  for (int i = kinematics::kShoulder; i < kinematics::kTip; ++i) {
    p.drawEllipse(at(bones[size_t(i)]), width * 0.6, width * 0.6);
  }
  return pixmap;
}

VelmarFrame KoPosePanel::frameOf(const KoChannelPositions& positions, qint64 time) {
  frame::ArmPositions arm;
  for (size_t j = 0; j < arm.size(); ++j) {
    if (positions[j]) arm[j] = *positions[j];
  }
  return easing::framed(KoVelmarPwmModel(), limits::kFrameTime.clamp(time), arm);
}
