// Ending the game by signals: every one closes the window once and none ends the program while
// it closes.
#include "front/window/stop_signals.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace kvarnel {
namespace {

class ClosingWindow : public QWidget {
public:
  int closes = 0;

protected:
  void closeEvent(QCloseEvent* event) override {
    ++closes;
    QWidget::closeEvent(event);
  }
};

bool caught(int signal) {
  struct sigaction now {};
  sigaction(signal, nullptr, &now);
  return now.sa_handler != SIG_DFL && now.sa_handler != SIG_IGN;
}

TEST(StopSignals, FurtherSignalsWhileClosingChangeNothing) {
  ClosingWindow window;
  window.show();
  closeOnStopSignals(window);
  // timeout sends SIGTERM to the game and again to its process group; a session's end may add
  // SIGHUP, a terminal SIGINT.
  for (const int signal : {SIGTERM, SIGTERM, SIGHUP, SIGINT, SIGTERM}) {
    ASSERT_TRUE(caught(signal)) << "the next one would end the game mid-write: " << signal;
    std::raise(signal);
  }
  QTRY_VERIFY(window.closes >= 1);
  QCoreApplication::processEvents();
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) EXPECT_TRUE(caught(signal)) << signal;
}

} // namespace
} // namespace kvarnel
