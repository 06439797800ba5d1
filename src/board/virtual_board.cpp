#include "board/virtual_board.h"

#include <QDebug>

#include "link/protocol.h"

namespace {

quint8 byteAt(const QByteArray& f, qsizetype i) {
  return i < f.size() ? static_cast<quint8>(f[i]) : 0;
}

int le16At(const QByteArray& f, qsizetype i) { return byteAt(f, i) | (byteAt(f, i + 1) << 8); }

}  // namespace

KoServoInfo VirtualBoard::BusServo::leftTheFactory() {
  KoServoInfo info;
  info.deviation = 0;
  info.currentPosition = limits::kPosition.start;
  info.currentTemperature = 32;
  info.currentVoltage = 7400;
  return info;
}

VirtualBoard::VirtualBoard(QObject* parent) : QObject(parent) {
  playTimer_.setSingleShot(true);
  connect(&playTimer_, &QTimer::timeout, this, &VirtualBoard::playNextFrame);
}

void VirtualBoard::plug() {
  if (plugged_.exchange(true)) return;
  emit plugged();
}

void VirtualBoard::unplug() {
  if (!plugged_.exchange(false)) return;
  stopGroup();
  download_.reset();
  emit unplugged();
}

void VirtualBoard::unplugNoticedLater() {
  if (!plugged_.exchange(false)) return;
  stopGroup();
  download_.reset();
  QTimer::singleShot(0, this, [this] {
    if (!plugged_) emit unplugged();
  });
}

void VirtualBoard::setChannelServos(const QList<int>& ids) { channelServos_ = ids; }

void VirtualBoard::setBusServoCount(int count) { busServos_.resize(std::max(count, 0)); }

int VirtualBoard::position(int id) const {
  const Servo s = servos_.value(id);
  if (s.duration <= 0) return s.to;
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(now_() - s.start).count();
  if (elapsed >= s.duration) return s.to;
  return s.from + static_cast<int>((s.to - s.from) * elapsed / s.duration);
}

int VirtualBoard::targetPosition(int id) const { return servos_.value(id).to; }

void VirtualBoard::poseByHand(int id, int position) {
  if (!unloaded_.contains(id)) return;  // a powered servo holds its position
  servos_[id] = Servo{position, position, now_(), 0};
}

std::optional<VirtualBoard::StoredGroup> VirtualBoard::group(int group) const {
  const auto it = groups_.constFind(group);
  if (it == groups_.constEnd()) return std::nullopt;
  return *it;
}

QList<QByteArray> VirtualBoard::receivedWith(int command) const {
  QList<QByteArray> frames;
  for (const ReceivedFrame& r : received_) {
    if (byteAt(r.bytes, 3) == command) frames.append(r.bytes);
  }
  return frames;
}

void VirtualBoard::setReceivedKept(int frames) {
  receivedKept_ = std::max(frames, 1);
  if (received_.size() > receivedKept_) received_.remove(0, received_.size() - receivedKept_);
}

void VirtualBoard::dropRepliesTo(int command, int count) { dropReplies_[command] = count; }

void VirtualBoard::dropAcknowledgement(int step, int occurrence) {
  dropAcks_[step] = occurrence;
  ackCounts_[step] = 0;
}

void VirtualBoard::clearFaults() {
  dropReplies_.clear();
  dropAcks_.clear();
  ackCounts_.clear();
  duplicateAcks_ = false;
  unplugCountdown_ = -1;
}

void VirtualBoard::sendReport(const QByteArray& raw) {
  if (plugged_) emit report(raw);
}

void VirtualBoard::reply(int command, const QByteArray& body) {
  if (int& drops = dropReplies_[command]; drops != 0) {
    if (drops > 0) --drops;
    return;
  }
  QByteArray out;
  out.append(char(0x55));
  out.append(char(0x55));
  out.append(static_cast<char>(body.size() + 2));
  out.append(static_cast<char>(command));
  out.append(body);
  out.append(protocol::kReportSize - out.size(), '\0');

  if (latency_.count() == 0) {
    emit report(out);
  } else {
    QTimer::singleShot(latency_, this, [this, out] {
      if (plugged_) emit report(out);
    });
  }
}

