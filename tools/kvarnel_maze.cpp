// kvarnel-maze: maze files and pictures of the field without the window.
#include "maze_tool.h"

#include "game/core/system_clock.h"
#include "game/files/game_folders.h"
#include "front/pictures/picture_folders.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace {

// Qt's notices about the session it runs in (such as a missing XDG_RUNTIME_DIR) are not the
// tool's to report: its standard error carries its own one-line messages only.
void onlySeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << '\n';
}

} // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Beyond the file size limit (ulimit -f) a write fails with EFBIG and is reported as such, the
  // old file kept, rather than the program dying with no word.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);

  // Only render and book paint, and painting needs a GUI application; generate and read run without
  // one, so they need no display at all. Qt sees no arguments of ours, lest it take any.
  int qtArgc = 1;
  std::optional<QGuiApplication> app;
  kvarnel::PictureFolders pictures;
  if (!args.empty() && (args[0] == "render" || args[0] == "book")) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(onlySeriousMessages);
    app.emplace(qtArgc, argv);
    // The pictures the game would offer: its own and the player's.
    const kvarnel::GameFolders folders =
        kvarnel::findGameFolders(kvarnel::runningExecutableFolder(), [](const char* name) { return std::getenv(name); });
    pictures = {folders.data, folders.userData};
  }

  kvarnel::SystemClock clock;
  return kvarnel::runMazeTool(args, std::cout, std::cerr, clock, pictures);
}
