#include "widgets/caption_header.h"

#include <QEvent>

KoCaptionHeader::KoCaptionHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

QSize KoCaptionHeader::sizeHint() const {
  if (!hint_.isValid()) hint_ = QHeaderView::sizeHint();
  return hint_;
}

void KoCaptionHeader::setModel(QAbstractItemModel* model) {
  for (const QMetaObject::Connection& c : heard_) disconnect(c);
  heard_.clear();
  QHeaderView::setModel(model);
  hint_ = QSize();
  if (!model) return;
  const auto forget = [this] { hint_ = QSize(); };
  heard_.append(
      connect(model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation changed) {
        if (changed == Qt::Horizontal) hint_ = QSize();
      }));
  // Captions come and go with the columns.
  heard_.append(connect(model, &QAbstractItemModel::columnsInserted, this, forget));
  heard_.append(connect(model, &QAbstractItemModel::columnsRemoved, this, forget));
  heard_.append(connect(model, &QAbstractItemModel::modelReset, this, forget));
}

bool KoCaptionHeader::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LanguageChange:
    case QEvent::ApplicationFontChange:
      hint_ = QSize();
      break;
    default:
      break;
  }
  return QHeaderView::event(event);
}
