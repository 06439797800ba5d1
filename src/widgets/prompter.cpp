#include "widgets/prompter.h"

#include <QDebug>
#include <QList>
#include <QTimer>

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
int openPrompts = 0;
QList<std::function<void()>> heldBack;

// Counts an open prompt; when the last closes, what waited runs from the event loop.
struct PromptScope {
  PromptScope() { ++openPrompts; }
  ~PromptScope() {
    if (--openPrompts > 0 || heldBack.isEmpty()) return;
    QTimer::singleShot(0, [] {
      while (!heldBack.isEmpty() && openPrompts == 0) heldBack.takeFirst()();
    });
  }
};

}  // namespace

namespace KoTools {

void installPrompter(Prompter* prompter) { current = prompter ? prompter : &logPrompter; }

void showTipWithMessage(const QString& message) {
  PromptScope open;
  current->showTip(message);
}

bool showCancelAndOkWithMessage(const QString& message, Question kind) {
  PromptScope open;
  return kind == Question::Destructive ? current->confirmDestructive(message)
                                       : current->confirm(message);
}

Prompter::SaveAnswer askToSaveWithMessage(const QString& message) {
  PromptScope open;
  return current->askToSave(message);
}

void afterPrompts(std::function<void()> work) {
  if (openPrompts == 0 && heldBack.isEmpty()) {
    work();
  } else {
    heldBack.append(std::move(work));
  }
}

}  // namespace KoTools
