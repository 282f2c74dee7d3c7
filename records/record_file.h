#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

QString recordFilePath(const QString &folder);

// The player's own folder for the game's data, where the table lives when the program's folder
// cannot be written; empty when the system names none.
QString playerDataFolder();

// The file's bytes, or none when it is missing, unreadable, not a regular file once links are
// followed, or of any size but a table's.
QByteArray readRecordFile(const QString &path);

struct SaveFailure
{
    QString reason;
    // No file could be made there at all, as in a folder the player cannot write; otherwise the
    // place could be written but the file was not.
    bool placeUnwritable = false;
};

// Written whole or not at all, so a kill or power cut mid-write leaves the previous file; anything
// there but a regular file is left alone.
std::optional<SaveFailure> saveRecordFile(const QString &path, const QByteArray &bytes);

// Why no file can be saved at path, found by opening a save there and dropping it; none when one
// can.
std::optional<QString> saveProbeFailure(const QString &path);
