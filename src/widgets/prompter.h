#pragma once

#include <QString>
#include <functional>

class QObject;

// Where the screens' tips and questions go: the desktop program installs its dialogs, tests a
// recording one. Only the screens ask; the code below them returns outcomes that the screens
// put into words.
class Prompter {
 public:
  virtual ~Prompter() = default;
  // Returns when the user has dismissed the tip.
  virtual void showTip(const QString& message) = 0;
  // True when the user confirmed; closing the question counts as no.
  virtual bool confirm(const QString& message) = 0;
  // A question whose yes destroys something, such as erasing stored groups; a dialog makes
  // no the answer that Enter gives.
  virtual bool confirmDestructive(const QString& message) { return confirm(message); }

  enum class SaveAnswer { Save, Discard, Cancel };
  // Whether to save changes before they would be lost; closing the question cancels, and
  // so does a prompter that cannot ask, so that nothing is lost unasked.
  virtual SaveAnswer askToSave(const QString& message) {
    showTip(message);
    return SaveAnswer::Cancel;
  }
};

namespace KoTools {

// Installs the prompter used from now on (not owned); nullptr restores the fallback, which
// writes tips to the log and answers every question with no.
void installPrompter(Prompter* prompter);

enum class Question { Plain, Destructive };

// Both take ready, localized text.
void showTipWithMessage(const QString& message);
bool showCancelAndOkWithMessage(const QString& message, Question kind = Question::Plain);
Prompter::SaveAnswer askToSaveWithMessage(const QString& message);

// Runs `work` now, or, while a tip or question is open, once the last one has closed (in
// the order asked), so that replies and time-outs never stack dialogs or act behind one.
void afterPrompts(std::function<void()> work);

// Calls `changed(true)` as the first tip or question opens and `changed(false)` once the last
// has closed, for as long as `context` lives: what counts on the board's replies pauses
// meanwhile, since the program holds them back (afterPrompts).
void watchPrompts(QObject* context, std::function<void(bool open)> changed);

}  // namespace KoTools
