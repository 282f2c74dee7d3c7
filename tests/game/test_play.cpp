#include "support/game_fixture.h"
#include "support/record_file.h"

#include <QTest>
#include <algorithm>

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void testScriptedGame();
    void testAfterTheGameCellsOpenUncounted();
    void testEndOfGameWaitsForEachBox();
    void testPointsPerOpenedCell_data();
    void testPointsPerOpenedCell();
    void testTicks();
    void testTicksStopTakingPointsAtZero();
    void testSecondsHoldAtTheirLimit();
    void testTickCountsEverySecondPassed_data();
    void testTickCountsEverySecondPassed();
    void testFirstPressStartsStopwatch_data();
    void testFirstPressStartsStopwatch();
    void testPressesIgnoredWhilePanelShown();
    void testPanelDoesNotStopStopwatch();
    void testNewGameResets();
    void testNewGameWithPanelShown();
    void testOpenedCellsIgnorePresses();
    void testResultEqualToTenthDoesNotEnter();
};

void PlayTest::testScriptedGame()
{
    // A whole game: numbers, flags, points and moves after each press, and the end.
    GameFixture f;
    f.startWith(kSampleBoard);
    QCOMPARE(f.captions().lblPoint, QString());
    QVERIFY(!f.stopwatchRunning);

    f.press(9, 4); // column 4 holds 24, a diagonal holds 72
    QVERIFY(f.stopwatchRunning);
    QCOMPARE(f.game().cellView(94).number, 2);
    QCOMPARE(f.captions().lblLead, QStringLiteral("1"));
    QCOMPARE(f.captions().lblPoint, QStringLiteral("290"));
    QCOMPARE(f.captions().lblFox, QString());
    QCOMPARE(f.flagCount(), 0);

    f.press(3, 1); // no fox on its lines: row 9, column 9, diagonals 7 and 4
    QCOMPARE(f.game().cellView(31).number, 0);
    QCOMPARE(f.flagCount(), 29);
    QVERIFY(f.state().Флаг[30] && f.state().Флаг[91] && f.state().Флаг[97] && f.state().Флаг[4]);
    QVERIFY(!f.state().Флаг[31] && !f.state().Флаг[94]);

    f.press(0, 9, Game::Button::Right);
    QVERIFY(f.state().Флаг[9]);
    f.press(0, 9, Game::Button::Right);
    QVERIFY(!f.state().Флаг[9]);
    QCOMPARE(f.flagCount(), 29);

    f.press(4, 2); // flagged: opening takes the flag away
    QVERIFY(!f.state().Флаг[42]);
    QCOMPARE(f.game().cellView(42).number, 2);
    QCOMPARE(f.flagCount(), 28);

    f.press(9, 4, Game::Button::Right); // its lines get flags, foxes not yet found included
    QVERIFY(f.state().Флаг[24] && f.state().Флаг[72] && f.state().Флаг[90] && f.state().Флаг[49]);
    QVERIFY(!f.state().Флаг[57]);
    QCOMPARE(f.captions().lblLead, QStringLiteral("3"));

    f.press(0, 0);
    QCOMPARE(f.game().cellView(0), (CellView {true, false, -1}));
    QCOMPARE(f.captions().lblFox, QStringLiteral("1"));
    for (int cell : {24, 57, 72})
        f.session.press(cell, Game::Button::Left);
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(f.stopwatchRunning);

    f.press(8, 9);
    QCOMPARE(f.captions().lblFox, QStringLiteral("5"));
    QCOMPARE(f.captions().lblLead, QStringLiteral("8"));
    QCOMPARE(f.captions().lblPoint, QStringLiteral("220"));
    QVERIFY(f.state().Конец_игры);
    QVERIFY(!f.stopwatchRunning);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("Все лисы найдены"));
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("Игра окончена"));
    QCOMPARE(f.platform.messages[0].icon, Platform::Icon::None);
    // The empty table takes any result above 0: a name is asked and the panel opens on it.
    QCOMPARE(f.platform.questions.size(), 1);
    QCOMPARE(f.table().rows()[0].points, qint16(220));
    QVERIFY(f.panel().isOnScreen());
    QVERIFY(!f.panel().takesPresses());
}

void PlayTest::testAfterTheGameCellsOpenUncounted()
{
    // Once the fifth fox is found, cells still open and zeros still flag, but nothing counts.
    GameFixture f;
    f.startWith(kSampleBoard);
    for (int cell : {0, 24, 57, 72, 89})
        f.session.press(cell, Game::Button::Left);
    f.session.closeRecords();
    f.tick(); // a stray tick is not expected, but must not count moves
    const QString points = f.captions().lblPoint;
    f.press(3, 1);
    QCOMPARE(f.game().cellView(31).number, 0);
    QVERIFY(f.state().Флаг[30]);
    QCOMPARE(f.state().Ходы, qint16(5));
    QCOMPARE(f.captions().lblLead, QStringLiteral("5"));
    QCOMPARE(f.captions().lblPoint, points);
    QVERIFY(!f.stopwatchRunning);
}

