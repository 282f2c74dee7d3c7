#include "game/rules.h"
#include "records/cipher.h"
#include "records/record_line.h"
#include "records/record_table.h"
#include "support/fake_platform.h"
#include "support/named_pipe.h"
#include "support/read_only_folder.h"
#include "support/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

// Varn.dat: its cipher, how it is read and checked, how it is written back, and what happens
// when it cannot be written.
class RecordFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void testCipher_data();
    void testCipher();
    void testCipherIsItsOwnInverse();
    void testOwnFileReadsAndWritesBackUnchanged();
    void testDamagedFile_data();
    void testDamagedFile();
    void testUnusualPointsField_data();
    void testUnusualPointsField();
    void testPointsFieldRule_data();
    void testPointsFieldRule();
    void testDirectoryInPlaceOfFile();
    void testReadOnlyFolder();
    void testNotARegularFileLeftAlone_data();
    void testNotARegularFileLeftAlone();
    void testLinkToTableFile();
    void testTableReadElsewhereForAMoment();

private:
    QString dataPath() const
    {
        return QDir(directory->path()).filePath(QStringLiteral("Varn.dat"));
    }
    void writeDataFile(const QByteArray &bytes) const;
    QByteArray readDataFile() const;

    std::unique_ptr<QTemporaryDir> directory;
    FakePlatform platform;
};

namespace {

const QByteArray kEmptyFile(140, char(0xA0));
const QByteArray kEmptyLine(14, ' ');

// A plain record line: the name padded to ten characters, then the four characters of points.
QByteArray row(const QByteArray &name, const QByteArray &pointsField)
{
    return name.leftJustified(10) + pointsField;
}

// The stored form of plain record lines, each byte with its top bit flipped.
QByteArray fileOf(const QList<QByteArray> &plainLines)
{
    QByteArray bytes = plainLines.join();
    for (char &byte : bytes)
        byte = char(byte ^ 0x80);
    return bytes;
}

// The given lines, then empty rows to make ten.
QByteArray fileOfRows(QList<QByteArray> plainLines)
{
    while (plainLines.size() < 10)
        plainLines.append(kEmptyLine);
    return fileOf(plainLines);
}

void verifyEmptyTable(const RecordTable &table)
{
    QVERIFY(table.rows() == RecordRows());
}

// As the game does it: a change that could not be saved is told in a box.
TableChange told(RecordTable &table, const TableChange &change)
{
    table.tellIfNotSaved(change);
    return change;
}

} // namespace

void RecordFileTest::init()
{
    directory = std::make_unique<QTemporaryDir>();
    QVERIFY(directory->isValid());
    platform = FakePlatform();
    platform.directory = directory->path();
}

