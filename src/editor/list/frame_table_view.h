#pragma once

#include <QTableView>

// The frame table, with its grid drawn as filled rows of pixels rather than as lines: a
// change near the top of a long list repaints every visible row, and Qt's stroked grid lines
// cost as much as the numbers in the cells. The grid takes each cell's last pixel column and
// row, as Qt's does; KoFrameCellDelegate keeps clear of them. Its captions are measured once
// and repainted only when they change.
class KoFrameTableView : public QTableView {
 public:
  explicit KoFrameTableView(QWidget* parent = nullptr);

  void setSelectionModel(QItemSelectionModel* selection) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QItemSelectionModel* captionSelection_ = nullptr;
};
