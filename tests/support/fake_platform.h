#pragma once

#include "game/platform.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers at once and remembers what it was asked, so tests of the logic stay synchronous.
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

    void showMessage(const QString &text, const QString &title, Icon icon) override
    {
        messages.append({text, title, icon});
    }
    QString askText(const QString &prompt, const QString &title,
                    const QString &defaultAnswer) override
    {
        questions.append({prompt, title, defaultAnswer});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void setStopwatchEnabled(bool enabled) override { stopwatchEnabled = enabled; }
    QString programDirectory() const override { return directory; }
    // Draws the queued values first, then cycles through the board.
    float nextRandom() override
    {
        if (!randoms.isEmpty())
            return randoms.takeFirst();
        fallback = (fallback + 37) % 100;
        return (fallback + 0.5f) / 100.0f;
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
    bool stopwatchEnabled = false;
    QString directory;

private:
    int fallback = 0;
};
