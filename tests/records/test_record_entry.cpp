#include "game/rules.h"
#include "records/record_table.h"
#include "support/fake_platform.h"
#include "support/record_file.h"

#include <QTemporaryDir>
#include <QTest>

// Entering a new result: where it lands, the name it gets, the default of the next entry, and the
// text of the table that the panel shows.
class RecordEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void testInsertion_data();
    void testInsertion();
    void testBlankAnswerIsAnonymous_data();
    void testBlankAnswerIsAnonymous();
    void testLongAnswerAndNextDefault();
    void testCancelClearsNextDefault();
    void testTableText();
    void testClearedText();
    void testTypedNameAsStored_data();
    void testTypedNameAsStored();

private:
    // Starts with a table whose rows hold the given points under the names Row1, Row2, ...
    void startWith(const QList<qint16> &points);

    std::unique_ptr<QTemporaryDir> directory;
    FakePlatform platform;
    std::unique_ptr<RecordTable> table;
};

namespace {

QString padded(const QString &name)
{
    return name.leftJustified(10);
}

} // namespace

void RecordEntryTest::init()
{
    directory = std::make_unique<QTemporaryDir>();
    QVERIFY(directory->isValid());
    platform = FakePlatform();
    platform.directory = directory->path();
    startWith({});
}

void RecordEntryTest::startWith(const QList<qint16> &points)
{
    QList<std::pair<QString, qint16>> rows;
    for (qsizetype i = 0; i < points.size(); ++i)
        rows.append({QStringLiteral("Row%1").arg(i + 1), points[i]});
    QVERIFY(storeTable(directory->path(), tableOf(rows)));
    table = std::make_unique<RecordTable>(platform, kBestResult);
    table->Чтение_таблицы_рекордов_из_файла();
}

void RecordEntryTest::testInsertion_data()
{
    QTest::addColumn<QList<qint16>>("before");
    QTest::addColumn<qint16>("points");
    QTest::addColumn<QStringList>("namesAfter");
    QTest::addColumn<QList<qint16>>("pointsAfter");

    const QList<qint16> full = {200, 190, 180, 170, 160, 150, 140, 130, 120, 110};
    QTest::newRow("below both rows of equal points")
        << QList<qint16> {250, 120, 120, 40} << qint16(120)
        << QStringList {"Row1", "Row2", "Row3", "New", "Row4", "", "", "", "", ""}
        << QList<qint16> {250, 120, 120, 120, 40, 0, 0, 0, 0, 0};
    QTest::newRow("above row 1 of a full table")
        << full << qint16(240) << QStringList {"New",  "Row1", "Row2", "Row3", "Row4",
                                               "Row5", "Row6", "Row7", "Row8", "Row9"}
        << QList<qint16> {240, 200, 190, 180, 170, 160, 150, 140, 130, 120};
    QTest::newRow("below the last result")
        << QList<qint16> {120, 40, 10} << qint16(5)
        << QStringList {"Row1", "Row2", "Row3", "New", "", "", "", "", "", ""}
        << QList<qint16> {120, 40, 10, 5, 0, 0, 0, 0, 0, 0};
    QTest::newRow("equal to row 10 moves nothing")
        << full << qint16(110) << QStringList {"Row1", "Row2", "Row3", "Row4", "Row5",
                                               "Row6", "Row7", "Row8", "Row9", "Row10"}
        << full;
}

// A result goes below every row with as many or more points; the rows beneath move down and the
// former row 10 drops out.
void RecordEntryTest::testInsertion()
{
    QFETCH(QList<qint16>, before);
    QFETCH(qint16, points);
    QFETCH(QStringList, namesAfter);
    QFETCH(QList<qint16>, pointsAfter);
    startWith(before);
    QCOMPARE(qualifies(table->rows(), points), namesAfter.contains(QStringLiteral("New")));
    table->Внести_в_таблицу_новый_рекорд(QStringLiteral("New"), points);

    for (int i = 0; i < kRecordRows; ++i)
        QCOMPARE(table->rows()[i], (RecordRow {padded(namesAfter[i]), pointsAfter[i]}));
}

void RecordEntryTest::testBlankAnswerIsAnonymous_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty, as a cancelled entry answers") << ""
                                                         << "Anonymous ";
    QTest::newRow("spaces") << "   "
                            << "Anonymous ";
    QTest::newRow("twelve spaces") << "            "
                                   << "Anonymous ";
    QTest::newRow("leading spaces kept") << "  Bo"
                                         << "  Bo      ";
}

// Only a name blank as a whole becomes "Anonymous "; typed spaces otherwise stay.
void RecordEntryTest::testBlankAnswerIsAnonymous()
{
    QFETCH(QString, answer);
    QFETCH(QString, name);
    table->Внести_в_таблицу_новый_рекорд(answer, 100);
    QCOMPARE(table->rows()[0].name, name);
    QCOMPARE(table->rows()[0].points, qint16(100));
}

