#include "records/record_file.h"

#include "platform/save_attempts.h"
#include "records/record_rows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

namespace {

bool fileHolds(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == contents.size()
        && file.readAll() == contents;
}

} // namespace

QString recordFilePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Varn.dat"));
}

QString playerDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QByteArray readRecordFile(const QString &path)
{
    // Only a regular file, checked before opening, since opening a pipe waits for a writer, and
    // again on what was opened.
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() != kRecordFileSize || !file.open(QIODevice::ReadOnly)
        || file.isSequential())
        return {};
    return file.read(kRecordFileSize);
}

std::optional<SaveFailure> saveRecordFile(const QString &path, const QByteArray &bytes)
{
    // Only a regular file is replaced: opening a pipe waits for its other end, and saving through a
    // link to a device would put a file in the device's place. Whatever sits there was put there
    // on purpose, so it is left alone.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return SaveFailure {QStringLiteral("это не обычный файл")};
    // A file that already holds these very bytes, as at most starts, needs no rewrite and no wait
    // for the disk.
    if (fileHolds(path, bytes))
        return std::nullopt;
    // Tried again where another program reading the file for a moment holds off its replacement.
    const SaveAttempts attempts = saveAttempts();
    QString reason;
    for (int attempt = 0; attempt < attempts.count; ++attempt) {
        if (attempt > 0)
            QThread::msleep(attempts.pauseMs);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return SaveFailure {file.errorString(), true};
        if (file.write(bytes) == bytes.size() && file.commit())
            return std::nullopt;
        reason = file.errorString();
    }
    return SaveFailure {reason};
}

std::optional<QString> saveProbeFailure(const QString &path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
        return std::nullopt;
    return file.errorString();
}
