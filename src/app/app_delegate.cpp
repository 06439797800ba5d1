#include "app/app_delegate.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/bus_servo_menu.h"
#include "app/single_instance.h"
#include "app/tray_notifier.h"
#include "app/window.h"
#include "app/window_buttons.h"
#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "editor/board/editor_serial.h"
#include "editor/files/editor_files.h"
#include "editor/velmar_view_controller.h"
#include "link/ko_serial.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "model/notification_center.h"
#include "servotool/steer_debugging_tool.h"
#include "widgets/lazy_page.h"
#include "widgets/prompter.h"

namespace {

// The strip above the bar that holds the window buttons.
constexpr int kStripHeight = 20;

// The tip for a command whose reply did not come; nullptr for one that needs none (moves,
// running and stopping a group, unloading).
const char* noReplyTipKey(int command) {
  switch (command) {
    case protocol::kEraseActionGroup:
      return QT_TRID_NOOP("erase_fail");
    case protocol::kReadPositions:
    case protocol::kDownloadDeviations:
      return QT_TRID_NOOP("wait_timeout");
    case protocol::kReadDeviations:
    case protocol::kReadServoInfo:
      return QT_TRID_NOOP("read_timeout");
    default:
      return nullptr;
  }
}

}  // namespace

AppDelegate::AppDelegate(usbHid& link, TransportFactory usbTransport, QObject* parent)
    : QObject(parent), link_(link), usbTransport_(std::move(usbTransport)) {
  // The board's news waits while a tip or question is open.
  link_.setDeferral(KoTools::afterPrompts);
}

AppDelegate::~AppDelegate() {
  link_.setTransport(nullptr);  // before the virtual board goes
  link_.setDeferral(nullptr);
  delete window_;
}

void AppDelegate::tipLinkProblems() {
  // Connected before the screens listen, so that the tip comes before what a screen does about
  // the same news (the editor's "trims not stored"), and after the top bar, whose badge already
  // says that the board may not be opened while its tip is up.
  connect(&link_, &usbHid::sendFailed, this,
          [] { KoTools::showTipWithMessage(qtTrId("send_fail")); });
  connect(&link_, &usbHid::replyTimedOut, this, [](int command) {
    if (const char* key = noReplyTipKey(command)) KoTools::showTipWithMessage(qtTrId(key));
  });
  connect(&link_, &usbHid::accessDenied, this, [](const QString&, const QString& reason) {
    KoTools::showTipWithMessage(qtTrId("hid_permission") + QStringLiteral("\n\n") + reason);
  });
}

bool AppDelegate::motorMode() const {
  const auto* tool = static_cast<KoSteerDebuggingTool*>(vc2_);
  return tool && tool->motorMode();
}

void AppDelegate::applicationDidFinishLaunching(bool simulate, LinkStart linkStart) {
  window_ = new KoWindow;
  window_->setWindowTitle(KoTopBlackView::windowTitle());
  auto* body = new QVBoxLayout(window_);
  // The window's own edges stay free, so it can be resized from every one of them.
  constexpr int edge = KoWindow::kEdge;
  body->setContentsMargins(edge, 0, edge, 8);
  body->setSpacing(0);

  windowButtons_ = new KoWindowButtons(window_, window_);
  auto* strip = new QHBoxLayout;
  strip->setContentsMargins(0, 1, 8, 1);
  strip->addStretch();
  strip->addWidget(windowButtons_);
  auto* stripHolder = new QWidget(window_);
  stripHolder->setFixedHeight(kStripHeight);
  stripHolder->setLayout(strip);
  body->addWidget(stripHolder);

  viewTop_ = new KoTopBlackView(link_, window_);
  viewTop_->setDelegate(this);
  body->addWidget(viewTop_);
  window_->setMoveBar(viewTop_);
  busServoMenu_ = new KoBusServoMenu(viewTop_);
  tipLinkProblems();

  tabView_ = new QTabWidget(window_);
  tabView_->tabBar()->hide();  // the top bar draws the tabs and takes their keys
  tabView_->setFocusPolicy(Qt::NoFocus);
  // Document mode draws no frame round the pages. A style sheet would do the same, but
  // restyles every widget of both pages, which made start-up slower.
  tabView_->setDocumentMode(true);
  auto* editor = new KoVelmarViewController(link_);
  vc1_ = editor;
  viewTop_->setSerialLine(&editor->serialControls()->line());
  window_->installEventFilter(editor->files());
  connect(editor, &KoVelmarViewController::documentTitleChanged, this, &AppDelegate::showTitle);
  showTitle();
  // The bus-servo tool is built when its tab is first shown: most starts never open it.
  toolPage_ = new KoLazyPage(
      [this](QWidget* page) { return vc2_ = new KoSteerDebuggingTool(link_, page); });
  // Only the tool turns a servo in motor mode, so there is nothing to reset before it exists.
  setMotorModeReset([this] {
    if (auto* tool = static_cast<KoSteerDebuggingTool*>(vc2_)) tool->resetToServoMode();
  });
  // A changed bus is checked again at once when the tool is in front.
  connect(busServoMenu_, &KoBusServoMenu::busChanged, this, [this] {
    auto* tool = static_cast<KoSteerDebuggingTool*>(vc2_);
    if (tool && tool->isVisible() && link_.connection()) tool->connection();
  });
  tabView_->addTab(vc1_, qtTrId("normal_mode"));
  tabView_->addTab(toolPage_, qtTrId("servo_adjust"));
  body->addWidget(tabView_, 1);

  notifier_ = new TrayNotifier(window_);
  DesktopNotifier::install(notifier_);
  KoTools::installPrompter(nullptr);

  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &AppDelegate::changeLanguage);

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect fallback(0, 0, 1280, 800);
  window_->place(placeWindow(screen ? screen->geometry() : fallback,
                             screen ? screen->availableGeometry() : fallback));
  windowButtons_->refresh();
  addShortcuts();
  qApp->installEventFilter(this);
  if (linkStart == LinkStart::Now) useVirtualBoard(simulate);
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<const QKeyEvent*>(event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (key->key() != Qt::Key_Escape || !widget || !window_ || widget->window() != window_) {
    return QObject::eventFilter(watched, event);
  }
  // A key travels up through the parents and is seen at each; stopping twice is harmless.
  static_cast<KoVelmarViewController*>(vc1_)->stopEverything(false);
  if (motorMode() && motorModeReset_) motorModeReset_();
  return false;
}

