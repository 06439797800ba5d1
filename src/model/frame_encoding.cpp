#include "model/frame_encoding.h"

#include "model/limits.h"
#include "model/value_utils.h"

namespace KoTools {

QByteArray actionToBytesWithVelmarModel(const KoVelmarPwmModel& f) {
  return frame::armMove(f.bytes, f.time, f.armPositions());
}

QByteArray actionToBytesWithModel(const KoPwmModel& f) {
  return frame::namedMove(f.bytes, f.time, actionPositions(f.action));
}

QByteArray actionToPositionsBytesWithModel(KoPwmModel& f) {
  frame::writeNamedSlots(f.data, f.time, actionPositions(f.action));
  return QByteArray(f.data.constData(), f.data.size());
}

QByteArray modelChangeToData(const KoActionModel& f) {
  return frame::sixServoMove(f.time, frame::armPositionsOf(actionPositions(f.action)));
}

QByteArray sixServoMoveWithVelmarModel(const KoVelmarPwmModel& f) {
  return frame::sixServoMove(f.time, f.armPositions());
}

}  // namespace KoTools
