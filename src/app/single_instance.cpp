#include "app/single_instance.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace KoSingleInstance {

namespace {

// Unix socket paths are short; a display name is cut well before that matters.
constexpr qsizetype kMaxDisplayPart = 40;

QString safePart(const QString& text) {
  QString out;
  for (const QChar c : text.left(kMaxDisplayPart)) {
    const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                       (c >= u'0' && c <= u'9') || c == u'.' || c == u'-';
    out += plain ? c : QChar(u'_');
  }
  return out;
}

QString userPart() { return QString::number(::getuid()); }

// Where a name's socket lives: a bare name in the temporary folder, where Qt's local sockets
// put it too, so that a running Vorn of an earlier build is still found.
QString socketPath(const QString& name) {
  return name.contains(u'/') ? name : QDir::tempPath() + u'/' + name;
}

bool fillAddress(const QString& path, sockaddr_un* address) {
  const QByteArray bytes = QFile::encodeName(path);
  if (bytes.isEmpty() || static_cast<size_t>(bytes.size()) >= sizeof address->sun_path) {
    return false;
  }
  address->sun_family = AF_UNIX;
  std::memcpy(address->sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
  return true;
}

// Sends what the socket takes of `data` from `*sent` on; false on a broken connection.
bool sendSome(int fd, const QByteArray& data, qsizetype* sent) {
  while (*sent < data.size()) {
    const ssize_t n = ::send(fd, data.constData() + *sent, static_cast<size_t>(data.size() - *sent),
                             MSG_NOSIGNAL);
    if (n > 0) {
      *sent += n;
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
  }
  return true;
}

// Appends what has arrived to `*buffer`; false once the peer has closed or the read failed.
bool receiveSome(int fd, QByteArray* buffer) {
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
    if (n > 0) {
      buffer->append(chunk, n);
      if (buffer->size() > kMaxMessageSize) return true;  // the caller refuses it
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
  }
}

QByteArray line(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace

QString serverName(const QString& user, const QString& wayland, const QString& x) {
  QString name = QStringLiteral("vorn-") + user;
  // Wayland first: a Wayland session sets DISPLAY too, for its X server, but the reverse
  // does not hold.
  const QString display = !wayland.isEmpty() ? wayland : x;
  if (!display.isEmpty()) name += u'-' + safePart(display);
  return name;
}

QString serverName() {
  return serverName(userPart(), qEnvironmentVariable("WAYLAND_DISPLAY"),
                    qEnvironmentVariable("DISPLAY"));
}

QStringList absolutePaths(const QStringList& arguments, const QString& directory) {
  const QDir base(directory);
  QStringList out;
  for (const QString& argument : arguments) {
    out.append(QDir::cleanPath(base.absoluteFilePath(argument)));
  }
  return out;
}

QByteArray request(const QStringList& files) {
  return line({{QStringLiteral("vorn"), kProtocolVersion},
               {QStringLiteral("files"), QJsonArray::fromStringList(files)}});
}

QByteArray answer(bool ok) {
  return line({{QStringLiteral("vorn"), kProtocolVersion}, {QStringLiteral("ok"), ok}});
}

bool parseRequest(const QByteArray& message, QStringList* files) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(message.trimmed(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
  const QJsonObject object = document.object();
  if (object.value(QStringLiteral("vorn")).toInt(-1) != kProtocolVersion) return false;
  const QJsonValue list = object.value(QStringLiteral("files"));
  if (!list.isArray()) return false;
  QStringList out;
  for (const QJsonValue& value : list.toArray()) {
    // Only absolute paths: the running one has its own current folder.
    if (!value.isString() || !QDir::isAbsolutePath(value.toString())) return false;
    out.append(value.toString());
  }
  *files = out;
  return true;
}

HandOver handOver(const QString& name, const QStringList& files, std::chrono::milliseconds wait) {
  const QString path = socketPath(name);
  sockaddr_un address{};
  if (!fillAddress(path, &address)) return HandOver::NotRunning;  // nobody can listen there
  const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (socket.fd < 0) return HandOver::Unreachable;
  // A local connection is made at once or not at all.
  if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    switch (errno) {
      case ENOENT:
        return HandOver::NotRunning;
      case ECONNREFUSED:
        // The name is there but nobody listens: a Vorn that crashed left it behind.
        QFile::remove(path);
        return HandOver::NotRunning;
      default:  // a holder whose queue is full answers no better than one that is hung
        return HandOver::Unreachable;
    }
  }

  std::optional<HandOver> result;
  QEventLoop loop;
  const auto finish = [&](HandOver how) {
    if (result) return;
    result = how;
    loop.quit();
  };
  const QByteArray message = request(files);
  qsizetype sent = 0;
  QByteArray reply;
  QSocketNotifier writable(socket.fd, QSocketNotifier::Write);
  QSocketNotifier readable(socket.fd, QSocketNotifier::Read);
  const auto send = [&] {
    if (!sendSome(socket.fd, message, &sent)) return finish(HandOver::Unreachable);
    writable.setEnabled(sent < message.size());
  };
  QObject::connect(&writable, &QSocketNotifier::activated, send);
  QObject::connect(&readable, &QSocketNotifier::activated, [&] {
    const bool open = receiveSome(socket.fd, &reply);
    const qsizetype end = reply.indexOf('\n');
    if (end >= 0) {
      const QJsonObject answer = QJsonDocument::fromJson(reply.left(end)).object();
      return finish(answer.value(QStringLiteral("ok")).toBool() ? HandOver::Delivered
                                                                : HandOver::Unreachable);
    }
    if (!open || reply.size() > kMaxMessageSize) finish(HandOver::Unreachable);
  });
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, [&] { finish(HandOver::Unreachable); });
  deadline.start(wait);
  send();
  if (!result) loop.exec();
  return *result;
}

bool claim(KoInstanceServer& server, const QString& name, const QStringList& files,
           std::chrono::milliseconds wait) {
  // A second try covers another start that took the name between our look and our listen.
  for (int attempt = 0; attempt < 2; ++attempt) {
    switch (handOver(name, files, wait)) {
      case HandOver::Delivered:
        return false;
      case HandOver::Unreachable:
        qWarning().noquote() << "another Vorn holds" << name << "but does not answer";
        return true;
      case HandOver::NotRunning:
        if (server.listen(name)) return true;
        break;
    }
  }
  return true;
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
  if (this != &other) {
    if (fd >= 0) ::close(fd);
    fd = std::exchange(other.fd, -1);
  }
  return *this;
}

Descriptor::~Descriptor() {
  if (fd >= 0) ::close(fd);
}

}  // namespace KoSingleInstance

KoInstanceServer::KoInstanceServer(QObject* parent) : QObject(parent) {}

KoInstanceServer::~KoInstanceServer() { close(); }

void KoInstanceServer::close() {
  if (listener_.fd < 0) return;
  delete notifier_;
  notifier_ = nullptr;
  listener_ = KoSingleInstance::Descriptor();
  QFile::remove(path_);
  path_.clear();
}

bool KoInstanceServer::listen(const QString& name) {
  using namespace KoSingleInstance;
  close();
  const QString path = socketPath(name);
  const auto refuse = [&](const char* why) {
    qWarning().noquote() << "cannot listen as" << name << "-" << why << std::strerror(errno);
    return false;
  };
  // Bound in a folder only this user can enter, then moved into place unless something is
  // there already: nobody else connects meanwhile, and no holder's socket is replaced.
  QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath() + "/.vorn-XXXXXX");
  if (!::mkdtemp(folder.data())) return refuse("no private folder:");
  const QByteArray bound = folder + "/s";
  const auto cleanUp = [&] {
    ::unlink(bound.constData());
    ::rmdir(folder.constData());
  };
  sockaddr_un address{};
  Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (socket.fd < 0 || !fillAddress(QFile::decodeName(bound), &address) ||
      ::bind(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::chmod(bound.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(socket.fd, 16) != 0) {
    cleanUp();
    return refuse("no socket:");
  }
  if (::renameat2(AT_FDCWD, bound.constData(), AT_FDCWD, QFile::encodeName(path).constData(),
                  RENAME_NOREPLACE) != 0) {
    cleanUp();
    return refuse("the name is taken:");
  }
  cleanUp();
  listener_ = std::move(socket);
  path_ = path;
  notifier_ = new QSocketNotifier(listener_.fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &KoInstanceServer::accept);
  return true;
}

QString KoInstanceServer::fullServerName() const { return path_; }

void KoInstanceServer::accept() {
  for (;;) {
    KoSingleInstance::Descriptor socket(
        ::accept4(listener_.fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (socket.fd < 0) {
      if (errno == EINTR) continue;
      return;
    }
    // One object per connection, gone with it.
    auto* connection = new QObject(this);
    auto* readable = new QSocketNotifier(socket.fd, QSocketNotifier::Read, connection);
    auto held = std::make_shared<KoSingleInstance::Descriptor>(std::move(socket));
    auto buffer = std::make_shared<QByteArray>();
    // A start that connects and then says nothing must not hold a connection for good.
    QTimer::singleShot(requestTimeout_, connection, [connection] { connection->deleteLater(); });
    connect(readable, &QSocketNotifier::activated, connection,
            [this, connection, readable, held, buffer] {
              if (readRequest(held->fd, buffer.get())) {
                readable->setEnabled(false);
                connection->deleteLater();
              }
            });
  }
}

bool KoInstanceServer::readRequest(int fd, QByteArray* buffer) {
  using namespace KoSingleInstance;
  const bool open = receiveSome(fd, buffer);
  const qsizetype end = buffer->indexOf('\n');
  if (end < 0) return !open || buffer->size() > kMaxMessageSize;  // dropped, or wait for more
  QStringList files;
  const bool ok = parseRequest(buffer->left(end), &files);
  qsizetype sent = 0;
  sendSome(fd, answer(ok), &sent);  // a few bytes into an empty socket
  if (!ok) {
    qWarning() << "a later start sent a message this version does not understand";
    return true;
  }
  QMetaObject::invokeMethod(
      this, [this, files] { emit activationRequested(files); }, Qt::QueuedConnection);
  return true;
}
