// Ending the game from outside, as the close box ends it.
#pragma once

class QWidget;

namespace kvarnel {

// From now on SIGTERM, SIGINT and SIGHUP (the session ending) close window from the event loop
// exactly as its close box does, so the options are written before the program ends. A second
// signal of a kind already received ends the program at once, as if the game had not caught it.
void closeOnStopSignals(QWidget& window);

} // namespace kvarnel
