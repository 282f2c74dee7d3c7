#include "alternating_tables.h"
#include "game/rules.h"
#include "records/record_table.h"
#include "support/fake_platform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// A save killed at any moment leaves the previous file or the new one, never a torn one.
class InterruptedSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void testKilledSaveLeavesWholeFile();
};

// Kills a process that saves two tables by turns, hundreds of times at random moments; the file
// is always 140 bytes and reads as one of the two tables.
void InterruptedSaveTest::testKilledSaveLeavesWholeFile()
{
    constexpr int kKills = 200;
    // Several saves' worth: each kill lands somewhere within a save or between two.
    constexpr int kLongestWaitUs = 3000;
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString dataPath = QDir(directory.path()).filePath(QStringLiteral("Varn.dat"));
    QRandomGenerator random(20240607);

    for (int kill = 0; kill < kKills; ++kill) {
        QProcess rewriter;
        rewriter.start(QStringLiteral(REWRITER_PATH), {directory.path()});
        QVERIFY2(rewriter.waitForStarted(), qPrintable(rewriter.errorString()));
        QVERIFY2(rewriter.waitForReadyRead(10'000), "the rewriter never finished a save");
        QThread::usleep(random.bounded(kLongestWaitUs));
        rewriter.kill();
        QVERIFY(rewriter.waitForFinished());
        QCOMPARE(rewriter.exitStatus(), QProcess::CrashExit);

        QCOMPARE(QFileInfo(dataPath).size(), 140);
        FakePlatform platform;
        platform.directory = directory.path();
        RecordTable table(platform, kBestResult);
        QVERIFY2(!table.Чтение_таблицы_рекордов_из_файла().Файл_испорчен,
                 qPrintable(QStringLiteral("torn after kill %1").arg(kill)));
        QVERIFY(table.rows() == kFirstTable || table.rows() == kSecondTable);
        QVERIFY(platform.messages.isEmpty());
    }
}

QTEST_GUILESS_MAIN(InterruptedSaveTest)
#include "test_interrupted_save.moc"