void RecordFileTest::cleanup()
{
    // A read-only folder would keep the temporary directory from being removed.
    QFile::setPermissions(directory->path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    directory.reset();
}

void RecordFileTest::writeDataFile(const QByteArray &bytes) const
{
    QFile file(dataPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray RecordFileTest::readDataFile() const
{
    QFile file(dataPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void RecordFileTest::testCipher_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("enciphered");
    QTest::newRow("abc") << QByteArray("abc") << QByteArray("\xE1\xE2\xE3");
    QTest::newRow("space and digits") << QByteArray(" 09") << QByteArray("\xA0\xB0\xB9");
    QTest::newRow("Cyrillic capitals and smalls")
        << QByteArray("\xC0\xDF\xE0\xFF") << QByteArray("\x40\x5F\x60\x7F");
    QTest::newRow("either side of the top bit")
        << QByteArray("\x7F\x80") << QByteArray("\xFF\x00", 2);
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

// Each byte b is stored as (b + 128) mod 256, in the same order and the same length.
void RecordFileTest::testCipher()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, enciphered);
    QCOMPARE(Зашифровать_расшифровать(plain), enciphered);
}

// Enciphering twice gives back every byte.
void RecordFileTest::testCipherIsItsOwnInverse()
{
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes.append(char(b));
    QCOMPARE(Зашифровать_расшифровать(Зашифровать_расшифровать(allBytes)), allBytes);
}

// A file the game wrote itself loads as it was and is written back byte for byte.
void RecordFileTest::testOwnFileReadsAndWritesBackUnchanged()
{
    const QByteArray original
        = fileOfRows({row("\xC8\xE2\xE0\xED", " 250"), // Иван
                      row("Anonymous", " 120"), row("Anna", " 120"), row("  Bo", "  40")});
    writeDataFile(original);
    RecordTable table(platform, kBestResult);
    const TableChange read = told(table, table.Чтение_таблицы_рекордов_из_файла());

    QVERIFY(!read.Файл_испорчен);
    QVERIFY(table.rows()
            == tableOf({{QStringLiteral("Иван"), 250},
                        {QStringLiteral("Anonymous"), 120},
                        {QStringLiteral("Anna"), 120},
                        {QStringLiteral("  Bo"), 40}}));
    QCOMPARE(readDataFile(), original);
    QVERIFY(platform.messages.isEmpty());
}

void RecordFileTest::testDamagedFile_data()
{
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("contents");
    const QByteArray valid = fileOfRows({row("Anna", "  90")});
    QTest::newRow("no file") << false << QByteArray();
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("139 bytes") << true << valid.left(139);
    QTest::newRow("141 bytes") << true << valid + char(0xA0);
    QTest::newRow("251 points in row 1") << true << fileOfRows({row("Anna", " 251")});
    QTest::newRow("name with 0 points") << true << fileOfRows({row("Anna", "    ")});
    QTest::newRow("blank name with points") << true << fileOfRows({row("", "  12")});
    QTest::newRow("empty row above a full one")
        << true << fileOfRows({kEmptyLine, row("Anna", "  12")});
    QTest::newRow("valid row above one with more points")
        << true << fileOfRows({row("Anna", "  90"), row("Boris", "  91")});
    QTest::newRow("valid rows above an invalid last row")
        << true
        << fileOf({row("Anna", " 200"), row("Boris", " 190"), row("Clara", " 180"),
                   row("Dmitri", " 170"), row("Elena", " 160"), row("Fedor", " 150"),
                   row("Galina", " 140"), row("Hugo", " 130"), row("Irina", " 120"),
                   row("Jan", "    ")});
    QTest::newRow("negative points") << true << fileOfRows({row("Anna", "  -5")});
    QTest::newRow("negative fraction") << true << fileOfRows({row("Anna", " -.5")});
}

// No file, any other size, or an invalid row anywhere, clears the whole table and writes the file
// of the empty table, in silence.
void RecordFileTest::testDamagedFile()
{
    QFETCH(bool, written);
    QFETCH(QByteArray, contents);
    if (written)
        writeDataFile(contents);
    RecordTable table(platform, kBestResult);
    const TableChange read = told(table, table.Чтение_таблицы_рекордов_из_файла());
    QVERIFY(read.Файл_испорчен);
    verifyEmptyTable(table);
    QCOMPARE(readDataFile(), kEmptyFile);
    QVERIFY(platform.messages.isEmpty());
}

void RecordFileTest::testUnusualPointsField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<qint16>("points");
    QTest::addColumn<QByteArray>("writtenBack");
    QTest::newRow("leading zeros") << QByteArray("0042") << qint16(42) << QByteArray("  42");
    QTest::newRow("row 1 at the ceiling")
        << QByteArray(" 250") << qint16(250) << QByteArray(" 250");
    QTest::newRow("left-aligned") << QByteArray("7   ") << qint16(7) << QByteArray("   7");
    QTest::newRow("space between digits") << QByteArray("1 2 ") << qint16(12) << QByteArray("  12");
    QTest::newRow("plus sign") << QByteArray(" +7 ") << qint16(7) << QByteArray("   7");
    QTest::newRow("fraction rounded down") << QByteArray(" 3.9") << qint16(3) << QByteArray("   3");
    QTest::newRow("letter ends the number")
        << QByteArray("12x9") << qint16(12) << QByteArray("  12");
}

// A points field is read by the number rule and written back in the standard form.
void RecordFileTest::testUnusualPointsField()
{
    QFETCH(QByteArray, field);
    QFETCH(qint16, points);
    QFETCH(QByteArray, writtenBack);
    writeDataFile(fileOfRows({row("Anna", field)}));
    RecordTable table(platform, kBestResult);
    const TableChange read = told(table, table.Чтение_таблицы_рекордов_из_файла());
    QVERIFY(!read.Файл_испорчен);
    QCOMPARE(table.rows()[0].points, points);
    QCOMPARE(readDataFile(), fileOfRows({row("Anna", writtenBack)}));
}

void RecordFileTest::testPointsFieldRule_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("points");
    QTest::newRow("blank") << QStringLiteral("    ") << 0;
    QTest::newRow("no digits") << QStringLiteral("abcd") << 0;
    QTest::newRow("sign alone") << QStringLiteral(" -  ") << 0;
    QTest::newRow("four digits") << QStringLiteral("9999") << 9999;
    QTest::newRow("minus") << QStringLiteral("- 5 ") << -5;
    QTest::newRow("minus zero") << QStringLiteral("  -0") << 0;
    QTest::newRow("negative fraction rounds down") << QStringLiteral("-0.5") << -1;
    QTest::newRow("second sign ends the number") << QStringLiteral("1-2 ") << 1;
    QTest::newRow("second point ends the number") << QStringLiteral("1.2.") << 1;
    QTest::newRow("digits past 16 bits") << QStringLiteral("999999") << 32767;
}

// Spaces are skipped anywhere, the first character that cannot continue the number ends it, and
// a field without a number reads 0.
void RecordFileTest::testPointsFieldRule()
{
    QFETCH(QString, field);
    QFETCH(int, points);
    QCOMPARE(pointsFromField(field), points);
}

// A directory where the file belongs: the game goes on with the table in memory and says so once
// for each failed write.
void RecordFileTest::testDirectoryInPlaceOfFile()
{
    QVERIFY(QDir(directory->path()).mkdir(QStringLiteral("Varn.dat")));
    RecordTable table(platform, kBestResult);
    told(table, table.Чтение_таблицы_рекордов_из_файла());
    verifyEmptyTable(table);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.contains(QDir::toNativeSeparators(dataPath())));
    QCOMPARE(platform.messages[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(platform.messages[0].icon, Platform::Icon::Critical);

    told(table, table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Anna"), 150));
    QCOMPARE(table.rows()[0], (RecordRow {QStringLiteral("Anna      "), 150}));
    QCOMPARE(platform.messages.size(), 2);
    QVERIFY(QFileInfo(dataPath()).isDir());
}

// A folder the game may not write to: the old file stays, and every failed write is reported.
void RecordFileTest::testReadOnlyFolder()
{
    if (writesIntoReadOnlyFolders())
        QSKIP("This user writes into read-only folders, as root does and anyone on Windows");
    const QByteArray original = fileOfRows({row("Anna", " 100")});
    writeDataFile(original);
    QVERIFY(QFile::setPermissions(directory->path(), QFile::ReadOwner | QFile::ExeOwner));

    RecordTable table(platform, kBestResult);
    const TableChange read = told(table, table.Чтение_таблицы_рекордов_из_файла());
    QVERIFY(!read.Файл_испорчен);
    // The file already holds the table it read: nothing needed writing.
    QCOMPARE(platform.messages.size(), 0);

    told(table, table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 200));
    QCOMPARE(table.rows()[0].name, QStringLiteral("Boris     "));
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.contains(QDir::toNativeSeparators(dataPath())));
    QCOMPARE(platform.messages[0].icon, Platform::Icon::Critical);
    QCOMPARE(readDataFile(), original);
}

void RecordFileTest::testNotARegularFileLeftAlone_data()
{
    // No link to a device here: a save that wrongly followed it would, run as root, put a file in
    // the device's place.
    QTest::addColumn<bool>("linked");
    QTest::newRow("a named pipe without a writer") << false;
    QTest::newRow("a link to a named pipe") << true;
}

// Anything at Varn.dat but a regular file, links followed, reads as a damaged file without waiting
// for a writer; it is left in place, and the player is told the table cannot be kept.
void RecordFileTest::testNotARegularFileLeftAlone()
{
    if (!NamedPipe::supported())
        QSKIP("Named pipes and symbolic links are made the Unix way");
    QFETCH(bool, linked);
    const QString pipePath = linked ? dataPath() + QStringLiteral(".pipe") : dataPath();
    NamedPipe pipe(pipePath);
    QVERIFY(pipe.isMade());
    if (linked)
        QVERIFY(QFile::link(pipePath, dataPath()));

    RecordTable table(platform, kBestResult);
    const TableChange read = told(table, table.Чтение_таблицы_рекордов_из_файла());
    QVERIFY(read.Файл_испорчен);
    verifyEmptyTable(table);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].text.contains(QDir::toNativeSeparators(dataPath())));
    QCOMPARE(platform.messages[0].title, QStringLiteral("Ошибка"));
    const QFileInfo pipeInfo(pipePath);
    QVERIFY(pipeInfo.exists() && !pipeInfo.isFile());
    QVERIFY(!pipe.wasOpened());
}

