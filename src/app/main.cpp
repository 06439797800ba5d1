#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "app/app_delegate.h"
#include "app/fonts.h"
#include "app/mode_window.h"
#include "app/single_instance.h"
#include "app/startup_clock.h"
#include "app/window.h"
#include "link/hidapi_transport.h"
#include "link/serial_port_manager.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "model/prompter.h"

int main(int argc, char* argv[]) {
  ORSSerialPortManager::enumerateSystemPortsAhead();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorn"));
  QApplication::setOrganizationName(QStringLiteral("Vorn"));
  QApplication::setApplicationVersion(QStringLiteral(VORN_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/vorn.svg")));
  // Ties the window to its desktop entry, so a taskbar or Wayland shows the entry's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vorn.Vorn"));
  KoFonts::applyUiFont();

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Pose, record and store robot arm actions."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption simulate(QStringLiteral("simulate"),
                                    QStringLiteral("Start on the virtual board instead of USB."));
  parser.addOption(simulate);
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("Action files (.rob, .json, .csv) to open: the first replaces the list, "
                     "the others are merged in after it in order. With Vorn already running, "
                     "they open in its window."),
      QStringLiteral("[FILE...]"));
  parser.process(app);
  const bool simulated = parser.isSet(simulate);
  const QStringList files =
      KoSingleInstance::absolutePaths(parser.positionalArguments(), QDir::currentPath());

  // A start on the virtual board is a start of its own kind: it only brings the running
  // window forward and hands it nothing.
  KoInstanceServer server;
  constexpr std::chrono::seconds handOverWait(3);
  if (!KoSingleInstance::claim(server, KoSingleInstance::serverName(),
                               simulated ? QStringList{} : files, handOverWait)) {
    return 0;
  }
  const std::future<void> fonts = KoFonts::loadAhead();

  KoLanguage::instance().load();
  usbHid& link = usbHid::sharedManager();
  AppDelegate delegate(link, [] { return std::make_unique<HidapiTransport>(); });
  delegate.applicationDidFinishLaunching(simulated);
  delegate.listenToLaterStarts(&server);

  DialogPrompter prompter(delegate.window());
  KoTools::installPrompter(&prompter);

  logStartupAfterFirstPaint(delegate.window());
  delegate.window()->show();
  // After the window is up, so its tips and questions have a window to sit on.
  QMetaObject::invokeMethod(
      &delegate, [&delegate, files] { delegate.openFiles(files); }, Qt::QueuedConnection);
  const int status = app.exec();
  KoTools::installPrompter(nullptr);
  return status;
}
