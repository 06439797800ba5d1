#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QToolButton>

#include "editor/board/board_groups.h"
#include "editor/board/online_control.h"
#include "editor/files/editor_files.h"
#include "editor/files/recent_files.h"
#include "editor/list/frame_editor.h"
#include "editor/velmar_view_controller.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "widgets/elided_label.h"
#include "widgets/prompter.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"

void KoVelmarViewController::addShortcuts() {
  // The file, frame, run and undo keys work wherever the focus is while the editor is in
  // front; copy, paste and Space while the table has them, so that Space still presses a
  // focused button. A focused field keeps the keys it uses for its own text (Delete, say).
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
  const auto ctrl = [](Qt::Key key, Qt::KeyboardModifiers more = {}) {
    return QKeySequence(Qt::ControlModifier | more | key);
  };
  add({QKeySequence::Open}, KoEditorFiles::kOpen);
  add({QKeySequence::Save}, KoEditorFiles::kSave);
  add({ctrl(Qt::Key_S, Qt::ShiftModifier)}, KoEditorFiles::kSaveAs);
  add({ctrl(Qt::Key_I)}, KoEditorFiles::kIntegrate);
  // The pose goes into the list on Return with a modifier, which no field or cell takes for
  // itself: Ctrl adds at the end, Ctrl+Shift inserts before the selected frame, Alt alters it.
  using Mods = Qt::KeyboardModifiers;
  for (const auto& [mods, what] :
       {std::pair{Mods(Qt::ControlModifier), KoFrameEditor::kAdd},
        {Qt::ControlModifier | Qt::ShiftModifier, KoFrameEditor::kInsert},
        {Mods(Qt::AltModifier), KoFrameEditor::kUpdate}}) {
    add({QKeySequence(mods | Qt::Key_Return), QKeySequence(mods | Qt::Key_Enter)}, what);
  }
  add({QKeySequence(Qt::Key_Delete)}, KoFrameEditor::kDelete);
  // F5 plays the list here, with Ctrl the group stored in the board; Shift+F5 stops as the
  // button does, telling the board too, where Escape leaves a group started elsewhere.
  add({QKeySequence(Qt::Key_F5)}, KoOnlineControl::kRun);
  add({ctrl(Qt::Key_F5)}, KoBoardGroups::kRunGroup);
  // Escape stops from anywhere in the window (the program's delegate sees to it).
  buttonKeys_.append({EditorAction::Stop, QKeySequence(Qt::Key_Escape)});
  add({QKeySequence(Qt::SHIFT | Qt::Key_F5)}, EditorAction::Stop);
  add({ctrl(Qt::Key_D)}, KoBoardGroups::kDownload);
  // Alt and a channel's number take the focus to its value field: posing from the keyboard
  // otherwise starts with a long walk of Tab presses.
  for (int channel = 1; channel <= int(panView_->sliders().size()); ++channel) {
    auto* focus = new QAction(this);
    focus->setShortcut(QKeySequence(Qt::AltModifier | Qt::Key(Qt::Key_0 + channel)));
    focus->setShortcutContext(Qt::WindowShortcut);
    connect(focus, &QAction::triggered, this, [this, channel] {
      QLineEdit* field = panView_->sliders()[channel - 1]->textField();
      field->setFocus(Qt::ShortcutFocusReason);
      field->selectAll();
    });
    addAction(focus);
  }
  owner = tableView_;
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
  QAction* undo = add({ctrl(Qt::Key_Z)}, kUndoTag, QT_TRID_NOOP("undo_action"));
  QAction* redo = add({ctrl(Qt::Key_Z, Qt::ShiftModifier), ctrl(Qt::Key_Y)}, kRedoTag,
                      QT_TRID_NOOP("redo_action"));
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
