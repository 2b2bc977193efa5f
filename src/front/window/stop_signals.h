// Ending the game from outside, as the close box ends it.
#pragma once

class QWidget;

namespace kvarnel {

// From now on SIGTERM, SIGINT and SIGHUP (the session ending) close window from the event loop
// exactly as its close box does, so the kept game and the options are written before the program
// ends. Further signals while it closes change nothing: a second SIGTERM to the process group
// (as `timeout` sends) must not end it half-way through a write.
void closeOnStopSignals(QWidget& window);

} // namespace kvarnel
