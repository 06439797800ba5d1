#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDir>
#include <cstdlib>
#include <future>
#include <memory>

#include <unistd.h>

#include "app/app_delegate.h"
#include "app/colour_scheme.h"
#include "app/fonts.h"
#include "app/mode_window.h"
#include "app/single_instance.h"
#include "app/startup_clock.h"
#include "app/window.h"
#include "link/hidapi_transport.h"
#include "link/malloc_tuning.h"
#include "link/serial_port_manager.h"
#include "link/usb_hid.h"
#include "model/file_io.h"
#include "model/language.h"
#include "widgets/prompter.h"

namespace {

// As the system names it, like the arguments relative to it.
QString currentFolder() {
  std::unique_ptr<char, decltype(&std::free)> here(::getcwd(nullptr, 0), &std::free);
  return here ? KoTools::fileNameFromNative(here.get()) : QDir::currentPath();
}

}  // namespace

int main(int argc, char* argv[]) {
  capMallocArenas();
  const std::shared_future<void> fontConfiguration = KoFonts::readConfigurationAhead();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorn"));
  QApplication::setOrganizationName(QStringLiteral("Vorn"));
  QApplication::setApplicationVersion(QStringLiteral(VORN_VERSION));
  // Ties the window to its desktop entry, so a taskbar or Wayland shows the entry's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vorn.Vorn"));
  KoFonts::applyUiFont();
  KoColourScheme colourScheme;
  colourScheme.applyStored();

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Pose, record and store robot arm actions."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption simulate(QStringLiteral("simulate"),
                                    QStringLiteral("Start on the virtual board instead of USB."));
  parser.addOption(simulate);
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("Action files (.rob, .json, .csv) to open: the first replaces the list, "
                     "the others are merged in after it in order. With Vorn already running, "
                     "they open in its window."),
      QStringLiteral("[FILE...]"));
  // File names as the system gave them: Qt's own list has lost the bytes of a name that is
  // not UTF-8, which then names no file.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(KoTools::fileNameFromNative(argv[i]));
  // The parser exits for help, the version and a mistyped command line; the font
  // configuration still being read would race that exit, so it is ended first.
  if (!parser.parse(arguments) || parser.isSet(help) || parser.isSet(version) ||
      parser.optionNames().contains(QStringLiteral("help-all"))) {
    KoFonts::releaseConfiguration(fontConfiguration);
  }
  parser.process(arguments);
  const bool simulated = parser.isSet(simulate);
  const QStringList files =
      KoSingleInstance::absolutePaths(parser.positionalArguments(), currentFolder());

  // A start on the virtual board is a start of its own kind: it only brings the running
  // window forward and hands it nothing.
  KoInstanceServer server;
  constexpr std::chrono::seconds handOverWait(3);
  if (!KoSingleInstance::claim(server, KoSingleInstance::serverName(),
                               simulated ? QStringList{} : files, handOverWait)) {
    KoFonts::releaseConfiguration(fontConfiguration);
    return 0;
  }
  const std::future<void> fonts = KoFonts::loadAhead(fontConfiguration);
  // The accessibility bridge connects to the session bus when the first control is labelled,
  // and the window would wait for it there; connected (or found missing) on a worker instead.
  const std::future<void> bus =
      std::async(std::launch::async, [] { QDBusConnection::sessionBus(); });

  KoLanguage::instance().installStored();
  usbHid& link = usbHid::sharedManager();
  AppDelegate delegate(link, [] { return std::make_unique<HidapiTransport>(); });
  delegate.applicationDidFinishLaunching(simulated, AppDelegate::LinkStart::ByCaller);
  delegate.listenToLaterStarts(&server);

  DialogPrompter prompter(delegate.window());
  KoTools::installPrompter(&prompter);

  logStartupAfterFirstPaint(delegate.window());
  // What the first frame does not show waits until it is up: the desktop's colour scheme is
  // asked for over the session bus, the icon is drawn at four sizes for the window manager,
  // the first start's settings wait for the disk, a board found at once brings a notice and a
  // relabelled top bar, and listing the serial ports reads hundreds of files. An unpainted
  // (minimised) window waits a second at most.
  constexpr std::chrono::seconds unpainted(1);
  afterFirstPaint(
      delegate.window(),
      [&delegate, &colourScheme, simulated] {
        colourScheme.followDesktop();
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/vorn.svg")));
        KoLanguage::instance().storeFirstStart();
        delegate.useVirtualBoard(simulated);
        ORSSerialPortManager::sharedSerialPortManager()->listInBackground();
      },
      unpainted);
  delegate.window()->show();
  // After the window is up, so its tips and questions have a window to sit on.
  QMetaObject::invokeMethod(
      &delegate, [&delegate, files] { delegate.openFiles(files); }, Qt::QueuedConnection);
  const int status = app.exec();
  KoTools::installPrompter(nullptr);
  return status;
}
