#pragma once

#include <QString>
#include <QStringList>

#include "model/action_file.h"

// The modal open and save panels of action files. The program shows file dialogs; tests
// install panels that answer at once.
class KoFilePanels {
 public:
  virtual ~KoFilePanels() = default;
  // The chosen files; empty when cancelled. The title says what the files are for.
  virtual QStringList chooseFilesToOpen(bool multiple, const QString& title) = 0;
  // The chosen path, starting at `current` (the list's file, if it has one); empty when
  // cancelled.
  virtual QString chooseFileToSave(const QString& current) = 0;
  // A song to dance to; empty when cancelled.
  virtual QString chooseSong() = 0;

  // Installs the panels used from now on (not owned); nullptr restores the file dialogs.
  static void install(KoFilePanels* panels);
  static KoFilePanels& installed();
};

namespace KoTools {

// Lets the user choose action files and reads them (rules of chooseVelmarFiles). A single
// ".json" or ".csv" file is read as the text the command line exports.
ActionFileChoice<KoVelmarPwmModel> openFileAllowsMultipleSelectionVelmar(bool multiple,
                                                                         const QString& title);

// The frames of one action file, binary or text by its extension; none, with a tip, when
// it cannot be read.
VelmarFrames openEditorFile(const QString& path);

// Saves the frames to `path`, or where the user chooses (starting at `current`) when it is
// empty, as text for a
// ".json" or ".csv" name. Refuses, with a tip and before any panel, a list that would not
// read back as it is; tips when the file cannot be written. The path written, or empty.
QString saveFileWith(const VelmarFrames& frames, const QString& path, const QString& current = {});

}  // namespace KoTools
