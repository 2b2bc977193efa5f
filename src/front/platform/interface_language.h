// The language the game speaks: the designed Russian or English, chosen from the system's
// languages or by --lang, and everything that speaks it: the game's windows, the texts the game
// composes, Qt's own dialogs and the locale of sizes and dates.
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <optional>
#include <string_view>

namespace kvarnel {

enum class InterfaceLanguage { Russian, English };

// The language --lang names: "ru" or "en"; nothing for anything else.
std::optional<InterfaceLanguage> languageNamed(std::string_view name);

// The first of the system's languages (most wanted first, as QLocale::uiLanguages gives them)
// that the game speaks; "C" and "POSIX" ask for the designed Russian; English when none does.
InterfaceLanguage languageFor(const QStringList& uiLanguages);

// The interface speaks a language while this lives; before, and after it, the game's windows
// show the designed Russian. Made once the application exists and before any window.
class InterfaceTexts {
public:
  explicit InterfaceTexts(InterfaceLanguage language);
  ~InterfaceTexts();
  InterfaceTexts(const InterfaceTexts&) = delete;
  InterfaceTexts& operator=(const InterfaceTexts&) = delete;

  // False when Qt's translations for the language are not installed: its texts stay English.
  bool qtSpeaksIt() const { return qtSpeaks_; }

private:
  QLocale before_;
  QTranslator qtTexts_;
  QTranslator gameTexts_;
  bool qtSpeaks_ = false;
};

} // namespace kvarnel
