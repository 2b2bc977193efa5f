// Test entry point: an offscreen QApplication for the widget tests, then GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says this of every top-level window it shows; it says nothing about us.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  if (standardHandler) standardHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
  // Test discovery runs this binary at build time, where there is no display.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  standardHandler = qInstallMessageHandler(quietMessages);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
