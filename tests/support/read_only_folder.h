#pragma once

#include <QFile>
#include <QTemporaryDir>

// Whether this user writes into a folder that allows no writing, as root does, or as anyone does
// where folders are never read-only, as on Windows: found by trying.
inline bool writesIntoReadOnlyFolders()
{
    QTemporaryDir folder;
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
    if (!folder.isValid() || !QFile::setPermissions(folder.path(), readOnly))
        return true;
    QFile probe(folder.filePath(QStringLiteral("probe")));
    const bool written = probe.open(QIODevice::WriteOnly);
    probe.close();
    // So that the folder can be removed.
    QFile::setPermissions(folder.path(), readOnly | QFile::WriteOwner);
    return written;
}
