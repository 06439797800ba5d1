#include "editor/files/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kKey = QStringLiteral("recentFiles");
}

KoRecentFiles::KoRecentFiles(QObject* parent) : QObject(parent) {
  for (const QString& path : QSettings().value(kKey).toStringList()) {
    if (!path.isEmpty() && !files_.contains(path) && files_.size() < kMaxFiles) {
      files_.append(path);
    }
  }
}

void KoRecentFiles::add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  files_.removeAll(absolute);
  files_.prepend(absolute);
  while (files_.size() > kMaxFiles) files_.removeLast();
  store();
}

void KoRecentFiles::remove(const QString& path) {
  if (files_.removeAll(path) > 0) store();
}

void KoRecentFiles::store() {
  QSettings().setValue(kKey, files_);
  emit filesChanged();
}
