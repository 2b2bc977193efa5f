<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Код лабиринта выглядит так: 20x4:45296.17 - число комнат по горизонтали и по вертикали (от 2 до 16383, всего не больше 32767 комнат), двоеточие и текст.</source>
        <translation>A maze code looks like this: 20x4:45296.17 - the number of rooms across and down (2 to 16383, at most 32767 rooms in all), a colon and a text.</translation>
    </message>
    <message>
        <source>Рисунок не квадратный.</source>
        <translation>The picture is not square.</translation>
    </message>
    <message>
        <source>Не подходящий размер рисунка. Прочтите справку.</source>
        <translation>The picture is not of a size that fits. Please read the help.</translation>
    </message>
    <message>
        <source>Рисунок не открыт.</source>
        <translation>The picture could not be opened.</translation>
    </message>
    <message>
        <source>Справка.htm</source>
        <extracomment>The help page&apos;s file name in the game&apos;s folder; the build lays out one page for each language.</extracomment>
        <translation>Help.htm</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; уже существует.<byte value="xd"/>
Заменить его?</source>
        <translation>The file &quot;%1&quot; already exists.<byte value="xd"/>
Replace it?</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не найден.</source>
        <translation>The file &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; открыть не возможно.</source>
        <translation>The file &quot;%1&quot; cannot be opened.</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; не подходит к программе.</source>
        <translation>The file &quot;%1&quot; is not a maze of this game.</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; защищён от записи.</source>
        <translation>The file &quot;%1&quot; is write-protected.</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; сохранить не возможно.</source>
        <translation>The file &quot;%1&quot; cannot be saved.</translation>
    </message>
    <message>
        <source>Не удалось открыть страницу:
%1</source>
        <translation>Could not open the page:
%1</translation>
    </message>
    <message>
        <source>ВЫ НЕ УСПЕЛИ!!!</source>
        <translation>TOO LATE!!!</translation>
    </message>
    <message>
        <source>СВОБОДА!!!</source>
        <translation>FREEDOM!!!</translation>
    </message>
    <message>
        <source>Вы не установили время игры</source>
        <translation>You have not set the time of the game</translation>
    </message>
    <message>
        <source>Максимальное количество секунд - 59</source>
        <translation>The largest number of seconds is 59</translation>
    </message>
    <message>
        <source>Такой лабиринт не построить. По горизонтали и по вертикали можно задать не больше 16383 дорожек, а всего - не больше 32767 комнат (например, 181 x 181).</source>
        <translation>A maze like that cannot be built. Across and down you can ask for at most 16383 paths, and for at most 32767 rooms in all (for example, 181 x 181).</translation>
    </message>
</context>
<context>
    <name>PaperFlow</name>
    <message>
        <source>Лабиринт</source>
        <translation>Maze</translation>
    </message>
    <message>
        <source>Не удалось напечатать лабиринт.</source>
        <translation>The maze could not be printed.</translation>
    </message>
    <message>
        <source>PDF, SVG или PNG (*.pdf *.svg *.png)</source>
        <translation>PDF, SVG or PNG (*.pdf *.svg *.png)</translation>
    </message>
    <message>
        <source>Лабиринт сохраняется в файл PDF, SVG или PNG: имя файла должно кончаться на .pdf, .svg или .png.</source>
        <translation>A maze is saved as a PDF, SVG or PNG file: the file name must end in .pdf, .svg or .png.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл &quot;%1&quot;.</source>
        <translation>The file &quot;%1&quot; could not be saved.</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Кварнель</source>
        <translation>Kvarnel</translation>
    </message>
    <message>
        <source>Лабиринт (*.lbr)</source>
        <translation>Maze (*.lbr)</translation>
    </message>
</context>
<context>
    <name>kvarnel::AboutWindow</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Автор: команда Кварнели</source>
        <translation>Author: the Kvarnel team</translation>
    </message>
    <message>
        <source>Отзывы: Issues на сайте</source>
        <translation>Feedback: Issues on the site</translation>
    </message>
    <message>
        <source>Сайт:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Кварнель на GitHub</source>
        <translation>Kvarnel on GitHub</translation>
    </message>
    <message>
        <source>Версия: v%1</source>
        <translation>Version: v%1</translation>
    </message>
    <message>
        <source>Дата: 3 июня 2009 год -</source>
        <translation>Date: June 3, 2009 -</translation>
    </message>
    <message>
        <source>27 июля 2015 год</source>
        <translation>July 27, 2015</translation>
    </message>
