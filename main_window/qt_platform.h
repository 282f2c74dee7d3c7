#pragma once

#include "platform/platform.h"
#include "records/record_file.h"

#include <QPointer>
#include <QWidget>
#include <random>

// The real dialogs, directory and generator behind the logic.
class QtPlatform : public Platform
{
public:
    QtPlatform();

    // The window the dialogs open over; until it is set they open on their own.
    void setOwner(QWidget *window) { owner = window; }

    void showMessage(const QString &text, const QString &title, Icon icon,
                     std::function<void()> closed) override;
    void askText(const QString &prompt, const QString &title, const QString &defaultAnswer,
                 std::function<void(const QString &)> answered) override;
    QString programDirectory() const override;
    QString playerDataDirectory() const override { return playerDataFolder(); }
    float nextRandom() override;
    qint64 clockMilliseconds() const override;
    std::optional<QString> keepFiles(std::function<void(const QString &)> failedLater) override;

private:
    QPointer<QWidget> owner;
    std::mt19937 generator;
};
