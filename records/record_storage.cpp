#include "records/record_storage.h"

#include "platform/platform.h"
#include "records/record_file.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

// A change holds the lock for milliseconds: a longer wait means another copy is stuck, and the
// window should not freeze behind it.
constexpr int kLockWaitMs = 1'500;

QString lockPath(const QString &folder)
{
    return recordFilePath(folder) + QStringLiteral(".lock");
}

QString failureText(const QString &path, const QString &reason)
{
    return QStringLiteral("%1\n(%2)").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

RecordStorage::RecordStorage(Platform &platform)
    : m_platform(platform)
    , m_programFolder(platform.programDirectory())
{
    // A folder that could not be told is no place: its file would land in the current one.
    QStringList folders = {m_programFolder, platform.playerDataDirectory()};
    folders.removeAll(QString());
    m_placeFound = choosePlace(folders);
}

RecordStorage::~RecordStorage() = default;

bool RecordStorage::choosePlace(const QStringList &folders)
{
    for (const QString &folder : folders) {
        m_folder = folder;
        m_lock = std::make_unique<QLockFile>(lockPath(folder));
        // Never stale by age: a live copy's lock is only ever waited for, while QLockFile takes
        // over at once a lock whose holder has died.
        m_lock->setStaleLockTime(0);
        if (QDir().mkpath(folder) && m_lock->tryLock(kLockWaitMs))
            return true;
        if (m_lock->error() == QLockFile::LockFailedError) {
            m_heldElsewhere = true;
            return true;
        }
        // No lock could be made, as in a folder the player cannot write: whether a file can be
        // saved there decides.
        const std::optional<QString> reason = saveProbeFailure(recordFilePath(folder));
        if (!reason)
            return true;
        m_unwritable.append(failureText(recordFilePath(folder), *reason));
    }
    return false;
}

// An unreadable file counts as a damaged one: the table becomes empty either way.
QByteArray RecordStorage::read() const
{
    QString path = recordFilePath(m_folder);
    if (!QFileInfo::exists(path) && !m_programFolder.isEmpty())
        path = recordFilePath(m_programFolder);
    return readRecordFile(path);
}

std::optional<QString> RecordStorage::save(const QByteArray &bytes)
{
    const QString path = recordFilePath(m_folder);
    QStringList failures = m_unwritable;
    if (m_heldElsewhere) {
        failures.append(failureText(path,
                                    QStringLiteral("его занимает другая копия игры: %1")
                                        .arg(QDir::toNativeSeparators(lockPath(m_folder)))));
        return failures.join(QStringLiteral("\n\n"));
    }
    // A file that already holds these bytes needs no write, even where none could be made.
    std::optional<SaveFailure> failure = saveRecordFile(path, bytes);
    if (!failure) {
        // Let go before the folder is kept, so that no lock outlives this run.
        m_lock->unlock();
        const auto failedLater = [tell = m_tellLate, path](const QString &reason) {
            if (tell)
                tell(failureText(path, reason));
        };
        const std::optional<QString> refusal = m_platform.keepFiles(failedLater);
        if (!refusal)
            return std::nullopt;
        failure = SaveFailure {*refusal};
    }
    // Where no place could be written, each was named when it was passed over.
    if (m_placeFound)
        failures.append(failureText(path, failure->reason));
    return failures.join(QStringLiteral("\n\n"));
}
