// The game's run: its folders and settings, the main window, the event loop.
#pragma once

#include <functional>

namespace kvarnel {

class MainWindow;

// Runs the game until its main window closes and returns the exit code. whenShown, if given,
// runs once the main window has been shown and its first events handled.
int runGame(int argc, char** argv, const std::function<void(MainWindow&)>& whenShown = {});

} // namespace kvarnel
