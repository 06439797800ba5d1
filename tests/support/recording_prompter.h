#pragma once

#include <QStringList>

#include "model/action_model.h"
#include "model/prompter.h"

// Records every tip and question; questions get the answers queued in `answers` (no when
// none is queued).
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

  void reset() {
    tips.clear();
    questions.clear();
    destructive.clear();
    answers.clear();
    saveAnswers.clear();
  }
  void showTip(const QString& message) override { tips.append(message); }
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