void VirtualBoard::acknowledge(int step) {
  const int n = ++ackCounts_[step];
  if (dropAcks_.value(step) == n) return;
  reply(protocol::kActionDownload, QByteArray(1, static_cast<char>(step)));
  if (duplicateAcks_) reply(protocol::kActionDownload, QByteArray(1, static_cast<char>(step)));
}

void VirtualBoard::receive(const QByteArray& frame, Clock::time_point sent) {
  if (!plugged_) return;
  if (unplugCountdown_ == 0) {
    unplugCountdown_ = -1;
    if (unplugNoticedLater_) {
      unplugNoticedLater();
    } else {
      unplug();
    }
    return;
  }
  if (unplugCountdown_ > 0) --unplugCountdown_;
  if (received_.size() >= receivedKept_) received_.remove(0, received_.size() - receivedKept_ + 1);
  received_.append({frame, Clock::now(), sent});
  if (frame.size() < 4 || byteAt(frame, 0) != 0x55 || byteAt(frame, 1) != 0x55) {
    qWarning() << "virtual board: not a frame" << frame.toHex(' ');
    return;
  }
  const int command = byteAt(frame, 3);
  switch (command) {
    case protocol::kMultiServoMove:
      handleMove(frame);
      break;
    case protocol::kActionDownload:
      handleDownload(frame);
      break;
    case protocol::kRunActionGroup:
      runGroup(byteAt(frame, 4), le16At(frame, 5));
      break;
    case protocol::kStopActionGroup:
      stopGroup();
      break;
    case protocol::kEraseActionGroup:
      if (byteAt(frame, 4) == 0xFF) {
        groups_.clear();
      } else {
        groups_.remove(byteAt(frame, 4));
      }
      reply(command, {});
      break;
    case protocol::kUnloadServos:
    case protocol::kReadPositions:
    case protocol::kDownloadDeviations:
    case protocol::kReadDeviations:
      handleIdList(command, frame);
      break;
    case protocol::kAdjustDeviation:
      deviations_[byteAt(frame, 4)] = protocol::signedDeviation(byteAt(frame, 5));
      break;
    case protocol::kSetMotorMode:
    case protocol::kWriteServoInfo:
    case protocol::kReadServoInfo:
      handleBusServo(command, frame);
      break;
    default:
      qWarning() << "virtual board: unknown command" << command;
  }
}

void VirtualBoard::move(int id, int position, int time) {
  unloaded_.remove(id);  // a move powers the servo again
  const int from = this->position(id);
  servos_[id] = Servo{from, position, now_(), time};
  for (BusServo& b : busServos_) {
    if (b.info.servoId == id && !b.motorMode) b.info.currentPosition = position;
  }
}

void VirtualBoard::handleMove(const QByteArray& f) {
  const int count = byteAt(f, 4);
  const int time = le16At(f, 5);
  for (int k = 0; k < count && 9 + 3 * k < f.size(); ++k) {
    move(byteAt(f, 7 + 3 * k), le16At(f, 8 + 3 * k), time);
  }
}

bool VirtualBoard::refuseDownload(const QString& why) {
  downloadError_ = why;
  qWarning().noquote() << "virtual board refuses the download:" << why;
  download_.reset();
  return false;
}

