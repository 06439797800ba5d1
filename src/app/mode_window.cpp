#include "app/mode_window.h"

#include <QCloseEvent>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kBackground(0xEE, 0xEE, 0xEE);
const QColor kOrange = QColor::fromRgbF(1.0, 0.694, 0.275);

QPushButton* makeButton(const QString& title, bool primary) {
  auto* b = new QPushButton(title);
  b->setMinimumSize(96, 32);
  b->setCursor(Qt::PointingHandCursor);
  b->setStyleSheet(primary ? QStringLiteral("QPushButton{background:#ffb146;color:#1a1a1a;border:"
                                            "none;border-radius:6px;font-weight:bold;}"
                                            "QPushButton:hover{background:#ffc266;}")
                           : QStringLiteral("QPushButton{background:#d0d0d0;color:#1a1a1a;border:"
                                            "none;border-radius:6px;}"
                                            "QPushButton:hover{background:#dddddd;}"));
  return b;
}

}  // namespace

ModeWindow::ModeWindow(Kind kind, const QString& message, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setModal(true);
  setAttribute(Qt::WA_TranslucentBackground);
  setMinimumWidth(360);

  message_ = new QLabel(message);
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignCenter);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  message_->setStyleSheet(QStringLiteral("color:#1a1a1a;font-size:14px;"));

  comfirm_ = makeButton(qtTrId("comfirm"), true);
  viewCancelOk_ = new QWidget;
  buttonCancel_ = makeButton(qtTrId("cancel"), false);
  buttonCancelComfirm_ = makeButton(qtTrId("comfirm"), true);
  auto* pair = new QHBoxLayout(viewCancelOk_);
  pair->setContentsMargins(0, 0, 0, 0);
  pair->addWidget(buttonCancel_);
  pair->addWidget(buttonCancelComfirm_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 28, 28, 20);
  layout->setSpacing(22);
  layout->addWidget(message_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(comfirm_);
  buttons->addWidget(viewCancelOk_);
  buttons->addStretch();
  layout->addLayout(buttons);

  const bool tip = kind == Kind::Tip;
  comfirm_->setVisible(tip);
  viewCancelOk_->setVisible(!tip);
  (tip ? comfirm_ : buttonCancelComfirm_)->setDefault(true);

  connect(comfirm_, &QPushButton::clicked, this, &ModeWindow::okAction);
  connect(buttonCancelComfirm_, &QPushButton::clicked, this, &ModeWindow::okAction);
  connect(buttonCancel_, &QPushButton::clicked, this, &ModeWindow::cancelAction);
}

ModeWindow::~ModeWindow() { qInfo().noquote() << "释放 window"; }

void ModeWindow::okAction() { end(true); }

void ModeWindow::cancelAction() { end(false); }

void ModeWindow::reject() { end(false); }

void ModeWindow::closeEvent(QCloseEvent* event) {
  end(false);
  event->accept();
}

void ModeWindow::end(bool answer) {
  if (answered_) return;
  answered_ = true;
  if (block) block(answer);
  done(answer ? Accepted : Rejected);
}

void ModeWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kOrange, 2));
  p.setBrush(kBackground);
  p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
}

void DialogPrompter::showTip(const QString& message) {
  ModeWindow dialog(ModeWindow::Kind::Tip, message, parent_);
  if (onShow) onShow(&dialog);
  dialog.exec();
}

bool DialogPrompter::confirm(const QString& message) { return ask(message, false); }

bool DialogPrompter::confirmCancelDefault(const QString& message) { return ask(message, true); }

bool DialogPrompter::ask(const QString& message, bool cancelDefault) {
  bool result = false;
  ModeWindow dialog(ModeWindow::Kind::Confirmation, message, parent_);
  if (cancelDefault) {
    dialog.buttonCancelComfirm()->setDefault(false);
    dialog.buttonCancel()->setDefault(true);
    dialog.buttonCancel()->setFocus();
  }
  dialog.block = [&result](bool answer) { result = answer; };
  if (onShow) onShow(&dialog);
  dialog.exec();
  return result;
}
