#include "game/rules.h"
#include "records/record_table.h"
#include "support/fake_platform.h"
#include "support/record_file.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

// Where the table is kept and what the game may touch there: its own files only, beside the
// program wherever that folder can be written, and nothing past another copy's lock.
class RecordStorageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void testPlayerFilesLeftAlone();
    void testWritableFolderKeepsItsOwnTable();
    void testLockOfLiveCopyHoldsOffWrite();
    void testUnknownProgramFolderLeavesWorkingFolderAlone();
    void testKeepingFiles_data();
    void testKeepingFiles();

private:
    QString programFile(const QString &name) const { return QDir(program).filePath(name); }

    std::unique_ptr<QTemporaryDir> root;
    QString program;
    QString data;
    FakePlatform platform;
};

namespace {

const RecordRows annasTable = tableOf({{QStringLiteral("Anna"), 120}});

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

void RecordStorageTest::init()
{
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
    program = root->filePath(QStringLiteral("program"));
    data = root->filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(program));
    platform = FakePlatform();
    platform.directory = program;
    platform.playerDirectory = data;
}

// Files the player keeps beside the table under names like a save's temporaries outlive a start,
// a result and a clear, and nothing else is left beside the table.
void RecordStorageTest::testPlayerFilesLeftAlone()
{
    const QByteArray backup(kRecordFileSize, 'x');
    QVERIFY(writeFile(programFile(QStringLiteral("Varn.dat.backup")), backup));
    QVERIFY(writeFile(programFile(QStringLiteral("Varn.dat.copies")), fileBytes(annasTable)));

    RecordTable table(platform, kBestResult);
    QVERIFY(!table.Чтение_таблицы_рекордов_из_файла().failure);
    QVERIFY(!table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 200).failure);
    QVERIFY(!table.Очистить_таблицу_рекордов().failure);

    QCOMPARE(fileContents(programFile(QStringLiteral("Varn.dat.backup"))), backup);
    QCOMPARE(fileContents(programFile(QStringLiteral("Varn.dat.copies"))), fileBytes(annasTable));
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({"Varn.dat", "Varn.dat.backup", "Varn.dat.copies"}));
}

// A copy whose folder can be written keeps its table there, though another copy, installed where
// it could not write, keeps one in the player's data folder.
void RecordStorageTest::testWritableFolderKeepsItsOwnTable()
{
    QVERIFY(QDir().mkpath(data));
    QVERIFY(storeTable(data, annasTable));

    RecordTable table(platform, kBestResult);
    table.Чтение_таблицы_рекордов_из_файла();
    table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 200);

    const RecordRows boris = tableOf({{QStringLiteral("Boris"), 200}});
    QCOMPARE(fileContents(recordFilePath(program)), fileBytes(boris));
    QCOMPARE(fileContents(recordFilePath(data)), fileBytes(annasTable));
    QCOMPARE(table.rows(), boris);
}

// Another copy that holds the lock and does not let go: after a short wait the result stays in
// memory, the file is not written, and the player is told which lock stood in the way.
void RecordStorageTest::testLockOfLiveCopyHoldsOffWrite()
{
    QVERIFY(storeTable(program, annasTable));
    RecordTable table(platform, kBestResult);
    table.Чтение_таблицы_рекордов_из_файла();
    const QString lockPath = programFile(QStringLiteral("Varn.dat.lock"));
    QLockFile otherCopy(lockPath);
    QVERIFY(otherCopy.tryLock());

    const TableChange change = table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 200);

    QCOMPARE(table.rows()[0], (RecordRow {QStringLiteral("Boris     "), 200}));
    QCOMPARE(fileContents(recordFilePath(program)), fileBytes(annasTable));
    QVERIFY(change.failure);
    QVERIFY2(change.failure->contains(QDir::toNativeSeparators(lockPath)),
             qPrintable(*change.failure));
}

// A program whose own folder could not be told, as where the path it was started by cannot be
// resolved, keeps its table in the data folder and writes nothing where it was started from.
void RecordStorageTest::testUnknownProgramFolderLeavesWorkingFolderAlone()
{
    const QString working = root->filePath(QStringLiteral("working"));
    QVERIFY(QDir().mkpath(working));
    const auto back = qScopeGuard([before = QDir::currentPath()] { QDir::setCurrent(before); });
    QVERIFY(QDir::setCurrent(working));
    platform.directory.clear();

    RecordTable table(platform, kBestResult);
    table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 200);

    QCOMPARE(QDir(working).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(fileContents(recordFilePath(data)),
             fileBytes(tableOf({{QStringLiteral("Boris"), 200}})));
}

void RecordStorageTest::testKeepingFiles_data()
{
    QTest::addColumn<std::optional<QString>>("refusal");
    QTest::addColumn<QString>("lateFailure");
    // The reason the box gives; none when no box opens.
    QTest::addColumn<QString>("toldReason");

    const QString refused = QStringLiteral("браузер не хранит файлы этой страницы");
    QTest::newRow("kept") << std::optional<QString>() << QString() << QString();
    QTest::newRow("refused") << std::optional<QString>(refused) << QString() << refused;
    QTest::newRow("failed later") << std::optional<QString>()
                                  << QStringLiteral("QuotaExceededError")
                                  << QStringLiteral("QuotaExceededError");
}

// Where the platform keeps the files beyond the run, as a browser page's, it is asked once the
// file is saved and its lock let go, so that no lock is kept; a refusal, at once or later, is told
// as a save that failed, and the result stays in memory.
void RecordStorageTest::testKeepingFiles()
{
    QFETCH(std::optional<QString>, refusal);
    QFETCH(QString, lateFailure);
    QFETCH(QString, toldReason);
    platform.keepingRefusal = refusal;
    QStringList kept;
    platform.whileKeeping = [&] { kept = QDir(program).entryList(QDir::Files | QDir::Hidden); };

    RecordTable table(platform, kBestResult);
    table.tellIfNotSaved(table.Внести_в_таблицу_новый_рекорд(QStringLiteral("Boris"), 200));
    if (!lateFailure.isEmpty())
        platform.keepingFailedLater(lateFailure);

    QCOMPARE(kept, QStringList({"Varn.dat"}));
    const RecordRows boris = tableOf({{QStringLiteral("Boris"), 200}});
    QCOMPARE(table.rows(), boris);
    QCOMPARE(fileContents(recordFilePath(program)), fileBytes(boris));
    QStringList boxes;
    for (const FakePlatform::Message &message : platform.messages)
        boxes.append(message.title + u'|' + message.text);
    const QString told = QStringLiteral("Ошибка|Не удалось записать таблицу рекордов в файл\n%1\n"
                                        "(%2)\n\nРекорды сохранятся только до выхода из игры.")
                             .arg(QDir::toNativeSeparators(recordFilePath(program)), toldReason);
    QCOMPARE(boxes, toldReason.isEmpty() ? QStringList() : QStringList({told}));
}

QTEST_GUILESS_MAIN(RecordStorageTest)
#include "test_record_storage.moc"
