#include "game/random_cell.h"
#include "records/record_file.h"
#include "records/windows1251.h"
#include "support/game_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <bitset>
#include <random>

namespace {

constexpr std::uint32_t kSeed = 20240611;
constexpr int kEvents = 120'000;

using CellSet = std::bitset<kCellCount>;

// The cells on the lines of each cell, worked out here from rows and columns alone.
std::array<CellSet, kCellCount> linesOfEveryCell()
{
    std::array<CellSet, kCellCount> lines;
    for (int c = 0; c < kCellCount; ++c) {
        for (int i = 0; i < kCellCount; ++i) {
            const int rows = std::abs(c / 10 - i / 10);
            const int columns = std::abs(c % 10 - i % 10);
            lines[c][i] = rows == 0 || columns == 0 || rows == columns;
        }
    }
    return lines;
}

template<typename Array> CellSet setOf(const Array &cells)
{
    CellSet set;
    for (int i = 0; i < kCellCount; ++i)
        set[i] = cells[i];
    return set;
}

// The cell numbers, so that a failed comparison tells which cells differ.
QString listOf(const CellSet &set)
{
    QStringList cells;
    for (int i = 0; i < kCellCount; ++i) {
        if (set[i])
            cells.append(QString::number(i));
    }
    return cells.join(u' ');
}

qsizetype countOf(const RecordRows &rows, qint16 points)
{
    return std::count_if(rows.begin(), rows.end(),
                         [points](const RecordRow &row) { return row.points == points; });
}

// What players type at the name prompt, odd ones included.
const QStringList kNames {
    QString(),
    QStringLiteral("   "),
    QStringLiteral("Лиса"),
    QStringLiteral("Охотник Иван Петрович"),
    QStringLiteral("fox"),
    QStringLiteral("  пробел  "),
    QStringLiteral("🦊🦊🦊 emoji"),
    QStringLiteral("e\u0301te\u0301"),
    QStringLiteral("tab\there\r\nline"),
    QStringLiteral("0123456789ABCDEF"),
    QStringLiteral("Ёжик"),
    QStringLiteral("中文名字"),
};

} // namespace

// Random events over many games, with the game's and the table's invariants checked after each.
class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void testRandomEvents();

private:
    QString applyRandomEvent();
    void pressCell(int index, Game::Button button);
    void startGame(bool atLoad);
    void checkGame();
    void checkTable();
    void checkEndOfGame(bool wasOver, const RecordRows &tableBefore);

    std::mt19937 random {kSeed};
    const std::array<CellSet, kCellCount> lines = linesOfEveryCell();
    GameFixture f;
    // Cells opened while the game was not over, counted here rather than by the game.
    qint16 expectedMoves = 0;
    int entries = 0;
    int gamesFinished = 0;
    int clears = 0;
};

void SoakTest::testRandomEvents()
{
    // Whatever the order of presses, ticks, new games and panel buttons, the board, the counters,
    // the captions, the table and its file stay consistent.
    startGame(true);
    for (int event = 0; event < kEvents; ++event) {
        const bool wasOver = f.state().Конец_игры;
        const RecordRows tableBefore = f.table().rows();
        f.platform.messages.clear();
        f.platform.questions.clear();
        if (f.platform.answers.isEmpty())
            f.platform.answers.append(kNames[random() % kNames.size()]);

        const QString what = applyRandomEvent();
        checkGame();
        checkTable();
        if (!QTest::currentTestFailed())
            checkEndOfGame(wasOver, tableBefore);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(
                QStringLiteral("after event %1 (%2), seed %3").arg(event).arg(what).arg(kSeed)));
    }
    qInfo("%d events, %d games finished, %d results entered, %d tables cleared", kEvents,
          gamesFinished, entries, clears);
    // The mix of events must have played games through and entered results, or it proved little.
    QVERIFY2(gamesFinished > 1000, qPrintable(QString::number(gamesFinished)));
    QVERIFY2(entries > 100, qPrintable(QString::number(entries)));
}

