#include "app/single_instance.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

QString userPart() {
#ifdef Q_OS_UNIX
  return QString::number(::getuid());
#else
  return safePart(qEnvironmentVariable("USERNAME"));
#endif
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
  std::optional<HandOver> result;
  QEventLoop loop;
  QTimer deadline;
  QByteArray reply;
  QLocalSocket socket;
  const auto finish = [&](HandOver how) {
    if (result) return;
    result = how;
    loop.quit();
  };
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, [&] { finish(HandOver::Unreachable); });
  QObject::connect(&socket, &QLocalSocket::connected, [&] { socket.write(request(files)); });
  QObject::connect(&socket, &QLocalSocket::readyRead, [&] {
    reply += socket.readAll();
    const qsizetype end = reply.indexOf('\n');
    if (end < 0) {
      if (reply.size() > kMaxMessageSize) finish(HandOver::Unreachable);
      return;
    }
    const QJsonObject answer = QJsonDocument::fromJson(reply.left(end)).object();
    finish(answer.value(QStringLiteral("ok")).toBool() ? HandOver::Delivered
                                                       : HandOver::Unreachable);
  });
  QObject::connect(&socket, &QLocalSocket::errorOccurred, [&](QLocalSocket::LocalSocketError e) {
    switch (e) {
      case QLocalSocket::ServerNotFoundError:
        finish(HandOver::NotRunning);
        break;
      case QLocalSocket::ConnectionRefusedError:
        // The name is there but nobody listens: a Vorn that crashed left it behind.
        QLocalServer::removeServer(name);
        finish(HandOver::NotRunning);
        break;
      default:
        finish(HandOver::Unreachable);
    }
  });
  deadline.start(wait);
  socket.connectToServer(name);
  if (!result) loop.exec();
  QObject::disconnect(&socket, nullptr, nullptr, nullptr);
  socket.abort();
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

}  // namespace KoSingleInstance

KoInstanceServer::KoInstanceServer(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &KoInstanceServer::accept);
}

KoInstanceServer::~KoInstanceServer() { server_->close(); }

bool KoInstanceServer::listen(const QString& name) {
  if (server_->listen(name)) return true;
  qWarning().noquote() << "cannot listen as" << name << server_->errorString();
  return false;
}

QString KoInstanceServer::fullServerName() const { return server_->fullServerName(); }

void KoInstanceServer::accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    // A start that connects and then says nothing must not hold a connection for good.
    auto* timeout = new QTimer(socket);
    timeout->setSingleShot(true);
    connect(timeout, &QTimer::timeout, socket, [socket] {
      socket->abort();
      socket->deleteLater();
    });
    timeout->start(requestTimeout_);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
    if (socket->bytesAvailable() > 0) readRequest(socket);
  }
}

void KoInstanceServer::readRequest(QLocalSocket* socket) {
  if (socket->property("answered").toBool()) {
    socket->readAll();
    return;
  }
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() > KoSingleInstance::kMaxMessageSize) {
      socket->abort();
      socket->deleteLater();
    }
    return;
  }
  QStringList files;
  const bool ok = KoSingleInstance::parseRequest(
      socket->readLine(KoSingleInstance::kMaxMessageSize + 1), &files);
  socket->setProperty("answered", true);
  socket->write(KoSingleInstance::answer(ok));
  socket->disconnectFromServer();
  if (!ok) {
    qWarning() << "a later start sent a message this version does not understand";
    return;
  }
  QMetaObject::invokeMethod(
      this, [this, files] { emit activationRequested(files); }, Qt::QueuedConnection);
}
