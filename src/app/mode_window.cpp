#include "app/mode_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

namespace {

QPushButton* makeButton(const QString& title, bool primary) {
  auto* b = new QPushButton(title);
  b->setMinimumSize(96, 32);
  b->setCursor(Qt::PointingHandCursor);
  const QColor fill = primary ? KoTheme::roles().accent : KoTheme::roles().grid;
  b->setStyleSheet(QStringLiteral("QPushButton{background:%1;color:%2;border:2px solid %1;"
                                  "border-radius:%6px;padding:0 12px;%3}"
                                  "QPushButton:hover{background:%4;border-color:%4;}"
                                  "QPushButton:focus{border-color:%5;}")
                       .arg(fill.name(), KoColours::textOn(fill).name(),
                            primary ? QStringLiteral("font-weight:bold;") : QString(),
                            fill.lighter(108).name(), KoColours::focusOn(fill).name())
                       .arg(KoTheme::kRadius / 2));
  return b;
}

}  // namespace

ModeWindow::ModeWindow(Kind kind, const QString& message, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setModal(true);
  // Rounded only where a compositor shows the corners; elsewhere they would be black.
  setAttribute(Qt::WA_TranslucentBackground, KoWindow::compositorRunning());
  setMinimumWidth(360);

  message_ = new QLabel(message);
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignCenter);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Points, from the desktop's font, so the system's text size applies.
  QFont font = QApplication::font();
  font.setPointSizeF(font.pointSizeF() * 1.15);
  message_->setFont(font);

  comfirm_ = makeButton(qtTrId("comfirm"), true);
  viewCancelOk_ = new QWidget;
  buttonCancel_ = makeButton(qtTrId("cancel"), false);
  buttonCancelComfirm_ = makeButton(qtTrId("comfirm"), true);
  auto* pair = new QHBoxLayout(viewCancelOk_);
  pair->setContentsMargins(0, 0, 0, 0);
  if (kind == Kind::SaveQuestion) {
    buttonDiscard_ = makeButton(qtTrId("save_changes_discard"), false);
    buttonCancelComfirm_->setText(qtTrId("save_changes_save"));
    pair->addWidget(buttonDiscard_);
    pair->addSpacing(24);
    connect(buttonDiscard_, &QPushButton::clicked, this, [this] {
      discarded_ = true;
      end(false);
    });
  }
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
  QPushButton* byDefault = tip                                     ? comfirm_
                           : kind == Kind::DestructiveConfirmation ? buttonCancel_
                                                                   : buttonCancelComfirm_;
  // Enter presses the focused button, as Space does; the safe answer is focused first.
  for (QPushButton* b : {comfirm_, buttonCancelComfirm_, buttonCancel_, buttonDiscard_}) {
    if (b) b->setAutoDefault(true);
  }
  byDefault->setDefault(true);
  byDefault->setFocus();
  message_->setAccessibleName(message);
  setAccessibleName(message);

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
  p.setPen(QPen(KoTheme::roles().accent, 2));
  p.setBrush(KoTheme::roles().surface);
  const qreal radius = testAttribute(Qt::WA_TranslucentBackground) ? KoTheme::kRadius : 0;
  p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
}

void DialogPrompter::showTip(const QString& message) {
  ModeWindow dialog(ModeWindow::Kind::Tip, message, parent_);
  if (onShow) onShow(&dialog);
  dialog.exec();
}

bool DialogPrompter::confirm(const QString& message) {
  return ask(ModeWindow::Kind::Confirmation, message);
}

bool DialogPrompter::confirmDestructive(const QString& message) {
  return ask(ModeWindow::Kind::DestructiveConfirmation, message);
}

Prompter::SaveAnswer DialogPrompter::askToSave(const QString& message) {
  bool save = false;
  ModeWindow dialog(ModeWindow::Kind::SaveQuestion, message, parent_);
  dialog.block = [&save](bool answer) { save = answer; };
  if (onShow) onShow(&dialog);
  dialog.exec();
  if (save) return SaveAnswer::Save;
  return dialog.discarded() ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

bool DialogPrompter::ask(ModeWindow::Kind kind, const QString& message) {
  bool result = false;
  ModeWindow dialog(kind, message, parent_);
  dialog.block = [&result](bool answer) { result = answer; };
  if (onShow) onShow(&dialog);
  dialog.exec();
  return result;
}