void AppDelegate::addShortcuts() {
  const auto add = [this](const QList<QKeySequence>& keys, auto slot) {
    auto* action = new QAction(window_);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    window_->addAction(action);
  };
  add({QKeySequence(Qt::CTRL | Qt::Key_Q)}, [] { QApplication::closeAllWindows(); });
  add({QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { window_->close(); });
  const auto step = [this](int by) {
    const int count = viewTop_->titles().size();
    viewTop_->chooseTab((viewTop_->index() + by + count) % count);
  };
  add({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
      [step] { step(1); });
  add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
      [step] { step(-1); });
  add({QKeySequence(Qt::CTRL | Qt::Key_1)}, [this] { viewTop_->chooseTab(0); });
  add({QKeySequence(Qt::CTRL | Qt::Key_2)}, [this] { viewTop_->chooseTab(1); });
}

void AppDelegate::showTitle() {
  window_->setWindowTitle(QStringLiteral("%1 — %2").arg(
      static_cast<KoVelmarViewController*>(vc1_)->documentTitle(), KoTopBlackView::windowTitle()));
}

void AppDelegate::changeLanguage() {
  showTitle();
  tabView_->setTabText(0, qtTrId("normal_mode"));
  tabView_->setTabText(1, qtTrId("servo_adjust"));
  viewTop_->update();
}

bool AppDelegate::openFiles(const QStringList& paths) {
  auto* editor = static_cast<KoVelmarViewController*>(vc1_);
  if (paths.isEmpty() || !editor->checkState(EditorAction::Open)) return false;
  // The files land in the editor, so it comes to the front unless a tab switch is refused.
  if (viewTop_->index() != 0 && !viewTop_->chooseTab(0)) return false;
  return editor->files()->openPaths(paths);
}

void AppDelegate::activate(const QStringList& paths) {
  window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  window_->raise();
  window_->activateWindow();
  if (paths.isEmpty()) return;
  handedOver_.append(paths);
  openHandedOver();
}

void AppDelegate::openHandedOver() {
  // Opened inside an open dialog's loop, the files would stack their questions and tips on
  // it, and the user's answer to the first would be taken for another.
  if (openingHandedOver_ || handedOver_.isEmpty()) return;
  if (QApplication::activeModalWidget()) {
    constexpr std::chrono::milliseconds kLookAgain(250);
    QTimer::singleShot(kLookAgain, this, &AppDelegate::openHandedOver);
    return;
  }
  openingHandedOver_ = true;
  while (!handedOver_.isEmpty()) openFiles(handedOver_.takeFirst());
  openingHandedOver_ = false;
}

void AppDelegate::listenToLaterStarts(KoInstanceServer* server) {
  connect(server, &KoInstanceServer::activationRequested, this, &AppDelegate::activate);
}

void AppDelegate::selectTitleIndex(int index) {
  if (motorMode() && motorModeReset_) motorModeReset_();
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
    board->setReceivedKept(kBoardFramesKept);
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
