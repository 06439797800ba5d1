#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <variant>

#include "model/action_model.h"
#include "model/weak_delegate.h"

// What the drop view reports: the frames of a dropped file, or whether a press landed in
// the frame table.
using DragViewResult = std::variant<VelmarFrames, bool>;

class KoDragViewDelegate {
 public:
  virtual ~KoDragViewDelegate() = default;
  virtual void returnDataArray(const DragViewResult& result) = 0;
};

// The editor's area that takes an action file dropped from the desktop, and tells the
// editor whether a press touched its frame table.
class KoDragView : public QWidget {
  Q_OBJECT

 public:
  explicit KoDragView(QWidget* parent = nullptr);

  // The delegate must be a QObject too; it is held weakly.
  void setDelegate(KoDragViewDelegate* delegate);
  void setTableView(QWidget* table) { tableView_ = table; }

  bool isDragIn() const { return isDragIn_; }
  QString filePath() const { return filePath_; }

  // A drop of these local files (the first ".rob" one counts); public for the tests.
  void dropFiles(const QStringList& paths);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void report(const DragViewResult& result);

  bool isDragIn_ = false;
  WeakDelegate<KoDragViewDelegate> delegate_;
  QPointer<QWidget> tableView_;
  QString filePath_;
};
