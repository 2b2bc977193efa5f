// The game's run.
#include "play/game_main.h"

#include "core/system_clock.h"
#include "play/folder_choice.h"
#include "play/main_window.h"
#include "play/player_folders.h"
#include "play/stop_signals.h"
#include "windows/design.h"
#include "windows/embedded_pictures.h"
#include "windows/modal_runner.h"
#include "windows/qt_platform.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>

namespace kvarnel {

int runGame(int argc, char** argv, const std::function<void(MainWindow&)>& whenShown) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kvarnel.Kvarnel"));
  QCoreApplication::setApplicationName(QString::fromLatin1(gameApplicationName));
  QApplication::setWindowIcon(gameIcon()); // every window of the game carries it
  installFontSubstitutions();
  QTranslator qtTexts;
  installQtTranslation(qtTexts); // without Qt's translations its dialogs speak English

  const GameFolders folders = findGameFolders();

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
  closeOnStopSignals(window);
  // Made once the game can be stopped cleanly: whoever sees them appear may end it by a signal.
  makeOwnPictureFolders(folders);
  window.show();
  if (whenShown) QTimer::singleShot(0, &window, [&] { whenShown(window); });
  return app.exec();
}

} // namespace kvarnel
