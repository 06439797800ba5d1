#pragma once

#include <QWidget>
#include <functional>

class QShowEvent;

// A page whose content is built the first time it is shown, or asked for, so that a page the
// user may never open costs nothing at start-up. The content fills the page.
class KoLazyPage : public QWidget {
  Q_OBJECT

 public:
  // Makes the content as a child of the page it is given.
  using Factory = std::function<QWidget*(QWidget* page)>;

  explicit KoLazyPage(Factory build, QWidget* parent = nullptr);

  // The content, built now if it was not yet.
  QWidget* content();
  bool built() const { return content_ != nullptr; }

 signals:
  void contentBuilt(QWidget* content);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Factory build_;
  QWidget* content_ = nullptr;
};