void PlayTest::testEndOfGameWaitsForEachBox()
{
    // The end of a game goes on only as each box closes: a press or a tick that comes meanwhile
    // changes neither the count nor the result entered, and the panel opens after the name.
    GameFixture f;
    f.platform.boxesWait = true;
    f.platform.answers = {QStringLiteral("Anna")};
    f.startWith(kSampleBoard);
    for (int cell : {0, 24, 57, 72, 89})
        f.session.press(cell, Game::Button::Left);
    const GameState atEnd = f.state();
    const auto strayEvents = [&f] {
        f.press(3, 1);
        f.tick(kSecondsPerPoint);
    };

    strayEvents();
    QVERIFY(f.platform.questions.isEmpty());
    QVERIFY(f.platform.closeBox());
    QCOMPARE(f.platform.questions.size(), 1);
    strayEvents();
    QVERIFY(f.panel().takesPresses());
    QVERIFY(f.platform.closeBox());

    QVERIFY(!f.panel().takesPresses());
    QVERIFY(!f.platform.closeBox());
    QCOMPARE(f.state().Ходы, atEnd.Ходы);
    QVERIFY(!f.stopwatchRunning);
    QCOMPARE(f.table().rows()[0], (RecordRow {QStringLiteral("Anna      "), atEnd.Очки}));
    // The next game's name entry offers the name entered last.
    f.platform.boxesWait = false;
    f.platform.placeFoxesAt(foxesIn(kSampleBoard));
    f.session.newGame();
    for (int cell : {0, 24, 57, 72, 89})
        f.session.press(cell, Game::Button::Left);
    QCOMPARE(f.platform.questions.last().defaultAnswer, QStringLiteral("Anna"));
}

void PlayTest::testPointsPerOpenedCell_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("after");
    // Reached by ticks, one point per five.
    QTest::newRow("300") << 300 << "290";
    QTest::newRow("15") << 15 << "5";
    QTest::newRow("11") << 11 << "1";
    QTest::newRow("10") << 10 << "0";
    QTest::newRow("3") << 3 << "0";
    QTest::newRow("0 is written again") << 0 << "0";
}

void PlayTest::testPointsPerOpenedCell()
{
    // Opening a cell costs 10 points, never going below 0.
    QFETCH(int, before);
    QFETCH(QString, after);
    GameFixture f;
    f.startWith(kSampleBoard);
    f.press(9, 4, Game::Button::Right);
    f.tick((kStartingPoints - before) * kSecondsPerPoint);
    QCOMPARE(f.state().Очки, qint16(before));
    f.press(9, 4);
    QCOMPARE(f.captions().lblPoint, after);
}

void PlayTest::testTicks()
{
    // Each tick counts a second; every fifth takes a point, even before any cell is opened.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.press(5, 5, Game::Button::Right);
    for (int tick = 1; tick <= 4; ++tick) {
        f.tick();
        QCOMPARE(f.captions().lblTime, QString::number(tick));
        QCOMPARE(f.captions().lblPoint, QString());
    }
    f.tick();
    QCOMPARE(f.captions().lblTime, QStringLiteral("5"));
    QCOMPARE(f.captions().lblPoint, QStringLiteral("299"));
    f.tick(5);
    QCOMPARE(f.captions().lblPoint, QStringLiteral("298"));
}

void PlayTest::testTicksStopTakingPointsAtZero()
{
    // At 0 points the ticks only count seconds.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.tick(1500);
    QCOMPARE(f.state().Очки, qint16(0));
    f.tick(10);
    QCOMPARE(f.state().Очки, qint16(0));
    QCOMPARE(f.captions().lblPoint, QStringLiteral("0"));
    QCOMPARE(f.captions().lblTime, QStringLiteral("1510"));
}

void PlayTest::testSecondsHoldAtTheirLimit()
{
    // The 16-bit seconds hold at 32767 instead of wrapping to a negative number.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.tick(32770);
    QCOMPARE(f.state().Секунды, qint16(32767));
    QCOMPARE(f.captions().lblTime, QStringLiteral("32767"));
}

void PlayTest::testTickCountsEverySecondPassed_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<qint64>("passed");
    QTest::newRow("22 seconds at once") << 0 << qint64(22);
    QTest::newRow("past the fifth and the tenth") << 3 << qint64(12);
    QTest::newRow("the points down to 0") << 1490 << qint64(1510);
    QTest::newRow("up to the limit and past it") << 32760 << qint64(1000000);
    QTest::newRow("a clock behind counts nothing") << 10 << qint64(4);
}

void PlayTest::testTickCountsEverySecondPassed()
{
    // A tick that finds several seconds passed since the first press counts each of them, every
    // fifth taking its point, as one tick a second would have.
    QFETCH(int, before);
    QFETCH(qint64, passed);
    GameFixture jumped, ticked;
    for (GameFixture *f : {&jumped, &ticked}) {
        f->startWith(kSampleBoard);
        f->press(9, 4);
        f->tick(before);
    }
    jumped.session.tick(passed);
    ticked.tick(int(std::clamp<qint64>(passed - before, 0, 32767)));
    QCOMPARE(jumped.state().Секунды, ticked.state().Секунды);
    QCOMPARE(jumped.state().Очки, ticked.state().Очки);
    QCOMPARE(jumped.state().Секунды, qint16(std::clamp<qint64>(passed, before, 32767)));
}