// A longer answer keeps its first ten characters, which the next entry offers as its default.
void RecordEntryTest::testLongAnswerAndNextDefault()
{
    QVERIFY(table->lastName().isEmpty());
    table->Внести_в_таблицу_новый_рекорд(QStringLiteral("Абвгдежзий12"), 100);
    QCOMPARE(table->rows()[0].name, QStringLiteral("Абвгдежзий"));
    QCOMPARE(table->lastName(), QStringLiteral("Абвгдежзий"));
}

// After a cancelled entry the next one offers an empty default.
void RecordEntryTest::testCancelClearsNextDefault()
{
    table->Внести_в_таблицу_новый_рекорд(QStringLiteral("Anna"), 100);
    table->Внести_в_таблицу_новый_рекорд(QString(), 90);
    QCOMPARE(table->lastName(), QString());
    QCOMPARE(table->rows()[1].name, QStringLiteral("Anonymous "));
}

// Ten lines of 18 characters joined by CR LF, none after the tenth; a four-letter name in row 1
// shows padded with six spaces and its points right-aligned.
void RecordEntryTest::testTableText()
{
    startWith({120, 40});
    table->Внести_в_таблицу_новый_рекорд(QStringLiteral("Олег"), 245);

    const QString &text = table->text();
    QCOMPARE(text.size(), 198);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 10);
    for (const QString &line : lines)
        QCOMPARE(line.size(), 18);
    QCOMPARE(lines[0], QStringLiteral("  1.Олег       245"));
    QCOMPARE(lines[1], QStringLiteral("  2.Row1       120"));
    QCOMPARE(lines[2], QStringLiteral("  3.Row2        40"));
    QCOMPARE(lines[9], QStringLiteral(" 10.              "));

    startWith({});
    table->Внести_в_таблицу_новый_рекорд(QStringLiteral("Олег"), 45);
    QCOMPARE(table->text().left(18), QStringLiteral("  1.Олег        45"));
}

// The cleared table reads as ten numbers, each with its full stop and fourteen spaces.
void RecordEntryTest::testClearedText()
{
    startWith({250, 200, 150});
    table->Очистить_таблицу_рекордов();
    QCOMPARE(table->text(),
             QStringLiteral("  1.              \r\n"
                            "  2.              \r\n"
                            "  3.              \r\n"
                            "  4.              \r\n"
                            "  5.              \r\n"
                            "  6.              \r\n"
                            "  7.              \r\n"
                            "  8.              \r\n"
                            "  9.              \r\n"
                            " 10.              "));
}

void RecordEntryTest::testTypedNameAsStored_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("emoji is one character") << QStringLiteral("Ann😀") << QStringLiteral("Ann?");
    QTest::newRow("family emoji of five code points")
        << QStringLiteral("👨‍👩‍👧Bo") << QStringLiteral("?Bo");
    QTest::newRow("Chinese") << QStringLiteral("李小龙") << QStringLiteral("???");
    QTest::newRow("ten emoji and more")
        << QStringLiteral("😀😀😀😀😀😀😀😀😀😀😀😀") << QStringLiteral("??????????");
    QTest::newRow("tab and line breaks")
        << QStringLiteral("A\tB\r\nC\nD\rE") << QStringLiteral("A B C D E");
    QTest::newRow("other control character") << QStringLiteral("A\u0007B") << QStringLiteral("A B");
    QTest::newRow("letter typed with a combining breve")
        << QStringLiteral("Андреи\u0306") << QStringLiteral("Андрей");
    QTest::newRow("stress mark the code page lacks")
        << QStringLiteral("Ива\u0301н") << QStringLiteral("Иван");
    QTest::newRow("Latin letter with accent") << QStringLiteral("José") << QStringLiteral("Jos?");
    QTest::newRow("Cyrillic kept") << QStringLiteral("Ёжик №1") << QStringLiteral("Ёжик №1");
}

// A typed name is held as the file holds it: one "?" for each character the code page lacks,
// a space for each control character, at most ten characters as the player sees them.
void RecordEntryTest::testTypedNameAsStored()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    table->Внести_в_таблицу_новый_рекорд(typed, 100);

    QCOMPARE(table->rows()[0].name, padded(stored));
    QCOMPARE(table->lastName(), stored);
    QCOMPARE(table->text().split(QStringLiteral("\r\n")).size(), 10);

    RecordTable reread(platform, kBestResult);
    QVERIFY(!reread.Чтение_таблицы_рекордов_из_файла().Файл_испорчен);
    QCOMPARE(reread.rows(), table->rows());
    QCOMPARE(reread.text(), table->text());
}

QTEST_GUILESS_MAIN(RecordEntryTest)
#include "test_record_entry.moc"
