#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <cstring>

#include "app/single_instance.h"
#include "model/file_io.h"
#include "temp_files.h"
#include "wait.h"

// How a later start finds the running Vorn and hands it files: socket, folder and messages.
namespace {

using KoSingleInstance::HandOver;
constexpr std::chrono::hours kPatient(1);

// A socket left by a crash: bound, listened on by nobody, unless `listener` keeps it open.
QString staleSocket(const QString& path, int* listener = nullptr) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray bytes = QFile::encodeName(path);
  std::memcpy(address.sun_path, bytes.constData(), bytes.size());
  EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(listener ? ::listen(*listener = fd, 1) : ::close(fd), 0);
  return path;
}

QString folder(const QString& path, mode_t mode) {
  EXPECT_EQ(::mkdir(QFile::encodeName(path).constData(), 0), 0);
  EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
  return path;
}

constexpr uid_t kNobody = 65534;

class InstanceTest : public TempFilesTest {};

// One left by a crash does not block a start unless another may have put it there; it is this
// user's only, never taken from a holder, and not held by a start that sends too much.
TEST_F(InstanceTest, TheSocketIsTheUsersOnlyAndOutlastsBadConnectionsAndCrashes) {
  const QString name = staleSocket(dir.filePath("own.sock"));
  EXPECT_EQ(KoSingleInstance::handOver(name, {}, kPatient), HandOver::NotRunning);
  EXPECT_FALSE(QFileInfo::exists(name));
  // Only where nobody else may have put it: in a shared folder it may be another's.
  const QString shared = staleSocket(folder(dir.filePath("shared"), 01777) + "/stale.sock");
  EXPECT_EQ(KoSingleInstance::handOver(shared, {}, kPatient), HandOver::NotRunning);
  EXPECT_TRUE(QFileInfo::exists(shared));

  staleSocket(name);
  KoInstanceServer server;
  server.setRequestTimeout(std::chrono::hours(1));  // only the size may drop the flood
  ASSERT_TRUE(KoSingleInstance::claim(server, name, {}, kPatient));
  struct stat status {};
  ASSERT_EQ(::stat(QFile::encodeName(name).constData(), &status), 0);
  EXPECT_TRUE(S_ISSOCK(status.st_mode));
  EXPECT_EQ(status.st_mode & 0777, 0600u);
  // A message the holder refuses hands nothing over: that start runs on its own.
  EXPECT_EQ(KoSingleInstance::handOver(name, {"relative.rob"}, kPatient), HandOver::Unreachable);

  KoInstanceServer second;
  EXPECT_FALSE(second.listen(name));
  struct stat after {};
  ASSERT_EQ(::stat(QFile::encodeName(name).constData(), &after), 0);
  EXPECT_EQ(after.st_ino, status.st_ino) << "the holder's socket is not replaced";

  QLocalSocket flood;
  flood.connectToServer(name);
  ASSERT_TRUE(flood.waitForConnected(1000));
  flood.write(QByteArray(KoSingleInstance::kMaxMessageSize, 'x'));
  ASSERT_TRUE(processUntil([&] { return !flood.waitForBytesWritten(0) && !flood.bytesToWrite(); }));
  processPending();
  EXPECT_EQ(flood.state(), QLocalSocket::ConnectedState) << "the largest message may still end";
  flood.write("x");
  EXPECT_TRUE(processUntil([&] {
    flood.waitForBytesWritten(0);
    return flood.state() == QLocalSocket::UnconnectedState;
  })) << "an endless message is dropped";
}

TEST(InstanceProtocol, RequestsAreReadOnlyWhenWhole) {
  // A name that is not UTF-8 comes over as its bytes (not every JSON reader takes a lone
  // surrogate); shown, it keeps every character and escapes only the bytes that are none.
  const QByteArray odd = "/home/u/Pl\xE4ne/\xFF\xC3 \xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80.rob";
  const QStringList sent{"/a b/ü.rob", KoTools::fileNameFromNative(odd), "/c.csv"};
  EXPECT_EQ(sent[1], u"/home/u/Pl\xDCE4ne/\xDCFF\xDCC3 \u00E9\u4E2D\U0001F600.rob");
  QStringList files;
  ASSERT_TRUE(KoSingleInstance::parseRequest(KoSingleInstance::request(sent), &files));
  EXPECT_EQ(files, sent);
  EXPECT_EQ(KoTools::nativeFileName(files.value(1)), odd);
  ASSERT_TRUE(KoSingleInstance::parseRequest(KoSingleInstance::request({}), &files));
  EXPECT_EQ(files, QStringList{});

  const char* refused[] = {
      "",
      "{\"vorn\":2,\"files\":[]}",
      "{\"vorn\":1,\"files\":\"/a.rob\"}",
      "{\"vorn\":1,\"files\":[\"a.rob\"]}",
      "{\"vorn\":1,\"files\":[\"/a\\u0000b\"]}",
      "{\"vorn\":1,\"files\":[{\"native\":\"YS5yb2I=\"}]}",  // a.rob
      "{\"vorn\":1,\"files\":[{\"native\":\"L2Eu*m9i\"}]}",
  };
  for (const char* message : refused) {
    SCOPED_TRACE(message);
    files = {QStringLiteral("kept")};
    EXPECT_FALSE(KoSingleInstance::parseRequest(message, &files));
    EXPECT_EQ(files, QStringList{QStringLiteral("kept")});
  }
}

