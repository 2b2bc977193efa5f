// The texts the game composes for the player.
#include "game/core/player_text.h"

namespace kvarnel {
namespace {

TextTranslator installedTranslator = nullptr;

} // namespace

void translatePlayerTextsWith(TextTranslator translator) { installedTranslator = translator; }

std::string playerText(const char* source, std::initializer_list<std::string_view> arguments) {
  const std::string text = installedTranslator ? installedTranslator(source) : std::string(source);
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char next = at + 1 < text.size() ? text[at + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(next - '1');
    if (text[at] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
      filled += arguments.begin()[index];
      ++at;
    } else {
      filled += text[at];
    }
  }
  return filled;
}

} // namespace kvarnel
