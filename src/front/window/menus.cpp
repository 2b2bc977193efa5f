// The main window's menu bar.
#include "front/window/menus.h"

#include "front/dialogs/picture_chooser.h"

#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace kvarnel {
namespace {

struct Item {
  const char* name; // objectName; none: a separator
  QString text;
  QList<QKeySequence> keys;
  bool checkable = false;
  void (*command)(MenuCommands&, bool checked) = nullptr;
};

const Item separator{};

QMenu* addMenu(QMenuBar& bar, const char* name, const QString& title, const std::vector<Item>& items,
               MenuCommands& commands) {
  QMenu* menu = bar.addMenu(title);
  menu->setObjectName(QString::fromLatin1(name));
  for (const Item& item : items) {
    if (item.name == nullptr) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(item.text);
    action->setObjectName(QString::fromLatin1(item.name));
    action->setShortcuts(item.keys);
    action->setCheckable(item.checkable);
    QObject::connect(action, &QAction::triggered, menu,
                     [&commands, run = item.command](bool checked) { run(commands, checked); });
  }
  return menu;
}

QAction* item(const QMenuBar& bar, const char* name) {
  return bar.findChild<QAction*>(QString::fromLatin1(name));
}

QKeySequence ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

} // namespace

Menus::Menus(QMenuBar& bar, MenuCommands& commands) {
  addMenu(bar, "Menu", tr("Меню"),
          {{"MenuNew", tr("Новая игра"), {Qt::Key_F4}, false, [](MenuCommands& c, bool) { c.newGame(); }},
           {"MenuSel_0", chooserCaption(PictureKind::Hero), {}, false,
            [](MenuCommands& c, bool) { c.choosePicture(PictureKind::Hero); }},
           {"MenuSel_1", chooserCaption(PictureKind::Wall), {}, false,
            [](MenuCommands& c, bool) { c.choosePicture(PictureKind::Wall); }},
           {"MenuSel_2", chooserCaption(PictureKind::Door), {}, false,
            [](MenuCommands& c, bool) { c.choosePicture(PictureKind::Door); }},
           separator,
           {"MenuOpen", tr("Открыть"), {ctrl(Qt::Key_O)}, false, [](MenuCommands& c, bool) { c.openMaze(); }},
           {"MenuSave", tr("Сохранить"), {ctrl(Qt::Key_S)}, false,
            [](MenuCommands& c, bool) { c.saveMaze(false); }},
           {"MenuSaveAs", tr("Сохранить как..."), {}, false, [](MenuCommands& c, bool) { c.saveMaze(true); }},
           separator,
           {"MenuExit", tr("Выход"), {}, false, [](MenuCommands& c, bool) { c.quit(); }}},
          commands);
  // P and H are also taken where a Russian layout puts them: З and Р.
  addMenu(bar, "Game", tr("Игра"),
          {{"GameRestart", tr("Начать заново"), {Qt::Key_F5}, false, [](MenuCommands& c, bool) { c.restart(); }},
           {"GamePause", tr("Пауза"), {Qt::Key_P, Qt::Key_Pause, QKeySequence(QStringLiteral("З"))}, true,
            [](MenuCommands& c, bool on) { c.setPaused(on); }},
           {"GameShowWay", tr("Показать выход"), {Qt::Key_H, QKeySequence(QStringLiteral("Р"))}, true,
            [](MenuCommands& c, bool on) { c.showWay(on); }},
           {"GameAutoPause", tr("Пауза при потере фокуса"), {}, true,
            [](MenuCommands& c, bool on) { c.setPauseOnFocusLoss(on); }},
           separator,
           {"GameCode", tr("Код лабиринта..."), {ctrl(Qt::Key_K)}, false,
            [](MenuCommands& c, bool) { c.showMazeCode(); }},
           {"GameFromCode", tr("Лабиринт по коду..."), {ctrl(Qt::Key_L)}, false,
            [](MenuCommands& c, bool) { c.playMazeFromCode(); }},
           separator,
           {"GamePrint", tr("Печать..."), {ctrl(Qt::Key_P)}, false, [](MenuCommands& c, bool) { c.printMaze(); }},
           {"GameExport", tr("Экспорт..."), {ctrl(Qt::Key_E)}, false, [](MenuCommands& c, bool) { c.exportMaze(); }},
           separator,
           {"GameRecords", tr("Рекорды"), {ctrl(Qt::Key_H)}, false,
            [](MenuCommands& c, bool) { c.showBestTimes(); }},
           {"GameResume", tr("Продолжить прошлую игру"), {}, false,
            [](MenuCommands& c, bool) { c.resumeKeptGame(); }}},
          commands);
  addMenu(bar, "Help", tr("Справка"),
          {{"HelpCallHelp", tr("Вызов справки"), {Qt::Key_F1}, false, [](MenuCommands& c, bool) { c.showHelp(); }},
           {"HelpAbout", tr("О программе"), {}, false, [](MenuCommands& c, bool) { c.showAbout(); }}},
          commands);
  save_ = item(bar, "MenuSave");
  saveAs_ = item(bar, "MenuSaveAs");
  restart_ = item(bar, "GameRestart");
  pause_ = item(bar, "GamePause");
  way_ = item(bar, "GameShowWay");
  pauseOnFocusLoss_ = item(bar, "GameAutoPause");
  code_ = item(bar, "GameCode");
  resume_ = item(bar, "GameResume");
  print_ = item(bar, "GamePrint");
  export_ = item(bar, "GameExport");
}

void Menus::show(const MenuState& state) {
  save_->setEnabled(state.savingAllowed);
  saveAs_->setEnabled(state.savingAllowed);
  restart_->setEnabled(state.restartAllowed);
  pause_->setEnabled(state.pauseAllowed);
  pause_->setChecked(state.paused);
  way_->setEnabled(state.wayAllowed);
  way_->setChecked(state.wayShown);
  pauseOnFocusLoss_->setChecked(state.pauseOnFocusLoss);
  code_->setEnabled(state.codeAllowed);
  resume_->setEnabled(state.keptGame);
  print_->setEnabled(state.paperAllowed);
  export_->setEnabled(state.paperAllowed);
}

} // namespace kvarnel
