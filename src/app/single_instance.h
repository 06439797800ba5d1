#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <chrono>
#include <utility>

class KoInstanceServer;
class QSocketNotifier;

// One Vorn per user and display session: a later start hands the files it was given to the
// running one over a local socket and leaves. The message is one line of JSON,
// {"vorn":1,"files":[absolute paths]}, answered by {"vorn":1,"ok":true}; a start with no
// files sends an empty list, which only raises the running window.
namespace KoSingleInstance {

inline constexpr int kProtocolVersion = 1;
// Longer messages are refused: no command line carries that many paths.
inline constexpr qsizetype kMaxMessageSize = 1 << 20;

// The socket name for this user and display session.
QString serverName();
// The name for this user id and display (WAYLAND_DISPLAY, then DISPLAY; either may be empty).
QString serverName(const QString& user, const QString& wayland, const QString& x);
// `arguments` as absolute paths, relative ones taken from `directory`.
QStringList absolutePaths(const QStringList& arguments, const QString& directory);

QByteArray request(const QStringList& files);
// The files of a request; false when the message is not one this version understands.
bool parseRequest(const QByteArray& line, QStringList* files);
QByteArray answer(bool ok);

// An open file descriptor, closed when it goes.
struct Descriptor {
  int fd = -1;
  Descriptor() = default;
  explicit Descriptor(int f) : fd(f) {}
  Descriptor(Descriptor&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor();
};

enum class HandOver {
  Delivered,    // a running Vorn has the files
  NotRunning,   // none listens (a socket a crashed one left behind is removed)
  Unreachable,  // something holds the name but did not answer in time, or refused the message
};
// Hands `files` to the Vorn listening under `name`. Waits at most `wait` in all, running the
// event loop meanwhile.
HandOver handOver(const QString& name, const QStringList& files, std::chrono::milliseconds wait);
// At start: false when a running Vorn took `files` over, so this one should leave. Otherwise
// this one is the Vorn, and `server` listens under `name` unless a holder that does not
// answer keeps the name (the program then runs on, unreachable for later starts).
bool claim(KoInstanceServer& server, const QString& name, const QStringList& files,
           std::chrono::milliseconds wait);

}  // namespace KoSingleInstance

// The running Vorn's end: takes the files of later starts.
class KoInstanceServer : public QObject {
  Q_OBJECT

 public:
  explicit KoInstanceServer(QObject* parent = nullptr);
  ~KoInstanceServer() override;

  // Listens under `name` (a bare name in the temporary folder), for this user only; false
  // (with the reason logged) when another holds the name.
  bool listen(const QString& name);
  // The socket's path while listening, else empty.
  QString fullServerName() const;
  // How long a connection may take to send its request before it is dropped.
  void setRequestTimeout(std::chrono::milliseconds timeout) { requestTimeout_ = timeout; }

 signals:
  // A later start asked for the window, with these files to open (possibly none). Posted
  // after the answer went back, so the start that sent them is already leaving while the
  // window asks its questions.
  void activationRequested(const QStringList& files);

 private:
  void accept();
  // Reads what a connection sent and answers a whole request; true when it is done with.
  bool readRequest(int fd, QByteArray* buffer);
  // Stops listening and removes the socket.
  void close();

  KoSingleInstance::Descriptor listener_;
  QString path_;
  QSocketNotifier* notifier_ = nullptr;
  std::chrono::milliseconds requestTimeout_{10000};
};
