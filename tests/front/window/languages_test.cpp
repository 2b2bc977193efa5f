// The game in each of its languages, through the main flows: the window's caption, the menus, the
// windows F4 and the menus open, a message the game composes, the help page F1 opens, the end
// window's words, Qt's own texts and locale. Russian is the designed interface, char for char; in
// English no window shows a Cyrillic letter but the Russian layout's keys and folder names.
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
  QString caption;
  QStringList menus;
  QStringList windowTitles; // of "Новая игра", the hero's chooser, "О программе", "Рекорды", "Лабиринт по коду"
  QString start;
  std::string notFound; // of the file missing.lbr in the program folder, after its path
  std::string helpPage;
  QString yes;
  std::string freedom;
  QLocale::Language locale;
};

const Speech russian{InterfaceLanguage::Russian,
                     QStringLiteral("Кварнель"),
                     {QStringLiteral("Меню"), QStringLiteral("Игра"), QStringLiteral("Справка")},
                     {QStringLiteral("Новая игра"), QStringLiteral("Выбор героя"), QStringLiteral("О программе"),
                      QStringLiteral("Рекорды"), QStringLiteral("Лабиринт по коду")},
                     QStringLiteral("Старт!"),
                     "\" не найден.",
                     "Справка.htm",
                     QStringLiteral("Да"),
                     "СВОБОДА!!!",
                     QLocale::Russian};
const Speech english{InterfaceLanguage::English,
                     QStringLiteral("Kvarnel"),
                     {QStringLiteral("Menu"), QStringLiteral("Game"), QStringLiteral("Help")},
                     {QStringLiteral("New Game"), QStringLiteral("Choose Hero"), QStringLiteral("About"),
                      QStringLiteral("Best Times"), QStringLiteral("Maze from a Code")},
                     QStringLiteral("Start!"),
                     "\" was not found.",
                     "Help.htm",
                     QStringLiteral("Yes"),
                     "FREEDOM!!!",
                     QLocale::English};

void PrintTo(const Speech& speech, std::ostream* out) { *out << speech.caption.toStdString(); }

class Languages : public testing::GameFixture, public ::testing::WithParamInterface<Speech> {};

// Cyrillic beyond what every language shows: the keys З, Р, Ц, Ф, Ы, В and the folder names.
bool speaksRussian(const QString& text) {
  return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

TEST_P(Languages, MainFlowsSpeakTheLanguage) {
  const Speech& speech = GetParam();
  const QImage designedTitle = titlePicture().toImage();
  const InterfaceTexts texts(speech.language);
  restart();

  EXPECT_EQ(window->windowTitle(), speech.caption);
  QStringList menus;
  for (const char* name : {"Menu", "Game", "Help"}) menus << control<QMenu>(name)->title();
  EXPECT_EQ(menus, speech.menus);
  QStringList shownTexts;
  for (QAction* item : window->findChildren<QAction*>()) shownTexts << item->text();

  QStringList titles;
  QString start;
  modals.script = [&](QDialog& dialog) {
    titles << dialog.windowTitle();
    for (QLabel* label : dialog.findChildren<QLabel*>()) shownTexts << label->text();
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) shownTexts << button->text();
    if (dialog.objectName() == QLatin1String("frmNew")) start = testing::control<QPushButton>(&dialog, "kOK")->text();
  };
  for (const char* name : {"MenuNew", "MenuSel_0", "HelpAbout", "GameRecords", "GameFromCode"})
    menuItem(name)->trigger();
  EXPECT_EQ(titles, speech.windowTitles);
  EXPECT_EQ(start, speech.start);
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

  // Qt's own texts and the locale of sizes and dates.
  QMessageBox question;
  question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), speech.yes);
  EXPECT_EQ(QLocale().language(), speech.locale);
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
