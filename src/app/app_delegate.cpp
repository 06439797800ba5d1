#include "app/app_delegate.h"

#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/bus_servo_menu.h"
#include "app/language.h"
#include "app/tray_notifier.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "editor/velmar_view_controller.h"
#include "link/usb_hid.h"
#include "model/notification_center.h"
#include "model/prompter.h"
#include "servotool/steer_debugging_tool.h"

namespace {

constexpr QSize kFixedSize(1260, 800);
constexpr int kSmallScreenWidth = 1280;

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
  busServoMenu_ = new KoBusServoMenu(viewTop_);

  tabView_ = new QTabWidget(window_);
  tabView_->tabBar()->hide();  // the top bar draws the tabs
  tabView_->setDocumentMode(true);
  tabView_->setStyleSheet(QStringLiteral("QTabWidget::pane{border:none;}"));
  vc1_ = new KoVelmarViewController(link_);
  auto* tool = new KoSteerDebuggingTool(link_);
  setMotorModeReset([tool] { tool->resetToServoMode(); });
  // A changed bus is checked again at once when the tool is in front.
  connect(busServoMenu_, &KoBusServoMenu::busChanged, tool, [this, tool] {
    if (tool->isVisible() && link_.connection()) tool->connection();
  });
  vc2_ = tool;
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
  if (busServoMenu_) {
    busServoMenu_->setBoard(virtualBoard_.get());
    viewTop_->linkBadge()->setMenu(on ? busServoMenu_ : nullptr);
    viewTop_->linkBadge()->setPopupMode(on ? QToolButton::MenuButtonPopup
                                           : QToolButton::DelayedPopup);
  }
  if (viewTop_) viewTop_->setVirtualBoard(on);
}
