// kvarnel-maze book: a page a maze and a page an answer, the game's maze for each printed code,
// the same book for the same arguments, refusals.
#include "game/files/maze_file_format.h"
#include "game/paper/maze_book.h"
#include "tool_run.h"

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kvarnel {
namespace {

class Book : public MazeToolExecutable {
protected:
  static int pages(const std::string& pdf) {
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
  }
  // The PDF without the moment it was made.
  static std::string timeless(std::string pdf) {
    return QString::fromLatin1(pdf).remove(QRegularExpression(QStringLiteral("/CreationDate\\s*\\([^)]*\\)"))).toStdString();
  }
};

TEST_F(Book, PagesOfMazesThenAnswersEachTheGamesMazeForItsCode) {
  const ToolRun made = run({"book", "--size", "12x9", "--count", "3", "--code-prefix", "7a-", "-o", path("a.pdf")});
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(made.out + made.err, "");
  EXPECT_EQ(pages(get(path("a.pdf"))), 6);

  ASSERT_EQ(run({"book", "--count", "3", "--code-prefix", "7a-", "--size", "12x9", "-o", path("b.pdf")}).code, 0);
  EXPECT_EQ(timeless(get(path("a.pdf"))), timeless(get(path("b.pdf")))) << "the same arguments, the same book";
  ASSERT_EQ(run({"book", "--size", "12x9", "--count", "3", "-o", path("c.pdf"), "--paper", "letter"}).code, 0);
  EXPECT_NE(timeless(get(path("a.pdf"))), timeless(get(path("c.pdf"))));

  // Each page's code, typed into generate, gives the maze the page drew.
  const std::optional<std::vector<BookMaze>> book = bookMazes({{12, 9}, 3, "7a-"});
  ASSERT_TRUE(book);
  for (const BookMaze& entry : *book) {
    const std::string text = entry.code.substr(entry.code.find(':') + 1);
    ASSERT_EQ(run({"generate", "12", "9", "--seed-text", " " + text, "-o", path("g.lbr")}).code, 0);
    EXPECT_EQ(get(path("g.lbr")), composeMazeFile(mazeOf(entry))) << entry.code;
  }
}

TEST_F(Book, RefusalsExitTwoWithOneLineAndAFailedWriteKeepsTheOldFile) {
  const std::string out = path("book.pdf");
  struct Row {
    std::vector<std::string> args;
    std::string says;
  };
  for (const Row& row : std::vector<Row>{
           {{"book", "--count", "3", "-o", out}, "book takes --size WxH and --count N"},
           {{"book", "--size", "1x5", "--count", "3", "-o", out}, "--size is WxH"},
           {{"book", "--size", "200x200", "--count", "3", "-o", out}, "--size is WxH"},
           {{"book", "--size", "40", "--count", "3", "-o", out}, "--size is WxH"},
           {{"book", "--size", "40x40", "--count", "0", "-o", out}, "--count is a number of mazes from 1 to 1000"},
           {{"book", "--size", "40x40", "--count", "1001", "-o", out}, "--count is a number"},
           {{"book", "--size", "40x40", "--count", "ten", "-o", out}, "--count is a number"},
           {{"book", "--size", "40x40", "--count", "3", "--paper", "a5", "-o", out}, "--paper is a4 or letter, not 'a5'"},
           {{"book", "--size", "40x40", "--count", "3", "-o", path("book.svg")}, "a book is a PDF file"},
           {{"book", "--size", "40x40", "--count", "3", "--code-prefix", " x", "-o", out}, "--code-prefix for 3 mazes is at most 6 bytes"},
           {{"book", "--size", "40x40", "--count", "100", "--code-prefix", "class", "-o", out}, "at most 4 bytes"},
           {{"book", "--size", "40x40", "--count", "3", "--style", "lines"}, "unexpected argument '--style'"},
       }) {
    const ToolRun r = run(row.args);
    EXPECT_EQ(r.code, 2) << row.says;
    EXPECT_NE(r.err.find(row.says), std::string::npos) << row.says << " / " << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(out));

  // A folder of the book's name cannot be replaced: it stays, and so does what it holds.
  std::filesystem::create_directories(path("kept.pdf"));
  { std::ofstream(path("kept.pdf/inside")) << "old"; }
  const ToolRun failed = run({"book", "--size", "4x4", "--count", "1", "-o", path("kept.pdf")});
  EXPECT_EQ(failed.code, 1);
  EXPECT_EQ(get(path("kept.pdf/inside")), "old");
}

} // namespace
} // namespace kvarnel
