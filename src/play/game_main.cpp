// The game's run.
#include "play/game_main.h"

#include "core/system_clock.h"
#include "play/main_window.h"
#include "play/start_up.h"
#include "windows/design.h"
#include "windows/modal_runner.h"
#include "windows/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

namespace kvarnel {
namespace {

// The game's own folder among the player's data, made when needed; none when it cannot be.
std::string userDataFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
  return appFolderOf(folder.toStdString());
}

} // namespace

int runGame(int argc, char** argv, const std::function<void(MainWindow&)>& whenShown) {
  QApplication app(argc, argv);
  installFontSubstitutions();
  QCoreApplication::setApplicationName(QStringLiteral("kvarnel"));

  GameFolders folders = programFolders(QCoreApplication::applicationDirPath().toStdString());
  folders.userData = userDataFolder();

  QtMessageBoxes messages;
  QtFileDialogs fileDialogs;
  QtDocumentOpener documents;
  SystemClock clock;
  Services services{messages, fileDialogs, documents, clock};
  ExecModalRunner modals;

  // Closing the main window ends the program, whatever hidden windows are still loaded.
  app.setQuitOnLastWindowClosed(false);
  MainWindow window(folders, readStartupOptions(folders), services, modals);
  messages.setOwner(&window);
  fileDialogs.setOwner(&window);
  QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
  window.show();
  if (whenShown) QTimer::singleShot(0, &window, [&] { whenShown(window); });
  return app.exec();
}

} // namespace kvarnel
