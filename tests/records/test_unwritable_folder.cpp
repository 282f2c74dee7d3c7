#include "game/rules.h"
#include "records/record_file.h"
#include "support/read_only_folder.h"
#include "support/record_file.h"
#include "table_copy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>

// The game installed for everyone, its folder one the player cannot write: the table lives in
// the player's own data folder, without a word to the player, and the next start reads it there.
class UnwritableFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void testTableInPlayerDataFolder();
};

namespace {

bool userExists(const QString &name)
{
    QProcess id;
    id.start(QStringLiteral("id"), {name});
    return id.waitForFinished() && id.exitStatus() == QProcess::NormalExit && id.exitCode() == 0;
}

} // namespace

void UnwritableFolderTest::testTableInPlayerDataFolder()
{
    // Root writes into any folder, so root plays as nobody; anyone else as themselves.
    const bool root = writesIntoReadOnlyFolders();
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (root && (setpriv.isEmpty() || !userExists(QStringLiteral("nobody"))))
        QSKIP("Needs setpriv and the user nobody to play as another user");

    // The program's folder as a package installs it: open to all, written by nobody but root.
    QTemporaryDir program;
    QVERIFY(program.isValid());
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    const QString copyPath = program.filePath(QStringLiteral("records_player"));
    QVERIFY(QFile::copy(QStringLiteral(PLAYER_PATH), copyPath));
    QVERIFY(QFile::setPermissions(copyPath, readOnly));
    const RecordRows installed = tableOf({{QStringLiteral("Anna"), 120}});
    QVERIFY(storeTable(program.path(), installed));
    QVERIFY(QFile::setPermissions(program.path(), readOnly));
    const auto allowWriting
        = [&] { return QFile::setPermissions(program.path(), readOnly | QFile::WriteOwner); };
    // So that the folder can be removed at the end.
    const auto restoreWriting = qScopeGuard(allowWriting);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QStringList asPlayer = {QStringLiteral("/usr/bin/env"),
                            QStringLiteral("-i"),
                            QStringLiteral("HOME=") + home.path(),
                            QStringLiteral("LANG=C.UTF-8"),
                            copyPath,
                            program.path()};
    if (root) {
        // Nobody's home, for them to write their data folder in.
        QVERIFY(QFile::setPermissions(
            home.path(), readOnly | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
        asPlayer = QStringList {setpriv, QStringLiteral("--reuid=nobody"),
                                QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")}
            + asPlayer;
    }
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

    // While the program's folder cannot be written, another table beside the program is not read.
    QVERIFY(allowWriting());
    QVERIFY(storeTable(program.path(), tableOf({{QStringLiteral("Clara"), 200}})));
    QVERIFY(QFile::setPermissions(program.path(), readOnly));
    TableCopy nextStart(asPlayer, QProcessEnvironment::systemEnvironment());
    QCOMPARE(nextStart.table(), tableText(entered));
    QVERIFY2(nextStart.seen.isEmpty(), qPrintable(nextStart.seen.join(u' ')));
}

QTEST_GUILESS_MAIN(UnwritableFolderTest)
#include "test_unwritable_folder.moc"
