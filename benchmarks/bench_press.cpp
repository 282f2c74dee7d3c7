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
constexpr int kNoPress = -1;

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
    std::unique_ptr<GameFixture> fixture;
};

void PressBenchmark::init()
{
    fixture = std::make_unique<GameFixture>();
    fixture->startWith(kBoard);
}

void PressBenchmark::benchOpen_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("number");
    QTest::newRow("a new game alone, to subtract from the rows below") << kNoPress << -1;
    QTest::newRow("a new game, then a number") << kNumberCell << 2;
    QTest::newRow("a new game, then a zero, which flags every unopened cell on its lines")
        << kZeroCell << 0;
}

void PressBenchmark::benchOpen()
{
    // A left press on an unopened cell without a fox, in a game started afresh each round.
    QFETCH(int, cell);
    QFETCH(int, number);
    GameSession &session = fixture->session;
    const QList<int> foxes = foxesIn(kBoard);
    QBENCHMARK
    {
        fixture->platform.placeFoxesAt(foxes);
        session.newGame();
        if (cell != kNoPress)
            session.press(cell, Game::Button::Left);
    }
    if (cell != kNoPress)
        QCOMPARE(session.game().cellView(cell).number, number);
}

void PressBenchmark::benchFlagLinesOfOpenedCell()
{
    // A right press on an opened cell without a fox flags its lines; flags once set stay, so each
    // round does the same work.
    GameSession &session = fixture->session;
    session.press(kNumberCell, Game::Button::Left);
    session.press(kNumberCell, Game::Button::Right);
    // Every cell of the centre's four lines but itself, foxes too.
    QCOMPARE(fixture->flagCount(), 35);
    QBENCHMARK
    {
        session.press(kNumberCell, Game::Button::Right);
    }
}

QTEST_GUILESS_MAIN(PressBenchmark)
#include "bench_press.moc"
