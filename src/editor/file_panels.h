#pragma once

#include <QString>
#include <QStringList>

#include "model/action_file.h"

// The modal open and save panels of action files. The program shows file dialogs; tests
// install panels that answer at once.
class KoFilePanels {
 public:
  virtual ~KoFilePanels() = default;
  // The chosen files; empty when cancelled.
  virtual QStringList chooseFilesToOpen(bool multiple) = 0;
  // The chosen path; empty when cancelled.
  virtual QString chooseFileToSave() = 0;

  // Installs the panels used from now on (not owned); nullptr restores the file dialogs.
  static void install(KoFilePanels* panels);
  static KoFilePanels& installed();
};

namespace KoTools {

// Lets the user choose action files and reads them (rules of chooseVelmarFiles).
ActionFileChoice<KoVelmarPwmModel> openFileAllowsMultipleSelectionVelmar(bool multiple);

// Saves the frames where the user chooses. Refuses, with a tip and before any panel, a
// list that would not read back as it is; tips when the file cannot be written. True when
// the file was written.
bool saveFileWith(const VelmarFrames& frames);

}  // namespace KoTools
