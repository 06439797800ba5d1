#include "cli/profile_check.h"

#include <QStringList>

#include "cli/exit_codes.h"
#include "model/move_frame.h"

namespace vornctl {

namespace {

QString channelText(const KoArmProfile& profile, int channel) {
  const QString name = profile.channel(channel).name;
  return name.isEmpty() ? qtTrId("ctl_channel").arg(channel)
                        : qtTrId("ctl_channel_named").arg(QString::number(channel), name);
}

}  // namespace

KoArmProfile profileNamed(const QString& name) {
  const KoArmProfiles profiles = KoArmProfiles::load();
  QStringList names;
  for (const KoArmProfile& p : profiles.all()) {
    if (p.name == name) return p;
    names.append(u'"' + p.name + u'"');
  }
  throw CliError(kUsage, qtTrId("ctl_unknown_profile").arg(name, names.join(QStringLiteral(", "))));
}

void checkMove(const KoArmProfile& profile, int id, int position) {
  const KoChannelProfile channel = profile.channel(id);
  if (channel.contains(position)) return;
  // One arg() call for all, so that a % in a profile's name is not taken for a place.
  throw CliError(kRefused, qtTrId("ctl_move_outside_profile")
                               .arg(channelText(profile, id), QString::number(channel.lowest),
                                    QString::number(channel.highest), profile.name,
                                    QString::number(position)));
}

void checkFrames(const KoArmProfile& profile, const QString& file,
                 const QList<QByteArray>& frames) {
  for (qsizetype f = 0; f < frames.size(); ++f) {
    const QByteArray& move = frames[f];
    if (move.size() < frame::kMoveHeaderSize || move[3] != frame::kMoveCommand) continue;
    for (qsizetype at = frame::kMoveHeaderSize; at + 3 <= move.size(); at += 3) {
      const int id = static_cast<quint8>(move[at]);
      const int position = frame::le16(move, at + 1);
      const KoChannelProfile channel = profile.channel(id);
      if (channel.contains(position)) continue;
      throw CliError(kRefused, qtTrId("ctl_frame_outside_profile")
                                   .arg(file, QString::number(f + 1), channelText(profile, id),
                                        QString::number(position), QString::number(channel.lowest),
                                        QString::number(channel.highest), profile.name));
    }
  }
}

}  // namespace vornctl
