#pragma once

#include <QList>
#include <QString>

class HidapiBackend;

namespace vornctl {

// A board seen on USB, and whether this user may open it.
struct UsbBoard {
  QString path;
  QString product;
  bool accessible = false;
  QString error;  // why it cannot be opened
};

// The boards on USB, each tried once for access.
QList<UsbBoard> findUsbBoards(HidapiBackend& backend);

// The one board to talk to; throws CliError with kNoBoard, kSeveralBoards or kNoPermission
// (with the udev hint) otherwise.
const UsbBoard& oneUsbBoard(const QList<UsbBoard>& boards);

// What a user without access does about it.
QString udevHint();

}  // namespace vornctl
