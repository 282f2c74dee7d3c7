#include "game/rules.h"
#include "platform/save_attempts.h"
#include "records/record_file.h"
#include "support/record_file.h"
#include "table_copy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Two copies of the game open on one folder at once, each a process of its own: a result that
// either copy entered stays in the table until a clear, and the file is whole at every moment.
class TwoCopiesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void testEachChangeMadeOnFileTable();
    void testResultJudgedOnFileTable();
    void testConcurrentEntries();

private:
    std::unique_ptr<TableCopy> startCopy() const;
    // Whether the copy asked for the name, entered the result and shows the table that the file
    // then holds.
    bool enter(TableCopy &copy, int points, const QString &name) const;
    RecordRows fileTable() const;

    std::unique_ptr<QTemporaryDir> directory;
};

void TwoCopiesTest::init()
{
    directory = std::make_unique<QTemporaryDir>();
    QVERIFY(directory->isValid());
}

std::unique_ptr<TableCopy> TwoCopiesTest::startCopy() const
{
    // A data folder of the test's own, though a folder it can write never sends the table there.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       directory->filePath(QStringLiteral("data")));
    return std::make_unique<TableCopy>(QStringList {QStringLiteral(PLAYER_PATH), directory->path()},
                                       environment);
}

bool TwoCopiesTest::enter(TableCopy &copy, int points, const QString &name) const
{
    copy.send(QStringLiteral("win %1").arg(points));
    if (copy.nextLine() != QStringLiteral("name?"))
        return false;
    copy.send(name);
    const QString shown = copy.table();
    return shown == tableText(fileTable());
}

RecordRows TwoCopiesTest::fileTable() const
{
    return rowsFromFile(readRecordFile(recordFilePath(directory->path())), kBestResult)
        .value_or(tableOf({{QStringLiteral("(not a table)"), 1}}));
}

// Results and a clear by turns, one of them while the other copy's name box is open: each change
// lands on the table the other copy left, and the panel shows the table written.
void TwoCopiesTest::testEachChangeMadeOnFileTable()
{
    const auto first = startCopy();
    QCOMPARE(first->table(), tableText(RecordRows()));
    const auto second = startCopy();
    QCOMPARE(second->table(), tableText(RecordRows()));

    QVERIFY(enter(*first, 200, QStringLiteral("Anna")));
    QVERIFY(enter(*second, 190, QStringLiteral("Boris")));
    QCOMPARE(fileTable(), tableOf({{QStringLiteral("Anna"), 200}, {QStringLiteral("Boris"), 190}}));

    first->send(QStringLiteral("win 180"));
    QCOMPARE(first->nextLine(), QStringLiteral("name?"));
    second->send(QStringLiteral("clear"));
    QCOMPARE(second->table(), tableText(RecordRows()));
    first->send(QStringLiteral("Clara"));
    const QString shown = first->table();
    QCOMPARE(shown, tableText(fileTable()));
    QCOMPARE(fileTable(), tableOf({{QStringLiteral("Clara"), 180}}));

    QVERIFY(enter(*second, 170, QStringLiteral("Dmitri")));
    QVERIFY(enter(*first, 170, QStringLiteral("Elena")));
    QCOMPARE(fileTable(),
             tableOf({{QStringLiteral("Clara"), 180},
                      {QStringLiteral("Dmitri"), 170},
                      {QStringLiteral("Elena"), 170}}));
    QVERIFY(first->seen.isEmpty());
    QVERIFY(second->seen.isEmpty());
}

// Whether a result enters is judged on the table the file holds: no name is asked once the other
// copy has filled it, and a name typed while it filled enters nothing.
void TwoCopiesTest::testResultJudgedOnFileTable()
{
    const auto first = startCopy();
    first->table();
    const auto second = startCopy();
    second->table();

    second->send(QStringLiteral("win 60"));
    QCOMPARE(second->nextLine(), QStringLiteral("name?"));
    QList<std::pair<QString, qint16>> full;
    for (int row = 1; row <= 10; ++row) {
        QVERIFY(enter(*first, 100, QStringLiteral("Row%1").arg(row)));
        full.append({QStringLiteral("Row%1").arg(row), 100});
    }
    second->send(QStringLiteral("Late"));
    const QString shown = second->table();
    QCOMPARE(shown, tableText(tableOf(full)));

    second->send(QStringLiteral("win 90"));
    QCOMPARE(second->nextLine().left(6), QStringLiteral("table "));
    QCOMPARE(fileTable(), tableOf(full));
}

// Both copies enter results as fast as they can, round after round: none is lost, and whenever
// the file is looked at it is a whole table.
void TwoCopiesTest::testConcurrentEntries()
{
    constexpr int kRounds = 20;
    constexpr int kEach = 5;
    const auto first = startCopy();
    first->table();
    const auto second = startCopy();
    second->table();
    TableCopy *const copies[] = {first.get(), second.get()};

    for (int round = 0; round < kRounds; ++round) {
        first->send(QStringLiteral("clear"));
        QCOMPARE(first->table(), tableText(RecordRows()));
        QList<std::pair<QString, qint16>> entered;
        for (int i = 0; i < kEach; ++i) {
            for (int c = 0; c < 2; ++c) {
                const auto points = qint16(100 + 2 * i + c);
                const QString name = QStringLiteral("Copy%1No%2").arg(c).arg(i);
                copies[c]->send(QStringLiteral("win %1\n%2").arg(points).arg(name));
                entered.prepend({name, points});
            }
        }
        int tables = 0;
        while (tables < 2 * kEach) {
            QFile file(recordFilePath(directory->path()));
            if (file.open(QIODevice::ReadOnly)) {
                const QByteArray bytes = file.readAll();
                // Held open, the file could not be replaced on Windows.
                file.close();
                QVERIFY2(rowsFromFile(bytes, kBestResult),
                         qPrintable(QStringLiteral("%1 bytes, not a table, in round %2")
                                        .arg(bytes.size())
                                        .arg(round)));
            } else if (saveAttempts().count == 1) {
                // Where a reader holds off a file's replacement, as on Windows, the replacement
                // holds off a reader for a moment too.
                QFAIL(qPrintable(file.errorString()));
            }
            for (TableCopy *copy : copies) {
                copy->process.waitForReadyRead(1);
                while (copy->process.canReadLine()) {
                    const QString line = QString::fromUtf8(copy->process.readLine());
                    QVERIFY2(!line.startsWith(QStringLiteral("box")), line.toUtf8().constData());
                    tables += line.startsWith(QStringLiteral("table "));
                }
            }
            QVERIFY(first->process.state() == QProcess::Running
                    && second->process.state() == QProcess::Running);
        }
        QCOMPARE(fileTable(), tableOf(entered));
    }
}

QTEST_GUILESS_MAIN(TwoCopiesTest)
#include "test_two_copies.moc"
