// Platform as the program has it: real boxes, folders, generator and clock.
#pragma once

#include "platform/platform.h"

#include <QPointer>
#include <QWidget>
#include <random>

// The real dialogs, folders, generator and clock behind the logic; the boxes open over the
// window with openModal (modal.h).
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
    QString playerDataDirectory() const override;
    float nextRandom() override;
    qint64 clockMilliseconds() const override;
    std::optional<QString> keepFiles(std::function<void(const QString &)> failedLater) override;
    SaveAttempts saveAttempts() const override;

private:
    QPointer<QWidget> owner;
    std::mt19937 generator;
};
