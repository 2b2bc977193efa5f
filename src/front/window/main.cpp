// The game's entry.
#include "front/window/game_main.h"

int main(int argc, char** argv) { return kvarnel::runGame(argc, argv); }
