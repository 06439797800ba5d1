#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// While it lives, the program's settings go to a scratch folder of its own: a benchmark or a
// picture run changes languages and switches, never in the user's settings. Made before the
// application object.
class ScratchSettings {
 public:
  ScratchSettings() {
    QStandardPaths::setTestModeEnabled(true);
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(format, QSettings::UserScope, folder_.path());
    }
  }
  bool isValid() const { return folder_.isValid(); }

 private:
  QTemporaryDir folder_;
};
