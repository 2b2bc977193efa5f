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
#include "front/platform/interface_language.h"
#include "front/platform/qt_platform.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <iostream>
#include <string_view>

namespace kvarnel {
namespace {

struct LanguageAsked {
  bool valid = true;
  std::optional<InterfaceLanguage> language; // none: the system's
};

// "--lang ru", "--lang=en": the last one counts.
LanguageAsked languageAsked(int argc, char** argv) {
  LanguageAsked asked;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    std::optional<std::string_view> name;
    if (argument == "--lang") name = i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
    else if (argument.starts_with("--lang=")) name = argument.substr(7);
    if (!name) continue;
    asked.language = languageNamed(*name);
    if (!asked.language) asked.valid = false;
  }
  return asked;
}

} // namespace

int runGame(int argc, char** argv, const std::function<void(MainWindow&)>& whenShown) {
  // Answered before Qt starts, so that they need no display.
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "kvarnel " << releaseVersion() << '\n';
    return 0;
  }
  // A file grown beyond the size limit (ulimit -f) fails its write with EFBIG, reported as any
  // failed write, instead of ending the game before Options.ini is written.
  std::signal(SIGXFSZ, SIG_IGN);
  const LanguageAsked asked = languageAsked(argc, argv);
  if (!asked.valid) {
    std::cerr << "kvarnel: --lang takes ru (Russian) or en (English)\n";
    return 2;
  }
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kvarnel.Kvarnel"));
  QCoreApplication::setApplicationName(QStringLiteral("kvarnel"));
  QApplication::setWindowIcon(gameIcon()); // every window of the game carries it
  installFontSubstitutions();
  // The windows, the game's messages, Qt's own dialogs and the locale of sizes and dates.
  const InterfaceTexts texts(asked.language.value_or(languageFor(QLocale::system().uiLanguages())));

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
