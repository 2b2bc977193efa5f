// Test entry point: an offscreen QApplication for the widget tests, then GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The offscreen platform says this of every top-level window it shows; it says nothing about us.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
  if (standard) standard(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
  // Test discovery runs this binary at build time, where there is no display.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(quietMessages);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
