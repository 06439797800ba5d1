#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <utility>

class KoInstanceServer;
class QSocketNotifier;
class QTimer;

// One Vorn per user and display session: a later start hands the files it was given to the
// running one over a local socket and leaves. The message is one line of JSON,
// {"vorn":1,"files":[absolute paths]}, answered by {"vorn":1,"ok":true}; a start with no
// files sends an empty list, which only raises the running window. A name whose bytes are not
// UTF-8 (see KoTools::fileNameFromNative) goes as {"native":"<its bytes in base64>"}, which
// JSON carries whole. Both ends deal only with a peer running as the same user.
namespace KoSingleInstance {

inline constexpr int kProtocolVersion = 1;
// Longer messages are refused: no command line carries that many paths.
inline constexpr qsizetype kMaxMessageSize = 1 << 20;

// The socket name for this user and display session; the socket lives in $XDG_RUNTIME_DIR,
// or where that is not this user's private folder, in <temporary folder>/vorn-<uid>.
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
  NotRunning,   // none listens (a crashed one's socket in a private folder is removed)
  Unreachable,  // something holds the name but did not answer in time, or refused the message
  Untrusted,    // another user listens there: it was handed nothing
};
// Hands `files` to the Vorn listening under `name`. Waits at most `wait` in all, running the
// event loop meanwhile.
HandOver handOver(const QString& name, const QStringList& files, std::chrono::milliseconds wait);
// At start: false when a running Vorn took `files` over, so this one should leave. Otherwise
// this one is the Vorn, and `server` listens under `name` unless a holder that does not
// answer or is another user's keeps the name, or there is no private folder for it (the
// program then runs on, unreachable for later starts, and the log says why).
bool claim(KoInstanceServer& server, const QString& name, const QStringList& files,
           std::chrono::milliseconds wait);

}  // namespace KoSingleInstance

// The running Vorn's end: takes the files of later starts.
class KoInstanceServer : public QObject {
  Q_OBJECT

 public:
  explicit KoInstanceServer(QObject* parent = nullptr);
  ~KoInstanceServer() override;

  // Listens under `name` (a bare name in this user's runtime folder, or a path), for this
  // user only; false (with the reason logged) when another holds the name.
  bool listen(const QString& name);
  // The socket's path while listening, else empty.
  QString fullServerName() const;
  // How long a connection may take to send its request before it is dropped.
  void setRequestTimeout(std::chrono::milliseconds timeout) { requestTimeout_ = timeout; }
  // How long taking connections pauses when out of descriptors or memory: `first`, doubled
  // up to `most` while it lasts. A pause under way is cut to `first`.
  void setAcceptRetry(std::chrono::milliseconds first, std::chrono::milliseconds most);

 signals:
  // A later start asked for the window, with these files to open (possibly none). Posted
  // after the answer went back, so the start that sent them is already leaving while the
  // window asks its questions.
  void activationRequested(const QStringList& files);

 private:
  void accept();
  // Stops taking connections for a while after accept failed for want of resources: the
  // connection waiting keeps the socket readable, so taking it at once would spin.
  void pauseAccepting(int error);
  // Reads what a connection sent and answers a whole request; true when it is done with.
  bool readRequest(int fd, QByteArray* buffer);
  // Stops listening and removes the socket.
  void close();

  KoSingleInstance::Descriptor listener_;
  QString path_;
  QSocketNotifier* notifier_ = nullptr;
  std::chrono::milliseconds requestTimeout_{10000};
  QTimer* retry_ = nullptr;
  std::chrono::milliseconds retryFirst_{100};
  std::chrono::milliseconds retryMost_{1000};
  std::optional<std::chrono::milliseconds> retryNext_;  // the next pause, while accept fails
};
