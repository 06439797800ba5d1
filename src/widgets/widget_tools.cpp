#include "widgets/widget_tools.h"

#include <QWidget>

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
