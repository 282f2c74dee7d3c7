#include "records/record_file.h"

#include "records/record_rows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool fileHolds(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == contents.size()
        && file.readAll() == contents;
}

} // namespace

QString recordFilePath(const QString &programDirectory)
{
    return QDir(programDirectory).filePath(QStringLiteral("Varn.dat"));
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

std::optional<QString> saveRecordFile(const QString &path, const QByteArray &bytes)
{
    // Only a regular file is replaced: opening a pipe waits for its other end, and saving through a
    // link to a device would put a file in the device's place. Whatever sits there was put there
    // on purpose, so it is left alone.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return QStringLiteral("это не обычный файл");
    // A file that already holds these very bytes, as at most starts, needs no rewrite and no wait
    // for the disk.
    if (fileHolds(path, bytes))
        return std::nullopt;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return file.errorString();
}
