#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTemporaryFile>

// A folder of its own for the files a test writes and reads back.
struct TempFiles {
  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dir;
};

class TempFilesTest : public ::testing::Test, protected TempFiles {};

// The settings unwritable while it lives: their folder runs through a file, which stops root too.
class UnwritableSettings {
 public:
  UnwritableSettings() {
    EXPECT_TRUE(file_.open());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, file_.fileName());
  }
  ~UnwritableSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_);
  }

 private:
  // The settings' file is <folder>/<organization>/<application>.conf.
  const QString folder_ =
      QFileInfo(QFileInfo(QSettings().fileName()).absolutePath()).absolutePath();
  QTemporaryFile file_;
};