// Varn.dat linked to a regular file: the table is read from it and saved through the link.
void RecordFileTest::testLinkToTableFile()
{
    if (!NamedPipe::supported())
        QSKIP("Symbolic links are made the Unix way");
    writeDataFile(fileOfRows({row("Anna", "  90")}));
    const QString target = dataPath() + QStringLiteral(".target");
    QVERIFY(QFile::rename(dataPath(), target));
    QVERIFY(QFile::link(target, dataPath()));

    RecordTable table(platform, kBestResult);
    const TableChange read = told(table, table.Чтение_таблицы_рекордов_из_файла());
    QVERIFY(!read.Файл_испорчен);
    QCOMPARE(table.rows()[0].points, qint16(90));
    told(table, table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 120));

    QVERIFY(platform.messages.isEmpty());
    QVERIFY(QFileInfo(dataPath()).isSymLink());
    QCOMPARE(readDataFile(), fileOfRows({row("Boris", " 120"), row("Anna", "  90")}));
}

// Another program that reads Varn.dat for a moment, as an indexer or a virus scanner does, fails no
// save: on Windows, where the reader holds off the file's replacement, the save waits for it.
void RecordFileTest::testTableReadElsewhereForAMoment()
{
    writeDataFile(fileOfRows({row("Anna", " 100")}));
    RecordTable table(platform, kBestResult);
    table.Чтение_таблицы_рекордов_из_файла();
    QFile reader(dataPath());
    QVERIFY(reader.open(QIODevice::ReadOnly));
    std::thread letGo([&reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        reader.close();
    });

    const TableChange change = table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 200);
    letGo.join();

    QVERIFY2(!change.failure, qPrintable(change.failure.value_or(QString())));
    QCOMPARE(readDataFile(), fileOfRows({row("Boris", " 200"), row("Anna", " 100")}));
}

QTEST_GUILESS_MAIN(RecordFileTest)
#include "test_record_file.moc"
