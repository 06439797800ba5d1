#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "model/arm_profile.h"

// `--profile NAME`: positions are held to the safe ranges of an arm profile the desktop
// program keeps, before anything goes to the board.
namespace vornctl {

// `name` (of a profile, a channel or a file) as it may go to a terminal: each character that
// could steer the terminal or turn the text around (ESC, BEL, U+202E, ...) written as \x1b,
// \u202e.
QString printable(const QString& name);

// The profile of that name in the settings; CliError(kUsage) naming the profiles there are
// when none has it.
KoArmProfile profileNamed(const QString& name);

// CliError(kRefused) when the position lies outside the servo's channel's safe range, or the
// arm would strike with it there and its other channels at the middle.
void checkMove(const KoArmProfile& profile, int id, int position);

// CliError(kRefused) naming the first frame (counted from 1, as the editor's table does) and
// channel whose position lies outside that channel's safe range; failing that, the first frame
// whose pose would strike, judged as the editor judges it. `frames` are the moves as they go to
// the board; `file` is named in the message.
void checkFrames(const KoArmProfile& profile, const QString& file, const QList<QByteArray>& frames);

}  // namespace vornctl
