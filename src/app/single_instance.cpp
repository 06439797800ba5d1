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
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "model/file_io.h"

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

// A real folder (not a link to one) of this user's that nobody else may enter.
bool isPrivateFolder(const QByteArray& path) {
  struct stat status {};
  return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

// This user's runtime folder, else a private one in the shared temporary folder; empty (with
// the reason logged) when that name is taken by a folder that is not private or not ours.
QString runtimeFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (runtime.startsWith('/') && isPrivateFolder(runtime)) return QFile::decodeName(runtime);
  const QByteArray own =
      QFile::encodeName(QDir::tempPath()) + "/vorn-" + QByteArray::number(::geteuid());
  if (::mkdir(own.constData(), S_IRWXU) != 0 && errno != EEXIST) {
    const int error = errno;
    qWarning().noquote() << "cannot make the folder" << QFile::decodeName(own)
                         << "for Vorn's socket:" << std::strerror(error);
    return {};
  }
  if (!isPrivateFolder(own)) {
    // Someone else's, or open to others: a socket there could be taken or swapped.
    qWarning().noquote() << QFile::decodeName(own)
                         << "is not a folder of this user's only; Vorn's socket is not put there";
    return {};
  }
  return QFile::decodeName(own);
}

// Where a name's socket lives: a bare name in the runtime folder; empty when there is none.
QString socketPath(const QString& name) {
  if (name.contains(u'/')) return name;
  const QString folder = runtimeFolder();
  return folder.isEmpty() ? QString() : folder + u'/' + name;
}

// Whether the other end of a connected socket runs as this user.
bool sameUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
         peer.uid == ::geteuid();
}

// A socket a crashed Vorn left behind, removed only where nobody else can have put it.
void removeStale(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  struct stat status {};
  if (!isPrivateFolder(QFile::encodeName(QFileInfo(path).absolutePath())) ||
      ::lstat(native.constData(), &status) != 0 || !S_ISSOCK(status.st_mode) ||
      status.st_uid != ::geteuid()) {
    return;
  }
  ::unlink(native.constData());
}

const QString kNative = QStringLiteral("native");

// A name as JSON carries it: as it is, or its bytes when they are not UTF-8.
QJsonValue fileValue(const QString& file) {
  if (file.isValidUtf16()) return file;
  return QJsonObject{{kNative, QString::fromLatin1(KoTools::nativeFileName(file).toBase64())}};
}

std::optional<QString> fileOf(const QJsonValue& value) {
  if (value.isString()) return value.toString();
  const QJsonObject object = value.toObject();
  const QJsonValue native = object.value(kNative);
  if (object.size() != 1 || !native.isString()) return std::nullopt;
  const auto bytes = QByteArray::fromBase64Encoding(native.toString().toLatin1(),
                                                    QByteArray::AbortOnBase64DecodingErrors);
  if (!bytes) return std::nullopt;
  return KoTools::fileNameFromNative(*bytes);
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
  QStringList out;
  for (const QString& argument : arguments) {
    // Joined by hand: QDir::absoluteFilePath takes a folder that is not clean through the
    // local 8-bit encoding, which loses the bytes of a name that is not UTF-8.
    out.append(
        QDir::cleanPath(QDir::isAbsolutePath(argument) ? argument : directory + u'/' + argument));
  }
  return out;
}

QByteArray request(const QStringList& files) {
  QJsonArray list;
  for (const QString& file : files) list.append(fileValue(file));
  return line({{QStringLiteral("vorn"), kProtocolVersion}, {QStringLiteral("files"), list}});
}

QByteArray answer(bool ok) {
  return line({{QStringLiteral("vorn"), kProtocolVersion}, {QStringLiteral("ok"), ok}});
}

bool parseRequest(const QByteArray& message, QStringList* files) {
  if (message.size() > kMaxMessageSize) return false;
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(message.trimmed(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
  const QJsonObject object = document.object();
  if (object.value(QStringLiteral("vorn")).toInt(-1) != kProtocolVersion) return false;
  const QJsonValue list = object.value(QStringLiteral("files"));
  if (!list.isArray()) return false;
  QStringList out;
  for (const QJsonValue& value : list.toArray()) {
    const std::optional<QString> file = fileOf(value);
    // Only absolute paths: the running one has its own current folder.
    if (!file || !QDir::isAbsolutePath(*file) || file->contains(QChar(0))) return false;
    out.append(*file);
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
        removeStale(path);
        return HandOver::NotRunning;
      default:  // a holder whose queue is full answers no better than one that is hung
        return HandOver::Unreachable;
    }
  }
  // Checked before a byte goes out: the paths alone tell another user too much.
  if (!sameUser(socket.fd)) return HandOver::Untrusted;

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
  const QString path = socketPath(name);
  if (path.isEmpty()) return true;  // the reason is logged
  // A second try covers another start that took the name between our look and our listen.
  for (int attempt = 0; attempt < 2; ++attempt) {
    switch (handOver(path, files, wait)) {
      case HandOver::Delivered:
        return false;
      case HandOver::Unreachable:
        qWarning().noquote() << "another Vorn holds" << path << "but does not answer";
        return true;
      case HandOver::Untrusted:
        qWarning().noquote() << "another user listens on" << path
                             << "- it is handed nothing, and this Vorn runs on its own";
        return true;
      case HandOver::NotRunning:
        if (server.listen(path)) return true;
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

KoInstanceServer::KoInstanceServer(QObject* parent) : QObject(parent), retry_(new QTimer(this)) {
  retry_->setSingleShot(true);
  connect(retry_, &QTimer::timeout, this, [this] {
    if (notifier_) notifier_->setEnabled(true);
  });
}

KoInstanceServer::~KoInstanceServer() { close(); }

void KoInstanceServer::close() {
  if (listener_.fd < 0) return;
  retry_->stop();
  retryNext_.reset();
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
  if (path.isEmpty()) return false;  // the reason is logged
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

void KoInstanceServer::setAcceptRetry(std::chrono::milliseconds first,
                                      std::chrono::milliseconds most) {
  retryFirst_ = first;
  retryMost_ = most;
  if (retry_->isActive()) {
    retryNext_ = first;
    retry_->start(first);
  }
}

void KoInstanceServer::pauseAccepting(int error) {
  if (!retryNext_) {
    qWarning().noquote() << "cannot take a later start on" << path_ << "-" << std::strerror(error)
                         << "- trying again shortly";
  }
  const std::chrono::milliseconds pause = retryNext_.value_or(retryFirst_);
  retryNext_ = std::min(pause * 2, retryMost_);
  notifier_->setEnabled(false);
  retry_->start(pause);
}

void KoInstanceServer::accept() {
  for (;;) {
    KoSingleInstance::Descriptor socket(
        ::accept4(listener_.fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (socket.fd < 0) {
      const int error = errno;
      if (error == EINTR || error == ECONNABORTED) continue;
      if (error != EAGAIN && error != EWOULDBLOCK) {
        // Out of descriptors or memory, or a failure no retry at once would mend.
        return pauseAccepting(error);
      }
      retryNext_.reset();
      return;
    }
    retryNext_.reset();
    if (!KoSingleInstance::sameUser(socket.fd)) {
      qWarning() << "dropped a connection from another user";
      continue;
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
