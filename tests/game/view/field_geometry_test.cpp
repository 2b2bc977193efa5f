// Field geometry: room pitch, hero and door places, and the wall tiles of a part of the field.
#include "game/view/field_geometry.h"

#include "support/mazes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace kvarnel {
namespace {

using testing::madeMaze;

auto key(const PixelRect& r) { return std::tuple(r.x, r.y, r.width, r.height); }

TEST(FieldGeometry, WallSixteenHeroThirtyTwo) {
  const FieldGeometry g = fieldGeometryOf(16);
  EXPECT_EQ(g.cellStep, 48);
  EXPECT_EQ(g.halfStep, 24);
  EXPECT_EQ(g.inset, 0);
  const Maze maze = madeMaze(4, 4);
  EXPECT_EQ(fieldRectOf(maze, g).width, 208);
  EXPECT_EQ(key(doorRectOf(maze, g)), std::tuple(160, 160, 32, 32));
  EXPECT_EQ(heroRestPosition(1, g), 64);
  EXPECT_EQ(heroRestPosition(2, g), 112);
  // The outer wall's left run from the top post: 4 whole tiles down to the next post.
  const auto tiles = wallTilesIn(maze, g, {0, 0, 16, 64});
  for (int t = 0; t < 4; ++t)
    EXPECT_NE(std::find_if(tiles.begin(), tiles.end(),
                           [&](const PixelRect& r) { return key(r) == std::tuple(0, 16 * t, 16, 16); }),
              tiles.end());
}

TEST(FieldGeometry, WideWallCentresTheHero) {
  const FieldGeometry g = fieldGeometryOf(64);
  EXPECT_EQ(g.inset, 16);
  EXPECT_EQ(g.heroSize, 64);
  EXPECT_EQ(g.cellStep, 128);
}

TEST(FieldGeometry, OddStepsRoundHalfToEven) {
  EXPECT_EQ(fieldGeometryOf(17).halfStep, 24); // 49
  EXPECT_EQ(fieldGeometryOf(19).halfStep, 26); // 51
}

TEST(FieldGeometry, TwentyFourPixelWallLinesUpWithRoomsAndDoor) {
  const FieldGeometry g = fieldGeometryOf(24);
  EXPECT_EQ(g.cellStep, 56);
  const Maze maze = madeMaze(10, 10);
  const PixelRect field = fieldRectOf(maze, g);
  EXPECT_EQ(field.width, 584);
  const PixelRect door = doorRectOf(maze, g);
  EXPECT_LE(door.x + door.width + g.wallSize, field.width);
  EXPECT_EQ(door.x, 24 + 9 * 56);
  // Every tile stays inside the field; a run ends at the next post's far edge, 80 pixels on,
  // so its fourth tile is clipped to 8 pixels.
  for (const PixelRect& t : wallTilesIn(maze, g, field)) {
    EXPECT_LE(t.x + t.width, field.width);
    EXPECT_LE(t.y + t.height, field.height);
    EXPECT_GT(t.width, 0);
    EXPECT_GT(t.height, 0);
  }
  const auto top = wallTilesIn(maze, g, {0, 0, 80, 1});
  EXPECT_NE(std::find_if(top.begin(), top.end(),
                         [](const PixelRect& r) { return key(r) == std::tuple(72, 0, 8, 24); }),
            top.end());
}

TEST(FieldGeometry, PartOfTheFieldHasExactlyTheTilesThatTouchIt) {
  std::mt19937 rng(7);
  for (int round = 0; round < 30; ++round) {
    const int w = std::uniform_int_distribution<int>(2, 20)(rng);
    const int h = std::uniform_int_distribution<int>(2, 20)(rng);
    Maze maze = madeMaze(w, h, round % 2 ? " 1.5" : " 777.25");
    // Files may hold closed rooms and open posts: the tiles follow the grid whatever it holds.
    for (auto& c : maze.mazeGrid)
      if (std::uniform_int_distribution<int>(0, 9)(rng) == 0) c = static_cast<std::uint8_t>(c ? 0 : 1);
    const FieldGeometry g = fieldGeometryOf(std::uniform_int_distribution<int>(16, 70)(rng));
    const PixelRect field = fieldRectOf(maze, g);
    const auto all = wallTilesIn(maze, g, field);
    for (int i = 0; i < 20; ++i) {
      const PixelRect part{std::uniform_int_distribution<std::int64_t>(-50, field.width)(rng),
                           std::uniform_int_distribution<std::int64_t>(-50, field.height)(rng),
                           std::uniform_int_distribution<std::int64_t>(1, 300)(rng),
                           std::uniform_int_distribution<std::int64_t>(1, 300)(rng)};
      std::vector<std::tuple<std::int64_t, std::int64_t, std::int64_t, std::int64_t>> expected, got;
      for (const auto& t : all)
        if (t.intersects(part)) expected.push_back(key(t));
      for (const auto& t : wallTilesIn(maze, g, part)) got.push_back(key(t));
      std::sort(expected.begin(), expected.end());
      std::sort(got.begin(), got.end());
      ASSERT_EQ(got, expected);
    }
  }
}

TEST(FieldGeometry, NoMazeNoTiles) {
  const Maze none;
  EXPECT_TRUE(wallTilesIn(none, fieldGeometryOf(16), {0, 0, 100, 100}).empty());
}

} // namespace
} // namespace kvarnel
