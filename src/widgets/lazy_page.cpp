#include "widgets/lazy_page.h"

#include <QVBoxLayout>

KoLazyPage::KoLazyPage(Factory build, QWidget* parent) : QWidget(parent), build_(std::move(build)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

QWidget* KoLazyPage::content() {
  if (content_) return content_;
  content_ = build_(this);
  build_ = nullptr;
  layout()->addWidget(content_);
  if (isVisible()) {
    // The page is on screen already (this is its show): the content takes the page's place
    // before it shows, so it sees the show and its first frame is drawn at its size.
    content_->setGeometry(rect());
    content_->show();
  }
  emit contentBuilt(content_);
  return content_;
}

void KoLazyPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  content();
}
