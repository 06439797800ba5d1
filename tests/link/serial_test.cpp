#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <memory>
#include <thread>

#include "link/ko_serial.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/serial_port_manager.h"
#include "recording_prompter.h"

namespace {

// The port opens the slave side; the test plays the board on the master side.
class Pty {
 public:
  Pty() {
    char name[128] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    path_ = QString::fromLocal8Bit(name);
    fcntl(master_, F_SETFL, O_NONBLOCK);
  }
  ~Pty() {
    hangUp();
    if (slave_ >= 0) ::close(slave_);
  }
  QString path() const { return path_; }
  int slave() const { return slave_; }
  void hangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
  void write(const QByteArray& bytes) {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), bytes.size());
  }
  void drain() {
    char buf[256];
    ssize_t n;
    while (master_ >= 0 && (n = ::read(master_, buf, sizeof buf)) > 0) received.append(buf, n);
  }
  // Lets the kernel move bytes between the two sides; returns at once when either is ready.
  void settle() const {
    pollfd fds[] = {{master_, POLLIN, 0}, {slave_, POLLIN, 0}};
    ::poll(fds, 2, 5);
  }

  QByteArray received;

 private:
  int master_ = -1;
  int slave_ = -1;
  QString path_;
};

// Turns the event loop until done() holds, bounded by an iteration count.
template <typename Done>
bool pump(Pty& pty, Done done, int iterations = 200) {
  for (int i = 0; i < iterations; ++i) {
    QCoreApplication::processEvents();
    pty.drain();
    if (done()) return true;
    pty.settle();
  }
  return false;
}

std::string joined(const QStringList& events) { return events.join(' ').toStdString(); }
std::string hex(const QByteArray& bytes) { return bytes.toHex(' ').toStdString(); }

struct RecordingDelegate : ORSSerialPortDelegate {
  QStringList events;
  QByteArray data;
  void serialPortWasOpened(ORSSerialPort*) override { events << "opened"; }
  void serialPortWasClosed(ORSSerialPort*) override { events << "closed"; }
  void serialPortWasRemovedFromSystem(ORSSerialPort*) override { events << "removed"; }
  void serialPortDidReceiveData(ORSSerialPort*, const QByteArray& bytes) override { data += bytes; }
  void serialPortDidEncounterError(ORSSerialPort*, const QString&) override { events << "error"; }
};

class SerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(pty.path().isEmpty()) << "openpty failed";
    port.setDelegate(&delegate);
  }
  Pty pty;
  ORSSerialPort port{pty.path()};
  RecordingDelegate delegate;
};

TEST_F(SerialPortTest, OpenSetsTheBoardsLineSettings) {
  termios t{};
  ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
  cfsetspeed(&t, B1200);
  t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
  t.c_iflag |= IXON | IXOFF;
  t.c_lflag |= ECHO;
  ASSERT_EQ(tcsetattr(pty.slave(), TCSANOW, &t), 0);

  port.open();  // also refuses RTS and DTR on a pseudo-terminal, which must not fail the open
  ASSERT_TRUE(port.isOpen());
  EXPECT_EQ(joined(delegate.events), "opened");

  ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
  EXPECT_EQ(cfgetospeed(&t), speed_t(B9600));
  EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
  EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
  EXPECT_EQ(t.c_lflag & ECHO, 0u);

  EXPECT_TRUE(port.setBaudRate(115200));
  ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
  EXPECT_EQ(cfgetospeed(&t), speed_t(B115200));
}

TEST_F(SerialPortTest, BaudRateTakesStandardRatesOnly) {
  struct Case {
    qint32 rate;
    bool accepted;
    qint32 after;
    int notified;
  } const cases[] = {
      {9600, true, 9600, 0},     {115200, true, 115200, 1}, {115200, true, 115200, 1},
      {14400, false, 115200, 1}, {-9600, false, 115200, 1}, {9600, true, 9600, 2},
  };
  int notified = 0;
  QObject::connect(&port, &ORSSerialPort::baudRateChanged, [&] { ++notified; });
  EXPECT_EQ(port.baudRate(), 9600);
  for (const Case& c : cases) {
    EXPECT_EQ(port.setBaudRate(c.rate), c.accepted) << c.rate;
    EXPECT_EQ(port.baudRate(), c.after) << c.rate;
    EXPECT_EQ(notified, c.notified) << c.rate;
  }
}

TEST_F(SerialPortTest, OpenAndCloseReachTheLivingDelegateOnce) {
  port.open();
  port.open();
  port.close();
  port.close();
  EXPECT_EQ(joined(delegate.events), "opened closed");
  EXPECT_FALSE(port.sendData("x"));

  auto gone = std::make_unique<RecordingDelegate>();
  port.setDelegate(gone.get());
  gone.reset();
  EXPECT_EQ(port.delegate(), nullptr);
  port.open();
  port.close();
}