</context>
<context>
    <name>kvarnel::BestTimesWindow</name>
    <message>
        <source>на время</source>
        <translation>timed</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Best Times</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Пройдено комнат</source>
        <translation>Rooms walked</translation>
    </message>
    <message>
        <source>Кратчайший путь</source>
        <translation>Shortest way</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Побед пока нет</source>
        <translation>No victories yet</translation>
    </message>
    <message>
        <source>В файле рекордов было то, что игра не смогла прочитать. Он сохранён рядом как «%1», а все рекорды, которые удалось прочитать, перенесены в новый файл.</source>
        <translation>The best-times file held something the game could not read. It is kept beside it as “%1”, and every best time that could be read has been carried into a new file.</translation>
    </message>
</context>
<context>
    <name>kvarnel::CodeEntryDialog</name>
    <message>
        <source>Лабиринт по коду</source>
        <translation>Maze from a Code</translation>
    </message>
    <message>
        <source>Код лабиринта (например, 20x4:45296.17):</source>
        <translation>Maze code (for example, 20x4:45296.17):</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kvarnel::EndOfGameWindow</name>
    <message>
        <source>Конец игры</source>
        <translation>End of the Game</translation>
    </message>
</context>
<context>
    <name>kvarnel::MainWindow</name>
    <message>
        <source>Кварнель</source>
        <translation>Kvarnel</translation>
    </message>
</context>
<context>
    <name>kvarnel::MazeCodeWindow</name>
    <message>
        <source>Код лабиринта</source>
        <translation>Maze Code</translation>
    </message>
    <message>
        <source>Этот лабиринт можно построить снова по его коду:</source>
        <translation>This maze can be built again from its code:</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>kvarnel::Menus</name>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Игра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Начать заново</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Показать выход</source>
        <translation>Show the Way Out</translation>
    </message>
    <message>
        <source>Пауза при потере фокуса</source>
        <translation>Pause When Focus Is Lost</translation>
    </message>
    <message>
        <source>Код лабиринта...</source>
        <translation>Maze Code...</translation>
    </message>
    <message>
        <source>Лабиринт по коду...</source>
        <translation>Maze from a Code...</translation>
    </message>
    <message>
        <source>Рекорды</source>
        <translation>Best Times</translation>
    </message>
    <message>
        <source>Продолжить прошлую игру</source>
        <translation>Resume the Last Game</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Вызов справки</source>
        <translation>Show Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Экспорт...</source>
        <translation>Export...</translation>
    </message>
</context>
<context>
    <name>kvarnel::NewGameDialog</name>
    <message>
        <source>Новая игра</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Кол-во дорожек по горизонтали:</source>
        <translation>Number of paths across:</translation>
    </message>
    <message>
        <source>Кол-во дорожек по вертикали:</source>
        <translation>Number of paths down:</translation>
    </message>
    <message>
        <source>Герой:</source>
        <translation>Hero:</translation>
    </message>
    <message>
        <source>Стенки:</source>
        <translation>Walls:</translation>
    </message>
    <message>
        <source>Дверь:</source>
        <translation>Door:</translation>
    </message>
    <message>
        <source>Игра на время:</source>
        <translation>Timed game:</translation>
    </message>
    <message>
        <source>минуты</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>секунды</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Старт!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kvarnel::PaperWindow</name>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Экспорт</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Как нарисовать лабиринт:</source>
        <translation>How to draw the maze:</translation>
    </message>
    <message>
        <source>Линии</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Рисунки</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Нарисовать путь к двери</source>
        <translation>Draw the way to the door</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kvarnel::PausePanel</name>
    <message>
        <source>Пауза</source>
        <translation>Paused</translation>
    </message>
</context>
<context>
    <name>kvarnel::PictureChooser</name>
    <message>
        <source>Выбор стенки</source>
        <translation>Choose Wall</translation>
    </message>
    <message>
        <source>Выбор двери</source>
        <translation>Choose Door</translation>
    </message>
    <message>
        <source>Выбор героя</source>
        <translation>Choose Hero</translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
