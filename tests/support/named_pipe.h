#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// A named pipe without a writer, for code that must never open one: opening it to read waits for
// a writer for good. So that such code fails its test instead of hanging it, a shell stands by
// while the pipe lives, lets a waiting reader go with an empty read, and notes that it did.
class NamedPipe
{
public:
    // Where the system makes named pipes, and QFile::link symbolic links rather than shortcuts.
    static bool supported()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("mkfifo")).isEmpty();
    }

    explicit NamedPipe(const QString &path)
    {
        made = QProcess::execute(QStringLiteral("mkfifo"), {path}) == 0;
        if (!made)
            return;
        // Opening the writing end waits for a reader; the note is written before the end closes,
        // so it is there by the time the reader has read to the end.
        rescuer.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral("while [ -p \"$1\" ]; do exec 3>\"$1\"; echo; exec 3>&-; done"),
             QStringLiteral("sh"), path});
        made = rescuer.waitForStarted();
    }

    ~NamedPipe()
    {
        rescuer.kill();
        rescuer.waitForFinished();
    }

    bool isMade() const { return made; }

    // Whether anything opened the pipe to read, and had to be let go.
    bool wasOpened()
    {
        rescuer.waitForReadyRead(0);
        return rescuer.bytesAvailable() > 0;
    }

private:
    bool made = false;
    QProcess rescuer;
};
