#include "widgets/widget_tools.h"

#include <QMetaProperty>
#include <QWidget>
#include <cmath>

#include "model/notification_center.h"
#include "widgets/prompter.h"

namespace KoTools {

void setAccessibleKeys(QWidget* control, const char* nameKey, const char* descriptionKey) {
  const auto apply = [control, nameKey, descriptionKey] {
    control->setAccessibleName(qtTrId(nameKey));
    if (descriptionKey) control->setAccessibleDescription(qtTrId(descriptionKey));
  };
  apply();
  QObject::connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage,
                   control, apply);
}

QAction* menuItemWithTitle(const QString& title, std::function<void()> action,
                           const QKeySequence& keyEquivalent, int tag, QObject* parent) {
  auto* item = new QAction(title, parent);
  item->setShortcut(keyEquivalent);
  item->setData(tag);
  if (action) QObject::connect(item, &QAction::triggered, item, std::move(action));
  return item;
}

bool getVariableWithClass(const QMetaObject* cls, const QString& name) {
  for (int i = 0; cls && i < cls->propertyCount(); ++i) {
    if (QString::fromLatin1(cls->property(i).name()).remove(u'_') == name) return true;
  }
  return false;
}

QRect resizeImageSource(const QSize& source, const QSize& target) {
  if (source.isEmpty() || target.isEmpty()) return {};
  const double rx = static_cast<double>(target.width()) / source.width();
  const double ry = static_cast<double>(target.height()) / source.height();
  int w = source.width();
  int h = source.height();
  if (ry >= rx) {
    w = qMin(source.width(), static_cast<int>(std::floor(target.width() / ry)));
  } else {
    h = qMin(source.height(), static_cast<int>(std::floor(target.height() / rx)));
  }
  return {(source.width() - w) / 2, (source.height() - h) / 2, w, h};
}

QImage resizeImage(const QImage& image, const QSize& size) {
  const QRect source = resizeImageSource(image.size(), size);
  if (source.isEmpty()) return {};
  return image.copy(source).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void setViewAnchorPoint(const QPointF& anchor, QWidget* view) {
  if (view) view->setProperty("anchorPoint", anchor);
}

QPointF viewAnchorPoint(const QWidget* view) {
  const QVariant v = view ? view->property("anchorPoint") : QVariant();
  return v.isValid() ? v.toPointF() : QPointF(0.5, 0.5);
}

void showFileProblems(const QList<FileProblem>& problems) {
  for (const FileProblem& p : problems) {
    switch (p.kind) {
      case FileProblem::Kind::Unreadable:
        showTipWithMessage(qtTrId("open_file_fail").arg(p.name, describe(p.error)));
        break;
      case FileProblem::Kind::Damaged:
        showTipWithMessage(qtTrId("file_damage"));
        break;
      case FileProblem::Kind::TooManyFrames:
        showTipWithMessage(qtTrId("file_too_many_frames").arg(p.name));
        break;
      case FileProblem::Kind::NameWithoutGroup:
        showTipWithMessage(qtTrId("file_error"));
        break;
    }
  }
}

}  // namespace KoTools
