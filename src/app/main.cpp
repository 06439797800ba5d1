#include <QApplication>
#include <QCommandLineParser>

#include "app/app_delegate.h"
#include "app/fonts.h"
#include "app/mode_window.h"
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
  KoFonts::applyUiFont();

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Pose, record and store robot arm actions."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption simulate(QStringLiteral("simulate"),
                                    QStringLiteral("Start on the virtual board instead of USB."));
  parser.addOption(simulate);
  parser.process(app);
  const std::future<void> fonts = KoFonts::loadAhead();

  KoLanguage::instance().load();
  usbHid& link = usbHid::sharedManager();
  AppDelegate delegate(link, [] { return std::make_unique<HidapiTransport>(); });
  delegate.applicationDidFinishLaunching(parser.isSet(simulate));

  DialogPrompter prompter(delegate.window());
  KoTools::installPrompter(&prompter);

  logStartupAfterFirstPaint(delegate.window());
  delegate.window()->show();
  const int status = app.exec();
  KoTools::installPrompter(nullptr);
  return status;
}
