#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/top_black_view.h"

class HidTransport;
class KoInstanceServer;
class KoBusServoMenu;
class KoLazyPage;
class KoWindow;
class KoWindowButtons;
class QTabWidget;
class QWidget;
class TrayNotifier;
class VirtualBoard;
class usbHid;

// Builds the window, owns the screens and the top bar for the program's lifetime, decides
// tab switches and which board the link talks to.
class AppDelegate : public QObject, public KoTopBlackViewDelegate {
  Q_OBJECT

 public:
  using TransportFactory = std::function<std::unique_ptr<HidTransport>()>;

  // usbTransport makes the transport of the real board (tests pass a fake).
  AppDelegate(usbHid& link, TransportFactory usbTransport, QObject* parent = nullptr);
  ~AppDelegate() override;

  enum class LinkStart {
    Now,
    // The caller starts the link with useVirtualBoard(): a window's start does so once its
    // first frame is up, which a board found at once (its notice, the relabelled top bar)
    // would otherwise delay.
    ByCaller,
  };

  // Start-up: the window, the editor, the bus-servo tool's page (the tool itself comes when
  // the page is first shown), the top bar; the link, on the virtual board if asked.
  void applicationDidFinishLaunching(bool simulate, LinkStart linkStart = LinkStart::Now);

  // Opens action files named on the command line in the editor, through the editor's gate
  // and questions as Open and Merge File: the first opens, the rest merge in after it.
  bool openFiles(const QStringList& paths);
  // A later start asked for the window: it comes to the front, then opens the files, if any,
  // once no question or tip is open and earlier hand-overs are done.
  void activate(const QStringList& paths);
  // Later starts that reach `server` hand their files to this window.
  void listenToLaterStarts(KoInstanceServer* server);

  void selectTitleIndex(int index) override;
  // Escape anywhere in the window stops what plays, without taking the key from the control
  // that has the focus (a field still restores its text, a cell edit is still cancelled).
  bool eventFilter(QObject* watched, QEvent* event) override;
  void switchLinkRequested() override;
  // Talks to the virtual board (true) or the board on USB.
  void useVirtualBoard(bool on);
  // Nothing in the program reads what its virtual board received: it keeps only a few
  // frames, for a debugger, however long it runs.
  static constexpr int kBoardFramesKept = 16;
  bool usesVirtualBoard() const { return virtualBoard_ != nullptr; }
  VirtualBoard* virtualBoard() const { return virtualBoard_.get(); }

  // Run before a tab switch, and on Escape, while the bus-servo tool has a servo in motor
  // mode; the tool puts itself back into servo mode here.
  void setMotorModeReset(std::function<void()> reset) { motorModeReset_ = std::move(reset); }

  KoWindow* window() const { return window_; }
  QTabWidget* tabView() const { return tabView_; }
  KoTopBlackView* viewTop() const { return viewTop_; }
  QWidget* vc1() const { return vc1_; }
  // The bus-servo tool; nullptr until its tab is first shown.
  QWidget* vc2() const { return vc2_; }
  // The tab page that builds and holds the bus-servo tool.
  KoLazyPage* toolPage() const { return toolPage_; }
  TrayNotifier* notifier() const { return notifier_; }
  KoWindowButtons* windowButtons() const { return windowButtons_; }

 private:
  void changeLanguage();
  // The file's name and modified mark before the program's title.
  void showTitle();
  // Quit, close, and the tab keys (Ctrl+Tab, Ctrl+PgDn/PgUp, Ctrl+1, Ctrl+2).
  void addShortcuts();
  // Opens the handed-over files in the order they came, unless a dialog is open.
  void openHandedOver();
  // What goes wrong on the link, in words: a tip for a frame not sent, for a reply that did not
  // come (where the user waits for one) and for a board that may not be opened.
  void tipLinkProblems();
  // The bus-servo tool, if built, has a servo in motor mode.
  bool motorMode() const;

  usbHid& link_;
  TransportFactory usbTransport_;
  std::unique_ptr<VirtualBoard> virtualBoard_;
  std::function<void()> motorModeReset_;
  KoWindow* window_ = nullptr;
  QTabWidget* tabView_ = nullptr;
  KoTopBlackView* viewTop_ = nullptr;
  QWidget* vc1_ = nullptr;
  QWidget* vc2_ = nullptr;
  KoLazyPage* toolPage_ = nullptr;
  TrayNotifier* notifier_ = nullptr;
  KoBusServoMenu* busServoMenu_ = nullptr;
  KoWindowButtons* windowButtons_ = nullptr;
  QList<QStringList> handedOver_;
  bool openingHandedOver_ = false;
};
