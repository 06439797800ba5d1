#include "widgets/drag_view.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

#include "model/action_file.h"
#include "widgets/prompter.h"
#include "widgets/theme.h"
#include "widgets/widget_tools.h"

KoDragView::KoDragView(QWidget* parent) : QWidget(parent) { setAcceptDrops(true); }

void KoDragView::setDelegate(KoDragViewDelegate* delegate) { delegate_.set(delegate); }

void KoDragView::report(const DragViewResult& result) {
  if (auto* d = delegate_.get()) d->returnDataArray(result);
}

void KoDragView::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  isDragIn_ = true;
  update();
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void KoDragView::dragLeaveEvent(QDragLeaveEvent*) {
  isDragIn_ = false;
  update();
}

void KoDragView::dropEvent(QDropEvent* event) {
  isDragIn_ = false;
  update();
  event->acceptProposedAction();
  if (event->source() == this) return;
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  }
  dropFiles(paths);
}

void KoDragView::dropFiles(const QStringList& paths) {
  qInfo().noquote() << "文件地址" << paths;
  // Only the first file of a drop counts, and only an action file by its exact extension.
  if (paths.isEmpty() || !paths.first().endsWith(QLatin1String(".rob"))) {
    KoTools::showTipWithMessage(qtTrId("file_damage"));
    return;
  }
  filePath_ = paths.first();
  report(KoTools::framesTold(KoTools::openVelmarFile(filePath_)));
}

void KoDragView::mousePressEvent(QMouseEvent* event) {
  const QPointF inParent = parentWidget() ? mapToParent(event->position()) : event->position();
  report(tableView_ && tableView_->geometry().contains(inParent.toPoint()));
  event->ignore();  // the press goes on to its usual handling
}

void KoDragView::paintEvent(QPaintEvent*) {
  if (!isDragIn_) return;
  qInfo().noquote() << "拖拽了";
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QColor wash = KoTheme::roles().accent;
  wash.setAlpha(30);
  p.setPen(QPen(KoTheme::roles().accentLine, 3, Qt::DashLine));
  p.setBrush(wash);
  p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 12, 12);
}
