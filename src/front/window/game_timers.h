// The main window's timers: made named and stopped, and run exactly while the game wants them.
#pragma once

class QObject;
class QTimer;

namespace kvarnel {

// A stopped timer named `name` (its designed name), firing every `interval` ms or once.
QTimer* gameTimer(QObject* parent, const char* name, int interval, bool once);

// Runs the timer exactly while `runs`, waiting `interval`; the game's intervals change only at its
// ticks and pauses, so a running timer is started again only when its interval changed.
void runTimer(QTimer& timer, bool runs, int interval);

} // namespace kvarnel