QString SoakTest::applyRandomEvent()
{
    const int roll = int(random() % 1000);
    const int cell = int(random() % kCellCount);
    if (roll < 300) {
        pressCell(cell, Game::Button::Left);
        return QStringLiteral("left press on %1").arg(cell);
    }
    if (roll < 450) {
        // A hidden fox, so that games end early enough to score.
        const CellSet hidden = setOf(f.state().Лисы) & ~setOf(f.state().Открытые);
        int fox = cell;
        while (hidden.any() && !hidden[fox])
            fox = (fox + 1) % kCellCount;
        pressCell(fox, Game::Button::Left);
        return QStringLiteral("left press on fox cell %1").arg(fox);
    }
    if (roll < 570) {
        pressCell(cell, Game::Button::Right);
        return QStringLiteral("right press on %1").arg(cell);
    }
    if (roll < 600) {
        pressCell(cell, Game::Button::Middle);
        return QStringLiteral("middle press on %1").arg(cell);
    }
    if (roll < 880) {
        f.tick();
        return QStringLiteral("tick");
    }
    if (roll < 910) {
        startGame(false);
        return QStringLiteral("new game");
    }
    if (roll < 940) {
        f.session.showRecords();
        return QStringLiteral("panel opened");
    }
    if (roll < 999) {
        f.session.closeRecords();
        return QStringLiteral("panel closed");
    }
    ++clears;
    f.session.clearRecords();
    return QStringLiteral("table cleared");
}

void SoakTest::pressCell(int index, Game::Button button)
{
    if (button == Game::Button::Left && f.panel().takesPresses() && !f.state().Конец_игры
        && !f.state().Открытые[index])
        ++expectedMoves;
    f.session.press(index, button);
}

// Draws for the foxes come from the test's own generator, duplicates and all.
void SoakTest::startGame(bool atLoad)
{
    f.platform.randoms.clear();
    for (int i = 0; i < 8; ++i)
        f.platform.randoms.append(unitFromBits(std::uint32_t(random())));
    expectedMoves = 0;
    if (atLoad)
        f.session.load();
    else
        f.session.newGame();
}

void SoakTest::checkGame()
{
    const GameState &g = f.state();
    const CellSet foxes = setOf(g.Лисы);
    const CellSet opened = setOf(g.Открытые);
    QCOMPARE(foxes.count(), std::size_t(kFoxCount));
    QCOMPARE(std::size_t(g.Найдено_лис), (foxes & opened).count());
    QVERIFY2(g.Очки >= 0 && g.Очки <= kStartingPoints, qPrintable(QString::number(g.Очки)));
    QCOMPARE(g.Ходы, expectedMoves);
    QCOMPARE(listOf(setOf(g.Флаг) & opened), QString());
    QCOMPARE(f.stopwatchRunning, !g.Первый_ход && !g.Конец_игры);
    for (int i = 0; i < kCellCount; ++i) {
        const CellView view = f.game().cellView(i);
        QCOMPARE(view.fox, foxes[i] && opened[i]);
        QCOMPARE(view.number, opened[i] && !foxes[i] ? int((lines[i] & foxes).count()) : -1);
    }
}

void SoakTest::checkTable()
{
    const RecordRows &rows = f.table().rows();
    for (int i = 0; i < kRecordRows; ++i) {
        const qint16 points = rows[i].points;
        QVERIFY2(points >= 0 && points <= kBestResult, qPrintable(QString::number(points)));
        if (i > 0)
            QVERIFY(points <= rows[i - 1].points);
        QCOMPARE(rows[i].name.size(), qsizetype(10));
        QCOMPARE(rows[i].name == QString(10, u' '), points == 0);
    }
    QFile file(recordFilePath(f.folder.path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Deciphered by hand, the file holds the table: names, then points right-aligned in four.
    QByteArray plain = file.readAll();
    for (char &byte : plain)
        byte = char(byte ^ 0x80);
    const QString text = fromWindows1251(plain);
    QCOMPARE(text.size(), qsizetype(140));
    for (int i = 0; i < kRecordRows; ++i) {
        const qint16 points = rows[i].points;
        const QString line = text.mid(i * 14, 14);
        QCOMPARE(line.left(10), rows[i].name);
        QCOMPARE(line.mid(10),
                 (points == 0 ? QString() : QString::number(points)).rightJustified(4));
    }
}

// A game that ends above the tenth result asks a name, enters once and opens the panel; any other
// leaves the table alone.
void SoakTest::checkEndOfGame(bool wasOver, const RecordRows &tableBefore)
{
    const bool ended = !wasOver && f.state().Конец_игры;
    if (!ended) {
        QCOMPARE(f.platform.questions.size(), 0);
        return;
    }
    ++gamesFinished;
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("Все лисы найдены"));
    const qint16 points = f.state().Очки;
    const bool enters = points > tableBefore.back().points;
    QCOMPARE(f.platform.questions.size(), enters ? 1 : 0);
    QCOMPARE(countOf(f.table().rows(), points), countOf(tableBefore, points) + (enters ? 1 : 0));
    if (enters) {
        ++entries;
        QVERIFY(!f.panel().takesPresses());
        QVERIFY(f.panel().isOnScreen());
    }
}

QTEST_GUILESS_MAIN(SoakTest)
#include "test_soak.moc"
