// The help pages' keys against the game's: every key a page names is one the menus or the
// walking keys take, every key they take is in its table of keys, and every item of "Игра" is
// described by its name in the page's language, so neither page can drift from the game.
#include "front/platform/interface_language.h"
#include "front/window/walk_key_event.h"
#include "support/game_fixture.h"

#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>

#include <map>
#include <set>

namespace kvarnel {
namespace {

// The rows of html whose attribute `name` is set, by its value, with the keys in their first
// cell: <kbd>Ctrl</kbd>+<kbd>K</kbd> as "Ctrl+K", the keypad's <kbd class="keypad">8</kbd> as "#8".
std::multimap<QString, QStringList> rowsOf(const QString& html, const QString& name) {
  std::multimap<QString, QStringList> rows;
  const QRegularExpression row(QStringLiteral("<tr %1=\"(\\w+)\"><td>(.*?)</td>").arg(name),
                               QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpression key(QStringLiteral("<kbd( class=\"keypad\")?>([^<]+)</kbd>(\\+<kbd>[^<]+</kbd>)?"));
  for (const QRegularExpressionMatch& r : row.globalMatch(html)) {
    QStringList keys;
    for (const QRegularExpressionMatch& k : key.globalMatch(r.captured(2)))
      keys << (k.hasCaptured(1) ? QStringLiteral("#") : QString()) + k.captured(2) +
                  k.captured(3).remove(QStringLiteral("<kbd>")).remove(QStringLiteral("</kbd>"));
    rows.emplace(r.captured(1), keys);
  }
  return rows;
}

// The page of each interface language.
const std::map<InterfaceLanguage, QString> pageNames{{InterfaceLanguage::Russian, QStringLiteral("Справка.htm")},
                                                     {InterfaceLanguage::English, QStringLiteral("Help.htm")}};

QString helpPage(InterfaceLanguage language) {
  QFile page(QStringLiteral(KVARNEL_SOURCE_DIR "/assets/help/") + pageNames.at(language));
  EXPECT_TRUE(page.open(QIODevice::ReadOnly));
  return QString::fromUtf8(page.readAll());
}

class HelpPage : public testing::GameFixture, public ::testing::WithParamInterface<InterfaceLanguage> {};

TEST_P(HelpPage, NamesEveryItemsKeysAsTheMenusTakeThem) {
  const InterfaceTexts texts(GetParam());
  restart();
  const QString page = helpPage(GetParam());
  const auto everywhere = rowsOf(page, QStringLiteral("data-item"));
  const auto keyTable = rowsOf(page.section(QStringLiteral("<table class=\"keys\">"), 1).section(QStringLiteral("</table>"), 0, 0),
                               QStringLiteral("data-item"));
  for (const auto& [name, keys] : everywhere)
    for (const QString& key : keys)
      EXPECT_TRUE(menuItem(name.toLatin1().constData())->shortcuts().contains(QKeySequence::fromString(key)))
          << name.toStdString() << " takes no " << key.toStdString();
  for (QAction* item : window->findChildren<QAction*>()) {
    const std::string name = item->objectName().toStdString();
    const auto row = keyTable.find(item->objectName());
    std::set<QString> documented, taken;
    if (row != keyTable.end()) documented.insert(row->second.begin(), row->second.end());
    for (const QKeySequence& key : item->shortcuts()) taken.insert(key.toString());
    EXPECT_EQ(documented, taken) << name << " in the table of keys";
    if (item->parent() == control<QMenu>("Game") && !item->objectName().isEmpty()) { // not a separator
      EXPECT_EQ(everywhere.count(item->objectName()) - keyTable.count(item->objectName()), 1u) << name << " described";
      EXPECT_TRUE(page.contains(QStringLiteral("<tr data-item=\"%1\"><td>%2").arg(item->objectName(), item->text())))
          << name << " described by its name";
    }
  }
  // The page F1 opens in this language.
  menuItem("HelpCallHelp")->trigger();
  EXPECT_EQ(documents.opened.back(), appFolder + pageNames.at(GetParam()).toStdString());
}

// Every key that could walk, on either keyboard, walks as the table says or not at all; with
// Shift as far as the walls allow.
TEST_P(HelpPage, NamesEveryWalkingKey) {
  const std::map<QString, WalkKey> directions{{QStringLiteral("up"), {0, -1}}, {QStringLiteral("down"), {0, 1}},
                                              {QStringLiteral("left"), {-1, 0}}, {QStringLiteral("right"), {1, 0}}};
  const std::map<QString, int> arrows{{QStringLiteral("↑"), Qt::Key_Up}, {QStringLiteral("↓"), Qt::Key_Down},
                                      {QStringLiteral("←"), Qt::Key_Left}, {QStringLiteral("→"), Qt::Key_Right}};
  const auto rows = rowsOf(helpPage(GetParam()), QStringLiteral("data-walk"));
  ASSERT_EQ(rows.count(QStringLiteral("run")), 1u);
  EXPECT_EQ(rows.find(QStringLiteral("run"))->second, QStringList{QStringLiteral("Shift")});
  std::map<std::pair<int, bool>, WalkKey> documented; // by the key and whether it is the keypad's
  for (const auto& [direction, keys] : rows) {
    for (QString key : keys) {
      if (!directions.contains(direction)) continue;
      const bool keypad = key.startsWith(QLatin1Char('#'));
      key.remove(QLatin1Char('#'));
      const int code = arrows.contains(key) ? arrows.at(key) : QKeySequence(key)[0].key();
      documented[{code, keypad}] = directions.at(direction);
      if (arrows.contains(key)) documented[{code, true}] = directions.at(direction); // the keypad's too
    }
  }

  std::vector<int> candidates{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
  for (int key = Qt::Key_0; key <= Qt::Key_9; ++key) candidates.push_back(key);
  for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) candidates.push_back(key);
  for (char32_t key = U'А'; key <= U'Я'; ++key) candidates.push_back(static_cast<int>(key));
  for (int key : candidates) {
    const bool onTheKeypadToo = key <= Qt::Key_9 || (key >= Qt::Key_Left && key <= Qt::Key_Down);
    for (bool keypad : {false, onTheKeypadToo}) {
      const Qt::KeyboardModifiers held = keypad ? Qt::KeypadModifier : Qt::NoModifier;
      const auto row = documented.find({key, keypad});
      const std::optional<WalkKey> expected = row == documented.end() ? std::nullopt : std::optional(row->second);
      EXPECT_EQ(walkKeyOf(QKeyEvent(QEvent::KeyPress, key, held)), expected)
          << QKeySequence(key).toString().toStdString() << (keypad ? " on the keypad" : "");
      if (expected) {
        EXPECT_TRUE(walkKeyOf(QKeyEvent(QEvent::KeyPress, key, held | Qt::ShiftModifier))->run);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, HelpPage, ::testing::Values(InterfaceLanguage::Russian, InterfaceLanguage::English),
                         [](const auto& instance) { return instance.param == InterfaceLanguage::Russian ? "Russian" : "English"; });

} // namespace
} // namespace kvarnel
