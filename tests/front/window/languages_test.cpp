// The game in each of its languages, through the main flows: the window's caption, the menus, the
// windows F4 and the menus open, a message the game composes, the help page F1 opens, the end
// window's words, Qt's own texts and locale. Russian is the designed interface, char for char; in
// English none of these windows shows a Cyrillic letter.
#include "front/pictures/embedded_pictures.h"
#include "front/platform/interface_language.h"
#include "game/play/end_message.h"
#include "support/game_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

namespace kvarnel {
namespace {

struct Speech {
  InterfaceLanguage language;
  QLocale::Language locale;
  // The main window's caption and menus; the titles of "Новая игра", the hero's chooser, "О программе",
  // "Рекорды" and "Лабиринт по коду"; "Старт!"; Qt's Yes.
  QStringList shown;
  std::string notFound; // the end of the message about a missing file, after its path
  std::string helpPage;
  std::string freedom;
};

const Speech russian{
    InterfaceLanguage::Russian, QLocale::Russian,
    QStringLiteral("Кварнель|Меню|Игра|Справка|Новая игра|Выбор героя|О программе|Рекорды|Лабиринт по коду|Старт!|Да")
        .split(QLatin1Char('|')),
    "\" не найден.", "Справка.htm", "СВОБОДА!!!"};
const Speech english{
    InterfaceLanguage::English, QLocale::English,
    QStringLiteral("Kvarnel|Menu|Game|Help|New Game|Choose Hero|About|Best Times|Maze from a Code|Start!|Yes")
        .split(QLatin1Char('|')),
    "\" was not found.", "Help.htm", "FREEDOM!!!"};

void PrintTo(const Speech& speech, std::ostream* out) { *out << speech.shown[0].toStdString(); }

class Languages : public testing::GameFixture, public ::testing::WithParamInterface<Speech> {};

// A Cyrillic letter: no window of the English interface shows one (the test's folders hold no
// picture with a Russian name).
bool speaksRussian(const QString& text) {
  return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

TEST_P(Languages, MainFlowsSpeakTheLanguage) {
  const Speech& speech = GetParam();
  const QImage designedTitle = titlePicture().toImage();
  const InterfaceTexts texts(speech.language);
  restart();

  QStringList shown{window->windowTitle()};
  for (const char* name : {"Menu", "Game", "Help"}) shown << control<QMenu>(name)->title();
  QStringList shownTexts;
  for (QAction* item : window->findChildren<QAction*>()) shownTexts << item->text();
  QString start;
  modals.script = [&](QDialog& dialog) {
    shown << dialog.windowTitle();
    for (QLabel* label : dialog.findChildren<QLabel*>()) shownTexts << label->text();
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) shownTexts << button->text();
    if (dialog.objectName() == QLatin1String("frmNew")) start = testing::control<QPushButton>(&dialog, "kOK")->text();
  };
  for (const char* name : {"MenuNew", "MenuSel_0", "HelpAbout", "GameRecords", "GameFromCode"})
    menuItem(name)->trigger();
  QMessageBox question; // Qt's own texts
  question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  shown << start << question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&'));
  EXPECT_EQ(shown, speech.shown);
  EXPECT_EQ(QLocale().language(), speech.locale) << "sizes and dates";
  if (speech.language == InterfaceLanguage::English) {
    for (const QString& text : shownTexts) EXPECT_FALSE(speaksRussian(text)) << text.toStdString();
    EXPECT_NE(titlePicture().toImage(), designedTitle) << "the title picture says how to begin in English";
  } else {
    EXPECT_EQ(titlePicture().toImage(), designedTitle);
  }

  // A message the game composes around a path; the help page of the language.
  fileDialogs.openAnswers = {appFolder + "missing.lbr"};
  menuItem("MenuOpen")->trigger();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.ends_with(appFolder + "missing.lbr" + speech.notFound)) << messages.shown[0].text;
  menuItem("HelpCallHelp")->trigger();
  EXPECT_EQ(documents.opened, std::vector<std::string>{appFolder + speech.helpPage});
  EXPECT_EQ(endWindowText(GameEnd::Victory).endMessage, speech.freedom);
}

INSTANTIATE_TEST_SUITE_P(RussianAndEnglish, Languages, ::testing::Values(russian, english),
                         [](const auto& instance) { return instance.index == 0 ? "Russian" : "English"; });

TEST(InterfaceLanguage, FirstOfTheSystemsLanguagesTheGameHas) {
  const auto first = [](std::initializer_list<const char*> wanted) {
    QStringList list;
    for (const char* w : wanted) list << QString::fromLatin1(w);
    return languageFor(list);
  };
  EXPECT_EQ(first({"ru-RU", "en-US"}), InterfaceLanguage::Russian);
  EXPECT_EQ(first({"de-DE", "en-GB", "ru"}), InterfaceLanguage::English);
  EXPECT_EQ(first({"uk-UA", "ru_RU.UTF-8"}), InterfaceLanguage::Russian);
  EXPECT_EQ(first({"C"}), InterfaceLanguage::Russian) << "the designed Russian";
  EXPECT_EQ(first({"POSIX"}), InterfaceLanguage::Russian);
  EXPECT_EQ(first({"fr-FR", "de"}), InterfaceLanguage::English);
  EXPECT_EQ(first({}), InterfaceLanguage::English);
  EXPECT_EQ(languageNamed("en"), InterfaceLanguage::English);
  EXPECT_EQ(languageNamed("ru"), InterfaceLanguage::Russian);
  EXPECT_EQ(languageNamed("de"), std::nullopt);
  EXPECT_EQ(languageNamed("EN"), std::nullopt);
}

// Refused before any window, as --version is answered: no display is needed to be told.
TEST(InterfaceLanguage, TheGameRefusesALanguageItLacks) {
  for (const QStringList& arguments : {QStringList{QStringLiteral("--lang"), QStringLiteral("de")},
                                       QStringList{QStringLiteral("--lang=fr")}, QStringList{QStringLiteral("--lang")}}) {
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(KVARNEL_APP_DIR "/kvarnel"), arguments);
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitCode(), 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(game.readAllStandardError(), QByteArray("kvarnel: --lang takes ru (Russian) or en (English)\n"));
  }
}

} // namespace
} // namespace kvarnel
