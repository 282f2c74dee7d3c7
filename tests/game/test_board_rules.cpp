#include "game/cell.h"
#include "game/random_cell.h"
#include "support/game_fixture.h"

#include <QTest>
#include <cmath>
#include <random>

class BoardRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void testCellNumbering_data();
    void testCellNumbering();
    void testLineCoverage_data();
    void testLineCoverage();
    void testRandomUpperEdge();
    void testPlacementGivesFiveDistinctCells();
    void testPlacementDropsRepeatedDraws();
    void testPlacementCoversBoardEvenly();
    void testDirectionFinder_data();
    void testDirectionFinder();
    void testFoundFoxesStillCount();
};

void BoardRulesTest::testCellNumbering_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("top left") << 0 << 0 << 0;
    QTest::newRow("right of it") << 1 << 0 << 1;
    QTest::newRow("below it") << 10 << 1 << 0;
    QTest::newRow("top right") << 9 << 0 << 9;
    QTest::newRow("middle") << 47 << 4 << 7;
    QTest::newRow("bottom right") << 99 << 9 << 9;
}

void BoardRulesTest::testCellNumbering()
{
    // A cell's number is row × 10 + column, and the coordinates give it back.
    QFETCH(int, cell);
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(Координаты_клетки(cell).Строка, row);
    QCOMPARE(Координаты_клетки(cell).Столбец, column);
    QCOMPARE(cellNumber(row, column), cell);
}

void BoardRulesTest::testLineCoverage_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("covered");
    QTest::newRow("corner 0: row, column, one diagonal") << 0 << 28;
    QTest::newRow("corner 99") << 99 << 28;
    QTest::newRow("centre 44: two full diagonals") << 44 << 36;
    QTest::newRow("edge 5") << 5 << 10 + 9 + 4 + 5;
}

void BoardRulesTest::testLineCoverage()
{
    // Lines run to the edges of the board and include the cell itself.
    QFETCH(int, cell);
    QFETCH(int, covered);
    int count = 0;
    for (int i = 0; i < kCellCount; ++i)
        count += onOneLine(i, cell) ? 1 : 0;
    QCOMPARE(count, covered);
}

void BoardRulesTest::testRandomUpperEdge()
{
    // No draw reaches 1, so no draw picks a cell beyond 99.
    QVERIFY(unitFromBits(0xFFFFFFFFu) < 1.0f);
    QCOMPARE(cellFromUnit(unitFromBits(0xFFFFFFFFu)), 99);
    QCOMPARE(cellFromUnit(std::nextafter(1.0f, 0.0f)), 99);
    QCOMPARE(cellFromUnit(unitFromBits(0)), 0);
    for (int cell = 0; cell < kCellCount; ++cell)
        QCOMPARE(cellFromUnit((cell + 0.5f) / 100.0f), cell);
}

void BoardRulesTest::testPlacementGivesFiveDistinctCells()
{
    // Every new game hides exactly five foxes, whatever the previous game held.
    GameFixture fixture;
    fixture.session.load();
    for (int game = 0; game < 50; ++game) {
        fixture.session.newGame();
        QCOMPARE(std::count(fixture.state().Лисы.begin(), fixture.state().Лисы.end(), true),
                 kFoxCount);
    }
}

void BoardRulesTest::testPlacementDropsRepeatedDraws()
{
    // A draw that lands on a fox already placed is dropped, not counted.
    GameFixture fixture;
    fixture.platform.placeFoxesAt({7, 7, 7, 12, 12, 99, 0, 50});
    fixture.session.load();
    for (int cell : {7, 12, 99, 0, 50})
        QVERIFY2(fixture.state().Лисы[cell], qPrintable(QString::number(cell)));
    QVERIFY(fixture.platform.randoms.isEmpty());
}

// Draws through the program's own mapping from a seeded engine.
class SeededPlatform : public FakePlatform
{
public:
    float nextRandom() override { return unitFromBits(engine()); }
    std::mt19937 engine {20261208};
};

void BoardRulesTest::testPlacementCoversBoardEvenly()
{
    // Each cell is as likely as any other to hide a fox.
    QTemporaryDir folder;
    SeededPlatform platform;
    platform.directory = folder.path();
    RecordTable table(platform, kBestResult);
    Game game(platform, table);
    const int games = 20000;
    std::array<int, kCellCount> hits {};
    for (int g = 0; g < games; ++g) {
        game.Новая_игра_Click();
        for (int i = 0; i < kCellCount; ++i)
            hits[i] += game.state().Лисы[i] ? 1 : 0;
    }
    const double expected = games * 5.0 / kCellCount;
    double chiSquare = 0;
    for (int count : hits)
        chiSquare += (count - expected) * (count - expected) / expected;
    // 99 degrees of freedom: 150 lies far in the tail, and the seed is fixed.
    QVERIFY2(chiSquare < 150, qPrintable(QString::number(chiSquare)));
    QVERIFY(*std::min_element(hits.begin(), hits.end()) > 0);
}

void BoardRulesTest::testDirectionFinder_data()
{
    QTest::addColumn<QStringList>("board");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("number");
    const QStringList lines {
        "....F.....", //
        "..........", //
        "..........", //
        "F...o.....", //
        "..........", //
        "......F...", //
        "..........", //
        "..........", //
        "....F...F.", //
        "..........",
    };
    // o = cell 34: foxes at 4 (column), 30 (row), 56 (diagonal), 84 (column); 88 is off its lines.
    QTest::newRow("row, column and diagonal") << lines << 34 << 4;
    QTest::newRow("nothing on its lines shows 0")
        << QStringList {"F.........", "..........", "..........", "...F......", "..........",
                        ".........F", "..........", "..........", "..........", "F........F"}
        << 12 << 0;
    QTest::newRow("a knight's move away is not counted")
        << QStringList {"..........", "..........", "..........", "..........", "......F.F.",
                        ".....F....", "..........", "..........", "......F.F.", ".........."}
        << 67 << 0;
    QTest::newRow("far ends of the anti-diagonal")
        << QStringList {"F........F", "..........", "F.........", "..........", "..........",
                        "..........", "..........", "..........", "..........", "F........F"}
        << 45 << 2;
}

void BoardRulesTest::testDirectionFinder()
{
    // The number counts the foxes on the cell's row, column and both diagonals.
    QFETCH(QStringList, board);
    QFETCH(int, cell);
    QFETCH(int, number);
    GameFixture fixture;
    fixture.startWith(board);
    QCOMPARE(fixture.game().Пеленгатор(cell), number);
}

void BoardRulesTest::testFoundFoxesStillCount()
{
    // A fox already found goes on counting for the cells on its lines.
    GameFixture fixture;
    fixture.startWith({"F.........", "..........", "..........", "..........", "..........",
                       "..........", "..........", "..F.F.F...", "..........", "........F."});
    QCOMPARE(fixture.game().Пеленгатор(77), 4);
    fixture.press(0, 0);
    fixture.press(7, 4);
    fixture.press(7, 7);
    QCOMPARE(fixture.game().cellView(77).number, 4);
}

QTEST_GUILESS_MAIN(BoardRulesTest)
#include "test_board_rules.moc"
