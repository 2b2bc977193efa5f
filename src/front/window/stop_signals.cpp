// Ending the game from outside: a signal handler may do almost nothing, so it only writes a byte
// that the event loop then reads and answers by closing the window.
#include "front/window/stop_signals.h"

#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace kvarnel {
namespace {

int signalSockets[2] = {-1, -1}; // written by the handler, read by the event loop

extern "C" void onStopSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  if (::write(signalSockets[1], &byte, 1) < 0) {
    // Nothing to do in a handler: the window then stays open, as if no signal had come.
  }
  errno = savedErrno;
}

} // namespace

void closeOnStopSignals(QWidget& window) {
  if (signalSockets[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0) return;
  auto* notifier = new QSocketNotifier(signalSockets[0], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char bytes[8];
    while (::read(signalSockets[0], bytes, sizeof bytes) > 0) {
    }
    window.close();
  });
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

} // namespace kvarnel