void VirtualBoard::handleDownload(const QByteArray& f) {
  const int step = byteAt(f, 4);
  const int group = byteAt(f, 5);
  if (step == 1) {
    // The count comes in base-255 chunks: 0xFF per full page, then the rest.
    int frames = 0;
    qsizetype i = 6;
    while (i < f.size() && byteAt(f, i) == 0xFF) {
      frames += 255;
      ++i;
    }
    frames += byteAt(f, i);
    if (group >= kGroupCount) return void(refuseDownload(QStringLiteral("no group %1").arg(group)));
    downloadError_.clear();
    download_ = Download{group, frames, protocol::pageCount(frames), 2, {}};
    acknowledge(1);
    return;
  }
  if (!download_ || download_->group != group) {
    return void(refuseDownload(QStringLiteral("step %1 outside a download").arg(step)));
  }
  Download& d = *download_;
  if (step == 4 && d.nextStep == 5 && d.received.size() < d.frames) d.nextStep = 4;
  if (step != d.nextStep) {
    return void(
        refuseDownload(QStringLiteral("step %1 where %2 was due").arg(step).arg(d.nextStep)));
  }
  switch (step) {
    case 2:
      if (le16At(f, 6) != d.pages) return void(refuseDownload(QStringLiteral("page count")));
      d.nextStep = 3;
      break;
    case 3:
      if (byteAt(f, 2) != d.pages + 5 || byteAt(f, 6) != d.pages / 200) {
        return void(refuseDownload(QStringLiteral("page list header")));
      }
      for (int p = 0; p < d.pages; ++p) {
        if (byteAt(f, 7 + p) != (p & 0xFF))
          return void(refuseDownload(QStringLiteral("page list")));
      }
      d.nextStep = d.frames > 0 ? 4 : 5;
      break;
    case 4: {
      const int i = static_cast<int>(d.received.size());
      if (byteAt(f, 6) != i / 255 || byteAt(f, 7) != i % 255) {
        return void(refuseDownload(QStringLiteral("frame %1 out of order").arg(i)));
      }
      const QByteArray payload = f.mid(8);
      const int count = byteAt(payload, 0);
      if (byteAt(f, 2) != payload.size() + 6 || payload.size() != 3 * count + 3) {
        return void(refuseDownload(QStringLiteral("frame %1 malformed").arg(i)));
      }
      d.received.append(payload);
      d.nextStep = d.received.size() < d.frames ? 4 : 5;
      break;
    }
    case 5:
      groups_[d.group] = d.received;
      download_.reset();
      break;
    default:
      return void(refuseDownload(QStringLiteral("unknown step %1").arg(step)));
  }
  acknowledge(step);
}

void VirtualBoard::handleIdList(int command, const QByteArray& f) {
  // The bus-servo tool's check is the one read sent unpadded; it is answered by the servos
  // on the bus port rather than the arm's, so both screens can be tried on one board.
  if (command == protocol::kReadPositions && f.size() < protocol::kIdListFrameSize) {
    answerBusCheck(f);
    return;
  }
  const int count = byteAt(f, 4);
  QList<int> ids;
  for (int k = 0; k < count; ++k) ids.append(byteAt(f, 5 + k));

  QList<ServoPosition> positions;
  QList<protocol::ServoDeviation> trims;
  // A real board's reply is one report: readings that would not fit in it are not sent.
  const int room = protocol::kReportSize - 5;
  const auto fits = [room](qsizetype count, int perReading) {
    return (count + 1) * perReading <= room;
  };
  for (int id : ids) {
    if (!channelServos_.contains(id)) continue;
    switch (command) {
      case protocol::kUnloadServos:
        unloaded_.insert(id);
        servos_[id] = Servo{position(id), position(id), Clock::now(), 0};
        break;
      case protocol::kReadPositions:
        if (fits(positions.size(), 3)) positions.append({id, position(id)});
        break;
      case protocol::kDownloadDeviations:
        storedDeviations_[id] = deviations_.value(id);
        break;
      case protocol::kReadDeviations:
        if (fits(trims.size(), 2)) trims.append({id, deviations_.value(id)});
        break;
    }
  }
  if (command == protocol::kReadPositions) {
    reply(command, protocol::positionsReplyBody(positions));
  } else if (command == protocol::kReadDeviations) {
    reply(command, protocol::trimsReplyBody(trims));
  } else if (command == protocol::kDownloadDeviations) {
    reply(command, {});
  }
}

