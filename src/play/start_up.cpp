// Start-up and shut-down of the game's settings.
#include "play/start_up.h"

#include "core/picture_kinds.h"

namespace kvarnel {

std::string appFolderOf(const std::string& folder) {
  const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
  std::string result = folder;
  if (result.empty() || result.back() != separator) result += separator;
  return result;
}

void loadStartupSettings(GameState& state, const std::string& programFolder) {
  state = GameState{};
  state.settings.appFolder = appFolderOf(programFolder);
  state.settings.dialogFolder = state.settings.appFolder;
  Options options = optionsOf(state);
  readOptionsFile(state.settings.appFolder + optionsFileName, options);
  applyOptions(options, state);
}

void SaveFileINI(const GameState& state) {
  writeOptionsFile(state.settings.appFolder + optionsFileName, optionsOf(state));
}

Options optionsOf(const GameState& state) {
  const SharedSettings& s = state.settings;
  return {state.maze.mazeWidth, state.maze.mazeHeight, s.heroPicture, s.wallPicture, s.doorPicture,
          s.timedGame, s.limitMinutes, s.limitSeconds};
}

void applyOptions(const Options& options, GameState& state) {
  SharedSettings& s = state.settings;
  state.maze.mazeWidth = options.mazeWidth;
  state.maze.mazeHeight = options.mazeHeight;
  s.heroPicture = options.heroPicture;
  s.wallPicture = options.wallPicture;
  s.doorPicture = options.doorPicture;
  // Options.ini may have been edited by hand: a name that could lead out of its picture folder
  // is no picture.
  for (PictureKind kind : pictureKinds) {
    std::string& name = rememberedPicture(s, kind);
    if (!isPlainFileName(name)) name.clear();
  }
  s.timedGame = options.timedGame;
  s.limitMinutes = options.limitMinutes;
  s.limitSeconds = options.limitSeconds;
}

} // namespace kvarnel
