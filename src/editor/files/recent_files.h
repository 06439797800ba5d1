#pragma once

#include <QObject>
#include <QStringList>

// The action files opened or saved last, newest first, kept in the settings under
// "recentFiles" so that they outlive the program.
class KoRecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxFiles = 8;

  explicit KoRecentFiles(QObject* parent = nullptr);

  QStringList files() const { return files_; }
  // Moves `path` to the front.
  void add(const QString& path);
  void remove(const QString& path);

 signals:
  void filesChanged();

 private:
  void store();

  QStringList files_;
};
