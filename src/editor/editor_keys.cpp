#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>

#include "editor/editor_files.h"
#include "editor/frame_editor.h"
#include "editor/frame_history.h"
#include "editor/frame_list_model.h"
#include "editor/online_control.h"
#include "editor/recent_files.h"
#include "editor/velmar_view_controller.h"
#include "model/prompter.h"

void KoVelmarViewController::addShortcuts() {
  // The file and undo keys work wherever the focus is while the editor is in front, the
  // frame keys while the table has it, so that Space still presses a focused button. A
  // focused field keeps the keys it uses for its own text.
  QWidget* owner = this;
  const auto add = [this, &owner](const QList<QKeySequence>& keys, auto slot, int tag = 0,
                                  const char* titleKey = nullptr) {
    auto* action = new QAction(owner);
    action->setShortcuts(keys);
    action->setShortcutContext(owner == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
    action->setProperty("koTag", tag);
    if (titleKey) action->setProperty("titleKey", QByteArray(titleKey));
    connect(action, &QAction::triggered, this, slot);
    owner->addAction(action);
    if (control(tag)) buttonKeys_.append({tag, keys.first()});
    return action;
  };
  const auto tagged = [this](int tag) { return [this, tag] { buttonClick(tag); }; };
  add({QKeySequence::Open}, tagged(KoEditorFiles::kOpen), KoEditorFiles::kOpen);
  add({QKeySequence::Save}, tagged(KoEditorFiles::kSave), KoEditorFiles::kSave);
  add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, tagged(KoEditorFiles::kSaveAs));
  add({QKeySequence(Qt::CTRL | Qt::Key_I)}, tagged(KoEditorFiles::kIntegrate),
      KoEditorFiles::kIntegrate);
  owner = tableView_;
  add({QKeySequence(Qt::Key_Delete)}, tagged(KoFrameEditor::kDelete), KoFrameEditor::kDelete);
  add({QKeySequence::Copy}, [this] { frameEditor_->menuclick(KoFrameEditor::kCopy); });
  add({QKeySequence::Paste}, [this] { frameEditor_->menuclick(KoFrameEditor::kPasteAfter); });
  add({QKeySequence(Qt::Key_Space)}, [this] {
    if (model_->selectIndex() >= 0) online_->play(model_->selectIndex());
  });
  owner = this;
  QAction* undo = add({QKeySequence(Qt::CTRL | Qt::Key_Z)}, tagged(kUndoTag), kUndoTag,
                      QT_TRID_NOOP("undo_action"));
  QAction* redo =
      add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
          tagged(kRedoTag), kRedoTag, QT_TRID_NOOP("redo_action"));
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(history_->stack(), &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(history_->stack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

  // The arrow is the button's only picture; Qt's own menu arrow would draw a second one.
  buttonRecent_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator{image:none;}"));
  buttonRecent_->setFixedSize(22, 52);
  auto* recent = new QMenu(buttonRecent_);
  buttonRecent_->setMenu(recent);
  connect(recent, &QMenu::aboutToShow, this, &KoVelmarViewController::fillRecentMenu);
}

void KoVelmarViewController::fillRecentMenu() {
  QMenu* menu = buttonRecent_->menu();
  menu->clear();
  const QStringList files = files_->recent()->files();
  if (files.isEmpty()) menu->addAction(qtTrId("recent_files_none"))->setEnabled(false);
  for (const QString& path : files) {
    QAction* item = menu->addAction(QFileInfo(path).fileName());
    item->setToolTip(path);
    item->setStatusTip(path);
    // Opening waits for the menu to close, so a question it asks is not behind the menu.
    connect(item, &QAction::triggered, this, [this, path] {
      if (checkState(KoEditorFiles::kOpen)) files_->openRecent(path);
    });
  }
}

QList<int> KoVelmarViewController::selectedRows() const {
  QList<int> rows;
  for (const QModelIndex& index : tableView_->selectionModel()->selectedRows()) {
    rows.append(index.row());
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

QString KoVelmarViewController::documentTitle() const {
  return files_->documentName() + (history_->modified() ? QStringLiteral(" *") : QString());
}

void KoVelmarViewController::showDocument() {
  const QString path = QDir::toNativeSeparators(files_->currentPath());
  lableFilePath_->setText(path.isEmpty() ? documentTitle()
                                         : QStringLiteral("%1 — %2").arg(documentTitle(), path));
  emit documentTitleChanged(documentTitle());
}
