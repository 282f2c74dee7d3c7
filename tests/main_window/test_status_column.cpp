// The status column's values as the game's counters make them: each shown from its first change.
#include "game/game_state.h"
#include "main_window/status_column.h"

#include <QLabel>
#include <QTest>

class StatusColumnTest : public QObject
{
    Q_OBJECT

private slots:
    void testValues_data();
    void testValues();
};

void StatusColumnTest::testValues_data()
{
    QTest::addColumn<QList<int>>("counters"); // moves, foxes, seconds, points
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("a fresh game") << QList {0, 0, 0, 300} << QStringList {"", "", "", ""};
    QTest::newRow("a second") << QList {0, 0, 1, 300} << QStringList {"", "", "1", ""};
    QTest::newRow("a point taken by the clock")
        << QList {0, 0, 5, 299} << QStringList {"", "", "5", "299"};
    QTest::newRow("the first move") << QList {1, 0, 0, 290} << QStringList {"1", "", "", "290"};
    QTest::newRow("no points left") << QList {30, 4, 90, 0} << QStringList {"30", "4", "90", "0"};
}

void StatusColumnTest::testValues()
{
    QFETCH(QList<int>, counters);
    QFETCH(QStringList, shown);
    QWidget surface;
    StatusColumn column(surface);
    GameState state;
    state.Ходы = qint16(counters[0]);
    state.Найдено_лис = qint16(counters[1]);
    state.Секунды = qint16(counters[2]);
    state.Очки = qint16(counters[3]);
    column.showValues(state);
    QStringList texts;
    for (const char *name : {"lblLead", "lblFox", "lblTime", "lblPoint"})
        texts.append(column.findChild<QLabel *>(QString::fromLatin1(name))->text());
    QCOMPARE(texts, shown);
}

QTEST_MAIN(StatusColumnTest)
#include "test_status_column.moc"
