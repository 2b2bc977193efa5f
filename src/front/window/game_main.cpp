// The game's run.
#include "front/window/game_main.h"

#include "game/core/release.h"
#include "game/core/system_clock.h"
#include "game/files/game_folders.h"
#include "game/files/options_file_format.h"
#include "front/window/main_window.h"
#include "front/window/stop_signals.h"
#include "front/dialogs/design.h"
#include "front/pictures/embedded_pictures.h"
#include "front/dialogs/modal_runner.h"
#include "front/platform/qt_platform.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace kvarnel {
namespace {

// The language the game's windows speak; Qt's dialogs and sizes and dates follow it.
constexpr QLocale::Language interfaceLanguage = QLocale::Russian;

} // namespace

int runGame(int argc, char** argv, const std::function<void(MainWindow&)>& whenShown) {
  // Answered before Qt starts, so that it needs no display.
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "kvarnel " << releaseVersion() << '\n';
    return 0;
  }
  // A file grown beyond the size limit (ulimit -f) fails its write with EFBIG, reported as any
  // failed write, instead of ending the game before Options.ini is written.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kvarnel.Kvarnel"));
  QCoreApplication::setApplicationName(QStringLiteral("kvarnel"));
  QApplication::setWindowIcon(gameIcon()); // every window of the game carries it
  installFontSubstitutions();
  QTranslator qtTexts;
  speakInterfaceLanguage(interfaceLanguage, qtTexts); // without Qt's translations its dialogs speak English

  const GameFolders folders = findGameFolders(runningExecutableFolder(), [](const char* name) { return std::getenv(name); });
  if (folders.options.empty())
    std::cerr << "kvarnel: no usable home folder (HOME is unset or not absolute): the options and records of this "
                 "game are kept in memory only\n";

  QtMessageBoxes messages;
  QtFileDialogs fileDialogs;
  QtDocumentOpener documents;
  SystemClock clock;
  Services services{messages, fileDialogs, documents, clock};
  ExecModalRunner modals;

  // Closing the main window ends the program, whatever hidden windows are still loaded.
  app.setQuitOnLastWindowClosed(false);
  MainWindow window(folders, readGameOptions(folders), services, modals);
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
