#pragma once

#include <gtest/gtest.h>

#include <QObject>

#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "link/desktop_notifier.h"
#include "link/usb_hid.h"
#include "wait.h"

class RecordingNotifier final : public DesktopNotifier {
 public:
  void notify(const QString& title, const QString& body) override {
    titles.append(title);
    bodies.append(body);
  }
  QStringList titles, bodies;
};

// A link on the virtual board that answers at once, with the board already found.
class LinkFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    DesktopNotifier::install(&notifier);
    board.setReplyLatency(std::chrono::milliseconds(0));
    link.setTransport(std::make_unique<VirtualHidTransport>(&board));
    ASSERT_TRUE(processUntil([this] { return link.connection(); }));
  }
  void TearDown() override { DesktopNotifier::install(nullptr); }

  RecordingNotifier notifier;
  VirtualBoard board;
  usbHid link;
};