TEST(SerialPortOpen, FailureIsReportedAndThePortStaysClosed) {
  QTemporaryFile notATerminal;
  ASSERT_TRUE(notATerminal.open());
  for (const QString& path : {QStringLiteral("/nonexistent/ttyVorn"), notATerminal.fileName()}) {
    ORSSerialPort port(path);
    RecordingDelegate delegate;
    port.setDelegate(&delegate);
    port.open();
    EXPECT_FALSE(port.isOpen()) << path.toStdString();
    EXPECT_EQ(joined(delegate.events), "error") << path.toStdString();
    EXPECT_FALSE(port.sendData("x"));
  }
}

TEST_F(SerialPortTest, ArrivingBytesReachTheDelegateButNotStaleOnes) {
  termios t{};
  ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
  cfmakeraw(&t);
  ASSERT_EQ(tcsetattr(pty.slave(), TCSANOW, &t), 0);
  pty.write("stale");
  pollfd fd{pty.slave(), POLLIN, 0};
  ASSERT_EQ(::poll(&fd, 1, 1000), 1);

  port.open();
  const QByteArray reply = QByteArray::fromHex("55550406 01 0c");
  pty.write(reply);
  EXPECT_TRUE(pump(pty, [&] { return delegate.data.size() >= reply.size(); }));
  EXPECT_EQ(hex(delegate.data), hex(reply));
}

TEST_F(SerialPortTest, HangUpClosesThePortAndIsReportedOnce) {
  port.open();
  ASSERT_TRUE(port.isOpen());
  pty.hangUp();
  EXPECT_TRUE(pump(pty, [&] { return !port.isOpen(); }));
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(joined(delegate.events), "opened error closed");
  EXPECT_FALSE(port.sendData("x"));
}

class KoSerialTest : public SerialPortTest {
 protected:
  void SetUp() override {
    SerialPortTest::SetUp();
    serial.setSerialPort(&port);
  }
  KoSerial serial;
};

TEST_F(KoSerialTest, MovesArriveAsTenBytesWithTwentyMilliseconds) {
  struct Case {
    int servo;
    int angle;
    QByteArray wire;
  } const cases[] = {
      {1, 500, QByteArray::fromHex("55550803011400 01f401")},
      {6, 0, QByteArray::fromHex("55550803011400 060000")},
      {2, 1000, QByteArray::fromHex("55550803011400 02e803")},
  };
  port.open();
  QByteArray expected;
  for (const Case& c : cases) {
    serial.sendOneSteering(c.servo, c.angle);
    expected += c.wire;
  }
  // Online-run frames are sent from a worker thread.
  const QByteArray frame = protocol::oneSteering(3, 700, 20);
  std::thread([&] { serial.sendData(frame, 0); }).join();
  expected += frame;
  EXPECT_TRUE(pump(pty, [&] { return pty.received.size() >= expected.size(); }));
  EXPECT_EQ(hex(pty.received), hex(expected));
}

TEST_F(KoSerialTest, ClosedOrGonePortWritesNothing) {
  serial.sendOneSteering(1, 100);
  QCoreApplication::processEvents();
  port.open();
  serial.sendOneSteering(1, 100);
  port.close();  // before the queued send runs
  QCoreApplication::processEvents();

  auto other = std::make_unique<ORSSerialPort>(pty.path());
  other->open();
  serial.setSerialPort(other.get());
  serial.sendOneSteering(2, 200);
  other.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(serial.serialPort(), nullptr);

  // Frames keep their order on the wire, so a marker that arrives alone shows that nothing
  // was written before it.
  serial.setSerialPort(&port);
  port.open();
  const QByteArray marker = protocol::serialOneSteering(9, 9);
  serial.sendData(marker, 0);
  EXPECT_TRUE(pump(pty, [&] { return pty.received.size() >= marker.size(); }));
  EXPECT_EQ(hex(pty.received), hex(marker));
  EXPECT_TRUE(RecordingPrompter::instance().tips.isEmpty());
}

// Records the manager's signals as text: "changed", "+name", "-name".
struct ManagerRecorder {
  explicit ManagerRecorder(ORSSerialPortManager& manager) {
    QObject::connect(&manager, &ORSSerialPortManager::availablePortsChanged,
                     [this] { events << "changed"; });
    QObject::connect(&manager, &ORSSerialPortManager::serialPortWasConnected,
                     [this](const QVariantMap& info) {
                       record('+', info, ORSSerialPortManager::kConnectedSerialPortsKey);
                     });
    QObject::connect(&manager, &ORSSerialPortManager::serialPortWasDisconnected,
                     [this](const QVariantMap& info) {
                       record('-', info, ORSSerialPortManager::kDisconnectedSerialPortsKey);
                     });
  }
  void record(QChar sign, const QVariantMap& info, const char* key) {
    EXPECT_EQ(info.size(), 1);
    for (ORSSerialPort* port : ORSSerialPortManager::portsInUserInfo(info, key)) {
      events << sign + port->name();
    }
  }
  QStringList events;
};

