#pragma once

#include "game/platform.h"

#include <random>

class QTimer;
class QWidget;

// The real dialogs, stopwatch, directory and generator behind the logic.
class QtPlatform : public Platform
{
public:
    QtPlatform(QWidget &owner, QTimer &stopwatch);

    void showMessage(const QString &text, const QString &title, Icon icon) override;
    QString askText(const QString &prompt, const QString &title,
                    const QString &defaultAnswer) override;
    void setStopwatchEnabled(bool enabled) override;
    QString programDirectory() const override;
    float nextRandom() override;

private:
    QWidget &owner;
    QTimer &stopwatch;
    std::mt19937 generator;
};
