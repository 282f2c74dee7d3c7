#include "game/rules.h"
#include "records/record_file.h"
#include "support/record_file.h"
#include "table_copy.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#    include <pwd.h>
#    include <unistd.h>
#endif

// The game installed for everyone, its folder one the player cannot write: the table lives in
// the player's own data folder, without a word to the player, and the next start reads it there.
// Root writes into any folder, so the copy of the table runs as an unprivileged user.
class UnwritableFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void testTableInPlayerDataFolder();
};

void UnwritableFolderTest::testTableInPlayerDataFolder()
{
#ifndef Q_OS_UNIX
    QSKIP("Another user is taken on the POSIX way");
#else
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const QString env = QStandardPaths::findExecutable(QStringLiteral("env"));
    const passwd *player = getpwnam("nobody");
    if (geteuid() != 0 || setpriv.isEmpty() || env.isEmpty() || !player)
        QSKIP("Needs root, setpriv and the user nobody to play as another user");

    // The program's folder as a package installs it: root's, open to all, written by root alone.
    QTemporaryDir program;
    QVERIFY(program.isValid());
    const auto openToAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(program.path(), openToAll));
    const QString copyPath = program.filePath(QStringLiteral("records_player"));
    QVERIFY(QFile::copy(QStringLiteral(PLAYER_PATH), copyPath));
    QVERIFY(QFile::setPermissions(copyPath, openToAll));
    const RecordRows installed = tableOf({{QStringLiteral("Anna"), 120}});
    QVERIFY(storeTable(program.path(), installed));
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QCOMPARE(chown(QFile::encodeName(home.path()).constData(), player->pw_uid, player->pw_gid), 0);

    const QStringList asPlayer = {setpriv,
                                  QStringLiteral("--reuid=nobody"),
                                  QStringLiteral("--regid=nogroup"),
                                  QStringLiteral("--clear-groups"),
                                  env,
                                  QStringLiteral("-i"),
                                  QStringLiteral("HOME=") + home.path(),
                                  QStringLiteral("LANG=C.UTF-8"),
                                  copyPath,
                                  program.path()};
    const RecordRows entered
        = tableOf({{QStringLiteral("Boris"), 150}, {QStringLiteral("Anna"), 120}});
    {
        TableCopy copy(asPlayer, QProcessEnvironment::systemEnvironment());
        QCOMPARE(copy.table(), tableText(installed));
        copy.send(QStringLiteral("win 150"));
        QCOMPARE(copy.nextLine(), QStringLiteral("name?"));
        copy.send(QStringLiteral("Boris"));
        QCOMPARE(copy.table(), tableText(entered));
        QVERIFY2(copy.seen.isEmpty(), qPrintable(copy.seen.join(u' ')));
    }
    QCOMPARE(readRecordFile(home.filePath(QStringLiteral(".local/share/Varn/Varn.dat"))),
             fileBytes(entered));
    QStringList programFiles = QDir(program.path()).entryList(QDir::Files | QDir::Hidden);
    programFiles.sort();
    QCOMPARE(programFiles,
             QStringList({QStringLiteral("Varn.dat"), QStringLiteral("records_player")}));
    QCOMPARE(readRecordFile(recordFilePath(program.path())), fileBytes(installed));

    // Once the table lives in the data folder, another table beside the program is not read.
    QVERIFY(storeTable(program.path(), tableOf({{QStringLiteral("Clara"), 200}})));
    TableCopy nextStart(asPlayer, QProcessEnvironment::systemEnvironment());
    QCOMPARE(nextStart.table(), tableText(entered));
    QVERIFY2(nextStart.seen.isEmpty(), qPrintable(nextStart.seen.join(u' ')));
#endif
}

QTEST_GUILESS_MAIN(UnwritableFolderTest)
#include "test_unwritable_folder.moc"
