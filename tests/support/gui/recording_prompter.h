#pragma once

#include <QStringList>
#include <functional>
#include <ostream>

#include "widgets/prompter.h"

// Records every tip and question; questions get the queued `answers`, or no.
class RecordingPrompter final : public Prompter {
 public:
  static RecordingPrompter& instance() {
    static RecordingPrompter p;
    return p;
  }

  QStringList tips;
  QStringList questions;
  // The questions asked as destructive ones (they are in `questions` too).
  QStringList destructive;
  QList<bool> answers;
  QList<SaveAnswer> saveAnswers;
  // Runs while a tip is "open", as events do while a real one waits for its button.
  std::function<void(const QString&)> whileTipOpen;

  void reset() { *this = RecordingPrompter(); }
  void showTip(const QString& message) override {
    tips.append(message);
    if (whileTipOpen) whileTipOpen(message);
  }
  bool confirm(const QString& message) override {
    questions.append(message);
    return answers.isEmpty() ? false : answers.takeFirst();
  }
  SaveAnswer askToSave(const QString& message) override {
    questions.append(message);
    return saveAnswers.isEmpty() ? SaveAnswer::Cancel : saveAnswers.takeFirst();
  }
  bool confirmDestructive(const QString& message) override {
    destructive.append(message);
    return confirm(message);
  }
};

inline RecordingPrompter& prompter() { return RecordingPrompter::instance(); }
inline QStringList& tips() { return RecordingPrompter::instance().tips; }

// Failed checks print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
