#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "model/action_model.h"
#include "model/move_frame.h"

// Conversions between frame records and the bytes sent to the board.
namespace KoTools {

// Command frame of an edited frame: its present channels of 1 to 6, from its fields.
QByteArray actionToBytesWithVelmarModel(const KoVelmarPwmModel& frame);

// Command frame of a file frame from its positions text.
QByteArray actionToBytesWithModel(const KoPwmModel& frame);
// Rewrites the file frame's positions buffer from its text; returns a copy of it.
QByteArray actionToPositionsBytesWithModel(KoPwmModel& frame);

// The fixed six-servo move (25 bytes) for a frame's positions text; unnamed servos get 0.
QByteArray modelChangeToData(const KoActionModel& frame);
// The same move from an edited frame's positions, absent channels at 0, without reading
// its text again.
QByteArray sixServoMoveWithVelmarModel(const KoVelmarPwmModel& frame);

}  // namespace KoTools
