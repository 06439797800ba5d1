#include "cli/usb_boards.h"

#include "cli/exit_codes.h"
#include "link/hidapi_transport.h"

namespace vornctl {

QList<UsbBoard> findUsbBoards(HidapiBackend& backend) {
  QList<UsbBoard> boards;
  for (const auto& d : backend.enumerate(HidTransport::kVendorId, HidTransport::kProductId)) {
    if (!isBoardDevice(d)) continue;
    UsbBoard b{QString::fromStdString(d.path), d.product, false, {}};
    b.accessible = backend.open(d.path, &b.error) != nullptr;
    boards.append(b);
  }
  return boards;
}

const UsbBoard& oneUsbBoard(const QList<UsbBoard>& boards) {
  if (boards.isEmpty()) {
    throw CliError(kNoBoard, qtTrId("ctl_no_usb_board"));
  }
  if (boards.size() > 1) {
    throw CliError(kSeveralBoards, qtTrId("ctl_several_boards").arg(boards.size()));
  }
  const UsbBoard& b = boards.first();
  if (!b.accessible) {
    const QString why = b.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(b.error);
    throw CliError(kNoPermission, qtTrId("ctl_no_permission").arg(b.path, why, udevHint()));
  }
  return b;
}

QString udevHint() { return qtTrId("ctl_udev_hint"); }

}  // namespace vornctl
