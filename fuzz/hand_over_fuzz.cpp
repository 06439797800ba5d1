// A later start's message comes over a local socket from whatever connects to it. Reading one
// must refuse it, or give only absolute paths that a request carries back unchanged.
#include <cstddef>
#include <cstdint>

#include <QDir>
#include <QtGlobal>

#include "app/single_instance.h"

namespace {

void require(bool ok) {
  if (!ok) __builtin_trap();
}

void silent(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (qInstallMessageHandler(silent), true);
  (void)quiet;
  const QByteArray message(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QStringList files{QStringLiteral("untouched")};
  if (!KoSingleInstance::parseRequest(message, &files)) {
    require(files == QStringList{QStringLiteral("untouched")});
    return 0;
  }
  for (const QString& file : files) require(QDir::isAbsolutePath(file));
  QStringList again;
  require(KoSingleInstance::parseRequest(KoSingleInstance::request(files), &again));
  require(again == files);
  return 0;
}
