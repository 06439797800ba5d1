#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>

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

  QMainWindow window;
  window.setWindowTitle(parser.isSet(simulate) ? QStringLiteral("Vorn (virtual board)")
                                               : QStringLiteral("Vorn"));
  window.resize(1260, 800);
  window.show();
  return app.exec();
}
