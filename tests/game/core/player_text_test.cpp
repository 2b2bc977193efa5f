// The texts the game composes: translated by whatever the front end installs, then filled.
#include "game/core/player_text.h"

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(PlayerText, TranslatesThenFillsTheArgumentsOnce) {
  EXPECT_EQ(playerText("Файл \"%1\" не найден.", {"/a/%2 b.lbr", "x"}), "Файл \"/a/%2 b.lbr\" не найден.");
  EXPECT_EQ(playerText("%2 из %1, 100%", {"a", "b"}), "b из a, 100%") << "in any order; a lone % stays";
  EXPECT_EQ(playerText("%3", {"a"}), "%3") << "no such argument";
  translatePlayerTextsWith([](const char* source) {
    return std::string(source) == "Файл \"%1\" не найден." ? std::string("The file \"%1\" was not found.") : source;
  });
  EXPECT_EQ(playerText("Файл \"%1\" не найден.", {"/a/%1.lbr"}), "The file \"/a/%1.lbr\" was not found.");
  translatePlayerTextsWith(nullptr);
  EXPECT_EQ(playerText("Файл \"%1\" не найден.", {"m.lbr"}), "Файл \"m.lbr\" не найден.");
}

} // namespace
} // namespace kvarnel
