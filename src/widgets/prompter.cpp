#include "widgets/prompter.h"

#include <QDebug>
#include <QList>
#include <QPointer>
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
QList<std::pair<QPointer<QObject>, std::function<void(bool)>>> watchers;

void tellWatchers(bool open) {
  watchers.removeIf([](const auto& w) { return w.first.isNull(); });
  for (const auto& [context, changed] : QList(watchers)) {
    if (context) changed(open);
  }
}

// Counts an open prompt; when the last closes, what waited runs from the event loop.
struct PromptScope {
  PromptScope() {
    if (openPrompts++ == 0) tellWatchers(true);
  }
  ~PromptScope() {
    if (--openPrompts > 0) return;
    tellWatchers(false);
    if (heldBack.isEmpty()) return;
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

void watchPrompts(QObject* context, std::function<void(bool open)> changed) {
  watchers.append({context, std::move(changed)});
}

}  // namespace KoTools
