#pragma once

#include <QHeaderView>
#include <QList>

// A table's column header whose size hint is measured once per set of captions, font and style. The
// table asks for it after every row added or removed, and Qt's own header measures every caption
// again each time: a tenth of the cost of a one-row change in a long list.
class KoCaptionHeader : public QHeaderView {
 public:
  explicit KoCaptionHeader(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  void setModel(QAbstractItemModel* model) override;

 protected:
  bool event(QEvent* event) override;

 private:
  mutable QSize hint_;
  QList<QMetaObject::Connection> heard_;
};
