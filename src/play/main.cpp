// The game's entry: settings from the program folder, the main window, the event loop.
#include "core/system_clock.h"
#include "play/frm_forma.h"
#include "play/start_up.h"
#include "windows/design.h"
#include "windows/modal_runner.h"
#include "windows/qt_platform.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kvarnel::installFontSubstitutions();

  kvarnel::GameState state;
  kvarnel::loadStartupSettings(state, QCoreApplication::applicationDirPath().toStdString());

  kvarnel::QtMessageBoxes messages;
  kvarnel::QtFileDialogs fileDialogs;
  kvarnel::QtDocumentOpener documents;
  kvarnel::SystemClock clock;
  kvarnel::Services services{messages, fileDialogs, documents, clock};
  kvarnel::ExecModalRunner modals;

  // Closing the main window ends the program, whatever hidden windows are still loaded.
  app.setQuitOnLastWindowClosed(false);
  kvarnel::frmForma window(state, services, modals);
  messages.setOwner(&window);
  fileDialogs.setOwner(&window);
  QObject::connect(&window, &kvarnel::frmForma::closed, &app, &QCoreApplication::quit);
  window.show();
  return app.exec();
}
