#include "app/app_delegate.h"

#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QScreen>
#include <QSvgWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/tray_notifier.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "editor/velmar_view_controller.h"
#include "board/virtual_hid_transport.h"
#include "link/usb_hid.h"
#include "model/notification_center.h"
#include "model/prompter.h"

namespace {

constexpr QSize kFixedSize(1260, 800);
constexpr int kSmallScreenWidth = 1280;

// Stands in for a screen until it is built: its picture or name, on the window's body.
QWidget* placeholder(const QString& picture) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  if (!picture.isEmpty()) {
    auto* image = new QSvgWidget(picture);
    image->setFixedSize(580, 580);
    layout->addWidget(image, 0, Qt::AlignCenter);
  }
  return page;
}

}  // namespace

AppDelegate::AppDelegate(usbHid& link, TransportFactory usbTransport, QObject* parent)
    : QObject(parent), link_(link), usbTransport_(std::move(usbTransport)) {}

AppDelegate::~AppDelegate() {
  link_.setTransport(nullptr);  // before the virtual board goes
  delete window_;
}

void AppDelegate::applicationDidFinishLaunching(bool simulate) {
  window_ = new KoWindow;
  window_->setWindowTitle(QStringLiteral("Vorn"));
  auto* body = new QVBoxLayout(window_);
  body->setContentsMargins(0, 20, 0, 8);
  body->setSpacing(0);

  viewTop_ = new KoTopBlackView(link_, window_);
  viewTop_->setDelegate(this);
  body->addWidget(viewTop_);

  tabView_ = new QTabWidget(window_);
  tabView_->tabBar()->hide();  // the top bar draws the tabs
  tabView_->setDocumentMode(true);
  tabView_->setStyleSheet(QStringLiteral("QTabWidget::pane{border:none;}"));
  vc1_ = new KoVelmarViewController(link_);
  vc2_ = placeholder({});
  tabView_->addTab(vc1_, qtTrId("normal_mode"));
  tabView_->addTab(vc2_, qtTrId("servo_adjust"));
  body->addWidget(tabView_, 1);

  notifier_ = new TrayNotifier(window_);
  DesktopNotifier::install(notifier_);
  KoTools::installPrompter(nullptr);

  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &AppDelegate::changeLanguage);

  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || screen->geometry().width() <= kSmallScreenWidth) {
    window_->setFixedSize(kFixedSize);
  } else {
    window_->setMinimumSize(960, 640);
    window_->resize(kFixedSize);
  }
  useVirtualBoard(simulate);
}

void AppDelegate::changeLanguage() {
  tabView_->setTabText(0, qtTrId("normal_mode"));
  tabView_->setTabText(1, qtTrId("servo_adjust"));
  viewTop_->update();
}

void AppDelegate::selectTitleIndex(int index) {
  if (link_.motorMode() && motorModeReset_) motorModeReset_();
  tabView_->setCurrentIndex(index);
}

void AppDelegate::switchLinkRequested() {
  if (link_.download()) {
    KoTools::showTipWithMessage(qtTrId("progress"));
    return;
  }
  useVirtualBoard(!usesVirtualBoard());
}

void AppDelegate::useVirtualBoard(bool on) {
  if (on) {
    auto board = std::make_unique<VirtualBoard>();
    link_.setTransport(std::make_unique<VirtualHidTransport>(board.get()));
    virtualBoard_ = std::move(board);
  } else {
    link_.setTransport(usbTransport_ ? usbTransport_() : nullptr);
    virtualBoard_.reset();
  }
  if (viewTop_) viewTop_->setVirtualBoard(on);
}
