#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Remembers what it was asked and answers at once, so tests of the logic stay synchronous; or,
// while boxesWait is set, leaves each box open until the test closes it.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };
    struct Question
    {
        QString prompt;
        QString title;
        QString defaultAnswer;
    };

    void showMessage(const QString &text, const QString &title, Icon icon,
                     std::function<void()> closed) override
    {
        messages.append({text, title, icon});
        if (whileMessageShown)
            whileMessageShown();
        open(closed ? std::move(closed) : [] { });
    }
    void askText(const QString &prompt, const QString &title, const QString &defaultAnswer,
                 std::function<void(const QString &)> answered) override
    {
        questions.append({prompt, title, defaultAnswer});
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        open([answered = std::move(answered), answer] { answered(answer); });
    }
    // Closes the box opened first of those still open; false when none is.
    bool closeBox()
    {
        if (openBoxes.isEmpty())
            return false;
        openBoxes.takeFirst()();
        return true;
    }
    QString programDirectory() const override { return directory; }
    QString playerDataDirectory() const override { return playerDirectory; }
    // Draws the queued values first, then cycles through the board.
    float nextRandom() override
    {
        if (!randoms.isEmpty())
            return randoms.takeFirst();
        fallback = (fallback + 37) % 100;
        return (fallback + 0.5f) / 100.0f;
    }

    qint64 clockMilliseconds() const override { return clock; }

    // Keeps the files unless keepingRefusal is set; the late failure of the last keeping is left
    // in keepingFailedLater, for the test to call.
    std::optional<QString> keepFiles(std::function<void(const QString &)> failedLater) override
    {
        if (whileKeeping)
            whileKeeping();
        if (keepingRefusal)
            return keepingRefusal;
        keepingFailedLater = std::move(failedLater);
        return std::nullopt;
    }

    // Queues draws that land exactly on the given cells.
    void placeFoxesAt(const QList<int> &cells)
    {
        for (int cell : cells)
            randoms.append((cell + 0.5f) / 100.0f);
    }

    QList<Message> messages;
    QList<Question> questions;
    QStringList answers;
    QList<float> randoms;
    // The stopwatch's clock, moved by the test alone.
    qint64 clock = 0;
    QString directory;
    // None unless a test gives one: the program's folder is then the only place for the table.
    QString playerDirectory;
    // Runs while a message box would be open, to look at what lies under it.
    std::function<void()> whileMessageShown;
    std::optional<QString> keepingRefusal;
    // Runs as the files are kept, to look at what is kept.
    std::function<void()> whileKeeping;
    std::function<void(const QString &)> keepingFailedLater;
    bool boxesWait = false;

private:
    void open(std::function<void()> closing)
    {
        if (boxesWait)
            openBoxes.append(std::move(closing));
        else
            closing();
    }

    QList<std::function<void()>> openBoxes;
    int fallback = 0;
};
