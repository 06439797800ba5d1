#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The port opens the slave side; the test plays the board on the master side.
struct Pty {
  Pty() {
    char name[128] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&master, &slave, name, &raw, nullptr) != 0) return;
    path = QString::fromLocal8Bit(name);
    fcntl(master, F_SETFL, O_NONBLOCK);
  }
  ~Pty() {
    if (master >= 0) ::close(master);
    if (slave >= 0) ::close(slave);
  }
  // Turns the event loop, collecting what the port wrote, until done() holds. Waits only for
  // either side to become readable, never for time to pass.
  template <typename Done>
  bool pump(Done done) {
    for (int i = 0; i < 200; ++i) {
      QCoreApplication::processEvents();
      char buf[256];
      for (ssize_t n; master >= 0 && (n = ::read(master, buf, sizeof buf)) > 0;)
        received.append(buf, n);
      if (done()) return true;
      pollfd fds[] = {{master, POLLIN, 0}, {slave, POLLIN, 0}};
      ::poll(fds, 2, 5);
    }
    return false;
  }

  int master = -1, slave = -1;
  QString path;
  QByteArray received;
};
