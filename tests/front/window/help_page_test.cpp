// The help page's keys against the game's: every key the page names is one the menus or the
// walking keys take, every key they take is in its table of keys, and every item of "Игра" is
// described, so the page cannot drift from the game.
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

QString helpPage() {
  QFile page(QStringLiteral(KVARNEL_SOURCE_DIR "/assets/help/Справка.htm"));
  EXPECT_TRUE(page.open(QIODevice::ReadOnly));
  return QString::fromUtf8(page.readAll());
}

// The rows of html whose attribute `name` is set: its value, and the keys named in the first
// cell, a combination such as <kbd>Ctrl</kbd>+<kbd>K</kbd> as "Ctrl+K" ("#8" for the keypad's 8).
std::multimap<QString, QStringList> rowsOf(const QString& html, const QString& name) {
  std::multimap<QString, QStringList> rows;
  const QRegularExpression row(QStringLiteral("<tr %1=\"(\\w+)\"><td>(.*?)</td>").arg(name),
                               QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpression combination(QStringLiteral("<kbd( class=\"keypad\")?>([^<]+)</kbd>(?:\\+<kbd>([^<]+)</kbd>)?"));
  for (const QRegularExpressionMatch& r : row.globalMatch(html)) {
    QStringList keys;
    for (const QRegularExpressionMatch& k : combination.globalMatch(r.captured(2)))
      keys << (k.captured(1).isEmpty() ? QString() : QStringLiteral("#")) + k.captured(2) +
                  (k.captured(3).isEmpty() ? QString() : QStringLiteral("+") + k.captured(3));
    rows.emplace(r.captured(1), keys);
  }
  return rows;
}

class HelpPage : public testing::GameFixture {};

TEST_F(HelpPage, NamesEveryItemsKeysAsTheMenusTakeThem) {
  const QString page = helpPage();
  const QString keyTable = page.section(QStringLiteral("<table class=\"keys\">"), 1).section(QStringLiteral("</table>"), 0, 0);
  ASSERT_FALSE(keyTable.isEmpty());
  const auto everywhere = rowsOf(page, QStringLiteral("data-item"));
  const auto inKeyTable = rowsOf(keyTable, QStringLiteral("data-item"));
  for (const auto& [name, keys] : everywhere) {
    const QList<QKeySequence> shortcuts = menuItem(name.toLatin1().constData())->shortcuts();
    for (const QString& key : keys)
      EXPECT_TRUE(shortcuts.contains(QKeySequence::fromString(key, QKeySequence::PortableText)))
          << name.toStdString() << " takes no " << key.toStdString();
  }
  for (QAction* item : window->findChildren<QAction*>()) {
    const QString name = item->objectName();
    if (name.isEmpty()) continue;
    if (!item->shortcuts().isEmpty()) {
      ASSERT_EQ(inKeyTable.count(name), 1u) << name.toStdString() << " is missing from the table of keys";
      std::set<QString> documented, taken;
      for (const QString& key : inKeyTable.find(name)->second) documented.insert(key);
      for (const QKeySequence& key : item->shortcuts()) taken.insert(key.toString(QKeySequence::PortableText));
      EXPECT_EQ(documented, taken) << name.toStdString();
    }
    if (qobject_cast<QMenu*>(item->parent()) == control<QMenu>("Game")) {
      EXPECT_EQ(everywhere.count(name) - inKeyTable.count(name), 1u) << name.toStdString() << " is not described";
    }
  }
}

// The walking keys the table names walk as it says, and every key that walks is named there.
TEST_F(HelpPage, NamesEveryWalkingKey) {
  const std::map<QString, WalkKey> directions{
      {QStringLiteral("up"), {0, -1}}, {QStringLiteral("down"), {0, 1}}, {QStringLiteral("left"), {-1, 0}},
      {QStringLiteral("right"), {1, 0}}};
  const std::map<QString, int> arrows{{QStringLiteral("↑"), Qt::Key_Up}, {QStringLiteral("↓"), Qt::Key_Down},
                                      {QStringLiteral("←"), Qt::Key_Left}, {QStringLiteral("→"), Qt::Key_Right}};
  auto walk = [](int key, Qt::KeyboardModifiers held) { return walkKeyOf(QKeyEvent(QEvent::KeyPress, key, held)); };

  std::map<std::pair<int, bool>, WalkKey> documented; // (key, on the keypad)
  const auto rows = rowsOf(helpPage(), QStringLiteral("data-walk"));
  for (const auto& [direction, keys] : rows) {
    if (direction == QStringLiteral("run")) {
      EXPECT_EQ(keys, QStringList{QStringLiteral("Shift")});
      continue;
    }
    for (QString key : keys) {
      const bool keypad = key.startsWith(QLatin1Char('#'));
      if (keypad) key.remove(0, 1);
      documented[{arrows.contains(key) ? arrows.at(key) : QKeySequence(key)[0].key(), keypad}] = directions.at(direction);
    }
  }
  ASSERT_EQ(rows.count(QStringLiteral("run")), 1u);

  // Every key that could walk: the arrows and the digits of both keyboards, the Latin and the
  // Russian letters; with Shift each runs.
  std::vector<int> candidates{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
  for (int key = Qt::Key_0; key <= Qt::Key_9; ++key) candidates.push_back(key);
  for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) candidates.push_back(key);
  for (char32_t key = U'А'; key <= U'Я'; ++key) candidates.push_back(static_cast<int>(key));
  // The arrows walk on either keyboard; the table names them once.
  auto named = [&](int key, bool keypad) -> std::optional<WalkKey> {
    const auto found = documented.find({key, keypad && (key < Qt::Key_Left || key > Qt::Key_Down)});
    return found == documented.end() ? std::nullopt : std::optional<WalkKey>(found->second);
  };
  for (int key : candidates) {
    const bool onBoth = key < Qt::Key_A; // the arrows and the digits are on the keypad too
    for (bool keypad : {false, onBoth}) {
      const Qt::KeyboardModifiers on = keypad ? Qt::KeypadModifier : Qt::NoModifier;
      const std::optional<WalkKey> expected = named(key, keypad);
      EXPECT_EQ(walk(key, on), expected) << QKeySequence(key).toString().toStdString() << (keypad ? " on the keypad" : "");
      if (expected) {
        EXPECT_EQ(walk(key, on | Qt::ShiftModifier), (WalkKey{expected->dx, expected->dy, true}));
      }
    }
  }
}

} // namespace
} // namespace kvarnel
