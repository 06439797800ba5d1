#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>

#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "link/hidapi_transport.h"
#include "link/usb_hid.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorn"));
  QApplication::setOrganizationName(QStringLiteral("Vorn"));

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption simulate(QStringLiteral("simulate"),
                                    QStringLiteral("Drive the virtual board instead of USB."));
  parser.addOption(simulate);
  parser.process(app);

  VirtualBoard board;
  usbHid& link = usbHid::sharedManager();
  if (parser.isSet(simulate)) {
    link.setTransport(std::make_unique<VirtualHidTransport>(&board));
  } else {
    link.setTransport(std::make_unique<HidapiTransport>());
  }

  QMainWindow window;
  window.setWindowTitle(parser.isSet(simulate) ? QStringLiteral("Vorn (virtual board)")
                                               : QStringLiteral("Vorn"));
  window.resize(1260, 800);
  window.show();
  const int status = app.exec();
  link.setTransport(nullptr);  // before the board goes
  return status;
}
