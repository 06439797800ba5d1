// The yardstick for vorn's start-up: a bare Qt Widgets window of the same size holding a tab
// widget with a table, timed from process start to its first paint the way vorn times itself.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableWidget>

#include "app/startup_clock.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  auto* tabs = new QTabWidget;
  tabs->addTab(new QTableWidget(20, 7), QStringLiteral("Table"));
  tabs->addTab(new QWidget, QStringLiteral("Other"));
  window.setCentralWidget(tabs);
  window.resize(1260, 800);
  logStartupAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
