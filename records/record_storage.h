#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Platform;
class QLockFile;

// The table's file where it lives now, held under the lock that every copy of the game takes for
// as long as this object lives, so that what is read and saved through it is one change. The file
// lives beside the program wherever that folder can be written, found by trying at every change,
// and in the player's data folder only while it cannot.
class RecordStorage
{
public:
    explicit RecordStorage(Platform &platform);
    ~RecordStorage();

    // The file's bytes; a first table in the data folder starts from the file beside the program.
    QByteArray read() const;
    // Nothing is written while another copy holds the lock. Gives, when the bytes were not saved,
    // each place that was tried and why it failed.
    std::optional<QString> save(const QByteArray &bytes);
    // Where a save is found to have failed only after save() has returned, as in a browser, what
    // save() would have given goes here.
    void tellLateFailuresTo(std::function<void(const QString &)> tell) { m_tellLate = tell; }

private:
    // The first folder that holds a lock or, where none can be made, takes a file; else the last.
    bool choosePlace(const QStringList &folders);

    Platform &m_platform;
    const QString m_programFolder;
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    bool m_placeFound = false;
    bool m_heldElsewhere = false;
    // The places passed over because nothing could be made there, with the reason.
    QStringList m_unwritable;
    std::function<void(const QString &)> m_tellLate;
};
