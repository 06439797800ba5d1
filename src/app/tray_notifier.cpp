#include "app/tray_notifier.h"

#include <QApplication>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTimer>
#include "widgets/theme.h"

#include "model/notification_center.h"

TrayNotifier::TrayNotifier(QWidget* window, bool useTray, int shownMilliseconds)
    : QObject(window), window_(window), hide_(new QTimer(this)) {
  hide_->setSingleShot(true);
  hide_->setInterval(shownMilliseconds);
  if (useTray) {
    tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
    tray_->show();
    connect(hide_, &QTimer::timeout, tray_, [this] {
      // Re-showing the icon withdraws a message still on screen.
      tray_->hide();
      tray_->show();
    });
    return;
  }
  notice_ = new QLabel(window);
  notice_->setObjectName(QStringLiteral("notice"));
  notice_->setWordWrap(true);
  notice_->setAlignment(Qt::AlignCenter);
  const KoTheme::Roles& colours = KoTheme::roles();
  notice_->setStyleSheet(
      QStringLiteral("QLabel#notice{background:%1;color:%2;border:1px solid %3;border-radius:%4px;"
                     "padding:10px 16px;font-size:%5px;}")
          .arg(colours.body.name(), colours.bodyText.name(), colours.accent.name())
          .arg(KoTheme::kRadius)
          .arg(int(KoTheme::Type::Body)));
  notice_->hide();
  connect(hide_, &QTimer::timeout, notice_, &QLabel::hide);
  // A notice says what happened in the language it happened in; it goes rather than stay up
  // in a language no longer chosen.
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, notice_,
          &QLabel::hide);
}

TrayNotifier::~TrayNotifier() {
  if (&DesktopNotifier::current() == this) {
    DesktopNotifier::install(nullptr);
  }
}

bool TrayNotifier::canUseTray() {
  return QSystemTrayIcon::isSystemTrayAvailable() && QSystemTrayIcon::supportsMessages();
}

void TrayNotifier::notify(const QString& title, const QString& body) {
  if (tray_) {
    tray_->showMessage(title, body, QSystemTrayIcon::Information, kShownMilliseconds);
  } else if (notice_ && window_) {
    notice_->setText(
        QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), body.toHtmlEscaped()));
    const int width = qMin(420, window_->width() - 40);
    notice_->setFixedWidth(width);
    notice_->adjustSize();
    notice_->move((window_->width() - width) / 2, window_->height() - notice_->height() - 24);
    notice_->raise();
    notice_->show();
  }
  hide_->start();
}
