// Any byte string may arrive as a JSON or CSV action file. Importing it must stay inside
// every buffer and either refuse it with a line, or accept records that export and import
// again unchanged and survive the trip through an action file.
#include <cstddef>
#include <cstdint>

#include <QtGlobal>

#include "model/action_text.h"

namespace {

void require(bool ok) {
  if (!ok) __builtin_trap();
}

// Without translations the texts are their ids, which Qt warns about on every argument.
void silent(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (qInstallMessageHandler(silent), true);
  (void)quiet;
  const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (KoTools::ActionTextFormat format :
       {KoTools::ActionTextFormat::Json, KoTools::ActionTextFormat::Csv}) {
    KoTools::ActionTextError error;
    const auto records = KoTools::importActionText(text, format, &error);
    if (!records) {
      require(error.line >= 1 && !error.message.isEmpty());
      continue;
    }
    const auto again =
        KoTools::importActionText(KoTools::exportActionText(*records, format), format, nullptr);
    require(again && *again == *records);
    require(KoTools::actionRecords(KoTools::actionImage(*records)) == *records);
  }
  return 0;
}
