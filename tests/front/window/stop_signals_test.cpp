// Ending the game by signals: none ends the program while the window closes.
#include "front/window/stop_signals.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace kvarnel {
namespace {

bool caught(int signal) {
  struct sigaction now {};
  sigaction(signal, nullptr, &now);
  return now.sa_handler != SIG_DFL && now.sa_handler != SIG_IGN;
}

TEST(StopSignals, FurtherSignalsWhileClosingChangeNothing) {
  QWidget window;
  window.show();
  closeOnStopSignals(window);
  // timeout sends SIGTERM to the game and again to its group; a session's end may add SIGHUP.
  for (const int signal : {SIGTERM, SIGTERM, SIGHUP, SIGINT}) {
    ASSERT_TRUE(caught(signal)) << "it would end the game mid-write: " << signal;
    std::raise(signal);
  }
  QTRY_VERIFY(!window.isVisible());
}

} // namespace
} // namespace kvarnel
