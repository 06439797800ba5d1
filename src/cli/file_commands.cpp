#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "model/action_file.h"
#include "model/action_text.h"
#include "model/move_frame.h"

namespace vornctl {

namespace {

struct Args {
  std::string file;
  std::string out;
  std::string format;
  bool json = false;
};

Args args;

KoTools::ActionTextFormat formatOf(const QString& path, const std::string& given) {
  const QString f =
      given.empty() ? QFileInfo(path).suffix().toLower() : QString::fromStdString(given);
  if (f == QLatin1String("json")) return KoTools::ActionTextFormat::Json;
  if (f == QLatin1String("csv")) return KoTools::ActionTextFormat::Csv;
  throw CliError(kUsage, QStringLiteral("%1: say --format json or --format csv").arg(path));
}

QString position(quint16 p) {
  return p == frame::kAbsentChannel ? QStringLiteral("-") : QString::number(p);
}

void show() {
  const QList<KoTools::ActionRecord> records =
      KoTools::actionRecords(readActionFile(QString::fromStdString(args.file)));
  if (args.json) {
    printJson(
        QJsonDocument::fromJson(KoTools::exportActionText(records, KoTools::ActionTextFormat::Json))
            .object());
    return;
  }
  QString text = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
                     .arg(QStringLiteral("frame"), 5)
                     .arg(QStringLiteral("time"), 6)
                     .arg(QStringLiteral("ch1"), 5)
                     .arg(QStringLiteral("ch2"), 5)
                     .arg(QStringLiteral("ch3"), 5)
                     .arg(QStringLiteral("ch4"), 5)
                     .arg(QStringLiteral("ch5"), 5)
                     .arg(QStringLiteral("ch6"), 5);
  for (qsizetype i = 0; i < records.size(); ++i) {
    const KoTools::ActionRecord& r = records[i];
    text += QStringLiteral("%1 %2").arg(i + 1, 5).arg(r.time, 6);
    for (quint16 p : r.positions) text += QStringLiteral(" %1").arg(position(p), 5);
    text += u'\n';
  }
  text += QStringLiteral("%1 frame%2\n").arg(records.size()).arg(records.size() == 1 ? "" : "s");
  printText(text);
}

void writeOut(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty() || path == u'-') {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    return;
  }
  // Replaced in one step: a failed write leaves the old file as it was.
  QString error;
  if (!KoTools::saveActionFile(path, bytes, &error)) {
    throw CliError(kFileError, QStringLiteral("cannot write %1: %2").arg(path, error));
  }
}

void exportFile() {
  const QString in = QString::fromStdString(args.file);
  const QString out = QString::fromStdString(args.out);
  const auto format =
      formatOf(out.isEmpty() || out == u'-' ? QStringLiteral("x.json") : out, args.format);
  writeOut(out, KoTools::exportActionText(KoTools::actionRecords(readActionFile(in)), format));
}

void importFile() {
  const QString in = QString::fromStdString(args.file);
  const QString out = QString::fromStdString(args.out);
  const auto format = formatOf(in, args.format);
  QFile file(in);
  if (!file.open(QIODevice::ReadOnly)) {
    throw CliError(kFileError, QStringLiteral("cannot read %1: %2").arg(in, file.errorString()));
  }
  if (file.size() > 64 * KoTools::kMaxActionFileSize) {
    throw CliError(kFileError, QStringLiteral("%1 is too large").arg(in));
  }
  KoTools::ActionTextError error;
  const auto records = KoTools::importActionText(file.readAll(), format, &error);
  if (!records) {
    const QString field =
        error.field.isEmpty() ? QString() : QStringLiteral(", %1").arg(error.field);
    throw CliError(kFileError, QStringLiteral("%1:%2%3: %4; nothing written")
                                   .arg(in)
                                   .arg(error.line)
                                   .arg(field, error.message));
  }
  writeOut(out, KoTools::actionImage(*records));
  std::fprintf(stderr, "%lld frames written to %s\n", static_cast<long long>(records->size()),
               qPrintable(out));
}

}  // namespace

QByteArray readActionFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw CliError(kFileError, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
  }
  if (file.size() > KoTools::kMaxActionFileSize) {
    throw CliError(kFileError, QStringLiteral("%1 is too large for an action file").arg(path));
  }
  const QByteArray image = file.readAll();
  if (image.size() < KoTools::kActionFileHeaderSize || !image.startsWith("SOBARM")) {
    throw CliError(kFileError, QStringLiteral("%1 is damaged: it does not begin with an action "
                                              "file's 16-byte header")
                                   .arg(path));
  }
  const qsizetype spare =
      (image.size() - KoTools::kActionFileHeaderSize) % KoTools::kActionRecordSize;
  if (spare != 0) {
    std::fprintf(stderr, "%s: %lld bytes after the last whole frame are ignored\n",
                 qPrintable(path), static_cast<long long>(spare));
  }
  return image;
}

void printJson(const QJsonValue& value) {
  const QByteArray text = value.isArray() ? QJsonDocument(value.toArray()).toJson()
                                          : QJsonDocument(value.toObject()).toJson();
  std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

void printText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stdout);
  std::fflush(stdout);
}

bool stdinIsTerminal() { return isatty(STDIN_FILENO) != 0; }
bool stdoutIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

void addFileCommands(CLI::App& app) {
  CLI::App* file = app.add_subcommand("file", "Show and convert action files");
  file->require_subcommand(1);

  CLI::App* c = file->add_subcommand("show", "Print the frames of an action file");
  c->add_option("FILE", args.file, "Action file (.rob)")->required();
  c->add_flag("--json", args.json, "Print JSON");
  c->callback(show);

  c = file->add_subcommand("export", "Write an action file as JSON or CSV");
  c->add_option("FILE", args.file, "Action file (.rob)")->required();
  c->add_option("--format", args.format, "json or csv (default: from -o, else json)")
      ->check(CLI::IsMember({"json", "csv"}));
  c->add_option("-o,--output", args.out, "Output file (default: standard output)");
  c->callback(exportFile);

  c = file->add_subcommand("import", "Make an action file from JSON or CSV");
  c->add_option("FILE", args.file, "JSON or CSV file")->required();
  c->add_option("--format", args.format, "json or csv (default: from the file name)")
      ->check(CLI::IsMember({"json", "csv"}));
  c->add_option("-o,--output", args.out, "Action file to write (.rob)")->required();
  c->callback(importFile);
}

}  // namespace vornctl
