#include <gtest/gtest.h>

#include <sys/syscall.h>

#include <QPointer>
#include <QSet>
#include <atomic>
#include <memory>
#include <mutex>

#include "link/serial_port.h"
#include "link/serial_port_manager.h"
#include "pseudo_terminal.h"
#include "wait.h"

namespace {

std::string joined(const QStringList& events) { return events.join(' ').toStdString(); }

struct RecordingDelegate : ORSSerialPortDelegate {
  QStringList events;
  QByteArray data;
  void serialPortWasOpened(ORSSerialPort*) override { events << "opened"; }
  void serialPortWasClosed(ORSSerialPort*) override { events << "closed"; }
  void serialPortWasRemovedFromSystem(ORSSerialPort*) override { events << "removed"; }
  void serialPortDidReceiveData(ORSSerialPort*, const QByteArray& bytes) override { data += bytes; }
  void serialPortDidEncounterError(ORSSerialPort*, const QString&) override { events << "error"; }
};

// Only bytes after the open arrive; a hang-up closes the port; a living delegate hears once.
TEST(SerialPort, OnlyFreshBytesArriveAndEachChangeReachesTheLivingDelegateOnce) {
  Pty pty;
  RecordingDelegate delegate;
  ORSSerialPort port{pty.path};
  port.setDelegate(&delegate);
  ASSERT_EQ(::write(pty.master, "stale", 5), 5);
  pollfd fd{pty.slave, POLLIN, 0};
  ASSERT_EQ(::poll(&fd, 1, 1000), 1);
  termios line{};
  port.setBaudRate(115200);  // the rate chosen before the open is the line's
  port.open();               // a pseudo-terminal refuses RTS and DTR, which must not fail the open
  port.open();
  EXPECT_EQ((tcgetattr(pty.slave, &line), cfgetospeed(&line)), B115200);
  port.setBaudRate(57600);  // and a change reaches the open line
  EXPECT_EQ((tcgetattr(pty.slave, &line), cfgetospeed(&line)), B57600);
  const QByteArray reply = QByteArray::fromHex("55550406010c");
  ASSERT_EQ(::write(pty.master, reply.data(), reply.size()), reply.size());
  EXPECT_TRUE(pty.pump([&] { return delegate.data.size() >= reply.size(); }));
  EXPECT_EQ(delegate.data.toHex(' '), reply.toHex(' '));
  port.close();
  port.close();
  EXPECT_FALSE(port.sendData("x"));

  port.open();
  ::close(pty.master);
  pty.master = -1;
  EXPECT_TRUE(pty.pump([&] { return !port.isOpen(); }));
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(joined(delegate.events), "opened closed opened error closed");
  EXPECT_FALSE(port.sendData("x"));

  auto gone = std::make_unique<RecordingDelegate>();
  port.setDelegate(gone.get());
  gone.reset();
  EXPECT_EQ(port.delegate(), nullptr);
}

// A poll announces what came and went; a path typed by hand is added once, if it exists.
TEST(SerialPortManager, PollAnnouncesArrivalsAndRemovalsAndTakesTypedPathsThatExist) {
  Pty pty;
  QStringList present{pty.path, "/dev/ttyS0"};
  ORSSerialPortManager manager([&] { return present; });
  using M = ORSSerialPortManager;
  QStringList log;
  QObject::connect(&manager, &M::availablePortsChanged, [&] { log << "changed"; });
  QObject::connect(&manager, &M::serialPortWasConnected, [&](const QVariantMap& info) {
    for (auto* p : M::portsInUserInfo(info, M::kConnectedSerialPortsKey)) log << "+" + p->name();
  });
  QObject::connect(&manager, &M::serialPortWasDisconnected, [&](const QVariantMap& info) {
    for (auto* p : M::portsInUserInfo(info, M::kDisconnectedSerialPortsKey)) log << "-" + p->name();
  });
  QPointer<ORSSerialPort> port = manager.portWithPath(pty.path);
  ORSSerialPort* const staying = manager.portWithPath("/dev/ttyS0");
  ASSERT_TRUE(port && staying);
  RecordingDelegate delegate;
  port->setDelegate(&delegate);
  port->open();
  bool aliveWhenAnnounced = false;
  QObject::connect(&manager, &M::serialPortWasDisconnected,
                   [&] { aliveWhenAnnounced = port && !port->isOpen(); });

  present = QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB0"};
  for (int poll = 0; poll < 2; ++poll) manager.poll();
  EXPECT_TRUE(aliveWhenAnnounced);
  EXPECT_EQ(joined(delegate.events), "opened closed removed");
  EXPECT_EQ(joined(log), "changed -" + port->name().toStdString() + " +ttyUSB0");
  // A port that stays keeps its object, so a selection of it survives the poll.
  EXPECT_EQ(manager.availablePorts(), QList({staying, manager.portWithPath("/dev/ttyUSB0")}));
  processPending();
  EXPECT_FALSE(port);

  EXPECT_EQ(manager.addPortWithPath(QStringLiteral("/dev/no-such-port")), nullptr);
  ORSSerialPort* added = manager.addPortWithPath(pty.path);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(manager.addPortWithPath(pty.path), added);
}

// Polls enumerate only when the device folder changed, or cannot be read.
TEST(SerialPortManager, TheSystemIsEnumeratedOnlyWhenItsDevicesChange) {
  QStringList present{"/dev/ttyS0"};
  int enumerations = 0;
  std::optional<qint64> stamp = 1;
  ORSSerialPortManager manager(ORSSerialPortManager::whenChanged(
      [&] {
        ++enumerations;
        return present;
      },
      [&] { return stamp; }));
  for (int poll = 0; poll < 5; ++poll) manager.poll();
  EXPECT_EQ(enumerations, 1);

  present << "/dev/ttyUSB0";
  stamp = 2;
  for (int poll = 0; poll < 2; ++poll) manager.poll();
  EXPECT_EQ(enumerations, 2);
  ASSERT_TRUE(manager.portWithPath("/dev/ttyUSB0"));

  present.removeLast();
  stamp.reset();
  for (int poll = 0; poll < 2; ++poll) manager.poll();
  EXPECT_EQ(enumerations, 4);
  EXPECT_FALSE(manager.portWithPath("/dev/ttyUSB0"));
}

// The kernel's id of the calling thread, which unlike std::thread::id is not reused at once.
long threadId() { return static_cast<long>(syscall(SYS_gettid)); }

// Listed in the background, with no notice for the ports present; polled ahead all day, each
// enumeration runs on one worker and is compared at the next poll, here, where signals go out.
TEST(SerialPortManager, ListsAndPollsAheadOnOneWorkerAndAnnouncesOnlyChangesHere) {
  std::mutex mutex;
  QStringList present{"/dev/ttyS0", "/dev/ttyUSB0"};
  QSet<long> workers;
  std::atomic<int> enumerations{0};
  const long main = threadId();
  ORSSerialPortManager manager(
      [&] {
        ++enumerations;
        std::lock_guard lock(mutex);
        workers.insert(threadId());
        return present;
      },
      nullptr, ORSSerialPortManager::FirstList::InBackground);
  QStringList log;
  QObject::connect(&manager, &ORSSerialPortManager::serialPortWasConnected,
                   [&] { log << (threadId() == main ? "connected here" : "connected elsewhere"); });
  QObject::connect(&manager, &ORSSerialPortManager::portsListed, [&] { log << "listed"; });
  EXPECT_TRUE(manager.availablePorts().isEmpty());
  EXPECT_EQ(enumerations, 0) << "nothing read before it is asked";

  manager.poll();  // nothing to compare with yet: it only starts the first list
  manager.listInBackground();
  ASSERT_TRUE(processUntil([&] { return manager.listed(); }));
  processPending();
  EXPECT_EQ(enumerations, 1);
  EXPECT_EQ(log, QStringList{"listed"});
  ASSERT_EQ(manager.availablePorts().size(), 2);
  EXPECT_NE(manager.portWithPath("/dev/ttyUSB0"), nullptr);

  {
    std::lock_guard lock(mutex);
    present.append("/dev/ttyACM0");
  }
  manager.pollAhead();
  EXPECT_EQ(manager.portWithPath("/dev/ttyACM0"), nullptr);  // compared at a later poll
  ASSERT_TRUE(processUntil([&] {
    manager.pollAhead();
    return manager.portWithPath("/dev/ttyACM0") != nullptr;
  }));
  EXPECT_EQ(log, QStringList({"listed", "connected here"}));

  ASSERT_TRUE(processUntil([&] {
    manager.pollAhead();
    return enumerations >= 50;
  }));
  std::unique_lock lock(mutex);
  ASSERT_EQ(workers.size(), 1);
  EXPECT_NE(*workers.begin(), main);
}

}  // namespace
