#pragma once

#include "board/virtual_board.h"
#include "link/cross_thread_queue.h"
#include "link/hid_transport.h"

// The virtual board behind the link's transport seam, plugging and unplugging included.
class VirtualHidTransport : public HidTransport {
  Q_OBJECT

 public:
  // The board is not owned; it must outlive the transport and live on its thread.
  explicit VirtualHidTransport(VirtualBoard* board, QObject* parent = nullptr);

  void start() override;
  bool write(const QByteArray& frame) override;
  QString name() const override { return QStringLiteral("virtual board"); }
  bool simulated() const override { return true; }
  std::optional<int> servoPosition(int id) const override;

 private:
  VirtualBoard* board_;
  CrossThreadQueue* boardThread_;
};