QStringList names(const QList<ORSSerialPort*>& ports) {
  QStringList out;
  for (const ORSSerialPort* port : ports) out << port->name();
  return out;
}

QStringList devices(const char* names) {
  QStringList paths;
  for (const QString& name : QString(names).split(' ', Qt::SkipEmptyParts)) paths << "/dev/" + name;
  return paths;
}

TEST(SerialPortManager, PollAnnouncesArrivalsAndRemovals) {
  struct Case {
    const char* before;
    const char* after;
    const char* events;
    const char* listed;
  } const cases[] = {
      {"", "ttyUSB0", "changed +ttyUSB0", "ttyUSB0"},
      {"ttyUSB0 ttyS0", "ttyS0", "changed -ttyUSB0", "ttyS0"},
      {"ttyUSB0", "ttyUSB0", "", "ttyUSB0"},
      {"ttyS0 ttyS1", "ttyS1 ttyS0", "", "ttyS0 ttyS1"},
      {"ttyUSB0", "ttyACM0", "changed -ttyUSB0 +ttyACM0", "ttyACM0"},
      {"", "ttyUSB0 ttyUSB0", "changed +ttyUSB0", "ttyUSB0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
    QStringList present = devices(c.before);
    ORSSerialPortManager manager([&] { return present; });
    const QList<ORSSerialPort*> initial = manager.availablePorts();
    ManagerRecorder recorder(manager);
    present = devices(c.after);
    manager.poll();
    EXPECT_EQ(joined(recorder.events), c.events);
    EXPECT_EQ(joined(names(manager.availablePorts())), c.listed);
    // A port that stays keeps its object, so a selection of it survives the poll.
    for (ORSSerialPort* port : manager.availablePorts()) {
      if (devices(c.before).contains(port->path())) EXPECT_TRUE(initial.contains(port));
    }
  }
}

TEST(SerialPortManager, RemovedOpenPortIsClosedToldOnceAndDeletedLater) {
  Pty pty;
  QStringList present{pty.path()};
  ORSSerialPortManager manager([&] { return present; });
  QPointer<ORSSerialPort> port = manager.portWithPath(pty.path());
  ASSERT_TRUE(port);
  RecordingDelegate delegate;
  port->setDelegate(&delegate);
  port->open();
  bool aliveWhenAnnounced = false;
  QObject::connect(&manager, &ORSSerialPortManager::serialPortWasDisconnected,
                   [&] { aliveWhenAnnounced = port && !port->isOpen(); });

  present.clear();
  manager.poll();
  manager.poll();
  EXPECT_TRUE(aliveWhenAnnounced);
  EXPECT_TRUE(manager.availablePorts().isEmpty());
  EXPECT_EQ(joined(delegate.events), "opened closed removed");
  flushDelayedCalls();
  EXPECT_FALSE(port);
}

TEST(SerialPortManager, HandAddedPortStaysUntilItsPathVanishesOrItIsRemoved) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ttyHand");
  const QString other = dir.filePath("ttyOther");
  for (const QString& p : {path, other}) {
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QStringList present{"/dev/ttyS0"};
  ORSSerialPortManager manager([&] { return present; });
  ManagerRecorder recorder(manager);

  EXPECT_EQ(manager.addPortWithPath(dir.filePath("missing")), nullptr);
  EXPECT_EQ(manager.addPortWithPath(QString()), nullptr);
  ORSSerialPort* hand = manager.addPortWithPath(path);
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(manager.addPortWithPath(path), hand);
  EXPECT_EQ(manager.addPortWithPath("/dev/ttyS0"), manager.portWithPath("/dev/ttyS0"));
  ORSSerialPort* byHand = manager.addPortWithPath(other);
  manager.poll();

  EXPECT_FALSE(manager.removePort(manager.portWithPath("/dev/ttyS0")));
  EXPECT_TRUE(manager.removePort(byHand));
  EXPECT_FALSE(manager.removePort(byHand));
  ASSERT_TRUE(QFile::remove(path));
  manager.poll();
  manager.poll();

  EXPECT_EQ(joined(recorder.events), joined({"changed", "+" + path, "changed", "+" + other,
                                             "changed", "-" + other, "changed", "-" + path}));
  EXPECT_EQ(joined(names(manager.availablePorts())), "ttyS0");
}

}  // namespace
