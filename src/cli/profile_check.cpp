#include "cli/profile_check.h"

#include <QStringList>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "model/send_check.h"

namespace vornctl {

namespace {

QString channelText(const KoArmProfile& profile, int channel) {
  const QString name = profile.channel(channel).shownName();
  return name.isEmpty()
             ? qtTrId("ctl_channel").arg(channel)
             : qtTrId("ctl_channel_named").arg(QString::number(channel), printable(name));
}

}  // namespace

QString printable(const QString& name) {
  QString out;
  out.reserve(name.size());
  for (qsizetype i = 0; i < name.size(); ++i) {
    char32_t c = name[i].unicode();
    qsizetype units = 1;
    if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(name[i], name[i + 1]);
      units = 2;
    }
    if (!KoTools::isUnprintable(c)) {
      out += QStringView(name).sliced(i, units);
    } else if (c < 0x100) {
      out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    } else if (c < 0x10000) {
      out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    } else {
      out += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
    }
    i += units - 1;
  }
  return out;
}

KoArmProfile profileNamed(const QString& name) {
  const KoArmProfiles profiles = KoArmProfiles::load();
  QStringList names;
  for (const KoArmProfile& p : profiles.all()) {
    if (p.name == name) return p;
    names.append(u'"' + printable(p.name) + u'"');
  }
  throw CliError(
      kUsage, qtTrId("ctl_unknown_profile").arg(printable(name), names.join(QStringLiteral(", "))));
}

void checkMove(const KoArmProfile& profile, int id, int position) {
  const std::optional<sending::Refusal> r = sending::moveRefusal(profile, id, position);
  if (!r) return;
  // One arg() call for all, so that a % in a profile's name is not taken for a place.
  if (!r->strike) {
    throw CliError(kRefused, qtTrId("ctl_move_outside_profile")
                                 .arg(channelText(profile, id), QString::number(r->low),
                                      QString::number(r->high), printable(profile.name),
                                      QString::number(position)));
  }
  throw CliError(kRefused, qtTrId("ctl_move_strikes")
                               .arg(channelText(profile, id), QString::number(position),
                                    sending::strikeText(r->strike), printable(profile.name)));
}

void checkFrames(const KoArmProfile& profile, const QString& file,
                 const QList<QByteArray>& frames) {
  const std::optional<sending::Refusal> r = sending::framesRefusal(profile, frames);
  if (!r) return;
  if (!r->strike) {
    throw CliError(kRefused, qtTrId("ctl_frame_outside_profile")
                                 .arg(printable(file), QString::number(r->frame + 1),
                                      channelText(profile, r->channel),
                                      QString::number(r->position), QString::number(r->low),
                                      QString::number(r->high), printable(profile.name)));
  }
  throw CliError(kRefused, qtTrId("ctl_frame_strikes")
                               .arg(printable(file), QString::number(r->frame + 1),
                                    sending::strikeText(r->strike), printable(profile.name)));
}

void addProfilesCommand(CLI::App& app) {
  app.add_subcommand("profiles", h(qtTrId("ctl_help_profiles")))->callback([] {
    const KoArmProfiles profiles = KoArmProfiles::load();
    QString names;
    for (const KoArmProfile& p : profiles.all()) names += printable(p.name) + u'\n';
    printText(names);
  });
}

}  // namespace vornctl
