#include "link/desktop_notifier.h"

#include <QDebug>

namespace {

class LogNotifier final : public DesktopNotifier {
 public:
  void notify(const QString& title, const QString& body) override {
    qInfo().noquote() << title << "-" << body;
  }
};

LogNotifier logNotifier;
DesktopNotifier* installed = &logNotifier;

}  // namespace

void DesktopNotifier::install(DesktopNotifier* notifier) {
  installed = notifier ? notifier : &logNotifier;
}

DesktopNotifier& DesktopNotifier::current() { return *installed; }
