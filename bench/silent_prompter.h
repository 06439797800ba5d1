#pragma once

#include "widgets/prompter.h"

// Benchmarks time the work, not a person: every tip goes unseen, every question is declined,
// and unsaved changes are let go.
class SilentPrompter final : public Prompter {
 public:
  void showTip(const QString&) override {}
  bool confirm(const QString&) override { return false; }
  SaveAnswer askToSave(const QString&) override { return SaveAnswer::Discard; }
};