void VirtualBoard::answerBusCheck(const QByteArray& f) {
  const int count = byteAt(f, 4);
  QList<ServoPosition> answers;
  for (BusServo& b : busServos_) turn(b);
  for (int k = 0; k < count; ++k) {
    const int id = byteAt(f, 5 + k);
    for (const BusServo& b : busServos_) {
      if (b.info.servoId == id) answers.append({id, b.info.currentPosition.value_or(0)});
    }
  }
  reply(protocol::kReadPositions, protocol::positionsReplyBody(answers));
}

void VirtualBoard::handleBusServo(int command, const QByteArray& f) {
  if (command == protocol::kWriteServoInfo) {
    const std::optional<KoServoInfo> written = protocol::decodeWriteServoInfo(f);
    if (!written) return;
    // Every servo on the bus takes a write, which is why one id can end up on several.
    for (BusServo& s : busServos_) {
      KoServoInfo info = *written;
      info.deviation = s.info.deviation;
      info.currentPosition = s.info.currentPosition;
      info.currentTemperature = s.info.currentTemperature;
      info.currentVoltage = s.info.currentVoltage;
      if (s.keepsId) info.servoId = s.info.servoId;
      s.info = info;
    }
    return;
  }
  // Only a lone servo on the bus can answer; several would talk over each other.
  if (busServos_.size() != 1) return;
  BusServo& s = busServos_.first();
  turn(s);
  switch (command) {
    case protocol::kSetMotorMode:
      s.motorMode = byteAt(f, 5) == 1;
      s.speed = static_cast<qint16>(le16At(f, 6));
      s.turnedUntil = now_();  // a fraction turned at the old speed is not carried over
      break;
    case protocol::kReadServoInfo:
      reply(command, protocol::servoInfoReplyBody(s.info));
      break;
  }
}

void VirtualBoard::turn(BusServo& s) {
  const Clock::time_point now = now_();
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(now - s.turnedUntil).count();
  if (!s.motorMode || s.speed == 0 || elapsed <= 0) {
    s.turnedUntil = now;
    return;
  }
  // Only whole units move; the time of a fraction stays for the next look, so a slow servo
  // read often still turns.
  const qint64 units = s.speed * elapsed / 1000;
  s.turnedUntil += std::chrono::milliseconds(units * 1000 / s.speed);
  const int span = limits::kPosition.maximum - limits::kPosition.minimum + 1;
  const int from = s.info.currentPosition.value_or(limits::kPosition.start);
  const int offset =
      static_cast<int>(((from - limits::kPosition.minimum + units) % span + span) % span);
  s.info.currentPosition = limits::kPosition.minimum + offset;
}

void VirtualBoard::runGroup(int group, int times) {
  stopGroup();
  if (!groups_.contains(group) || groups_[group].isEmpty()) return;
  runningGroup_ = group;
  runningFrame_ = 0;
  passesLeft_ = times - 1;
  playNextFrame();
}

void VirtualBoard::playNextFrame() {
  if (runningGroup_ < 0) return;
  const StoredGroup& frames = groups_[runningGroup_];
  if (runningFrame_ >= frames.size() && passesLeft_ > 0) {
    --passesLeft_;
    runningFrame_ = 0;
  }
  if (runningFrame_ >= frames.size()) {
    runningGroup_ = -1;
    return;
  }
  const QByteArray& payload = frames[runningFrame_++];
  const int count = byteAt(payload, 0);
  const int time = le16At(payload, 1);
  for (int k = 0; k < count; ++k)
    move(byteAt(payload, 3 + 3 * k), le16At(payload, 4 + 3 * k), time);
  playTimer_.start(time);
}

void VirtualBoard::stopGroup() {
  playTimer_.stop();
  runningGroup_ = -1;
}
