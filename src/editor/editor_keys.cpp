#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolButton>

#include "editor/board/online_control.h"
#include "editor/files/editor_files.h"
#include "editor/files/recent_files.h"
#include "editor/list/frame_editor.h"
#include "editor/velmar_view_controller.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "widgets/elided_label.h"
#include "widgets/prompter.h"

void KoVelmarViewController::addShortcuts() {
  // The file and undo keys work wherever the focus is while the editor is in front, the
  // frame keys while the table has it, so that Space still presses a focused button. A
  // focused field keeps the keys it uses for its own text.
  QWidget* owner = this;
  // Every key runs its action through the gate, as the button or menu item would.
  const auto add = [this, &owner](const QList<QKeySequence>& keys, EditorAction what,
                                  const char* titleKey = nullptr) {
    auto* action = new QAction(owner);
    action->setShortcuts(keys);
    action->setShortcutContext(owner == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
    action->setProperty("koTag", tagOf(what));
    if (titleKey) action->setProperty("titleKey", QByteArray(titleKey));
    connect(action, &QAction::triggered, this, [this, what] { buttonClick(what); });
    owner->addAction(action);
    if (control(what)) buttonKeys_.append({what, keys.first()});
    return action;
  };
  add({QKeySequence::Open}, KoEditorFiles::kOpen);
  add({QKeySequence::Save}, KoEditorFiles::kSave);
  add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, KoEditorFiles::kSaveAs);
  add({QKeySequence(Qt::CTRL | Qt::Key_I)}, KoEditorFiles::kIntegrate);
  owner = tableView_;
  add({QKeySequence(Qt::Key_Delete)}, KoFrameEditor::kDelete);
  add({QKeySequence::Copy}, KoFrameEditor::kCopy);
  add({QKeySequence::Paste}, KoFrameEditor::kPasteAfter);
  auto* play = new QAction(tableView_);
  play->setShortcut(QKeySequence(Qt::Key_Space));
  play->setShortcutContext(Qt::WidgetShortcut);
  connect(play, &QAction::triggered, this, [this] {
    if (model_->selectIndex() >= 0) online_->play(model_->selectIndex());
  });
  tableView_->addAction(play);
  owner = this;
  QAction* undo = add({QKeySequence(Qt::CTRL | Qt::Key_Z)}, kUndoTag, QT_TRID_NOOP("undo_action"));
  QAction* redo =
      add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
          kRedoTag, QT_TRID_NOOP("redo_action"));
  // Escape stops from anywhere in the window (the program's delegate sees to it); its
  // button says so.
  buttonKeys_.append({EditorAction::Stop, QKeySequence(Qt::Key_Escape)});
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(history_, &KoFrameHistory::canUndoChanged, undo, &QAction::setEnabled);
  connect(history_, &KoFrameHistory::canRedoChanged, redo, &QAction::setEnabled);

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
  return files_->documentName() + (history_->modified() ? kUnsavedMark : QString());
}

void KoVelmarViewController::showDocument() {
  const QString path = QDir::toNativeSeparators(files_->currentPath());
  const QString name = files_->documentName();
  lableFilePath_->setFullText(path.isEmpty() ? name : QStringLiteral("%1 — %2").arg(name, path));
  // The mark comes and goes with every undo back to the saved list: a plain label of its own,
  // of fixed size, so the selectable path is neither laid out again nor the window.
  labelUnsaved_->setText(history_->modified() ? kUnsavedMark : QString());
  emit documentTitleChanged(documentTitle());
}
