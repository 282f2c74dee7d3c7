#include "support/game_fixture.h"

#include <QTest>

namespace {

// Five foxes: 0, 24, 57, 72 and 89.
const QStringList kBoard {
    "F.........", //
    "..........", //
    "....F.....", //
    "..........", //
    "..........", //
    ".......F..", //
    "..........", //
    "..F.......", //
    ".........F", //
    "..........",
};

} // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void testScriptedGame();
    void testAfterTheGameCellsOpenUncounted();
    void testPointsPerOpenedCell_data();
    void testPointsPerOpenedCell();
    void testTicks();
    void testTicksStopTakingPointsAtZero();
    void testSecondsHoldAtTheirLimit();
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
    f.startWith(kBoard);
    QCOMPARE(f.game.lblPoint, QString());
    QVERIFY(!f.platform.stopwatchEnabled);

    f.press(9, 4); // column 4 holds 24, a diagonal holds 72
    QVERIFY(f.platform.stopwatchEnabled);
    QCOMPARE(f.game.Число[94], QStringLiteral("2"));
    QCOMPARE(f.game.lblLead, QStringLiteral("1"));
    QCOMPARE(f.game.lblPoint, QStringLiteral("290"));
    QCOMPARE(f.game.lblFox, QString());
    QCOMPARE(f.flagCount(), 0);

    f.press(3, 1); // no fox on its lines: row 9, column 9, diagonals 7 and 4
    QCOMPARE(f.game.Число[31], QStringLiteral("0"));
    QCOMPARE(f.flagCount(), 29);
    QVERIFY(f.game.Флаг[30] && f.game.Флаг[91] && f.game.Флаг[97] && f.game.Флаг[4]);
    QVERIFY(!f.game.Флаг[31] && !f.game.Флаг[94]);

    f.press(0, 9, Game::Right);
    QVERIFY(f.game.Флаг[9]);
    f.press(0, 9, Game::Right);
    QVERIFY(!f.game.Флаг[9]);
    QCOMPARE(f.flagCount(), 29);

    f.press(4, 2); // flagged: opening takes the flag away
    QVERIFY(!f.game.Флаг[42]);
    QCOMPARE(f.game.Число[42], QStringLiteral("2"));
    QCOMPARE(f.flagCount(), 28);

    f.press(9, 4, Game::Right); // its lines get flags, foxes not yet found included
    QVERIFY(f.game.Флаг[24] && f.game.Флаг[72] && f.game.Флаг[90] && f.game.Флаг[49]);
    QVERIFY(!f.game.Флаг[57]);
    QCOMPARE(f.game.lblLead, QStringLiteral("3"));

    f.press(0, 0);
    QVERIFY(f.game.Лиса[0]);
    QCOMPARE(f.game.Число[0], QString());
    QCOMPARE(f.game.lblFox, QStringLiteral("1"));
    for (int cell : {24, 57, 72})
        f.game.Клетка_MouseDown(cell, Game::Left);
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(f.platform.stopwatchEnabled);

    f.press(8, 9);
    QCOMPARE(f.game.lblFox, QStringLiteral("5"));
    QCOMPARE(f.game.lblLead, QStringLiteral("8"));
    QCOMPARE(f.game.lblPoint, QStringLiteral("220"));
    QVERIFY(f.game.Конец_игры);
    QVERIFY(!f.platform.stopwatchEnabled);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("Все лисы найдены"));
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("Игра окончена"));
    QCOMPARE(f.platform.messages[0].icon, Platform::Icon::None);
    // The empty table takes any result above 0: a name is asked and the panel opens on it.
    QCOMPARE(f.platform.questions.size(), 1);
    QCOMPARE(f.table.Очки_рекордов[1], qint16(220));
    QVERIFY(f.panel.isVisible);
    QVERIFY(f.panel.Таблица_показана);
}

