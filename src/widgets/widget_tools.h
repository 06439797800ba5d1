#pragma once

#include <QAction>
#include <QImage>
#include <QMetaObject>
#include <QPointF>
#include <QSize>
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

// Whether the class declares a property whose name, without underscores, is `name`.
bool getVariableWithClass(const QMetaObject* cls, const QString& name);

// The centre of the image, cropped to the target's aspect ratio and scaled smoothly.
QImage resizeImage(const QImage& image, const QSize& size);
// The source rectangle resizeImage takes.
QRect resizeImageSource(const QSize& source, const QSize& target);

// Sets the point (in units of the widget's size) that its turns and shakes pivot on; the
// widget stays where it is.
void setViewAnchorPoint(const QPointF& anchor, QWidget* view);
QPointF viewAnchorPoint(const QWidget* view);

// The tip for each thing that kept a chosen file from opening whole, in order.
void showFileProblems(const QList<FileProblem>& problems);
template <class Frame>
QList<std::shared_ptr<Frame>> framesTold(OpenedFile<Frame> opened) {
  if (opened.problem) showFileProblems({*opened.problem});
  return std::move(opened.frames);
}

}  // namespace KoTools
