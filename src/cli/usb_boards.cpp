#include "cli/usb_boards.h"

#include "cli/exit_codes.h"
#include "link/hidapi_transport.h"

namespace vornctl {

QList<UsbBoard> findUsbBoards(HidapiBackend& backend) {
  QList<UsbBoard> boards;
  for (const auto& d : backend.enumerate(HidTransport::kVendorId, HidTransport::kProductId)) {
    if (!isBoardDevice(d)) continue;
    UsbBoard b{QString::fromStdString(d.path), d.product};
    b.accessible = backend.open(d.path, &b.error) != nullptr;
    boards.append(b);
  }
  return boards;
}

const UsbBoard& oneUsbBoard(const QList<UsbBoard>& boards) {
  if (boards.isEmpty()) {
    throw CliError(kNoBoard,
                   QStringLiteral("no board found on USB (use --simulate for the virtual board)"));
  }
  if (boards.size() > 1) {
    throw CliError(
        kSeveralBoards,
        QStringLiteral("%1 boards found on USB; leave one plugged in").arg(boards.size()));
  }
  const UsbBoard& b = boards.first();
  if (!b.accessible) {
    const QString why = b.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(b.error);
    throw CliError(
        kNoPermission,
        QStringLiteral("no permission to open the board at %1%2. %3").arg(b.path, why, udevHint()));
  }
  return b;
}

QString udevHint() {
  return QStringLiteral(
      "Install the udev rule 70-vorn.rules (cmake --install, or the .deb), run \"sudo udevadm "
      "control --reload-rules && sudo udevadm trigger\", then replug the board.");
}

}  // namespace vornctl
