#pragma once

#include <QAction>
#include <QString>
#include <functional>

#include "model/action_file.h"

class QWidget;

// Helpers of the screens that work on controls.
namespace KoTools {

// Names a control for assistive tools, and describes it when a description key is given, in
// the chosen language now and again after every language change. The keys must outlive it.
void setAccessibleKeys(QWidget* control, const char* nameKey, const char* descriptionKey = nullptr);
// A menu entry carrying a tag (in its data), calling `action` when chosen.
QAction* menuItemWithTitle(const QString& title, std::function<void()> action,
                           const QKeySequence& keyEquivalent, int tag, QObject* parent);

// The tip for each thing that kept a chosen file from opening whole, in order.
void showFileProblems(const QList<FileProblem>& problems);
template <class Frame>
QList<std::shared_ptr<Frame>> framesTold(OpenedFile<Frame> opened) {
  if (opened.problem) showFileProblems({*opened.problem});
  return std::move(opened.frames);
}

}  // namespace KoTools
