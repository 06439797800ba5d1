#include <unistd.h>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/profile_check.h"
#include "model/action_file.h"
#include "model/action_text.h"
#include "model/file_io.h"
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

KoTools::FileRead readInput(const QString& path, qint64 limit) {
  KoTools::FileRead file = KoTools::readFile(path, limit);
  if (!file.ok()) {
    throw CliError(kFileError, qtTrId("ctl_cannot_read").arg(path, KoTools::describe(file.error)));
  }
  return file;
}

KoTools::ActionTextFormat formatOf(const QString& path, const std::string& given) {
  const QString f =
      given.empty() ? QFileInfo(path).suffix().toLower() : QString::fromStdString(given);
  if (f == QLatin1String("json")) return KoTools::ActionTextFormat::Json;
  if (f == QLatin1String("csv")) return KoTools::ActionTextFormat::Csv;
  throw CliError(kUsage, qtTrId("ctl_say_format").arg(path));
}

QString position(quint16 p) {
  return p == frame::kAbsentChannel ? QStringLiteral("-") : QString::number(p);
}

void show() {
  const QList<KoTools::ActionRecord> records =
      KoTools::actionRecords(readActionFile(pathOf(args.file)));
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
  text += qtTrId("ctl_frame_count").arg(records.size()) + u'\n';
  printText(text);
}

void exportFile() {
  const QString in = pathOf(args.file);
  const QString out = pathOf(args.out);
  const auto format =
      formatOf(out.isEmpty() || out == u'-' ? QStringLiteral("x.json") : out, args.format);
  writeOut(out, KoTools::exportActionText(KoTools::actionRecords(readActionFile(in)), format));
}

void importFile() {
  const QString in = pathOf(args.file);
  const QString out = pathOf(args.out);
  const auto format = formatOf(in, args.format);
  const KoTools::FileRead file = readInput(in, KoTools::kMaxActionTextSize);
  KoTools::ActionTextError error;
  const auto records = KoTools::importActionText(file.data, format, &error);
  if (!records) {
    QString where = QStringLiteral("%1:%2").arg(in).arg(error.line);
    if (!error.field.isEmpty()) where += QStringLiteral(", ") + error.field;
    throw CliError(kFileError, qtTrId("ctl_import_failed").arg(where, error.message));
  }
  writeOut(out, KoTools::actionImage(*records));
  printError(qtTrId("ctl_frames_written", int(records->size())).arg(out));
}

}  // namespace

void writeOut(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty() || path == u'-') {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    return;
  }
  // Replaced in one step: a failed write leaves the old file as it was.
  QString error;
  if (!KoTools::saveActionFile(path, bytes, &error)) {
    throw CliError(kFileError, qtTrId("ctl_cannot_write").arg(path, error));
  }
}

QByteArray readActionFile(const QString& path) {
  const QByteArray image = readInput(path, KoTools::kMaxActionFileSize).data;
  using Fault = KoTools::ActionImageCheck::Fault;
  const KoTools::ActionImageCheck check = KoTools::checkActionImage(image);
  // Past kMaxActionFrames the first frames are taken, as the editor takes them.
  if (check.fault == Fault::Short || check.fault == Fault::NotActionFile) {
    throw CliError(kFileError, qtTrId("ctl_damaged").arg(path));
  }
  if (check.spareBytes != 0) {
    printError(qtTrId("ctl_spare_bytes", int(check.spareBytes)).arg(path));
  }
  return image;
}

void printJson(QJsonObject document) {
  document.insert(QLatin1String("version"), kJsonVersion);
  const QByteArray text = QJsonDocument(document).toJson();
  std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

QString forTerminal(const QString& text) {
  QStringList lines = text.split(u'\n');
  for (QString& line : lines) line = printable(line);
  return lines.join(u'\n');
}

void printError(const QString& line) {
  const QByteArray utf8 = (forTerminal(line) + u'\n').toUtf8();
  std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stderr);
}

std::string h(const QString& text) { return text.toStdString(); }

QString pathOf(const std::string& argument) { return KoTools::fileNameFromNative(argument); }

void printText(const QString& text) {
  const QByteArray utf8 = forTerminal(text).toUtf8();
  std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stdout);
  std::fflush(stdout);
}

bool stdinIsTerminal() { return isatty(STDIN_FILENO) != 0; }
bool stderrIsTerminal() { return isatty(STDERR_FILENO) != 0; }

void addFileCommands(CLI::App& app) {
  CLI::App* file = app.add_subcommand("file", h(qtTrId("ctl_help_file")));
  file->require_subcommand(1);

  CLI::App* c = file->add_subcommand("show", h(qtTrId("ctl_help_file_show")));
  c->add_option("FILE", args.file, h(qtTrId("ctl_help_rob_file")))->required();
  c->add_flag("--json", args.json, h(qtTrId("ctl_help_json")));
  c->callback(show);

  c = file->add_subcommand("export", h(qtTrId("ctl_help_file_export")));
  c->add_option("FILE", args.file, h(qtTrId("ctl_help_rob_file")))->required();
  c->add_option("--format", args.format, h(qtTrId("ctl_help_export_format")))
      ->check(CLI::IsMember({"json", "csv"}));
  c->add_option("-o,--output", args.out, h(qtTrId("ctl_help_export_output")));
  c->callback(exportFile);

  c = file->add_subcommand("import", h(qtTrId("ctl_help_file_import")));
  c->add_option("FILE", args.file, h(qtTrId("ctl_help_import_input")))->required();
  c->add_option("--format", args.format, h(qtTrId("ctl_help_import_format")))
      ->check(CLI::IsMember({"json", "csv"}));
  c->add_option("-o,--output", args.out, h(qtTrId("ctl_help_import_output")))->required();
  c->callback(importFile);

  addEaseCommand(file);
}

}  // namespace vornctl
