#include "cli/profile_check.h"

#include <QStringList>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "model/move_frame.h"
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
  const KoChannelProfile channel = profile.channel(id);
  // One arg() call for all, so that a % in a profile's name is not taken for a place.
  if (!channel.contains(position)) {
    throw CliError(kRefused, qtTrId("ctl_move_outside_profile")
                                 .arg(channelText(profile, id), QString::number(channel.lowest),
                                      QString::number(channel.highest), printable(profile.name),
                                      QString::number(position)));
  }
  frame::ArmPositions pose;
  if (id >= 1 && id <= limits::kArmChannels) pose[size_t(id - 1)] = position;
  if (const quint8 faults = sending::faults(profile, pose)) {
    throw CliError(kRefused, qtTrId("ctl_move_strikes")
                                 .arg(channelText(profile, id), QString::number(position),
                                      sending::strikeText(faults), printable(profile.name)));
  }
}

void checkFrames(const KoArmProfile& profile, const QString& file,
                 const QList<QByteArray>& frames) {
  std::vector<frame::ArmPositions> poses;
  poses.reserve(size_t(frames.size()));
  for (qsizetype f = 0; f < frames.size(); ++f) {
    const QByteArray& move = frames[f];
    frame::ArmPositions& pose = poses.emplace_back();
    if (move.size() < frame::kMoveHeaderSize || move[3] != frame::kMoveCommand) continue;
    for (qsizetype at = frame::kMoveHeaderSize; at + 3 <= move.size(); at += 3) {
      const int id = static_cast<quint8>(move[at]);
      const int position = frame::le16(move, at + 1);
      if (id >= 1 && id <= limits::kArmChannels) pose[size_t(id - 1)] = position;
      const KoChannelProfile channel = profile.channel(id);
      if (channel.contains(position)) continue;
      throw CliError(kRefused,
                     qtTrId("ctl_frame_outside_profile")
                         .arg(printable(file), QString::number(f + 1), channelText(profile, id),
                              QString::number(position), QString::number(channel.lowest),
                              QString::number(channel.highest), printable(profile.name)));
    }
  }
  if (const sending::First strike = sending::firstStrike(profile, poses)) {
    throw CliError(kRefused, qtTrId("ctl_frame_strikes")
                                 .arg(printable(file), QString::number(strike.frame + 1),
                                      sending::strikeText(strike.bits), printable(profile.name)));
  }
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
