#pragma once

class QFileDialog;

namespace KoTools {

// Qt's own file panel writes its dates and sizes in the system's locale and names a folder
// "Folder" whatever the translations say; this makes the panel's columns follow the chosen
// language as the rest of the window does.
void speakChosenLanguage(QFileDialog& panel);

}  // namespace KoTools