void PlayTest::testAfterTheGameCellsOpenUncounted()
{
    // Once the fifth fox is found, cells still open and zeros still flag, but nothing counts.
    GameFixture f;
    f.startWith(kBoard);
    for (int cell : {0, 24, 57, 72, 89})
        f.game.Клетка_MouseDown(cell, Game::Left);
    f.panel.Кнопка_ок_Click();
    f.game.Секундомер_Timer(); // a stray tick is not expected, but must not count moves
    const QString points = f.game.lblPoint;
    f.press(3, 1);
    QCOMPARE(f.game.Число[31], QStringLiteral("0"));
    QVERIFY(f.game.Флаг[30]);
    QCOMPARE(f.game.Ходы, qint16(5));
    QCOMPARE(f.game.lblLead, QStringLiteral("5"));
    QCOMPARE(f.game.lblPoint, points);
    QVERIFY(!f.platform.stopwatchEnabled);
}

void PlayTest::testPointsPerOpenedCell_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("after");
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
    f.startWith(kBoard);
    f.game.Очки = qint16(before);
    f.press(9, 4);
    QCOMPARE(f.game.lblPoint, after);
}

void PlayTest::testTicks()
{
    // Each tick counts a second; every fifth takes a point, even before any cell is opened.
    GameFixture f;
    f.startWith(kBoard);
    f.press(5, 5, Game::Right);
    for (int tick = 1; tick <= 4; ++tick) {
        f.game.Секундомер_Timer();
        QCOMPARE(f.game.lblTime, QString::number(tick));
        QCOMPARE(f.game.lblPoint, QString());
    }
    f.game.Секундомер_Timer();
    QCOMPARE(f.game.lblTime, QStringLiteral("5"));
    QCOMPARE(f.game.lblPoint, QStringLiteral("299"));
    for (int tick = 6; tick <= 10; ++tick)
        f.game.Секундомер_Timer();
    QCOMPARE(f.game.lblPoint, QStringLiteral("298"));
}

void PlayTest::testTicksStopTakingPointsAtZero()
{
    // At 0 points the ticks only count seconds.
    GameFixture f;
    f.startWith(kBoard);
    f.game.Очки = 1;
    for (int tick = 1; tick <= 10; ++tick)
        f.game.Секундомер_Timer();
    QCOMPARE(f.game.Очки, qint16(0));
    QCOMPARE(f.game.lblPoint, QStringLiteral("0"));
    QCOMPARE(f.game.lblTime, QStringLiteral("10"));
}

void PlayTest::testSecondsHoldAtTheirLimit()
{
    // The 16-bit seconds hold at 32767 instead of wrapping to a negative number.
    GameFixture f;
    f.startWith(kBoard);
    f.game.Секунды = 32765;
    for (int tick = 0; tick < 4; ++tick)
        f.game.Секундомер_Timer();
    QCOMPARE(f.game.Секунды, qint16(32767));
    QCOMPARE(f.game.lblTime, QStringLiteral("32767"));
}

void PlayTest::testFirstPressStartsStopwatch_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("opened");
    QTest::newRow("left") << int(Game::Left) << 0 << true;
    QTest::newRow("right") << int(Game::Right) << 1 << false;
    QTest::newRow("middle does nothing else") << int(Game::Middle) << 0 << false;
}

void PlayTest::testFirstPressStartsStopwatch()
{
    // The first press of a game starts the stopwatch, whatever its button.
    QFETCH(int, button);
    QFETCH(int, flags);
    QFETCH(bool, opened);
    GameFixture f;
    f.startWith(kBoard);
    f.press(5, 5, button);
    QVERIFY(f.platform.stopwatchEnabled);
    QVERIFY(!f.game.Первый_ход);
    QCOMPARE(f.flagCount(), flags);
    QCOMPARE(f.game.Открытые[55], opened);
    QCOMPARE(f.game.lblLead.isEmpty(), !opened);
}

void PlayTest::testPressesIgnoredWhilePanelShown()
{
    // While the panel is shown a press does nothing at all, not even start the stopwatch.
    GameFixture f;
    f.startWith(kBoard);
    f.panel.Рекорды_Click();
    for (int button : {Game::Left, Game::Right, Game::Middle})
        f.press(9, 4, button);
    QVERIFY(!f.platform.stopwatchEnabled);
    QVERIFY(f.game.Первый_ход);
    QVERIFY(!f.game.Открытые[94]);
    QCOMPARE(f.flagCount(), 0);
    f.panel.Кнопка_ок_Click();
    f.press(9, 4);
    QVERIFY(f.game.Открытые[94]);
}

