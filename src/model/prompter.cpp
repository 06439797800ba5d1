#include "model/prompter.h"

#include <QDebug>

namespace {

class LogPrompter final : public Prompter {
 public:
  void showTip(const QString& message) override { qWarning().noquote() << "tip:" << message; }
  bool confirm(const QString& message) override {
    qWarning().noquote() << "unanswered question (no):" << message;
    return false;
  }
};

LogPrompter logPrompter;
Prompter* current = &logPrompter;

}  // namespace

namespace KoTools {

void installPrompter(Prompter* prompter) { current = prompter ? prompter : &logPrompter; }

Prompter* installedPrompter() { return current; }

void showTipWithMessage(const QString& message) { current->showTip(message); }

bool showCancelAndOkWithMessage(const QString& message) { return current->confirm(message); }

}  // namespace KoTools
