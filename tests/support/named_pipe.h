#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#    include <fcntl.h>
#    include <sys/stat.h>
#    include <unistd.h>
#endif

// A named pipe without a writer, for code that must never open one: opening it to read waits for
// a writer for good. So that such code fails its test instead of hanging it, a thread stands by
// while the pipe lives, lets a waiting reader go with an empty read, and notes that it did.
class NamedPipe
{
public:
    // Where the system makes named pipes, and QFile::link symbolic links rather than shortcuts.
#ifdef Q_OS_UNIX
    static constexpr bool supported = true;

    explicit NamedPipe(const QString &path)
        : name(QFile::encodeName(path))
    {
        made = mkfifo(name.constData(), 0600) == 0;
        if (!made)
            return;
        rescuer = std::thread([this] {
            while (!stopping) {
                // Opening the writing end without waiting succeeds only while a reader is there.
                const int writer = open(name.constData(), O_WRONLY | O_NONBLOCK);
                if (writer >= 0) {
                    opened = true;
                    close(writer);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
#else
    static constexpr bool supported = false;

    explicit NamedPipe(const QString &) { }
#endif

    ~NamedPipe()
    {
        stopping = true;
        if (rescuer.joinable())
            rescuer.join();
    }

    bool isMade() const
    {
        return made;
    }

    // Whether anything opened the pipe to read, and had to be let go.
    bool wasOpened() const
    {
        return opened;
    }

private:
    QByteArray name;
    bool made = false;
    std::atomic<bool> stopping = false;
    std::atomic<bool> opened = false;
    std::thread rescuer;
};
