#include "board/virtual_hid_transport.h"

VirtualHidTransport::VirtualHidTransport(VirtualBoard* board, QObject* parent)
    : HidTransport(parent), board_(board), boardThread_(new CrossThreadQueue(this)) {}

void VirtualHidTransport::start() {
  connect(board_, &VirtualBoard::plugged, this,
          [this] { emit deviceArrived(QString::fromLatin1(kProductName)); });
  connect(board_, &VirtualBoard::unplugged, this,
          [this] { emit deviceRemoved(QString::fromLatin1(kProductName)); });
  connect(board_, &VirtualBoard::report, this, &HidTransport::reportReceived);
  if (board_->isPlugged()) {
    // Like a board found at start-up: reported once the event loop runs.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (board_->isPlugged()) emit deviceArrived(QString::fromLatin1(kProductName));
        },
        Qt::QueuedConnection);
  }
}

bool VirtualHidTransport::write(const QByteArray& frame) {
  // Called from any thread: only the atomic plug state is read here; the board handles the
  // frame on its own thread, as a real board answers asynchronously.
  if (!board_->isPlugged()) return false;
  boardThread_->post(
      [board = board_, frame, sent = VirtualBoard::Clock::now()] { board->receive(frame, sent); });
  return true;
}

std::optional<int> VirtualHidTransport::servoPosition(int id) const {
  if (!board_->isPlugged()) return std::nullopt;
  return board_->position(id);
}
