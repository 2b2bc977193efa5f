// The texts the game composes for the player: messages, refusals, the end window's words. They are
// written in the designed Russian, which is the source language of the translations, and marked
// with KVARNEL_TEXT so that Qt's translation tools collect them (the build tells lupdate to read
// it as QT_TRANSLATE_NOOP; the context is always "Game"). The game stays free of Qt: the front
// end installs a translator, and without one the player reads the designed Russian.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define KVARNEL_TEXT(context, source) source

namespace kvarnel {

// The context the marked texts are translated in.
inline constexpr const char* playerTextContext = "Game";

// Gives a marked text in the interface's language, UTF-8.
using TextTranslator = std::string (*)(const char* source);

// Installed once by the front end before any window is made; nullptr goes back to the designed
// Russian.
void translatePlayerTextsWith(TextTranslator translator);

// The marked text source in the interface's language, with %1, %2, ... %9 replaced by the
// arguments in order. The arguments are put in as they are: a path holding "%2" stays so.
std::string playerText(const char* source, std::initializer_list<std::string_view> arguments = {});

} // namespace kvarnel