// The socket goes where no other user reaches: a runtime folder of this user's only, else one of
// its own that must be; otherwise none, and the start runs alone, as when another holds it.
TEST_F(InstanceTest, TheSocketLivesInAFolderOfThisUsersOnlyAndNoOtherIsHandedFiles) {
  if (::geteuid() != 0) GTEST_SKIP() << "a folder of another user's needs root";
  const QString tmp = folder(dir.filePath("tmp"), 01777);
  const QString own = tmp + "/vorn-0";
  const QByteArray ownBytes = QFile::encodeName(own);
  const char* const ownPath = ownBytes.constData();
  const std::tuple<const char*, QString, QString, std::function<void()>> cases[] = {
      {"the runtime folder", folder(dir.filePath("run"), 0700), dir.filePath("run"), {}},
      {"a runtime folder open to others", folder(dir.filePath("open"), 0755), own, {}},
      {"its folder open to others", {}, {}, [&] { folder(own, 0755); }},
      {"its folder a link", {}, {}, [&] { ::symlink(qPrintable(dir.path()), ownPath); }},
      {"its folder another's", {}, {}, [&] { folder(own, 0700), ::chown(ownPath, kNobody, 0); }},
  };
  const QByteArray saved[] = {qgetenv("TMPDIR"), qgetenv("XDG_RUNTIME_DIR")};
  qputenv("TMPDIR", QFile::encodeName(tmp));
  for (const auto& [what, runtime, expected, prepare] : cases) {
    SCOPED_TRACE(what);
    ::unlink(ownPath);
    ::rmdir(ownPath);
    if (prepare) prepare();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    KoInstanceServer server;
    EXPECT_TRUE(KoSingleInstance::claim(server, "vorn-t", {}, kPatient));
    EXPECT_EQ(server.fullServerName(), expected.isEmpty() ? "" : expected + "/vorn-t");
    if (expected == own) {
      struct stat status {};
      EXPECT_EQ(::lstat(ownPath, &status), 0);
      EXPECT_EQ(status.st_mode & 07777, 0700u);
    }
  }
  qputenv("TMPDIR", saved[0]);  // unset or empty: the same to Qt and to Vorn
  qputenv("XDG_RUNTIME_DIR", saved[1]);

  // Another user's program on the name is handed nothing, and this start runs on.
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0711), 0);
  int squatter = -1;
  ASSERT_EQ(::seteuid(kNobody), 0);
  const QString squatted = staleSocket(tmp + "/vorn.sock", &squatter);
  ASSERT_EQ(::seteuid(0), 0);
  KoInstanceServer first;
  EXPECT_TRUE(KoSingleInstance::claim(first, squatted, {"/home/u/secret-plan.rob"}, kPatient));
  EXPECT_TRUE(first.fullServerName().isEmpty());
  const KoSingleInstance::Descriptor taken(::accept4(squatter, nullptr, nullptr, SOCK_NONBLOCK));
  char byte;
  EXPECT_LE(::read(taken.fd, &byte, 1), 0) << "it was sent something";
  ::close(squatter);
}

// Out of descriptors, the running Vorn pauses rather than try the waiting start over and over,
// and takes it once it can.
TEST_F(InstanceTest, OutOfDescriptorsItPausesAndThenTakesTheStart) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizer's runtime needs descriptors of its own";
#endif
  const QString name = dir.filePath("vorn.sock");
  KoInstanceServer server;
  server.setAcceptRetry(std::chrono::hours(1), std::chrono::hours(1));
  ASSERT_TRUE(server.listen(name));
  QSignalSpy asked(&server, &KoInstanceServer::activationRequested);
  int tries = 0;
  QObject::connect(server.findChild<QSocketNotifier*>({}, Qt::FindDirectChildrenOnly),
                   &QSocketNotifier::activated, [&] { ++tries; });
  QLocalSocket start;
  start.connectToServer(name);
  ASSERT_TRUE(start.waitForConnected(1000));
  start.write(KoSingleInstance::request({"/a.rob"}));
  start.flush();
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ::close(lowestFree);
  const rlimit none{rlim_t(lowestFree), saved.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
  for (int i = 0; i < 100; ++i) QCoreApplication::processEvents();
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
  EXPECT_EQ(tries, 1);
  EXPECT_EQ(asked.size(), 0);
  server.setAcceptRetry({}, {});
  EXPECT_TRUE(processUntil([&] { return asked.size() == 1; }));
}

}  // namespace
