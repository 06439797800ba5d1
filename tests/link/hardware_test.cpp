#include <gtest/gtest.h>

#include <algorithm>

#include "link/hidapi_transport.h"
#include "link/protocol.h"
#include "wait.h"

namespace {

// Needs the board plugged in and VORN_TEST_DEVICE set; the servos move to their centre.
TEST(Hardware, ReadsPositionsAndCentresServos) {
  if (qEnvironmentVariableIsEmpty("VORN_TEST_DEVICE")) GTEST_SKIP() << "VORN_TEST_DEVICE not set";
  using namespace std::chrono_literals;

  HidapiTransport transport;
  bool arrived = false;
  QString denied;
  QList<QByteArray> reports;
  QObject::connect(&transport, &HidTransport::deviceArrived, [&] { arrived = true; });
  QObject::connect(&transport, &HidTransport::accessDenied,
                   [&](const QString&, const QString& reason) { denied = reason; });
  QObject::connect(&transport, &HidTransport::reportReceived,
                   [&](const QByteArray& report) { reports << report; });
  transport.start();
  ASSERT_TRUE(processUntil([&] { return arrived || !denied.isEmpty(); }, 10s)) << "no board found";
  ASSERT_TRUE(arrived) << qPrintable(denied);

  ASSERT_TRUE(transport.write(protocol::idList(protocol::kReadPositions, {1, 2, 3, 4, 5, 6})));
  const auto positionsReply = [&] {
    return std::any_of(reports.begin(), reports.end(), [](const QByteArray& report) {
      return report.size() > 3 && static_cast<quint8>(report[3]) == protocol::kReadPositions;
    });
  };
  EXPECT_TRUE(processUntil(positionsReply, 10s)) << "no reply to the position read";

  EXPECT_TRUE(transport.write(protocol::reSetAllSteer()));
}

}  // namespace
