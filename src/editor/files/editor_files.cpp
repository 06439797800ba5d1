#include "editor/files/editor_files.h"

#include <QEvent>
#include <QFileInfo>
#include <algorithm>

#include "editor/files/file_panels.h"
#include "editor/files/recent_files.h"
#include "editor/files/save_reminder.h"
#include "model/action_file.h"
#include "model/file_io.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "widgets/prompter.h"

KoEditorFiles::KoEditorFiles(KoFrameListModel* model, KoFrameHistory* history, UILabel* reminder,
                             QObject* parent)
    : QObject(parent),
      model_(model),
      history_(history),
      recent_(new KoRecentFiles(this)),
      reminder_(reminder) {}

void KoEditorFiles::setDragView(KoDragView* view) {
  dragView_ = view;
  view->setDelegate(this);
}

bool KoEditorFiles::buttonClick(EditorAction action) {
  switch (action) {
    case kOpen:
      open(false);
      return true;
    case kSave:
      save(false);
      return true;
    case kSaveAs:
      save(true);
      return true;
    case kIntegrate:
      open(true);
      return true;
    default:
      return false;
  }
}

void KoEditorFiles::open(bool series) {
  if (!series && !maybeSave()) return;
  const auto choice = KoTools::openFileAllowsMultipleSelectionVelmar(
      false,
      qtTrId(series ? QT_TRID_NOOP("integrate_panel_title") : QT_TRID_NOOP("open_panel_title")));
  if (choice.frames.isEmpty()) return;
  if (!openFile(choice.frames, series, choice.path)) return;
  emit filePathChanged(choice.path);
}

void KoEditorFiles::openRecent(const QString& path) {
  if (!QFileInfo::exists(path)) {
    recent_->remove(path);
    KoTools::showTipWithMessage(qtTrId("recent_file_gone").arg(path));
    return;
  }
  if (!maybeSave()) return;
  const VelmarFrames frames = KoTools::openEditorFile(path);
  if (!frames.isEmpty() && openFile(frames, false, path)) emit filePathChanged(path);
}

bool KoEditorFiles::openPaths(const QStringList& paths) {
  if (paths.isEmpty() || !maybeSave()) return false;
  // A panel offers only files that are there; typed or handed-over paths may name none, and
  // are told of in one tip however many they are.
  QStringList missing;
  const auto tellMissing = [&] {
    if (missing.size() == 1) {
      KoTools::showTipWithMessage(qtTrId("open_file_missing").arg(missing[0]));
    } else if (!missing.isEmpty()) {
      constexpr qsizetype kShown = 10;
      QString list = missing.first(std::min(kShown, missing.size())).join(u'\n');
      if (missing.size() > kShown) {
        list += u'\n' + qtTrId("open_files_missing_more").arg(missing.size() - kShown);
      }
      KoTools::showTipWithMessage(qtTrId("open_files_missing").arg(list));
    }
  };
  bool first = true;
  for (const QString& path : paths) {
    VelmarFrames frames;
    if (KoTools::isFile(path)) {
      frames = KoTools::openEditorFile(path);
    } else {
      missing.append(path);
    }
    const bool opened = !frames.isEmpty() && openFile(frames, !first, path);
    if (opened) emit filePathChanged(path);
    if (first && !opened) {
      tellMissing();
      return false;
    }
    first = false;
  }
  tellMissing();
  return true;
}

bool KoEditorFiles::save(bool as) {
  if (model_->count() == 0) {
    KoTools::showTipWithMessage(qtTrId("add_action_tips"));
    return false;
  }
  const QString path =
      KoTools::saveFileWith(model_->frames(), as ? QString() : currentPath_, currentPath_);
  if (path.isEmpty()) return false;
  setCurrentPath(path);
  history_->markSaved();
  movelabel(false);
  emit saved(path);
  emit filePathChanged(path);
  emit statusChanged(qtTrId("file_saved").arg(QFileInfo(path).fileName()), false);
  return true;
}

bool KoEditorFiles::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close || maybeSave()) return QObject::eventFilter(watched, event);
  event->ignore();
  return true;
}

// A file name kept on one line where a question wraps: a word joiner between every two
// characters, which Chinese text would otherwise break between.
QString KoEditorFiles::unbroken(const QString& name) {
  QString out;
  for (qsizetype i = 0; i < name.size(); ++i) {
    if (i > 0 && !name[i].isLowSurrogate()) out += QChar(0x2060);
    out += name[i];
  }
  return out;
}

bool KoEditorFiles::maybeSave() {
  if (!history_->modified()) return true;
  switch (KoTools::askToSaveWithMessage(qtTrId("save_changes_ask").arg(unbroken(documentName())))) {
    case Prompter::SaveAnswer::Save:
      return save(false);
    case Prompter::SaveAnswer::Discard:
      return true;
    case Prompter::SaveAnswer::Cancel:
      return false;
  }
  return false;
}

QString KoEditorFiles::documentName() const {
  return currentPath_.isEmpty() ? qtTrId("untitled") : QFileInfo(currentPath_).fileName();
}

void KoEditorFiles::setCurrentPath(const QString& path) {
  currentPath_ = path;
  if (!path.isEmpty()) recent_->add(path);
}

void KoEditorFiles::returnDataArray(const DragViewResult& result) {
  const auto* frames = std::get_if<VelmarFrames>(&result);
  if (!frames) return;
  const QString path = dragView_ ? dragView_->filePath() : QString();
  if (!maybeSave()) return;
  if (openFile(*frames, false, path)) emit filePathChanged(path);
}

bool KoEditorFiles::looksLikeOtherKind(const VelmarFrames& frames) {
  if (frames.isEmpty()) return false;
  const QByteArray& record = frames.last()->data;
  for (qsizetype at = 8; at + 1 < record.size(); at += 6) {
    if (record[at] == 0x55 && record[at + 1] == 0x55) return true;
  }
  return false;
}

bool KoEditorFiles::openFile(const VelmarFrames& frames, bool series, const QString& path) {
  if (frames.isEmpty()) return true;
  if (looksLikeOtherKind(frames) &&
      !KoTools::showCancelAndOkWithMessage(
          qtTrId("is_file_velmar_ask").arg(QFileInfo(path).fileName()),
          KoTools::Question::Destructive)) {
    return false;
  }
  if (series && model_->count() + frames.size() > KoTools::kMaxActionFrames) {
    // No file could hold the list, and a long enough one ends the window.
    KoTools::showTipWithMessage(qtTrId("merge_too_many_frames")
                                    .arg(QFileInfo(path).fileName())
                                    .arg(KoTools::kMaxActionFrames));
    return false;
  }
  if (series) {
    model_->appendMany(frames);
  } else {
    model_->replaceAll(frames);
  }
  model_->reSetCode();
  emit scrollToRow(model_->count() - 1);
  // Integrated frames are not in any file yet.
  if (!series) {
    setCurrentPath(path);
    history_->startDocument();
  }
  movelabel(history_->modified());
  return true;
}

void KoEditorFiles::movelabel(bool move) {
  reminder_->setActionCount(model_->count());
  reminder_->setMove(move);
}
