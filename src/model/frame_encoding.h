#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "model/action_model.h"
#include "model/channel_view.h"
#include "model/move_frame.h"

// Conversions between the channel sliders, frame records and the bytes sent to the board.
namespace KoTools {

// A new frame from the visible sliders (index: 0-based place of the new frame).
VelmarFrame returnVelmarCurrentData(const ChannelViews& views, const QString& timeText, int index);

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

// A frame from a position read-back; `complete` tells whether every visible channel got a reading.
VelmarFrame readingToVelmarModel(const QList<ServoPosition>& readings, const ChannelViews& views,
                                 int index, qint64 time, bool* complete);

// A frame's channels onto the first six sliders.
void sendSetAngleWithVelmarSliderViews(const ChannelViews& views, const KoVelmarPwmModel& frame);
// A frame's positions text onto the sliders it names.
void sendSetAngleWithSliderViews(const ChannelViews& views, const KoActionModel& frame);
// Every slider (control "slider") or the named sub-control to one value, with a shake.
// min and max are carried for the caller's record only.
void sendReSetAllSteer(const QString& control, int min, int max, const QString& value,
                       const ChannelViews& views);

}  // namespace KoTools
