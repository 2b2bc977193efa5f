// The keys as the window hands them in, and the walks they ask for.
#include "game/play/walk_keys.h"

#include "support/play_fixture.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(WalkKeys, ArrowsAndBothLayoutsWalkShiftRunsAsFarAsAClickAtTheEdge) {
  static_assert(keys::left == Qt::Key_Left && keys::right == Qt::Key_Right && keys::up == Qt::Key_Up &&
                keys::down == Qt::Key_Down);
  const std::pair<std::uint32_t, WalkKey> table[] = {
      {Qt::Key_Left, {-1, 0}}, {Qt::Key_A, {-1, 0}}, {U'Ф', {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_D, {1, 0}},
      {U'В', {1, 0}},          {Qt::Key_Up, {0, -1}}, {Qt::Key_W, {0, -1}}, {U'Ц', {0, -1}}, {Qt::Key_Down, {0, 1}},
      {Qt::Key_S, {0, 1}},     {U'Ы', {0, 1}}};
  for (const auto& [key, walk] : table) {
    EXPECT_EQ(walkKeyOf(key, {}), walk) << key;
    EXPECT_EQ(walkKeyOf(key, {.shift = true}), (WalkKey{walk.dx, walk.dy, true})) << key;
    EXPECT_EQ(walkKeyOf(key, {.command = true}), std::nullopt) << key << " with Ctrl";
  }
  for (std::uint32_t other : {std::uint32_t{Qt::Key_P}, std::uint32_t{Qt::Key_F5}, std::uint32_t{U'З'}})
    EXPECT_EQ(walkKeyOf(other, {}), std::nullopt) << other;
  // The keypad's digits, as every walking key, are checked against the help page's table.
  EXPECT_EQ(walkKeyOf(Qt::Key_2, {.keypad = true}), (WalkKey{0, 1}));

  const Maze maze = testing::sampleMaze();
  const FieldView view = testing::viewAt(maze);
  const double farRight = static_cast<double>(fieldRectOf(maze, view.geometry).width - view.geometry.wallSize);
  EXPECT_EQ(walkForKey(maze, {1, 0, true})->rooms, walkForClick(maze, view, {farRight, 30})->rooms);
  EXPECT_EQ(walkForKey(maze, {0, 1, true})->rooms, 2);
  EXPECT_EQ(walkForKey(maze, {-1, 0, true}), std::nullopt);
}

} // namespace
} // namespace kvarnel
