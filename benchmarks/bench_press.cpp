// The cost of one press in the logic, without a window: opening a cell that shows a number,
// opening a zero that flags its lines, and a right press that flags the lines of an opened cell.

#include "support/game_fixture.h"

#include <QTest>
#include <memory>

namespace {

// Cell 44 sees two foxes; cell 46 sees none.
const QStringList kBoard = {
    "F.........", "..........", ".....F....", ".........F", "..........",
    "..........", "..........", ".F........", "..........", "........F.",
};
constexpr int kNumberCell = 44;
constexpr int kZeroCell = 46;

} // namespace

class PressBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void benchOpen_data();
    void benchOpen();
    void benchFlagLinesOfOpenedCell();

private:
    // Puts back what a press changed, so every round presses the same unopened cell.
    void reopen(int cell);

    std::unique_ptr<GameFixture> fixture;
};

void PressBenchmark::init()
{
    fixture = std::make_unique<GameFixture>();
    fixture->startWith(kBoard);
}

void PressBenchmark::reopen(int cell)
{
    Game &game = fixture->game;
    game.Открытые[cell] = false;
    game.Флаг.fill(false);
    game.Ходы = 0;
    game.Очки = 300;
}

void PressBenchmark::benchOpen_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("number");
    QTest::newRow("a number") << kNumberCell << QStringLiteral("2");
    QTest::newRow("a zero, which flags every unopened cell on its lines")
        << kZeroCell << QStringLiteral("0");
}

void PressBenchmark::benchOpen()
{
    // A left press on an unopened cell without a fox.
    QFETCH(int, cell);
    QFETCH(QString, number);
    Game &game = fixture->game;
    QBENCHMARK
    {
        game.Клетка_MouseDown(cell, Game::Left);
        reopen(cell);
    }
    QCOMPARE(game.Число[cell], number);
}

void PressBenchmark::benchFlagLinesOfOpenedCell()
{
    // A right press on an opened cell without a fox flags its lines.
    Game &game = fixture->game;
    game.Клетка_MouseDown(kNumberCell, Game::Left);
    game.Клетка_MouseDown(kNumberCell, Game::Right);
    // Every cell of the centre's four lines but itself, foxes too.
    QCOMPARE(fixture->flagCount(), 35);
    QBENCHMARK
    {
        game.Клетка_MouseDown(kNumberCell, Game::Right);
        game.Флаг.fill(false);
    }
}

QTEST_GUILESS_MAIN(PressBenchmark)
#include "bench_press.moc"