void PlayTest::testPanelDoesNotStopStopwatch()
{
    // Opening the panel mid-game leaves the stopwatch running and the points falling.
    GameFixture f;
    f.startWith(kBoard);
    f.press(9, 4);
    f.panel.Рекорды_Click();
    QVERIFY(f.platform.stopwatchEnabled);
    for (int tick = 0; tick < 5; ++tick)
        f.game.Секундомер_Timer();
    QCOMPARE(f.game.lblPoint, QStringLiteral("289"));
}

void PlayTest::testNewGameResets()
{
    // A new game stops the stopwatch, empties the status column and the board, and hides new
    // foxes from the same random sequence.
    GameFixture f;
    f.startWith(kBoard);
    f.press(0, 0);
    f.press(3, 1);
    f.press(9, 9, Game::Right);
    f.game.Секундомер_Timer();
    f.platform.placeFoxesAt({11, 22, 33, 44, 55});
    f.game.Новая_игра_Click();
    QVERIFY(!f.platform.stopwatchEnabled);
    for (const QString &caption : {f.game.lblLead, f.game.lblFox, f.game.lblTime, f.game.lblPoint})
        QCOMPARE(caption, QString());
    QCOMPARE(f.flagCount(), 0);
    QVERIFY(std::none_of(f.game.Лиса.begin(), f.game.Лиса.end(), [](bool b) { return b; }));
    QVERIFY(std::all_of(f.game.Число.begin(), f.game.Число.end(),
                        [](const QString &s) { return s.isEmpty(); }));
    QVERIFY(!f.game.Лисы[0] && f.game.Лисы[11] && f.game.Лисы[55]);
    QCOMPARE(f.game.Очки, qint16(300));
    QVERIFY(f.game.Первый_ход && !f.game.Конец_игры);
    f.game.Секундомер_Timer(); // the next game's clock starts from 0
    QCOMPARE(f.game.lblTime, QStringLiteral("1"));
}

void PlayTest::testNewGameWithPanelShown()
{
    // A new game lets cells take presses again at once, but leaves the panel on screen.
    GameFixture f;
    f.startWith(kBoard);
    f.panel.Рекорды_Click();
    f.game.Новая_игра_Click();
    QVERIFY(f.panel.isVisible);
    QVERIFY(!f.panel.Таблица_показана);
    f.press(2, 2);
    QVERIFY(f.game.Открытые[22]);
}

void PlayTest::testOpenedCellsIgnorePresses()
{
    // An opened cell cannot be opened again, and a found fox takes no right press.
    GameFixture f;
    f.startWith(kBoard);
    f.press(0, 0);
    f.press(9, 4);
    const auto flags = f.game.Флаг;
    f.press(0, 0);
    f.press(0, 0, Game::Right);
    f.press(9, 4);
    QCOMPARE(f.game.lblLead, QStringLiteral("2"));
    QCOMPARE(f.game.lblFox, QStringLiteral("1"));
    QVERIFY(f.game.Флаг == flags);
}

void PlayTest::testResultEqualToTenthDoesNotEnter()
{
    // A result no better than the tenth brings up neither the name entry nor the panel.
    GameFixture f;
    f.startWith(kBoard);
    for (int row = 1; row <= 10; ++row) {
        f.table.Имена_рекордов[row] = QStringLiteral("Player    ");
        f.table.Очки_рекордов[row] = 250;
    }
    for (int cell : {0, 24, 57, 72, 89})
        f.game.Клетка_MouseDown(cell, Game::Left);
    QCOMPARE(f.game.Очки, qint16(250));
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.questions.isEmpty());
    QVERIFY(!f.panel.isVisible);
    QVERIFY(!f.panel.Таблица_показана);
}

QTEST_GUILESS_MAIN(PlayTest)
#include "test_play.moc"
