// The interface's language.
#include "front/platform/interface_language.h"

#include "game/core/player_text.h"
#include "front/platform/qt_platform.h"

#include <QCoreApplication>
#include <QStringList>

namespace kvarnel {
namespace {

// The designed Russian is the source of every translation and needs none of its own.
constexpr const char* englishTexts = ":/i18n/kvarnel_en.qm";

std::string translatedGameText(const char* source) {
  return QCoreApplication::translate(playerTextContext, source).toStdString();
}

} // namespace

std::optional<InterfaceLanguage> languageNamed(std::string_view name) {
  if (name == "ru") return InterfaceLanguage::Russian;
  if (name == "en") return InterfaceLanguage::English;
  return std::nullopt;
}

InterfaceLanguage languageFor(const QStringList& uiLanguages) {
  for (const QString& wanted : uiLanguages) {
    if (wanted == QLatin1String("C") || wanted == QLatin1String("POSIX")) return InterfaceLanguage::Russian;
    // "ru", "ru-RU", "ru_RU.UTF-8": the language is what comes before the territory.
    const QString language = wanted.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("ru")) return InterfaceLanguage::Russian;
    if (language == QLatin1String("en")) return InterfaceLanguage::English;
  }
  return InterfaceLanguage::English;
}

InterfaceTexts::InterfaceTexts(InterfaceLanguage language) {
  const bool english = language == InterfaceLanguage::English;
  qtSpeaks_ = speakInterfaceLanguage(english ? QLocale::English : QLocale::Russian, qtTexts_);
  // Compiled into the game: an English interface never lacks its texts.
  if (english && gameTexts_.load(QString::fromLatin1(englishTexts))) QCoreApplication::installTranslator(&gameTexts_);
  translatePlayerTextsWith(&translatedGameText);
}

InterfaceTexts::~InterfaceTexts() {
  translatePlayerTextsWith(nullptr);
  QCoreApplication::removeTranslator(&gameTexts_);
  QCoreApplication::removeTranslator(&qtTexts_);
  QLocale::setDefault(before_);
}

} // namespace kvarnel