void PlayTest::testFirstPressStartsStopwatch_data()
{
    QTest::addColumn<Game::Button>("button");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("opened");
    QTest::newRow("left") << Game::Button::Left << 0 << true;
    QTest::newRow("right") << Game::Button::Right << 1 << false;
    QTest::newRow("middle does nothing else") << Game::Button::Middle << 0 << false;
}

void PlayTest::testFirstPressStartsStopwatch()
{
    // The first press of a game starts the stopwatch, whatever its button.
    QFETCH(Game::Button, button);
    QFETCH(int, flags);
    QFETCH(bool, opened);
    GameFixture f;
    f.startWith(kSampleBoard);
    f.press(5, 5, button);
    QVERIFY(f.stopwatchRunning);
    QVERIFY(!f.state().Первый_ход);
    QCOMPARE(f.flagCount(), flags);
    QCOMPARE(f.state().Открытые[55], opened);
    QCOMPARE(f.captions().lblLead.isEmpty(), !opened);
}

void PlayTest::testPressesIgnoredWhilePanelShown()
{
    // While the panel is shown a press does nothing at all, not even start the stopwatch.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.session.showRecords();
    for (Game::Button button : {Game::Button::Left, Game::Button::Right, Game::Button::Middle})
        f.press(9, 4, button);
    QVERIFY(!f.stopwatchRunning);
    QVERIFY(f.state().Первый_ход);
    QVERIFY(!f.state().Открытые[94]);
    QCOMPARE(f.flagCount(), 0);
    f.session.closeRecords();
    f.press(9, 4);
    QVERIFY(f.state().Открытые[94]);
}

void PlayTest::testPanelDoesNotStopStopwatch()
{
    // Opening the panel mid-game leaves the stopwatch running and the points falling.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.press(9, 4);
    f.session.showRecords();
    QVERIFY(f.stopwatchRunning);
    f.tick(5);
    QCOMPARE(f.captions().lblPoint, QStringLiteral("289"));
}

void PlayTest::testNewGameResets()
{
    // A new game stops the stopwatch, empties the status column and the board, and hides new
    // foxes from the same random sequence.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.press(0, 0);
    f.press(3, 1);
    f.press(9, 9, Game::Button::Right);
    f.tick();
    f.platform.placeFoxesAt({11, 22, 33, 44, 55});
    f.session.newGame();
    QVERIFY(!f.stopwatchRunning);
    for (const QString &caption :
         {f.captions().lblLead, f.captions().lblFox, f.captions().lblTime, f.captions().lblPoint})
        QCOMPARE(caption, QString());
    for (int i = 0; i < kCellCount; ++i)
        QCOMPARE(f.game().cellView(i), CellView());
    QVERIFY(!f.state().Лисы[0] && f.state().Лисы[11] && f.state().Лисы[55]);
    QCOMPARE(f.state().Очки, qint16(300));
    QVERIFY(f.state().Первый_ход && !f.state().Конец_игры);
    f.tick(); // the next game's clock starts from 0
    QCOMPARE(f.captions().lblTime, QStringLiteral("1"));
}

void PlayTest::testNewGameWithPanelShown()
{
    // A new game lets cells take presses again at once, but leaves the panel on screen.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.session.showRecords();
    f.session.newGame();
    QVERIFY(f.panel().isOnScreen());
    QVERIFY(f.panel().takesPresses());
    f.press(2, 2);
    QVERIFY(f.state().Открытые[22]);
}

void PlayTest::testOpenedCellsIgnorePresses()
{
    // An opened cell cannot be opened again, and a found fox takes no right press.
    GameFixture f;
    f.startWith(kSampleBoard);
    f.press(0, 0);
    f.press(9, 4);
    const auto flags = f.state().Флаг;
    f.press(0, 0);
    f.press(0, 0, Game::Button::Right);
    f.press(9, 4);
    QCOMPARE(f.captions().lblLead, QStringLiteral("2"));
    QCOMPARE(f.captions().lblFox, QStringLiteral("1"));
    QVERIFY(f.state().Флаг == flags);
}

void PlayTest::testResultEqualToTenthDoesNotEnter()
{
    // A result no better than the tenth brings up neither the name entry nor the panel.
    GameFixture f;
    RecordRows full;
    full.fill({QStringLiteral("Player    "), kBestResult});
    QVERIFY(storeTable(f.folder.path(), full));
    f.startWith(kSampleBoard);
    for (int cell : {0, 24, 57, 72, 89})
        f.session.press(cell, Game::Button::Left);
    QCOMPARE(f.state().Очки, qint16(kBestResult));
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.questions.isEmpty());
    QVERIFY(!f.panel().isOnScreen());
    QVERIFY(f.panel().takesPresses());
}

QTEST_GUILESS_MAIN(PlayTest)
#include "test_play.moc"
