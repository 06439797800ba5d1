#include "editor/music/song_backend.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#ifndef VORN_BUILD_MODULE_DIR
#define VORN_BUILD_MODULE_DIR ""
#endif

std::unique_ptr<KoSongBackend> KoSongBackend::load(QString* why) {
  // Installed beside the program's own libraries; in a build tree where the build put it.
  QStringList places{QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/vorn"),
                     QStringLiteral(VORN_BUILD_MODULE_DIR)};
  if (const QString own = qEnvironmentVariable("VORN_MODULE_DIR"); !own.isEmpty()) {
    places.prepend(own);
  }
  QString errors;
  for (const QString& place : places) {
    if (place.isEmpty()) continue;
    const QString path = QDir(place).filePath(QStringLiteral("vorn_music.so"));
    if (!QFile::exists(path)) continue;
    // Never unloaded: the backend's objects and Qt's plug-ins it loads live until exit.
    QLibrary library(path);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (auto make = reinterpret_cast<KoSongBackendFactory>(library.resolve(kSongBackendEntry))) {
      return std::unique_ptr<KoSongBackend>(make());
    }
    errors = library.errorString();
  }
  if (why) *why = errors;
  return nullptr;
}
