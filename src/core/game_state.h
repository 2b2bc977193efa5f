// The game state: the maze in play, the hero, the drawing geometry and the shared settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kvarnel {

// Cell codes of mazeGrid. Every nonzero code is open.
enum CellCode : std::uint8_t { cellWall = 0, cellPath = 1, cellOpen = 2 };

// One record of pathStack: the step by which a room was entered.
struct PathRecord {
  std::uint8_t slot = 0;  // 0..3, slot within the direction order
  std::int16_t order = 0; // 0..23, used by generation only
};

// The maze in play and the hero on it. Rooms are cells (2c + 1, 2r + 1); the grid is stored
// column by column (y varies fastest), the order of the maze file.
struct MazeState {
  std::int32_t mazeWidth = 4;
  std::int32_t mazeHeight = 4;
  std::int32_t roomsAcross = 0;
  std::int32_t roomsDown = 0;
  std::int32_t gridMaxX = 0; // 0 until the first maze: then there is no grid
  std::int32_t gridMaxY = 0;
  std::int32_t roomCount = 0;
  std::vector<std::uint8_t> mazeGrid;
  std::vector<PathRecord> pathStack;

  std::int32_t heroCol = 0;
  std::int32_t heroRow = 0;

  // Drawing geometry, in field pixels.
  std::int32_t wallSize = 0;
  std::int32_t heroSize = 0;
  std::int32_t cellStep = 0;
  std::int32_t halfStep = 0;
  std::int32_t heroX = 0;
  std::int32_t heroY = 0;

  // The walk in progress.
  std::int32_t moveDx = 0;
  std::int32_t moveDy = 0;
  std::int32_t stepsLeft = 0;

  std::int32_t mazeShown = 0;

  bool hasGrid() const { return gridMaxX != 0; }
  std::size_t cellIndex(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(x) * static_cast<std::size_t>(gridMaxY + 1) +
           static_cast<std::size_t>(y);
  }
  std::uint8_t cell(std::int32_t x, std::int32_t y) const { return mazeGrid[cellIndex(x, y)]; }
  std::uint8_t& cell(std::int32_t x, std::int32_t y) { return mazeGrid[cellIndex(x, y)]; }
};

// Picture kinds, in the order of their folders and stores.
enum class PictureKind { Hero = 0, Wall = 1, Door = 2 };

// Settings shared by the windows and kept between runs (the last eight in the options file).
struct SharedSettings {
  std::string appFolder;    // the program folder, ending in a separator
  std::string dialogFolder; // start folder of the file dialogs
  std::string mazeFilePath; // the current maze file, empty when there is none

  std::string heroPicture;
  std::string wallPicture;
  std::string doorPicture;

  std::int32_t timedGame = 0; // 1 timed, 0 untimed
  std::int32_t limitMinutes = 0;
  std::int32_t limitSeconds = 0;
  std::int32_t secondsLeft = 0;

  std::int32_t viewWidth = 0;
  std::int32_t viewHeight = 0;
  float barPerSecond = 0.0f;

  std::int32_t dialogArg = 0;       // picture kind for the chooser; 0 victory, 1 time up for the end window
  std::int32_t chooserFromMenu = 0; // 1 when the chooser was opened from the main menu
};

struct GameState {
  MazeState maze;
  SharedSettings settings;
};

} // namespace kvarnel
